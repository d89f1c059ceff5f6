#include "platform/application/UserGuide.h"

#include <QDir>
#include <QFileInfo>

CString FindUserGuide(const CString& programPath)
{
    const QFileInfo program(QString::fromStdString(programPath));
    const QString name = program.fileName() + QStringLiteral(".html");
    const QDir dir = program.absoluteDir();
    const QString candidates[] = {
        dir.filePath(name),
        dir.filePath(QStringLiteral("../share/%1/%2").arg(program.fileName(), name)),
    };
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return QFileInfo(candidate).canonicalFilePath().toStdString();
    }
    return {};
}
