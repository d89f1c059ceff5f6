#pragma once
// The finance dialogs' power routine: a double raised to a whole power by
// repeated multiplication or division, every step rounded to double, so the
// last digits are those of step-by-step arithmetic, not of pow(). It checks
// nothing about x and bounds nothing about the count; it stops early only
// once the running value repeats, which cannot change a single bit of the
// result.

// Starts from x. A positive mode multiplies by x, (count - 1) times: x to the
// power count for count >= 1, and x itself for every count <= 1 (count 0
// gives x, not 1). A mode of zero or below divides by x, (count + 1) times:
// x to the power -count for count >= -1 (count 0 gives 1), and x itself for
// every count below -1.
double IntPower(double x, int count, int mode);
