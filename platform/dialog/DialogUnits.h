#pragma once
// Dialog units to pixels, the way Windows converts them: a horizontal unit is
// a quarter of the dialog font's average character width, a vertical unit an
// eighth of its height, with integer rounding as MulDiv does it.

struct DialogBaseUnits {
    int cx;  // average width of the letters A-Z a-z, in pixels
    int cy;  // font height, in pixels
};

struct PixelRect {
    int x, y, width, height;
};

// Average of the 52 letter widths, rounded as Windows rounds it.
int AverageLetterWidth(int totalWidthOf52Letters);

int DialogUnitsToPixelsX(int units, const DialogBaseUnits& base);
int DialogUnitsToPixelsY(int units, const DialogBaseUnits& base);
PixelRect DialogRectToPixels(int x, int y, int cx, int cy, const DialogBaseUnits& base);
