#pragma once
// A Qt key event as the MSG that accelerator tables and dialogs look at.

#include "platform/dialog/Accelerator.h"

class QKeyEvent;

MSG KeyMessageFrom(const QKeyEvent& event);
