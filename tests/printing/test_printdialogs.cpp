// The print-parameters dialog, the page setup and the two value dialogs,
// driven through their handlers.

#include "printingfixture.h"

#include "platform/qthelpservice.h"

#include "printing/pagesetupdialog.h"
#include "printing/printparametersdialog.h"
#include "printing/selectprinter.h"
#include "printing/settingvaluedialog.h"

#include "modalwindow.h"
#include "testprogram.h"

#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTextBrowser>
#include <QWindow>
#include <QtTest>

using namespace kelvarino;

namespace test_printdialogs {

// Whether the help window stands above every window of the program through
// the window system: it asks to stay on top, while it takes input.
bool staysAbove(const QTextBrowser *help)
{
    return help->isVisible() && !help->isMinimized()
        && help->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
}

class TestPrintDialogs : public QObject
{
    Q_OBJECT

private slots:
    void printParametersShowTheGridAndKeepThePagesChoice()
    {
        PrintingFixture f;
        {
            PrintParametersDialog dialog(f.context(), 2, 3);
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Παράμετροι εκτύπωσης"));
            QCOMPARE(dialog.pagesText(), QStringLiteral("2x3"));
            QCOMPARE(dialog.printerText(), QStringLiteral("PDF"));
            QVERIFY(!dialog.allPagesSelected());
            QCOMPARE(dialog.copiesText(), QStringLiteral("1"));
            dialog.chooseAllPages(true);
            dialog.confirm();
            QVERIFY(dialog.choice().confirmed);
            QVERIFY(dialog.choice().allPages);
            QCOMPARE(dialog.choice().copies, 1);
        }
        PrintParametersDialog again(f.context(), 1, 1);
        QVERIFY(again.allPagesSelected());
        // One arrow step up adds a copy; a page step adds five.
        again.copiesBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(again.copiesText(), QStringLiteral("2"));
        again.copiesBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
        QCOMPARE(again.copiesText(), QStringLiteral("7"));
        again.reject();
        QVERIFY(!again.choice().confirmed);
    }

    // Real clicks on the copies bar as laid out: its track must show beside the
    // thumb on both sides, a click above the thumb adds five copies and one
    // below removes five; the up arrow adds one, the down arrow removes one.
    void copiesBarClicks()
    {
        PrintingFixture f;
        PrintParametersDialog dialog(f.context(), 1, 1);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QScrollBar *bar = dialog.copiesBar();
        const auto part = [bar](QStyle::SubControl control) {
            QStyleOptionSlider option;
            option.initFrom(bar);
            option.subControls = QStyle::SC_All;
            option.orientation = bar->orientation();
            option.minimum = bar->minimum();
            option.maximum = bar->maximum();
            option.sliderPosition = bar->sliderPosition();
            option.sliderValue = bar->value();
            option.singleStep = bar->singleStep();
            option.pageStep = bar->pageStep();
            option.upsideDown = bar->invertedAppearance();
            return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, control, bar);
        };
        const auto click = [bar](const QRect &area) {
            QVERIFY2(area.height() >= 4 && area.width() >= 4, "too small to be clicked");
            QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, area.center());
        };

        // One copy: the thumb rests at the bottom, the whole track above it.
        QVERIFY(part(QStyle::SC_ScrollBarAddPage).height() <= 0);
        click(part(QStyle::SC_ScrollBarSubPage));
        QCOMPARE(dialog.copiesText(), QStringLiteral("6"));
        QCOMPARE(dialog.copiesFromBar(), 6);
        click(part(QStyle::SC_ScrollBarSubPage));
        QCOMPARE(dialog.copiesText(), QStringLiteral("11"));
        click(part(QStyle::SC_ScrollBarAddPage));
        QCOMPARE(dialog.copiesText(), QStringLiteral("6"));
        click(part(QStyle::SC_ScrollBarSubLine));
        QCOMPARE(dialog.copiesText(), QStringLiteral("7"));
        click(part(QStyle::SC_ScrollBarAddLine));
        QCOMPARE(dialog.copiesFromBar(), 6);

        // At the upper bound the track lies wholly below the thumb.
        dialog.typeCopies(QStringLiteral("20"));
        dialog.leaveCopies();
        QVERIFY(part(QStyle::SC_ScrollBarSubPage).height() <= 0);
        click(part(QStyle::SC_ScrollBarAddPage));
        QCOMPARE(dialog.copiesText(), QStringLiteral("15"));
        dialog.reject();
    }

    void typedCopies_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("copies");
        QTest::newRow("zero") << "0" << 1;
        QTest::newRow("negative") << "-3" << 1;
        QTest::newRow("letters") << "abc" << 1;
        QTest::newRow("half to even down") << "2.5" << 2;
        QTest::newRow("half to even up") << "3.5" << 4;
        QTest::newRow("above the bound") << "30" << 20;
        QTest::newRow("beyond 16 bits") << "40000" << 1;
    }

    void typedCopies()
    {
        QFETCH(QString, typed);
        QFETCH(int, copies);
        PrintingFixture f;
        PrintParametersDialog dialog(f.context(), 1, 1);
        dialog.typeCopies(typed);
        dialog.leaveCopies();
        QCOMPARE(dialog.copiesText(), QString::number(copies));
        QCOMPARE(dialog.copiesFromBar(), copies);
    }

    void missingProgramPrinterKeepsTheDialogOpen()
    {
        PrintingFixture f;
        f.state.ProgramPrinter = QStringLiteral("Gone");
        PrintParametersDialog dialog(f.context(), 1, 1);
        dialog.confirm();
        QVERIFY(!dialog.choice().confirmed);
        const MessageRequest shown = f.doubles.messages.shown.last();
        QCOMPARE(shown.title, QStringLiteral("Εκτυπωτές"));
        QCOMPARE(shown.text, QStringLiteral("Ο προτιμώμενος εκτυπωτής δεν υπάρχει. Κάντε click πάνω του για να τον "
                                            "αλλάξετε."));
        QCOMPARE(dialog.result(), 0);

        // Once a printer of that name exists, confirming makes it current.
        f.doubles.printers.names = {QStringLiteral("Gone"), BuiltInPdfPrinterName()};
        dialog.confirm();
        QVERIFY(dialog.choice().confirmed);
        QCOMPARE(f.doubles.printers.currentPrinterName(), QStringLiteral("Gone"));
    }

    // A queue that takes no jobs, or a print system that does not answer, is
    // told before the job and the dialog stays open; the built-in printer
    // needs no print system.
    void printSystemProblemsKeepTheDialogOpen_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<bool>("answers");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("message");
        QTest::newRow("refused with a reason")
            << QStringLiteral("Office") << true << QStringLiteral("Rejecting Jobs")
            << QStringLiteral("Ο εκτυπωτής Office δεν δέχεται εργασίες εκτύπωσης αυτή τη στιγμή.\n\nΤο σύστημα "
                              "εκτυπώσεων αναφέρει: Rejecting Jobs");
        QTest::newRow("refused without a reason")
            << QStringLiteral("Office") << true << QString()
            << QStringLiteral("Ο εκτυπωτής Office δεν δέχεται εργασίες εκτύπωσης αυτή τη στιγμή.");
        QTest::newRow("no answer")
            << QStringLiteral("Office") << false << QString()
            << QStringLiteral("Το σύστημα εκτυπώσεων του υπολογιστή δεν απαντά. Δοκιμάστε ξανά σε λίγο ή επιλέξτε "
                              "τον εκτυπωτή PDF.");
        QTest::newRow("no answer, built-in printer") << BuiltInPdfPrinterName() << false << QString() << QString();
    }
    void printSystemProblemsKeepTheDialogOpen()
    {
        QFETCH(QString, printer);
        QFETCH(bool, answers);
        QFETCH(QString, reason);
        QFETCH(QString, message);
        PrintingFixture f;
        f.doubles.printers.names = {QStringLiteral("Office"), BuiltInPdfPrinterName()};
        f.doubles.printers.printSystemAnswers = answers;
        if (answers)
            f.doubles.printers.refusingPrinters.insert(QStringLiteral("Office"), reason);
        f.state.ProgramPrinter = printer;
        PrintParametersDialog dialog(f.context(), 1, 1);
        dialog.confirm();
        QCOMPARE(dialog.choice().confirmed, message.isEmpty());
        if (!message.isEmpty()) {
            QCOMPARE(dialog.result(), 0);
            QCOMPARE(f.doubles.messages.shown.size(), 1);
            QCOMPARE(f.doubles.messages.shown.last().title, QStringLiteral("Εκτυπωτές"));
            QCOMPARE(f.doubles.messages.shown.last().text, message);
        }
    }

    void anotherPrinterChosenThroughThePrinterName()
    {
        PrintingFixture f;
        f.doubles.printers.names = {QStringLiteral("Office"), BuiltInPdfPrinterName()};
        f.state.PreferredFont = QStringLiteral("DejaVu Sans");
        QTemporaryDir folder; // the autoload file is written there
        f.state.ProgramFolder = folder.path() + QStringLiteral("/");
        PrintParametersDialog dialog(f.context(), 1, 1);
        const auto selection = OnModal<SelectPrinter>(
            [](SelectPrinter *w) {
                w->choosePrinter(0);
                w->makeProgramPrinter();
            },
            [](SelectPrinter *w) { return !w->busy() && w->printers()->currentIndex() >= 0; });
        dialog.printerClicked();
        QCOMPARE(dialog.printerText(), QStringLiteral("Office"));
        dialog.confirm();
        QVERIFY(dialog.choice().confirmed);
        QCOMPARE(f.doubles.printers.currentPrinterName(), QStringLiteral("Office"));
    }

    void pageSetupShowsAndStoresTheSlot()
    {
        PrintingFixture f;
        PrintSetting &slot = f.state.Building.PrintSettings[5];
        QCOMPARE(slot.PaperSize, qint16(9));
        QCOMPARE(slot.Portrait, qint16(0));
        PageSetupDialog dialog(f.context(), 5);
        QCOMPARE(dialog.paperList()->currentText(), QStringLiteral("A4, 210 x 297 mm"));
        QVERIFY(!dialog.portraitSelected());
        for (int i = 0; i < 4; ++i)
            QCOMPARE(dialog.marginBox(i)->text(), QStringLiteral("1,000"));

        dialog.marginBox(0)->setText(QStringLiteral("-7"));
        dialog.marginKeyReleased(0, Qt::Key_7);
        QCOMPARE(dialog.marginBox(0)->text(), QStringLiteral("-5,000"));
        dialog.marginBox(1)->setText(QStringLiteral("-7"));
        dialog.marginKeyReleased(1, Qt::Key_7);
        QCOMPARE(dialog.marginBox(1)->text(), QStringLiteral("5,000"));
        dialog.marginBox(2)->setText(QStringLiteral("2,5"));
        dialog.marginKeyReleased(2, Qt::Key_5);
        QCOMPARE(dialog.marginBox(2)->text(), QStringLiteral("2,5"));
        dialog.leaveMargin(2);
        QCOMPARE(dialog.marginBox(2)->text(), QStringLiteral("2,500"));
        dialog.marginBox(3)->setText(QStringLiteral("χ"));
        dialog.marginKeyReleased(3, Qt::Key_unknown);
        QCOMPARE(dialog.workingMargin(3), 0.0f);
        // Escape brings back the stored margin.
        dialog.marginKeyReleased(3, Qt::Key_Escape);
        QCOMPARE(dialog.marginBox(3)->text(), QStringLiteral("1,000"));
        QVERIFY(!f.state.DataChanged);

        dialog.selectPortrait(true);
        dialog.confirm();
        QVERIFY(dialog.confirmed());
        QVERIFY(f.state.DataChanged);
        QCOMPARE(slot.MarginLeft, -5.0f);
        QCOMPARE(slot.MarginRight, 5.0f);
        QCOMPARE(slot.MarginTop, 2.5f);
        QCOMPARE(slot.MarginBottom, 1.0f);
        QCOMPARE(slot.Portrait, qint16(-1));
    }

    void pageSetupCancelledOrUnknownPaper()
    {
        PrintingFixture f;
        PrintSetting &slot = f.state.Building.PrintSettings[4];
        const PrintSetting before = slot;
        {
            PageSetupDialog dialog(f.context(), 4);
            dialog.marginBox(0)->setText(QStringLiteral("3"));
            dialog.marginKeyReleased(0, Qt::Key_3);
            dialog.selectPortrait(true);
            dialog.reject();
            QVERIFY(!dialog.confirmed());
        }
        QVERIFY(slot == before);
        QVERIFY(!f.state.DataChanged);

        slot.PaperSize = 77;
        PageSetupDialog dialog(f.context(), 4);
        QCOMPARE(dialog.paperList()->currentText(), QStringLiteral("A4, 210 x 297 mm"));
        dialog.confirm();
        QCOMPARE(slot.PaperSize, qint16(77));
    }

    void magnificationDialog()
    {
        PrintingFixture f;
        PrintSetting &slot = f.state.Building.PrintSettings[3];
        slot.Magnification = 1.0f;
        {
            SettingValueDialog dialog(SettingValueDialog::RealMagnification, f.context(), 3);
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Πραγματική μεγέθυνση"));
            QCOMPARE(dialog.valueText(), QStringLiteral("100"));
            QCOMPARE(dialog.bar()->value(), 150);
            dialog.confirm();
            QVERIFY(dialog.confirmed());
            QCOMPARE(slot.Magnification, 1.0f);
            QVERIFY(f.state.DataChanged);
        }
        slot.Magnification = 0.875f;
        SettingValueDialog dialog(SettingValueDialog::RealMagnification, f.context(), 3);
        QCOMPARE(dialog.valueText(), QStringLiteral("88"));
        const QList<QPair<QString, QString>> typed{{"125,7", "125"}, {"99999", "100"}, {"abc", "50"}, {"300", "200"}};
        for (const auto &[text, shown] : typed) {
            dialog.typeValue(text);
            dialog.leaveValue();
            QCOMPARE(dialog.valueText(), shown);
        }
        dialog.typeValue(QStringLiteral("125,7"));
        dialog.confirm();
        QCOMPARE(slot.Magnification, 1.25f);
    }

    void expenseColumnsDialog()
    {
        PrintingFixture f;
        PrintSetting &slot = f.state.Building.PrintSettings[5];
        slot.ExpenseColumnsPerPage = 4;
        SettingValueDialog dialog(SettingValueDialog::ExpenseColumns, f.context(), 5);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Αριθμός στηλών δαπανών ανά σελίδα"));
        QCOMPARE(dialog.bar()->value(), 2);
        const QList<QPair<QString, QString>> typed{{"7", "6"}, {"0", "1"}, {"", "1"}, {"99999", "4"}, {"2.5", "2"}};
        for (const auto &[text, shown] : typed) {
            dialog.typeValue(text);
            dialog.leaveValue();
            QCOMPARE(dialog.valueText(), shown);
        }
        dialog.bar()->setValue(0);
        QCOMPARE(dialog.valueText(), QStringLiteral("6"));
        dialog.reject();
        QCOMPARE(slot.ExpenseColumnsPerPage, qint16(4));
        QVERIFY(!dialog.confirmed());

        // A stored value outside the range opens clamped into it.
        slot.ExpenseColumnsPerPage = 9;
        SettingValueDialog clamped(SettingValueDialog::ExpenseColumns, f.context(), 5);
        QCOMPARE(clamped.valueText(), QStringLiteral("6"));
        clamped.confirm();
        QCOMPARE(slot.ExpenseColumnsPerPage, qint16(6));
    }

    // F1 in the page setup over a preview that covers the screen: the help
    // opens at the page setup's section, takes keys and stands above both
    // however the dialog is clicked; a message box of the dialog comes above
    // it until answered. The desktop ties it to no window, so minimising it
    // minimises it alone; F1 brings it back. The page setup closes it.
    void helpOfThePageSetupOverAPreviewStaysAboveIt()
    {
        QWidget mainWindow;
        mainWindow.resize(900, 700);
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        QtHelpService help(QStringLiteral(KV_SOURCE_DIR "/help"));
        help.setOwner(&mainWindow);
        PrintingFixture f;
        PrintingContext context = f.context();
        context.platform.help = &help;
        context.dialogs = nullptr; // the program's own page setup
        context.owner = &mainWindow;
        ReportPreview preview(context, f.report, &mainWindow);
        bool reached = false;
        const auto inPreview = OnModal<ReportPreview>([&](ReportPreview *open) {
            const auto inSetup = OnModal<PageSetupDialog>([&](PageSetupDialog *setup) {
                QTest::keyClick(setup, Qt::Key_F1);
                QTextBrowser *window = help.window();
                QVERIFY(window && window->isVisible());
                QCOMPARE(window->source().fragment(), QStringLiteral("pagesetup"));
                QTRY_VERIFY(window->verticalScrollBar()->value() > 0);
                // An ordinary window of the desktop, the page setup's own within the program.
                QCOMPARE(window->windowHandle()->type(), Qt::Window);
                QCOMPARE(window->windowHandle()->transientParent(), setup->windowHandle());
                QVERIFY(staysAbove(window));
                // A click on the dialog, then on the preview behind it.
                QTest::mouseClick(setup->windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
                QVERIFY(staysAbove(window));
                QTest::mouseClick(open->windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
                QVERIFY(staysAbove(window));
                // It takes keys sent through the window system.
                window->verticalScrollBar()->setValue(0);
                window->setFocus();
                QTest::keyClick(window->windowHandle(), Qt::Key_PageDown);
                QVERIFY(window->verticalScrollBar()->value() > 0);
                // A message box of the dialog comes above it while it is open.
                bool belowTheBox = false;
                {
                    const auto box = OnModal<QMessageBox>([&](QMessageBox *) { belowTheBox = !staysAbove(window); });
                    QMessageBox(QMessageBox::Warning, QStringLiteral("Διαμόρφωση σελίδας"), QStringLiteral("x"),
                                QMessageBox::Ok, setup)
                        .exec();
                }
                QVERIFY(belowTheBox);
                QVERIFY(staysAbove(window));
                // Minimised, it goes alone; F1 brings it back.
                window->showMinimized();
                QVERIFY(window->isMinimized());
                QVERIFY(!setup->isMinimized() && !open->isMinimized() && !mainWindow.isMinimized());
                setup->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(setup));
                QTest::keyClick(setup, Qt::Key_F1);
                QVERIFY(staysAbove(window));
                reached = true;
            });
            open->action(QStringLiteral("pageSetup"))->trigger();
            // Closing, the page setup closed the help window.
            QTRY_VERIFY(!help.window());
        });
        preview.showModal();
        QVERIFY(reached);
    }
};

KV_TEST_MAIN(TestPrintDialogs)

} // namespace test_printdialogs
#include "test_printdialogs.moc"
