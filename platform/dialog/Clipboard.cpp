#include "platform/dialog/Clipboard.h"

#include "platform/dialog/detail/ClipboardUtf8.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

bool SetClipboardUtf8(const QByteArray& text)
{
    if (qApp == nullptr)
        return false;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return false;
    // Plain text given as UTF-8 bytes is what QMimeData::text() decodes and
    // what the X clipboard hands out for UTF8_STRING, without a UTF-16 copy.
    auto* data = new QMimeData;
    data->setData(QStringLiteral("text/plain"), text);
    clipboard->setMimeData(data, QClipboard::Clipboard);
    return true;
}

void EmptyClipboard()
{
    if (qApp != nullptr && QGuiApplication::clipboard() != nullptr)
        QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
}

BOOL SetClipboardText(const CString& text)
{
    return SetClipboardUtf8(QByteArray::fromStdString(text)) ? TRUE : FALSE;
}

CString GetClipboardText()
{
    if (qApp == nullptr)
        return {};
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard != nullptr ? clipboard->text(QClipboard::Clipboard).toStdString() : CString();
}
