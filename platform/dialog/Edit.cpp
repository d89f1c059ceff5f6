#include "platform/dialog/Edit.h"

#include "platform/dialog/detail/ClipboardUtf8.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <string_view>

namespace {

// A character index clamped into the text's range, -1 meaning the end.
int Position(int index, int length)
{
    return index < 0 || index > length ? length : index;
}

// Where the piece of `text` that starts at `start` ends: after the last line
// end within about kPiece bytes, so that a CR LF pair stays whole; in a
// line longer than that, at the start of a UTF-8 character.
size_t PieceEnd(const CString& text, size_t start)
{
    constexpr size_t kPiece = 1 << 20;
    if (text.size() - start <= kPiece)
        return text.size();
    const size_t lineEnd = std::string_view(text).substr(start, kPiece).rfind('\n');
    if (lineEnd != std::string_view::npos)
        return start + lineEnd + 1;
    size_t end = start + kPiece;
    while (end > start + 1 &&
           ((static_cast<unsigned char>(text[end]) & 0xC0) == 0x80 || text[end - 1] == '\r'))
        --end;
    return end;
}

bool HasSelection(QWidget* widget)
{
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget))
        return box->textCursor().hasSelection();
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return line->hasSelectedText();
    return false;
}

// The selection of a text box or line edit in UTF-8, line ends "\n". A text
// box's selection is gathered block by block (a block is a line), so that
// a selection of many megabytes is never also held whole in UTF-16.
QByteArray SelectedUtf8(QWidget* widget)
{
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return line->selectedText().toUtf8();
    auto* box = qobject_cast<QPlainTextEdit*>(widget);
    if (box == nullptr)
        return {};
    const QTextCursor cursor = box->textCursor();
    const int from = cursor.selectionStart();
    const int to = cursor.selectionEnd();
    QByteArray selected;
    selected.reserve(to - from);
    for (QTextBlock block = box->document()->findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        QString text = block.text();
        const int begin = std::max(from - block.position(), 0);
        const int end = std::min(to - block.position(), static_cast<int>(text.size()));
        // What the document's plain text makes of these: a line end, a blank.
        for (QChar& c : text) {
            if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
                c = u'\n';
            else if (c == QChar::Nbsp)
                c = u' ';
        }
        selected += QStringView(text).mid(begin, end - begin).toUtf8();
        // The block's line end, when the selection goes past it.
        if (block.position() + block.length() - 1 < to)
            selected += '\n';
    }
    return selected;
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
    if (auto* box = qobject_cast<QPlainTextEdit*>(m_widget)) {
        // A text box may take a list of many megabytes: hand it over a piece
        // at a time, so that no second copy of the whole text in UTF-16
        // exists beside the document's own. One edit, one change notice.
        QTextCursor cursor = box->textCursor();
        cursor.beginEditBlock();
        cursor.removeSelectedText();
        for (size_t start = 0; start < text.size();) {
            const size_t end = PieceEnd(text, start);
            cursor.insertText(QString::fromUtf8(text.data() + start, static_cast<qsizetype>(end - start)));
            start = end;
        }
        cursor.endEditBlock();
        box->setTextCursor(cursor);
    } else if (auto* line = qobject_cast<QLineEdit*>(m_widget)) {
        line->insert(QString::fromStdString(text));
    }
}

CString CEdit::GetSelText() const
{
    return SelectedUtf8(m_widget).toStdString();
}

void CEdit::Copy()
{
    if (!HasSelection(m_widget))
        return;  // the clipboard keeps what it had
    // The clipboard's old text is let go first: with a list of many
    // megabytes there, the old and the new would otherwise be held at once.
    EmptyClipboard();
    SetClipboardUtf8(SelectedUtf8(m_widget));
}
