#pragma once
// The program's dialog templates, one file each.

#include "platform/DialogTemplate.h"

extern const DialogTemplate kCalculatorTemplate;  // 102
extern const DialogTemplate kBoltHoleTemplate;    // 133
extern const DialogTemplate kTrigTemplate;        // 134
extern const DialogTemplate kPhotoSizeTemplate;   // 165
