#pragma once
// Message maps: a class's table of (notification, control id or id range,
// member function). Commands from a click, an accelerator or the program's
// own code all reach a handler through the same table (CCmdTarget::OnCmdMsg).

#include "platform/WinTypes.h"

#include <functional>
#include <vector>

class CCmdTarget;

struct MessageMapEntry {
    UINT notification;
    UINT idFirst;
    UINT idLast;
    std::function<void(CCmdTarget&, UINT id)> handler;
};

using MessageMap = std::vector<MessageMapEntry>;

// Base of everything that receives commands.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // The class's own table; a class without one handles nothing itself.
    virtual const MessageMap& GetMessageMap() const;

    // Runs the first matching entry of the map. The handler may delete the
    // object, so nothing touches `this` after it returns.
    virtual BOOL OnCmdMsg(UINT id, UINT notification);
};

template <class T>
MessageMapEntry ON_COMMAND(UINT id, void (T::*member)())
{
    return {BN_CLICKED, id, id, [member](CCmdTarget& target, UINT) { (static_cast<T&>(target).*member)(); }};
}

template <class T>
MessageMapEntry ON_BN_CLICKED(UINT id, void (T::*member)())
{
    return ON_COMMAND(id, member);
}

template <class T>
MessageMapEntry ON_COMMAND_RANGE(UINT first, UINT last, void (T::*member)(UINT))
{
    return {BN_CLICKED, first, last,
            [member](CCmdTarget& target, UINT id) { (static_cast<T&>(target).*member)(id); }};
}

template <class T>
MessageMapEntry ON_CONTROL(UINT notification, UINT id, void (T::*member)())
{
    return {notification, id, id, [member](CCmdTarget& target, UINT) { (static_cast<T&>(target).*member)(); }};
}

template <class T>
MessageMapEntry ON_EN_SETFOCUS(UINT id, void (T::*member)())
{
    return ON_CONTROL(EN_SETFOCUS, id, member);
}

template <class T>
MessageMapEntry ON_EN_CHANGE(UINT id, void (T::*member)())
{
    return ON_CONTROL(EN_CHANGE, id, member);
}
