#include "platform/automation/detail/DispatchObject.h"

#include "detail/OleExports.h"

CAutomationObject::~CAutomationObject()
{
    // However the object goes, no client call may reach it afterwards.
    WithdrawAutomationObject(this);
}
