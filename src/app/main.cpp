#include "programwindows.h"

#include "platform/localeservice.h"
#include "platform/qtplatform.h"
#include "shell/builtinpictures.h"
#include "shell/commandline.h"
#include "shell/dialogchoiceservice.h"
#include "shell/mainfrm.h"
#include "shell/promotion.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>

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

    std::unique_ptr<MainFrm> mainWindow;
    promotion splash(!state.CommandLinePath.isEmpty(), [&] {
        mainWindow = std::make_unique<MainFrm>(state, platform);
        BindProgramWindows(*mainWindow);
        desktop.setOwner(mainWindow.get());
        choices.setOwner(mainWindow.get());
        QObject::connect(mainWindow.get(), &MainFrm::programEnded, &app, [] { QCoreApplication::exit(0); });
        mainWindow->MDIForm_Load();
        // For start-up measurements: say so and leave as soon as the program is idle.
        if (qEnvironmentVariableIsSet("KELVARINO_REPORT_IDLE"))
            QTimer::singleShot(0, &app, [] {
                std::fputs("idle\n", stdout);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
    });
    splash.show();
    // While the splash waits, the printers, the fonts and the wallpaper the
    // main window will need are prepared.
    QTimer::singleShot(0, &app, [&desktop] {
        desktop.prefetch();
        QFontDatabase::families();
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            BuiltInPictures::wallpaper(MainFrm::stretchedSize(screen->availableGeometry().width(), screen));
    });
    return app.exec();
}
