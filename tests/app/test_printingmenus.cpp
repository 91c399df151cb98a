// The main menu's printer commands in the program: the start-up font check
// sets their captions, and they open the printer selection and the font
// overview.

#include "app/programwindows.h"
#include "printing/fontoverviewwindow.h"
#include "printing/selectprinter.h"
#include "shell/mainwindow.h"
#include "shell/pathparts.h"

#include "modalwindow.h"
#include "testprogram.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kelvarino;

namespace test_printingmenus {

class TestPrintingMenus : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    AppState state_;
    TestPlatform doubles_;
    std::unique_ptr<MainWindow> window_;

    // Runs a menu command whose modal window is expected, and closes it once
    // its comparison is done.
    template <typename Window>
    bool opensModal(const QString &command)
    {
        const auto modal = OnModal<Window>({}, [](Window *w) { return !w->busy(); });
        window_->runCommand(command);
        return modal.seen();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        state_.ProgramFolder = FolderWithSeparator(dir_.path());
        window_ = std::make_unique<MainWindow>(state_, doubles_.platform());
        BindProgramWindows(*window_);
        window_->finishStartUp();
    }

    void startupSetsThePrinterCaptions()
    {
        QVERIFY(state_.PrintingPossible);
        QCOMPARE(state_.ProgramPrinter, BuiltInPdfPrinterName());
        QCOMPARE(window_->menuAction(QStringLiteral("selectPrinter"))->text(),
                 QStringLiteral("Επιλογή εκτυπωτή (PDF)"));
        QCOMPARE(window_->menuAction(QStringLiteral("fonts"))->text(),
                 QStringLiteral("Επισκόπιση γραμματοσειρών (Arial Greek)"));
    }

    void theCommandsOpenTheirWindows()
    {
        QVERIFY(window_->menuAction(QStringLiteral("selectPrinter"))->isEnabled());
        QVERIFY(window_->menuAction(QStringLiteral("fonts"))->isEnabled());
        QVERIFY(opensModal<SelectPrinter>(QStringLiteral("selectPrinter")));
        QVERIFY(opensModal<FontOverviewWindow>(QStringLiteral("fonts")));
    }
};

KV_TEST_MAIN(TestPrintingMenus)

} // namespace test_printingmenus
#include "test_printingmenus.moc"
