#include "notifications/notificationfit.h"
#include "notifications/notificationrows.h"

#include "core/issuecommands.h"
#include "printing/pagesurface.h"
#include "printing/previewreport.h"
#include "platform/messageservice.h"
#include "support_periodbuilding.h"
#include "testprogram.h"

#include <QtTest>

#include <limits>

using namespace kelvarino;

namespace test_notificationlayout {

using namespace kelvarino::testing;

namespace {

NotificationRow Balance(bool resident) { return {-1, 0, qint16(resident ? -1 : 0), 0, 0, 0}; }
NotificationRow Header(bool resident, int category) { return {0, -1, qint16(resident ? -1 : 0), qint16(category), 0, 0}; }
NotificationRow Item(bool resident, int category, int item)
{
    return {0, 0, qint16(resident ? -1 : 0), qint16(category), qint16(item), 0};
}

// The rows of the single issue of a building, through the notifications' command.
NotificationRows RowsOf(const PeriodBuilding &b)
{
    RecordingMessageService messages;
    PeriodResults results;
    const bool opens = PrepareNotifications(b.data, 0, messages, results) == CommandOutcome::OpenReport;
    if (!opens)
        qWarning() << messages.shown.value(0).text;
    return opens ? BuildNotificationRows(results.Workspace) : NotificationRows{};
}

// A list of rows of the given line counts (1 item, 2 balance).
NotificationRows RowsOfLines(std::initializer_list<int> lines)
{
    NotificationRows rows;
    for (int n : lines)
        rows.push_back(n == 1 ? Item(true, 0, 0) : Balance(true));
    return rows;
}

std::vector<int> PagesOf(const NotificationRows &rows)
{
    std::vector<int> pages;
    for (const NotificationRow &r : rows)
        pages.push_back(r.Page);
    return pages;
}

// Fits a sheet measured on a sample of 1000 twips to a paper whose printable
// width is the given one in portrait and half as much again in landscape.
NotificationFit Fit(PrintSetting &slot, float portraitWidth)
{
    PageGeometry geometry;
    geometry.PrintableRight = {portraitWidth, portraitWidth * 1.5f};
    RecordingSurface measure;
    ReportLayout layout(slot, geometry, measure);
    return FitNotification(layout, 1000);
}

// A printable height that leaves exactly `lines` lines of 270 below the title band.
double HeightFor(int lines) { return NotificationTitleHeight + lines * 270.0 + 100; }

} // namespace

class TestNotificationLayout : public QObject
{
    Q_OBJECT
private slots:
    void rowsFollowTheSidesAndCategories()
    {
        PeriodBuilding b(2);
        for (int c = 0; c < CategoryCount; ++c)
            b.perMille(c, 0, {600, 400});
        const double in = Day(2024, 2, 10);
        b.issue(Day(2024, 1, 1), Day(2024, 3, 31), Day(2024, 4, 5));
        b.common(in, 2, 100);
        b.charge(in, 0, 10);
        b.common(in, 0, 50);
        b.charge(in, 1, 20);
        b.common(in, 2, 30);
        const NotificationRows expected = {Balance(true),      Header(true, -1),  Item(true, -1, 0), Item(true, -1, 1),
                                           Header(true, 0),    Item(true, 0, 0),  Header(true, 2),   Item(true, 2, 0),
                                           Item(true, 2, 1),   Balance(false)};
        QCOMPARE(RowsOf(b), expected);

        // Owners' common expenses only: the resident's section is its balance row alone.
        PeriodBuilding owners(2);
        for (int c = 0; c < CategoryCount; ++c)
            owners.perMille(c, 0, {600, 400});
        owners.issue(Day(2024, 1, 1), Day(2024, 3, 31), Day(2024, 4, 5));
        owners.common(in, 4, 80, true);
        owners.charge(Day(2023, 12, 31), 0, 10); // before the period
        const NotificationRows ownersOnly = {Balance(true), Balance(false), Header(false, 4), Item(false, 4, 0)};
        QCOMPARE(RowsOf(owners), ownersOnly);
    }

    void paging_data()
    {
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<int>("freeLines");
        QTest::addColumn<QList<int>>("pages");
        const QList<int> forty(40, 1);
        QList<int> fortyAndOne = forty;
        fortyAndOne << 1;
        const QList<int> twenty(20, 2);
        QList<int> twentyAndOne = twenty;
        twentyAndOne << 1;
        QList<int> onePage(40, 1), onePageThenTwo(41, 1);
        onePageThenTwo.back() = 2;
        QTest::newRow("40 item lines fill page 1") << forty << 40 << onePage;
        QTest::newRow("the 41st starts page 2") << fortyAndOne << 40 << onePageThenTwo;
        QTest::newRow("20 two-line rows fill page 1") << twenty << 40 << QList<int>(20, 1);
        QTest::newRow("then an item row starts page 2") << twentyAndOne << 40 << (QList<int>(20, 1) << 2);
        QList<int> oddItems(39, 1);
        QTest::newRow("a two-line row meeting one free line moves")
            << (QList<int>(oddItems) << 2) << 40 << (QList<int>(39, 1) << 2);
        QTest::newRow("an item row meeting one free line stays")
            << (QList<int>(oddItems) << 1) << 40 << QList<int>(40, 1);
        QTest::newRow("no room below the title: all rows on page 2") << QList<int>{2, 1} << 0 << QList<int>{2, 2};
    }

    void paging()
    {
        QFETCH(QList<int>, lines);
        QFETCH(int, freeLines);
        QFETCH(QList<int>, pages);
        NotificationRows rows;
        for (int n : lines)
            rows.push_back(n == 1 ? Item(true, 0, 0) : Header(true, 0));
        // Later pages hold 60 lines.
        const int count = PageNotificationRows(rows, {HeightFor(freeLines), 270, 1});
        QVERIFY(HeightFor(freeLines) < 60 * 270 + 270); // so page 1 is the short one only through its title
        QCOMPARE(PagesOf(rows), std::vector<int>(pages.begin(), pages.end()));
        QCOMPARE(count, pages.back());
    }

    // The line height and the magnification scale every page alike; the
    // title band scales with the magnification only.
    void pagingScales()
    {
        NotificationRows rows = RowsOfLines({2, 1, 1, 2});
        // At half size the title takes 1095 and a line 270: (3000 - 1095) / 270 = 7 lines.
        QCOMPARE(PageNotificationRows(rows, {3000, 540, 0.5}), 1);
        QCOMPARE(PageNotificationRows(rows, {3000, 1600, 1}), 0); // a later page holds one line: no layout
    }

    // Page sizes that cannot page: the rows keep the pages of the last layout.
    void pagingFailsAndKeepsTheRows()
    {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        for (const NotificationPageMetrics &m : {NotificationPageMetrics{5000, 1e30, 1},
                                                 NotificationPageMetrics{5000, 2600, 1},
                                                 NotificationPageMetrics{nan, 270, 1},
                                                 NotificationPageMetrics{-100, 270, 1},
                                                 NotificationPageMetrics{5000, nan, 1}}) {
            NotificationRows rows = RowsOfLines({2, 1, 2});
            for (auto &r : rows)
                r.Page = 7;
            QCOMPARE(PageNotificationRows(rows, m), 0);
            QCOMPARE(PagesOf(rows), (std::vector<int>{7, 7, 7}));
        }
    }

    void fit_data()
    {
        QTest::addColumn<float>("portraitWidth");
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<float>("magnification");
        QTest::addColumn<bool>("receipts");
        QTest::addColumn<float>("split");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<bool>("fittedPortrait");
        QTest::addColumn<float>("fittedMagnification");
        QTest::addColumn<bool>("receiptsAfter");
        // The sample is 1000 wide: the sheet needs 3000, the receipts 2000.
        // Landscape is 1.5 times as wide as portrait.
        QTest::newRow("fits as it is") << 4000.f << true << 1.f << false << .5f << true << true << 1.f << false;
        QTest::newRow("never enlarged") << 9000.f << true << .6f << false << .5f << true << true << .6f << false;
        QTest::newRow("portrait turns landscape first") << 2800.f << true << 1.f << false << .5f << true << false << 1.f
                                                        << false;
        QTest::newRow("then the largest hundredth") << 1600.f << true << 1.f << false << .5f << true << false << .8f
                                                    << false;
        QTest::newRow("0.50 accepted") << 1000.f << true << 1.f << false << .5f << true << false << .5f << false;
        QTest::newRow("below 0.50 fails, entry kept") << 990.f << true << 1.3f << false << .5f << false << true << 1.3f
                                                      << false;
        QTest::newRow("receipts beside the sheet") << 6000.f << true << 1.f << true << .5f << true << true << 1.f << true;
        QTest::newRow("receipts shrink the page") << 4000.f << true << 1.f << true << .5f << true << false << 1.f
                                                  << true;
        QTest::newRow("receipts' own share lowers it") << 4000.f << true << 1.f << true << .75f << true << false << .75f
                                                       << true;
        QTest::newRow("sheet below half size in its half: receipts off")
            << 1800.f << true << 1.f << true << .5f << true << false << .9f << false;
        QTest::newRow("receipts off and failing even so") << 600.f << false << 1.f << true << .5f << false << false
                                                          << 1.f << false;
        QTest::newRow("f = 0.75, receipts too wide at 0.5: receipts off")
            << 2000.f << true << 1.f << true << .75f << true << false << 1.f << false;
    }

    void fit()
    {
        QFETCH(float, portraitWidth);
        QFETCH(bool, portrait);
        QFETCH(float, magnification);
        QFETCH(bool, receipts);
        QFETCH(float, split);
        PrintSetting slot;
        slot.Portrait = portrait ? -1 : 0;
        slot.Magnification = magnification;
        slot.ReceiptsOnPage = receipts ? -1 : 0;
        slot.Widths[2] = split;
        const NotificationFit r = Fit(slot, portraitWidth);
        QTEST(r.fits, "fits");
        QTEST(slot.Portrait != 0, "fittedPortrait");
        QTEST(slot.Magnification, "fittedMagnification");
        QTEST(slot.ReceiptsOnPage != 0, "receiptsAfter");
        QCOMPARE(r.receiptsSwitchedOff, receipts && slot.ReceiptsOnPage == 0);
    }

    // Widened value columns or balance boxes count in the fit: the sheet
    // needs six columns (five and the description) and two boxes, a receipt
    // five columns; past half size the layout fails instead of drawing off
    // the left of the page.
    void fitCountsTheWidenedColumns_data()
    {
        QTest::addColumn<float>("column");
        QTest::addColumn<float>("box");
        QTest::addColumn<bool>("receipts");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<float>("fittedMagnification");
        QTest::addColumn<bool>("receiptsAfter");
        // Portrait 4000 wide, landscape 6000; the sample alone needs 3000.
        QTest::newRow("narrow columns: the sample rules") << 300.f << 1000.f << false << true << 1.f << false;
        QTest::newRow("six columns turn the page") << 1000.f << 1000.f << false << true << 1.f << false;
        QTest::newRow("then shrink it") << 1500.f << 1000.f << false << true << .66f << false;
        QTest::newRow("half size is the last") << 2000.f << 1000.f << false << true << .5f << false;
        QTest::newRow("beyond it fails") << 2100.f << 1000.f << false << false << 1.f << false;
        QTest::newRow("wide balance boxes") << 300.f << 4000.f << false << true << .75f << false;
        QTest::newRow("the sheet's columns in its half") << 800.f << 1000.f << true << true << .62f << true;
        QTest::newRow("receipts too wide: off") << 1300.f << 1000.f << true << true << .76f << false;
    }

    void fitCountsTheWidenedColumns()
    {
        QFETCH(float, column);
        QFETCH(float, box);
        QFETCH(bool, receipts);
        PrintSetting slot;
        slot.Portrait = -1;
        slot.Magnification = 1;
        slot.ReceiptsOnPage = receipts ? -1 : 0;
        slot.Widths[0] = column;
        slot.Widths[1] = box;
        slot.Widths[2] = .5f;
        const NotificationFit r = Fit(slot, 4000);
        QTEST(r.fits, "fits");
        QTEST(slot.Magnification, "fittedMagnification");
        QTEST(slot.ReceiptsOnPage != 0, "receiptsAfter");
    }

    // A paper without room never fits.
    void fitWithoutRoom()
    {
        for (float width : {0.f, -500.f}) {
            PrintSetting slot;
            slot.Magnification = 1;
            slot.ReceiptsOnPage = -1;
            slot.Widths[2] = .5f;
            const NotificationFit r = Fit(slot, width);
            QVERIFY(!r.fits);
            QVERIFY(r.receiptsSwitchedOff);
            QCOMPARE(slot.Magnification, 1.f);
        }
    }
};

KV_TEST_GUILESS_MAIN(TestNotificationLayout)

} // namespace test_notificationlayout
#include "test_notificationlayout.moc"
