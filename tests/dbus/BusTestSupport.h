#pragma once
// Helpers of the D-Bus tests: the private bus daemon every test process
// starts for itself, a client connection of its own, calls that keep the
// event loop turning (so a server in this same process can answer), and
// starting and watching the calculator's processes.

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <functional>
#include <memory>

inline const QString kProgId = QStringLiteral("numbrix.calculator");
inline const QString kRunningName = QStringLiteral("numbrix.calculator.Running");
inline const QString kObjectPath = QStringLiteral("/Calculator");
inline const QString kObjectInterface = QStringLiteral("numbrix.calculator.Calculator");
inline const QString kFactoryInterface = QStringLiteral("numbrix.calculator.Factory");
inline const QString kClassId = QStringLiteral("{830BAA84-3FD3-4A0E-8A00-25991F704E10}");

// A dbus-daemon of this test process, with a data directory of its own for
// activation files (XDG_DATA_HOME) and the offscreen platform for the
// programs it starts; or, with `display` false, no display at all for them
// (no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM).
class PrivateBus {
public:
    explicit PrivateBus(bool display = true);
    ~PrivateBus();
    bool Started() const { return !m_address.isEmpty(); }
    const QString& Address() const { return m_address; }
    QString DataHome() const { return m_dataHome.path(); }
    // Kills the daemon, as when the session ends under a running program.
    void Kill();
    // Stops the daemon (SIGSTOP): it still accepts connections, answers
    // nothing, until Continue.
    void Stop();
    void Continue();
    // Kills it and removes its data directory: for a process that ends
    // without running destructors.
    void Discard();

private:
    QTemporaryDir m_dataHome;
    QProcess m_daemon;
    QString m_address;
    bool m_stopped = false;
};

// The daemon main() started for this process.
PrivateBus& TestBus();

// Ends a death-test child with status 0 when `ok`, else 1 after saying
// `why` on stderr: its own bus goes with it.
[[noreturn]] void EndChild(bool ok, const char* why);

// Runs the event loop until `done` holds or `timeoutMs` passes.
bool WaitFor(const std::function<bool()>& done, int timeoutMs = 5000);

// A client's own connection to the test bus; closed by the destructor.
class Client {
public:
    Client();
    // A connection to the bus at `address` instead of the test bus.
    explicit Client(const QString& address);
    ~Client();
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;
    QDBusConnection& Bus() { return m_bus; }
    QString UniqueName() const { return m_bus.baseService(); }

    // Sends and waits, turning the event loop meanwhile.
    QDBusMessage Call(const QDBusMessage& message);
    QDBusMessage CallObject(const QString& service, const QString& member, const QVariantList& arguments = {});
    QDBusMessage GetProperty(const QString& service, const QString& name);
    QDBusMessage SetProperty(const QString& service, const QString& name, const QVariant& value);
    // CreateInstance by name: the server's unique name, or empty on error.
    QString CreateInstance(QString* error = nullptr);
    void Disconnect();

private:
    QString m_name;
    QDBusConnection m_bus;
};

// The one value of a reply, or an invalid QVariant for an error reply.
QVariant ReplyValue(const QDBusMessage& reply);
// A property reply's value with its variant taken off.
QVariant PropertyValue(const QDBusMessage& reply);

// Bus-daemon questions, asked on the client connection.
QString NameOwner(Client& client, const QString& name);
uint ProcessIdOf(Client& client, const QString& uniqueName);
bool HasOwner(Client& client, const QString& name);

// The calculator program under test, started with `arguments` in the
// test bus's environment.
std::unique_ptr<QProcess> StartCalculator(const QStringList& arguments,
                                          const QStringList& extraEnvironment = {});
// Waits until `name` has an owner on the bus.
bool WaitForOwner(Client& client, const QString& name, int timeoutMs = 10000);
// Waits until `name` has none (for a unique name: its process left the bus).
bool WaitForNoOwner(Client& client, const QString& name, int timeoutMs = 10000);
// Ends a process this test started (and reaps it), if still running.
void StopProcess(QProcess& process);
// Ends a process someone else started, by its id, and waits until it is gone.
void KillProcessId(uint pid);
