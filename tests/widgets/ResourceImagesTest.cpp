// Images the dialogs draw, read without Qt's image-format plugins or an
// icon-theme search: the dialog style draws group boxes and the calendar's
// arrows exactly as the platform's style does, the program's icon has every
// size, and the calculator window, drawn with its calendar, has loaded no
// image-format plugin. (Each suite runs in a process of its own; the last
// suite's process draws nothing else.)

#include "CalcTestSupport.h"

#include "platform/dialog/Icon.h"
#include "platform/dialog/detail/DialogStyle.h"
#include "platform/dialog/detail/IconResource.h"

#include <QCalendarWidget>
#include <QFile>
#include <QGroupBox>
#include <QStyleFactory>

#include <memory>

namespace {

QImage Drawn(QStyle* style, const QString& title, bool checkable)
{
    QGroupBox box(title);
    box.setStyle(style);
    box.setCheckable(checkable);
    box.setFont(QFont(QStringLiteral("Sans Serif"), 8));
    box.resize(120, 80);
    return box.grab().toImage();
}

QImage Pixels(const QIcon& icon, int size)
{
    return icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

bool MapsImagePlugin()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

}  // namespace

TEST(ResourceImages, DialogStyleDrawsAsFusion)
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
    std::unique_ptr<QStyle> ours(new DialogStyle(QStyleFactory::create(QStringLiteral("fusion"))));
    struct Box {
        const char* title;
        bool checkable;
    };
    for (const Box& box : {Box{"", false}, Box{"", true}, Box{"Payment", false}, Box{"&Loan", true}})
        EXPECT_EQ(Drawn(ours.get(), QString::fromLatin1(box.title), box.checkable),
                  Drawn(fusion.get(), QString::fromLatin1(box.title), box.checkable))
            << "group box \"" << box.title << "\", checkable " << box.checkable;

    // No icon theme here: the style's arrows are Qt's own images.
    for (const QStyle::StandardPixmap arrow : {QStyle::SP_ArrowLeft, QStyle::SP_ArrowRight}) {
        for (const int size : {16, 32, 128})
            EXPECT_EQ(Pixels(ours->standardIcon(arrow), size), Pixels(fusion->standardIcon(arrow), size))
                << "arrow " << arrow << " at " << size;
    }
}

TEST(ResourceImages, ProgramIconHasEverySize)
{
    HICON icon = LoadIcon(128);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->windowIcon.availableSizes(),
              (QList<QSize>{{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}}));
    EXPECT_EQ(icon->icon.availableSizes().size(), 8);
    for (const int size : {16, 32, 256})
        EXPECT_EQ(Pixels(icon->icon, size), QImage(QStringLiteral(":/Icon128-%1.png").arg(size))
                                                .convertToFormat(QImage::Format_ARGB32_Premultiplied))
            << size;
    // Between two sizes, the larger one scaled down.
    EXPECT_EQ(icon->icon.pixmap(20, 20).size(), QSize(20, 20));
    EXPECT_EQ(LoadIcon(1), nullptr);
}

TEST(ResourceImagesAlone, CalculatorWindowLoadsNoImagePlugin)
{
    ASSERT_FALSE(MapsImagePlugin()) << "loaded before the test";
    QuietApp app;
    auto* calc = new CCalcDlg(nullptr);
    calc->SetVisible(TRUE);
    QWidget* window = calc->Widget();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    window->grab();  // the first frame, which has the calendar made next
    QApplication::processEvents();
    ASSERT_NE(window->findChild<QCalendarWidget*>(), nullptr);
    window->grab();  // the calendar with its arrows, the group boxes
    EXPECT_FALSE(MapsImagePlugin());
    calc->DestroyWindow();
    QApplication::processEvents();
}
