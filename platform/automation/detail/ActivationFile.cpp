#include "platform/automation/detail/ActivationFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QSaveFile>

#include <cstdlib>

namespace {

bool IsPlainPathCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("/._-+,:@=").find(c) != std::string_view::npos;
}

// The daemon splits Exec= the way a shell would, after its file reader has
// taken every backslash as an escape: single quotes keep the rest literal,
// and a path with a single quote in it goes in double quotes, where only
// " $ and ` would still be special. Other paths have no spelling; nullopt.
std::optional<std::string> ShellQuoted(const std::string& text)
{
    if (text.find('\\') != std::string::npos)
        return std::nullopt;
    if (text.find('\'') == std::string::npos)
        return "'" + text + "'";
    if (text.find_first_of("\"\\$`") == std::string::npos)
        return "\"" + text + "\"";
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ActivationExecLine(const std::string& programPath)
{
    if (programPath.empty() || programPath.find_first_of("\r\n") != std::string::npos)
        return std::nullopt;
    bool plain = true;
    for (char c : programPath)
        plain = plain && IsPlainPathCharacter(c);
    if (plain)
        return programPath + " -Automation";
    const std::optional<std::string> quoted = ShellQuoted(programPath);
    if (!quoted)
        return std::nullopt;
    return *quoted + " -Automation";
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
    // Every start writes the file; when it already says the same, leave it
    // alone: a rewrite (and its sync to disk) would only delay the window.
    if (QFile existing(filePath); existing.open(QIODevice::ReadOnly)) {
        if (existing.size() == static_cast<qint64>(text->size()) &&
            existing.readAll() == QByteArray(text->data(), static_cast<qsizetype>(text->size())))
            return true;
    }
    if (!QDir().mkpath(QFileInfo(filePath).absolutePath()))
        return false;
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text->data(), static_cast<qint64>(text->size()));
    return file.commit();
}
