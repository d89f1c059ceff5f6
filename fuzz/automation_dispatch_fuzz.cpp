// libFuzzer target for the calculator's automation dispatch: each input is a
// short series of bus calls (member names, interfaces, and arguments of every
// D-Bus type, variants nested, numbers of every width, NaN, infinities,
// texts) made on a fresh calculator object exported as the program exports
// it. The calls go through the connection's own loop-back path, which hands
// the message to the object exactly as a call from the bus arrives
// (arguments of container types marshalled and read back), so every input
// reaches DispatchObject::handleMessage, the conversions and the dispatch
// map. Checked besides crashes, leaks and undefined behaviour:
// - every call is answered, with a reply or one of the errors the object
//   gives (no timeout, no missing reply);
// - a refused Set or method call changes none of the registers nor the
//   display text;
// - a Set that is answered reads back as the value converted;
// - every text argument reads as a number exactly when glibc's strtod reads
//   all of it (blanks and tabs around) in decimal notation, to the same bits.
//
// Needs a session bus: fuzz/run.sh runs it inside dbus-run-session. Built by
// the fuzz/ CMake project with clang (-fsanitize=fuzzer-no-link,address,
// undefined on every library, -fsanitize=fuzzer on this target).

#include "fuzz/DecimalOracle.h"

#include "calc/CalcDlg.h"
#include "platform/automation/Ole.h"
#include "platform/automation/detail/AutomationArgs.h"
#include "platform/automation/detail/OleExports.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusSignature>
#include <QDBusVariant>
#include <QVariantList>
#include <QVariantMap>
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const QString kPath = QStringLiteral("/Calculator");
const QString kInterface = QStringLiteral("numbrix.calculator.Calculator");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

constexpr int kMostCallsPerInput = 12;
constexpr int kMostArguments = 4;
// Deeper than the conversion unwraps (16), within what the bus allows (32).
constexpr int kDeepestNesting = 20;

// The calculator's members, read from its dispatch map once the first
// calculator is made.
std::vector<QString> g_members;

// The errors a call to the object may end in: its own (Failed when a
// function of the map refuses, as Visible does without a display), and Qt's
// for the standard interfaces it answers for every object.
const char* const kExpectedErrors[] = {
    "org.freedesktop.DBus.Error.Failed",
    "org.freedesktop.DBus.Error.InvalidArgs",      "org.freedesktop.DBus.Error.UnknownMethod",
    "org.freedesktop.DBus.Error.UnknownProperty",  "org.freedesktop.DBus.Error.UnknownInterface",
    "org.freedesktop.DBus.Error.PropertyReadOnly", "org.freedesktop.DBus.Error.UnknownObject",
    "org.freedesktop.DBus.Error.InvalidSignature",
};

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "automation_dispatch_fuzz: %s\n", what);
        std::abort();
    }
}

QDBusConnection& Bus()
{
    static QDBusConnection bus = OleBus();
    return bus;
}

// A text of the bus: valid UTF-8 without NUL, as a bus string must be.
QString BusText(FuzzedDataProvider& in, std::size_t longest)
{
    QString text = QString::fromUtf8(in.ConsumeRandomLengthString(longest));
    text.remove(QChar(0));
    return text;
}

// A member or interface element name the bus would deliver: letters, digits
// and '_', not starting with a digit, never empty.
QString MemberName(FuzzedDataProvider& in)
{
    if (in.ConsumeBool()) {
        // A known name in any case.
        QString name = g_members[in.ConsumeIntegralInRange<std::size_t>(0, g_members.size() - 1)];
        for (QChar& c : name) {
            if (in.ConsumeBool())
                c = c.isUpper() ? c.toLower() : c.toUpper();
        }
        return name;
    }
    const std::string raw = in.ConsumeRandomLengthString(40);
    QString name;
    for (char c : raw) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        name += ok ? QChar::fromLatin1(c) : QChar::fromLatin1('_');
    }
    if (name.isEmpty() || name.front().isDigit())
        name.prepend(QChar::fromLatin1('M'));
    return name;
}

QVariant Argument(FuzzedDataProvider& in, int depth);

QVariantList Arguments(FuzzedDataProvider& in, int depth, int most)
{
    QVariantList list;
    const int count = in.ConsumeIntegralInRange(0, most);
    for (int i = 0; i < count; ++i)
        list << Argument(in, depth);
    return list;
}

QVariant Argument(FuzzedDataProvider& in, int depth)
{
    const bool canNest = depth < kDeepestNesting;
    switch (in.ConsumeIntegralInRange(0, 15)) {
    case 0: return QVariant::fromValue(in.ConsumeIntegral<uchar>());
    case 1: return QVariant::fromValue(in.ConsumeBool());
    case 2: return QVariant::fromValue(in.ConsumeIntegral<short>());
    case 3: return QVariant::fromValue(in.ConsumeIntegral<ushort>());
    case 4: return QVariant::fromValue(in.ConsumeIntegral<int>());
    case 5: return QVariant::fromValue(in.ConsumeIntegral<uint>());
    case 6: return QVariant::fromValue(in.ConsumeIntegral<qlonglong>());
    case 7: return QVariant::fromValue(in.ConsumeIntegral<qulonglong>());
    case 8: {
        // Any bits: NaNs of every payload, infinities, denormals, huge.
        const auto bits = in.ConsumeIntegral<std::uint64_t>();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return QVariant::fromValue(value);
    }
    case 9: return QVariant::fromValue(in.ConsumeFloatingPoint<double>());
    case 10: return QVariant::fromValue(BusText(in, 80));
    case 11:
        if (canNest)
            return QVariant::fromValue(QDBusVariant(Argument(in, depth + 1)));
        return QVariant::fromValue(QDBusVariant(QVariant::fromValue(0)));
    case 12: return QVariant::fromValue(QDBusObjectPath(in.ConsumeBool() ? QStringLiteral("/") : kPath));
    case 13: return QVariant::fromValue(QDBusSignature(in.ConsumeBool() ? QStringLiteral("i") : QStringLiteral("av")));
    case 14: {
        QStringList texts;
        const int count = in.ConsumeIntegralInRange(0, 3);
        for (int i = 0; i < count; ++i)
            texts << BusText(in, 16);
        if (in.ConsumeBool())
            return QVariant::fromValue(texts);
        return QVariant::fromValue(texts.join(QString()).toUtf8());
    }
    default: {
        if (!canNest)
            return QVariant::fromValue(QString());
        // Arrays of variants and dictionaries arrive as QDBusArgument.
        const QVariantList items = Arguments(in, depth + 1, 3);
        if (in.ConsumeBool())
            return QVariant::fromValue(items);
        QVariantMap map;
        for (const QVariant& item : items)
            map.insert(BusText(in, 8), item);
        return QVariant::fromValue(map);
    }
    }
}

// NumberFromText against glibc: blanks and tabs around, no other blank, at
// most 1024 characters, and strtod reading all of it as a decimal number.
void CheckNumberText(const QString& text)
{
    const std::string bytes = text.toStdString();
    const std::optional<double> ours = NumberFromText(bytes);
    std::size_t first = bytes.find_first_not_of(" \t");
    const std::size_t last = bytes.find_last_not_of(" \t");
    const std::string trimmed = first == std::string::npos ? std::string() : bytes.substr(first, last - first + 1);
    bool expected = trimmed.size() <= 1024 && trimmed.find_first_of("\n\v\f\r") == std::string::npos;
    const oracle::DoubleRead glibc = oracle::ReadDouble(trimmed);
    expected = expected && glibc.notation == oracle::Notation::Decimal && glibc.end == trimmed.size();
    Check(ours.has_value() == expected, "NumberFromText accepts what strtod does not read, or refuses what it does");
    if (expected)
        Check(oracle::SameBits(*ours, glibc.value), "NumberFromText differs from strtod");
}

void CheckTextsWithin(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<QString>())
        CheckNumberText(value.toString());
    else if (value.metaType() == QMetaType::fromType<QDBusVariant>())
        CheckTextsWithin(qvariant_cast<QDBusVariant>(value).variant());
}

// What a client can see of the calculator, for "a refused call changes
// nothing".
struct Registers {
    long accum;
    long operand;
    short operation;
    BOOL visible;
    CString display;
    bool operator==(const Registers&) const = default;
};

Registers ReadRegisters(const CCalcDlg& calc)
{
    return {calc.GetAccum(), calc.GetOperand(), calc.GetOperation(), calc.GetVisible(), calc.DisplayText()};
}

QDBusMessage Send(const QString& interfaceName, const QString& member, const QVariantList& arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(Bus().baseService(), kPath, interfaceName, member);
    message.setArguments(arguments);
    const QDBusMessage reply = Bus().call(message, QDBus::Block, 5000);
    Check(reply.type() == QDBusMessage::ReplyMessage || reply.type() == QDBusMessage::ErrorMessage,
          "a call went unanswered");
    if (reply.type() == QDBusMessage::ErrorMessage) {
        bool known = false;
        for (const char* name : kExpectedErrors)
            known = known || reply.errorName() == QLatin1String(name);
        if (!known)
            std::fprintf(stderr, "automation_dispatch_fuzz: error %s: %s\n", qPrintable(reply.errorName()),
                         qPrintable(reply.errorMessage()));
        Check(known, "a call ended in an unexpected error");
    }
    return reply;
}

// A Set that was answered: the property reads back as the value converted.
void CheckReadBack(CCalcDlg& calc, const QString& name, const QVariant& value)
{
    const DispatchEntry* entry = FindDispatchEntry(calc.GetDispatchMap(), name.toStdString());
    if (entry == nullptr || !entry->isProperty)
        return;
    const std::optional<DispValue> converted = ConvertArgument(value, entry->type);
    Check(converted.has_value(), "a Set was answered with a value that does not convert");
    if (entry->type == VT_BOOL && name.compare(QLatin1String("Visible"), Qt::CaseInsensitive) == 0)
        return;  // showing may fail without a display; the dialog decides
    Check(entry->get(calc).number == converted->number, "a property does not read back what was set");
}

void OneCall(FuzzedDataProvider& in, CCalcDlg& calc)
{
    const int kind = in.ConsumeIntegralInRange(0, 5);
    const QString member = MemberName(in);
    const Registers before = ReadRegisters(calc);
    QDBusMessage reply;
    QVariantList arguments;
    bool mayChange = true;
    switch (kind) {
    case 0:
    case 1:
        arguments = Arguments(in, 0, kMostArguments);
        reply = Send(kind == 0 ? kInterface : QString(), member, arguments);
        break;
    case 2:
        arguments = {in.ConsumeBool() ? kInterface : QString(), member};
        if (in.ConsumeBool())
            arguments = Arguments(in, 0, kMostArguments);
        reply = Send(kProperties, QStringLiteral("Get"), arguments);
        mayChange = false;
        break;
    case 3: {
        arguments = {in.ConsumeBool() ? kInterface : QString(), member,
                     QVariant::fromValue(QDBusVariant(Argument(in, 1)))};
        if (in.ConsumeBool())
            arguments = Arguments(in, 0, kMostArguments);
        reply = Send(kProperties, QStringLiteral("Set"), arguments);
        if (reply.type() == QDBusMessage::ReplyMessage)
            CheckReadBack(calc, arguments.at(1).toString(), arguments.at(2));
        break;
    }
    case 4:
        reply = Send(kProperties, QStringLiteral("GetAll"), {in.ConsumeBool() ? kInterface : BusText(in, 20)});
        mayChange = false;
        break;
    default:
        arguments = Arguments(in, 0, kMostArguments);
        reply = Send(QStringLiteral("numbrix.") + MemberName(in), member, arguments);
        break;
    }
    for (const QVariant& argument : arguments)
        CheckTextsWithin(argument);
    if (reply.type() == QDBusMessage::ErrorMessage || !mayChange)
        Check(ReadRegisters(calc) == before, "a refused call or a read changed the calculator");
}

// The object goes with its window when it has one, as the tests end it.
void EndCalculator(CCalcDlg* calc)
{
    if (calc->GetSafeHwnd() != nullptr)
        calc->SendCommand(IDCANCEL);
    else
        delete calc;
}

void DropQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg || type == QtCriticalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        std::fprintf(stderr, "automation_dispatch_fuzz: needs a session bus (run it inside dbus-run-session)\n");
        std::exit(1);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(DropQtMessages);
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    (void)argc;
    static QApplication app(qtArgc, qtArgv);
    if (!AfxOleInit()) {
        std::fprintf(stderr, "automation_dispatch_fuzz: cannot reach the session bus\n");
        std::exit(1);
    }
    // Qt sets up fonts and styles at the first window and keeps them: do
    // that once here, so that no input is charged with it.
    auto* calc = new CCalcDlg(nullptr);
    for (const DispatchEntry& entry : calc->GetDispatchMap())
        g_members.push_back(QString::fromStdString(entry.name));
    calc->SetVisible(TRUE);
    EndCalculator(calc);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    auto* calc = new CCalcDlg(nullptr);
    Check(ExportAutomationObject(calc, kPath, kInterface), "the object could not be exported");
    for (int i = 0; i < kMostCallsPerInput && in.remaining_bytes() > 0; ++i)
        OneCall(in, *calc);
    EndCalculator(calc);
    // A Close without window asks the (absent) event loop to quit: drop the
    // request, and deliver what else was posted as the loop would (which
    // also empties the queue; removed events alone leave their slots in it).
    // Withdrawn exports are deleted later: now.
    QCoreApplication::removePostedEvents(QCoreApplication::instance(), QEvent::MetaCall);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
