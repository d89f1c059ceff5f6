#pragma once
// Accelerator tables: (key, flags, command) entries as Windows keeps them,
// and the matching rule of TranslateAccelerator. Character entries match the
// character a key types; virtual-key entries match the key itself with the
// Shift, Ctrl and Alt state exactly as the entry's flags give it. Loading the
// tables is by number from res/; matching is pure and needs no window.

#include "platform/WinTypes.h"

#include <optional>
#include <span>

inline constexpr BYTE FVIRTKEY = 0x01;
inline constexpr BYTE FNOINVERT = 0x02;
inline constexpr BYTE FSHIFT = 0x04;
inline constexpr BYTE FCONTROL = 0x08;
inline constexpr BYTE FALT = 0x10;
inline constexpr BYTE FLASTENTRY = 0x80;  // the end mark on the table's last entry

// Virtual-key codes the program's tables use.
inline constexpr WORD VK_BACK = 0x08;
inline constexpr WORD VK_TAB = 0x09;
inline constexpr WORD VK_RETURN = 0x0D;
inline constexpr WORD VK_ESCAPE = 0x1B;
inline constexpr WORD VK_SPACE = 0x20;
inline constexpr WORD VK_INSERT = 0x2D;
inline constexpr WORD VK_LEFT = 0x25;
inline constexpr WORD VK_UP = 0x26;
inline constexpr WORD VK_RIGHT = 0x27;
inline constexpr WORD VK_DOWN = 0x28;
inline constexpr WORD VK_F1 = 0x70;
inline constexpr WORD VK_F4 = 0x73;
inline constexpr WORD VK_F10 = 0x79;
inline constexpr WORD VK_DECIMAL = 0x6E;  // the numeric keypad's decimal key, whatever it types
// Letters and digits are their upper-case ASCII codes ('C' is 0x43).

struct ACCEL {
    BYTE fVirt;
    WORD key;
    WORD cmd;
};

struct AcceleratorTable {
    int id;
    std::span<const ACCEL> entries;
};

using HACCEL = const AcceleratorTable*;

// One key press as the dialog sees it before dispatch.
struct MSG {
    WORD virtualKey = 0;     // 0 when the key has no virtual-key code we know
    char32_t character = 0;  // the character the key types, 0 for none
    bool shift = false;
    bool control = false;
    bool alt = false;
};

// The accelerator table `id` of the program's resources, or null.
HACCEL LoadAccelerators(int id);

// The hook into res/: every accelerator table, each with the number of its
// dialog template (res/Accelerators.cpp defines it).
std::span<const AcceleratorTable> ProgramAcceleratorTables();

// The command of the first entry that matches, virtual-key entries before
// character entries (a key press comes before the character it types).
std::optional<WORD> MatchAccelerator(HACCEL table, const MSG& msg);
