#pragma once
// The program's dialog templates, one file each.

#include "platform/DialogTemplate.h"

extern const DialogTemplate kCalculatorTemplate;  // 102
