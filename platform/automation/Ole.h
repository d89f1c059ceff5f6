#pragma once
// Automation over the D-Bus session bus, under the Windows design's names:
// AfxOleInit connects to the bus, RunEmbedded/RunAutomated recognise a start
// by the bus, COleObjectFactory offers a class to clients, and
// RegisterActiveObject publishes a running object under a queued name.
// Which class is created, and what its dispatch map holds, is the program's.

#include "platform/automation/AutomationObject.h"

#include <functional>
#include <string>
#include <vector>

// Connects to the session bus. FALSE when there is none to reach. Needs the
// application object's event loop (call it from InitInstance).
BOOL AfxOleInit();

// TRUE when the command line carries -Embedding or /Embedding (any case),
// the switch that marks a start by the bus to serve an object.
BOOL RunEmbedded(const std::vector<std::string>& arguments);
// The same for -Automation or /Automation.
BOOL RunAutomated(const std::vector<std::string>& arguments);

// The flag of a running-object registration that keeps its own reference.
inline constexpr DWORD ACTIVEOBJECT_STRONG = 0;

// Publishes `object` as the running object of class `clsid`: the object is
// served at the class's path and the class's running name is requested,
// queued behind any other running copy, never replacing it. On S_OK
// `*registration` is the cookie that revokes it (never 0).
HRESULT RegisterActiveObject(CAutomationObject* object, const CLSID& clsid, DWORD flags, DWORD* registration);
// Withdraws a registration: the object leaves the bus and the name is given
// up (the next copy in the queue gets it).
HRESULT RevokeActiveObject(DWORD registration, void* reserved);

// The class factory of one automation class: its class id, how to create an
// object, its ProgID (the bus name by which clients create objects) and the
// class's name (its object path and interface). The factory is single use,
// one object per process: the first CreateInstance creates the object, gives
// up the ProgID so the next request by name starts another process, and ties
// the object's life to the creating client's connection. A server process
// that gets no CreateInstance in time, or whose object is finally released,
// ends. Constructed during static initialisation; touches the bus only when
// asked to.
class COleObjectFactory {
public:
    using CreateFunction = std::function<CAutomationObject*()>;

    COleObjectFactory(const CLSID& clsid, CreateFunction create, const char* progId, const char* className);
    ~COleObjectFactory();
    COleObjectFactory(const COleObjectFactory&) = delete;
    COleObjectFactory& operator=(const COleObjectFactory&) = delete;

    const CLSID& GetClassID() const { return m_clsid; }
    const char* GetProgID() const { return m_progId; }
    const char* GetClassName() const { return m_className; }
    CAutomationObject* CreateObject() const { return m_create ? m_create() : nullptr; }

    // Offers every factory on the bus under its ProgID (a server run).
    static BOOL RegisterAll();
    // Writes the registration (the bus activation file) of every factory,
    // pointing at this program. TRUE when every file was written.
    static BOOL UpdateRegistryAll(BOOL bRegister);
    // The factory of class `clsid`, or null.
    static const COleObjectFactory* Find(const CLSID& clsid);

private:
    CLSID m_clsid;
    CreateFunction m_create;
    const char* m_progId;
    const char* m_className;
};
