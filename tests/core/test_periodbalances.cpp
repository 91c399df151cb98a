#include "core/formatting.h"
#include "core/periodbalances.h"
#include "core/sharetimeline.h"
#include "platform/messageservice.h"

#include "support_periodbuilding.h"
#include "testprogram.h"

#include <cmath>

using namespace kelvarino;

namespace test_periodbalances {

using namespace kelvarino::testing;

namespace {

const double First = Day(2024, 1, 1);
const double Last = Day(2024, 3, 31);

// Runs the chain up to the distribution; answers what the distribution answered.
bool Distribute(const BuildingData &data, PeriodBalances &period, RecordingMessageService &messages,
                double first = First, double last = Last)
{
    return ComputeBalancesUpToDistribution(data, BuildShareTimeline(data), first, last, period, messages);
}

PeriodBalances Complete(const BuildingData &data)
{
    RecordingMessageService messages;
    PeriodBalances period;
    if (!Distribute(data, period, messages))
        qFatal("unexpected per-mille message");
    CompleteBalances(data, period);
    return period;
}

// Three flats sharing category 1 by 500, 300 and 200 per mille.
PeriodBuilding ThreeFlats()
{
    PeriodBuilding b(3);
    b.perMille(1, 0, {500, 300, 200});
    return b;
}

} // namespace

class TestPeriodBalances : public QObject
{
    Q_OBJECT
private slots:
    // Items before the period go into the balance brought forward, items
    // inside into the period's figures (both ends included), later ones nowhere.
    void itemsBeforeInsideAndAfterThePeriod()
    {
        PeriodBuilding b = ThreeFlats();
        b.common(Day(2023, 12, 15), 1, 100, false, /*unpaid*/ true); // before: previous 50 30 20
        b.common(First, 1, 200);                                      // resident shares 100 60 40
        b.common(Last, 1, 50, /*owner*/ true, true);                  // owner shares 25 15 10
        b.common(Last + 1, 1, 1000, false, true);                     // after: ignored
        b.charge(Day(2024, 2, 10), 0, 10, false, true);               // resident charge of F1
        b.charge(Day(2023, 12, 31), 1, 7, true);                      // owner previous of F2
        b.charge(Last + 1, 2, 99, true, true);                        // after: ignored
        b.payment(Day(2023, 12, 20), 0, 5, 40);                       // lowers F1's previous
        b.payment(Day(2024, 3, 15), 2, 3, 20);                        // paid in the period
        b.payment(Last + 1, 1, 100, 100);                             // after: ignored
        b.data.Flats[2].OwnerInitialDebt = 2;
        b.data.Flats[2].ResidentInitialDebt = 1;
        b.data.InitialCash = 500;
        b.data.PreviousPeriodCharges = 100;
        b.data.Reserves = {10, 20, 0, 0, 0, 0};

        PeriodBalances p = Complete(b.data);
        struct Expected { float resPrev, ownPrev, prev, resCharges, ownCharges, resShared, ownShared, shared,
                          resPaid, ownPaid, paid, resDue, ownDue, due; };
        const Expected expected[] = {
            {10, -5, 5, 10, 0, 100, 25, 125, 0, 0, 0, 120, 20, 140},
            {30, 7, 37, 0, 0, 60, 15, 75, 0, 0, 0, 90, 22, 112},
            {21, 2, 23, 0, 0, 40, 10, 50, 20, 3, 23, 41, 9, 50},
        };
        for (int f = 0; f < 3; ++f) {
            const FlatBalance &a = p.Balances[std::size_t(f)];
            const Expected &e = expected[f];
            const FlatBalance want{e.resPrev, e.ownPrev, e.prev, e.resCharges, e.ownCharges, e.resShared, e.ownShared,
                                   e.shared, e.resPaid, e.ownPaid, e.paid, e.resDue, e.ownDue, e.due};
            QVERIFY2(a == want, qPrintable(QStringLiteral("flat %1").arg(f)));
        }
        QCOMPARE(p.TotalResidentPrevious, 61.0f);
        QCOMPARE(p.TotalOwnerPrevious, 4.0f);
        QCOMPARE(p.TotalPrevious, 65.0f);
        QCOMPARE(p.TotalResidentCharges, 10.0f);
        QCOMPARE(p.TotalOwnerCharges, 0.0f);
        QCOMPARE(p.TotalResidentShared, 200.0f);
        QCOMPARE(p.TotalOwnerShared, 50.0f);
        QCOMPARE(p.TotalShared, 250.0f);
        QCOMPARE(p.TotalResidentPaid, 20.0f);
        QCOMPARE(p.TotalOwnerPaid, 3.0f);
        QCOMPARE(p.TotalPaid, 23.0f);
        QCOMPARE(p.TotalResidentDue, 251.0f);
        QCOMPARE(p.TotalOwnerDue, 51.0f);
        QCOMPARE(p.TotalDue, 302.0f);
        QCOMPARE(p.ReservesTotal, 30.0f);
        // (100 + 500) - (65 - 3 initial debts); then + 23 paid - (250 + 10 + 0).
        QCOMPARE(p.CashAtStart, 538.0f);
        QCOMPARE(p.CashAtEnd, 301.0f);

        // Unpaid: 100 before the period; 50 common and 10 charged inside it.
        SumUnpaidExpenses(b.data, First, Last, p);
        QCOMPARE(p.CashStartWithUnpaid, 638.0f);
        QCOMPARE(p.CashEndWithUnpaid, 461.0f);

        // A new chain keeps the reserves total and the cash with unpaid expenses.
        ResetBalances(b.data, p);
        QCOMPARE(p.ReservesTotal, 30.0f);
        QCOMPARE(p.CashStartWithUnpaid, 638.0f);
        QCOMPARE(p.CashAtStart, 0.0f);
        QCOMPARE(p.Balances.size(), std::size_t(3));
    }

    // Column 0 ends on 31 January; an expense on that day is still shared by
    // it, one a day later by the next column.
    void perMilleColumnChangeInsideThePeriod()
    {
        PeriodBuilding b = ThreeFlats();
        b.addColumn(1, NotSetDate);
        b.data.ShareColumns[1][0].EndDate = Day(2024, 1, 31);
        b.perMille(1, 1, {200, 300, 500});
        b.common(Day(2024, 1, 31), 1, 100);
        b.common(Day(2024, 2, 1), 1, 100);
        const PeriodBalances p = Complete(b.data);
        QCOMPARE(p.Balances[0].ResidentShared, 70.0f);
        QCOMPARE(p.Balances[1].ResidentShared, 60.0f);
        QCOMPARE(p.Balances[2].ResidentShared, 70.0f);

        // The same columns stored out of order give the same shares.
        std::swap(b.data.ShareColumns[1][0], b.data.ShareColumns[1][1]);
        QVERIFY(Complete(b.data) == p);
    }

    void reductionsAreCarriedByTheOtherFlats_data()
    {
        QTest::addColumn<bool>("owner");
        QTest::addColumn<float>("amount");
        QTest::addColumn<QList<float>>("totals");
        // 400 300 300 0 per mille; residents: F1 100 %, F4 50 % (but no per-mille);
        // owners: F2 50 %.
        // Residents' 100: shares 40 30 30 0, F1's 40 carried by F2 and F3 as 300/600 each.
        QTest::newRow("residents") << false << 100.0f << QList<float>{0, 50, 50, 0};
        // Owners' 70: shares 28 21 21 0, F2's 10.5 carried as 400/700 and 300/700.
        QTest::newRow("owners") << true << 70.0f << QList<float>{34, 10.5f, 25.5f, 0};
    }
    void reductionsAreCarriedByTheOtherFlats()
    {
        QFETCH(bool, owner);
        QFETCH(float, amount);
        QFETCH(QList<float>, totals);
        PeriodBuilding b(4);
        b.perMille(1, 0, {400, 300, 300, 0});
        b.residentReduction(1, 0, {100, 0, 0, 50});
        b.ownerReduction(1, 0, {0, 50, 0, 0});
        b.common(Day(2024, 2, 1), 1, amount, owner);
        const PeriodBalances p = Complete(b.data);
        for (int f = 0; f < 4; ++f) {
            const FlatBalance &a = p.Balances[std::size_t(f)];
            KV_COMPARE_FLOAT(owner ? a.OwnerShared : a.ResidentShared, totals[f]);
            KV_COMPARE_FLOAT(owner ? a.ResidentShared : a.OwnerShared, 0.0f);
        }
    }

    // The residents' reductions play no part in an owners' expense.
    void theOtherSidesReductionsAreIgnored()
    {
        PeriodBuilding b = ThreeFlats();
        b.residentReduction(1, 0, {50, 0, 0});
        b.common(Day(2024, 2, 1), 1, 100, true);
        b.common(Day(2024, 2, 1), 1, 100, false);
        const PeriodBalances p = Complete(b.data);
        QCOMPARE(p.Balances[0].OwnerShared, 50.0f);
        QCOMPARE(p.Balances[1].OwnerShared, 30.0f);
        // Residents: shares 50 30 20, discount 25 carried as 300/500 and 200/500.
        QCOMPARE(p.Balances[0].ResidentShared, 25.0f);
        QCOMPARE(p.Balances[1].ResidentShared, 45.0f);
        QCOMPARE(p.Balances[2].ResidentShared, 30.0f);
    }

    // Owners' 120 over 500 300 200 with F2 reduced by 50 %: F1 carries
    // 18 x 500 / 700 = 12.857142448 (as a float) and bears 72.857139587.
    void reducedExpenseToTheLastBit()
    {
        PeriodBuilding b = ThreeFlats();
        b.ownerReduction(1, 0, {0, 50, 0});
        b.common(Day(2024, 2, 1), 1, 120, true);
        const PeriodBalances p = Complete(b.data);
        KV_COMPARE_FLOAT(p.Balances[0].OwnerShared, 72.857139587402f);
        KV_COMPARE_FLOAT(p.Balances[1].OwnerShared, 18.0f);
        KV_COMPARE_FLOAT(p.Balances[2].OwnerShared, 29.142856597900f);
    }

    // 333.33 per mille for each of three flats sum to 999.98999 as floats; each
    // share is 33.333332, F1's 10 % discount 3.3333333 is carried as 1.6666666
    // by each of the others: F1 bears 29.999998 (the float below 30), the others 35.
    void onlyThirtyTwoBitRoundingExplainsThis()
    {
        PeriodBuilding b(3);
        b.perMille(1, 0, {333.33f, 333.33f, 333.33f});
        b.residentReduction(1, 0, {10, 0, 0});
        b.common(Day(2024, 2, 1), 1, 100);
        const PeriodBalances p = Complete(b.data);
        KV_COMPARE_FLOAT(p.Balances[0].ResidentShared, std::nextafter(30.0f, 0.0f));
        KV_COMPARE_FLOAT(p.Balances[1].ResidentShared, 35.0f);
        KV_COMPARE_FLOAT(p.Balances[2].ResidentShared, 35.0f);
        QCOMPARE(FormatAmount(p.Balances[0].ResidentShared), QStringLiteral("30,00"));
    }

    // The balances take the percent as a float fraction first: 3 % of 100.5
    // is 0.03f x 100.5 = 3.0149999, carried to F2 as x 300 / 500 = 1.8089999:
    // F2 bears 62.108997 (the statements' own split, 3 x 100.5 / 100, gives
    // 62.109001).
    void percentIsTurnedIntoAFractionFirst()
    {
        PeriodBuilding b = ThreeFlats();
        b.residentReduction(1, 0, {3, 0, 0});
        b.common(Day(2024, 2, 1), 1, 201);
        const PeriodBalances p = Complete(b.data);
        KV_COMPARE_FLOAT(p.Balances[0].ResidentShared, 97.485000610352f);
        KV_COMPARE_FLOAT(p.Balances[1].ResidentShared, 62.108997344971f);
        KV_COMPARE_FLOAT(p.Balances[2].ResidentShared, 41.406002044678f);
    }

    // A column of zeros stops the distribution even for an expense long
    // before the period; the expenses before it stay added, Shared stays 0.
    void allZeroColumnStops()
    {
        PeriodBuilding b = ThreeFlats();
        b.common(Day(2024, 2, 1), 1, 100);       // distributed
        b.common(Day(2019, 5, 5), 2, 10);        // heating has no per-mille
        b.common(Day(2024, 2, 2), 1, 100);       // never reached
        RecordingMessageService messages;
        PeriodBalances p;
        QVERIFY(!Distribute(b.data, p, messages));
        QCOMPARE(messages.shown.size(), 1);
        const MessageRequest &m = messages.shown.first();
        QCOMPARE(m.title, QStringLiteral("Πρόβλημα με τα χιλιοστά"));
        QCOMPARE(m.icon, MessageIcon::Critical);
        QCOMPARE(m.buttons, MessageButtons::Ok);
        QCOMPARE(m.text, QStringLiteral("Υπάρχει πρόβλημα με τα χιλιοστά ") + StoredLabel(QStringLiteral("ΘΕΡΜΑΝΣΗ"))
                             + QStringLiteral(".\r\nΜάλλον δεν έχετε ορίσει χιλιοστά γιατί όλα είναι μηδενικά.\r\n"
                                              "Διορθώστε τα χιλιοστά και επανέλθετε."));
        QCOMPARE(p.Balances[0].ResidentShared, 50.0f);
        QCOMPARE(p.Balances[1].ResidentShared, 30.0f);
        QCOMPARE(p.Balances[0].Shared, 0.0f);
    }

    // Every flat with per-mille reduced: nothing is left to carry the
    // discounts. The balances stop whenever a flat has a reduction, even for
    // an expense of 0 that has no discount to carry.
    void nothingLeftUnreducedStops_data()
    {
        QTest::addColumn<float>("amount");
        QTest::newRow("100") << 100.0f;
        QTest::newRow("0") << 0.0f;
    }
    void nothingLeftUnreducedStops()
    {
        QFETCH(float, amount);
        PeriodBuilding b = ThreeFlats();
        b.ownerReduction(1, 0, {10, 20, 30});
        b.common(Day(2024, 2, 1), 1, amount, true);
        RecordingMessageService messages;
        PeriodBalances p;
        QVERIFY(!Distribute(b.data, p, messages));
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.first().title, QStringLiteral("Πρόβλημα με τα χιλιοστά"));
        QCOMPARE(messages.shown.first().icon, MessageIcon::Critical);
        QCOMPARE(messages.shown.first().text,
                 QStringLiteral("Υπάρχει πρόβλημα με τα χιλιοστά ") + StoredLabel(QStringLiteral("ΚΟΙΝΗ ΧΡΗΣΗ"))
                     + QStringLiteral(" και τις εκπτώσεις σε ιδιοκτήτες/ενοίκους. \r\n"
                                      "Για την ακρίβεια αν αφαιρεθούν οι ιδιοκτήτες/ένοικοι με έκπτωση, οι υπόλοιποι "
                                      "ιδιοκτήτες έχουν στο σύνολο μηδενικά χιλιοστά.\r\n"
                                      "Διορθώστε τα χιλιοστά και/ή τις εκπτώσεις στους ιδιοκτήτες/ενοίκους και "
                                      "επανέλθετε."));
    }

    // A flat with an initial debt and nothing else owes the debt; the cash
    // does not count it.
    void initialDebtAlone()
    {
        PeriodBuilding b = ThreeFlats();
        b.data.Flats[1].ResidentInitialDebt = 12.5f;
        b.data.InitialCash = 100;
        const PeriodBalances p = Complete(b.data);
        QCOMPARE(p.Balances[1].Previous, 12.5f);
        QCOMPARE(p.Balances[1].Due, 12.5f);
        QCOMPARE(p.CashAtStart, 100.0f);
        QCOMPARE(p.CashAtEnd, 100.0f);
    }
};

KV_TEST_APPLESS_MAIN(TestPeriodBalances)

} // namespace test_periodbalances
#include "test_periodbalances.moc"
