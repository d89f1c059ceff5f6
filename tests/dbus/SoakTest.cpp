// The soak test: two clients, each on its own connection and thread, make
// 100,000 mixed calls between them (Button, property gets and sets,
// Evaluate, Clear, and calls the object must refuse) on the one calculator
// of an interactive run. Every call must be answered as the call implies,
// the calculator must still compute right afterwards for both clients, and
// the program's memory must stop growing once it has settled.
//
// Registered on its own in tests/CMakeLists.txt (label "soak");
// NUMBRIX_SOAK_CALLS changes the number of calls.

#include "BusTestSupport.h"

#include <QDBusVariant>
#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <random>
#include <thread>

namespace {

constexpr int kDefaultCalls = 100000;
// Growth allowed from the middle of the run to its end.
constexpr long kMostGrowthKb = 20 * 1024;
const QString kInvalidArgs = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");

int CallCount()
{
    const int calls = qEnvironmentVariableIntValue("NUMBRIX_SOAK_CALLS");
    return calls > 0 ? calls : kDefaultCalls;
}

long ResidentKb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

QDBusMessage CallOn(QDBusConnection& bus, const QString& interfaceName, const QString& member,
                    const QVariantList& arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(kRunningName, kObjectPath, interfaceName, member);
    message.setArguments(arguments);
    return bus.call(message, QDBus::Block, 20000);
}

const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

QDBusMessage Get(QDBusConnection& bus, const QString& name)
{
    return CallOn(bus, kProperties, QStringLiteral("Get"), {kObjectInterface, name});
}

QDBusMessage Set(QDBusConnection& bus, const QString& name, const QVariant& value)
{
    return CallOn(bus, kProperties, QStringLiteral("Set"), {kObjectInterface, name, QVariant::fromValue(QDBusVariant(value))});
}

QDBusMessage Method(QDBusConnection& bus, const QString& member, const QVariantList& arguments = {})
{
    return CallOn(bus, kObjectInterface, member, arguments);
}

// One client's share of the calls, each checked against what it implies
// whatever the other client did in between. Stops at the first wrong answer
// and says which.
struct ClientRun {
    QString failure;
    int made = 0;
    std::atomic<bool> done{false};
};

void RunCalls(QDBusConnection bus, unsigned seed, int calls, std::atomic<int>& total, ClientRun& run);

void RunClient(QDBusConnection bus, unsigned seed, int calls, std::atomic<int>& total, ClientRun& run)
{
    RunCalls(bus, seed, calls, total, run);
    run.done = true;
}

void RunCalls(QDBusConnection bus, unsigned seed, int calls, std::atomic<int>& total, ClientRun& run)
{
    std::mt19937 random(seed);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const QString keys = QStringLiteral("0123456789+-*/=.Cc");
    const QStringList registers = {QStringLiteral("Accum"), QStringLiteral("Operand"), QStringLiteral("Operation")};
    auto fail = [&](const QString& what, const QDBusMessage& reply) {
        run.failure = QStringLiteral("call %1: %2 (got %3 %4)")
                          .arg(run.made)
                          .arg(what, reply.errorName(), reply.arguments().value(0).toString());
    };
    for (; run.made < calls; ++run.made, ++total) {
        const int kind = pick(20);
        if (kind < 7) {
            // A key press: a key runs (TRUE), any other first character not.
            const bool key = pick(8) != 0;
            const QString text = key ? QString(keys.at(pick(static_cast<int>(keys.size())))) : QStringLiteral("x");
            const QDBusMessage reply = Method(bus, QStringLiteral("Button"), {text});
            if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments() != QVariantList{key})
                return fail(QStringLiteral("Button(%1)").arg(text), reply);
        } else if (kind < 12) {
            // Reads: integers of the register's width; the operation code is
            // only ever one of 0 to 4 here, whoever set it.
            const QString name = registers.at(pick(3));
            const QDBusMessage reply = Get(bus, name);
            const QVariant value = reply.arguments().value(0).value<QDBusVariant>().variant();
            const bool operation = name == registers.at(2);
            const bool typed = value.metaType() == (operation ? QMetaType::fromType<short>() : QMetaType::fromType<int>());
            if (reply.type() != QDBusMessage::ReplyMessage || !typed || (operation && (value.toInt() < 0 || value.toInt() > 4)))
                return fail(QStringLiteral("Get %1").arg(name), reply);
        } else if (kind < 16) {
            const int which = pick(3);
            const QVariant value = which == 2 ? QVariant::fromValue<short>(static_cast<short>(pick(5)))
                                              : QVariant(pick(2000001) - 1000000);
            const QDBusMessage reply = Set(bus, registers.at(which), value);
            if (reply.type() != QDBusMessage::ReplyMessage)
                return fail(QStringLiteral("Set %1").arg(registers.at(which)), reply);
        } else if (kind < 18) {
            const QDBusMessage reply = Method(bus, QStringLiteral("Evaluate"));
            if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().value(0).metaType() != QMetaType::fromType<bool>())
                return fail(QStringLiteral("Evaluate"), reply);
        } else if (kind < 19) {
            const QDBusMessage reply = Method(bus, QStringLiteral("Clear"));
            if (reply.type() != QDBusMessage::ReplyMessage || !reply.arguments().isEmpty())
                return fail(QStringLiteral("Clear"), reply);
        } else {
            // Refused, changing nothing: a value beyond the operation's width
            // or a text that is not a number.
            const bool wide = pick(2) == 0;
            const QDBusMessage reply = wide ? Set(bus, QStringLiteral("Operation"), 70000)
                                            : Set(bus, QStringLiteral("Accum"), QStringLiteral("12abc"));
            if (reply.errorName() != kInvalidArgs)
                return fail(QStringLiteral("a refused Set"), reply);
        }
    }
}

TEST(Soak, TwoClientsShareOneCalculatorThroughManyCalls)
{
    Client watcher;
    // Under AddressSanitizer freed blocks wait in a quarantine of 256 MB
    // before reuse, which would read as growth: keep it small for the server.
    const QString sanitizerOptions = qEnvironmentVariable("ASAN_OPTIONS");
    auto program = StartCalculator({}, {QStringLiteral("ASAN_OPTIONS=") + sanitizerOptions +
                                        (sanitizerOptions.isEmpty() ? "" : ":") + QStringLiteral("quarantine_size_mb=8")});
    ASSERT_TRUE(WaitForOwner(watcher, kRunningName, 15000));
    const qint64 pid = program->processId();

    Client first;
    Client second;
    ASSERT_EQ(Method(first.Bus(), QStringLiteral("Clear")).type(), QDBusMessage::ReplyMessage);
    const long startKb = ResidentKb(pid);

    const int calls = CallCount();
    std::atomic<int> total{0};
    ClientRun runs[2];
    QElapsedTimer timer;
    timer.start();
    std::thread one(RunClient, first.Bus(), 1u, calls / 2, std::ref(total), std::ref(runs[0]));
    std::thread two(RunClient, second.Bus(), 2u, calls - calls / 2, std::ref(total), std::ref(runs[1]));
    long middleKb = -1;
    while (!runs[0].done || !runs[1].done) {
        if (middleKb < 0 && total >= calls / 2)
            middleKb = ResidentKb(pid);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    one.join();
    two.join();
    const double seconds = timer.elapsed() / 1000.0;
    if (middleKb < 0)
        middleKb = ResidentKb(pid);
    const long endKb = ResidentKb(pid);
    std::printf("soak: %d calls from two clients in %.1f s; server VmRSS %ld kB at start, %ld kB in the middle, %ld kB at the end\n",
                total.load(), seconds, startKb, middleKb, endKb);

    EXPECT_EQ(runs[0].failure, QString());
    EXPECT_EQ(runs[1].failure, QString());
    EXPECT_EQ(total.load(), calls);
    EXPECT_GT(middleKb, 0);
    EXPECT_LE(endKb, middleKb + kMostGrowthKb);

    // The calculator still computes, and both clients see the one object:
    // 12 + 3 = through the keys of one, registers read by the other.
    for (const char* key : {"C", "1", "2", "+", "3", "="})
        EXPECT_EQ(Method(first.Bus(), QStringLiteral("Button"), {QString::fromLatin1(key)}).arguments(), QVariantList{true});
    EXPECT_EQ(Get(second.Bus(), QStringLiteral("Accum")).arguments().value(0).value<QDBusVariant>().variant(), QVariant(15));
    EXPECT_EQ(Get(second.Bus(), QStringLiteral("Operation")).arguments().value(0).value<QDBusVariant>().variant(),
              QVariant::fromValue<short>(0));
    Set(second.Bus(), QStringLiteral("Operand"), 4);
    Set(second.Bus(), QStringLiteral("Operation"), QVariant::fromValue<short>(3));
    EXPECT_EQ(Method(first.Bus(), QStringLiteral("Evaluate")).arguments(), QVariantList{true});
    EXPECT_EQ(Get(first.Bus(), QStringLiteral("Accum")).arguments().value(0).value<QDBusVariant>().variant(), QVariant(60));

    StopProcess(*program);
}

}  // namespace
