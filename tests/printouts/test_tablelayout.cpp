#include "printouts/cashstatement.h"
#include "printouts/paymentreceipt.h"
#include "printouts/permilletable.h"
#include "printouts/tablepaging.h"
#include "printing/pagesurface.h"
#include "testprogram.h"

#include <QTest>

using namespace kelvarino;

namespace test_tablelayout {

namespace {

// A page whose printable area starts at the paper's corner.
PageGeometry Page(float portraitWidth, float landscapeWidth, float portraitHeight = 16000, float landscapeHeight = 10000)
{
    PageGeometry page;
    page.PrintableRight = {portraitWidth, landscapeWidth};
    page.PrintableBottom = {portraitHeight, landscapeHeight};
    page.PaperWidth = page.PrintableRight;
    page.PaperHeight = page.PrintableBottom;
    return page;
}

TablePaging LayOut(PrintSetting &slot, const PageGeometry &page, const TableMeasures &table)
{
    RecordingSurface measure;
    ReportLayout layout(slot, page, measure);
    return LayOutTable(layout, table);
}

int FitReceipts(PrintSetting &slot, const PageGeometry &page, float width)
{
    RecordingSurface measure;
    ReportLayout layout(slot, page, measure);
    return PaymentReceipt::FitReceipts(layout, width);
}

PrintSetting Slot(bool portrait, float magnification, bool independent = false)
{
    PrintSetting slot;
    slot.Portrait = portrait ? True16 : False16;
    slot.Magnification = magnification;
    slot.PageIndependency = independent ? True16 : False16;
    return slot;
}

// A table of one first column and five groups of the given widths.
TableMeasures Table(float first, float group, int rows = 10, float rowHeight = 400, float header = 2600)
{
    TableMeasures t;
    t.firstColumns = first;
    t.groupWidths.assign(5, group);
    t.gap = 30;
    t.headerHeight = header;
    t.rowHeight = rowHeight;
    t.rowCount = rows;
    return t;
}

} // namespace

class TestTableLayout : public QObject
{
    Q_OBJECT

private slots:
    void fitRule_data()
    {
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<float>("magnification");
        QTest::addColumn<bool>("independent");
        QTest::addColumn<float>("landscapeWidth");
        QTest::addColumn<float>("first");
        QTest::addColumn<float>("group");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("portraitAfter");
        QTest::addColumn<float>("magnificationAfter");
        QTest::addColumn<bool>("independentAfter");

        // Portrait printable width is always 8000 here.
        QTest::newRow("portrait too narrow turns landscape") << true << 1.0f << false << 12000.0f << 10000.0f << 1000.0f
                                                            << 0 << false << 1.0f << false;
        QTest::newRow("hundredths cut") << false << 1.0f << false << 10000.0f << 12000.0f << 1000.0f << 0 << false
                                        << 0.83f << false;
        QTest::newRow("the minimum passes") << false << 1.0f << false << 7500.0f << 10000.0f << 1000.0f << 0 << false
                                            << 0.75f << false;
        QTest::newRow("first columns fail, both restored") << true << 1.0f << false << 10000.0f << 14000.0f
                                                           << 1000.0f << -1 << true << 1.0f << false;
        QTest::newRow("a group fails, both restored") << true << 1.2f << false << 10000.0f << 1000.0f << 14000.0f
                                                      << -2 << true << 1.2f << false;
        QTest::newRow("independency dropped with its tick") << false << 1.0f << true << 10000.0f << 6000.0f
                                                            << 8000.0f << 0 << false << 1.0f << false;
        QTest::newRow("independency kept at a lower magnification")
            << false << 1.0f << true << 10000.0f << 6000.0f << 4600.0f << 0 << false << 0.94f << true;
        QTest::newRow("a magnification above 1 that fits stays") << false << 1.5f << false << 10000.0f << 6000.0f
                                                                 << 1000.0f << 0 << false << 1.5f << false;
    }
    void fitRule()
    {
        QFETCH(bool, portrait);
        QFETCH(float, magnification);
        QFETCH(bool, independent);
        QFETCH(float, landscapeWidth);
        QFETCH(float, first);
        QFETCH(float, group);
        PrintSetting slot = Slot(portrait, magnification, independent);
        TableMeasures table = Table(first, group);
        table.groupWidths[1] = 2 * group / 3; // the two-column group never decides
        const TablePaging paging = LayOut(slot, Page(8000, landscapeWidth), table);
        QTEST(paging.code, "code");
        QTEST(slot.Portrait != 0, "portraitAfter");
        QTEST(slot.Magnification, "magnificationAfter");
        QTEST(slot.PageIndependency != 0, "independentAfter");
    }

    void pageRowsHoldWhatFits()
    {
        // Printable height 10000, header 2600, rows of 400: 18 rows under the
        // header, 25 on every further page row; 18 everywhere with independency.
        for (bool independent : {false, true}) {
            PrintSetting slot = Slot(false, 1.0f, independent);
            const TablePaging paging = LayOut(slot, Page(8000, 30000), Table(1000, 300, 70));
            QCOMPARE(paging.code, 0);
            const int perRow = independent ? 18 : 25;
            QCOMPARE(std::count(paging.rowPage.begin(), paging.rowPage.end(), 1), 18);
            QCOMPARE(std::count(paging.rowPage.begin(), paging.rowPage.end(), 2), qsizetype(perRow));
            QCOMPARE(paging.rowPage.back(), paging.pageRows);
            QCOMPARE(paging.pageRows, 4);
        }
    }

    void aRowTallerThanEveryPageRowFails()
    {
        PrintSetting slot = Slot(true, 1.0f);
        const TablePaging paging = LayOut(slot, Page(8000, 30000), Table(1000, 300, 3, 17000));
        QCOMPARE(paging.code, int(RowTooTall));
        QCOMPARE(slot.Portrait, True16);
        QCOMPARE(slot.Magnification, 1.0f);
    }

    void pageRowOneMayHoldNoRow()
    {
        PrintSetting slot = Slot(false, 1.0f);
        const TablePaging paging = LayOut(slot, Page(8000, 30000), Table(1000, 300, 3, 9000, 2600));
        QCOMPARE(paging.code, 0);
        QCOMPARE(paging.rowPage, (std::vector<int>{2, 3, 4}));
        QCOMPARE(paging.pageRows, 4);
    }

    void groupsGoOnTheFirstPageColumnThatTakesThem()
    {
        // Landscape width 10000, first columns 2000 + gap: groups of 3000
        // (two-column group 2000) at magnification 1.
        PrintSetting slot = Slot(false, 1.0f);
        TableMeasures table = Table(2000, 3000);
        table.groupWidths[1] = 2000;
        TablePaging paging = LayOut(slot, Page(8000, 10000), table);
        QCOMPARE(paging.groupColumn, (std::vector<int>{1, 1, 2, 2, 2}));
        QCOMPARE(paging.pageColumns, 2);
        // With independency every page column starts after the first columns.
        slot = Slot(false, 1.0f, true);
        paging = LayOut(slot, Page(8000, 10000), table);
        QCOMPARE(paging.groupColumn, (std::vector<int>{1, 1, 2, 2, 3}));
        QCOMPARE(paging.pageColumns, 3);
    }

    // Page: 8000 wide portrait, 10000 x 10000 landscape, portrait as tall as
    // given. A receipt is 16 line heights tall.
    void receiptsSideBySideOrOneAPage_data()
    {
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("lineHeight");
        QTest::addColumn<float>("portraitHeight");
        QTest::addColumn<int>("columns");
        QTest::addColumn<float>("magnificationAfter");
        QTest::addColumn<bool>("portraitAfter");
        QTest::newRow("side by side") << true << 3985.0f << 0.0f << 16000.0f << 1 << 1.0f << true;
        QTest::newRow("one a page") << true << 3986.0f << 0.0f << 16000.0f << 2 << 1.0f << true;
        QTest::newRow("wider than portrait") << true << 9000.0f << 0.0f << 16000.0f << 2 << 1.0f << false;
        QTest::newRow("scaled to fit") << true << 16000.0f << 0.0f << 16000.0f << 2 << 0.62f << false;
        QTest::newRow("below half size") << true << 20001.0f << 0.0f << 16000.0f << PaymentReceipt::TooWideCode
                                         << 1.0f << true;
        QTest::newRow("tall, smaller in landscape") << false << 3000.0f << 1000.0f << 16000.0f << 1 << 0.62f << false;
        QTest::newRow("too tall for landscape, portrait holds it")
            << false << 3000.0f << 1300.0f << 22000.0f << 1 << 1.0f << true;
        QTest::newRow("too tall for landscape, smaller in portrait")
            << false << 3000.0f << 1350.0f << 16000.0f << 1 << 0.74f << true;
        QTest::newRow("too tall for either") << false << 3000.0f << 2100.0f << 16000.0f << PaymentReceipt::TooTallCode
                                             << 1.0f << false;
        QTest::newRow("too tall for landscape, too wide for portrait")
            << false << 17000.0f << 1350.0f << 16000.0f << PaymentReceipt::TooTallCode << 1.0f << false;
    }

    void receiptsSideBySideOrOneAPage()
    {
        QFETCH(bool, portrait);
        QFETCH(float, width);
        QFETCH(float, lineHeight);
        QFETCH(float, portraitHeight);
        PrintSetting slot = Slot(portrait, 1.0f);
        slot.Heights[0] = lineHeight;
        const int columns = FitReceipts(slot, Page(8000, 10000, portraitHeight), width);
        QTEST(columns, "columns");
        QTEST(slot.Magnification, "magnificationAfter");
        QTEST(slot.Portrait != 0, "portraitAfter");
    }

    void measuresOfTheTwoTables()
    {
        FlatTableSamples samples;
        samples.numberColumnWidth = 300;
        samples.flatColumnWidth = 700;
        samples.titleRowHeight = 400;
        PrintSetting slot;
        slot.Widths = {1000, 600};
        slot.Heights = {350};
        const TableMeasures cash = CashStatement::Measures(samples, slot, 7);
        QCOMPARE(cash.firstColumns, 1300.0f);
        QCOMPARE(cash.groupWidths, (std::vector<float>{1800, 1200, 1800, 1800, 1800}));
        QCOMPARE(cash.headerHeight, 6.5f * 400 + 120 + 30);
        const TableMeasures table = PerMilleTable::Measures(samples, slot, 7);
        QCOMPARE(table.firstColumns, 2000.0f);
        QCOMPARE(table.groupWidths, std::vector<float>(6, 1800));
        QCOMPARE(table.headerHeight, 4.0f * 400 + 30);
        QCOMPARE(table.rowCount, 7);
    }
};

KV_TEST_MAIN(TestTableLayout)

} // namespace test_tablelayout
#include "test_tablelayout.moc"
