#include "support_shellfixture.h"

#include "core/autoloadfile.h"
#include "shell/builtinpictures.h"
#include "shell/commandline.h"
#include "shell/splashwindow.h"
#include "shell/wallpaperarea.h"
#include "shell/wallpaperreadingmark.h"
#include "modalwindow.h"
#include "testprogram.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include <future>

using namespace kelvarino;

namespace test_startup {

namespace {

const QString ContinueTitle = QStringLiteral("Συνέχεια της εργασίας σας");

// An autoload file with this recent entry (and whatever else `adjust` sets).
void writeAutoload(ShellFixture &f, const QString &recentPath, const std::function<void(AppState &)> &adjust = {})
{
    AppState saved;
    saved.ProgramFolder = f.programFolder();
    if (!recentPath.isEmpty()) {
        saved.DataFolder = f.programFolder();
        saved.DataFileName = QFileInfo(recentPath).fileName();
        PromoteCurrentFile(saved);
    }
    if (adjust)
        adjust(saved);
    QVERIFY(SaveAutoloadFile(saved));
}

// Hands the window a built-in picture painted ahead, of one colour, so that a
// test can tell it from any other wallpaper; returns it.
QImage paintBuiltInAhead(ShellFixture &f, QColor colour)
{
    const QScreen *screen = f.window->screen();
    const QSize size = MainWindow::stretchedSize(screen->availableGeometry().width(), screen);
    QImage ahead(size, QImage::Format_RGB32);
    ahead.fill(colour);
    std::promise<QImage> painted;
    painted.set_value(ahead);
    f.window->usePreparedWallpaper(size, painted.get_future().share());
    return ahead;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void withoutAnAutoloadFileTheDefaultsStay()
    {
        ShellFixture f;
        f.window->finishStartUp();
        QVERIFY(f.doubles.messages.shown.isEmpty());
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Κελβαρίνο/v2.2/2016 - Νέο"));
        QVERIFY(!f.window->menuAction(QStringLiteral("recentFile(0)"))->isVisible());
        QVERIFY(!f.window->menuAction(QStringLiteral("recentFileSeparator"))->isVisible());
        QVERIFY(!f.window->menuAction(QStringLiteral("marginsCorrection"))->isVisible());
        QVERIFY(!f.window->menuAction(QStringLiteral("fontsSeparator"))->isVisible());
        QCOMPARE(f.state.PreferredFont, QStringLiteral("Arial Greek"));
        QCOMPARE(f.state.ProgramPrinter, QStringLiteral("PDF"));
        QCOMPARE(f.window->menuAction(QStringLiteral("selectPrinter"))->text(),
                 QStringLiteral("Επιλογή εκτυπωτή (PDF)"));
        QVERIFY(f.state.PrintingPossible);
        QCOMPARE(f.state.Wallpaper.Mode, qint16(WallpaperSetting::BuiltInPicture));
        QVERIFY(!f.window->clientArea()->picture().isNull());
        QCOMPARE(f.state.DataFolder, f.programFolder());
    }

    // The whole main window, its title bar and borders too, stands on the
    // screen's available area: at the start, and when the wallpaper command
    // sets it to cover the screen again.
    void theWholeWindowCoversTheAvailableArea()
    {
        ShellFixture f;
        f.window->finishStartUp();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        const QRect available = f.window->screen()->availableGeometry();
        QVERIFY(f.window->frameGeometry() != f.window->geometry()); // the test platform frames its windows
        QCOMPARE(f.window->frameGeometry(), available);
        f.window->setGeometry(100, 100, 600, 400);
        f.window->runCommand(QStringLiteral("wallpaper"));
        QCOMPARE(f.window->frameGeometry(), available);
    }

    void theLastWorkIsOfferedAndOpened()
    {
        ShellFixture f;
        const QString path = f.writeWork(QStringLiteral("last.s43"), 3, 2);
        writeAutoload(f, path);
        f.doubles.messages.script = {MessageAnswer::Yes};
        f.window->finishStartUp();
        const MessageRequest &question = f.doubles.messages.shown.first();
        QCOMPARE(question.title, ContinueTitle);
        QCOMPARE(question.text, QStringLiteral("Θα θέλατε να συνεχίσετε την τελευταία σας εργασία;"));
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QCOMPARE(question.icon, MessageIcon::Question);
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Κελβαρίνο/v2.2/2016 - last.s43"));
        QCOMPARE(f.state.Building.FlatCount(), 3);
    }

    void answeringNoLeavesTheNewWork()
    {
        ShellFixture f;
        writeAutoload(f, f.writeWork(QStringLiteral("last.s43"), 3, 2));
        f.doubles.messages.script = {MessageAnswer::No};
        f.window->finishStartUp();
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Κελβαρίνο/v2.2/2016 - Νέο"));
        QCOMPARE(f.state.Building.FlatCount(), 0);
        QVERIFY(f.window->menuAction(QStringLiteral("recentFile(0)"))->isVisible());
    }

    void theCommandLineFileOpensWithoutTheQuestion()
    {
        ShellFixture f;
        writeAutoload(f, f.writeWork(QStringLiteral("last.s43"), 3, 2));
        f.state.CommandLinePath = f.writeWork(QStringLiteral("given.s43"), 5, 1);
        f.window->finishStartUp();
        QVERIFY(f.doubles.messages.shown.isEmpty());
        QCOMPARE(f.state.Building.FlatCount(), 5);
        // The opened file heads the recent list.
        QCOMPARE(f.state.RecentFiles[0].FileName.trimmed(), QStringLiteral("given.s43"));
        QCOMPARE(f.state.RecentFiles[1].FileName.trimmed(), QStringLiteral("last.s43"));
    }

    void aFailedCommandLineFileIsFollowedByTheQuestion()
    {
        ShellFixture f;
        writeAutoload(f, f.writeWork(QStringLiteral("last.s43"), 3, 2));
        f.state.CommandLinePath = f.dir.filePath(QStringLiteral("missing.s43"));
        f.doubles.messages.script = {MessageAnswer::Ok, MessageAnswer::Yes};
        f.window->finishStartUp();
        QCOMPARE(f.messageTitles(),
                 (QStringList{QStringLiteral("Πρόβλημα με την ανάγνωση του αρχείου DAT"), ContinueTitle}));
        QCOMPARE(f.state.Building.FlatCount(), 3);
    }

    void aWallpaperPaintedAheadIsTheOneShown()
    {
        // The start-up paints the wallpaper on another thread for a window
        // that covers the screen; the window shows that very picture.
        ShellFixture f;
        const QImage ahead = paintBuiltInAhead(f, Qt::magenta);
        f.window->finishStartUp();
        QCOMPARE(f.window->clientArea()->picture(), ahead);
    }

    void aFileThatIsNotOursIsIgnored()
    {
        ShellFixture f;
        QFile file(AutoloadFilePath(f.programFolder()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("$MirdostaAutoloadParameters03$ and more");
        file.close();
        f.window->finishStartUp();
        QVERIFY(f.doubles.messages.shown.isEmpty());
        QVERIFY(!f.window->menuAction(QStringLiteral("recentFile(0)"))->isVisible());
        // The built-in picture at its own size.
        QCOMPARE(f.window->clientArea()->picture().width(), 1023);
    }

    void storedPrinterAndMissingWallpaperFallBack()
    {
        ShellFixture f;
        writeAutoload(f, {}, [](AppState &saved) {
            saved.ProgramPrinter = QStringLiteral("Gone Printer");
            saved.PreferredFont = QStringLiteral("DejaVu Sans");
            saved.Wallpaper.Mode = WallpaperSetting::PictureFile;
            saved.Wallpaper.PicturePath.set(QStringLiteral("/no/such/picture.jpg"));
        });
        f.doubles.printers.names = {QStringLiteral("Office"), QStringLiteral("PDF")};
        f.doubles.printers.current = QStringLiteral("Office");
        f.window->finishStartUp();
        QCOMPARE(f.state.ProgramPrinter, QStringLiteral("Office"));
        QCOMPARE(f.state.SystemPrinter, QStringLiteral("Office"));
        QCOMPARE(f.state.PreferredFont, QStringLiteral("DejaVu Sans"));
        QCOMPARE(f.window->menuAction(QStringLiteral("fonts"))->text(),
                 QStringLiteral("Επισκόπιση γραμματοσειρών (DejaVu Sans)"));
        QCOMPARE(f.state.Wallpaper.Mode, qint16(WallpaperSetting::BuiltInPicture));
    }

    void aStoredPictureWhoseReadingNeverFinishedIsNotReadAgain_data()
    {
        QTest::addColumn<bool>("markLeftBehind");
        QTest::newRow("the last reading finished") << false;
        QTest::newRow("the last start stopped while reading") << true;
    }

    void aStoredPictureWhoseReadingNeverFinishedIsNotReadAgain()
    {
        QFETCH(bool, markLeftBehind);
        ShellFixture f;
        const QString picturePath = QDir(f.programFolder()).filePath(QStringLiteral("wall.png"));
        QImage stored(40, 30, QImage::Format_RGB32);
        stored.fill(Qt::darkGreen);
        QVERIFY(stored.save(picturePath));
        writeAutoload(f, {}, [&picturePath](AppState &saved) {
            saved.Wallpaper.Mode = WallpaperSetting::PictureFile;
            saved.Wallpaper.PicturePath.set(picturePath);
        });
        WallpaperReadingMark mark(f.programFolder());
        if (markLeftBehind)
            QVERIFY(mark.begin(picturePath));

        const QImage builtIn = paintBuiltInAhead(f, Qt::magenta);
        f.window->finishStartUp();

        const QImage shown = f.window->clientArea()->picture();
        QCOMPARE(shown == builtIn, markLeftBehind);
        if (!markLeftBehind)
            QCOMPARE(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(Qt::darkGreen));
        QVERIFY(f.doubles.messages.shown.isEmpty());
        QVERIFY(!mark.leftBehind());
        // What the next start reads: the choice is reset only after a reading
        // that never finished.
        AppState next;
        next.ProgramFolder = f.programFolder();
        QVERIFY(LoadAutoloadFile(next));
        QCOMPARE(next.Wallpaper.Mode, qint16(markLeftBehind ? WallpaperSetting::BuiltInPicture
                                                           : WallpaperSetting::PictureFile));
        QCOMPARE(f.state.Wallpaper.Mode, next.Wallpaper.Mode);
    }

    void withoutPrintersTheUserIsTold()
    {
        ShellFixture f;
        f.doubles.printers.names.clear();
        f.window->finishStartUp();
        QCOMPARE(f.doubles.messages.shown.size(), 1);
        const MessageRequest &message = f.doubles.messages.shown.first();
        QCOMPARE(message.title, QStringLiteral("Εκτυπωτές"));
        QCOMPARE(message.text, QStringLiteral("Δεν έχετε εγκατεστημένους εκτυπωτές στο σύστημά σας. Δεν μπορείτε να "
                                              "εκτυπώσετε. Αν ξέρετε ότι έχετε εγκαταστήσει εκτυπωτές, "
                                              "επανεκκινήστε τον υπολογιστή σας."));
        QCOMPARE(message.icon, MessageIcon::Exclamation);
        QVERIFY(!f.state.PrintingPossible);
        QVERIFY(f.state.ProgramPrinter.isEmpty());
        QCOMPARE(f.window->menuAction(QStringLiteral("selectPrinter"))->text(),
                 QStringLiteral("Επιλογή εκτυπωτή (Δεν υπάρχουν)"));
    }

    // A print system that does not answer at start-up (or cannot be reached)
    // has not said that the program printer is gone: it stays the program
    // printer, also in the autoload file the opening writes. One that answers
    // without it has, and the system printer takes its place; so it does when
    // none was stored. Either way the start-up asks once, opens its file and
    // leaves no window waiting.
    void aSilentPrintSystemKeepsTheProgramPrinter_data()
    {
        QTest::addColumn<bool>("answers");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("programPrinter");
        QTest::newRow("silent") << false << QStringLiteral("Office") << QStringLiteral("Office");
        QTest::newRow("silent, none stored") << false << QString() << BuiltInPdfPrinterName();
        QTest::newRow("answering without it") << true << QStringLiteral("Office") << BuiltInPdfPrinterName();
    }
    void aSilentPrintSystemKeepsTheProgramPrinter()
    {
        QFETCH(bool, answers);
        QFETCH(QString, stored);
        QFETCH(QString, programPrinter);
        ShellFixture f;
        f.doubles.printers.printSystemAnswers = answers;
        writeAutoload(f, QString(), [&](AppState &saved) { saved.ProgramPrinter = stored; });
        f.state.CommandLinePath = f.writeWork(QStringLiteral("given.s43"), 5, 1);
        {
            const auto nothingWaits = NoModalLeftOpen();
            f.window->finishStartUp();
        }
        QCOMPARE(f.doubles.printers.listQuestions, 1);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        for (const QWidget *top : QApplication::topLevelWidgets())
            QVERIFY2(!top->isVisible() || top == f.window.get(), qPrintable(top->windowTitle()));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Κελβαρίνο/v2.2/2016 - given.s43"));
        QCOMPARE(f.state.Building.FlatCount(), 5);
        QCOMPARE(f.state.ProgramPrinter, programPrinter);
        QCOMPARE(f.window->menuAction(QStringLiteral("selectPrinter"))->text(),
                 QStringLiteral("Επιλογή εκτυπωτή (%1)").arg(programPrinter));
        AppState next;
        next.ProgramFolder = f.programFolder();
        QVERIFY(LoadAutoloadFile(next));
        QCOMPARE(next.RecentFiles[0].FileName.trimmed(), QStringLiteral("given.s43"));
        QCOMPARE(next.ProgramPrinter, programPrinter);
    }

    // Exit given while the start-up waits for the print system ends the
    // program there: no window opens after it and no file is read.
    void exitWhileThePrintSystemIsAskedEndsTheStart()
    {
        ShellFixture f;
        f.doubles.printers.printSystemAnswers = false;
        f.state.CommandLinePath = f.writeWork(QStringLiteral("given.s43"), 5, 1);
        f.doubles.printers.whileAsked = [&f] {
            f.doubles.printers.whileAsked = nullptr;
            f.window->runCommand(QStringLiteral("exit"));
        };
        f.doubles.messages.script = {MessageAnswer::Yes};
        {
            const auto nothingOpens = NoModal();
            f.window->finishStartUp();
        }
        QCOMPARE(f.endings, 1);
        QCOMPARE(f.messageTitles(), QStringList{QStringLiteral("Έξοδος από το πρόγραμμα")});
        QCOMPARE(f.state.Building.FlatCount(), 0);
        QVERIFY(!f.window->isVisible());
    }

    void theCommandLineNamesADataFile_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::newRow("absolute") << QStringList{QStringLiteral("prog"), QStringLiteral("/data/Σπίτι.s43")}
                                  << QStringLiteral("/data/Σπίτι.s43");
        QTest::newRow("upper-case extension") << QStringList{QStringLiteral("prog"), QStringLiteral("/data/a.S43")}
                                              << QString();
        QTest::newRow("other file") << QStringList{QStringLiteral("prog"), QStringLiteral("/data/a.txt")} << QString();
        QTest::newRow("none") << QStringList{QStringLiteral("prog")} << QString();
        QTest::newRow("relative") << QStringList{QStringLiteral("prog"), QStringLiteral("b.s43")}
                                  << QDir::current().absoluteFilePath(QStringLiteral("b.s43"));
    }

    void theCommandLineNamesADataFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QCOMPARE(CommandLine::dataFilePath(arguments), expected);
        QCOMPARE(CommandLine::programFolder(QStringLiteral("/")), QStringLiteral("/"));
        QCOMPARE(CommandLine::programFolder(QStringLiteral("/opt/k")), QStringLiteral("/opt/k/"));
    }

    void theSplashEntersOnAClickOrByItself()
    {
        int entered = 0;
        SplashWindow waiting(false, [&] { ++entered; });
        waiting.show();
        QVERIFY(!waiting.timer()->isActive());
        QCOMPARE(waiting.clickArea()->toolTip(), QStringLiteral("κλικ για είσοδο"));
        QTest::mouseClick(waiting.clickArea(), Qt::LeftButton);
        QCOMPARE(entered, 1);
        QVERIFY(!waiting.isVisible());

        SplashWindow byItself(true, [&] { ++entered; });
        byItself.show();
        QTRY_COMPARE(entered, 2);
    }

    void theSplashShowsItsPicture()
    {
        SplashWindow splash(false, [] {});
        splash.show();
        const auto *picture = qobject_cast<QLabel *>(splash.childAt(5, 5));
        QVERIFY(picture);
        QCOMPARE(picture->pixmap().toImage().convertToFormat(QImage::Format_RGB32), BuiltInPictures::splash());
        QCOMPARE(splash.size(), BuiltInPictures::splash().size());
    }

    void shiftAloneShowsTheHiddenPicture()
    {
        SplashWindow splash(false, [] {});
        splash.show();
        QWidget *picture = splash.childAt(5, 5);
        QTest::mouseClick(picture, Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier, QPoint(5, 5));
        QVERIFY(splash.portrait()->isHidden());
        QTest::mouseClick(picture, Qt::RightButton, Qt::ShiftModifier, QPoint(5, 5));
        QVERIFY(!splash.portrait()->isHidden());
        QVERIFY(!splash.portrait()->pixmap().isNull());
        QTest::mouseClick(splash.portrait(), Qt::LeftButton);
        QVERIFY(splash.portrait()->isHidden());
    }
};

KV_TEST_MAIN(TestStartup)

} // namespace test_startup
#include "test_startup.moc"
