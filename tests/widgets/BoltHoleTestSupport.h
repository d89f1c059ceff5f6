#pragma once
// The bolt-hole dialog's controls and what its tests read back.

#include "ModalTestSupport.h"

#include <algorithm>

namespace bolt_test {

inline constexpr int kHoles = 1035;
inline constexpr int kBoltDia = 1036;
inline constexpr int kInitAngle = 1038;
inline constexpr int kTotalAngle = 1039;
inline constexpr int kCenterX = 1040;
inline constexpr int kCenterY = 1041;
inline constexpr int kWriteIt = 1042;
inline constexpr int kSpacingDisplay = 1045;
inline constexpr int kListDisplay = 1048;
inline constexpr int kCopy = 1049;
inline constexpr int kCenterZ = 1050;
inline constexpr int kHiddenList = 1051;

inline constexpr int kInputs[] = {kHoles, kBoltDia, kTotalAngle, kInitAngle, kCenterX, kCenterY, kCenterZ};

inline constexpr const char* kFourHoles =
    "X0.5000 Y0.0000 Z0.0000\n"
    "X0.0000 Y0.5000 Z0.0000\n"
    "X-0.5000 Y0.0000 Z0.0000\n"
    "X-0.0000 Y-0.5000 Z0.0000\n";

// What a Write It! left in its two places.
struct Lists {
    CString display;
    CString hidden;
};

inline Lists ListsOf(const CDialog& dlg)
{
    return {dlg.GetDlgItemText(kListDisplay), dlg.GetDlgItemText(kHiddenList)};
}

inline size_t LineCount(const CString& text)
{
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace bolt_test
