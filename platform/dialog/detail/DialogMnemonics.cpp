#include "platform/dialog/detail/DialogMnemonics.h"

#include "platform/dialog/detail/ControlLabels.h"

#include <QAbstractButton>
#include <QLabel>

#include <cctype>

void DialogMnemonics::Add(char letter, QWidget* owner, QWidget* target)
{
    if (letter != '\0' && owner != nullptr && target != nullptr)
        m_entries.push_back({letter, owner, target});
}

bool DialogMnemonics::Activate(char letter) const
{
    const auto wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (const Entry& entry : m_entries) {
        if (entry.letter != wanted || entry.owner == nullptr || entry.target == nullptr)
            continue;
        QWidget* target = entry.target;
        if (!entry.owner->isVisible() || !target->isVisible() || !target->isEnabled())
            continue;
        // A button is pressed the way a short click presses it; anything
        // else takes the focus, as by Tab (an edit's text is selected).
        if (auto* button = qobject_cast<QAbstractButton*>(target))
            button->animateClick();
        else
            target->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return false;
}

namespace {

bool HasMark(QWidget* widget)
{
    auto* label = qobject_cast<QLabel*>(widget);
    return label != nullptr && label->text().contains(QLatin1Char('&'));
}

}  // namespace

void MnemonicLinker::Link(const ControlTemplate& control, QWidget* widget)
{
    if (m_pendingOwner != nullptr) {
        if (HasMark(m_pendingOwner))
            static_cast<QLabel*>(m_pendingOwner)->setBuddy(widget);
        m_mnemonics.Add(m_pendingLetter, m_pendingOwner, widget);
        m_pendingOwner = nullptr;
    }
    const char letter = MnemonicOf(control.caption);
    const bool lendsIt = control.kind == ControlKind::Static || control.kind == ControlKind::GroupBox;
    if (qobject_cast<QAbstractButton*>(widget) != nullptr) {
        m_mnemonics.Add(letter, widget, widget);
    } else if (lendsIt && (letter != '\0' || HasMark(widget))) {
        m_pendingOwner = widget;
        m_pendingLetter = letter;
    }
}
