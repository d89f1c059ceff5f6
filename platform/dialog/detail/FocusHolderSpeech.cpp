#include "platform/dialog/detail/FocusHolderSpeech.h"

#include "platform/dialog/detail/ReadOnlyTextAccessible.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPointer>

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

// The holder as a read-only text field showing the spoken control's text
// under that control's name.
class FocusHolderAccessible : public ReadOnlyTextAccessible {
public:
    using ReadOnlyTextAccessible::ReadOnlyTextAccessible;

    QString text(QAccessible::Text t) const override
    {
        const QLineEdit* spoken = SpokenBy(object());
        if (t == QAccessible::Name && spoken != nullptr && !spoken->accessibleName().isEmpty())
            return spoken->accessibleName();
        return ReadOnlyTextAccessible::text(t);
    }

protected:
    QString Whole() const override
    {
        const QLineEdit* spoken = SpokenBy(object());
        return spoken != nullptr ? spoken->text() : QString();
    }

    // The whole text is the selection: nothing can select less, and nothing
    // is changed by trying.
    bool Selected(int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return *end > 0;
    }
    void Select(int, int) override {}
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
