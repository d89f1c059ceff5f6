#include "platform/dialog/detail/ResourceImage.h"

#include <QImageReader>

QImage ReadImageAs(const QString& path, const char* format)
{
    QImageReader reader(path, format);
    // Without this, a named format still asks every plugin first.
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
