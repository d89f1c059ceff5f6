#include "platform/dialog/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

BOOL SetClipboardText(const CString& text)
{
    if (qApp == nullptr)
        return FALSE;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return FALSE;
    clipboard->setText(QString::fromStdString(text), QClipboard::Clipboard);
    return TRUE;
}

CString GetClipboardText()
{
    if (qApp == nullptr)
        return {};
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard != nullptr ? clipboard->text(QClipboard::Clipboard).toStdString() : CString();
}
