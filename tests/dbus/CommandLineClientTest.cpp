// Outside clients: the gdbus and busctl command-line tools, and the README's
// own automation examples run word for word, so a user who follows them
// gets what they show.

#include "BusTestSupport.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// Runs a shell command line; its standard output and error, trimmed.
QString RunProgram(const QString& program, const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    WaitFor([&] { return process.state() == QProcess::NotRunning; }, 30000);
    return QString::fromUtf8(process.readAll()).trimmed();
}

QString Shell(const QString& commandLine)
{
    return RunProgram(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), commandLine});
}

// A user's calculator for the commands to attach to.
class CommandLineClient : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_calculator = StartCalculator({});
        ASSERT_TRUE(WaitForOwner(m_client, kRunningName, 15000));
    }
    void TearDown() override
    {
        if (HasOwner(m_client, kRunningName))
            m_client.CallObject(kRunningName, QStringLiteral("Close"));
        WaitFor([&] { return m_calculator->state() == QProcess::NotRunning; }, 10000);
        StopProcess(*m_calculator);
    }
    Client m_client;
    std::unique_ptr<QProcess> m_calculator;
};

TEST_F(CommandLineClient, GdbusAndBusctlGetAnswersAndErrors)
{
    const QString call = QStringLiteral(
        "gdbus call --session --dest numbrix.calculator.Running --object-path /Calculator --method ");
    const QString properties = call + QStringLiteral("org.freedesktop.DBus.Properties.");
    struct Case {
        QString command;
        QString expected;  // the output contains this
    };
    const Case cases[] = {
        {call + "numbrix.calculator.Calculator.Button \"'4'\"", "(true,)"},
        {call + "numbrix.calculator.Calculator.button \"'2'\"", "(true,)"},
        {properties + "Get numbrix.calculator.Calculator OPERAND", "(<42>,)"},
        {call + "numbrix.calculator.Calculator.Button \"''\"", "(false,)"},
        {properties + "Set numbrix.calculator.Calculator Operation \"<70000>\"", "org.freedesktop.DBus.Error.InvalidArgs"},
        {properties + "Set numbrix.calculator.Calculator Accum \"<'forty'>\"", "org.freedesktop.DBus.Error.InvalidArgs"},
        {properties + "Set numbrix.calculator.Calculator Accum \"<[1, 2]>\"", "org.freedesktop.DBus.Error.InvalidArgs"},
        {properties + "Set numbrix.calculator.Calculator Accum \"<' 9 '>\"", "()"},
        {properties + "Get numbrix.calculator.Calculator Memory", "org.freedesktop.DBus.Error.UnknownProperty"},
        {call + "numbrix.calculator.Calculator.SquareRoot", "org.freedesktop.DBus.Error.UnknownMethod"},
        {properties + "GetAll numbrix.calculator.Calculator",
         "({'Accum': <9>, 'Operand': <42>, 'Operation': <int16 0>, 'Visible': <true>},)"},
        {"gdbus introspect --session --dest numbrix.calculator.Running --object-path /Calculator",
         "readwrite n Operation"},
        {"busctl --user get-property numbrix.calculator.Running /Calculator numbrix.calculator.Calculator Visible",
         "b true"},
        {"busctl --user call numbrix.calculator.Running /Calculator numbrix.calculator.Calculator Evaluate", "b true"},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(Shell(c.command).contains(c.expected)) << c.command.toStdString() << "\n"
                                                           << Shell(c.command).toStdString();
}

// The fenced block of `language` that follows `from` in the README's
// automation section.
QString ReadmeBlock(const QString& language, qsizetype from = 0, qsizetype* end = nullptr)
{
    QFile file(QStringLiteral(NUMBRIX_SOURCE_DIR "/README.md"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString readme = QString::fromUtf8(file.readAll());
    const qsizetype section = readme.indexOf(QStringLiteral("## Automation over the session bus"));
    if (section < 0)
        return {};
    const QString fence = QStringLiteral("```") + language + QLatin1Char('\n');
    const qsizetype start = readme.indexOf(fence, std::max(section, from));
    if (start < 0)
        return {};
    const qsizetype body = start + fence.size();
    const qsizetype close = readme.indexOf(QStringLiteral("```\n"), body);
    if (end != nullptr)
        *end = close;
    return readme.mid(body, close - body);
}

TEST_F(CommandLineClient, TheReadmesGdbusSessionGivesWhatItShows)
{
    const QString block = ReadmeBlock(QStringLiteral("sh"));
    ASSERT_FALSE(block.isEmpty());
    QString command;
    QStringList expected;
    int commands = 0;
    const auto check = [&] {
        if (command.isEmpty())
            return;
        EXPECT_EQ(Shell(command), expected.join(QLatin1Char('\n'))) << command.toStdString();
        ++commands;
    };
    for (const QString& line : block.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QStringLiteral("$ "))) {
            check();
            command = line.mid(2);
            expected.clear();
        } else {
            expected << line;
        }
    }
    check();
    EXPECT_EQ(commands, 5);
}

TEST_F(CommandLineClient, TheReadmesPythonExamplePrintsWhatItShows)
{
    qsizetype end = 0;
    const QString program = ReadmeBlock(QStringLiteral("python"), 0, &end);
    const QString output = ReadmeBlock(QStringLiteral("text"), end);
    ASSERT_FALSE(program.isEmpty());
    ASSERT_FALSE(output.isEmpty());
    EXPECT_EQ(RunProgram(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-")}, program.toUtf8()), output.trimmed());
}

}  // namespace
