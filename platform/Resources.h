#pragma once
// The hooks into res/: the program's resources as three tables the platform
// searches by number, the way a module's resources are searched. res/
// defines these functions; the platform declares and uses them, so that the
// data never depends on how it is shown.

#include "platform/StringTable.h"
#include "platform/dialog/Accelerator.h"
#include "platform/dialog/DialogTemplate.h"

#include <span>

// Every dialog template (res/Templates.cpp lists them).
std::span<const DialogTemplate* const> ProgramDialogTemplates();

// Every accelerator table, each with the number of its dialog template.
std::span<const AcceleratorTable> ProgramAcceleratorTables();

// The string table.
std::span<const StringResource> ProgramStringTable();
