// The cash statement window on the recording surface: its header blocks,
// groups, cells and shading, its page grid and the order its pages print in.
#include "printoutsfixture.h"

#include "core/issuecommands.h"
#include "printing/pagesurface.h"
#include "printouts/cashstatement.h"
#include "printouts/cashstatementreport.h"
#include "testprogram.h"

#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvarino;

namespace test_cashstatement {

using namespace kelvarino::testing;

namespace {

struct Statement
{
    explicit Statement(int flats) : f(flats)
    {
        QVERIFY(PrepareCashStatement(f.state.Building, 0, f.doubles.messages, results) == CommandOutcome::OpenReport);
    }
    PrintSetting &slot() { return f.slot(4); }
    RecordingSurface page(int row, int column)
    {
        RecordingSurface surface;
        window->paintPage(surface, 0, 0, row, column, 1);
        return surface;
    }
    void open()
    {
        report = std::make_unique<CashStatementReport>(f.state, results, 0);
        window = f.open(*report);
    }

    PrintoutsFixture f;
    PeriodResults results;
    std::unique_ptr<CashStatementReport> report;
    std::unique_ptr<ReportPreview> window;
};

int Count(const RecordingSurface &surface, const QString &text)
{
    return int(surface.textStrings().count(text));
}

// The texts drawn on the row band of the flat whose running number is shown.
QStringList RowTexts(const RecordingSurface &surface, int flat)
{
    const auto number = surface.find(QString::number(flat + 1));
    QStringList texts;
    if (!number)
        return texts;
    for (const RecordingSurface::Text &t : surface.texts)
        if (std::abs((t.y + t.height / 2) - (number->y + number->height / 2)) < 1)
            texts << t.text;
    return texts;
}

} // namespace

class TestCashStatement : public QObject
{
    Q_OBJECT

private slots:
    void groupsCellsAndTotals()
    {
        Statement s(12);
        s.open();
        QCOMPARE(s.report->paging().pageColumns, 1);
        const RecordingSurface page = s.page(1, 1);
        // Group 1 has no "both" column; the others have.
        QCOMPARE(Count(page, QStringLiteral("Ένοικος")), 5);
        QCOMPARE(Count(page, QStringLiteral("Ιδιοκτήτης")), 5);
        QCOMPARE(Count(page, QStringLiteral("Και οι δύο")), 4);
        QCOMPARE(Count(page, QStringLiteral("ΑΤΟΜΙΚΕΣ")), 1);
        // Every total is written, zero included; a flat's zero cells stay blank.
        int zeroTotals = 0;
        for (int g = 0; g < CashStatement::GroupCount; ++g)
            for (int sub = 0; sub < CashStatement::ColumnSubCount(g); ++sub)
                zeroTotals += CashStatement::TotalValue(s.results.Period, g, sub) == 0 ? 1 : 0;
        // A flat's value that only rounds to zero is written.
        int roundedToZero = 0;
        for (const FlatBalance &balance : s.results.Period.Balances)
            for (int g = 0; g < CashStatement::GroupCount; ++g)
                for (int sub = 0; sub < CashStatement::ColumnSubCount(g); ++sub)
                    roundedToZero += CashStatement::FlatText(CashStatement::FlatValue(balance, g, sub))
                        == QStringLiteral("0,00");
        QVERIFY(zeroTotals > 0);
        QCOMPARE(Count(page, QStringLiteral("0,00")), zeroTotals + roundedToZero);
        const FlatBalance &third = s.results.Period.Balances[2];
        int nonZero = 0;
        for (int g = 0; g < CashStatement::GroupCount; ++g)
            for (int sub = 0; sub < CashStatement::ColumnSubCount(g); ++sub)
                nonZero += CashStatement::FlatValue(third, g, sub) != 0 ? 1 : 0;
        QCOMPARE(RowTexts(page, 2).size(), 2 + nonZero);
        QVERIFY(RowTexts(page, 2).contains(QStringLiteral("Δ3")));
    }

    void oneColumnWidePutsTheReservesBesideTheCash()
    {
        Statement s(12);
        s.open();
        const RecordingSurface page = s.page(1, 1);
        const auto reserves = page.find(CashStatement::ReservesText(s.results.Period));
        const auto cash = page.find(CashStatement::CashStartLine(s.results.Period));
        const auto period = page.find(CashStatement::PeriodLine(s.f.state.Building.Issues[0]));
        QVERIFY(reserves && cash && period);
        QVERIFY(reserves->x > cash->right());
        QCOMPARE(reserves->y < cash->bottom(), true);
        QVERIFY(period->x > s.window->geometry().printableWidth(1) / 2);
        QVERIFY(page.find(QStringLiteral("Ημερομηνία έκδοσης: 2/4/2015")).has_value());
    }

    void threePageColumns()
    {
        Statement s(40);
        s.slot().Widths[1] = 2400; // one group to a page column, the flats' column beside the first
        s.open();
        QCOMPARE(s.report->paging().pageColumns, 3);
        QVERIFY(s.report->paging().pageRows >= 2);
        const QString building = CashStatement::BuildingLine(s.f.state.Building);
        const QString period = CashStatement::PeriodLine(s.f.state.Building.Issues[0]);
        QVERIFY(s.page(1, 1).find(building));
        QVERIFY(!s.page(1, 1).find(period));
        QVERIFY(s.page(1, 3).find(period));
        QVERIFY(!s.page(1, 2).find(building) && !s.page(1, 2).find(period));
        QVERIFY(!s.page(2, 1).find(building));
        // Page rows after the first start at the top of the printable area.
        const RecordingSurface rows = s.page(2, 2);
        const double top = s.window->geometry().printable(1).top();
        double highest = 1e9;
        for (const RecordingSurface::Shape &shape : rows.shapesOf(RecordingSurface::Shape::Box))
            highest = std::min(highest, shape.rect.top());
        QCOMPARE(highest, top);
        QVERIFY(!rows.find(QStringLiteral("ΣΥΝΟΛΑ")));

        // With page independency every page repeats its column's blocks, the
        // titles and the flats' column.
        s.window->action(QStringLiteral("pageIndependence"))->trigger();
        QVERIFY(s.f.state.DataChanged);
        QCOMPARE(s.slot().PageIndependency, True16);
        const int last = s.report->paging().pageColumns;
        QVERIFY(s.page(2, 1).find(building));
        QVERIFY(s.page(2, last).find(period));
        QVERIFY(!s.page(2, 2).find(period));
        QVERIFY(s.page(2, 2).find(QStringLiteral("ΣΥΝΟΛΑ")));
        QVERIFY(s.page(2, 2).find(QStringLiteral("α/α")));
    }

    void shadingFollowsTheFlat()
    {
        // Page rows of 24 flats: the second begins with flat 25 (unshaded);
        // of 25 flats: with flat 26 (shaded).
        for (int perRow : {24, 25}) {
            Statement s(60);
            s.slot().PageIndependency = True16;
            s.open();
            const double room = s.window->geometry().printableHeight(1)
                - CashStatement::Measures(s.report->samples(), s.slot(), 60).headerHeight;
            s.slot().Heights[0] = float(room / (perRow + 0.5));
            QVERIFY(s.window->layoutPreview());
            QCOMPARE(s.report->paging().rowPage[std::size_t(perRow)], 2);
            const RecordingSurface page = s.page(2, 1);
            const auto first = page.find(QString::number(perRow + 1));
            QVERIFY(first);
            bool shaded = false;
            for (const RecordingSurface::Shape &shape : page.shapesOf(RecordingSurface::Shape::Fill))
                if (shape.colour == QColor(240, 240, 240) && shape.rect.top() <= first->y
                    && shape.rect.bottom() >= first->bottom())
                    shaded = true;
            QCOMPARE(shaded, perRow == 25);
        }
    }

    void footerAndPrintOrder()
    {
        Statement s(40);
        s.slot().Widths[1] = 2400;
        s.open();
        QCOMPARE(s.report->paging().pageColumns, 3);
        // Two page rows: the rows fit at the default height.
        s.slot().Heights[0] = float(s.window->geometry().printableHeight(1) / 30);
        QVERIFY(s.window->layoutPreview());
        QCOMPARE(s.window->pageRows(), 2);
        QVERIFY(s.page(2, 3).find(QStringLiteral("Vornakel/Κελβαρίνο/v2.2/2016, Σελίδα (2,3) από 2x3  (15/1/2026 "
                                                 "10:30:00)")));
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("cash.pdf"));
        s.f.dialogs.printChoices = {PrintChoice{true, 1, true}};
        s.f.doubles.fileDialogs.saveAnswers = {pdf};
        s.window->sendToPrinter();
        QStringList order;
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        text.waitForFinished();
        for (const QString &line : QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\n')))
            if (line.contains(QStringLiteral("Σελίδα (")))
                order << line.mid(line.indexOf(QStringLiteral("Σελίδα (")) + 7, 5);
        QCOMPARE(order, (QStringList{QStringLiteral("(1,1)"), QStringLiteral("(2,1)"), QStringLiteral("(1,2)"),
                                     QStringLiteral("(2,2)"), QStringLiteral("(1,3)"), QStringLiteral("(2,3)")}));
    }

    void aTooWideColumnKeepsOrientationAndMagnification()
    {
        Statement s(12);
        s.slot().Portrait = True16;
        s.slot().Magnification = 1.2f;
        s.slot().Widths[0] = 30000;
        s.open();
        QVERIFY(!s.window->hasPages());
        QCOMPARE(s.slot().Portrait, True16);
        QCOMPARE(s.slot().Magnification, 1.2f);
        QCOMPARE(s.f.doubles.messages.shown.size(), 1);
        QCOMPARE(s.f.doubles.messages.shown[0].title, QStringLiteral("Πρόβλημα με την παρουσίαση των δεδομένων"));
        QVERIFY(s.f.doubles.messages.shown[0].text.startsWith(QStringLiteral("Η στήλη των διαμερισμάτων")));
        // The header blocks still show, without the table.
        QVERIFY(!s.page(1, 1).find(QStringLiteral("ΣΥΝΟΛΑ")));
    }

    void independencyThatCannotBeKeptIsDroppedWithItsTick()
    {
        Statement s(12);
        s.slot().PageIndependency = True16;
        s.slot().Widths[0] = 12000;
        s.slot().Widths[1] = 3000; // flats' column + gap + a group: above the width at 0.75
        s.open();
        QVERIFY(s.window->hasPages());
        QCOMPARE(s.slot().PageIndependency, False16);
        QVERIFY(!s.window->action(QStringLiteral("pageIndependence"))->isChecked());
        QVERIFY(!s.f.state.DataChanged);
    }
};

KV_TEST_MAIN(TestCashStatement)

} // namespace test_cashstatement
#include "test_cashstatement.moc"
