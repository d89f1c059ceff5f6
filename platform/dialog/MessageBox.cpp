#include "platform/dialog/MessageBox.h"

#include "platform/StringTable.h"
#include "platform/WinThread.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

int AfxMessageBox(const CString& text, UINT type)
{
    // Without a display nobody could see the box, let alone press OK: the
    // message goes to the terminal and counts as answered.
    if (!AfxHasDisplay()) {
        std::fprintf(stderr, "%s: %s\n", AfxGetAppName().c_str(), text.c_str());
        return IDOK;
    }
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
