#pragma once
// The conversions between degrees and radians that the calculator's
// trigonometric keys and the engineering utilities use. Both constants are
// used exactly as written (the first is two units in the last place below
// pi/180), so results match the calculator's to the last digit.

inline constexpr double kDegToRad = 0.01745329251994329;
inline constexpr double kRadToDeg = 57.29577951308233;
