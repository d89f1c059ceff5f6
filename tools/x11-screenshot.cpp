// Saves a PNG of an X display's screen, or of one rectangle of it: what the
// run script shows a user whose machine has no display of its own.
// Usage: x11-screenshot FILE.png [X Y WIDTH HEIGHT] (display from DISPLAY).

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 6) {
        std::fprintf(stderr, "usage: %s FILE.png [X Y WIDTH HEIGHT]\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    QGuiApplication app(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        std::fprintf(stderr, "no screen on this display\n");
        return 1;
    }
    int rect[4] = {0, 0, -1, -1};
    for (int i = 0; argc == 6 && i < 4; ++i)
        rect[i] = QByteArray(argv[2 + i]).toInt();
    const QPixmap shot = screen->grabWindow(0, rect[0], rect[1], rect[2], rect[3]);
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "could not save %s\n", argv[1]);
        return 1;
    }
    return 0;
}
