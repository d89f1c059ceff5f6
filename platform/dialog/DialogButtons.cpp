// CDialog's button operations: checking radio buttons by id and by range,
// and binding control objects to controls.

#include "platform/dialog/Dialog.h"

#include <QAbstractButton>
#include <QRadioButton>

namespace {

QAbstractButton* CheckableButton(const CWnd* control)
{
    auto* button = control != nullptr ? qobject_cast<QAbstractButton*>(control->Widget()) : nullptr;
    return button != nullptr && button->isCheckable() ? button : nullptr;
}

}  // namespace

void CDialog::CheckRadioButton(int first, int last, int checked)
{
    for (const auto& [id, control] : m_controls) {
        if (id < first || id > last)
            continue;
        // Setting the state sends no click: no handler runs.
        if (auto* radio = qobject_cast<QRadioButton*>(control->Widget()))
            radio->setChecked(id == checked);
    }
}

UINT CDialog::IsDlgButtonChecked(int id) const
{
    const QAbstractButton* button = CheckableButton(GetDlgItem(id));
    return button != nullptr && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CDialog::CheckDlgButton(int id, UINT check)
{
    if (QAbstractButton* button = CheckableButton(GetDlgItem(id)))
        button->setChecked(check != BST_UNCHECKED);
}

void CDialog::AttachControl(int id, CWnd& control)
{
    const CWnd* item = GetDlgItem(id);
    if (item == nullptr || control.GetSafeHwnd() != nullptr)
        return;
    control.Attach(item->GetSafeHwnd());
    m_boundControls.push_back(&control);
}
