#include "platform/system/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

BOOL ShellOpen(const CString& url)
{
    const QUrl target(QString::fromStdString(url), QUrl::StrictMode);
    if (!target.isValid() || target.isRelative())
        return FALSE;
    return QDesktopServices::openUrl(target) ? TRUE : FALSE;
}

CString FileUrl(const CString& absolutePath)
{
    return QUrl::fromLocalFile(QString::fromStdString(absolutePath)).toString(QUrl::FullyEncoded).toStdString();
}
