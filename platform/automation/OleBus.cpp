// The process's objects on the session bus: the connection, the exports,
// and the running-object registrations.

#include "platform/automation/Ole.h"
#include "platform/automation/detail/OleExports.h"

#include "platform/automation/detail/DispatchObject.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
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

void ReleaseName(const QString& name)
{
    QDBusConnection bus = OleBus();
    if (bus.isConnected())
        bus.interface()->unregisterService(name);
}

}  // namespace

QDBusConnection OleBus()
{
    return QDBusConnection::sessionBus();
}

BOOL AfxOleInit()
{
    if (QCoreApplication::instance() == nullptr || !OleBus().isConnected())
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
    const QString name = RunningObjectNameOf(factory->GetProgID());
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = OleBus().interface()->registerService(
        name, QDBusConnectionInterface::QueueService, QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid() || reply.value() == QDBusConnectionInterface::ServiceNotRegistered) {
        Unexport(path);
        return E_FAIL;
    }
    static DWORD lastCookie = 0;
    *registration = ++lastCookie;
    RunningObjects()[*registration] = {object, path, name};
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
