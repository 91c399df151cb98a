#include "register/expensecategoryorderwindow.h"
#include "register/flatswindow.h"
#include "register/openingfigures.h"
#include "registerfixture.h"
#include "testprogram.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

using namespace kelvarino;

namespace test_flats {

namespace {

constexpr int Name = 0;
constexpr int Description = 1;
constexpr int ResidentDebt = 2;
constexpr int OwnerDebt = 3;

void addFlats(AppState &state, int count)
{
    for (int i = 0; i < count; ++i)
        state.Building.Flats.push_back(MakeFlat(QStringLiteral("F%1").arg(i + 1)));
    for (auto &columns : state.Building.ShareColumns)
        columns.assign(1, ShareColumn::zeros(count));
}

} // namespace

class TestFlats : public QObject
{
    Q_OBJECT
private slots:
    void anEmptyBuildingOffersTheSampleAndItsFirstFlatOpensTheColumns()
    {
        RegisterFixture f;
        FlatsWindow window(f.context);
        QCOMPARE(window.rowNumber(0)->text(), QStringLiteral("1"));
        QCOMPARE(window.textCell(0, Name)->text(), QStringLiteral("A1"));
        QCOMPARE(window.textCell(0, Description)->text(), QStringLiteral("54 τμ"));
        QVERIFY(window.rowNumber(1)->isHidden());
        QVERIFY(!f.state.DataChanged);

        window.acceptButton()->click();
        const BuildingData &b = f.state.Building;
        QCOMPARE(b.FlatCount(), 1);
        QCOMPARE(b.Flats[0].ShortName.trimmed(), QStringLiteral("A1"));
        QCOMPARE(b.Flats[0].Description.trimmed(), QStringLiteral("54 τμ"));
        for (int c = 0; c < CategoryCount; ++c) {
            QCOMPARE(b.ShareColumnCount(c), 1);
            const ShareColumn &column = b.ShareColumns[std::size_t(c)][0];
            QCOMPARE(column.EndDate, NotSetDate);
            QCOMPARE(column.PerMille, std::vector<float>{0.0f});
            QCOMPARE(column.ResidentReduction, std::vector<float>{0.0f});
            QCOMPARE(column.OwnerReduction, std::vector<float>{0.0f});
        }
        QVERIFY(f.state.DataChanged);
        QCOMPARE(window.rowNumber(1)->text(), QStringLiteral("2"));
        QCOMPARE(window.textCell(1, Name)->text(), QString());
        QCOMPARE(window.textCell(1, Description)->text(), QString());

        // A second flat extends every column with a zero of its own.
        window.textCell(1, Name)->setText(QString());
        TypeInto(window.textCell(1, Name), QStringLiteral("B2"));
        QTest::keyClick(window.textCell(1, Name), Qt::Key_Return);
        QCOMPARE(b.FlatCount(), 2);
        for (const auto &columns : b.ShareColumns)
            QCOMPARE(columns[0].PerMille.size(), std::size_t(2));
    }

    void typedAmountsAreStoredAtOnceAndShownWithTwoDecimals()
    {
        RegisterFixture f;
        addFlats(f.state, 1);
        f.state.Building.Flats[0].OwnerInitialDebt = 10.0f;
        FlatsWindow window(f.context);
        ShowActive(&window);
        QCOMPARE(window.textCell(0, OwnerDebt)->text(), QStringLiteral("10,00"));
        QCOMPARE(window.textCell(0, ResidentDebt)->text(), QString());

        QLineEdit *resident = window.textCell(0, ResidentDebt);
        FocusBox(resident);
        TypeInto(resident, QStringLiteral("12,5"));
        QCOMPARE(f.state.Building.Flats[0].ResidentInitialDebt, 12.5f);
        QCOMPARE(resident->text(), QStringLiteral("12,5"));
        QVERIFY(f.state.DataChanged);

        // A change of less than half a cent is not stored.
        f.state.DataChanged = false;
        QLineEdit *owner = window.textCell(0, OwnerDebt);
        FocusBox(owner);
        QCOMPARE(resident->text(), QStringLiteral("12,50"));
        owner->selectAll();
        PasteInto(owner, QStringLiteral("10,004"));
        QCOMPARE(f.state.Building.Flats[0].OwnerInitialDebt, 10.0f);
        QVERIFY(!f.state.DataChanged);
        FocusBox(window.textCell(0, Name));
        QCOMPARE(owner->text(), QStringLiteral("10,00"));

        // ESC returns the amount of the last focus loss and stores it.
        FocusBox(resident);
        ClearBox(resident);
        TypeInto(resident, QStringLiteral("99"));
        QCOMPARE(f.state.Building.Flats[0].ResidentInitialDebt, 99.0f);
        QTest::keyClick(resident, Qt::Key_Escape);
        QCOMPARE(resident->text(), QStringLiteral("12,50"));
        QCOMPARE(f.state.Building.Flats[0].ResidentInitialDebt, 12.5f);
    }

    void shortNamesLoseBlanksAndAreCutToFiveCharacters()
    {
        RegisterFixture f;
        addFlats(f.state, 1);
        FlatsWindow window(f.context);
        ShowActive(&window);
        QLineEdit *name = window.textCell(0, Name);
        FocusBox(name);
        ClearBox(name);
        TypeInto(name, QStringLiteral(" A 1 "));
        QCOMPARE(name->text(), QStringLiteral("A1"));
        TypeInto(name, QStringLiteral("ΒΓΔΕΖ"));
        QCOMPARE(name->text(), QStringLiteral("A1ΒΓΔ"));
        QCOMPARE(f.state.Building.Flats[0].ShortName.trimmed(), QStringLiteral("A1ΒΓΔ"));

        QLineEdit *description = window.textCell(0, Description);
        FocusBox(description);
        TypeInto(description, QStringLiteral("  54 τμ  "));
        QCOMPARE(f.state.Building.Flats[0].Description.trimmed(), QStringLiteral("54 τμ"));
    }

    void escapeOnATextCellAfterASaveMarksTheWorkChanged()
    {
        RegisterFixture f;
        addFlats(f.state, 1);
        FlatsWindow window(f.context);
        ShowActive(&window);
        QLineEdit *name = window.textCell(0, Name);
        FocusBox(name);
        TypeInto(name, QStringLiteral("X"));
        QCOMPARE(f.state.Building.Flats[0].ShortName.trimmed(), QStringLiteral("F1X"));
        f.state.DataChanged = false; // saved
        QTest::keyClick(name, Qt::Key_Escape);
        QCOMPARE(name->text(), QStringLiteral("F1"));
        QCOMPARE(f.state.Building.Flats[0].ShortName.trimmed(), QStringLiteral("F1"));
        QVERIFY(f.state.DataChanged);

        // ESC with nothing to put back changes nothing.
        f.state.DataChanged = false;
        QTest::keyClick(name, Qt::Key_Escape);
        QVERIFY(!f.state.DataChanged);
    }

    void leavingAnEmptyNameIsRefusedWithItsMessage()
    {
        RegisterFixture f;
        addFlats(f.state, 2);
        FlatsWindow window(f.context);
        ShowActive(&window);
        QLineEdit *name = window.textCell(0, Name);
        FocusBox(name);
        ClearBox(name);
        FocusBox(window.textCell(0, Description));
        QCOMPARE(f.platform.messages.shown.size(), 1);
        QCOMPARE(f.platform.messages.shown[0].title, QStringLiteral("Μηδενικό μήκος πεδίου"));
        QCOMPARE(f.platform.messages.shown[0].icon, MessageIcon::Critical);
        QTRY_VERIFY(name->hasFocus());
    }

    void aBlankNameAtCloseIsRestoredAndTheCloseRefusedOnce()
    {
        RegisterFixture f;
        addFlats(f.state, 3);
        f.state.Building.Flats[2].ShortName.set(QString()); // blank in the data file already
        FlatsWindow window(f.context);
        ShowActive(&window);
        QLineEdit *name = window.textCell(0, Name);
        FocusBox(name);
        ClearBox(name);
        QVERIFY(f.state.Building.Flats[0].ShortName.trimmed().isEmpty());
        f.state.DataChanged = false;

        QVERIFY(!window.close());
        QCOMPARE(f.state.Building.Flats[0].ShortName.trimmed(), QStringLiteral("F1"));
        QCOMPARE(f.state.Building.Flats[2].ShortName.trimmed(), QStringLiteral("3"));
        QCOMPARE(name->text(), QStringLiteral("F1"));
        QVERIFY(!f.state.DataChanged);
        const MessageRequest &message = f.platform.messages.shown.last();
        QCOMPARE(message.title, QStringLiteral("Προβλήματα με τον ορισμό διαμερισμάτων"));
        QCOMPARE(message.icon, MessageIcon::Exclamation);
        QVERIFY(message.text.startsWith(QStringLiteral("Προσπαθήσατε να κλείσετε το παράθυρο ορισμού διαμερισμάτων")));
        const int messages = f.platform.messages.shown.size();

        QVERIFY(window.close());
        QCOMPARE(f.platform.messages.shown.size(), messages);
        QCOMPARE(f.shell.menuUpdates, 1);
    }

    void aNewFlatNeedsAShortName()
    {
        RegisterFixture f;
        addFlats(f.state, 1);
        FlatsWindow window(f.context);
        window.acceptButton()->click();
        QCOMPARE(f.state.Building.FlatCount(), 1);
        QCOMPARE(f.platform.messages.shown.size(), 1);
        QCOMPARE(f.platform.messages.shown[0].title, QStringLiteral("Πρόβλημα με τη δημιουργία νέου διαμερίσματος"));
    }

    void aFullListRefusesANewFlat()
    {
        RegisterFixture f;
        f.state.Building.Flats.assign(MaxListCount, MakeFlat(QStringLiteral("X")));
        FlatsWindow window(f.context);
        const int row = window.rowCount() - 1;
        QCOMPARE(window.scrollBar()->maximum(), MaxListCount + 1 - window.rowCount());
        window.scrollBar()->setValue(window.scrollBar()->maximum());
        window.textCell(row, Name)->setText(QStringLiteral("Y"));
        TypeInto(window.textCell(row, Name), QStringLiteral("Y"));
        window.acceptButton()->click();
        QCOMPARE(f.state.Building.FlatCount(), MaxListCount);
        QCOMPARE(f.platform.messages.shown.last().text,
                 QStringLiteral("Δεν μπορείτε να ορίσετε περισσότερα από 32767 διαμερίσματα."));
    }

    void deletingAFlatAsksOnlyWhenDataDependOnIt()
    {
        RegisterFixture f;
        f.state.Building.Flats = {MakeFlat(QStringLiteral("A")), MakeFlat(QStringLiteral("B")),
                                  MakeFlat(QStringLiteral("C"))};
        FlatsWindow window(f.context);
        // Without per-mille columns, periods, payments or charges: deleted at once.
        window.deleteButton(2)->click();
        QVERIFY(f.platform.choices.asked.isEmpty());
        QCOMPARE(f.state.Building.FlatCount(), 2);

        for (auto &columns : f.state.Building.ShareColumns)
            columns.assign(1, ShareColumn::zeros(2));
        f.state.Building.Owners = {OccupancyPeriod{0, 1, NotSetDate, NotSetDate}};
        ExpenseRecord charge;
        charge.AllFlats = 0;
        charge.Flat = 1;
        f.state.Building.Expenses = {charge};
        window.showData();
        f.platform.choices.script = {1};
        window.deleteButton(1)->click();
        QCOMPARE(f.platform.choices.asked.size(), 1);
        const ChoiceRequest &q = f.platform.choices.asked[0];
        QCOMPARE(q.title, QStringLiteral("Διαγραφή ενός διαμερίσματος"));
        QCOMPARE(q.lines[0], QStringLiteral("Πρόκειται να διαγράψετε το διαμέρισμα: B/."));
        QCOMPARE(q.items, (QStringList{QStringLiteral("Ιδιοκτήτης"), QStringLiteral("Χιλιοστά"),
                                       QStringLiteral("Προσωποπαγή έξοδα")}));
        QCOMPARE(q.defaultOption, 1);
        QCOMPARE(f.state.Building.FlatCount(), 2);

        f.platform.choices.script = {0};
        window.deleteButton(1)->click();
        QCOMPARE(f.state.Building.FlatCount(), 1);
        QVERIFY(f.state.Building.Owners.empty());
        QVERIFY(f.state.Building.Expenses.empty());
        QCOMPARE(window.rowNumber(1)->text(), QStringLiteral("2"));
        QVERIFY(window.rowNumber(2)->isHidden());

        // The delete image of the new-record row only empties its texts.
        window.textCell(1, Name)->setText(QStringLiteral("Z"));
        TypeInto(window.textCell(1, Name), QStringLiteral("Z"));
        window.deleteButton(1)->click();
        QCOMPARE(window.textCell(1, Name)->text(), QString());
        QCOMPARE(f.state.Building.FlatCount(), 1);
    }

    void deleteAllLeavesPersonsCommonExpensesAndNoColumns()
    {
        RegisterFixture f;
        addFlats(f.state, 2);
        BuildingData &b = f.state.Building;
        b.Persons = {MakePerson(QStringLiteral("Π"))};
        b.Owners = {OccupancyPeriod{0, 0, NotSetDate, NotSetDate}};
        b.Payments = {PaymentRecord{}};
        ExpenseRecord common;
        common.AllFlats = -1;
        common.Flat = -1;
        ExpenseRecord charge;
        charge.AllFlats = 0;
        charge.Flat = 1;
        b.Expenses = {charge, common, charge};
        FlatsWindow window(f.context);
        f.platform.choices.script = {0};
        window.deleteAllFlats();
        QCOMPARE(f.platform.choices.asked.size(), 1);
        QCOMPARE(f.platform.choices.asked[0].items,
                 (QStringList{QStringLiteral("Ιδιοκτήτες"), QStringLiteral("Χιλιοστά"), QStringLiteral("Πληρωμές"),
                              QStringLiteral("Έξοδα")}));
        QVERIFY(b.Flats.empty() && b.Owners.empty() && b.Payments.empty());
        for (int c = 0; c < CategoryCount; ++c)
            QCOMPARE(b.ShareColumnCount(c), 0);
        QCOMPARE(b.ExpenseCount(), 1);
        QCOMPARE(b.Expenses[0].AllFlats, qint16(-1));
        QCOMPARE(b.PersonCount(), 1);
        QCOMPARE(window.rowNumber(0)->text(), QStringLiteral("1"));

        // With no flats the dialog only tells so.
        window.deleteAllFlats();
        QCOMPARE(f.platform.choices.asked.last().lines,
                 QStringList{QStringLiteral("Δεν υπάρχουν διαμερίσματα για διαγραφή")});
        QVERIFY(f.platform.choices.asked.last().options.isEmpty());
    }

    void theRowsFitTheMainWindowAndScroll()
    {
        RegisterFixture f;
        f.shell.clientHeight = 3000; // too low: twenty rows all the same
        addFlats(f.state, GridEditor::MinimumRows - 1);
        {
            FlatsWindow window(f.context);
            QCOMPARE(window.rowCount(), GridEditor::MinimumRows);
            QVERIFY(window.scrollBar()->isHidden());
        }
        addFlats(f.state, 1);
        f.state.Building.Flats.resize(GridEditor::MinimumRows);
        FlatsWindow window(f.context);
        QVERIFY(!window.scrollBar()->isHidden());
        QCOMPARE(window.scrollBar()->maximum(), 1);
        window.scrollBar()->setValue(1);
        QCOMPARE(window.topOffset(), -1);
        QCOMPARE(window.rowNumber(0)->text(), QStringLiteral("2"));
        QCOMPARE(window.rowNumber(GridEditor::MinimumRows - 1)->text(), QStringLiteral("21"));
        QCOMPARE(window.textCell(GridEditor::MinimumRows - 1, Name)->text(), QString());

        RegisterFixture tall;
        tall.shell.clientHeight = 15000;
        FlatsWindow big(tall.context);
        // (15000 - 480 - 3435 - 630) / 315
        QCOMPARE(big.rowCount(), 33);
    }

    void openingFiguresFollowTheirOwnRules()
    {
        RegisterFixture f;
        addFlats(f.state, 1);
        f.state.Building.Reserves = {1.0f, 2.0f, 0, 0, 0, 0.5f};
        f.state.Building.PreviousPeriodCharges = 0.003f;
        FlatsWindow window(f.context);
        ShowActive(&window);
        OpeningFigures *figures = window.openingFigures();
        QCOMPARE(figures->reservesTitle()->text(), QStringLiteral("ΑΠΟΘΕΜΑΤΙΚΑ (3,50 €)"));
        QCOMPARE(figures->reserveBox(2)->text(), QString());
        QCOMPARE(figures->previousChargesBox()->text(), QStringLiteral("0,00"));
        QVERIFY(!f.state.DataChanged);

        QLineEdit *cash = figures->initialCashBox();
        FocusBox(cash);
        TypeInto(cash, QStringLiteral("12,5"));
        QCOMPARE(f.state.Building.InitialCash, 12.5f);
        QCOMPARE(cash->text(), QStringLiteral("12,5"));
        QTest::keyClick(cash, Qt::Key_Return);
        QCOMPARE(cash->text(), QStringLiteral("12,50"));
        QTRY_VERIFY(figures->reserveBox(0)->hasFocus());

        // Clearing a box that holds 0.003 stores nothing and shows it again.
        f.state.DataChanged = false;
        QLineEdit *charges = figures->previousChargesBox();
        FocusBox(charges);
        ClearBox(charges);
        FocusBox(cash);
        QCOMPARE(f.state.Building.PreviousPeriodCharges, 0.003f);
        QCOMPARE(charges->text(), QStringLiteral("0,00"));
        QVERIFY(!f.state.DataChanged);

        // ESC returns to the value of the last focus loss, and the stored value follows.
        ClearBox(cash);
        TypeInto(cash, QStringLiteral("7"));
        QCOMPARE(f.state.Building.InitialCash, 7.0f);
        QTest::keyClick(cash, Qt::Key_Escape);
        QCOMPARE(f.state.Building.InitialCash, 12.5f);

        // Enter in the last reserve goes to the grid's first short name.
        FocusBox(figures->reserveBox(5));
        figures->reserveBox(5)->selectAll();
        PasteInto(figures->reserveBox(5), QStringLiteral("1e40"));
        QCOMPARE(figures->reserveBox(5)->text(), QStringLiteral("0,50"));
        QCOMPARE(f.state.Building.Reserves[5], 0.5f);
        QTest::keyClick(figures->reserveBox(5), Qt::Key_Return);
        QCOMPARE(figures->reserveBox(5)->text(), QStringLiteral("0,50"));
        QTRY_VERIFY(window.textCell(0, Name)->hasFocus());
        QCOMPARE(figures->reservesTitle()->text(), QStringLiteral("ΑΠΟΘΕΜΑΤΙΚΑ (3,50 €)"));

        FocusBox(figures->noteBox());
        figures->noteBox()->setPlainText(QStringLiteral("  γραμμή 1\nγραμμή 2  "));
        QCOMPARE(f.state.Building.InitialNote.trimmed(), QStringLiteral("γραμμή 1\r\nγραμμή 2"));
        // Tab and Shift+Tab leave the note as they leave every box: no tab
        // character goes into it, nor into the file.
        QTest::keyClick(figures->noteBox(), Qt::Key_Tab);
        QTRY_VERIFY(!figures->noteBox()->hasFocus());
        QCOMPARE(figures->noteBox()->toPlainText(), QStringLiteral("  γραμμή 1\nγραμμή 2  "));
        FocusBox(figures->noteBox());
        QTest::keyClick(figures->noteBox(), Qt::Key_Backtab, Qt::ShiftModifier);
        QTRY_VERIFY(figures->reserveBox(5)->hasFocus());
        QCOMPARE(f.state.Building.InitialNote.trimmed(), QStringLiteral("γραμμή 1\r\nγραμμή 2"));

        figures->explainReserves();
        QCOMPARE(f.platform.messages.shown.last().title, QStringLiteral("Επεξήγηση των αποθεματικών"));
        QVERIFY(f.platform.messages.shown.last().text.endsWith(QStringLiteral("κατηγορίας δαπανών.\r\n")));
    }

    void reservesFollowTheirCategoryWhenReorderedElsewhere()
    {
        RegisterFixture f;
        addFlats(f.state, 1);
        f.state.Building.Reserves = {0, 100, 0, 0, 0, 0};
        FlatsWindow window(f.context);
        QCOMPARE(window.openingFigures()->reserveBox(1)->text(), QStringLiteral("100,00"));
        ExpenseCategoryOrderWindow order(f.context);
        order.clickRow(1);
        order.clickRow(5);
        QCOMPARE(f.state.Building.Reserves[5], 100.0f);
        window.showData();
        QCOMPARE(window.openingFigures()->reserveBox(1)->text(), QString());
        QCOMPARE(window.openingFigures()->reserveBox(5)->text(), QStringLiteral("100,00"));
    }

    void theOrderCommandNeedsTwoFlats()
    {
        RegisterFixture f;
        addFlats(f.state, 1);
        FlatsWindow window(f.context);
        ShowActive(&window);
        window.orderAction()->trigger();
        QCOMPARE(f.platform.messages.shown.last().title, QStringLiteral("Σειρά εμφάνισης των διαμερισμάτων"));
        QVERIFY(window.isVisible());
    }
};

KV_TEST_MAIN(TestFlats)

} // namespace test_flats
#include "test_flats.moc"
