// The collective statement as a report of the preview: fitting and its
// failures on the layout model, and what its pages draw, on the recording
// surface.

#include "issues/collectivestatementreport.h"
#include "core/printsettings.h"
#include "core/workstate.h"
#include "examplebuilding.h"
#include "printing/pagesurface.h"
#include "printing/printingcontext.h"
#include "printing/reportpreview.h"
#include "testprogram.h"

#include <QTest>

#include <limits>
#include <memory>

using namespace kelvarino;

namespace test_collectivestatement {

namespace {

// The example building, the results of one issue's command and its statement.
struct StatementFixture
{
    explicit StatementFixture(int issue = 0)
    {
        ResetToNewWork(state);
        state.Building = MakeExampleBuilding();
        state.ProgramPrinter = state.SystemPrinter = BuiltInPdfPrinterName();
        state.PrintingPossible = true;
        state.PreferredFont = QStringLiteral("Arial Greek");
        RecordingMessageService messages;
        if (PrepareCollectiveStatement(state.Building, issue, messages, results) != CommandOutcome::OpenReport)
            qFatal("the example's issue has no statement");
        report = std::make_unique<CollectiveStatementReport>(state, results, issue);
    }
    PrintSetting &slot() { return state.Building.PrintSettings[SlotCollectiveStatement]; }
    std::unique_ptr<ReportPreview> open()
    {
        auto preview = std::make_unique<ReportPreview>(PrintingContext{state, doubles.platform(), &dialogs}, *report);
        preview->load();
        return preview;
    }
    // Sizes that give a statement one page wide on landscape A4.
    void narrow()
    {
        slot().Widths = {600, 1800, 700, 700, 0, 0};
        slot().Portrait = 0;
        slot().Magnification = 1;
    }
    // Measures the defaults on fixed metrics ("Αα/αΑ": 5 x 8 x 10 = 400 twips)
    // and lays the statement out on a page of the given printable sizes.
    LayoutOutcome layOut(double portraitWidth, double landscapeWidth, double height = 10000)
    {
        measure.useFixedMetrics({10, 20});
        measure.setFont(state.PreferredFont, 8, true);
        report->bestBoxSizes(measure);
        geometry.PrintableRight = {float(portraitWidth), float(landscapeWidth)};
        geometry.PrintableBottom = {float(height), float(height)};
        ReportLayout layout(slot(), geometry, measure);
        return report->preparePrint(layout);
    }
    // The flats' block 15000 wide: 400 + 7600 + 3000 + 4 amount columns of 1000.
    void leftBlock(double width)
    {
        QCOMPARE(results.Workspace.AmountColumnCount, 4);
        slot().Widths = {float(width - 400 - 3000 - 4000), 3000, 1000, 1000, 0, 0};
        slot().Heights = {355, 355, 0, 0, 0, 0};
    }

    AppState state;
    TestPlatform doubles;
    ScriptedPrintingDialogs dialogs{state, doubles.platform()};
    PeriodResults results;
    std::unique_ptr<CollectiveStatementReport> report;
    RecordingSurface measure;
    PageGeometry geometry;
};

const QString TooWide = QStringLiteral("Η στήλη με τα ονόματα των διαμερισμάτων και τα συνολικά ποσά για το καθένα "
                                       "είναι τόσο φαρδιά που δε χωράει στο χαρτί με οριζόντιο προσανατολισμό και με "
                                       "τη μεγαλύτερη δυνατή σμύκρινση 50%.");

} // namespace

class CollectiveStatementTest : public QObject
{
    Q_OBJECT

private slots:
    // A portrait page turns landscape before the magnification drops; a
    // width still too wide lowers it, cut to hundredths, down to exactly 0.50.
    void fitting_data()
    {
        QTest::addColumn<double>("leftBlock");
        QTest::addColumn<int>("code");
        QTest::addColumn<qint16>("portrait");
        QTest::addColumn<float>("magnification");
        QTest::newRow("landscape first") << 12000.0 << 0 << qint16(0) << 1.0f;
        QTest::newRow("0.93") << 15000.0 << 0 << qint16(0) << 0.93f;
        QTest::newRow("exactly half") << 28000.0 << 0 << qint16(0) << 0.5f;
        QTest::newRow("below half") << 28100.0 << -1 << qint16(-1) << 1.0f;
    }
    void fitting()
    {
        QFETCH(double, leftBlock);
        QFETCH(int, code);
        QFETCH(qint16, portrait);
        QFETCH(float, magnification);
        StatementFixture f;
        f.leftBlock(leftBlock);
        f.slot().Portrait = -1;
        f.slot().Magnification = 1;
        QCOMPARE(f.layOut(10000, 14000).code, code);
        QCOMPARE(f.slot().Portrait, portrait);
        QCOMPARE(f.slot().Magnification, magnification);
        QCOMPARE(f.report->laidOut(), code == 0);
    }

    // Rows too high for any page: code -3 with its message, the slot as it
    // was, and no page drawn until a layout succeeds.
    void rowsTooHigh()
    {
        StatementFixture f;
        f.leftBlock(12000);
        f.slot().Portrait = -1;
        f.slot().Magnification = 1;
        QCOMPARE(f.layOut(10000, 14000, 1300).code, -3);
        QCOMPARE(f.slot().Portrait, qint16(-1));
        QCOMPARE(f.report->failureText(-3).message,
                 QStringLiteral("Οι γραμμές της κατάστασης είναι τόσο ψηλές που δε χωράει ούτε μία σε μια σελίδα."));
        RecordingSurface page;
        f.report->printPage(PageRequest{page, 0, 0, 1, 1, 1, 1, QRectF(0, 0, 14000, 1300), f.slot(), false});
        QVERIFY(page.texts.isEmpty());
        QCOMPARE(f.layOut(10000, 14000).code, 0);
    }

    // In the preview: the fit switches to landscape without DataChanged; a
    // stored height that is no number is taken as not set; printing leaves
    // DataChanged alone; a statement too wide shows its message.
    void inThePreview()
    {
        StatementFixture f;
        f.slot().Portrait = -1;
        f.slot().Widths[1] = 6000; // too wide for a portrait page
        f.slot().Heights[1] = std::numeric_limits<float>::quiet_NaN();
        f.slot().Widths[0] = std::numeric_limits<float>::infinity();
        auto preview = f.open();
        QVERIFY(preview->hasPages());
        QCOMPARE(f.slot().Portrait, qint16(0));
        QCOMPARE(f.slot().Heights[1], 355.0f);
        QCOMPARE(f.slot().Widths[0], preview->defaultSizes().widths[0]);
        QCOMPARE(preview->action(QStringLiteral("expenseColumns"))->text(),
                 QStringLiteral("Αριθμός στηλών δαπανών ανά σελίδα = 4"));
        f.doubles.fileDialogs.saveAnswers = {QDir::temp().filePath(QStringLiteral("collective_test.pdf"))};
        QVERIFY(preview->printPages(PrintChoice{true, 1, true}));
        QVERIFY(!f.state.DataChanged);

        f.slot().Widths[1] = 60000;
        QVERIFY(!preview->layoutPreview());
        QCOMPARE(f.doubles.messages.shown.last().title, QStringLiteral("Πρόβλημα με την παρουσίαση των δεδομένων"));
        QVERIFY(f.doubles.messages.shown.last().text.startsWith(TooWide));
        QVERIFY(!f.state.DataChanged);
    }

    // "Αριθμός στηλών δαπανών ανά σελίδα": the dialog's answer lays out anew
    // and the caption follows the slot; a stored count out of range is laid
    // out, and named, as the nearest of 1 to 6.
    void expenseColumnsEntry()
    {
        StatementFixture f;
        f.narrow();
        f.slot().ExpenseColumnsPerPage = 9;
        auto preview = f.open();
        QCOMPARE(preview->pageColumns(), 1);
        QCOMPARE(preview->action(QStringLiteral("expenseColumns"))->text(),
                 QStringLiteral("Αριθμός στηλών δαπανών ανά σελίδα = 6"));
        f.dialogs.settingsChanges = {[](PrintSetting &s) { s.ExpenseColumnsPerPage = 1; }};
        preview->action(QStringLiteral("expenseColumns"))->trigger();
        QCOMPARE(preview->action(QStringLiteral("expenseColumns"))->text(),
                 QStringLiteral("Αριθμός στηλών δαπανών ανά σελίδα = 1"));
        QCOMPARE(f.report->listRows().back().ColumnInPage, 1);
    }

    // "Προτεινόμενες παράμετροι" puts back every size but the list's amount
    // box and the statement's own parameters, caption included.
    void suggestedParameters()
    {
        StatementFixture f;
        f.slot().Widths = {900, 4000, 1500, 2000, 0, 0};
        f.slot().Heights = {500, 600, 0, 0, 0, 0};
        f.slot().ColouredPrint = 0;
        f.slot().PageNumbers = 0;
        auto preview = f.open();
        preview->action(QStringLiteral("bestParameters"))->trigger();
        const ReportSizes &defaults = preview->defaultSizes();
        QCOMPARE(f.slot().Widths[0], defaults.widths[0]);
        QCOMPARE(f.slot().Widths[2], defaults.widths[2]);
        QCOMPARE(f.slot().Widths[3], 2000.0f);
        QCOMPARE(f.slot().Heights[1], 355.0f);
        QCOMPARE(f.slot().ExpenseColumnsPerPage, qint16(2));
        QVERIFY(f.slot().ColouredPrint != 0 && f.slot().PageNumbers != 0);
        QCOMPARE(preview->action(QStringLiteral("expenseColumns"))->text(),
                 QStringLiteral("Αριθμός στηλών δαπανών ανά σελίδα = 2"));
        QVERIFY(f.state.DataChanged);
    }

    // One page wide: building and administrator left; the announcement box
    // ends 1.5 total widths before the right edge; period, date and total right.
    void onePageWide()
    {
        StatementFixture f;
        f.narrow();
        auto preview = f.open();
        QCOMPARE(preview->pageColumns(), 1);
        RecordingSurface page;
        preview->paintPage(page, 0, 0, 1, 1, 1);
        const QRectF area = preview->geometry().printable(1);
        const double mx = area.center().x();
        const auto building = page.find(QStringLiteral("ΠΟΛΥΚΑΤΟΙΚΙΑ: Πολυκατοικία Οδού Αιόλου 12, Αθήνα"));
        QVERIFY(building && building->x < mx);
        const auto total = page.find(QStringLiteral("ΣΥΝΟΛΟ: 4306,15"));
        QVERIFY(total);
        const auto issued = page.find(QStringLiteral("Ημερομηνία έκδοσης: 8/1/2026"));
        QVERIFY(issued && issued->x > mx && std::abs(issued->right() - (area.right() - 15)) < 1);
        QVERIFY(std::any_of(page.texts.begin(), page.texts.end(), [&](const RecordingSurface::Text &t) {
            return t.text.startsWith(QStringLiteral("ΔΙΑΧΕΙΡΙΣΤΙΚΗ ΠΕΡΙΟΔΟΣ")) && t.x > mx;
        }));
        const auto frames = framed(page);
        QCOMPARE(frames.size(), 2);
        QCOMPARE(frames[0].left(), area.left());
        page.setFont(f.state.PreferredFont, 10, true);
        const double totalWidth = page.textWidth(total->text);
        QVERIFY(std::abs(frames[0].right() - (area.right() - 1.5 * totalWidth)) < 0.01);
        QVERIFY(std::abs(frames[1].left() - (area.right() - 1.5 * totalWidth)) < 0.01);
        QCOMPARE(frames[1].right(), area.right());
        QVERIFY(page.textStrings().last().startsWith(QStringLiteral("Vornakel/Κελβαρίνο/v2.2/2016, Σελίδα (1,1) από ")));
    }

    // Two pages across: the announcement reaches the right edge and the
    // period block stands on the last page across.
    void twoPagesAcross()
    {
        StatementFixture f;
        auto preview = f.open();
        QCOMPARE(preview->pageColumns(), 2);
        RecordingSurface first, last;
        preview->paintPage(first, 0, 0, 1, 1, 1);
        preview->paintPage(last, 0, 0, 1, 2, 1);
        const QRectF area = preview->geometry().printable(1);
        QCOMPARE(framed(first).size(), 1);
        QCOMPARE(framed(first)[0].right(), area.right());
        QVERIFY(!first.find(QStringLiteral("ΣΥΝΟΛΟ: 4306,15")));
        QVERIFY(last.find(QStringLiteral("ΣΥΝΟΛΟ: 4306,15")));
        QVERIFY(last.find(QStringLiteral("Ημερομηνία έκδοσης: 8/1/2026")));
        QVERIFY(!last.find(QStringLiteral("ΠΟΛΥΚΑΤΟΙΚΙΑ: Πολυκατοικία Οδού Αιόλου 12, Αθήνα")));
    }

    // Two list columns on 15000 twips at scale 1: 0-7485, bar 7485-7515,
    // 7515-15000, each amount box ending at its column's right end.
    void listColumns()
    {
        StatementFixture f;
        f.narrow();
        f.slot().ExpenseColumnsPerPage = 2;
        auto preview = f.open();
        RecordingSurface page;
        f.report->printPage(PageRequest{page, 0, 0, 1, 1, 1, 1, QRectF(0, 0, 15000, 10000), f.slot(), false});
        const double top = 1185;
        QList<QRectF> rowBoxes;
        for (const auto &s : page.shapesOf(RecordingSurface::Shape::Box))
            if (s.rect.top() == top)
                rowBoxes.append(s.rect);
        QCOMPARE(rowBoxes.size(), 4);
        QCOMPARE(rowBoxes[0].left(), 0.0);
        QCOMPARE(rowBoxes[1].right(), 7485.0);
        QCOMPARE(rowBoxes[1].left(), 7485.0 - 700);
        QCOMPARE(rowBoxes[2].left(), 7515.0);
        QCOMPARE(rowBoxes[3].right(), 15000.0);
        const auto bars = blackFills(page);
        QVERIFY(std::any_of(bars.begin(), bars.end(), [&](const QRectF &r) {
            return r.left() == 7485 && r.right() == 7515 && r.top() == top
                   && r.height() == f.report->placement().ListRowsOn(1) * 355.0;
        }));
    }

    // Without colour every fill is light grey and both boxes black; without
    // page numbers there is no footer.
    void plainPrint()
    {
        StatementFixture f;
        f.narrow();
        f.slot().ColouredPrint = 0;
        f.slot().PageNumbers = 0;
        auto preview = f.open();
        RecordingSurface page;
        preview->paintPage(page, 0, 0, 1, 1, 1);
        for (const auto &s : page.shapesOf(RecordingSurface::Shape::Fill))
            QVERIFY(s.colour == QColor(240, 240, 240) || s.colour == QColor(Qt::black));
        for (const auto &s : page.shapesOf(RecordingSurface::Shape::Box))
            QCOMPARE(s.colour, QColor(Qt::black));
        QCOMPARE(page.find(QStringLiteral("ΣΥΝΟΛΟ: 4306,15"))->colour, QColor(Qt::black));
        for (const QString &t : page.textStrings())
            QVERIFY(!t.startsWith(QStringLiteral("Vornakel")));

        f.slot().ColouredPrint = -1;
        page.clear();
        preview->paintPage(page, 0, 0, 1, 1, 1);
        QCOMPARE(page.find(QStringLiteral("ΣΥΝΟΛΟ: 4306,15"))->colour, QColor(Qt::red));
        QCOMPARE(framed(page)[0].width() > 0, true);
    }

private:
    // The thick-framed boxes (announcement, total), left to right.
    static QList<QRectF> framed(const RecordingSurface &page)
    {
        QList<QRectF> boxes;
        for (const auto &s : page.shapesOf(RecordingSurface::Shape::Box))
            if (s.penWidth > 0)
                boxes.append(s.rect);
        std::sort(boxes.begin(), boxes.end(), [](const QRectF &a, const QRectF &b) { return a.left() < b.left(); });
        return boxes;
    }
    static QList<QRectF> blackFills(const RecordingSurface &page)
    {
        QList<QRectF> fills;
        for (const auto &s : page.shapesOf(RecordingSurface::Shape::Fill))
            if (s.colour == QColor(Qt::black))
                fills.append(s.rect);
        return fills;
    }
};

KV_TEST_MAIN(CollectiveStatementTest)

} // namespace test_collectivestatement
#include "test_collectivestatement.moc"
