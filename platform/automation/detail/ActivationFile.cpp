#include "platform/automation/detail/ActivationFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cstdlib>
#include <string_view>

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

// A file's text, or nullopt when it cannot be read. Service files are
// small; anything larger than this is no service file of ours.
constexpr qint64 kLargestServiceFile = 64 * 1024;
std::optional<std::string> ReadSmallFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestServiceFile)
        return std::nullopt;
    return file.read(kLargestServiceFile).toStdString();
}

// The real path of a program, "" when it is gone.
std::string RealProgramPath(const std::string& path)
{
    return QFileInfo(QString::fromStdString(path)).canonicalFilePath().toStdString();
}

// The real path of the program a service file names: "" when the file
// names none or its program is gone; nullopt when there is no file.
std::optional<std::string> ProgramOfFile(const QString& path)
{
    const std::optional<std::string> text = ReadSmallFile(path);
    if (!text)
        return std::nullopt;
    const std::optional<std::string> program = ActivationFileProgram(*text);
    return program ? RealProgramPath(*program) : std::string();
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

std::optional<std::string> ActivationFileProgram(const std::string& fileText)
{
    std::string_view rest(fileText);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!line.starts_with("Exec="))
            continue;
        line.remove_prefix(5);
        std::size_t close = 0;
        std::string_view program;
        if (!line.empty() && (line.front() == '\'' || line.front() == '"')) {
            close = line.find(line.front(), 1);
            if (close == std::string_view::npos)
                return std::nullopt;
            program = line.substr(1, close - 1);
            ++close;
        } else {
            close = std::min(line.find(' '), line.size());
            program = line.substr(0, close);
        }
        if (program.empty() || (close < line.size() && line[close] != ' '))
            return std::nullopt;
        return std::string(program);
    }
    return std::nullopt;
}

ActivationFileStep DecideActivationFile(const ActivationFileState& state)
{
    const bool installed = !state.program.empty() &&
                           std::find(state.systemPrograms.begin(), state.systemPrograms.end(), state.program) !=
                               state.systemPrograms.end();
    if (installed)
        return state.userProgram ? ActivationFileStep::Remove : ActivationFileStep::Leave;
    if (!state.program.empty() && ActivationExecLine(state.program))
        return ActivationFileStep::Write;
    return state.userProgram && state.userProgram->empty() ? ActivationFileStep::Remove : ActivationFileStep::Leave;
}

std::vector<std::string> SystemActivationFilePaths(const std::string& progId)
{
    QStringList dirs = qEnvironmentVariable("XDG_DATA_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (dirs.isEmpty())
        dirs = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    std::vector<std::string> paths;
    for (const QString& dir : dirs) {
        if (QDir::isAbsolutePath(dir))
            paths.push_back((dir + QStringLiteral("/dbus-1/services/") + QString::fromStdString(progId) +
                             QStringLiteral(".service"))
                                .toStdString());
    }
    return paths;
}

bool UpdateActivationFile(const std::string& progId, const std::string& clsid)
{
    const std::optional<std::string> userPath = ActivationFilePath(progId);
    if (!userPath || QCoreApplication::instance() == nullptr)
        return false;
    const QString userFile = QString::fromStdString(*userPath);
    ActivationFileState state;
    state.program = RealProgramPath(QCoreApplication::applicationFilePath().toStdString());
    for (const std::string& path : SystemActivationFilePaths(progId)) {
        // A data directory listed among the system ones too is still the
        // user's own.
        if (QFileInfo(QString::fromStdString(path)) == QFileInfo(userFile))
            continue;
        const std::optional<std::string> program = ProgramOfFile(QString::fromStdString(path));
        if (program && !program->empty())
            state.systemPrograms.push_back(*program);
    }
    state.userProgram = ProgramOfFile(userFile);
    switch (DecideActivationFile(state)) {
    case ActivationFileStep::Write:
        return WriteActivationFile(progId, clsid);
    case ActivationFileStep::Remove:
        return QFile::remove(userFile);
    case ActivationFileStep::Leave:
        break;
    }
    return true;
}
