#pragma once
// The text of a static control. A static shows the lines of its text that
// fit its rectangle and never scrolls, so a text far longer than that (a
// list of 100000 lines, say) is kept whole for GetWindowText, as the UTF-8
// string it was given (moved, not copied), while the label is given only
// the part that can show:
// painting then costs what is visible, not what is stored, and the whole
// text is held once, not again in UTF-16. Texts that fit are set as they are.

#include "platform/WinTypes.h"

class QLabel;
class QString;

void SetStaticText(QLabel* label, CString text);
void SetStaticText(QLabel* label, const QString& text);

// The whole text last set, however much of it shows.
CString StaticTextUtf8(const QLabel* label);
QString StaticText(const QLabel* label);
