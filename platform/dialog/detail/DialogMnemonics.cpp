#include "platform/dialog/detail/DialogMnemonics.h"

#include <QAbstractButton>

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
