#pragma once
// Numbers as the dialogs read and write them. Reading follows the C
// runtime's notation exactly, whatever the desktop's locale: the point is
// the only decimal separator, and hexadecimal, infinity and not-a-number
// spellings are not numbers. The loose readers (StrToD, AToI) take the
// longest number at the start of the text and never fail, as the compute
// buttons read their fields; the strict parsers accept a whole field or
// nothing, as the closing data exchange does. Pure functions, no Qt.

#include "platform/WinTypes.h"

#include <optional>

// strtod: optional white space, optional sign, digits with an optional
// point (at least one digit), an optional exponent; whatever follows is
// ignored. Text without such a prefix gives 0. An exponent too large gives
// an infinity, one too small 0 or a denormal, as strtod does.
double StrToD(const CString& text);

// atoi: optional white space, optional sign, decimal digits up to the first
// other character; nothing gives 0. A value beyond int saturates at INT_MIN
// or INT_MAX instead of overflowing.
int AToI(const CString& text);

// The whole text, apart from white space around it, is a number in StrToD's
// notation. Empty text, "12abc", "inf" or "0x1A" give nothing.
std::optional<double> ParseDoubleStrict(const CString& text);

// The whole text, apart from white space around it, is an optional sign and
// decimal digits whose value fits an int. "2.5", "" and "12abc" give nothing.
std::optional<int> ParseIntStrict(const CString& text);

// The general form the data exchange writes numbers in ("%.15g"):
// 0 -> "0", 360 -> "360", 9999.99 -> "9999.99".
CString FormatGeneral(double value);
