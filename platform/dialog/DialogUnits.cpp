#include "platform/dialog/DialogUnits.h"

namespace {

// MulDiv: a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

int AverageLetterWidth(int totalWidthOf52Letters)
{
    return (totalWidthOf52Letters / 26 + 1) / 2;
}

int DialogUnitsToPixelsX(int units, const DialogBaseUnits& base)
{
    return MulDiv(units, base.cx, 4);
}

int DialogUnitsToPixelsY(int units, const DialogBaseUnits& base)
{
    return MulDiv(units, base.cy, 8);
}

PixelRect DialogRectToPixels(int x, int y, int cx, int cy, const DialogBaseUnits& base)
{
    return {DialogUnitsToPixelsX(x, base), DialogUnitsToPixelsY(y, base),
            DialogUnitsToPixelsX(cx, base), DialogUnitsToPixelsY(cy, base)};
}
