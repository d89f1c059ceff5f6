#include "platform/dialog/detail/FocusHolderSpeech.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPointer>

#include <algorithm>
#include <memory>

namespace {

// The control a holder speaks for, kept by the holder; the control may go
// first when the window is torn down.
class SpokenLink : public QObject {
public:
    SpokenLink(QObject* holder, QLineEdit* spoken) : QObject(holder), spoken(spoken) {}
    QPointer<QLineEdit> spoken;
};

QLineEdit* SpokenBy(const QObject* holder)
{
    for (QObject* child : holder->children()) {
        if (auto* link = dynamic_cast<SpokenLink*>(child))
            return link->spoken;
    }
    return nullptr;
}

class FocusHolderAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit FocusHolderAccessible(QWidget* holder) : QAccessibleWidget(holder, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
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
        const QLineEdit* spoken = SpokenBy(object());
        if (t == QAccessible::Value)
            return Whole();
        if (t == QAccessible::Name && spoken != nullptr && !spoken->accessibleName().isEmpty())
            return spoken->accessibleName();
        return QAccessibleWidget::text(t);
    }

    void setText(QAccessible::Text, const QString&) override {}

    // The whole text is the selection: nothing can select less, and nothing
    // is changed by trying.
    void selection(int index, int* start, int* end) const override
    {
        *start = 0;
        *end = index == 0 ? characterCount() : 0;
    }
    int selectionCount() const override { return characterCount() > 0 ? 1 : 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return characterCount(); }
    void setCursorPosition(int) override {}

    QString text(int start, int end) const override
    {
        const QString whole = Whole();
        start = std::clamp(start, 0, int(whole.size()));
        end = std::clamp(end < 0 ? int(whole.size()) : end, start, int(whole.size()));
        return whole.mid(start, end - start);
    }
    int characterCount() const override { return int(Whole().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = 0;
        *end = std::max(offset, characterCount());
        return {};
    }

private:
    QString Whole() const
    {
        const QLineEdit* spoken = SpokenBy(object());
        return spoken != nullptr ? spoken->text() : QString();
    }
};

QAccessibleInterface* FocusHolderFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || SpokenBy(widget) == nullptr)
        return nullptr;
    return new FocusHolderAccessible(widget);
}

}  // namespace

void SpeakTextOf(QWidget* spoken, QWidget* holder)
{
    auto* line = qobject_cast<QLineEdit*>(spoken);
    if (line == nullptr || holder == nullptr)
        return;
    static const bool installed = [] {
        QAccessible::installFactory(&FocusHolderFactory);
        return true;
    }();
    (void)installed;
    new SpokenLink(holder, line);
    // A change is told as the new text put in front of the old one, then
    // the old one taken away. The other way round, a screen reader would take
    // the old text going for the user deleting the selection, and say so
    // before every number.
    auto previous = std::make_shared<QString>(line->text());
    QObject::connect(line, &QLineEdit::textChanged, holder, [holder, previous](const QString& text) {
        if (QAccessible::isActive()) {
            if (!text.isEmpty()) {
                QAccessibleTextInsertEvent inserted(holder, 0, text);
                QAccessible::updateAccessibility(&inserted);
            }
            if (!previous->isEmpty()) {
                QAccessibleTextRemoveEvent removed(holder, int(text.size()), *previous);
                QAccessible::updateAccessibility(&removed);
            }
        }
        *previous = text;
    });
}
