// The yardstick of the start-up benchmark: a Qt program that shows an empty
// main window covering the screen, says "idle" as soon as its event loop is
// idle, and leaves.
#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Κενό παράθυρο"));
    if (const QScreen *screen = window.screen())
        window.setGeometry(screen->availableGeometry());
    window.show();
    QTimer::singleShot(0, &app, [] {
        std::fputs("idle\n", stdout);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return app.exec();
}
