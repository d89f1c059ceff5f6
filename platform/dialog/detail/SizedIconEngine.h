#pragma once
// An icon drawn in several sizes, each an image file (IconN-S.png, Qt's
// left-16.png): nothing is read until a size is drawn, and then only the
// file that size needs, in its named format (ResourceImage). A size with no
// file of its own is scaled down from the next larger one (or up from the
// largest). Modes other than Normal are made from the Normal image by the
// application's style. It does not look anything up in an icon theme.

#include <QIconEngine>
#include <QList>
#include <QPixmap>
#include <QString>

#include <vector>

class SizedIconEngine : public QIconEngine {
public:
    struct File {
        int size;  // the image is size x size pixels
        QString path;
    };
    SizedIconEngine(std::vector<File> files, const char* format);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;
    QString key() const override;
    QIconEngine* clone() const override;

private:
    // The file drawn for `extent` pixels: the smallest at least that large,
    // else the largest. Null when there are no files.
    const File* FileFor(int extent) const;
    QPixmap Decoded(const File& file);

    std::vector<File> m_files;  // smallest first
    const char* m_format;
    std::vector<QPixmap> m_decoded;  // beside m_files, null until drawn
};
