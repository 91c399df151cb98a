#include "programwindows.h"

#include "platform/localeservice.h"
#include "platform/qtplatform.h"
#include "platform/qttranslation.h"
#include "shell/builtinpictures.h"
#include "shell/commandline.h"
#include "shell/dialogchoiceservice.h"
#include "shell/mainwindow.h"
#include "shell/splashwindow.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>

#include <future>
#include <memory>

using namespace kelvarino;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvarino"));
    // The program ends only through the main window's shutdown; the splash
    // closing before the main window opens must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    LocaleService::installGreekLocale();
    installToolkitTranslation();
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(BuiltInPictures::icon())));
    // Child-window captions in the narrower face the windows were laid out
    // for, so that the long Greek captions fit their frames.
    QFont caption(QStringLiteral("Arial"));
    caption.setPointSizeF(9);
    QApplication::setFont(caption, "QMdiSubWindowTitleBar");

    AppState state;
    state.ProgramFolder = CommandLine::programFolder(QCoreApplication::applicationDirPath());
    state.CommandLinePath = CommandLine::dataFilePath(QCoreApplication::arguments());

    QtPlatform desktop(state.ProgramFolder + QStringLiteral("help"));
    DialogChoiceService choices;
    const Platform platform = desktop.platform(&choices);
    choices.setHelp(platform.help);

    // The built-in wallpaper for a main window that covers the screen.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize wallpaperSize = MainWindow::stretchedSize(screen ? screen->availableGeometry().width() : 1024, screen);
    std::shared_future<QImage> wallpaper;

    // The main window is made, hidden, while the splash waits; it shows itself
    // in its load, once the splash has closed.
    std::unique_ptr<MainWindow> mainWindow;
    const auto makeMainWindow = [&] {
        if (mainWindow)
            return;
        mainWindow = std::make_unique<MainWindow>(state, platform);
        BindProgramWindows(*mainWindow);
        mainWindow->usePreparedWallpaper(wallpaperSize, wallpaper);
        desktop.setOwner(mainWindow.get());
        choices.setOwner(mainWindow.get());
        // The start-up may run before the application's event loop does (the
        // splash's showing runs pending timers), and an exit asked for then
        // would be forgotten when the loop starts: it is asked again from
        // inside the loop.
        QObject::connect(mainWindow.get(), &MainWindow::programEnded, &app, [&app] {
            QCoreApplication::exit(0);
            QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
        });
        mainWindow->layOutHidden();
    };
    SplashWindow splash(!state.CommandLinePath.isEmpty(), [&] {
        makeMainWindow();
        mainWindow->finishStartUp();
        // For start-up measurements: say so and leave as soon as the program is idle.
        if (qEnvironmentVariableIsSet("KELVARINO_REPORT_IDLE"))
            QTimer::singleShot(0, &app, [] {
                std::fputs("idle\n", stdout);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
    });
    splash.show();
    // While the splash waits, other threads paint the wallpaper and read the
    // print system's printers. They start only now: beside the making of the splash
    // they would slow it down.
    wallpaper = std::async(std::launch::async, [wallpaperSize] { return BuiltInPictures::wallpaper(wallpaperSize); });
    desktop.prepare();
    QTimer::singleShot(0, &app, makeMainWindow);
    return app.exec();
}
