#include "issues/collectivelayout.h"
#include "core/issuecommands.h"
#include "examplebuilding.h"
#include "platform/messageservice.h"
#include "testprogram.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace kelvarino;

namespace test_collectivelayout {

namespace {

// A statement with the totals block 4500 wide (1000 + 500 + 2000 + 1000) on a
// page 10000 wide; category kinds as given.
struct Statement
{
    IssueWorkspace workspace;
    StatementGeometry geometry;
    std::vector<ExpenseListRow> rows;
    StatementPlacement placement;

    Statement(int listRows, std::array<int, CategoryCount> kinds, double height = 15000)
    {
        workspace.AmountColumnCount = 1;
        workspace.CategoryKinds = kinds;
        geometry.PrintableWidth = 10000;
        geometry.PrintableHeight = height;
        geometry.Magnification = 1;
        geometry.ExpenseColumnsPerPage = 2;
        geometry.Widths = {1000, 2000, 1000, 1500};
        geometry.Heights = {355, 355};
        geometry.SerialColumnWidth = 500;
        rows.resize(std::size_t(listRows));
    }
    bool place(int flats = 5) { return PlaceStatement(workspace, geometry, flats, rows, placement); }
    QList<int> position(int row) const
    {
        const ExpenseListRow &r = rows[std::size_t(row - 1)];
        return {r.PageColumn, r.PageRow, r.ColumnInPage, r.RowInColumn};
    }
};

} // namespace

class CollectiveLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    // Blocks go across in order; one that does not fit beside the earlier ones
    // opens the next page, and later blocks never go back. Ten list rows in
    // four columns (two per page, two pages across) take three rows each.
    void blocksAndListColumns()
    {
        Statement s(10, {3, 3, 1, 0, 0, 0});
        QVERIFY(s.place());
        QCOMPARE(s.placement.PageColumns, 2);
        QCOMPARE(s.placement.BlockPageColumn(0), 1);
        QCOMPARE(s.placement.BlockPageColumn(1), 2);
        QCOMPARE(s.placement.BlockPageColumn(2), 2); // would fit on page 1, but follows block 1
        QCOMPARE(s.placement.BlockPageColumn(ChargesBlock), 0);
        QCOMPARE(s.placement.ListRowsOnPageRow, std::vector<int>{3});
        QCOMPARE(s.position(1), (QList<int>{1, 1, 1, 1}));
        QCOMPARE(s.position(3), (QList<int>{1, 1, 1, 3}));
        QCOMPARE(s.position(4), (QList<int>{1, 1, 2, 1}));
        QCOMPARE(s.position(7), (QList<int>{2, 1, 1, 1}));
        QCOMPARE(s.position(9), (QList<int>{2, 1, 1, 3}));
        QCOMPARE(s.position(10), (QList<int>{2, 1, 2, 1}));
        const auto [first, last] = s.placement.ListRowsOfPage(2, 1);
        QCOMPARE(std::vector<int>(first, last), (std::vector<int>{6, 7, 8, 9}));
        QCOMPARE(s.placement.PageRows, 1);
        QCOMPARE(s.placement.FlatPageRow, std::vector<int>(5, 1));
    }

    // A page row that holds exactly the remaining list rows leaves the flats
    // to a page row of their own; a list column runs down the page rows.
    void listFillsPageRowExactly()
    {
        // Page row 1: 1185 band + 4 rows of 355 (+100 spare); later rows 7.
        Statement s(10, {0, 0, 0, 0, 0, 0}, 1185 + 4 * 355 + 100);
        s.geometry.ExpenseColumnsPerPage = 1;
        QVERIFY(s.place(3));
        QCOMPARE(s.placement.ListRowsOnPageRow, (std::vector<int>{4, 6}));
        QCOMPARE(s.position(5), (QList<int>{1, 2, 1, 1}));
        QCOMPARE(s.placement.PageRows, 3);
        QCOMPARE(s.placement.FlatPageRow, std::vector<int>(3, 3));

        Statement t(4, {0, 0, 0, 0, 0, 0}, 1185 + 4 * 355 + 100);
        t.geometry.ExpenseColumnsPerPage = 1;
        QVERIFY(t.place(3));
        QCOMPARE(t.placement.ListRowsOnPageRow, (std::vector<int>{4}));
        QCOMPARE(t.placement.PageRows, 2);
        QCOMPARE(t.placement.FlatPageRow, std::vector<int>(3, 2));
    }

    // The flats' table header is budgeted on their first page row only.
    void flatsDownThePages()
    {
        Statement s(2, {0, 0, 0, 0, 0, 0}, 1185 + 1065 + 2 * 355 + 60 + 10 * 355);
        s.geometry.ExpenseColumnsPerPage = 1;
        QVERIFY(s.place(30));
        // Page row 1: the band, 2 list rows with their gap, the header, 10 flats.
        QCOMPARE(std::count(s.placement.FlatPageRow.begin(), s.placement.FlatPageRow.end(), 1), 10);
        // Later page rows: Int(H / 355) = 18 flats each.
        QCOMPARE(std::count(s.placement.FlatPageRow.begin(), s.placement.FlatPageRow.end(), 2), 18);
        QCOMPARE(s.placement.FlatPageRow.back(), 3);
        QCOMPARE(s.placement.PageRows, 3);
    }

    // Page row 1 without room for a list row holds none, and the list starts
    // on page row 2 rather than losing its first rows.
    void pageRowOneTooShortForTheList()
    {
        Statement s(3, {0, 0, 0, 0, 0, 0}, 1500);
        s.geometry.ExpenseColumnsPerPage = 1;
        QVERIFY(s.place(1));
        QCOMPARE(s.placement.ListRowsOnPageRow, (std::vector<int>{0, 3}));
        QCOMPARE(s.position(1), (QList<int>{1, 2, 1, 1}));
        QCOMPARE(s.position(3), (QList<int>{1, 2, 1, 3}));
    }

    // A page too short for one list row, or for the table header and one flat
    // row, or a height that is no number: no placement, nothing changed.
    void pageTooShort_data()
    {
        QTest::addColumn<double>("height");
        QTest::addColumn<float>("listRow");
        QTest::newRow("no list row") << 1000.0 << 1200.0f;
        QTest::newRow("header and flat") << 1400.0 << 355.0f;
        QTest::newRow("not a number") << 15000.0 << std::numeric_limits<float>::quiet_NaN();
    }
    void pageTooShort()
    {
        QFETCH(double, height);
        QFETCH(float, listRow);
        Statement s(3, {1, 0, 0, 0, 0, 0}, height);
        s.geometry.Heights[1] = listRow;
        s.placement.PageRows = 7;
        QVERIFY(!s.place());
        QCOMPARE(s.placement.PageRows, 7);
        QCOMPARE(s.rows[0].PageRow, 0);
    }

    // A block wider than a whole page (individual charges are never fitted)
    // takes a page of its own; nothing loops.
    void blockWiderThanAPage()
    {
        Statement s(3, {0, 0, 0, 0, 0, 0});
        s.workspace.ChargeKind = 3;
        s.geometry.Widths[2] = 6000;
        QVERIFY(s.place());
        QCOMPARE(s.placement.BlockPageColumn(ChargesBlock), 2);
        QCOMPARE(s.placement.PageColumns, 2);
    }

    // Counts and positions are not limited to 16 bits.
    void longList()
    {
        Statement s(40000, {1, 0, 0, 0, 0, 0});
        QVERIFY(s.place());
        QCOMPARE(s.rows.back().PageColumn, 1);
        QCOMPARE(s.rows.back().ColumnInPage, 2);
        int placed = 0;
        for (int q = 1; q <= s.placement.PageRows; ++q)
            placed += s.placement.ListRowsOn(q);
        QCOMPARE(placed, 20000);
        QVERIFY(s.rows.back().PageRow > 100);
    }

    // The list of an issue of the example building: its rows in order, as
    // many as counted.
    void exampleList()
    {
        const BuildingData building = MakeExampleBuilding();
        RecordingMessageService messages;
        PeriodResults results;
        QCOMPARE(PrepareCollectiveStatement(building, 0, messages, results), CommandOutcome::OpenReport);
        const IssueWorkspace &w = results.Workspace;
        const std::vector<ExpenseListRow> rows = BuildExpenseList(building, w);
        QCOMPARE(int(rows.size()), CountExpenseListRows(w));
        QVERIFY(rows.front().IsSideHeading);
        QCOMPARE(rows.front().Text, QStringLiteral("ΔΑΠΑΝΕΣ ΕΝΟΙΚΩΝ"));
        QCOMPARE(rows.front().Amount, w.ResidentChargeTotal + w.ResidentCommonTotal);
        const auto owners = std::find_if(rows.begin(), rows.end(), [](const ExpenseListRow &r) {
            return r.IsSideHeading && r.Text == QStringLiteral("ΔΑΠΑΝΕΣ ΙΔΙΟΚΤΗΤΩΝ");
        });
        QVERIFY(owners != rows.end());
        const ExpenseListRow &group = rows[1];
        QVERIFY(group.IsGroupHeading);
        const ExpenseListRow &item = rows[2];
        QVERIFY(!item.IsGroupHeading && !item.IsSideHeading);
        QVERIFY(item.Text.contains(QStringLiteral("/20")));
        QVERIFY(item.Text.contains(QStringLiteral(": ")));
    }
};

KV_TEST_MAIN(CollectiveLayoutTest)

} // namespace test_collectivelayout
#include "test_collectivelayout.moc"
