#include "platform/dialog/detail/AccessibleControls.h"

#include "platform/dialog/detail/ReadOnlyTextAccessible.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <algorithm>

namespace {

// The dynamic property that marks a control, and its kinds.
constexpr char kAccessibleKind[] = "numbrixAccessibleKind";
enum AccessibleKind { kReadOnlyText = 1, kRadioButton };

// A radio button of ours: Qt calls a radio button that does not clear its
// siblings a check box. Checked by pressing, as a click does.
class RadioButtonAccessible : public QAccessibleWidget {
public:
    explicit RadioButtonAccessible(QAbstractButton* button) : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return Button()->text().remove(QLatin1Char('&'));
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = Button()->isChecked();
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled())
            names << pressAction() << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (!widget()->isEnabled())
            return;
        if (action == pressAction() || action == toggleAction())
            Button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* ControlFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    switch (widget->property(kAccessibleKind).toInt()) {
    case kReadOnlyText: return new ReadOnlyTextAccessible(widget);
    case kRadioButton:
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            return new RadioButtonAccessible(button);
        return nullptr;
    default: return nullptr;
    }
}

void Mark(QWidget* control, AccessibleKind kind)
{
    static const bool installed = [] {
        QAccessible::installFactory(&ControlFactory);
        return true;
    }();
    (void)installed;
    control->setProperty(kAccessibleKind, int(kind));
}

}  // namespace

void MarkReadOnlyForAssistiveTech(QWidget* control)
{
    Mark(control, kReadOnlyText);
}

void MarkRadioButtonForAssistiveTech(QWidget* radioButton)
{
    Mark(radioButton, kRadioButton);
}
