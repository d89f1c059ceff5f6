#pragma once
// The clipboard's plain text set from UTF-8 bytes the clipboard then shares:
// a long text (a list of many megabytes) is held there once, in UTF-8, not
// copied again into UTF-16.

class QByteArray;

// FALSE when there is no clipboard (no application yet).
bool SetClipboardUtf8(const QByteArray& text);

// Lets go of what the clipboard holds, so that an old long text is freed
// before a new one is gathered.
void EmptyClipboard();
