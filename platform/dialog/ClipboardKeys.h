#pragma once
// The desktop's keys for copy and paste, as an edit control knows them:
// Ctrl+C or Ctrl+Insert copies, Ctrl+V or Shift+Insert pastes. For a window
// that copies and pastes without an edit control of its own; pure, no window.

#include "platform/dialog/Accelerator.h"

BOOL IsCopyKey(const MSG& msg);
BOOL IsPasteKey(const MSG& msg);
