#pragma once
// Narrows the letters of a static text that would not show whole in its
// rectangle at the dialog font, so that it does: the font's horizontal
// stretch is lowered just enough, never below a semi-condensed face (a text
// that needs more keeps that and is cut). The rectangle, the font's size
// and height, and every label that fits stay as they are. Called once the
// label has its geometry, text and buddy.

class QLabel;

void CondenseToFit(QLabel* label);
