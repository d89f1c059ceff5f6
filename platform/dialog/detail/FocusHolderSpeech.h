#pragma once
// A control that holds the focus on another's behalf (the calculator's focus
// sink, for the display) as assistive technology sees it: a read-only text
// field with the other control's name and text, telling every change of that
// text as a change of its own. A screen reader follows the focus, so this is
// what lets it read the display after each key; it reads a changed text out
// when the text is the field's selection, so the whole text is. Nothing can be
// written through it.

class QWidget;

// Makes `holder` speak for the line edit `spoken`. Call before anything asks
// for the holder's accessible interface.
void SpeakTextOf(QWidget* spoken, QWidget* holder);
