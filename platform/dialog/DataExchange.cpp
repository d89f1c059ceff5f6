#include "platform/dialog/DataExchange.h"

#include "platform/dialog/Dialog.h"
#include "platform/text/Format.h"
#include "platform/dialog/MessageBox.h"
#include "platform/text/NumberText.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <algorithm>
#include <vector>

namespace {

// The messages of a refused field. The program's own resources hold none:
// these belong to the exchange.
const char* const kNotANumber = "Please enter a number.";
const char* const kNotAnInteger = "Please enter an integer.";
const char* const kNumberRange = "Please enter a number between %s and %s.";
const char* const kIntegerRange = "Please enter an integer between %d and %d.";
const char* const kTooManyChars = "Please enter no more than %d characters.";

[[noreturn]] void Refuse(CDataExchange* pDX, const CString& message)
{
    AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}

size_t CharacterCount(const CString& utf8)
{
    size_t count = 0;
    for (const char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    }
    return count;
}

// The ids of the radio group that starts at `id`, in template order.
std::vector<int> RadioGroup(const CDialog& dialog, int id)
{
    std::vector<int> group;
    const DialogTemplate* t = FindDialogTemplate(dialog.TemplateId());
    if (t == nullptr)
        return group;
    bool inGroup = false;
    for (const ControlTemplate& control : t->controls) {
        if (!inGroup) {
            inGroup = control.id == id && control.kind == ControlKind::RadioButton;
        } else if (control.kind != ControlKind::RadioButton || (control.style & WS_GROUP)) {
            break;
        }
        if (inGroup)
            group.push_back(control.id);
    }
    return group;
}

}  // namespace

CDataExchange::CDataExchange(CDialog* dialog, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog)
{
}

CWnd* CDataExchange::PrepareCtrl(int id)
{
    m_idLastControl = id;
    m_bEditLastControl = FALSE;
    return m_pDlgWnd->GetDlgItem(id);
}

CWnd* CDataExchange::PrepareEditCtrl(int id)
{
    CWnd* control = PrepareCtrl(id);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail()
{
    // Looked up again: the message box ran a loop in which the window could
    // have gone.
    if (CWnd* control = m_pDlgWnd->GetDlgItem(m_idLastControl); control != nullptr && m_bSaveAndValidate) {
        control->SetFocus();
        if (m_bEditLastControl) {
            if (auto* line = qobject_cast<QLineEdit*>(control->Widget()))
                line->selectAll();
            else if (auto* box = qobject_cast<QPlainTextEdit*>(control->Widget()))
                box->selectAll();
        }
    }
    throw DataExchangeFailure{};
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    if (m_widget == nullptr)
        return FALSE;
    CDataExchange exchange(this, saveAndValidate);
    try {
        DoDataExchange(&exchange);
    } catch (const DataExchangeFailure&) {
        return FALSE;
    }
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void DDX_Text(CDataExchange* pDX, int id, double& value)
{
    CWnd* edit = pDX->PrepareEditCtrl(id);
    if (edit == nullptr)
        return;
    if (!pDX->m_bSaveAndValidate) {
        edit->SetWindowText(FormatGeneral(value));
        return;
    }
    const std::optional<double> parsed = ParseDoubleStrict(edit->GetWindowText());
    if (!parsed)
        Refuse(pDX, kNotANumber);
    value = *parsed;
}

void DDX_Text(CDataExchange* pDX, int id, int& value)
{
    CWnd* edit = pDX->PrepareEditCtrl(id);
    if (edit == nullptr)
        return;
    if (!pDX->m_bSaveAndValidate) {
        edit->SetWindowText(Format("%d", value));
        return;
    }
    const std::optional<int> parsed = ParseIntStrict(edit->GetWindowText());
    if (!parsed)
        Refuse(pDX, kNotAnInteger);
    value = *parsed;
}

void DDX_Text(CDataExchange* pDX, int id, CString& value)
{
    CWnd* edit = pDX->PrepareEditCtrl(id);
    if (edit == nullptr)
        return;
    if (pDX->m_bSaveAndValidate)
        value = edit->GetWindowText();
    else
        edit->SetWindowText(value);
}

void DDV_MinMaxDouble(CDataExchange* pDX, double value, double minValue, double maxValue)
{
    if (!pDX->m_bSaveAndValidate || (value >= minValue && value <= maxValue))
        return;
    Refuse(pDX, Format(kNumberRange, FormatGeneral(minValue).c_str(), FormatGeneral(maxValue).c_str()));
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minValue, int maxValue)
{
    if (!pDX->m_bSaveAndValidate || (value >= minValue && value <= maxValue))
        return;
    Refuse(pDX, Format(kIntegerRange, minValue, maxValue));
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars)
{
    if (!pDX->m_bSaveAndValidate) {
        // Loading: the edit just exchanged takes no more than that from now on.
        const CWnd* edit = pDX->m_pDlgWnd->GetDlgItem(pDX->m_idLastControl);
        auto* line = edit != nullptr ? qobject_cast<QLineEdit*>(edit->Widget()) : nullptr;
        if (line != nullptr && pDX->m_bEditLastControl && maxChars > 0)
            line->setMaxLength(maxChars);
        return;
    }
    if (CharacterCount(value) > static_cast<size_t>(std::max(maxChars, 0)))
        Refuse(pDX, Format(kTooManyChars, maxChars));
}

void DDX_Radio(CDataExchange* pDX, int id, int& value)
{
    pDX->PrepareCtrl(id);
    const std::vector<int> group = RadioGroup(*pDX->m_pDlgWnd, id);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    for (size_t index = 0; index < group.size(); ++index) {
        const int i = static_cast<int>(index);
        if (pDX->m_bSaveAndValidate) {
            if (pDX->m_pDlgWnd->IsDlgButtonChecked(group[index]) == BST_CHECKED)
                value = i;
        } else {
            pDX->m_pDlgWnd->CheckDlgButton(group[index], i == value ? BST_CHECKED : BST_UNCHECKED);
        }
    }
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    pDX->PrepareCtrl(id);
    pDX->m_pDlgWnd->AttachControl(id, control);
}
