// The report preview with the fixture report: fitting, page grid, footer and
// printing to the built-in PDF printer.

#include "printingfixture.h"

#include "printing/pagesurface.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace kelvarino;

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
        QCOMPARE(shown.text, QStringLiteral("Τα κελιά δε χωράνε στο χαρτί.\n\nΜικρύνετε το πλάτος τους."));
        QCOMPARE(shown.icon, MessageIcon::Critical);
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
};

QTEST_MAIN(TestReportPreview)
#include "test_reportpreview.moc"
