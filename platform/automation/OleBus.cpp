// The process's objects on the session bus: the connection, the exports,
// and the running-object registrations.

#include "platform/automation/Ole.h"
#include "platform/automation/detail/OleExports.h"

#include "platform/automation/detail/DispatchObject.h"
#include "platform/automation/detail/SessionBusProbe.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPointer>

#include <algorithm>
#include <cctype>
#include <map>

namespace {

struct Export {
    CAutomationObject* object;
    QPointer<DispatchObject> adaptor;
};

struct RunningObject {
    CAutomationObject* object;
    QString path;
    QString name;
};

// Keyed by object path.
std::map<QString, Export>& Exports()
{
    static std::map<QString, Export> exports;
    return exports;
}

// Keyed by registration cookie.
std::map<DWORD, RunningObject>& RunningObjects()
{
    static std::map<DWORD, RunningObject> running;
    return running;
}

bool HasSwitch(const std::vector<std::string>& arguments, const char* word)
{
    for (const std::string& argument : arguments) {
        if (argument.size() < 2 || (argument[0] != '-' && argument[0] != '/'))
            continue;
        const std::string_view rest = std::string_view(argument).substr(1);
        const std::string_view wanted(word);
        if (std::equal(rest.begin(), rest.end(), wanted.begin(), wanted.end(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
            }))
            return true;
    }
    return false;
}

void Unexport(const QString& path)
{
    auto& exports = Exports();
    const auto it = exports.find(path);
    if (it == exports.end())
        return;
    OleBus().unregisterObject(path);
    if (DispatchObject* adaptor = it->second.adaptor) {
        adaptor->Detach();
        // It may be answering the very call that led here.
        adaptor->deleteLater();
    }
    exports.erase(it);
}

// Sent without waiting for the answer: a daemon that has stopped answering
// must not hold the window's close or the program's end. Calls on one
// connection keep their order, so a later request for the name still comes
// after this.
void ReleaseName(const QString& name)
{
    QDBusConnection bus = OleBus();
    if (bus.isConnected())
        bus.interface()->asyncCall(QStringLiteral("ReleaseName"), name);
}

bool g_sessionBusSettled = false;

}  // namespace

QDBusConnection OleBus()
{
    return QDBusConnection::sessionBus();
}

void SettleSessionBus(BusProbeResult probe)
{
    if (g_sessionBusSettled)
        return;
    g_sessionBusSettled = true;
    if (probe != BusProbeResult::Silent)
        return;
    // Qt keeps the first answer about the session bus for the whole
    // process: have it try an address that fails at once, so that it never
    // waits on the silent daemon, then give the environment its address
    // back for the programs we start.
    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const bool hadAddress = qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/dev/null");
    (void)QDBusConnection::sessionBus().isConnected();
    if (hadAddress)
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    else
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
}

BOOL AfxOleInit()
{
    if (QCoreApplication::instance() == nullptr)
        return FALSE;
    if (!g_sessionBusSettled)
        SettleSessionBus(ProbeBusAddress(SessionBusAddress(), kSessionBusAnswerBound));
    if (!OleBus().isConnected())
        return FALSE;
    static bool cleanupConnected = false;
    if (!cleanupConnected) {
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &ReleaseObjectsAtExit);
        cleanupConnected = true;
    }
    return TRUE;
}

BOOL RunEmbedded(const std::vector<std::string>& arguments)
{
    return HasSwitch(arguments, "Embedding");
}

BOOL RunAutomated(const std::vector<std::string>& arguments)
{
    return HasSwitch(arguments, "Automation");
}

QString ObjectPathOf(const char* className)
{
    return QStringLiteral("/") + QLatin1String(className);
}

QString ObjectInterfaceOf(const char* progId, const char* className)
{
    return QLatin1String(progId) + QLatin1Char('.') + QLatin1String(className);
}

QString RunningObjectNameOf(const char* progId)
{
    return QLatin1String(progId) + QLatin1String(".Running");
}

bool ExportAutomationObject(CAutomationObject* object, const QString& path, const QString& interfaceName)
{
    QDBusConnection bus = OleBus();
    if (object == nullptr || !object->IsAutomationEnabled() || !bus.isConnected() || Exports().count(path) != 0)
        return false;
    auto* adaptor = new DispatchObject(object, interfaceName);
    if (!bus.registerVirtualObject(path, adaptor)) {
        delete adaptor;
        return false;
    }
    Exports()[path] = {object, adaptor};
    return true;
}

void WithdrawAutomationObject(CAutomationObject* object)
{
    auto& running = RunningObjects();
    for (auto it = running.begin(); it != running.end();) {
        if (it->second.object == object) {
            ReleaseName(it->second.name);
            it = running.erase(it);
        } else {
            ++it;
        }
    }
    std::vector<QString> paths;
    for (const auto& [path, entry] : Exports()) {
        if (entry.object == object)
            paths.push_back(path);
    }
    for (const QString& path : paths)
        Unexport(path);
    ForgetCreatedObject(object);
}

HRESULT RegisterActiveObject(CAutomationObject* object, const CLSID& clsid, DWORD flags, DWORD* registration)
{
    (void)flags;  // the name always stands for the object itself
    if (registration != nullptr)
        *registration = 0;
    const COleObjectFactory* factory = COleObjectFactory::Find(clsid);
    if (factory == nullptr || registration == nullptr)
        return E_FAIL;
    const QString path = ObjectPathOf(factory->GetClassName());
    if (!ExportAutomationObject(object, path, ObjectInterfaceOf(factory->GetProgID(), factory->GetClassName())))
        return E_FAIL;
    // Queued, never replacing: a second copy waits for the first to go.
    // Asked without waiting for the answer, so that a daemon that has
    // stopped answering cannot hold the user's calculator; should the bus
    // refuse, the registration ends silently, as a failed one would.
    const QString name = RunningObjectNameOf(factory->GetProgID());
    static DWORD lastCookie = 0;
    const DWORD cookie = ++lastCookie;
    *registration = cookie;
    RunningObjects()[cookie] = {object, path, name};
    constexpr uint kQueueAndNeverReplace = 0;  // none of the name flags
    QDBusPendingCall request = OleBus().interface()->asyncCall(QStringLiteral("RequestName"), name, kQueueAndNeverReplace);
    auto* watcher = new QDBusPendingCallWatcher(request, QCoreApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [cookie, watcher] {
        watcher->deleteLater();
        const QDBusPendingReply<uint> reply = *watcher;
        constexpr uint kPrimaryOwner = 1, kInQueue = 2, kAlreadyOwner = 4;
        if (!reply.isError() && (reply.value() == kPrimaryOwner || reply.value() == kInQueue ||
                                 reply.value() == kAlreadyOwner))
            return;
        RevokeActiveObject(cookie, nullptr);
    });
    return S_OK;
}

HRESULT RevokeActiveObject(DWORD registration, void*)
{
    auto& running = RunningObjects();
    const auto it = running.find(registration);
    if (it == running.end())
        return E_FAIL;
    const RunningObject entry = it->second;
    running.erase(it);
    ReleaseName(entry.name);
    Unexport(entry.path);
    return S_OK;
}

void ReleaseObjectsAtExit()
{
    // Objects exported at the end are held by a client or by their
    // running-object entry; either way this is their last reference.
    while (!Exports().empty()) {
        CAutomationObject* object = Exports().begin()->second.object;
        WithdrawAutomationObject(object);
        object->OnFinalRelease();
    }
}
