// The start-up benchmark's floor: the least a Qt Widgets program does to put
// a window of a given size on the screen, one QLabel with a line of text.
// It starts Qt the way the calculator does (no GL integration on X), so the
// difference between the two is the calculator's own work.
// Usage: bare-window [WIDTH HEIGHT]   (default 483x276)

#include <QApplication>
#include <QByteArray>
#include <QLabel>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication application(argc, argv);
    int width = 483;
    int height = 276;
    if (argc == 3) {
        width = QByteArray(argv[1]).toInt();
        height = QByteArray(argv[2]).toInt();
    }
    QLabel label(QStringLiteral("A bare Qt Widgets window"));
    label.setAlignment(Qt::AlignCenter);
    label.setFixedSize(width, height);
    label.show();
    return QApplication::exec();
}
