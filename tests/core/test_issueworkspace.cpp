#include "core/issuecommands.h"
#include "platform/messageservice.h"

#include "support_periodbuilding.h"
#include "testprogram.h"

using namespace kelvarino;

namespace test_issueworkspace {

using namespace kelvarino::testing;

namespace {

const double From = Day(2024, 1, 1);
const double To = Day(2024, 3, 31);

// Three flats. Category 1 changes its column on 31 January: 500 300 200
// without reductions, then 200 300 500 with a residents' reduction of 50 %
// for F1. Category 3: 600 400 0. F1 has a resident from 1 January, F2 only an
// owner, F3 nobody.
PeriodBuilding Building()
{
    PeriodBuilding b(3);
    b.perMille(1, 0, {500, 300, 200});
    b.addColumn(1, NotSetDate);
    b.data.ShareColumns[1][0].EndDate = Day(2024, 1, 31);
    b.perMille(1, 1, {200, 300, 500});
    b.residentReduction(1, 1, {50, 0, 0});
    b.perMille(3, 0, {600, 400, 0});
    const int anna = b.person(QStringLiteral("Άννα"));
    const int bill = b.person(QStringLiteral("Βασίλης"));
    const int chris = b.person(QStringLiteral("Χρήστος"));
    b.owner(0, anna);
    b.resident(0, bill, From);
    b.owner(1, chris);
    b.common(Day(2023, 12, 15), 1, 100); // 0: before the period: 50 30 20 brought forward
    b.common(Day(2024, 1, 31), 1, 100);  // 1: under the first column: 50 30 20
    b.common(Day(2024, 2, 1), 1, 100);   // 2: 20 30 50, F1's 10 carried as 3.75 and 6.25
    b.common(Day(2024, 3, 10), 3, 50, true); // 3: owners' 30 20 0
    b.common(Day(2024, 4, 1), 1, 1000);  // 4: after the period
    b.charge(Day(2024, 2, 20), 2, 15);   // 5: F3's resident
    b.charge(Day(2024, 2, 21), 0, 5, true); // 6: F1's owner
    b.issue(From, To, Day(2024, 4, 5));
    return b;
}

struct RowFigures
{
    float residentTotal, residentFromClosed, ownerTotal, ownerFromClosed, bothTotal;
};

} // namespace

class TestIssueWorkspace : public QObject
{
    Q_OBJECT
private slots:
    void collectiveStatementBuildsTheWorkspace()
    {
        const PeriodBuilding b = Building();
        RecordingMessageService messages; // answers the question about the column change with Yes
        PeriodResults r;
        QCOMPARE(PrepareCollectiveStatement(b.data, 0, messages, r), CommandOutcome::OpenReport);
        QCOMPARE(messages.shown.size(), 1); // the question
        QVERIFY(r.Period.Balances.empty()); // the collective statement computes no balances

        const IssueWorkspace &w = r.Workspace;
        QCOMPARE(w.ResidentCommonList[1], (std::vector<int>{1, 2}));
        QCOMPARE(w.OwnerCommonList[3], (std::vector<int>{3}));
        QCOMPARE(w.ResidentCommonCount(3) + w.OwnerCommonCount(1), 0);
        QCOMPARE(w.ResidentCategoryAmounts[1], 200.0f);
        QCOMPARE(w.OwnerCategoryAmounts[3], 50.0f);
        QCOMPARE(w.CommonTotal, 250.0f);
        QCOMPARE(w.ResidentChargeList, std::vector<int>{5});
        QCOMPARE(w.OwnerChargeList, std::vector<int>{6});
        QCOMPARE(w.ChargeTotal, 20.0f);
        QCOMPARE(w.ChargeKind, 3);
        QVERIFY(w.ResidentCommonExists && w.OwnerCommonExists);
        QVERIFY(w.ResidentClosedColumn);
        QVERIFY(!w.OwnerClosedColumn);
        QCOMPARE(w.AmountColumnCount, 4);
        QCOMPARE(w.StatementSlice, 0); // the latest expense (10 March) is under the open columns
        QCOMPARE(w.CategoryKinds, (std::array<int, CategoryCount>{0, 1, 0, 2, 0, 0}));
        QCOMPARE(w.ResidentExpenseShares[1][0].Column, 0);
        QCOMPARE(w.ResidentExpenseShares[1][1].Column, 1);

        const RowFigures rows[] = {
            {60, -10, 35, 0, 95},          // 50 + (20 - 10); owner 30 + charge 5
            {63.75f, 3.75f, 20, 0, 83.75f}, // 30 + (30 + 3.75); owner 20
            {91.25f, 6.25f, 0, 0, 91.25f},  // 20 + (50 + 6.25) + charge 15
        };
        const QString names[] = {QStringLiteral("Βασίλης"), QStringLiteral("Χρήστος"), QString()};
        const float perMille1[] = {200, 300, 500};
        const float perMille3[] = {600, 400, 0};
        const float share1[] = {70, 60, 70};
        const float carried1[] = {0, 3.75f, 6.25f};
        const float discount1[] = {10, 0, 0};
        const float categoryTotal1[] = {60, 63.75f, 76.25f};
        const float ownerShare3[] = {30, 20, 0};
        for (int f = 0; f < 3; ++f) {
            const FlatRow &row = w.FlatRows[std::size_t(f)];
            QCOMPARE(row.DisplayName, names[f]);
            QCOMPARE(row.ResidentTotal, rows[f].residentTotal);
            QCOMPARE(row.ResidentFromClosed, rows[f].residentFromClosed);
            QCOMPARE(row.OwnerTotal, rows[f].ownerTotal);
            QCOMPARE(row.OwnerFromClosed, rows[f].ownerFromClosed);
            QCOMPARE(row.BothTotal, rows[f].bothTotal);
            QCOMPARE(row.PerMille[1], perMille1[f]);
            QCOMPARE(row.PerMille[3], perMille3[f]);
            QCOMPARE(row.PerMille[2], 0.0f);
            QCOMPARE(row.ResidentShare[1], share1[f]);
            QCOMPARE(row.ResidentCarried[1], carried1[f]);
            QCOMPARE(row.ResidentDiscount[1], discount1[f]);
            QCOMPARE(row.ResidentCategoryTotal[1], categoryTotal1[f]);
            QCOMPARE(row.OwnerShare[3], ownerShare3[f]);
            QCOMPARE(row.OwnerCategoryTotal[3], ownerShare3[f]);
        }
        QCOMPARE(w.FlatRows[2].ResidentCharges, 15.0f);
        QCOMPARE(w.FlatRows[0].OwnerCharges, 5.0f);
        QCOMPARE(w.StatementResidentTotal, 215.0f);
        QCOMPARE(w.StatementOwnerTotal, 55.0f);
        QCOMPARE(w.StatementTotal, 270.0f);
        QCOMPARE(w.PerMilleColumnTotals, (CategoryFigures{0, 1000, 0, 1000, 0, 0}));
        QCOMPARE(w.ResidentShareTotals, (CategoryFigures{0, 200, 0, 0, 0, 0}));
        QCOMPARE(w.OwnerShareTotals, (CategoryFigures{0, 0, 0, 50, 0, 0}));
    }

    void notificationsComputeBalancesAndWorkspace()
    {
        const PeriodBuilding b = Building();
        RecordingMessageService messages;
        PeriodResults r;
        QCOMPARE(PrepareNotifications(b.data, 0, messages, r), CommandOutcome::OpenReport);
        const FlatBalance &f1 = r.Period.Balances[0];
        QCOMPARE(f1.ResidentPrevious, 50.0f);
        QCOMPARE(f1.ResidentShared, 60.0f);
        QCOMPARE(f1.OwnerShared, 30.0f);
        QCOMPARE(f1.OwnerCharges, 5.0f);
        QCOMPARE(f1.Due, 145.0f);
        QCOMPARE(r.Period.TotalDue, 370.0f); // 100 before + 250 common + 20 charges
        QCOMPARE(r.Workspace.StatementTotal, 270.0f);
        QCOMPARE(r.Administrator.AdministratorCaption, QStringLiteral("ΔΙΑΧΕΙΡΙΣΤΗΣ:"));
    }

    void warningAboutPerMilleChanges_data()
    {
        QTest::addColumn<double>("endDate");
        QTest::addColumn<bool>("asks");
        QTest::newRow("ends on the first day") << From << true;
        QTest::newRow("ends inside") << Day(2024, 2, 15) << true;
        QTest::newRow("ends on the last day") << To << false;
        QTest::newRow("ends before") << From - 1 << false;
    }
    void warningAboutPerMilleChanges()
    {
        QFETCH(double, endDate);
        QFETCH(bool, asks);
        PeriodBuilding b = Building();
        b.data.ShareColumns[1][0].EndDate = endDate;
        b.addColumn(4, Day(2024, 2, 1)); // a later category changing too is not named
        std::swap(b.data.ShareColumns[4][0], b.data.ShareColumns[4][1]);
        b.data.ShareColumns[4][0].PerMille = {1, 1, 1};
        b.data.ShareColumns[4][1].PerMille = {1, 1, 1};
        b.data.CategoryLabels[1].set(QStringLiteral("ΚΟΙΝΟΧΡΗΣΤΑ"));
        RecordingMessageService messages;
        messages.script = {MessageAnswer::No};
        const bool goOn = WarnShareChanges(b.data, b.data.Issues[0], messages);
        if (!asks) {
            // Category 4's change still asks, naming category 4.
            QVERIFY(!goOn);
            QVERIFY(messages.shown.first().text.contains(QStringLiteral(": ΣΥΝΤΗΡΗΣΗ ΚΤΙΡΙΟΥ. ")));
            return;
        }
        QVERIFY(!goOn);
        QCOMPARE(messages.shown.size(), 1);
        const MessageRequest &m = messages.shown.first();
        QCOMPARE(m.title, QStringLiteral("Έκδοση κοινοχρήστων"));
        QCOMPARE(m.icon, MessageIcon::Exclamation);
        QCOMPARE(m.buttons, MessageButtons::YesNo);
        QCOMPARE(m.defaultAnswer, MessageAnswer::Yes);
        QCOMPARE(m.text,
                 QStringLiteral("Μέσα στην περίοδο που θέλετε να καλύπτει η έκδοση κοινοχρήστων έχουν γίνει αλλαγές "
                                "στα χιλιοστά τουλάχιστον της κατηγορίας: ΚΟΙΝΟΧΡΗΣΤΑ. \r\n\r\n"
                                "Στις καταστάσεις θα εμφανίζονται τα χιλιοστά που ισχύουν στο τέλος της περιόδου "
                                "που ζητήσατε, αν και για την κάθε δαπάνη θα εφαρμόζονται τα σωστά χιλιοστά. \r\n\r\n"
                                "Σας προτείνουμε στην περίοδο που καλύπτει η έκδοση κοινοχρήστων να εφαρμόζεται "
                                "μόνο το σετ χιλιοστών που ισχύει στο τέλος της διαχειριστικής περιόδου ώστε να "
                                "γίνεται εμφανής η επαλήθευση των καταμερισμών. \r\n\r\n"
                                "Θέλετε να προχωρήσετε με την έκδοση κοινοχρήστων;"));
    }

    void decliningTheWarningStopsBothStatements()
    {
        const PeriodBuilding b = Building();
        for (auto prepare : {PrepareCollectiveStatement, PrepareNotifications}) {
            RecordingMessageService messages;
            messages.script = {MessageAnswer::No};
            PeriodResults r;
            QCOMPARE(prepare(b.data, 0, messages, r), CommandOutcome::Stopped);
            QCOMPARE(messages.shown.size(), 1);
            QVERIFY(r.Workspace.FlatRows.empty());
        }
        // The cash statement asks nothing.
        RecordingMessageService messages;
        PeriodResults r;
        QCOMPARE(PrepareCashStatement(b.data, 0, messages, r), CommandOutcome::OpenReport);
        QVERIFY(messages.shown.isEmpty());
    }

    void periodWithoutExpensesStops()
    {
        PeriodBuilding b = Building();
        const int empty = b.issue(Day(2025, 1, 1), Day(2025, 3, 31), Day(2025, 4, 1));
        RecordingMessageService messages;
        PeriodResults r;
        QCOMPARE(PrepareCollectiveStatement(b.data, 0, messages, r), CommandOutcome::OpenReport);
        messages.shown.clear();
        QCOMPARE(PrepareCollectiveStatement(b.data, empty, messages, r), CommandOutcome::Stopped);
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.first().title, QStringLiteral("Δεν μπορείτε να προχωρήσετε σε εκτύπωση"));
        QCOMPARE(messages.shown.first().text,
                 QStringLiteral("Δεν υπάρχουν κοινές ή ατομικές δαπάνες στην περίοδο που ζητήσατε."));
        QCOMPARE(messages.shown.first().icon, MessageIcon::Critical);
        QCOMPARE(r.Workspace.ChargeKind, 3); // as the earlier command left it
    }

    void chargesOnlyGoOn()
    {
        PeriodBuilding b(2);
        b.charge(Day(2024, 2, 1), 1, 12);
        b.charge(Day(2024, 2, 2), 1, 8, true);
        b.issue(From, To, To);
        RecordingMessageService messages;
        PeriodResults r;
        QCOMPARE(PrepareNotifications(b.data, 0, messages, r), CommandOutcome::OpenReport);
        const IssueWorkspace &w = r.Workspace;
        QCOMPARE(w.CategoryKinds, (std::array<int, CategoryCount>{}));
        QCOMPARE(w.PerMilleColumnTotals, CategoryFigures{});
        QCOMPARE(w.FlatRows[1].ResidentTotal, 12.0f);
        QCOMPARE(w.FlatRows[1].OwnerTotal, 8.0f);
        QCOMPARE(w.FlatRows[1].BothTotal, 20.0f);
        QCOMPARE(w.FlatRows[0].BothTotal, 0.0f);
        QCOMPARE(w.ChargeKind, 3);
        QCOMPARE(w.AmountColumnCount, 3);
    }

    // Owners' expenses only: one amount column, one more for the owners'
    // reductions.
    void ownersOnlyPeriod()
    {
        PeriodBuilding b(2);
        b.perMille(2, 0, {250, 750});
        b.common(Day(2024, 3, 1), 2, 40, true);
        b.charge(Day(2024, 3, 2), 0, 4, true);
        b.issue(From, To, To);
        RecordingMessageService messages;
        PeriodResults r;
        QCOMPARE(PrepareCollectiveStatement(b.data, 0, messages, r), CommandOutcome::OpenReport);
        const IssueWorkspace &w = r.Workspace;
        QCOMPARE(w.AmountColumnCount, 1);
        QCOMPARE(w.CategoryKinds[2], 2);
        QCOMPARE(w.ChargeKind, 2);
        QVERIFY(!w.ResidentCommonExists);
        QCOMPARE(w.FlatRows[0].OwnerTotal, 14.0f);
        QCOMPARE(w.FlatRows[1].OwnerTotal, 30.0f);
        QCOMPARE(w.StatementResidentTotal, 0.0f);
        QCOMPARE(w.StatementTotal, 44.0f);

        b.ownerReduction(2, 0, {100, 0});
        QCOMPARE(PrepareCollectiveStatement(b.data, 0, messages, r), CommandOutcome::OpenReport);
        QCOMPARE(r.Workspace.AmountColumnCount, 2);
        QCOMPARE(r.Workspace.FlatRows[0].OwnerTotal, 4.0f);
        QCOMPARE(r.Workspace.FlatRows[0].OwnerFromClosed, -10.0f);
        QCOMPARE(r.Workspace.FlatRows[1].OwnerFromClosed, 10.0f);
    }

    // The statements show the column of the latest common expense: a column
    // ending after it but before the period's end is still the one shown.
    void statementShowsTheColumnOfTheLatestExpense()
    {
        PeriodBuilding b = Building();
        b.data.ShareColumns[1][0].EndDate = Day(2024, 3, 20);
        RecordingMessageService messages;
        PeriodResults r;
        QCOMPARE(PrepareCollectiveStatement(b.data, 0, messages, r), CommandOutcome::OpenReport);
        QCOMPARE(r.Workspace.StatementSlice, 1);
        QCOMPARE(r.Workspace.FlatRows[0].PerMille[1], 500.0f);
        QCOMPARE(r.Workspace.ResidentExpenseShares[1][1].Column, 0);
        // The column with reductions splits none of the period's expenses.
        QVERIFY(!r.Workspace.ResidentClosedColumn);
        QCOMPARE(r.Workspace.AmountColumnCount, 3);
        QCOMPARE(r.Workspace.FlatRows[0].ResidentTotal, 50.0f + 50.0f); // no discount for F1
    }

    // A per-mille problem in an expense before the period: the notifications
    // stop before completing the balances; the cash statement completes them
    // and its unpaid sums, shows the message once and stays closed.
    void perMilleProblemBeforeThePeriod()
    {
        PeriodBuilding b = Building();
        b.data.Flats[0].ResidentInitialDebt = 7;
        b.common(Day(2020, 1, 1), 5, 10, false, /*unpaid*/ true); // category 5 has no per-mille
        b.data.Expenses.insert(b.data.Expenses.begin(), b.data.Expenses.back());
        b.data.Expenses.pop_back();
        RecordingMessageService messages;
        messages.script = {MessageAnswer::Yes};
        PeriodResults r;
        QCOMPARE(PrepareNotifications(b.data, 0, messages, r), CommandOutcome::Stopped);
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(messages.shown.last().title, QStringLiteral("Πρόβλημα με τα χιλιοστά"));
        QCOMPARE(r.Period.Balances[0].ResidentPrevious, 0.0f); // no initial debt added
        QVERIFY(r.Workspace.FlatRows.empty());

        messages.shown.clear();
        QCOMPARE(PrepareCashStatement(b.data, 0, messages, r), CommandOutcome::Stopped);
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(r.Period.Balances[0].ResidentPrevious, 7.0f);
        QCOMPARE(r.Period.TotalPrevious, 7.0f);
        QCOMPARE(r.Period.CashAtStart, 0.0f);       // the debt is not cash
        QCOMPARE(r.Period.CashStartWithUnpaid, 10.0f);
    }

    // The receipt's period is the payment's own day: earlier payments and
    // expenses are brought forward, the payment and that day's items count
    // in the period, later ones not at all.
    void paymentReceiptOneDayPeriod()
    {
        PeriodBuilding b = Building();
        const double day = Day(2024, 2, 20);
        b.payment(Day(2024, 2, 19), 2, 0, 30);
        const int paid = b.payment(day, 2, 4, 60);
        b.payment(day + 1, 2, 0, 100);
        b.data.Administrators = {{0, NotSetDate, NotSetDate}};
        RecordingMessageService messages;
        PeriodResults r;
        QCOMPARE(PreparePaymentReceipt(b.data, paid, messages, r), CommandOutcome::OpenReport);
        const FlatBalance &f3 = r.Period.Balances[2];
        // Before the day: 20 + 20 + 56.25 of common expenses less the 30 paid.
        QCOMPARE(f3.ResidentPrevious, 66.25f);
        QCOMPARE(f3.ResidentCharges, 15.0f); // charged that very day
        QCOMPARE(f3.ResidentPaid, 60.0f);
        QCOMPARE(f3.OwnerPaid, 4.0f);
        QCOMPARE(f3.ResidentDue, 21.25f);
        QCOMPARE(f3.OwnerDue, -4.0f);
        QCOMPARE(r.Administrator.AdministratorCaption, QStringLiteral("ΔΙΑΧΕΙΡΙΣΤΗΣ: Άννα"));
    }

    // Running for another issue leaves nothing of the first.
    void workspaceIsRebuiltFromScratch()
    {
        PeriodBuilding b = Building();
        const int march = b.issue(Day(2024, 3, 1), To, To);
        RecordingMessageService messages;
        PeriodResults fresh;
        QCOMPARE(PrepareCollectiveStatement(b.data, march, messages, fresh), CommandOutcome::OpenReport);
        PeriodResults reused;
        QCOMPARE(PrepareCollectiveStatement(b.data, 0, messages, reused), CommandOutcome::OpenReport);
        QCOMPARE(PrepareCollectiveStatement(b.data, march, messages, reused), CommandOutcome::OpenReport);
        QCOMPARE(reused.Workspace.FlatRows, fresh.Workspace.FlatRows);
        QCOMPARE(reused.Workspace.ResidentCommonList, fresh.Workspace.ResidentCommonList);
        QCOMPARE(reused.Workspace.ResidentChargeList, fresh.Workspace.ResidentChargeList);
        QCOMPARE(reused.Workspace.ResidentExpenseShares[1].size(), std::size_t(0));
        QCOMPARE(reused.Workspace.AmountColumnCount, fresh.Workspace.AmountColumnCount);
        QCOMPARE(reused.Workspace.PerMilleColumnTotals, fresh.Workspace.PerMilleColumnTotals);
    }
};

KV_TEST_APPLESS_MAIN(TestIssueWorkspace)

} // namespace test_issueworkspace
#include "test_issueworkspace.moc"
