// Every caption of every template shows whole in its control at the dialog
// font: static texts (wrapped at blanks where the label wraps, aligned as
// its style says), push buttons, radio buttons and group boxes. Measured on
// the widgets the dialog really builds, with their own font, contents
// rectangle and style, so a change of font, of the dialog units or of the
// way a control draws its text shows here as the captions it cuts.

#include "platform/dialog/Dialog.h"
#include "platform/dialog/detail/DialogWindow.h"
#include "platform/dialog/DialogTemplate.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOption>

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// initStyleOption is protected; these reach it so the test asks the style
// exactly what the widget's own painting asks it.
struct PushButtonOption : QPushButton {
    using QPushButton::initStyleOption;
};
struct RadioButtonOption : QRadioButton {
    using QRadioButton::initStyleOption;
};
struct GroupBoxOption : QGroupBox {
    using QGroupBox::initStyleOption;
};

struct Measure {
    QRect available;  // where the control draws its text
    QRect needed;     // what the text takes there
};

// The rectangle QLabel lays its text out in: its contents rectangle less
// its margin and, on the side the text is aligned to, its indent (half an
// "x" for a framed label with no indent set).
QRect LabelTextRect(const QLabel& label)
{
    QRect r = label.contentsRect().adjusted(label.margin(), label.margin(), -label.margin(), -label.margin());
    int indent = label.indent();
    if (indent < 0)
        indent = label.frameWidth() > 0 ? label.fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    const Qt::Alignment align = label.alignment();
    if (align & Qt::AlignLeft)
        r.setLeft(r.left() + indent);
    if (align & Qt::AlignRight)
        r.setRight(r.right() - indent);
    if (align & Qt::AlignTop)
        r.setTop(r.top() + indent);
    if (align & Qt::AlignBottom)
        r.setBottom(r.bottom() - indent);
    return r;
}

Measure OfLabel(const QLabel& label)
{
    const QRect r = LabelTextRect(label);
    // A label hides its mnemonic's "&" only when it has a buddy.
    int flags = static_cast<int>(label.alignment());
    if (label.buddy() != nullptr)
        flags |= Qt::TextShowMnemonic;
    if (label.wordWrap())
        flags |= Qt::TextWordWrap;
    return {r, label.fontMetrics().boundingRect(r, flags, label.text())};
}

// A button's caption is centred (push button) or left-aligned (radio
// button) in the contents rectangle its style gives it.
Measure OfButtonText(const QWidget& button, const QString& text, QStyle::SubElement contents,
                     const QStyleOption& option)
{
    const QRect r = button.style()->subElementRect(contents, &option, &button);
    const int align = contents == QStyle::SE_PushButtonContents ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
    return {r, button.fontMetrics().boundingRect(r, align | Qt::TextShowMnemonic, text)};
}

Measure OfWidget(const QWidget& widget)
{
    if (auto* label = qobject_cast<const QLabel*>(&widget))
        return OfLabel(*label);
    if (auto* radio = qobject_cast<const QRadioButton*>(&widget)) {
        QStyleOptionButton option;
        (radio->*&RadioButtonOption::initStyleOption)(&option);
        return OfButtonText(widget, radio->text(), QStyle::SE_RadioButtonContents, option);
    }
    if (auto* push = qobject_cast<const QPushButton*>(&widget)) {
        QStyleOptionButton option;
        (push->*&PushButtonOption::initStyleOption)(&option);
        return OfButtonText(widget, push->text(), QStyle::SE_PushButtonContents, option);
    }
    if (auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        // The style sizes the caption's rectangle to the text; it must lie
        // within the box.
        QStyleOptionGroupBox option;
        (group->*&GroupBoxOption::initStyleOption)(&option);
        const QRect label =
            group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
        return {group->rect(), label};
    }
    return {};
}

bool CarriesCaption(const ControlTemplate& c)
{
    switch (c.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::RadioButton:
    case ControlKind::GroupBox: return true;
    case ControlKind::Static: return c.caption != nullptr && *c.caption != '\0';
    default: return false;
    }
}

QString TextOf(const QWidget& widget)
{
    if (auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(&widget))
        return group->title();
    return {};
}

// The control the dialog built for a template row: the child at its
// rectangle that shows its caption.
const QWidget* BuiltControl(const DialogWindow& host, const ControlTemplate& c)
{
    const PixelRect r = DialogRectToPixels(c.x, c.y, c.cx, c.cy, host.baseUnits);
    const QRect where(r.x, r.y, r.width, r.height);
    for (const QWidget* child : host.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->geometry() == where && TextOf(*child) == QString::fromUtf8(c.caption))
            return child;
    }
    return nullptr;
}

TEST(TemplateTexts, EveryCaptionFitsItsControlAtTheDialogFont)
{
    std::ostringstream clipped;
    int measured = 0;
    for (const DialogTemplate* t : ProgramDialogTemplates()) {
        // Each window goes before the next is built.
        const auto deleteWindow =
            qScopeGuard([] { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); });
        CDialog dialog(t->id);
        ASSERT_TRUE(dialog.Create(t->id)) << "template " << t->id;
        const auto* host = dynamic_cast<const DialogWindow*>(dialog.Widget());
        ASSERT_NE(host, nullptr);
        for (const ControlTemplate& c : t->controls) {
            if (!CarriesCaption(c))
                continue;
            const QWidget* widget = BuiltControl(*host, c);
            if (widget == nullptr) {
                ADD_FAILURE() << "template " << t->id << ": no control built for \"" << c.caption << '"';
                continue;
            }
            ++measured;
            const Measure m = OfWidget(*widget);
            if (!m.available.contains(m.needed)) {
                clipped << "\n  template " << t->id << " \"" << c.caption << "\" (" << c.cx << "x" << c.cy
                        << " DU): needs " << m.needed.width() << "x" << m.needed.height() << " px, has "
                        << m.available.width() << "x" << m.available.height() << " px";
            }
        }
    }
    EXPECT_GT(measured, 100);
    EXPECT_EQ(clipped.str(), "") << "captions cut at the dialog font:";
}

}  // namespace
