#include "platform/dialog/MessageBox.h"

#include "platform/StringTable.h"

#include <QApplication>
#include <QMessageBox>

int AfxMessageBox(const CString& text, UINT type)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if ((type & 0xF0) == MB_ICONEXCLAMATION)
        icon = QMessageBox::Warning;
    else if ((type & 0xF0) == MB_ICONINFORMATION)
        icon = QMessageBox::Information;
    QMessageBox box(icon, QString::fromStdString(AfxGetAppName()), QString::fromStdString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
    return IDOK;
}

int AfxMessageBox(UINT stringId, UINT type)
{
    return AfxMessageBox(LoadString(stringId), type);
}
