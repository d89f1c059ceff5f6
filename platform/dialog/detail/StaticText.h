#pragma once
// The text of a static control. A static shows the lines of its text that
// fit its rectangle and never scrolls, so a text far longer than that (a
// list of 100000 lines, say) is kept whole for GetWindowText while
// the label is given only the part that can show: painting then costs what
// is visible, not what is stored. Texts that fit are set as they are.

class QLabel;
class QString;

void SetStaticText(QLabel* label, const QString& text);

// The whole text last set, however much of it shows.
QString StaticText(const QLabel* label);
