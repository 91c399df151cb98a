// The report preview with the fixture report: fitting, page grid, footer and
// printing to the built-in PDF printer.

#include "printingfixture.h"

#include "platform/twips.h"
#include "printing/pagesurface.h"
#include "printing/previewwidgets.h"
#include "printreport.h"
#include "testprogram.h"

#include <QScrollBar>

#include <QTemporaryDir>
#include <QtTest>

using namespace kelvarino;

namespace test_reportpreview {

class TestReportPreview : public QObject
{
    Q_OBJECT

private slots:
    void portraitTooWideOpensLandscapeWithoutDataChanged()
    {
        PrintingFixture f;
        f.slot().Portrait = -1;
        f.report.requiredWidth = 13000; // wider than portrait A4, narrower than landscape
        auto preview = f.open();
        QCOMPARE(f.slot().Portrait, qint16(0));
        QCOMPARE(f.slot().Magnification, 1.0f);
        QVERIFY(!f.state.DataChanged);
        QVERIFY(preview->hasPages());
    }

    void widthCutToHundredthsOfMagnification()
    {
        PrintingFixture f;
        // Statement landscape: 12240 twips wide; margins leave 10000.
        f.slot().PaperSize = 6;
        f.slot().Portrait = 0;
        f.slot().MarginLeft = 2.0f;
        f.slot().MarginRight = float((12240 - 10000 - 2 * TwipsPerCentimetre) / TwipsPerCentimetre);
        f.report.requiredWidth = 13000;
        auto preview = f.open();
        QCOMPARE(f.slot().Magnification, 0.76f);
        QCOMPARE(preview->labelText(QStringLiteral("lRealMagnification")), QStringLiteral("Πραγματική μεγέθυνση: 76%"));
    }

    void failingLayoutShowsCodeAndKeepsOrientation()
    {
        PrintingFixture f;
        f.slot().Portrait = -1;
        f.slot().Magnification = 1.2f;
        const double landscape = PageGeometry::of(f.slot()).printableWidth(1);
        f.report.requiredWidth = landscape / 0.5; // exactly the minimum: fits
        auto preview = f.open();
        QVERIFY(preview->hasPages());
        QCOMPARE(f.slot().Magnification, 0.5f);

        f.slot().Portrait = -1;
        f.slot().Magnification = 1.2f;
        f.report.requiredWidth = landscape / 0.49;
        preview->sizeButtonPressed(ReportPreview::WidthLarge);
        QVERIFY(!preview->layoutPreview());
        QCOMPARE(f.slot().Portrait, qint16(-1));
        QCOMPARE(f.slot().Magnification, 1.2f);
        QVERIFY(!preview->sizeTimerActive());
        const MessageRequest shown = f.doubles.messages.shown.last();
        QCOMPARE(shown.title, QStringLiteral("Πρόβλημα με την παρουσίαση των δεδομένων"));
        QCOMPARE(shown.text, QStringLiteral("Τα κελιά δε χωράνε στο χαρτί.\r\n\r\nΜικρύνετε το πλάτος τους."));
        QCOMPARE(shown.icon, MessageIcon::Critical);
        // A message without advice stands alone.
        QCOMPARE((LayoutFailureText{QStringLiteral("Α\r\nΒ"), QString()}.text()), QStringLiteral("Α\r\nΒ"));
        // No page until a layout succeeds: nothing drawn, nothing printed.
        RecordingSurface view;
        preview->paintView(view);
        QVERIFY(view.texts.isEmpty() && view.shapes.isEmpty());
        preview->sendToPrinter();
        QCOMPARE(f.doubles.messages.shown.last().text, shown.text);
        QVERIFY(f.dialogs.asked.isEmpty());
    }

    void footerEndsOnPrintableEdges()
    {
        PrintingFixture f;
        f.slot().PageNumbers = -1;
        auto preview = f.open();
        preview->showPage(1, 2);
        RecordingSurface page;
        preview->paintPage(page, 0, 0, 1, 2, 1);
        const QString footer = QStringLiteral("Vornakel/Κελβαρίνο/v2.2/2016, Σελίδα (1,2) από 2x3  (15/1/2026 10:30:00)");
        const auto text = page.find(footer);
        QVERIFY(text.has_value());
        const QRectF printable = preview->geometry().printable(OrientationIndex(f.slot()));
        QCOMPARE(text->right(), printable.right());
        QCOMPARE(text->bottom(), printable.bottom());
        QCOMPARE(text->font.points, 7.0);
        QVERIFY(!text->font.bold);
    }

    void zoomedPreviewCutsLikePaper()
    {
        PrintingFixture f;
        f.slot().PageNumbers = -1;
        f.slot().Widths[0] = 700; // the cells' texts do not fit: they are cut
        auto preview = f.open();
        RecordingSurface paper;
        paper.setOnPaper(true);
        preview->paintPage(paper, 0, 0, 1, 2, 1);
        for (const double zoom : {0.3, 0.75, 1.6}) {
            RecordingSurface screen;
            preview->paintPage(screen, 100, 200, 1, 2, zoom);
            QCOMPARE(screen.textStrings(), paper.textStrings());
            for (int i = 0; i < paper.texts.size(); ++i) {
                QVERIFY(qAbs(screen.texts[i].x - (100 + paper.texts[i].x * zoom)) < 1e-6);
                QVERIFY(qAbs(screen.texts[i].width - paper.texts[i].width * zoom) < 1e-6);
            }
        }
        QVERIFY(paper.textStrings().contains(QStringLiteral("(1,2)")));
        QVERIFY(!paper.textStrings().contains(QStringLiteral("Μελισσοκαρπάκης 1")));
    }

    void allPagesGoColumnByColumnToPdf()
    {
        PrintingFixture f;
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
        auto preview = f.open();
        f.doubles.fileDialogs.saveAnswers = {pdf, pdf};
        f.dialogs.printChoices = {PrintChoice{true, 1, true}};
        preview->sendToPrinter();
        const QStringList pages = PdfPages(pdf);
        QCOMPARE(pages.size(), 6);
        const QStringList order{"(1,1)", "(2,1)", "(1,2)", "(2,2)", "(1,3)", "(2,3)"};
        for (int i = 0; i < 6; ++i)
            QVERIFY2(pages.at(i).contains(order.at(i)), qPrintable(pages.at(i)));

        f.dialogs.printChoices = {PrintChoice{true, 2, true}};
        preview->sendToPrinter();
        QCOMPARE(PdfPages(pdf).size(), 12);
    }

    void currentPageOnlyAndCancelledFileDialogPrintsNothing()
    {
        PrintingFixture f;
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("one.pdf"));
        auto preview = f.open();
        preview->showPage(2, 3);
        f.doubles.fileDialogs.saveAnswers = {pdf};
        f.dialogs.printChoices = {PrintChoice{true, 1, false}};
        preview->sendToPrinter();
        const QStringList pages = PdfPages(pdf);
        QCOMPARE(pages.size(), 1);
        QVERIFY(pages.first().contains(QStringLiteral("(2,3)")));

        f.dialogs.printChoices = {PrintChoice{true, 1, true}};
        preview->sendToPrinter(); // the save dialog answers nothing: cancelled
        QCOMPARE(PdfPages(pdf).size(), 1);
        QCOMPARE(f.doubles.printers.jobs.size(), 1);
    }

    void windowAsLargeAsThePaperShowsFullSize()
    {
        PrintingFixture f;
        auto preview = f.open();
        const int o = OrientationIndex(f.slot());
        const double pixelsPerTwip = Twips::pixelsPerTwip(preview->canvas());
        preview->canvas()->resize(int(std::ceil(preview->geometry().PaperWidth[o] * pixelsPerTwip)),
                                  int(std::ceil(preview->geometry().PaperHeight[o] * pixelsPerTwip)));
        preview->drawCenteredPage();
        QCOMPARE(preview->screenZoom(), 1.0);
        QCOMPARE(preview->labelText(QStringLiteral("lsm")), QStringLiteral("μεγέθυνση: 100%"));
        // Three quarters of the paper: 0.70. A tiny window never goes below 5 %.
        preview->canvas()->resize(preview->canvas()->width() * 3 / 4, preview->canvas()->height());
        preview->drawCenteredPage();
        QCOMPARE(preview->labelText(QStringLiteral("lsm")), QStringLiteral("μεγέθυνση: 70%"));
        preview->canvas()->resize(10, 10);
        preview->drawCenteredPage();
        QCOMPARE(preview->screenZoom(), double(0.05f));
    }

    void pageImagesShowOnlyWhereAPageLeads()
    {
        PrintingFixture f;
        f.report.rows = 1;
        f.report.columns = 1;
        auto preview = f.open();
        for (const char *image : {"pageleft", "pageright", "pageup", "pagedown"})
            QVERIFY(!preview->imageShown(QString::fromLatin1(image)));
        f.report.rows = 1;
        f.report.columns = 3;
        preview->layoutPreview();
        preview->pageRight();
        preview->pageRight();
        preview->pageRight(); // no fourth column: nothing happens
        QCOMPARE(preview->currentColumn(), 3);
        QCOMPARE(preview->labelText(QStringLiteral("lpage")), QStringLiteral("σελίδα (1,3)"));
        QCOMPARE(preview->labelText(QStringLiteral("lpages")), QStringLiteral("από σελίδες 1 x 3"));
        QVERIFY(preview->imageShown(QStringLiteral("pageleft")));
        QVERIFY(!preview->imageShown(QStringLiteral("pageright")));
        QVERIFY(!preview->imageShown(QStringLiteral("pageup")));
        QVERIFY(!preview->imageShown(QStringLiteral("pagedown")));
    }

    void sizeButtonsStepWithinTheirBounds()
    {
        PrintingFixture f;
        auto preview = f.open();
        const float d = preview->defaultSizes().widths[0];
        QCOMPARE(f.slot().Widths[0], d); // not set: the measured default
        QVERIFY(!f.state.DataChanged);

        // Released before the first tick: nothing changes.
        preview->sizeButtonPressed(ReportPreview::WidthLarge);
        preview->sizeButtonReleased();
        QCoreApplication::processEvents();
        QCOMPARE(f.slot().Widths[0], d);
        QVERIFY(!f.state.DataChanged);

        // A tick adds 15; widths stop at 5 x, heights at 2 x their default.
        preview->sizeButtonPressed(ReportPreview::WidthLarge);
        QVERIFY(preview->sizeTimerActive());
        preview->applySizeStep();
        QCOMPARE(f.slot().Widths[0], d + 15);
        QVERIFY(f.state.DataChanged);
        f.slot().Widths[0] = 5 * d - 1;
        preview->sizeButtonPressed(ReportPreview::WidthSmall);
        preview->applySizeStep();
        QCOMPARE(f.slot().Widths[0], 5 * d);
        preview->applySizeStep();
        QCOMPARE(f.slot().Widths[0], 5 * d);
        preview->sizeButtonReleased();

        f.slot().Heights[0] = 2 * 355 - 5;
        preview->sizeButtonPressed(ReportPreview::HeightLarge);
        preview->applySizeStep();
        QCOMPARE(f.slot().Heights[0], 2 * 355.0f - 5);
        preview->sizeButtonPressed(ReportPreview::HeightSmall);
        for (int i = 0; i < 10; ++i)
            preview->applySizeStep();
        QCOMPARE(f.slot().Heights[0], 2 * 355.0f);
        preview->sizeButtonReleased();
    }

    void menuTogglesAndSuggestedParameters()
    {
        PrintingFixture f;
        f.slot().ColouredPrint = 0;
        auto preview = f.open();
        QAction *colour = preview->action(QStringLiteral("colouredPrint"));
        QVERIFY(!colour->isChecked());
        colour->trigger();
        QVERIFY(colour->isChecked());
        colour->trigger();
        QCOMPARE(f.slot().ColouredPrint, qint16(0));
        QVERIFY(f.state.DataChanged);

        f.slot().Widths[0] = 3000;
        f.slot().Portrait = -1;
        f.slot().PageNumbers = 0;
        preview->action(QStringLiteral("bestParameters"))->trigger();
        QCOMPARE(f.slot().Widths[0], preview->defaultSizes().widths[0]);
        QCOMPARE(f.slot().Portrait, qint16(0));
        QVERIFY(preview->action(QStringLiteral("pageNumbers"))->isChecked());

        preview->action(QStringLiteral("help"))->trigger();
        QCOMPARE(f.doubles.help.topics, QList<int>{4242});
    }

    void settingsFromAFileAreSafeToLayOut()
    {
        PrintingFixture f;
        f.slot().Magnification = 7.5f;
        f.slot().PaperSize = 77;
        auto preview = f.open();
        QCOMPARE(f.slot().Magnification, 1.0f);
        QCOMPARE(f.slot().PaperSize, qint16(77));
        QCOMPARE(preview->geometry().PaperWidth[0], 11905.511f);
        QVERIFY(!f.state.DataChanged);
        QVERIFY(preview->hasPages());
    }

    void settingsDialogsLayOutAgainWhenConfirmed()
    {
        PrintingFixture f;
        auto preview = f.open();
        const int layouts = f.report.layouts;
        preview->action(QStringLiteral("pageSetup"))->trigger(); // cancelled
        QCOMPARE(f.report.layouts, layouts);
        f.dialogs.settingsChanges = {[](PrintSetting &s) { s.Magnification = 0.8f; }};
        preview->realMagnificationClicked();
        QCOMPARE(f.report.layouts, layouts + 1);
        QCOMPARE(preview->labelText(QStringLiteral("lRealMagnification")), QStringLiteral("Πραγματική μεγέθυνση: 80%"));
        QCOMPARE(f.dialogs.settingsSlots, QList<int>({5, 5}));
    }

    void refusedPaperOrOrientationPrintsNothing()
    {
        PrintingFixture f;
        auto preview = f.open();
        f.doubles.printers.refusedPapers[BuiltInPdfPrinterName()] = {8};
        f.slot().PaperSize = 8;
        preview->layoutPreview();
        QVERIFY(!preview->printPages(PrintChoice{true, 1, true}));
        QCOMPARE(f.doubles.messages.shown.last().title, QStringLiteral("Πρόβλημα με το μέγεθος σελίδας"));
        QVERIFY(f.doubles.fileDialogs.saveRequests.isEmpty());
        QVERIFY(f.doubles.printers.jobs.isEmpty());

        f.slot().PaperSize = 11;
        f.slot().Portrait = 0;
        f.doubles.printers.refusedOrientations[BuiltInPdfPrinterName()] = {LandscapeOrientation};
        preview->layoutPreview();
        QVERIFY(!preview->printPages(PrintChoice{true, 1, true}));
        QCOMPARE(f.doubles.messages.shown.last().title, QStringLiteral("Πρόβλημα με τν προσανατολισμό σελίδας"));
        QCOMPARE(f.doubles.printers.paperCode(), 11);
        QVERIFY(f.doubles.printers.jobs.isEmpty());
    }

    void failedOutputKeepsTheEarlierFile()
    {
        PrintingFixture f;
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("kept.pdf"));
        auto preview = f.open();
        f.doubles.fileDialogs.saveAnswers = {pdf, pdf, pdf};
        QVERIFY(preview->printPages(PrintChoice{true, 1, true}));
        QCOMPARE(PdfPages(pdf).size(), 6);
        f.doubles.printers.failJobEnd = true;
        QVERIFY(!preview->printPages(PrintChoice{true, 1, false}));
        const MessageRequest problem = f.doubles.messages.shown.last();
        QCOMPARE(problem.title, QStringLiteral("Εκτυπωτές"));
        QCOMPARE(problem.text, QStringLiteral("Έχετε κάποιο πρόβλημα με τον εκτυπωτή σας."));
        QCOMPARE(PdfPages(pdf).size(), 6);
        f.doubles.printers.failJobEnd = false;
        f.doubles.printers.failJobStart = true;
        QVERIFY(!preview->printPages(PrintChoice{true, 1, false}));
        QCOMPARE(f.doubles.messages.shown.size(), 2);
    }

    // A job the print system does not take is not reported as printed: the
    // user reads the print system's reason.
    void aJobThePrintSystemRefusesIsReported()
    {
        PrintingFixture f;
        const QString office = QStringLiteral("Office");
        f.doubles.printers.names = {office, BuiltInPdfPrinterName()};
        f.doubles.printers.current = f.state.ProgramPrinter = f.state.SystemPrinter = office;
        f.doubles.printers.jobRefusal = QStringLiteral("Destination \"Office\" is not accepting jobs.");
        auto preview = f.open();
        QVERIFY(!preview->printPages(PrintChoice{true, 1, true}));
        QCOMPARE(f.doubles.printers.jobs.size(), 1);
        QVERIFY(!f.doubles.printers.jobs.last().ended);
        const MessageRequest refused = f.doubles.messages.shown.last();
        QCOMPARE(refused.title, QStringLiteral("Εκτυπωτές"));
        QCOMPARE(refused.text, QStringLiteral("Το σύστημα εκτυπώσεων δεν δέχτηκε την εκτύπωση.\n\nΤο σύστημα "
                                              "εκτυπώσεων αναφέρει: Destination \"Office\" is not accepting jobs."));
        QCOMPARE(refused.icon, MessageIcon::Critical);
    }

    // The PDF printer prints every paper of the page setup at the size the
    // preview lays out, in both orientations (a standard size within a
    // millimetre keeps its standard name and size).
    void pdfPaperIsThePaperLaidOut_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("portrait");
        QTest::newRow("A4 portrait") << 9 << -1;
        QTest::newRow("Executive") << 7 << -1;
        QTest::newRow("Folio") << 14 << -1;
        QTest::newRow("B4 landscape") << 12 << 0;
        QTest::newRow("U.S. fanfold landscape") << 39 << 0;
        QTest::newRow("unknown code, laid out as A4") << 2 << -1;
    }
    void pdfPaperIsThePaperLaidOut()
    {
        QFETCH(int, paper);
        QFETCH(int, portrait);
        PrintingFixture f;
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("paper.pdf"));
        f.slot().PaperSize = qint16(paper);
        f.slot().Portrait = qint16(portrait);
        f.report.cellsAcross = 1;
        auto preview = f.open();
        f.doubles.fileDialogs.saveAnswers = {pdf};
        QVERIFY(preview->printPages(PrintChoice{true, 1, false}));
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        info.waitForFinished();
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        const QRegularExpressionMatch size =
            QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts")).match(out);
        QVERIFY2(size.hasMatch(), qPrintable(out));
        const int o = OrientationIndex(f.slot());
        QVERIFY2(std::fabs(size.captured(1).toDouble() - preview->geometry().PaperWidth[o] / 20) < 3, qPrintable(out));
        QVERIFY2(std::fabs(size.captured(2).toDouble() - preview->geometry().PaperHeight[o] / 20) < 3, qPrintable(out));
    }

    void printingImpossibleIsRefusedBeforeTheDialog()
    {
        PrintingFixture f;
        f.state.PrintingPossible = false;
        auto preview = f.open();
        preview->action(QStringLiteral("sendToPrinter"))->trigger();
        QCOMPARE(f.doubles.messages.shown.last().text, QStringLiteral("Έχετε κάποιο πρόβλημα με τον εκτυπωτή σας."));
        QVERIFY(f.dialogs.asked.isEmpty());
    }

    void jobEndsWithTheSystemPrinterCurrent()
    {
        PrintingFixture f;
        f.doubles.printers.names = {QStringLiteral("Office"), BuiltInPdfPrinterName()};
        f.doubles.printers.current = QStringLiteral("Office");
        f.state.SystemPrinter = QStringLiteral("Office");
        auto preview = f.open();
        QTemporaryDir dir;
        f.doubles.fileDialogs.saveAnswers = {dir.filePath(QStringLiteral("a.pdf"))};
        f.dialogs.printChoices = {PrintChoice{true, 3, false}};
        preview->sendToPrinter();
        QCOMPARE(f.dialogs.asked.size(), 1);
        QCOMPARE(f.dialogs.asked[0].rows, 2);
        QCOMPARE(f.dialogs.asked[0].columns, 3);
        QCOMPARE(f.doubles.printers.jobs.size(), 1);
        QCOMPARE(f.doubles.printers.jobs[0].printer, BuiltInPdfPrinterName());
        QCOMPARE(f.doubles.printers.jobs[0].pages, 3); // copies drawn: PDF makes none itself
        QCOMPARE(f.doubles.printers.currentPrinterName(), QStringLiteral("Office"));
    }

    void zoomingFollowsItsLimits()
    {
        PrintingFixture f;
        auto preview = f.open();
        const double fitted = preview->screenZoom();
        // The page already fits the window: zooming out is refused.
        preview->zoomImagePressed(Qt::RightButton, Qt::NoModifier);
        QCOMPARE(preview->screenZoom(), fitted);
        preview->zoomImagePressed(Qt::LeftButton, Qt::NoModifier);
        QCOMPARE(preview->screenZoom(), double(float(fitted) + 0.05f));
        // A click on the page enlarges about the point and shows the scroll bars.
        const QSizeF canvas = preview->canvasTwips();
        preview->pagePressed(QPointF(canvas.width() / 2, canvas.height() / 2), Qt::LeftButton, Qt::NoModifier);
        preview->pagePressed(QPointF(canvas.width() / 2, canvas.height() / 2), Qt::LeftButton, Qt::NoModifier);
        preview->pagePressed(QPointF(canvas.width() / 2, canvas.height() / 2), Qt::LeftButton, Qt::NoModifier);
        QVERIFY2(preview->screenZoom() > fitted + 0.5, qPrintable(QString::number(preview->screenZoom()) + " " + QString::number(fitted)));
        QVERIFY(preview->horizontalBar()->isVisibleTo(preview.get()));
        // Shift and a click fit the page to the window again.
        preview->pagePressed(QPointF(0, 0), Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(preview->screenZoom(), fitted);
        QVERIFY(!preview->horizontalBar()->isVisibleTo(preview.get()));
    }

    // The keys do what the page images and the magnifier do: Page Down and
    // Up page, the arrows page while the page fits and scroll once it is
    // larger than the window, + and - zoom.
    void keysPageScrollAndZoom()
    {
        PrintingFixture f;
        f.report.rows = 3;
        f.report.columns = 2;
        auto preview = f.open();
        preview->show();
        QApplication::setActiveWindow(preview.get());
        QVERIFY(QTest::qWaitForWindowActive(preview.get()));
        const auto press = [&](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QWidget *focused = QApplication::focusWidget();
            QTest::keyClick(focused ? focused : preview.get(), Qt::Key(key), modifiers);
        };
        const auto page = [&] { return QPoint(preview->currentRow(), preview->currentColumn()); };
        press(Qt::Key_PageDown);
        press(Qt::Key_PageDown);
        QCOMPARE(page(), QPoint(3, 1));
        press(Qt::Key_PageDown); // no fourth row
        QCOMPARE(page(), QPoint(3, 1));
        press(Qt::Key_PageUp);
        QCOMPARE(page(), QPoint(2, 1));
        press(Qt::Key_Right);
        QCOMPARE(page(), QPoint(2, 2));
        press(Qt::Key_Up);
        QCOMPARE(page(), QPoint(1, 2));
        press(Qt::Key_Down);
        QCOMPARE(page(), QPoint(2, 2));
        press(Qt::Key_Left);
        QCOMPARE(page(), QPoint(2, 1));
        press(Qt::Key_Down, Qt::ControlModifier); // not the page's
        QCOMPARE(page(), QPoint(2, 1));

        const double fitted = preview->screenZoom();
        press(Qt::Key_Plus);
        QCOMPARE(preview->screenZoom(), double(float(fitted) + 0.05f));
        for (int k = 0; k < 12; ++k)
            press(Qt::Key_Plus, Qt::ShiftModifier); // "+" typed with Shift zooms too
        QVERIFY(preview->verticalBar()->isVisibleTo(preview.get()));
        const int top = preview->verticalBar()->value();
        const double pageTop = preview->pageOrigin().y();
        press(Qt::Key_Down);
        QCOMPARE(preview->verticalBar()->value(), top + 1);
        QVERIFY(preview->pageOrigin().y() < pageTop);
        QCOMPARE(page(), QPoint(2, 1));
        press(Qt::Key_Up);
        QCOMPARE(preview->verticalBar()->value(), top);
        const double zoomed = preview->screenZoom();
        press(Qt::Key_Minus);
        QCOMPARE(preview->screenZoom(), double(float(zoomed) - 0.05f));
        preview->close();
    }

    // The window, frame included, covers the screen's available area and no
    // more, so its bottom strip is on the screen.
    void windowCoversTheAvailableScreen()
    {
        PrintingFixture f;
        ReportPreview preview(f.context(), f.report);
        preview.load();
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(available.contains(preview.frameGeometry()));
        QCOMPARE(preview.frameGeometry().size(), available.size());
        const QWidget *pageDown = preview.findChild<QWidget *>(QStringLiteral("pagedown"));
        QVERIFY(pageDown);
        QVERIFY(available.contains(QRect(pageDown->mapToGlobal(QPoint(0, 0)), pageDown->size())));
        preview.close();
    }

    // A window that the window manager sizes again just after showing it
    // fits its page to the size the user sees, without help of the report.
    void pageFitsAgainOnceShown()
    {
        PrintingFixture f;
        auto preview = f.open();
        const double opened = preview->screenZoom();
        preview->show();
        preview->resize(preview->width() / 2, preview->height() / 2);
        QTRY_VERIFY(preview->screenZoom() < opened);
        const double shown = preview->screenZoom();
        preview->drawCenteredPage();
        QCOMPARE(preview->screenZoom(), shown);
        preview->close();
    }

    void toolFramePrintsEveryPage()
    {
        PrintingFixture f;
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("tool.pdf"));
        f.doubles.fileDialogs.saveAnswers = {pdf};
        PrintReportRun run{f.state, f.doubles.platform(), PrintingContext{f.state, f.doubles.platform()}, {}, -1, pdf};
        QVERIFY(PrintReportToPdf(run, f.report));
        QCOMPARE(PdfPages(pdf).size(), 6);
        f.report.requiredWidth = 1e6;
        QVERIFY(!PrintReportToPdf(run, f.report));
        QCOMPARE(f.doubles.messages.shown.last().title, QStringLiteral("Πρόβλημα με την παρουσίαση των δεδομένων"));
    }
};

KV_TEST_MAIN(TestReportPreview)

} // namespace test_reportpreview
#include "test_reportpreview.moc"
