#include "platform/twips.h"
#include "register/expensecategoryorderwindow.h"
#include "register/flatorderwindow.h"
#include "register/flatswindow.h"
#include "register/personorderwindow.h"
#include "registerfixture.h"
#include "testprogram.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

using namespace kelvarino;

namespace test_order {

class TestOrder : public QObject
{
    Q_OBJECT
private slots:
    void aDroppedFlatTakesItsReferencesAlong()
    {
        RegisterFixture f;
        BuildingData &b = f.state.Building;
        b.Flats = {MakeFlat("A1", QStringLiteral("πρώτο")), MakeFlat("B"), MakeFlat("C"), MakeFlat("D")};
        b.ShareColumns[1].assign(1, ShareColumn::zeros(4));
        b.ShareColumns[1][0].PerMille = {100, 200, 300, 400};
        b.Owners = {OccupancyPeriod{0, 0, NotSetDate, NotSetDate}, OccupancyPeriod{0, 3, NotSetDate, NotSetDate}};
        b.Payments = {PaymentRecord{}};
        b.Payments[0].Flat = 2;
        FlatOrderWindow window(f.context);
        QCOMPARE(window.nameCell(0)->text(), QStringLiteral("A1     πρώτο") + QString(25, QLatin1Char(' ')));
        QCOMPARE(window.numberCell(3)->text(), QStringLiteral("4."));

        window.clickRow(0);
        QVERIFY(window.isCarrying());
        QCOMPARE(window.floatingLabel()->text(), QStringLiteral("  ") + window.nameCell(0)->text() + QStringLiteral("  "));
        window.clickRow(3);
        QVERIFY(!window.isCarrying());
        QCOMPARE(b.Flats[3].ShortName.trimmed(), QStringLiteral("A1"));
        QCOMPARE(b.Flats[0].ShortName.trimmed(), QStringLiteral("B"));
        QCOMPARE(b.ShareColumns[1][0].PerMille, (std::vector<float>{200, 300, 400, 100}));
        QCOMPARE(b.Owners[0].Flat, qint16(3));
        QCOMPARE(b.Owners[1].Flat, qint16(2));
        QCOMPARE(b.Payments[0].Flat, qint16(1));
        QVERIFY(f.state.DataChanged);
        QCOMPARE(window.nameCell(3)->text().left(2), QStringLiteral("A1"));
        QCOMPARE(f.shell.refreshes, 1);
    }

    void aDropOnThePickedRowOrACancelChangesNothing()
    {
        RegisterFixture f;
        f.state.Building.Flats = {MakeFlat("A"), MakeFlat("B")};
        FlatOrderWindow window(f.context);
        window.clickRow(1);
        window.clickRow(1);
        QVERIFY(!f.state.DataChanged);
        window.clickRow(0);
        window.cancelPick();
        window.clickRow(1); // picks again, does not drop
        QVERIFY(window.isCarrying());
        QCOMPARE(window.pickedIndex(), 1);
        QCOMPARE(f.state.Building.Flats[0].ShortName.trimmed(), QStringLiteral("A"));
    }

    void movedPersonsAreRenumberedInEveryPeriod()
    {
        RegisterFixture f;
        BuildingData &b = f.state.Building;
        b.Persons = {MakePerson("P0"), MakePerson("P1"), MakePerson("P2")};
        b.Administrators = {AdministratorPeriod{2, NotSetDate, NotSetDate}};
        b.Owners = {OccupancyPeriod{0, 0, NotSetDate, NotSetDate}};
        b.Residents = {OccupancyPeriod{1, 0, NotSetDate, NotSetDate}};
        PersonOrderWindow window(f.context);
        QCOMPARE(window.nameCell(0)->text().size(), 30);
        window.clickRow(2);
        QCOMPARE(window.floatingLabel()->text().size(), 34);
        window.clickRow(0);
        QCOMPARE(b.Persons[0].Name.trimmed(), QStringLiteral("P2"));
        QCOMPARE(b.Administrators[0].Person, qint16(0));
        QCOMPARE(b.Owners[0].Person, qint16(1));
        QCOMPARE(b.Residents[0].Person, qint16(2));
    }

    void categoryZeroStaysInPlace()
    {
        RegisterFixture f;
        BuildingData &b = f.state.Building;
        b.Reserves = {0, 1, 2, 3, 4, 5};
        ExpenseRecord expense;
        expense.Category = 2;
        b.Expenses = {expense};
        ExpenseCategoryOrderWindow window(f.context);
        QCOMPARE(window.rowCount(), 6);
        QVERIFY(window.scrollBar()->isHidden());
        QCOMPARE(window.nameCell(0)->text(), QStringLiteral("ΙΣΟΠΟΣΑ"));
        QVERIFY(!window.nameCell(0)->isEnabled());
        QCOMPARE(window.numberCell(5)->text(), QStringLiteral("6."));

        window.clickRow(0);
        QVERIFY(!window.isCarrying());
        window.clickRow(2);
        window.clickRow(0); // not a place to drop on
        QVERIFY(window.isCarrying());
        window.clickRow(5);
        QCOMPARE(b.CategoryLabel(5), QStringLiteral("ΘΕΡΜΑΝΣΗ"));
        QCOMPARE(b.CategoryLabel(0), QStringLiteral("ΙΣΟΠΟΣΑ"));
        QCOMPARE(b.Reserves[5], 2.0f);
        QCOMPARE(b.Expenses[0].Category, qint16(5));
        QCOMPARE(f.shell.menuUpdates, 1);
    }

    void theRowsFitTheMainWindow()
    {
        RegisterFixture f;
        f.state.Building.Flats = {MakeFlat("A"), MakeFlat("B")};
        {
            FlatOrderWindow window(f.context);
            QCOMPARE(window.rowCount(), 2);
            QVERIFY(window.scrollBar()->isHidden());
            QCOMPARE(window.height(), Twips::toPixels(840));
        }
        f.shell.clientHeight = 480 + 540 + 240 * 10;
        f.state.Building.Flats.assign(25, MakeFlat("X"));
        FlatOrderWindow window(f.context);
        QCOMPARE(window.rowCount(), 10);
        QCOMPARE(window.scrollBar()->maximum(), 15);
        // Pick the first flat, scroll to the end, drop on the last row.
        f.state.Building.Flats[0].ShortName.set(QStringLiteral("FIRST"));
        window.showData();
        window.clickRow(0);
        window.scrollBar()->setValue(15);
        QCOMPARE(window.numberCell(9)->text(), QStringLiteral("25."));
        window.clickRow(9);
        QCOMPARE(f.state.Building.Flats[24].ShortName.trimmed(), QStringLiteral("FIRST"));
    }

    void aListChangedElsewhereIsReadAgainBeforeAnyMove()
    {
        RegisterFixture f;
        f.state.Building.Flats = {MakeFlat("A"), MakeFlat("B"), MakeFlat("C")};
        FlatOrderWindow order(f.context);
        {
            FlatsWindow flats(f.context);
            flats.deleteButton(2)->click(); // another window deletes the last flat
        }
        order.clickRow(2); // a row that no longer holds a record
        QVERIFY(!order.isCarrying());
        QCOMPARE(order.rowCount(), 2);
        QCOMPARE(f.state.Building.FlatCount(), 2);

        // A grid left open behind an order window redraws before it writes into a row.
        FlatsWindow flats(f.context);
        order.clickRow(0);
        order.clickRow(1);
        QCOMPARE(f.state.Building.Flats[0].ShortName.trimmed(), QStringLiteral("B"));
        QCOMPARE(flats.textCell(0, 0)->text(), QStringLiteral("A"));
        TypeInto(flats.textCell(0, 0), QStringLiteral("Z"));
        QCOMPARE(flats.textCell(0, 0)->text(), QStringLiteral("B"));
        QCOMPARE(f.state.Building.Flats[0].ShortName.trimmed(), QStringLiteral("B"));
        QCOMPARE(f.state.Building.Flats[1].ShortName.trimmed(), QStringLiteral("A"));
    }

    void aMoveUnderWayKeepsTheWindowOpen()
    {
        RegisterFixture f;
        f.state.Building.Flats = {MakeFlat("A"), MakeFlat("B")};
        FlatOrderWindow window(f.context);
        QVERIFY(window.canClose());
        QCOMPARE(window.helpTopic(), 8400);
        QCOMPARE(window.menus().size(), 2);
        // A lifted row does not hold the window: it closes and nothing moves.
        window.clickRow(0);
        QVERIFY(window.isCarrying());
        QVERIFY(window.close());
        QCOMPARE(f.platform.help.closeAllCount, 1);
        QVERIFY(!window.isCarrying());
        QVERIFY(!f.state.DataChanged);
        QCOMPARE(f.state.Building.Flats[0].ShortName.trimmed(), QStringLiteral("A"));
    }
};

KV_TEST_MAIN(TestOrder)

} // namespace test_order
#include "test_order.moc"
