// A client attached to the user's calculator through its running name, with
// the calculator in this process: every function of the dispatch map, the
// conversions and refusals as a client meets them, and the one calculator
// that the user and the client share.

#include "BusTestSupport.h"

#include "calc/CalcDlg.h"
#include "platform/automation/Ole.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusVariant>
#include <QPointer>
#include <QWidget>
#include <gtest/gtest.h>

#include <limits>

namespace {

const QString kInvalidArgs = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
const QString kUnknownMethod = QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod");
const QString kUnknownProperty = QStringLiteral("org.freedesktop.DBus.Error.UnknownProperty");

class AttachedCalculator : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxOleInit());
        m_calc = new CCalcDlg(nullptr);
        m_calc->SetVisible(TRUE);
        ASSERT_TRUE(m_calc->GetVisible());
        ASSERT_TRUE(m_calc->RegisterActive());
        // The running name is asked for without waiting for the answer.
        ASSERT_TRUE(WaitFor([this] { return HasOwner(m_client, kRunningName); }));
        m_window = m_calc->Widget();
    }

    void TearDown() override
    {
        if (m_calc == nullptr)
            return;
        // The object deletes itself with its window.
        if (m_calc->GetSafeHwnd() != nullptr)
            m_calc->SendCommand(IDCANCEL);
        else
            delete m_calc;
        m_calc = nullptr;
    }

    QVariant Get(const QString& name) { return PropertyValue(m_client.GetProperty(kRunningName, name)); }
    QDBusMessage Set(const QString& name, const QVariant& value) { return m_client.SetProperty(kRunningName, name, value); }
    QDBusMessage Call(const QString& member, const QVariantList& arguments = {})
    {
        return m_client.CallObject(kRunningName, member, arguments);
    }
    QVariant Button(const QString& key) { return ReplyValue(Call(QStringLiteral("Button"), {key})); }
    CString Display() const { return m_calc->GetDlgItemText(CCalcDlg::kDisplay); }
    QVariantMap All()
    {
        QDBusMessage message = QDBusMessage::createMethodCall(kRunningName, kObjectPath,
                                                              QStringLiteral("org.freedesktop.DBus.Properties"),
                                                              QStringLiteral("GetAll"));
        message.setArguments({kObjectInterface});
        return qdbus_cast<QVariantMap>(ReplyValue(m_client.Call(message)));
    }

    Client m_client;
    CCalcDlg* m_calc = nullptr;
    QPointer<QWidget> m_window;
};

TEST_F(AttachedCalculator, RegistersEvaluateAndReadBack)
{
    EXPECT_FALSE(Set("Accum", 2).errorName().size());
    Set("Operand", 3);
    Set("Operation", QVariant::fromValue<short>(1));
    EXPECT_EQ(ReplyValue(Call("Evaluate")), QVariant(true));
    EXPECT_EQ(Get("Accum"), QVariant(5));
    EXPECT_EQ(Get("Operation"), QVariant::fromValue<short>(0));
    EXPECT_EQ(Display(), "5.");

    // A second Evaluate has no new operand: nothing changes, and it succeeds.
    EXPECT_EQ(ReplyValue(Call("Evaluate")), QVariant(true));
    EXPECT_EQ(Get("Accum"), QVariant(5));
}

TEST_F(AttachedCalculator, DivisionByZeroFailsUntilClear)
{
    Set("Accum", 8);
    Set("Operand", 0);
    Set("Operation", 4);
    EXPECT_EQ(ReplyValue(Call("Evaluate")), QVariant(false));
    EXPECT_EQ(Display(), "Can't divide by zero! Press ESC");
    EXPECT_EQ(Get("Accum"), QVariant(8));
    // The registers can still be set in the error state; Evaluate stays FALSE.
    Set("Operand", 2);
    EXPECT_EQ(ReplyValue(Call("Evaluate")), QVariant(false));

    Call("Clear");
    EXPECT_EQ(Display(), "0.");
    EXPECT_EQ(All(), (QVariantMap{{"Accum", 0}, {"Operand", 0}, {"Operation", QVariant::fromValue<short>(0)},
                                  {"Visible", true}}));
    EXPECT_EQ(ReplyValue(Call("Evaluate")), QVariant(true));
}

TEST_F(AttachedCalculator, ButtonRunsTheKeyOfTheFirstCharacterOnly)
{
    struct Case {
        QString keys;  // pressed in turn after Clear
        bool lastResult;
        CString display;
    };
    const Case cases[] = {
        {"12", true, "1."},
        {"2|+|3|*|4|=", true, "20."},
        {"1|.|5|.|3", true, "1.503"},
        {"9|cos", true, "0."},
        {"9|C", true, "0."},
        {"7|x", false, "7."},
        {"7|", false, "7."},
        {"7|%", false, "7."},
        {"7|\u00e9", false, "7."},
        {"7| 8", false, "7."},
        {"5|/|0|=", true, "Can't divide by zero! Press ESC"},
        {"8|-|9|=", true, "-1."},
    };
    for (const Case& c : cases) {
        Call("Clear");
        QVariant result;
        for (const QString& key : c.keys.split(QLatin1Char('|')))
            result = Button(key);
        EXPECT_EQ(result, QVariant(c.lastResult)) << c.keys.toStdString();
        EXPECT_EQ(Display(), c.display) << c.keys.toStdString();
    }
    // A number is pressed as its decimal text: 7, then -2 is the minus key
    // and 2.5 the digit 2.
    Call("Clear");
    for (const QVariant& key : {QVariant(7), QVariant::fromValue<qlonglong>(-2), QVariant(2.5)})
        EXPECT_EQ(ReplyValue(Call("Button", {key})), QVariant(true)) << key.typeName();
    Button("=");
    EXPECT_EQ(Display(), "5.");
}

TEST_F(AttachedCalculator, ButtonWithAMegabyteStringPressesOneKey)
{
    Call("Clear");
    EXPECT_EQ(Button(QString(1 << 20, QLatin1Char('7'))), QVariant(true));
    EXPECT_EQ(Display(), "7.");
    EXPECT_EQ(Button(QString(1 << 20, QLatin1Char('x'))), QVariant(false));
    EXPECT_EQ(Get("Operand"), QVariant(7));
}

TEST_F(AttachedCalculator, NamesMatchWithoutRegardToCase)
{
    EXPECT_EQ(Set("ACCUM", 4).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(Get("accum"), QVariant(4));
    EXPECT_EQ(ReplyValue(Call("bUtToN", {QStringLiteral("3")})), QVariant(true));
    EXPECT_EQ(Get("oPeRaNd"), QVariant(3));
    EXPECT_EQ(ReplyValue(Call("EVALUATE")), QVariant(true));
    EXPECT_EQ(Get("Accum"), QVariant(3));
}

TEST_F(AttachedCalculator, UnknownNamesAndWrongCallsAreRefused)
{
    struct Case {
        const char* what;
        QDBusMessage reply;
        QString error;
    };
    QDBusMessage wrongSetSignature = QDBusMessage::createMethodCall(
        kRunningName, kObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"));
    wrongSetSignature.setArguments({kObjectInterface, QStringLiteral("Accum"), 5});
    const Case cases[] = {
        {"unknown method", Call("Multiply"), kUnknownMethod},
        {"property called as method", Call("Accum"), kUnknownMethod},
        {"unknown property get", m_client.GetProperty(kRunningName, "Memory"), kUnknownProperty},
        {"unknown property set", Set("Memory", 1), kUnknownProperty},
        {"method read as property", m_client.GetProperty(kRunningName, "Evaluate"), kUnknownProperty},
        {"argument to Evaluate", Call("Evaluate", {1}), kInvalidArgs},
        {"Button without key", Call("Button"), kInvalidArgs},
        {"Button with a boolean", Call("Button", {true}), kInvalidArgs},
        {"Button with two keys", Call("Button", {QStringLiteral("7"), QStringLiteral("8")}), kInvalidArgs},
        {"Set without variant", m_client.Call(wrongSetSignature), kInvalidArgs},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.reply.errorName(), c.error) << c.what;
    // None of it touched the calculator.
    EXPECT_EQ(All(), (QVariantMap{{"Accum", 0}, {"Operand", 0}, {"Operation", QVariant::fromValue<short>(0)},
                                  {"Visible", true}}));
}

TEST_F(AttachedCalculator, SetConvertsLikeAutomation)
{
    struct Case {
        const char* property;
        QVariant value;
        QVariant readBack;
    };
    const Case cases[] = {
        {"Accum", QStringLiteral("  42 "), 42},
        {"Accum", 2.5, 2},
        {"Accum", 3.5, 4},
        {"Accum", QVariant::fromValue<qlonglong>(-2147483648LL), std::numeric_limits<int>::min()},
        {"Operand", true, -1},
        {"Operand", QVariant::fromValue<uchar>(255), 255},
        {"Operation", QVariant::fromValue<qlonglong>(3), QVariant::fromValue<short>(3)},
        {"Operation", -7, QVariant::fromValue<short>(-7)},
        {"Operation", 32767, QVariant::fromValue<short>(32767)},
        {"Visible", 0, false},
        {"Visible", 0.25, true},
        {"Visible", QStringLiteral("0"), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Set(c.property, c.value).type(), QDBusMessage::ReplyMessage) << c.property;
        EXPECT_EQ(Get(c.property), c.readBack) << c.property;
    }
}

TEST_F(AttachedCalculator, SetRefusesWhatDoesNotConvertAndChangesNothing)
{
    Set("Accum", 11);
    Set("Operand", 12);
    Set("Operation", 2);
    Call("Display");
    const QVariantMap before = All();
    const CString display = Display();

    QDBusArgument structure;
    structure.beginStructure();
    structure << 1 << QStringLiteral("2");
    structure.endStructure();
    const std::pair<const char*, QVariant> refused[] = {
        {"Accum", QVariant::fromValue(QVariantList{1, 2})},
        {"Accum", QVariant::fromValue(QStringList{QStringLiteral("1")})},
        {"Operand", QVariant::fromValue(structure)},
        {"Accum", QStringLiteral("twelve")},
        {"Accum", QStringLiteral("12abc")},
        {"Accum", QVariant::fromValue<qlonglong>(2147483648LL)},
        {"Accum", std::numeric_limits<double>::quiet_NaN()},
        {"Operation", 70000},
        {"Operation", -32769},
        {"Operation", 40000.0},
        {"Visible", QStringLiteral("yes")},
        {"Visible", QVariant::fromValue(QVariantMap{{"a", 1}})},
    };
    for (const auto& [property, value] : refused)
        EXPECT_EQ(Set(property, value).errorName(), kInvalidArgs) << property << " " << value.typeName();
    EXPECT_EQ(All(), before);
    EXPECT_EQ(Display(), display);
}

TEST_F(AttachedCalculator, SetsDoNotUpdateTheDisplayButDisplayDoes)
{
    Call("Clear");
    Set("Accum", 9);
    Set("Operand", 4);
    EXPECT_EQ(Display(), "0.");
    Call("Display");
    EXPECT_EQ(Display(), "4.");  // an operand entered is what the display shows
}

TEST_F(AttachedCalculator, ClientAndUserShareOneCalculator)
{
    Call("Clear");
    EXPECT_EQ(Button("7"), QVariant(true));
    EXPECT_EQ(Display(), "7.");  // what the user sees
    m_calc->SendCommand(1003);   // the user presses 3
    EXPECT_EQ(Get("Operand"), QVariant(73));
    m_calc->SendCommand(1010);  // +
    EXPECT_EQ(Get("Operation"), QVariant::fromValue<short>(1));
    Button("2");
    Button("=");
    EXPECT_EQ(Display(), "75.");
    EXPECT_EQ(Get("Accum"), QVariant(75));
}

TEST_F(AttachedCalculator, RegistersReadTruncatedAndSaturated)
{
    struct Case {
        const char* keys;
        QVariant accum;
    };
    const Case cases[] = {
        {"1.9=", 1},
        {"0-1.9=", -1},
        {"99999*99999=", 2147483647},
        {"0-99999*99999=", std::numeric_limits<int>::min()},
    };
    for (const Case& c : cases) {
        Call("Clear");
        for (const char* key = c.keys; *key != '\0'; ++key)
            Button(QString(QLatin1Char(*key)));
        EXPECT_EQ(Get("Accum"), c.accum) << c.keys;
    }
    // A not-a-number reads as 0 (ASIN of 2, keyed by the user).
    Call("Clear");
    Button("2");
    m_calc->OnClickedAsin();
    EXPECT_EQ(Get("Operand"), QVariant(0));
}

TEST_F(AttachedCalculator, VisibleHidesShowsAndShowsOnce)
{
    QWidget* window = m_calc->Widget();
    EXPECT_EQ(Set("Visible", false).type(), QDBusMessage::ReplyMessage);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Get("Visible"), QVariant(false));
    Set("Visible", true);
    Set("Visible", true);
    EXPECT_EQ(m_calc->Widget(), window);  // the same window, shown again
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Get("Visible"), QVariant(true));
}

TEST_F(AttachedCalculator, CloseTakesTheWindowAndKeepsTheObject)
{
    Set("Accum", 6);
    EXPECT_EQ(Call("Close").type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(m_calc->GetSafeHwnd(), nullptr);
    EXPECT_EQ(Get("Visible"), QVariant(false));
    EXPECT_EQ(Get("Accum"), QVariant(6));
    // Display without a window fails in no way.
    EXPECT_EQ(Call("Display").type(), QDBusMessage::ReplyMessage);
    Set("Visible", true);
    ASSERT_NE(m_calc->GetSafeHwnd(), nullptr);
    m_window = m_calc->Widget();
    EXPECT_TRUE(m_window->isVisible());
}

TEST_F(AttachedCalculator, IntrospectionAndGetAllFollowTheTable)
{
    QDBusMessage message = QDBusMessage::createMethodCall(kRunningName, kObjectPath,
                                                          QStringLiteral("org.freedesktop.DBus.Introspectable"),
                                                          QStringLiteral("Introspect"));
    const QString xml = ReplyValue(m_client.Call(message)).toString();
    const QStringList order{"\"Accum\"", "\"Operand\"", "\"Operation\"", "\"Visible\"", "\"Evaluate\"",
                            "\"Clear\"", "\"Display\"", "\"Close\"", "\"Button\""};
    qsizetype last = xml.indexOf(QStringLiteral("<interface name=\"numbrix.calculator.Calculator\">"));
    ASSERT_GE(last, 0);
    for (const QString& name : order) {
        const qsizetype at = xml.indexOf(name, last);
        EXPECT_GT(at, last) << name.toStdString();
        last = at;
    }
    const QVariantMap all = All();
    EXPECT_EQ(all.value("Operation").metaType(), QMetaType::fromType<short>());
    EXPECT_EQ(all.value("Accum").metaType(), QMetaType::fromType<int>());
    EXPECT_EQ(all.value("Visible").metaType(), QMetaType::fromType<bool>());
}

TEST_F(AttachedCalculator, ClosingTheWindowEndsTheObjectAndItsRunningName)
{
    const QString owner = NameOwner(m_client, kRunningName);
    ASSERT_FALSE(owner.isEmpty());
    m_window->close();  // the user's close: nobody holds the object
    m_calc = nullptr;   // deleted with its window
    EXPECT_TRUE(WaitForNoOwner(m_client, kRunningName));
    // Calls that still reach this process find no object.
    QDBusMessage message =
        QDBusMessage::createMethodCall(owner, kObjectPath, kObjectInterface, QStringLiteral("Evaluate"));
    EXPECT_EQ(m_client.Call(message).type(), QDBusMessage::ErrorMessage);
}

}  // namespace
