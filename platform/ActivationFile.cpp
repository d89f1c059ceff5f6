#include "ActivationFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdlib>

namespace {

bool IsPlainPathCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("/._-+,:@=").find(c) != std::string_view::npos;
}

// Single quotes keep everything literal; a quote itself is closed, escaped
// and reopened, as the daemon's shell-style parser reads it.
std::string ShellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

}  // namespace

std::optional<std::string> ActivationExecLine(const std::string& programPath)
{
    if (programPath.empty() || programPath.find_first_of("\r\n") != std::string::npos)
        return std::nullopt;
    bool plain = true;
    for (char c : programPath)
        plain = plain && IsPlainPathCharacter(c);
    return (plain ? programPath : ShellQuoted(programPath)) + " -Automation";
}

std::optional<std::string> ActivationFileText(const std::string& progId, const std::string& clsid,
                                              const std::string& programPath)
{
    const std::optional<std::string> exec = ActivationExecLine(programPath);
    if (!exec)
        return std::nullopt;
    return "# Automation class " + progId + ", class id " + clsid + "\n" +
           "[D-BUS Service]\n"
           "Name=" + progId + "\n" +
           "Exec=" + *exec + "\n";
}

std::optional<std::string> ActivationFilePath(const std::string& progId)
{
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty() || !QDir::isAbsolutePath(dataHome)) {
        const QString home = qEnvironmentVariable("HOME");
        if (home.isEmpty() || !QDir::isAbsolutePath(home))
            return std::nullopt;
        dataHome = home + QStringLiteral("/.local/share");
    }
    return (dataHome + QStringLiteral("/dbus-1/services/") + QString::fromStdString(progId) +
            QStringLiteral(".service"))
        .toStdString();
}

bool WriteActivationFile(const std::string& progId, const std::string& clsid)
{
    const std::optional<std::string> path = ActivationFilePath(progId);
    if (!path || QCoreApplication::instance() == nullptr)
        return false;
    const std::optional<std::string> text =
        ActivationFileText(progId, clsid, QCoreApplication::applicationFilePath().toStdString());
    if (!text)
        return false;
    const QString filePath = QString::fromStdString(*path);
    if (!QDir().mkpath(QFileInfo(filePath).absolutePath()))
        return false;
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text->data(), static_cast<qint64>(text->size()));
    return file.commit();
}
