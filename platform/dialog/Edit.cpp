#include "platform/dialog/Edit.h"

#include "platform/dialog/Clipboard.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

// A character index clamped into the text's range, -1 meaning the end.
int Position(int index, int length)
{
    return index < 0 || index > length ? length : index;
}

}  // namespace

void CEdit::SetSel(int start, int end)
{
    if (auto* box = qobject_cast<QPlainTextEdit*>(m_widget)) {
        QTextCursor cursor = box->textCursor();
        if (start < 0) {
            cursor.clearSelection();
        } else {
            cursor.movePosition(QTextCursor::End);
            const int length = cursor.position();
            cursor.setPosition(Position(start, length));
            cursor.setPosition(Position(end, length), QTextCursor::KeepAnchor);
        }
        box->setTextCursor(cursor);
    } else if (auto* line = qobject_cast<QLineEdit*>(m_widget)) {
        if (start < 0) {
            line->deselect();
            return;
        }
        const int length = static_cast<int>(line->text().size());
        const int from = Position(start, length);
        line->setSelection(from, Position(end, length) - from);
    }
}

void CEdit::ReplaceSel(const CString& text, BOOL /*canUndo*/)
{
    const QString qtext = QString::fromStdString(text);
    if (auto* box = qobject_cast<QPlainTextEdit*>(m_widget)) {
        QTextCursor cursor = box->textCursor();
        cursor.insertText(qtext);
        box->setTextCursor(cursor);
    } else if (auto* line = qobject_cast<QLineEdit*>(m_widget)) {
        line->insert(qtext);
    }
}

CString CEdit::GetSelText() const
{
    QString selected;
    if (auto* box = qobject_cast<QPlainTextEdit*>(m_widget)) {
        // The cursor gives paragraph separators for line ends; the plain
        // text gives "\n", so cut the selection out of that.
        const QTextCursor cursor = box->textCursor();
        selected = box->toPlainText().mid(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart());
    } else if (auto* line = qobject_cast<QLineEdit*>(m_widget)) {
        selected = line->selectedText();
    }
    return selected.toStdString();
}

void CEdit::Copy()
{
    const CString selected = GetSelText();
    if (!selected.empty())
        SetClipboardText(selected);
}
