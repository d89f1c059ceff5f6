#pragma once
// What the Windows design's CCmdTarget automation gives an object: a
// dispatch map, a count of the clients that hold it through a class factory,
// and the final release when the last of them lets go. It does not decide
// what the final release does; the class does. When the object is destroyed
// every bus export of it is withdrawn first, so no call ever reaches freed
// memory.

#include "platform/automation/Dispatch.h"

class CAutomationObject {
public:
    CAutomationObject() = default;
    virtual ~CAutomationObject();
    CAutomationObject(const CAutomationObject&) = delete;
    CAutomationObject& operator=(const CAutomationObject&) = delete;

    virtual const DispatchMap& GetDispatchMap() const = 0;

    // The last client holding the object has let go.
    virtual void OnFinalRelease() = 0;

    // Lets the object be exported to clients.
    void EnableAutomation() { m_bAutomationEnabled = TRUE; }
    BOOL IsAutomationEnabled() const { return m_bAutomationEnabled; }

    // TRUE while a client created through a class factory holds the object.
    BOOL IsHeldByClient() const { return m_dwRef > 0; }
    void ExternalAddRef() { ++m_dwRef; }
    // Returns the count left; the caller runs OnFinalRelease at zero.
    DWORD ExternalRelease() { return m_dwRef > 0 ? --m_dwRef : 0; }

private:
    BOOL m_bAutomationEnabled = FALSE;
    DWORD m_dwRef = 0;
};
