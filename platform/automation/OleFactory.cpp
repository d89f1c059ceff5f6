// Class factories: the registration file, the server run's factory object
// at /Factory, the single-use creation and the tie between the created
// object and its client's connection.

#include "platform/automation/Ole.h"
#include "platform/automation/detail/OleExports.h"

#include "platform/automation/detail/ActivationFile.h"
#include "platform/automation/detail/SameProgram.h"
#include "platform/WinThread.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace {

const QString kFactoryPath = QStringLiteral("/Factory");

// A server run that nobody asks for an object ends after this long.
constexpr int kServerIdleMs = 60 * 1000;
// How often a server run checks that its bus is still there.
constexpr int kBusCheckMs = 1000;

std::vector<const COleObjectFactory*>& Factories()
{
    static std::vector<const COleObjectFactory*> factories;
    return factories;
}

// The idle limit: 60 seconds, or less when NUMBRIX_AUTOMATION_IDLE_MS asks
// for less (the tests do; nothing can make it longer).
int ServerIdleMs()
{
    bool ok = false;
    const int wanted = qEnvironmentVariableIntValue("NUMBRIX_AUTOMATION_IDLE_MS", &ok);
    return ok && wanted > 0 && wanted < kServerIdleMs ? wanted : kServerIdleMs;
}

// The factory object of a server run. The first CreateInstance creates the
// process's one object; later requests that still reach this process (sent
// before the ProgID was given up) are passed on to the ProgID, which now
// starts another process, so that every client gets an object of its own.
// Passed on, a request names the client it is for (CreateInstanceFor): the
// object's life must follow that client, not the process passing it on.
class FactoryObject : public QDBusVirtualObject {
public:
    explicit FactoryObject(const COleObjectFactory& factory) : m_factory(factory)
    {
        m_idle.setSingleShot(true);
        QObject::connect(&m_idle, &QTimer::timeout, [] { AfxPostQuitMessage(0); });
        m_idle.start(ServerIdleMs());
        QObject::connect(&m_busCheck, &QTimer::timeout, [this] { CheckBus(); });
        m_busCheck.start(kBusCheckMs);
    }

    ~FactoryObject() override;

    QString introspect(const QString&) const override
    {
        return QStringLiteral(
                   "  <interface name=\"%1\">\n"
                   "    <property name=\"ClassId\" type=\"s\" access=\"read\">\n"
                   "      <annotation name=\"org.freedesktop.DBus.Property.EmitsChangedSignal\" value=\"const\"/>\n"
                   "    </property>\n"
                   "    <method name=\"CreateInstance\">\n"
                   "      <arg name=\"bus_name\" type=\"s\" direction=\"out\"/>\n"
                   "      <arg name=\"object_path\" type=\"o\" direction=\"out\"/>\n"
                   "    </method>\n"
                   "    <method name=\"CreateInstanceFor\">\n"
                   "      <arg name=\"client\" type=\"s\" direction=\"in\"/>\n"
                   "      <arg name=\"bus_name\" type=\"s\" direction=\"out\"/>\n"
                   "      <arg name=\"object_path\" type=\"o\" direction=\"out\"/>\n"
                   "    </method>\n"
                   "  </interface>\n")
            .arg(InterfaceName());
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

    void Forget(CAutomationObject* object)
    {
        if (object != m_created)
            return;
        m_created = nullptr;
        // This may run inside the watcher's own signal.
        if (m_clientWatcher != nullptr)
            m_clientWatcher->deleteLater();
        m_clientWatcher = nullptr;
    }

private:
    QString InterfaceName() const { return QLatin1String(m_factory.GetProgID()) + QStringLiteral(".Factory"); }
    // The client a creation request is for, or empty with `error` set.
    QString ClientOf(const QDBusMessage& message, const QDBusConnection& connection, QDBusMessage& error) const;
    QDBusMessage CreateInstance(const QDBusMessage& message, const QString& client, const QDBusConnection& connection);
    void PassOn(const QDBusMessage& message, const QString& client, QDBusConnection connection);
    QDBusMessage PropertyCall(const QDBusMessage& message);
    void ClientGone();
    void CheckBus();

    const COleObjectFactory& m_factory;
    bool m_used = false;
    CAutomationObject* m_created = nullptr;
    QDBusServiceWatcher* m_clientWatcher = nullptr;
    QTimer m_idle;
    QTimer m_busCheck;
    // Requests passed on and not yet answered: the process waits for them
    // before it ends, or their clients would never hear of their objects.
    int m_passedOn = 0;
    bool m_endWhenPassedOn = false;
};

FactoryObject* g_server = nullptr;

FactoryObject::~FactoryObject()
{
    if (g_server == this)
        g_server = nullptr;
}

bool FactoryObject::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    const QString interfaceName = message.interface();
    QDBusMessage reply;
    if (interfaceName == QLatin1String("org.freedesktop.DBus.Properties")) {
        reply = PropertyCall(message);
    } else if ((interfaceName.isEmpty() || interfaceName == InterfaceName()) &&
               (message.member() == QLatin1String("CreateInstance") ||
                message.member() == QLatin1String("CreateInstanceFor"))) {
        const QString client = ClientOf(message, connection, reply);
        if (client.isEmpty()) {
            // `reply` holds the refusal
        } else if (m_used) {
            PassOn(message, client, connection);
            return true;
        } else {
            reply = CreateInstance(message, client, connection);
        }
    } else if (interfaceName.isEmpty() || interfaceName == InterfaceName()) {
        reply = message.createErrorReply(QDBusError::UnknownMethod, QStringLiteral("No method %1").arg(message.member()));
    } else {
        return false;  // Introspectable and Peer are Qt's
    }
    if (message.isReplyRequired())
        connection.send(reply);
    return true;
}

QString FactoryObject::ClientOf(const QDBusMessage& message, const QDBusConnection& connection,
                                QDBusMessage& error) const
{
    if (message.member() == QLatin1String("CreateInstance")) {
        if (message.signature().isEmpty())
            return message.service();
        error = message.createErrorReply(QDBusError::InvalidArgs, QStringLiteral("CreateInstance takes no arguments"));
        return {};
    }
    // Only a connection's unique name can be watched for its end.
    const QString client = message.arguments().value(0).toString();
    if (message.signature() != QLatin1String("s") || !client.startsWith(QLatin1Char(':'))) {
        error = message.createErrorReply(QDBusError::InvalidArgs,
                                         QStringLiteral("CreateInstanceFor takes a client's unique bus name"));
        return {};
    }
    // Naming the client is for a server of this program passing a request
    // on, and no one else: anyone could otherwise make a server whose life
    // follows some other connection. Refused, the server stays unused.
    const QDBusReply<uint> caller = connection.interface()->servicePid(message.service());
    if (!caller.isValid() || !RunsThisProgram(caller.value())) {
        error = message.createErrorReply(QDBusError::AccessDenied,
                                         QStringLiteral("CreateInstanceFor is for this program's own servers"));
        return {};
    }
    return client;
}

QDBusMessage FactoryObject::CreateInstance(const QDBusMessage& message, const QString& client,
                                           const QDBusConnection& connection)
{
    CAutomationObject* object = m_factory.CreateObject();
    const QString path = ObjectPathOf(m_factory.GetClassName());
    if (object == nullptr)
        return message.createErrorReply(QDBusError::Failed, QStringLiteral("The object could not be created"));
    if (!ExportAutomationObject(object, path, ObjectInterfaceOf(m_factory.GetProgID(), m_factory.GetClassName()))) {
        object->OnFinalRelease();
        return message.createErrorReply(QDBusError::Failed, QStringLiteral("The object could not be offered"));
    }
    m_used = true;
    m_idle.stop();
    object->ExternalAddRef();
    m_created = object;

    // Before the reply goes out: the ProgID is given up, so the client's next
    // request starts a new process, and the client is watched, so that even
    // a client that vanishes the moment it has its answer is noticed.
    QDBusConnection bus = connection;
    bus.interface()->unregisterService(QLatin1String(m_factory.GetProgID()));
    m_clientWatcher = new QDBusServiceWatcher(client, bus, QDBusServiceWatcher::WatchForUnregistration);
    QObject::connect(m_clientWatcher, &QDBusServiceWatcher::serviceUnregistered, [this] { ClientGone(); });
    const QDBusReply<bool> present = bus.interface()->isServiceRegistered(client);
    if (present.isValid() && !present.value())
        QTimer::singleShot(0, m_clientWatcher, [this] { ClientGone(); });

    return message.createReply({bus.baseService(), QVariant::fromValue(QDBusObjectPath(path))});
}

void FactoryObject::PassOn(const QDBusMessage& message, const QString& client, QDBusConnection connection)
{
    message.setDelayedReply(true);
    QDBusMessage forwarded = QDBusMessage::createMethodCall(QLatin1String(m_factory.GetProgID()), kFactoryPath,
                                                            InterfaceName(), QStringLiteral("CreateInstanceFor"));
    forwarded.setArguments({client});
    auto* watcher = new QDBusPendingCallWatcher(connection.asyncCall(forwarded), QCoreApplication::instance());
    ++m_passedOn;
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [this, message, connection, watcher] {
        if (--m_passedOn == 0 && m_endWhenPassedOn)
            AfxPostQuitMessage(0);
        const QDBusMessage answer = watcher->reply();
        if (answer.type() == QDBusMessage::ReplyMessage)
            connection.send(message.createReply(answer.arguments()));
        else
            connection.send(message.createErrorReply(answer.errorName(), answer.errorMessage()));
        watcher->deleteLater();
    });
}

QDBusMessage FactoryObject::PropertyCall(const QDBusMessage& message)
{
    const QVariantList arguments = message.arguments();
    const QString member = message.member();
    const QString interfaceName = arguments.value(0).toString();
    if (!interfaceName.isEmpty() && interfaceName != InterfaceName())
        return message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.UnknownInterface"),
                                        QStringLiteral("No interface %1 on this object").arg(interfaceName));
    const QString classId = QString::fromUtf8(m_factory.GetClassID().text.data(),
                                              static_cast<qsizetype>(m_factory.GetClassID().text.size()));
    if (member == QLatin1String("GetAll") && message.signature() == QLatin1String("s"))
        return message.createReply(QVariant::fromValue(QVariantMap{{QStringLiteral("ClassId"), classId}}));
    const bool isGet = member == QLatin1String("Get") && message.signature() == QLatin1String("ss");
    const bool isSet = member == QLatin1String("Set") && message.signature() == QLatin1String("ssv");
    if (!isGet && !isSet)
        return message.createErrorReply(QDBusError::InvalidArgs, QStringLiteral("Not a property call"));
    if (arguments.value(1).toString().compare(QLatin1String("ClassId"), Qt::CaseInsensitive) != 0)
        return message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.UnknownProperty"),
                                        QStringLiteral("No property %1").arg(arguments.value(1).toString()));
    if (isSet)
        return message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.PropertyReadOnly"),
                                        QStringLiteral("ClassId is read-only"));
    return message.createReply(QVariant::fromValue(QDBusVariant(classId)));
}

void FactoryObject::ClientGone()
{
    CAutomationObject* object = m_created;
    if (object == nullptr)
        return;
    if (object->ExternalRelease() == 0) {
        WithdrawAutomationObject(object);  // also forgets it here
        object->OnFinalRelease();
    }
    // The server's one object is gone: so is the server, once it has passed
    // on every answer it owes.
    if (m_passedOn > 0)
        m_endWhenPassedOn = true;
    else
        AfxPostQuitMessage(0);
}

void FactoryObject::CheckBus()
{
    // Without its bus a server can get no client. One with a window on the
    // screen keeps working for the user; one without has nothing left to do.
    if (OleBus().isConnected())
        return;
    m_busCheck.stop();
    CWinThread* thread = AfxGetThread();
    if (thread == nullptr || thread->m_pMainWnd == nullptr)
        AfxPostQuitMessage(0);
}

}  // namespace

COleObjectFactory::COleObjectFactory(const CLSID& clsid, CreateFunction create, const char* progId, const char* className)
    : m_clsid(clsid), m_create(std::move(create)), m_progId(progId), m_className(className)
{
    Factories().push_back(this);
}

COleObjectFactory::~COleObjectFactory()
{
    auto& factories = Factories();
    factories.erase(std::remove(factories.begin(), factories.end(), this), factories.end());
}

const COleObjectFactory* COleObjectFactory::Find(const CLSID& clsid)
{
    for (const COleObjectFactory* factory : Factories()) {
        if (factory->m_clsid.text == clsid.text)
            return factory;
    }
    return nullptr;
}

BOOL COleObjectFactory::RegisterAll()
{
    QDBusConnection bus = OleBus();
    if (!bus.isConnected() || Factories().empty() || g_server != nullptr)
        return FALSE;
    // One factory object per process: the program has one class.
    const COleObjectFactory& factory = *Factories().front();
    g_server = new FactoryObject(factory);
    g_server->setParent(QCoreApplication::instance());
    if (!bus.registerVirtualObject(kFactoryPath, g_server))
        return FALSE;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = bus.interface()->registerService(
        QLatin1String(factory.GetProgID()), QDBusConnectionInterface::DontQueueService,
        QDBusConnectionInterface::DontAllowReplacement);
    return reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered;
}

BOOL COleObjectFactory::UpdateRegistryAll(BOOL bRegister)
{
    if (!bRegister)
        return FALSE;  // this program never unregisters
    BOOL all = TRUE;
    for (const COleObjectFactory* factory : Factories()) {
        if (!UpdateActivationFile(factory->GetProgID(), std::string(factory->GetClassID().text)))
            all = FALSE;
    }
    return all;
}

void ForgetCreatedObject(CAutomationObject* object)
{
    if (g_server != nullptr)
        g_server->Forget(object);
}
