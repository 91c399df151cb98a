// The per-mille table window on the recording surface: its groups, cells,
// period box and menus.
#include "printoutsfixture.h"

#include "printing/pagesurface.h"
#include "printouts/permilletable.h"
#include "printouts/permilletablereport.h"
#include "testprogram.h"

#include <QMenu>
#include <QtTest>

using namespace kelvarino;

namespace test_permilletable {

using namespace kelvarino::testing;

namespace {

// The report, counting its layouts.
class CountingReport : public PerMilleTableReport
{
public:
    using PerMilleTableReport::PerMilleTableReport;
    LayoutOutcome preparePrint(ReportLayout &layout) override
    {
        ++layouts;
        return PerMilleTableReport::preparePrint(layout);
    }
    int layouts = 0;
};

struct Table
{
    explicit Table(int flats = 6) : f(flats) {}
    void open()
    {
        report = std::make_unique<CountingReport>(f.state);
        window = f.open(*report);
    }
    RecordingSurface page(int row, int column)
    {
        RecordingSurface surface;
        window->paintPage(surface, 0, 0, row, column, 1);
        return surface;
    }
    PrintSetting &slot() { return f.slot(6); }

    PrintoutsFixture f;
    std::unique_ptr<CountingReport> report;
    std::unique_ptr<ReportPreview> window;
};

} // namespace

class TestPerMilleTable : public QObject
{
    Q_OBJECT

private slots:
    void everyCategoryWithItsCells()
    {
        Table t(6);
        auto &columns = t.f.state.Building.ShareColumns;
        columns[2][0].PerMille[1] = 0;
        columns[2][0].ResidentReduction[3] = 12.5f;
        columns[2][0].OwnerReduction[3] = -1;
        t.open();
        QCOMPARE(t.window->windowTitle(), QStringLiteral("/Χιλιοστά"));
        const RecordingSurface page = t.page(1, 1);
        QVERIFY(page.find(QStringLiteral("ΙΣΟΠΟΣΑ")));
        QVERIFY(page.find(QStringLiteral("ΧΙΛΙΟΣΤΑ")));
        QVERIFY(page.find(QStringLiteral("Οδός Δοκιμής 1")));
        QVERIFY(page.find(QStringLiteral("12,50")));
        // A zero per-mille shows "0,00"; zero and negative reductions stay empty.
        QVERIFY(page.find(QStringLiteral("0,00")));
        QCOMPARE(page.textStrings().count(QStringLiteral("-1,00")), 0);
        QCOMPARE(page.textStrings().count(QStringLiteral("0,00")), 1);
        // Without end dates: no periods to choose, the box from the start until today.
        QVERIFY(!t.report->periodsMenu()->menuAction()->isVisible());
        QVERIFY(page.find(QStringLiteral("Από την αρχή")));
        QVERIFY(page.find(QStringLiteral("Έως σήμερα")));
    }

    void categoryTotalCountsEveryFlat()
    {
        Table t(40);
        t.slot().PageIndependency = True16;
        t.open();
        QVERIFY(t.window->pageRows() >= 2);
        const QString total = PerMilleTable::PerMilleText(
            PerMilleTable::PerMilleTotal(t.f.state.Building.ShareColumns[0][0], 40));
        QCOMPARE(total, QStringLiteral("1000,00"));
        QVERIFY(t.page(2, 1).find(total) || t.page(2, 2).find(total));
    }

    void periodsMenuAndBox()
    {
        Table t(4);
        auto &columns = t.f.state.Building.ShareColumns;
        columns[1].insert(columns[1].begin(), ShareColumn::zeros(4, Day(2014, 12, 31)));
        columns[1][0].PerMille = {250, 250, 250, 250};
        columns[3].insert(columns[3].begin(), ShareColumn::zeros(4, Day(2015, 6, 30)));
        columns[3][0].PerMille = {400, 200, 200, 200};
        t.open();
        QMenu *periods = t.report->periodsMenu();
        QVERIFY(periods->menuAction()->isVisible());
        QStringList captions;
        for (QAction *item : periods->actions())
            captions << item->text();
        QCOMPARE(captions, (QStringList{QStringLiteral("Τρέχουσα"), QStringLiteral("Από: 1/1/2015, Έως: 30/6/2015"),
                                        QStringLiteral("Από την αρχή, Έως: 31/12/2014")}));
        QVERIFY(t.page(1, 1).find(QStringLiteral("Από: 1/7/2015")));
        const int before = t.report->layouts;
        periods->actions()[2]->trigger();
        QCOMPARE(t.report->shownPeriod(), 2);
        QVERIFY(periods->actions()[2]->isChecked() && !periods->actions()[0]->isChecked());
        QCOMPARE(t.report->layouts, before + 1);
        const RecordingSurface oldest = t.page(1, 1);
        QVERIFY(oldest.find(QStringLiteral("Από την αρχή")));
        QVERIFY(oldest.find(QStringLiteral("Έως: 31/12/2014")));
        QVERIFY(oldest.find(QStringLiteral("400,00")));
    }

    void menusRedrawOrLayOutAgain()
    {
        Table t(4);
        t.open();
        const int layouts = t.report->layouts;
        QAction *bold = t.window->action(QStringLiteral("boldTitles"));
        QAction *variable = t.window->action(QStringLiteral("variableFontSize"));
        QVERIFY(bold && variable);
        QVERIFY(!bold->isChecked()); // a new work's slot 6 has bold titles off
        bold->trigger();
        QVERIFY(bold->isChecked());
        QCOMPARE(t.slot().BoldTitles, True16);
        variable->trigger();
        QCOMPARE(t.slot().VariableLetterSize, True16);
        QCOMPARE(t.report->layouts, layouts);
        QVERIFY(t.f.state.DataChanged);
        t.window->action(QStringLiteral("pageIndependence"))->trigger();
        QCOMPARE(t.report->layouts, layouts + 1);
        QCOMPARE(t.slot().PageIndependency, True16);
        // The suggested parameters put the flags to their defaults.
        t.window->action(QStringLiteral("bestParameters"))->trigger();
        QVERIFY(!t.window->action(QStringLiteral("pageIndependence"))->isChecked());
        QVERIFY(bold->isChecked() && variable->isChecked());
    }

    void widthLabels()
    {
        Table t(4);
        t.open();
        QCOMPARE(t.window->labelText(QStringLiteral("lbwidth")), QStringLiteral("Πλάτος χαρακτηρισμού"));
        t.window->nextWidth();
        QCOMPARE(t.window->labelText(QStringLiteral("lbwidth")), QStringLiteral("Πλάτος Στήλης Χιλιοστών"));
        t.window->nextWidth();
        QCOMPARE(t.window->labelText(QStringLiteral("lbwidth")), QStringLiteral("Πλάτος Χαρακτηρισμού"));
        QCOMPARE(t.window->selectedWidth(), 0);
        QCOMPARE(t.window->labelText(QStringLiteral("lbheight")), QStringLiteral("Ύψος κελιών"));
    }

    // The table's footer is 5 points at the content scale, with the grid's
    // page part and two blanks before the date.
    void footerInFivePoints()
    {
        Table t(6);
        t.slot().PageNumbers = True16;
        t.open();
        RecordingSurface zoomed;
        t.window->paintPage(zoomed, 0, 0, 1, 1, 0.5);
        const RecordingSurface::Text footer = zoomed.texts.last();
        QVERIFY(footer.text.startsWith(QStringLiteral("Vornakel/Κελβαρίνο/v2.2/2016, Σελίδα (1,1) από 1x")));
        QVERIFY(footer.text.contains(QStringLiteral("  (")));
        QCOMPARE(footer.font.points, 5 * 0.5 * double(t.slot().Magnification));
        QVERIFY(qAbs(footer.right() - t.window->geometry().PrintableRight[OrientationIndex(t.slot())] * 0.5) < 1e-6);
    }

    void aTooWideDescriptionFails()
    {
        Table t(4);
        t.slot().Widths[0] = 40000;
        t.open();
        QVERIFY(!t.window->hasPages());
        QCOMPARE(t.f.doubles.messages.shown.size(), 1);
        QVERIFY(t.f.doubles.messages.shown[0].text.startsWith(QStringLiteral("Οι πρώτες στήλες")));
        QVERIFY(t.f.doubles.messages.shown[0].text.contains(QStringLiteral("προσανατολισμό.\r\n\r\nΜικρύνετε")));
    }
};

KV_TEST_MAIN(TestPerMilleTable)

} // namespace test_permilletable
#include "test_permilletable.moc"
