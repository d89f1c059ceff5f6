// The calculator window's furniture as a user meets it: the banner chosen
// from the current directory and the title it gives, the system menu by
// Alt+Space and by a right click, both ways to the About box and its
// figures, the bolt-hole item, the two buttons that never react, the link,
// F1 and the calendar.

#include "CalcTestSupport.h"

#include "calc/AboutDlg.h"
#include "platform/dialog/detail/DialogWindow.h"

#include <QAction>
#include <QCalendarWidget>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>

#include <sys/statvfs.h>
#include <sys/sysinfo.h>
#include <unistd.h>

#include <functional>
#include <set>
#include <string>

namespace {

constexpr char kTemplateTitle[] = "Tarrow Calculator - v2.5";
constexpr char kFirstBannerTitle[] = "Kestrix Calendar/Calculator v1.12";
constexpr char kSecondBannerTitle[] = "Vantorel Calendar/Calculator v1.12";

// A playable clip: the program's own banner, copied under another name.
void WriteClip(const QString& path)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(NUMBRIX_SOURCE_DIR "/res/Animation179.avi"), path));
}

void WriteGarbage(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("RIFF\x10\x00\x00\x00" "AVI junk that is no clip");
}

// How many colours the banner area shows: a played clip shows several.
int BannerColours(const CCalcDlg& calc)
{
    const QImage shot = calc.GetDlgItem(CCalcDlg::kAnimation)->Widget()->grab().toImage();
    std::set<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 2) {
        for (int x = 0; x < shot.width(); x += 2)
            colours.insert(shot.pixel(x, y));
    }
    return static_cast<int>(colours.size());
}

// Runs `test` with the current directory set to `directory`, then restores it.
void InDirectory(const QString& directory, const std::function<void()>& test)
{
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(directory));
    test();
    QDir::setCurrent(before);
}

struct BannerCase {
    const char* name;
    bool banner1;          // a playable banner1.avi
    bool banner1Garbage;   // a banner1.avi that is no clip
    bool banner2;          // a playable banner2.avi
    const char* title;
};

const BannerCase kBanners[] = {
    {"Both", true, false, true, kFirstBannerTitle},
    {"FirstOnly", true, false, false, kFirstBannerTitle},
    {"SecondOnly", false, false, true, kSecondBannerTitle},
    {"FirstBrokenSecondGood", false, true, true, kSecondBannerTitle},
    {"FirstBrokenOnly", false, true, false, kTemplateTitle},
    {"Neither", false, false, false, kTemplateTitle},
};

class BannerChoice : public ::testing::TestWithParam<BannerCase> {};

TEST_P(BannerChoice, TheFirstBannerThatOpensPlaysAndNamesTheWindow)
{
    const BannerCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    if (c.banner1)
        WriteClip(dir.filePath("banner1.avi"));
    if (c.banner1Garbage)
        WriteGarbage(dir.filePath("banner1.avi"));
    if (c.banner2)
        WriteClip(dir.filePath("banner2.avi"));
    QuietApp app;
    InDirectory(dir.path(), [&] {
        ClearStaleQuitRequest();
        auto* calc = new CCalcDlg(nullptr);
        calc->SetVisible(TRUE);
        ASSERT_TRUE(calc->GetVisible());
        EXPECT_EQ(calc->GetWindowText(), c.title);
        EXPECT_GT(BannerColours(*calc), 2) << "a clip plays in the banner";
        calc->DestroyWindow();
    });
}

INSTANTIATE_TEST_SUITE_P(Calculator, BannerChoice, ::testing::ValuesIn(kBanners),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BannerChoiceAtTheRoot, NoBannerThereLeavesTheBuiltInClipAndTheTemplateTitle)
{
    if (QFile::exists("/banner1.avi") || QFile::exists("/banner2.avi"))
        GTEST_SKIP() << "this machine keeps a banner at the root";
    QuietApp app;
    InDirectory("/", [&] {
        auto* calc = new CCalcDlg(nullptr);
        calc->SetVisible(TRUE);
        EXPECT_EQ(calc->GetWindowText(), kTemplateTitle);
        EXPECT_GT(BannerColours(*calc), 2);
        calc->DestroyWindow();
    });
}

TEST(BannerChoiceWithoutADirectory, WarnsAndPlaysTheBuiltInClip)
{
    QTemporaryDir dir;
    const QString gone = dir.filePath("gone");
    ASSERT_TRUE(QDir().mkdir(gone));
    QuietApp app;
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(gone));
    ASSERT_TRUE(QDir().rmdir(gone));  // the current directory no longer exists
    MessageBoxAnswerer box;
    box.Arm();
    auto* calc = new CCalcDlg(nullptr);
    calc->SetVisible(TRUE);
    QDir::setCurrent(before);
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(box.text, "Warning - Current directory path not found!");
    EXPECT_EQ(box.caption, "Numbrix Calc");
    EXPECT_EQ(calc->GetWindowText(), kTemplateTitle);
    EXPECT_GT(BannerColours(*calc), 2);
    calc->DestroyWindow();
}

// What the test saw of a modal dialog that a step opened.
struct SeenDialog {
    CString caption;
    QPoint position;
    CString memory;
    CString disk;
};

// Runs `open` and, once a modal dialog is up, records it and closes it.
SeenDialog WhatOpens(const std::function<void()>& open, int waitMs = 2000)
{
    SeenDialog seen;
    QObject context;
    bool closed = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &context, [&] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (modal == nullptr || closed)
            return;
        seen.caption = modal->windowTitle().toStdString();
        seen.position = modal->pos();
        for (QLabel* label : modal->findChildren<QLabel*>()) {
            const CString text = label->text().toStdString();
            if (text.ends_with(" KB"))
                seen.memory = text;
            if (text.find(" KB Free on ") != CString::npos || text == "Unavailable")
                seen.disk = text;
        }
        closed = true;
        modal->close();
    });
    poll.start();
    open();
    // A queued command (a menu item) opens its dialog a little later.
    for (int waited = 0; waited < waitMs && !closed; waited += 10)
        QTest::qWait(10);
    return seen;
}

class CalcFurniture : public CalculatorFixture {
protected:
    QMenu* OpenSystemMenuByKeys()
    {
        Type(Qt::Key_Space, Qt::AltModifier);
        return window->findChild<QMenu*>("systemMenu");
    }

    QAction* MenuItem(QMenu* menu, const char* text)
    {
        for (QAction* action : menu->actions()) {
            if (action->text() == QString::fromUtf8(text))
                return action;
        }
        return nullptr;
    }

    // Opens the system menu from the keyboard and chooses the item so named.
    void ChooseFromSystemMenu(const char* text)
    {
        QMenu* menu = OpenSystemMenuByKeys();
        ASSERT_NE(menu, nullptr);
        QAction* item = MenuItem(menu, text);
        ASSERT_NE(item, nullptr) << text;
        item->trigger();
        menu->close();
    }
};

// The banner moves on only while its window can be seen: minimised, the
// window's frames stop (no timer runs), and they go on once it is back.
TEST_F(CalcFurniture, BannerRestsWhileTheWindowIsMinimised)
{
    QWidget* banner = Control(CCalcDlg::kAnimation);
    ASSERT_NE(banner, nullptr);
    const auto advances = [banner] {
        const QImage before = banner->grab().toImage();
        QTest::qWait(450);  // four or five frames of the clip
        return banner->grab().toImage() != before;
    };
    EXPECT_TRUE(advances()) << "shown";
    window->showMinimized();
    QApplication::processEvents();
    EXPECT_FALSE(advances()) << "minimised";
    window->showNormal();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_TRUE(advances()) << "shown again";
}

TEST_F(CalcFurniture, SystemMenuHasMinimizeCloseBoltHoleAndAboutButNoSizeOrMaximize)
{
    QMenu* menu = OpenSystemMenuByKeys();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    std::vector<std::string> items;
    for (const QAction* action : menu->actions())
        items.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    EXPECT_EQ(items, (std::vector<std::string>{"Mi&nimize", "&Close\tAlt+F4", "&Bolt Hole Pattern...", "-",
                                                "&About Numbrix Calc..."}));
    for (const QAction* action : menu->actions())
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
    menu->close();
}

TEST_F(CalcFurniture, RightClickOnTheBackgroundOpensTheSystemMenuButNotOnAButton)
{
    // The "Utilities:" label is background; a key is not.
    const QPoint background = window->rect().bottomRight() - QPoint(3, 3);
    QTest::mouseClick(window, Qt::RightButton, Qt::NoModifier, background);
    QContextMenuEvent onBackground(QContextMenuEvent::Mouse, background, window->mapToGlobal(background));
    QApplication::sendEvent(window, &onBackground);
    QMenu* menu = window->findChild<QMenu*>("systemMenu");
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    menu->close();
    QApplication::processEvents();
    delete window->findChild<QMenu*>("systemMenu");

    QWidget* key = Control(CCalcDlg::kKey0 + 7);
    const QPoint onKey = key->rect().center();
    QContextMenuEvent overKey(QContextMenuEvent::Mouse, onKey, key->mapToGlobal(onKey));
    QApplication::sendEvent(key, &overKey);
    EXPECT_EQ(window->findChild<QMenu*>("systemMenu"), nullptr);
}

TEST_F(CalcFurniture, AboutBoxFromTheSysButtonAndFromTheMenuIsTheSameAt34_22)
{
    const SeenDialog byButton = WhatOpens([&] { Click(CCalcDlg::kSys); });
    const SeenDialog byMenu = WhatOpens([&] { ChooseFromSystemMenu("&About Numbrix Calc..."); });
    EXPECT_EQ(byButton.caption, "About Orvel Calc");
    EXPECT_EQ(byMenu.caption, byButton.caption);
    EXPECT_EQ(byMenu.position, byButton.position);
    // Placed at 34, 22 dialog units from the calculator's client area, not centred.
    const PixelRect offset = DialogRectToPixels(34, 22, 0, 0, static_cast<DialogWindow*>(window)->baseUnits);
    EXPECT_EQ(byButton.position, window->mapToGlobal(QPoint(offset.x, offset.y)));
}

TEST_F(CalcFurniture, AboutFiguresAreThisMachinesMemoryAndTheCurrentFileSystemsFreeSpace)
{
    struct sysinfo info = {};
    ASSERT_EQ(sysinfo(&info), 0);
    const unsigned long long memoryKb =
        static_cast<unsigned long long>(info.totalram) * info.mem_unit / 1024ull;
    struct statvfs fs = {};
    ASSERT_EQ(statvfs(".", &fs), 0);
    const unsigned long long freeKb = static_cast<unsigned long long>(fs.f_bavail) * fs.f_frsize / 1024ull;

    const SeenDialog about = WhatOpens([&] { Click(CCalcDlg::kSys); });
    EXPECT_EQ(about.memory, std::to_string(memoryKb) + " KB");
    // The free space may move a little between the two readings.
    unsigned long long shownKb = 0;
    char drive = 0;
    ASSERT_EQ(std::sscanf(about.disk.c_str(), "%llu KB Free on %c:", &shownKb, &drive), 2) << about.disk;
    EXPECT_EQ(drive, '/');
    EXPECT_LE(shownKb > freeKb ? shownKb - freeKb : freeKb - shownKb, 64ull * 1024) << about.disk;
}

TEST_F(CalcFurniture, BoltHoleItemSendsCommand1034)
{
    const SeenDialog bolt = WhatOpens([&] { ChooseFromSystemMenu("&Bolt Hole Pattern..."); });
    EXPECT_EQ(bolt.caption, "Bolt Hole Dialog");
}

TEST_F(CalcFurniture, PayoffDateAndExtraPaymtsAreDisabledAndNeverReact)
{
    for (const int id : {CCalcDlg::kPayoffDate, CCalcDlg::kExtraPaymts}) {
        auto* button = qobject_cast<QPushButton*>(Control(id));
        ASSERT_NE(button, nullptr);
        EXPECT_FALSE(button->isEnabled());
        const CString before = Display();
        const SeenDialog seen = WhatOpens(
            [&] {
                QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                                  button->mapTo(window, button->rect().center()));
                calc->SendCommand(static_cast<UINT>(id));
            },
            200);
        EXPECT_EQ(seen.caption, "") << "nothing opens for " << id;
        EXPECT_EQ(Display(), before);
        EXPECT_FALSE(button->isEnabled());
    }
}

// Records the URLs the program hands the desktop's URL opener.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    explicit UrlCatcher(const char* scheme) : m_scheme(scheme)
    {
        QDesktopServices::setUrlHandler(m_scheme, this, "Open");
    }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(m_scheme); }

    std::vector<QUrl> urls;

public slots:
    void Open(const QUrl& url) { urls.push_back(url); }

private:
    QString m_scheme;
};

TEST_F(CalcFurniture, TheLinkOpensTheMakersPage)
{
    UrlCatcher web("http");
    auto* link = qobject_cast<QPushButton*>(Control(CCalcDlg::kLink));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->text(), "www.numbrix.example");
    Click(CCalcDlg::kLink);
    ASSERT_EQ(web.urls.size(), 1u);
    EXPECT_EQ(web.urls[0].toString(), "http://www.numbrix.example/index.html");
}

TEST_F(CalcFurniture, F1OpensTheUserGuideOrSaysItIsMissing)
{
    UrlCatcher files("file");
    QTemporaryDir dir;
    const QString guide = dir.filePath("numbrix-calc.html");
    QFile(guide).open(QIODevice::WriteOnly);
    app.m_helpFilePath = guide.toStdString();
    Type(Qt::Key_F1);
    ASSERT_EQ(files.urls.size(), 1u);
    EXPECT_EQ(files.urls[0].toLocalFile(), QFileInfo(guide).canonicalFilePath());

    app.m_helpFilePath = dir.filePath("missing.html").toStdString();
    MessageBoxAnswerer box;
    box.Arm();
    Type(Qt::Key_F1);
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(box.text.rfind("The user guide could not be found.", 0), 0u) << box.text;
    EXPECT_EQ(files.urls.size(), 1u);
}

TEST_F(CalcFurniture, CalendarShowsTheCurrentMonthWithIsoWeeksAndTheCalendarAndBannerAreTabStops)
{
    // The calendar is built right after its frame is first painted.
    QCalendarWidget* calendar = nullptr;
    for (int waited = 0; calendar == nullptr && waited < 2000; waited += 10) {
        QTest::qWait(10);
        calendar = Control(CCalcDlg::kCalendar)->findChild<QCalendarWidget*>();
    }
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->monthShown(), QDate::currentDate().month());
    EXPECT_EQ(calendar->yearShown(), QDate::currentDate().year());
    EXPECT_EQ(calendar->verticalHeaderFormat(), QCalendarWidget::ISOWeekNumbers);
    EXPECT_EQ(calendar->firstDayOfWeek(), Qt::Monday);

    // From the Trig Util. button, the next tab stop is the calendar.
    Control(CCalcDlg::kTrigUtil)->setFocus();
    Type(Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(focus == calendar || calendar->isAncestorOf(focus)) << focus->metaObject()->className();
    // Keys still work the calculator while it has the focus.
    TypeText("7");
    EXPECT_EQ(Display(), "7.");
    // The banner's placeholder is the next tab stop.
    Control(CCalcDlg::kCalendar)->setFocus();
    Type(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Control(CCalcDlg::kAnimation));
}

}  // namespace

#include "CalcFurnitureTest.moc"
