#pragma once
// Inside the platform layer only: the objects this process has put on the
// bus and the connection they are on. Shared by the running-object code, the
// class factories and CAutomationObject's destructor.

#include "platform/automation/AutomationObject.h"
#include "platform/automation/detail/SessionBusProbe.h"

#include <QDBusConnection>
#include <QString>

// The session bus connection AfxOleInit opened (possibly since lost).
QDBusConnection OleBus();

// How long a session bus daemon has to answer the probe before the process
// takes it for one that never will. A working daemon answers in well under
// a millisecond; the bound keeps the first window within two seconds.
inline constexpr std::chrono::milliseconds kSessionBusAnswerBound{500};

// Acts once on the probe of the session bus, before anything connects: a
// silent daemon is then, for this process, no bus at all (everything that
// asks for the session bus, Qt's accessibility bridge included, is told at
// once that there is none). CSessionBusCheck settles it before the first window;
// AfxOleInit does when nothing has yet.
void SettleSessionBus(BusProbeResult probe);

// Serves `object` at `path` under `interfaceName`. FALSE when the path is
// taken, the object has no automation or the bus is gone.
bool ExportAutomationObject(CAutomationObject* object, const QString& path, const QString& interfaceName);

// Takes every export, running-object entry and client hold of `object` off
// the bus. Safe to call for an object that has none.
void WithdrawAutomationObject(CAutomationObject* object);

// The class factories' part of the withdrawal: forget a created object.
void ForgetCreatedObject(CAutomationObject* object);

// Releases every object still exported when the event loop ends, so that
// each is finally released once, as if its last client had let go.
void ReleaseObjectsAtExit();

// Names the bus uses for the pieces of a class, from its ProgID and the
// class's own name (the part after the ProgID in its interface name).
QString ObjectPathOf(const char* className);
QString ObjectInterfaceOf(const char* progId, const char* className);
QString RunningObjectNameOf(const char* progId);
