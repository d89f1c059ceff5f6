#include "BusTestSupport.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/prctl.h>
#include <sys/types.h>
#include <unistd.h>

PrivateBus::PrivateBus(bool display)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_dataHome.path());
    if (display) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    } else {
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QString::fromLatin1(name));
    }
    environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    m_daemon.setProcessEnvironment(environment);
    // The daemon goes with the process that started it, however that ends
    // (a death-test child ends with exit(), a hung one by its alarm).
    m_daemon.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    // What the daemon and the servers it starts say on stderr stays visible.
    m_daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_daemon.setReadChannel(QProcess::StandardOutput);
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!m_daemon.waitForStarted(5000))
        return;
    QElapsedTimer timer;
    timer.start();
    while (!m_daemon.canReadLine() && timer.elapsed() < 5000)
        m_daemon.waitForReadyRead(100);
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
}

PrivateBus::~PrivateBus()
{
    if (m_daemon.state() == QProcess::NotRunning)
        return;
    Continue();  // a stopped daemon would hold the cleanup below for ever
    // Nothing started on this bus outlives the test: end every other
    // process still connected to it before the bus goes.
    {
        QDBusConnection bus = QDBusConnection::connectToBus(m_address, QStringLiteral("cleanup"));
        const uint self = static_cast<uint>(getpid());
        if (bus.isConnected()) {
            const QStringList names = bus.interface()->registeredServiceNames().value();
            for (const QString& name : names) {
                if (!name.startsWith(QLatin1Char(':')))
                    continue;
                const uint pid = bus.interface()->servicePid(name).value();
                if (pid != 0 && pid != self && pid != static_cast<uint>(m_daemon.processId()))
                    ::kill(static_cast<pid_t>(pid), SIGKILL);
            }
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("cleanup"));
    }
    Kill();
}

void PrivateBus::Kill()
{
    if (m_daemon.state() == QProcess::NotRunning)
        return;
    m_daemon.kill();
    m_daemon.waitForFinished(5000);
}

void PrivateBus::Stop()
{
    if (m_daemon.state() != QProcess::NotRunning && ::kill(static_cast<pid_t>(m_daemon.processId()), SIGSTOP) == 0)
        m_stopped = true;
}

void PrivateBus::Continue()
{
    if (m_stopped && m_daemon.state() != QProcess::NotRunning)
        ::kill(static_cast<pid_t>(m_daemon.processId()), SIGCONT);
    m_stopped = false;
}

void PrivateBus::Discard()
{
    Kill();
    m_dataHome.remove();
}

void EndChild(bool ok, const char* why)
{
    if (!ok)
        std::fprintf(stderr, "child failed: %s\n", why);
    TestBus().Discard();
    std::exit(ok ? 0 : 1);
}

bool WaitFor(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

namespace {
int g_clientCount = 0;
}

Client::Client() : Client(TestBus().Address()) {}

Client::Client(const QString& address)
    : m_name(QStringLiteral("test-client-%1").arg(++g_clientCount)),
      m_bus(QDBusConnection::connectToBus(address, m_name))
{
}

Client::~Client()
{
    Disconnect();
}

void Client::Disconnect()
{
    // The connection closes only when no QDBusConnection refers to it.
    m_bus = QDBusConnection(QStringLiteral("test-client-closed"));
    QDBusConnection::disconnectFromBus(m_name);
}

QDBusMessage Client::Call(const QDBusMessage& message)
{
    QDBusPendingCall pending = m_bus.asyncCall(message, 20000);
    WaitFor([&] { return pending.isFinished(); }, 25000);
    return pending.reply();
}

QDBusMessage Client::CallObject(const QString& service, const QString& member, const QVariantList& arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, kObjectPath, kObjectInterface, member);
    message.setArguments(arguments);
    return Call(message);
}

QDBusMessage Client::GetProperty(const QString& service, const QString& name)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, kObjectPath,
                                                          QStringLiteral("org.freedesktop.DBus.Properties"),
                                                          QStringLiteral("Get"));
    message.setArguments({kObjectInterface, name});
    return Call(message);
}

QDBusMessage Client::SetProperty(const QString& service, const QString& name, const QVariant& value)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, kObjectPath,
                                                          QStringLiteral("org.freedesktop.DBus.Properties"),
                                                          QStringLiteral("Set"));
    message.setArguments({kObjectInterface, name, QVariant::fromValue(QDBusVariant(value))});
    return Call(message);
}

QString Client::CreateInstance(QString* error)
{
    const QDBusMessage reply = Call(QDBusMessage::createMethodCall(kProgId, QStringLiteral("/Factory"),
                                                                   kFactoryInterface, QStringLiteral("CreateInstance")));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2) {
        if (error != nullptr)
            *error = reply.errorName() + QStringLiteral(": ") + reply.errorMessage();
        return {};
    }
    return reply.arguments().at(0).toString();
}

QVariant ReplyValue(const QDBusMessage& reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().constFirst();
}

QVariant PropertyValue(const QDBusMessage& reply)
{
    const QVariant value = ReplyValue(reply);
    return value.isValid() ? qvariant_cast<QDBusVariant>(value).variant() : QVariant();
}

QString NameOwner(Client& client, const QString& name)
{
    const QDBusReply<QString> reply = client.Bus().interface()->serviceOwner(name);
    return reply.isValid() ? reply.value() : QString();
}

uint ProcessIdOf(Client& client, const QString& uniqueName)
{
    const QDBusReply<uint> reply = client.Bus().interface()->servicePid(uniqueName);
    return reply.isValid() ? reply.value() : 0;
}

bool HasOwner(Client& client, const QString& name)
{
    const QDBusReply<bool> reply = client.Bus().interface()->isServiceRegistered(name);
    return reply.isValid() && reply.value();
}

std::unique_ptr<QProcess> StartCalculator(const QStringList& arguments, const QStringList& extraEnvironment)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& setting : extraEnvironment)
        environment.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QStringLiteral(NUMBRIX_CALC_PATH), arguments);
    process->waitForStarted(5000);
    return process;
}

bool WaitForOwner(Client& client, const QString& name, int timeoutMs)
{
    return WaitFor([&] { return HasOwner(client, name); }, timeoutMs);
}

bool WaitForNoOwner(Client& client, const QString& name, int timeoutMs)
{
    return WaitFor([&] { return !HasOwner(client, name); }, timeoutMs);
}

void StopProcess(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

void KillProcessId(uint pid)
{
    if (pid != 0 && pid != static_cast<uint>(getpid()))
        ::kill(static_cast<pid_t>(pid), SIGKILL);
}
