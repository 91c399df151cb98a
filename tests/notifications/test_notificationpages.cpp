#include "support_notificationsfixture.h"

#include "printingfixture.h" // PdfPages
#include "printing/pagesurface.h"
#include "printing/reportpreview.h"
#include "testprogram.h"

#include <QAction>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvarino;

namespace test_notificationpages {

using namespace kelvarino::testing;

namespace {

using Text = RecordingSurface::Text;

// Page `row` of the shown flat as the printer gets it, footer included.
RecordingSurface Page(NotificationsWindow &w, int row)
{
    RecordingSurface page;
    page.setOnPaper(true);
    w.window().paintPage(page, 0, 0, row, 1, 1);
    return page;
}

QList<Text> All(const RecordingSurface &page, const QString &text)
{
    QList<Text> found;
    for (const Text &t : page.texts)
        if (t.text == text)
            found.append(t);
    return found;
}

QRectF Printable(NotificationsFixture &f, NotificationsWindow &w)
{
    return w.window().geometry().printable(f.slot().Portrait != 0 ? 0 : 1);
}

void ShowFlat(NotificationsWindow &w, int flat)
{
    w.window().action(QStringLiteral("flat%1").arg(flat))->trigger();
}

} // namespace

class TestNotificationPages : public QObject
{
    Q_OBJECT
private slots:
    void titleBandAndBody()
    {
        NotificationsFixture f;
        auto w = f.open();
        ShowFlat(*w, 2);
        const RecordingSurface page = Page(*w, 1);
        const QRectF area = Printable(f, *w);
        const auto flat = page.find(QStringLiteral("ΔΙΑΜΕΡΙΣΜΑ: F3"));
        const auto notice = page.find(QStringLiteral("ΕΙΔΟΠΟΙΗΤΗΡΙΟ"));
        const auto ofFlat = page.find(QStringLiteral("ΔΙΑΜΕΡΙΣΜΑΤΟΣ"));
        QVERIFY(flat && notice && ofFlat);
        QVERIFY(notice->y < ofFlat->y);
        QVERIFY(flat->x < area.center().x() && notice->x > area.center().x());
        // The band's balance boxes and the body's sections say the previous balance differently.
        const auto bandPrevious = page.find(QStringLiteral("Προηγούμενο Υπόλοιπο: 0,00"));
        const auto bodyPrevious = page.find(QStringLiteral("Προηγούμενο υπόλοιπο: 0,00"));
        QVERIFY(bandPrevious && bodyPrevious);
        QVERIFY(bandPrevious->bottom() < area.top() + 2190);
        QVERIFY(bodyPrevious->y > area.top() + 2190);
        QCOMPARE(All(page, QStringLiteral("ΝΕΟ ΥΠΟΛΟΙΠΟ: 0,00")).size(), 3); // the band and both sections
        QVERIFY(page.find(QStringLiteral("Νέες χρεώσεις: 0,00")));
        // Without receipts the sheet ends 120 twips short of the printable right edge.
        double right = 0;
        for (const auto &shape : page.shapesOf(RecordingSurface::Shape::Box))
            right = std::max(right, shape.rect.right());
        QCOMPARE(right, area.right() - 120);
        QVERIFY(page.shapesOf(RecordingSurface::Shape::Fill).size() > 0);
        for (const auto &fill : page.shapesOf(RecordingSurface::Shape::Fill))
            QVERIFY(fill.colour != QColor(Qt::black)); // no bars
    }

    void redOnlyWithColouredPrint()
    {
        NotificationsFixture f;
        auto w = f.open();
        const QColor red(255, 0, 0);
        for (bool coloured : {true, false}) {
            f.slot().ColouredPrint = coloured ? -1 : 0;
            const RecordingSurface page = Page(*w, 1);
            QCOMPARE(page.find(QStringLiteral("ΔΙΑΜΕΡΙΣΜΑ: F1"))->colour, coloured ? red : QColor(Qt::black));
            QCOMPARE(page.find(QStringLiteral("ΝΕΟ ΥΠΟΛΟΙΠΟ: 50,00"))->colour, coloured ? red : QColor(Qt::black));
            QCOMPARE(page.find(QStringLiteral("ΠΟΛΥΚΑΤΟΙΚΙΑ:"))->colour, QColor(Qt::black));
            int reds = 0;
            for (const Text &t : page.texts)
                reds += t.colour == red;
            QCOMPARE(reds, coloured ? 4 : 0); // band 1 (F1 has no occupant) and the new balance of box A
        }
    }

    void receiptsBesideTheFirstPage()
    {
        NotificationsFixture f;
        f.slot().ReceiptsOnPage = -1;
        auto w = f.open();
        ShowFlat(*w, 1);
        const RecordingSurface page = Page(*w, 1);
        const QRectF area = Printable(f, *w);
        const double split = area.center().x(); // f = 0.5
        const double middle = area.center().y();
        const auto fills = page.shapesOf(RecordingSurface::Shape::Fill);
        QList<QRectF> bars;
        for (const auto &fill : fills)
            if (fill.colour == QColor(Qt::black))
                bars.append(fill.rect);
        QCOMPARE(bars.size(), 2);
        QCOMPARE(bars[0].center().x(), split);
        QCOMPARE(bars[0].top(), area.top());
        QCOMPARE(bars[0].bottom(), area.bottom());
        QCOMPARE(bars[1].center().y(), middle);
        QCOMPARE(bars[1].left(), split);

        const auto inReceipt = [&](const QString &text, bool upper) {
            int count = 0;
            for (const Text &t : All(page, text))
                count += t.x > split && (t.y < middle) == upper;
            return count;
        };
        for (bool upper : {true, false}) {
            QCOMPARE(inReceipt(QStringLiteral("ΕΞΟΦΛΗΤΙΚΗ ΑΠΟΔΕΙΞΗ"), upper), 1);
            QCOMPARE(inReceipt(QStringLiteral("ΥΠΟΛΟΙΠΟ ΔΙΑΜΕΡΙΣΜΑΤΟΣ: 115,00"), upper), 1);
            QCOMPARE(inReceipt(QStringLiteral("ΔΑΠΑΝΗ"), upper), 1); // column titles once
            QCOMPARE(inReceipt(QStringLiteral("Η ΥΠΟΓΡΑΦΟΥΣΑ ΔΙΑΧΕΙΡΙΣΤΡΙΑ"), upper), 1);
        }
        QCOMPARE(inReceipt(QStringLiteral("ΕΝΟΙΚΟΥ"), true), 1);
        QCOMPARE(inReceipt(QStringLiteral("ΙΔΙΟΚΤΗΤΗ"), false), 1);
        QCOMPARE(inReceipt(QStringLiteral("ΝΕΟ ΥΠΟΛΟΙΠΟ: 85,00"), true), 1);
        QCOMPARE(inReceipt(QStringLiteral("ΝΕΟ ΥΠΟΛΟΙΠΟ: 30,00"), false), 1);
        QCOMPARE(inReceipt(QStringLiteral("ΧΙΛΙΟΣΤΑ"), true) + inReceipt(QStringLiteral("ΧΙΛΙΟΣΤΑ"), false), 0);
        // The sheet's rows, left of the bar, itemise; the receipts do not.
        QCOMPARE(All(page, QStringLiteral("  10/2/2024: Καθαρισμός")).size(), 1);
        QVERIFY(page.find(QStringLiteral("  10/2/2024: Καθαρισμός"))->right() < split);
    }

    void laterPages()
    {
        NotificationsFixture f;
        f.slot().Heights[0] = 900; // at 0.75 beside the receipts
        f.slot().ReceiptsOnPage = -1;
        auto w = f.open();
        QCOMPARE(w->window().pageRows(), 2);
        const RecordingSurface page = Page(*w, 2);
        const QRectF area = Printable(f, *w);
        QVERIFY(!page.find(QStringLiteral("ΕΙΔΟΠΟΙΗΤΗΡΙΟ")));
        QVERIFY(!page.find(QStringLiteral("ΕΞΟΦΛΗΤΙΚΗ ΑΠΟΔΕΙΞΗ")));
        double top = area.bottom();
        for (const auto &shape : page.shapesOf(RecordingSurface::Shape::Box))
            top = std::min(top, shape.rect.top());
        QCOMPARE(top, area.top());
        bool footer = false;
        for (const Text &t : page.texts)
            footer = footer
                || (t.text.startsWith(QStringLiteral("Vornakel/Κελβαρίνο/v2.2/2016, Σελίδα 2 από 2  ("))
                    && t.text.endsWith(QLatin1Char(')')));
        QVERIFY(footer);
    }

    // The page keeps the widths it measured for the next pages; a surface
    // that measures otherwise gets its own.
    void widthsFollowTheSurface()
    {
        NotificationsFixture f;
        auto w = f.open();
        const QStringList measured = Page(*w, 1).textStrings();
        RecordingSurface wide;
        wide.useFixedMetrics({60, 20});
        w->window().paintPage(wide, 0, 0, 1, 1, 1);
        QVERIFY(wide.textStrings() != measured);
        QVERIFY(!wide.find(QStringLiteral("ΕΙΔΟΠΟΙΗΤΗΡΙΟ"))); // cut to fit 60 twips a character and point
        QCOMPARE(Page(*w, 1).textStrings(), measured);
    }

    // All flats, all pages: one document, every flat's pages in flat order,
    // and the flat shown before is shown again.
    void printingAllFlats()
    {
        QTemporaryDir dir;
        NotificationsFixture f;
        f.slot().Heights[0] = 600;
        auto w = f.open();
        ShowFlat(*w, 1);
        const QString pdf = dir.filePath(QStringLiteral("all.pdf"));
        f.dialogs.printChoices = {PrintChoice{true, 1, true}};
        f.doubles.fileDialogs.saveAnswers = {pdf};
        w->sendAllFlatsToPrinter();
        QCOMPARE(f.doubles.printers.jobs.size(), 1);
        QCOMPARE(f.doubles.printers.jobs[0].pages, 6);
        const QStringList pages = PdfPages(pdf);
        QCOMPARE(pages.size(), 6);
        for (int i = 0; i < 6; ++i) {
            QVERIFY2(!pages[i].trimmed().isEmpty(), qPrintable(QString::number(i)));
            QCOMPARE(pages[i].contains(QStringLiteral("ΔΙΑΜΕΡΙΣΜΑ: F%1").arg(i / 2 + 1)), i % 2 == 0);
        }
        QCOMPARE(w->currentFlat(), 1);
        QVERIFY(w->window().action(QStringLiteral("flat1"))->isChecked());
    }

    void printingTable_data()
    {
        QTest::addColumn<bool>("allFlats");
        QTest::addColumn<bool>("allPages");
        QTest::addColumn<int>("pages");
        QTest::newRow("current flat, all pages") << false << true << 2;
        QTest::newRow("current flat, current page") << false << false << 1;
        QTest::newRow("all flats, current page") << true << false << 1;
        QTest::newRow("all flats, all pages") << true << true << 6;
    }

    void printingTable()
    {
        QFETCH(bool, allFlats);
        QFETCH(bool, allPages);
        QTemporaryDir dir;
        NotificationsFixture f;
        f.slot().Heights[0] = 600;
        auto w = f.open();
        ShowFlat(*w, 2);
        f.dialogs.printChoices = {PrintChoice{true, 2, allPages}};
        f.doubles.fileDialogs.saveAnswers = {dir.filePath(QStringLiteral("n.pdf"))};
        allFlats ? w->sendAllFlatsToPrinter() : w->sendShownFlatToPrinter();
        QCOMPARE(f.doubles.printers.jobs.size(), 1);
        QFETCH(int, pages);
        QCOMPARE(f.doubles.printers.jobs[0].pages, 2 * pages); // the PDF printer's copies are drawn twice
        QCOMPARE(f.doubles.printers.jobs[0].request.orientation, 2);
        QCOMPARE(w->currentFlat(), 2);
        QCOMPARE(f.dialogs.asked.size(), 1);
        QCOMPARE(f.dialogs.asked[0].rows, 2);
    }

    void printingRefused()
    {
        NotificationsFixture f;
        auto w = f.open();
        f.state.PrintingPossible = false;
        w->sendShownFlatToPrinter();
        w->sendAllFlatsToPrinter();
        QCOMPARE(f.doubles.messages.shown.size(), 2);
        for (const MessageRequest &m : f.doubles.messages.shown) {
            QCOMPARE(m.title, QStringLiteral("Εκτυπωτές"));
            QCOMPARE(m.text, QStringLiteral("Έχετε κάποιο πρόβλημα με τον εκτυπωτή σας."));
        }
        QVERIFY(f.dialogs.asked.isEmpty());

        f.state.PrintingPossible = true;
        f.doubles.messages.shown.clear();
        f.slot().PaperSize = 11;
        f.doubles.printers.refusedPapers[BuiltInPdfPrinterName()] = {11};
        f.dialogs.printChoices = {PrintChoice{true, 1, true}};
        w->sendAllFlatsToPrinter();
        for (const auto &job : f.doubles.printers.jobs)
            QCOMPARE(job.pages, 0);
        QCOMPARE(f.doubles.messages.shown.size(), 1);
        QCOMPARE(f.doubles.messages.shown[0].title, QStringLiteral("Πρόβλημα με το μέγεθος σελίδας"));
        QCOMPARE(w->currentFlat(), 0);
    }
};

KV_TEST_MAIN(TestNotificationPages)

} // namespace test_notificationpages
#include "test_notificationpages.moc"
