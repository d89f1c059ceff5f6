// Automation benchmark: sequential round trips from a C++ client to the
// calculator (a get of Accum, and Button("1")) side by side with a
// do-nothing echo service on the same private bus, which is the floor the
// bus itself sets; and the time from CreateInstance by name (activation of a
// new server process) to its reply, beside the activation of the bare echo
// service. Reports numbers, asserts nothing.
//
//   automation-bench [calls per round, default 5000] [activations, default 15]

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QString kEchoName = QStringLiteral("numbrix.bench.Echo");

// The echo service: answers every call at once with its own arguments.
class Echo : public QDBusVirtualObject {
public:
    explicit Echo(bool once) : m_once(once) {}
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        connection.send(message.createReply(message.arguments()));
        if (m_once)
            QCoreApplication::quit();
        return true;
    }

private:
    bool m_once;
};

int RunEchoService(bool once)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    Echo echo(once);
    if (!bus.registerVirtualObject(QStringLiteral("/Echo"), &echo) || !bus.registerService(kEchoName))
        return 1;
    return QCoreApplication::exec();
}

struct PrivateDaemon {
    QTemporaryDir dataHome;
    QProcess process;
    QString address;

    bool Start()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        if (!process.waitForStarted(5000))
            return false;
        while (!process.canReadLine() && process.waitForReadyRead(5000)) {
        }
        address = QString::fromUtf8(process.readLine()).trimmed();
        return !address.isEmpty();
    }
    ~PrivateDaemon()
    {
        process.kill();
        process.waitForFinished(5000);
    }
};

bool WaitForName(QDBusConnection& bus, const QString& name, bool present)
{
    QElapsedTimer timer;
    timer.start();
    while (bus.interface()->isServiceRegistered(name).value() != present) {
        if (timer.elapsed() > 20000)
            return false;
        QThread::msleep(2);
    }
    return true;
}

// Calls per second of `calls` blocking calls made by `call`.
double CallsPerSecond(int calls, const std::function<bool()>& call)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i) {
        if (!call())
            return -1;
    }
    return calls / (timer.nsecsElapsed() / 1e9);
}

struct Spread {
    double median, low, high;
};

Spread SpreadOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.front(), values.back()};
}

// Milliseconds from a by-name call that activates a new process to its
// reply; the caller's connection then closes, which ends the process.
std::vector<double> ActivationTimes(const QString& address, int count, const QDBusMessage& call,
                                    const std::function<QString(const QDBusMessage&)>& processName)
{
    std::vector<double> times;
    QDBusConnection watcher = QDBusConnection::connectToBus(address, QStringLiteral("watcher"));
    for (int i = 0; i < count; ++i) {
        const QString connectionName = QStringLiteral("activation-%1").arg(i);
        QString server;
        {
            QDBusConnection client = QDBusConnection::connectToBus(address, connectionName);
            QElapsedTimer timer;
            timer.start();
            const QDBusMessage reply = client.call(call, QDBus::Block, 20000);
            const double ms = timer.nsecsElapsed() / 1e6;
            if (reply.type() != QDBusMessage::ReplyMessage) {
                std::fprintf(stderr, "activation failed: %s\n", qPrintable(reply.errorMessage()));
                break;
            }
            times.push_back(ms);
            server = processName(reply);
        }
        QDBusConnection::disconnectFromBus(connectionName);
        // The next one starts only when this server has gone.
        if (!server.isEmpty())
            WaitForName(watcher, server, false);
    }
    return times;
}

void WriteServiceFile(const QString& dataHome, const QString& name, const QString& exec)
{
    QDir().mkpath(dataHome + QStringLiteral("/dbus-1/services"));
    QFile file(dataHome + QStringLiteral("/dbus-1/services/") + name + QStringLiteral(".service"));
    file.open(QIODevice::WriteOnly);
    file.write(QStringLiteral("[D-BUS Service]\nName=%1\nExec=%2\n").arg(name, exec).toUtf8());
}

int RunBenchmark(int calls, int activations)
{
    PrivateDaemon daemon;
    if (!daemon.Start()) {
        std::fprintf(stderr, "could not start dbus-daemon\n");
        return 1;
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", daemon.address.toUtf8());
    QDBusConnection bus = QDBusConnection::connectToBus(daemon.address, QStringLiteral("client"));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), daemon.dataHome.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess calculator;
    calculator.setProcessEnvironment(environment);
    calculator.start(QStringLiteral(NUMBRIX_CALC_PATH), {});
    QProcess echo;
    echo.setProcessEnvironment(environment);
    echo.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--echo-service")});
    if (!WaitForName(bus, QStringLiteral("numbrix.calculator.Running"), true) || !WaitForName(bus, kEchoName, true)) {
        std::fprintf(stderr, "the calculator or the echo service did not come up\n");
        return 1;
    }

    const QDBusMessage echoCall = QDBusMessage::createMethodCall(kEchoName, QStringLiteral("/Echo"),
                                                                 QStringLiteral("numbrix.bench.Echo"),
                                                                 QStringLiteral("Echo"));
    QDBusMessage getAccum = QDBusMessage::createMethodCall(
        QStringLiteral("numbrix.calculator.Running"), QStringLiteral("/Calculator"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    getAccum.setArguments({QStringLiteral("numbrix.calculator.Calculator"), QStringLiteral("Accum")});
    QDBusMessage button = QDBusMessage::createMethodCall(QStringLiteral("numbrix.calculator.Running"),
                                                         QStringLiteral("/Calculator"),
                                                         QStringLiteral("numbrix.calculator.Calculator"),
                                                         QStringLiteral("Button"));
    button.setArguments({QStringLiteral("1")});
    QDBusMessage echoString = echoCall;
    echoString.setArguments({QStringLiteral("1")});
    // The same two strings a property get carries.
    QDBusMessage echoGetLike = echoCall;
    echoGetLike.setArguments({QStringLiteral("numbrix.calculator.Calculator"), QStringLiteral("Accum")});
    QDBusMessage clear = button;
    clear.setArguments({QStringLiteral("C")});

    const auto ok = [&](const QDBusMessage& m) { return bus.call(m, QDBus::Block).type() == QDBusMessage::ReplyMessage; };
    // Rounds interleaved, so both sides see the same machine load; the best
    // round of each counts.
    double echoRate = 0, echoGetLikeRate = 0, getRate = 0, echoStringRate = 0, buttonRate = 0;
    int pressed = 0;
    for (int round = 0; round < 5; ++round) {
        echoRate = std::max(echoRate, CallsPerSecond(calls, [&] { return ok(echoCall); }));
        echoGetLikeRate = std::max(echoGetLikeRate, CallsPerSecond(calls, [&] { return ok(echoGetLike); }));
        getRate = std::max(getRate, CallsPerSecond(calls, [&] { return ok(getAccum); }));
        echoStringRate = std::max(echoStringRate, CallsPerSecond(calls, [&] { return ok(echoString); }));
        // Digits pile up in the operand; a Clear now and then keeps it
        // finite without costing a measurable share.
        buttonRate = std::max(buttonRate, CallsPerSecond(calls, [&] {
            if (++pressed % 250 == 0 && !ok(clear))
                return false;
            return ok(button);
        }));
    }

    // The same presses with the window hidden: what drawing the display
    // on every key costs.
    QDBusMessage hide = QDBusMessage::createMethodCall(QStringLiteral("numbrix.calculator.Running"),
                                                       QStringLiteral("/Calculator"),
                                                       QStringLiteral("org.freedesktop.DBus.Properties"),
                                                       QStringLiteral("Set"));
    hide.setArguments({QStringLiteral("numbrix.calculator.Calculator"), QStringLiteral("Visible"),
                       QVariant::fromValue(QDBusVariant(false))});
    ok(hide);
    double hiddenButtonRate = 0;
    for (int round = 0; round < 5; ++round) {
        hiddenButtonRate = std::max(hiddenButtonRate, CallsPerSecond(calls, [&] {
            if (++pressed % 250 == 0 && !ok(clear))
                return false;
            return ok(button);
        }));
    }

    std::printf("Round trips per second, %d sequential blocking calls, best of 5 interleaved rounds:\n", calls);
    std::printf("  echo service, no arguments          %8.0f\n", echoRate);
    std::printf("  echo service, two strings           %8.0f\n", echoGetLikeRate);
    std::printf("  calculator, get Accum               %8.0f  (%.2f of echo without arguments, %.2f of echo with two strings)\n",
                getRate, getRate / echoRate, getRate / echoGetLikeRate);
    std::printf("  echo service, one string            %8.0f\n", echoStringRate);
    std::printf("  calculator, Button(\"1\")             %8.0f  (%.2f of echo with one string)\n", buttonRate,
                buttonRate / echoStringRate);
    std::printf("  calculator, Button(\"1\"), hidden     %8.0f  (%.2f of echo with one string)\n", hiddenButtonRate,
                hiddenButtonRate / echoStringRate);

    // Activation by name: the calculator's factory (the interactive run wrote
    // its activation file) and the bare echo service.
    WriteServiceFile(daemon.dataHome.path(), QStringLiteral("numbrix.bench.EchoOnce"),
                     QCoreApplication::applicationFilePath() + QStringLiteral(" --echo-once"));
    QThread::msleep(1100);  // the daemon notices new files by their time
    const QDBusMessage create = QDBusMessage::createMethodCall(QStringLiteral("numbrix.calculator"),
                                                               QStringLiteral("/Factory"),
                                                               QStringLiteral("numbrix.calculator.Factory"),
                                                               QStringLiteral("CreateInstance"));
    const QDBusMessage echoOnce = QDBusMessage::createMethodCall(QStringLiteral("numbrix.bench.EchoOnce"),
                                                                 QStringLiteral("/Echo"),
                                                                 QStringLiteral("numbrix.bench.Echo"),
                                                                 QStringLiteral("Echo"));
    const std::vector<double> calculatorTimes = ActivationTimes(
        daemon.address, activations, create, [](const QDBusMessage& r) { return r.arguments().value(0).toString(); });
    const std::vector<double> echoTimes = ActivationTimes(daemon.address, activations, echoOnce,
                                                          [](const QDBusMessage&) { return kEchoName + "Once"; });
    if (!calculatorTimes.empty() && !echoTimes.empty()) {
        const Spread c = SpreadOf(calculatorTimes);
        const Spread e = SpreadOf(echoTimes);
        std::printf("Activation by name to reply, ms, %d runs (median, min, max):\n", activations);
        std::printf("  calculator CreateInstance           %6.1f %6.1f %6.1f\n", c.median, c.low, c.high);
        std::printf("  bare Qt echo service                %6.1f %6.1f %6.1f\n", e.median, e.low, e.high);
    }

    bus.call(QDBusMessage::createMethodCall(QStringLiteral("numbrix.calculator.Running"), QStringLiteral("/Calculator"),
                                            QStringLiteral("numbrix.calculator.Calculator"), QStringLiteral("Close")));
    calculator.waitForFinished(5000);
    echo.kill();
    echo.waitForFinished(5000);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.value(0) == QLatin1String("--echo-service"))
        return RunEchoService(false);
    if (arguments.value(0) == QLatin1String("--echo-once")) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        static Echo echo(true);
        if (!bus.registerVirtualObject(QStringLiteral("/Echo"), &echo) ||
            !bus.registerService(QStringLiteral("numbrix.bench.EchoOnce")))
            return 1;
        return QCoreApplication::exec();
    }
    const int calls = std::max(100, arguments.value(0, QStringLiteral("5000")).toInt());
    const int activations = std::max(3, arguments.value(1, QStringLiteral("15")).toInt());
    return RunBenchmark(calls, activations);
}
