#include "platform/dialog/detail/DialogStyle.h"

#include "platform/dialog/detail/ResourceImage.h"
#include "platform/dialog/detail/SizedIconEngine.h"

#include <QApplication>
#include <QGroupBox>
#include <QStyleFactory>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {

const QString kQtImages = QStringLiteral(":/qt-project.org/styles/commonstyle/images/");

// Qt's own arrow images, in the sizes Qt ships them.
QIcon QtArrow(const QString& direction)
{
    std::vector<SizedIconEngine::File> files;
    for (const int size : {16, 32, 128})
        files.push_back({size, kQtImages + QStringLiteral("%1-%2.png").arg(direction).arg(size)});
    return QIcon(new SizedIconEngine(std::move(files), "png"));
}

bool HasIconTheme()
{
    const QString theme = QIcon::themeName();
    return !theme.isEmpty() && theme != QLatin1String("hicolor");
}

// Fusion's group box: the frame image's corners kept, its edges stretched,
// below the title's line (a few pixels from the top without a title).
constexpr int kFusionGroupBoxTopMargin = 3;
constexpr int kFusionGroupBoxCorner = 6;

}  // namespace

QIcon DialogStyle::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const
{
    if ((which == SP_ArrowLeft || which == SP_ArrowRight) && !HasIconTheme()) {
        QIcon& arrow = which == SP_ArrowLeft ? m_left : m_right;
        if (arrow.isNull())
            arrow = QtArrow(which == SP_ArrowLeft ? QStringLiteral("left") : QStringLiteral("right"));
        return arrow;
    }
    return QProxyStyle::standardIcon(which, option, widget);
}

void DialogStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    if (element != PE_FrameGroupBox || baseStyle()->name() != QLatin1String("fusion")) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    if (m_groupBoxFrame.isNull())
        m_groupBoxFrame = QPixmap::fromImage(ReadImageAs(kQtImages + QStringLiteral("fusion_groupbox.png"), "png"));
    int top = kFusionGroupBoxTopMargin;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    if (box == nullptr || box->isCheckable() || !box->title().isEmpty())
        top += qMax(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
    const int corner = kFusionGroupBoxCorner;
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(corner, corner, corner, corner),
                      m_groupBoxFrame);
}

void InstallDialogStyle()
{
    static bool installed = false;
    if (installed || qApp == nullptr)
        return;
    installed = true;
    // The style replaced is deleted: the proxy wraps a new one of its kind.
    const QString name = QApplication::style()->name();
    if (QStyle* base = name.isEmpty() ? nullptr : QStyleFactory::create(name))
        QApplication::setStyle(new DialogStyle(base));
}
