#pragma once
// The accessible interface of a read-only text control (the display, a
// result field, an edit the user cannot type into): private to the
// platform's accessibility pieces, which mark the controls it serves
// (AccessibleControls) or build on it (FocusHolderSpeech).

#include "platform/dialog/detail/StaticText.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <algorithm>

// A read-only text control as assistive technology sees it: a text field
// (so a screen reader reads its name, then its text) that is not editable,
// with the Text interface and without EditableText. Selecting is allowed:
// it changes nothing but what a copy takes.
class ReadOnlyTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadOnlyTextAccessible(QWidget* control) : QAccessibleWidget(control, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        // Neither EditableText nor Value: nothing that writes.
        if (type == QAccessible::EditableTextInterface || type == QAccessible::ValueInterface)
            return nullptr;
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.editable = false;
        s.selectableText = true;
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return Whole();
        return QAccessibleWidget::text(t);
    }

    // Assistive technology gets nowhere writing the text.
    void setText(QAccessible::Text t, const QString& text) override
    {
        if (t != QAccessible::Value)
            QAccessibleWidget::setText(t, text);
    }

    // QAccessibleTextInterface
    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0)
            Selected(start, end);
    }

    int selectionCount() const override
    {
        int start = 0;
        int end = 0;
        return Selected(&start, &end) ? 1 : 0;
    }

    void addSelection(int start, int end) override { Select(start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            Select(0, 0);
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            Select(start, end);
    }

    int cursorPosition() const override
    {
        if (const auto* line = qobject_cast<const QLineEdit*>(object()))
            return line->cursorPosition();
        if (const auto* box = qobject_cast<const QPlainTextEdit*>(object()))
            return box->textCursor().position();
        // A label has no cursor of its own: the end of its selection.
        int start = 0;
        int end = 0;
        Selected(&start, &end);
        return end;
    }

    void setCursorPosition(int position) override
    {
        position = Clamp(position);
        if (auto* line = qobject_cast<QLineEdit*>(object()))
            line->setCursorPosition(position);
        else if (auto* box = qobject_cast<QPlainTextEdit*>(object())) {
            QTextCursor cursor = box->textCursor();
            cursor.setPosition(position);
            box->setTextCursor(cursor);
        }
    }

    QString text(int start, int end) const override
    {
        const QString whole = Whole();
        start = std::clamp(start, 0, int(whole.size()));
        end = std::clamp(end < 0 ? int(whole.size()) : end, start, int(whole.size()));
        return whole.mid(start, end - start);
    }

    int characterCount() const override { return int(Whole().size()); }

    // Only a text box can tell where a character is drawn: line edits and
    // labels keep that to themselves.
    QRect characterRect(int offset) const override
    {
        const auto* box = qobject_cast<const QPlainTextEdit*>(object());
        if (box == nullptr)
            return {};
        QTextCursor cursor(box->document());
        cursor.setPosition(Clamp(offset));
        const QRect r = box->cursorRect(cursor);
        const int width = box->fontMetrics().horizontalAdvance(Whole().mid(Clamp(offset), 1));
        return QRect(box->viewport()->mapToGlobal(r.topLeft()), QSize(std::max(1, width), r.height()));
    }

    int offsetAtPoint(const QPoint& point) const override
    {
        if (auto* line = qobject_cast<QLineEdit*>(object()))
            return line->cursorPositionAt(line->mapFromGlobal(point));
        if (const auto* box = qobject_cast<const QPlainTextEdit*>(object()))
            return box->cursorForPosition(box->viewport()->mapFromGlobal(point)).position();
        return -1;
    }

    void scrollToSubstring(int, int) override {}

    // Plain text: one run without attributes over all of it (an empty run
    // would leave a client that walks the runs where it started).
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

protected:
    // The text shown, whether there is a selection (and where), and
    // selecting: what a control of another kind changes.
    virtual QString Whole() const
    {
        if (const auto* label = qobject_cast<const QLabel*>(object()))
            return StaticText(label);
        if (const auto* line = qobject_cast<const QLineEdit*>(object()))
            return line->text();
        if (const auto* box = qobject_cast<const QPlainTextEdit*>(object()))
            return box->toPlainText();
        return {};
    }

    int Clamp(int offset) const { return std::clamp(offset, 0, characterCount()); }

    virtual bool Selected(int* start, int* end) const
    {
        if (const auto* label = qobject_cast<const QLabel*>(object())) {
            if (!label->hasSelectedText())
                return false;
            *start = label->selectionStart();
            *end = *start + int(label->selectedText().size());
        } else if (const auto* line = qobject_cast<const QLineEdit*>(object())) {
            if (!line->hasSelectedText())
                return false;
            *start = line->selectionStart();
            *end = line->selectionEnd();
        } else if (const auto* box = qobject_cast<const QPlainTextEdit*>(object())) {
            const QTextCursor cursor = box->textCursor();
            if (!cursor.hasSelection())
                return false;
            *start = cursor.selectionStart();
            *end = cursor.selectionEnd();
        }
        return *start < *end;
    }

    virtual void Select(int start, int end)
    {
        start = Clamp(start);
        end = Clamp(end);
        if (end < start)
            std::swap(start, end);
        if (auto* label = qobject_cast<QLabel*>(object())) {
            label->setSelection(start, end - start);
        } else if (auto* line = qobject_cast<QLineEdit*>(object())) {
            if (start == end)
                line->deselect();
            else
                line->setSelection(start, end - start);
        } else if (auto* box = qobject_cast<QPlainTextEdit*>(object())) {
            QTextCursor cursor = box->textCursor();
            cursor.setPosition(start);
            cursor.setPosition(end, QTextCursor::KeepAnchor);
            box->setTextCursor(cursor);
        }
    }
};
