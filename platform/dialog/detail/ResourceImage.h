#pragma once
// Images compiled into the program (and Qt's own), read in the format their
// name gives. Qt, asked for an image without a named format, loads every
// image-format plugin it has (GIF, ICO, JPEG and the libraries behind them)
// to ask each whether it reads the file; read here, only the named format's
// reader runs. Decoding only; no caching.

#include <QImage>
#include <QString>

// The image at `path` read as `format` ("png", "bmp"); a null image when it
// is missing or is not that format.
QImage ReadImageAs(const QString& path, const char* format);
