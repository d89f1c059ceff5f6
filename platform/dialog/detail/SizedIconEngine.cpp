#include "platform/dialog/detail/SizedIconEngine.h"

#include "platform/dialog/detail/ResourceImage.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

SizedIconEngine::SizedIconEngine(std::vector<File> files, const char* format)
    : m_files(std::move(files)), m_format(format)
{
    std::sort(m_files.begin(), m_files.end(), [](const File& a, const File& b) { return a.size < b.size; });
    m_decoded.resize(m_files.size());
}

const SizedIconEngine::File* SizedIconEngine::FileFor(int extent) const
{
    if (m_files.empty())
        return nullptr;
    for (const File& file : m_files) {
        if (file.size >= extent)
            return &file;
    }
    return &m_files.back();
}

QPixmap SizedIconEngine::Decoded(const File& file)
{
    QPixmap& decoded = m_decoded[static_cast<std::size_t>(&file - m_files.data())];
    if (decoded.isNull())
        decoded = QPixmap::fromImage(ReadImageAs(file.path, m_format));
    return decoded;
}

QSize SizedIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State)
{
    const File* file = FileFor(std::max(size.width(), size.height()));
    if (file == nullptr)
        return {};
    // Never larger than asked for, as Qt's own icons.
    return QSize(file->size, file->size).boundedTo(size);
}

QPixmap SizedIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State)
{
    const File* file = FileFor(std::max(size.width(), size.height()));
    if (file == nullptr || size.isEmpty())
        return {};
    QPixmap image = Decoded(*file);
    if (image.isNull())
        return {};
    const QSize wanted = QSize(file->size, file->size).boundedTo(size);
    if (image.size() != wanted)
        image = image.scaled(wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (mode != QIcon::Normal && qApp != nullptr) {
        QStyleOption option;
        option.palette = QApplication::palette();
        image = QApplication::style()->generatedIconPixmap(mode, image, &option);
    }
    return image;
}

void SizedIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal scale = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap image = pixmap(rect.size() * scale, mode, state);
    if (image.isNull())
        return;
    image.setDevicePixelRatio(scale);
    const QSize shown = image.deviceIndependentSize().toSize();
    painter->drawPixmap(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, shown, rect), image);
}

QList<QSize> SizedIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (const File& file : m_files)
        sizes.append(QSize(file.size, file.size));
    return sizes;
}

bool SizedIconEngine::isNull()
{
    return m_files.empty();
}

QString SizedIconEngine::key() const
{
    return QStringLiteral("SizedIconEngine");
}

QIconEngine* SizedIconEngine::clone() const
{
    return new SizedIconEngine(*this);
}
