// The conversions a client's values go through, without a bus: numbers in
// text, rounding, every D-Bus type against every target type, the register
// reading of Accum and Operand, the activation file's Exec line and the
// introspection data made from the calculator's dispatch map.

#include "calc/AutomationInteger.h"
#include "calc/CalcDlg.h"
#include "platform/automation/detail/ActivationFile.h"
#include "platform/automation/detail/AutomationArgs.h"
#include "platform/automation/detail/InterfaceXml.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusSignature>
#include <QDBusVariant>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(NumberFromText, ReadsTheRuntimesNotationWithBlanksAround)
{
    struct Case {
        const char* text;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {"12", 12.0},           {"  -7\t", -7.0},   {"+3.5", 3.5},     {"1.", 1.0},
        {".5", 0.5},            {"2e3", 2000.0},    {"2E-1", 0.2},     {"1e999", HUGE_VAL},
        {"", std::nullopt},     {"   ", std::nullopt}, {".", std::nullopt}, {"12abc", std::nullopt},
        {"0x1A", std::nullopt}, {"inf", std::nullopt}, {"nan", std::nullopt}, {"1e", std::nullopt},
        {"1 2", std::nullopt},  {"--1", std::nullopt}, {"1,5", std::nullopt}, {"\n5", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NumberFromText(c.text), c.expected) << '"' << c.text << '"';
}

TEST(NumberFromText, RefusesAMegabyteOfDigitsAtOnce)
{
    EXPECT_EQ(NumberFromText(std::string(1 << 20, '7')), std::nullopt);
}

TEST(RoundHalfToEven, TiesGoToTheEvenNeighbour)
{
    const std::pair<double, double> cases[] = {
        {0.5, 0.0},  {1.5, 2.0},   {2.5, 2.0},   {-0.5, -0.0}, {-1.5, -2.0}, {-2.5, -2.0},
        {2.4, 2.0},  {2.6, 3.0},   {-2.6, -3.0}, {1e300, 1e300}, {4503599627370495.5, 4503599627370496.0},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(RoundHalfToEven(value), expected) << value;
}

// The number a conversion gives, or a sentinel for a refusal.
constexpr std::int64_t kRefused = std::numeric_limits<std::int64_t>::min();

std::int64_t Converted(const QVariant& value, VARTYPE target)
{
    const std::optional<DispValue> result = ConvertArgument(value, target);
    return result ? result->number : kRefused;
}

TEST(ConvertArgument, IntegersOfEveryWidthWhenTheyFit)
{
    struct Case {
        QVariant value;
        std::int64_t asI4, asI2, asBool;
    };
    const Case cases[] = {
        {QVariant::fromValue<uchar>(200), 200, 200, -1},
        {QVariant::fromValue<short>(-5), -5, -5, -1},
        {QVariant::fromValue<ushort>(40000), 40000, kRefused, -1},
        {QVariant::fromValue<int>(0), 0, 0, 0},
        {QVariant::fromValue<int>(-32768), -32768, -32768, -1},
        {QVariant::fromValue<int>(32768), 32768, kRefused, -1},
        {QVariant::fromValue<uint>(2147483648u), kRefused, kRefused, -1},
        {QVariant::fromValue<qlonglong>(-2147483648LL), -2147483648LL, kRefused, -1},
        {QVariant::fromValue<qlonglong>(-2147483649LL), kRefused, kRefused, -1},
        {QVariant::fromValue<qulonglong>(18446744073709551615ULL), kRefused, kRefused, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Converted(c.value, VT_I4), c.asI4) << c.value.toString().toStdString();
        EXPECT_EQ(Converted(c.value, VT_I2), c.asI2) << c.value.toString().toStdString();
        EXPECT_EQ(Converted(c.value, VT_BOOL), c.asBool) << c.value.toString().toStdString();
    }
}

TEST(ConvertArgument, DoublesBooleansAndNumberStrings)
{
    struct Case {
        QVariant value;
        std::int64_t asI4, asI2, asBool;
    };
    const Case cases[] = {
        {2.5, 2, 2, -1},
        {3.5, 4, 4, -1},
        {-0.4, 0, 0, -1},
        {0.0, 0, 0, 0},
        {2147483647.4, 2147483647, kRefused, -1},
        {2147483647.5, kRefused, kRefused, -1},
        {std::numeric_limits<double>::quiet_NaN(), kRefused, kRefused, kRefused},
        {std::numeric_limits<double>::infinity(), kRefused, kRefused, kRefused},
        {true, -1, -1, -1},
        {false, 0, 0, 0},
        {QStringLiteral(" 12.5 "), 12, 12, -1},
        {QStringLiteral("-3"), -3, -3, -1},
        {QStringLiteral("0"), 0, 0, 0},
        {QStringLiteral("40000"), 40000, kRefused, -1},
        {QStringLiteral("seven"), kRefused, kRefused, kRefused},
        {QStringLiteral("true"), kRefused, kRefused, kRefused},
        {QStringLiteral(""), kRefused, kRefused, kRefused},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Converted(c.value, VT_I4), c.asI4) << c.value.toString().toStdString();
        EXPECT_EQ(Converted(c.value, VT_I2), c.asI2) << c.value.toString().toStdString();
        EXPECT_EQ(Converted(c.value, VT_BOOL), c.asBool) << c.value.toString().toStdString();
    }
}

TEST(ConvertArgument, VariantsAreUnwrappedAndContainersRefused)
{
    const QVariant wrapped = QVariant::fromValue(QDBusVariant(QVariant::fromValue(QDBusVariant(7))));
    EXPECT_EQ(Converted(wrapped, VT_I4), 7);

    QVariant deep = 1;
    for (int i = 0; i < 40; ++i)
        deep = QVariant::fromValue(QDBusVariant(deep));
    EXPECT_EQ(Converted(deep, VT_I4), kRefused);

    const QVariant refused[] = {
        QVariant::fromValue(QStringList{QStringLiteral("1")}),
        QVariant::fromValue(QByteArray("1")),
        QVariant::fromValue(QVariantList{1, 2}),
        QVariant::fromValue(QDBusObjectPath(QStringLiteral("/1"))),
        QVariant::fromValue(QDBusSignature(QStringLiteral("i"))),
        QVariant(),
    };
    for (const QVariant& value : refused) {
        EXPECT_EQ(Converted(value, VT_I4), kRefused) << value.typeName();
        EXPECT_EQ(Converted(value, VT_BOOL), kRefused) << value.typeName();
    }
}

TEST(ConvertArgument, TextParametersTakeTextAndNumbersAsTheirDecimalText)
{
    const std::pair<QVariant, std::optional<std::string>> cases[] = {
        {QStringLiteral("7+"), "7+"},
        {QStringLiteral(""), ""},
        {QVariant::fromValue<uchar>(255), "255"},
        {QVariant::fromValue<short>(-2), "-2"},
        {QVariant::fromValue<ushort>(65535), "65535"},
        {7, "7"},
        {QVariant::fromValue<uint>(4294967295u), "4294967295"},
        {QVariant::fromValue<qlonglong>(-9223372036854775807LL - 1), "-9223372036854775808"},
        {QVariant::fromValue<qulonglong>(18446744073709551615ULL), "18446744073709551615"},
        {7.0, "7"},
        {0.5, "0.5"},
        {-2.25, "-2.25"},
        {0.1, "0.1"},
        {1.0 / 3.0, "0.333333333333333"},
        {123456789012345678.0, "1.23456789012346E+17"},
        {1e-5, "1E-05"},
        {-0.0, "0"},
        {std::numeric_limits<double>::infinity(), std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
        {true, std::nullopt},
        {QVariant::fromValue(QStringList{QStringLiteral("7")}), std::nullopt},
        {QVariant::fromValue(QDBusObjectPath(QStringLiteral("/7"))), std::nullopt},
        {QVariant::fromValue(QDBusVariant(QVariant(-2))), "-2"},
    };
    for (const auto& [value, expected] : cases) {
        const std::optional<DispValue> text = ConvertArgument(value, VT_BSTR);
        EXPECT_EQ(text ? std::optional<std::string>(text->text) : std::nullopt, expected)
            << value.typeName() << " " << value.toString().toStdString();
    }
}

TEST(AutomationLongFrom, TruncatesTowardZeroAndSaturates)
{
    const std::pair<double, long> cases[] = {
        {0.0, 0},
        {1.9, 1},
        {-1.9, -1},
        {2147483647.0, 2147483647},
        {2147483647.9, 2147483647},
        {2147483648.0, 2147483647},
        {1e300, 2147483647},
        {std::numeric_limits<double>::infinity(), 2147483647},
        {-2147483648.0, -2147483648L},
        {-2147483649.5, -2147483648L},
        {-std::numeric_limits<double>::infinity(), -2147483648L},
        {std::numeric_limits<double>::quiet_NaN(), 0},
        {-std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(AutomationLongFrom(value), expected) << value;
}

TEST(ActivationFile, ExecLineQuotesWhatTheDaemonWouldSplit)
{
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"/usr/bin/numbrix-calc", "/usr/bin/numbrix-calc -Automation"},
        {"/opt/my apps/numbrix-calc", "'/opt/my apps/numbrix-calc' -Automation"},
        {"/opt/it's/calc", "\"/opt/it's/calc\" -Automation"},
        {"/opt/$HOME/calc", "'/opt/$HOME/calc' -Automation"},
        {"/opt/it's/$HOME", std::nullopt},
        {"/opt/it's/\"q\"", std::nullopt},
        {"/opt/back\\slash/calc", std::nullopt},
        {"/opt/line\nbreak/calc", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(ActivationExecLine(path), expected) << path;
}

TEST(ActivationFile, TextNamesTheClassAndItsId)
{
    const std::optional<std::string> text =
        ActivationFileText("numbrix.calculator", std::string(CLSID_Calculator.text), "/usr/bin/numbrix-calc");
    ASSERT_TRUE(text);
    EXPECT_EQ(*text,
              "# Automation class numbrix.calculator, class id {830BAA84-3FD3-4A0E-8A00-25991F704E10}\n"
              "[D-BUS Service]\n"
              "Name=numbrix.calculator\n"
              "Exec=/usr/bin/numbrix-calc -Automation\n");
}

TEST(ActivationFile, ProgramIsReadBackAsTheExecLineSpellsIt)
{
    for (const char* path : {"/usr/bin/numbrix-calc", "/opt/my apps/numbrix-calc", "/opt/it's/calc", "/opt/$HOME/calc"}) {
        const std::optional<std::string> text = ActivationFileText("numbrix.calculator", "{0}", path);
        ASSERT_TRUE(text) << path;
        EXPECT_EQ(ActivationFileProgram(*text), path);
    }
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"[D-BUS Service]\r\nName=x\r\nExec=/usr/bin/calc -Automation\r\n", "/usr/bin/calc"},
        {"[D-BUS Service]\nExec=/usr/bin/calc", "/usr/bin/calc"},
        {"# Exec=/not/this\n[D-BUS Service]\nExec='/a b/calc'\n", "/a b/calc"},
        {"[D-BUS Service]\nName=numbrix.calculator\n", std::nullopt},
        {"Exec=\n", std::nullopt},
        {"Exec= /usr/bin/calc\n", std::nullopt},
        {"Exec='/unclosed -Automation\n", std::nullopt},
        {"Exec='/a'b -Automation\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ActivationFileProgram(text), expected) << text;
}

TEST(ActivationFile, TheInstalledProgramLeavesRegistrationToItsSystemFileOthersRegisterThemselves)
{
    using Step = ActivationFileStep;
    const std::string installed = "/usr/bin/numbrix-calc";
    const std::string built = "/home/dev/numbrix/build/numbrix-calc";
    const std::string unnamed = "/home/dev/back\\slash/numbrix-calc";
    const std::string gone;
    const struct {
        const char* what;
        ActivationFileState state;
        Step expected;
    } cases[] = {
        {"build tree, nothing installed, no file yet", {built, {}, std::nullopt}, Step::Write},
        {"build tree, its own file", {built, {}, built}, Step::Write},
        {"build tree, a file naming a program that is gone", {built, {}, gone}, Step::Write},
        {"build tree beside an install: its own file shadows the system one", {built, {installed}, installed}, Step::Write},
        {"installed, no per-user file", {installed, {installed}, std::nullopt}, Step::Leave},
        {"installed, a file naming a program that is gone", {installed, {installed}, gone}, Step::Remove},
        {"installed, the file an earlier run of it wrote", {installed, {installed}, installed}, Step::Remove},
        {"installed, a file naming a build tree", {installed, {installed}, built}, Step::Remove},
        {"installed under /usr/local and /usr, the second listed", {installed, {"/usr/local/bin/numbrix-calc", installed}, built},
         Step::Remove},
        {"a prefix no system file names", {"/opt/calc/bin/numbrix-calc", {installed}, installed}, Step::Write},
        {"a path no file can name, a stale file", {unnamed, {}, gone}, Step::Remove},
        {"a path no file can name, another program's file", {unnamed, {}, installed}, Step::Leave},
        {"a path no file can name, no file", {unnamed, {installed}, std::nullopt}, Step::Leave},
        {"this program unknown, a stale file", {gone, {installed}, gone}, Step::Remove},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecideActivationFile(c.state), c.expected) << c.what;
}

TEST(ActivationFile, SystemFilesComeFromTheAbsoluteDataDirs)
{
    const QByteArray saved = qgetenv("XDG_DATA_DIRS");
    const bool wasSet = qEnvironmentVariableIsSet("XDG_DATA_DIRS");
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {nullptr,
         {"/usr/local/share/dbus-1/services/numbrix.calculator.service",
          "/usr/share/dbus-1/services/numbrix.calculator.service"}},
        {"",
         {"/usr/local/share/dbus-1/services/numbrix.calculator.service",
          "/usr/share/dbus-1/services/numbrix.calculator.service"}},
        {"/opt/a::relative/dir:/b",
         {"/opt/a/dbus-1/services/numbrix.calculator.service", "/b/dbus-1/services/numbrix.calculator.service"}},
    };
    for (const auto& [value, expected] : cases) {
        if (value == nullptr)
            qunsetenv("XDG_DATA_DIRS");
        else
            qputenv("XDG_DATA_DIRS", value);
        EXPECT_EQ(SystemActivationFilePaths("numbrix.calculator"), expected) << (value ? value : "(unset)");
    }
    if (wasSet)
        qputenv("XDG_DATA_DIRS", saved);
    else
        qunsetenv("XDG_DATA_DIRS");
}

TEST(Introspection, ListsTheDispatchMapInItsOrderWithBusTypes)
{
    CCalcDlg calculator;
    const QString xml = InterfaceXml(QStringLiteral("numbrix.calculator.Calculator"), calculator.GetDispatchMap());
    const QRegularExpression member(QStringLiteral("<(property|method) name=\"(\\w+)\"( type=\"(\\w)\")?"));
    QStringList found;
    for (auto it = member.globalMatch(xml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        found << m.captured(2) + m.captured(4);
    }
    EXPECT_EQ(found, (QStringList{"Accumi", "Operandi", "Operationn", "Visibleb", "Evaluate", "Clear", "Display",
                                  "Close", "Button"}));
    EXPECT_TRUE(xml.contains(QStringLiteral(
        "<method name=\"Button\">\n      <arg name=\"value\" type=\"s\" direction=\"in\"/>\n"
        "      <arg name=\"result\" type=\"b\" direction=\"out\"/>")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<method name=\"Evaluate\">\n      <arg name=\"result\" type=\"b\"")));
}

}  // namespace
