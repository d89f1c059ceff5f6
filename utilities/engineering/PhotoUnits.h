#pragma once
// Picture sizes between inches and pixels at the fixed 72 pixels per inch
// of the Photo Sizing dialog. No rounding here: the dialog rounds what it
// writes back.

inline constexpr double kPixelsPerInch = 72.0;

inline double InchesToPixels(double inches)
{
    return inches * kPixelsPerInch;
}

inline double PixelsToInches(double pixels)
{
    return pixels / kPixelsPerInch;
}
