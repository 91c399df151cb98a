#include "core/expensesplit.h"
#include "core/issueworkspace.h"
#include "core/sharetimeline.h"
#include "platform/messageservice.h"

#include "support_periodbuilding.h"
#include "testprogram.h"

#include <cmath>

using namespace kelvarino;

namespace test_expensesplit {

using namespace kelvarino::testing;

namespace {

const IssueRecord Period{Day(2024, 1, 1), Day(2024, 3, 31), Day(2024, 4, 5), {}};

// Gathers the period's expenses and splits them; answers whether it went on.
bool Split(const BuildingData &data, IssueWorkspace &w, RecordingMessageService &messages)
{
    if (!CollectPeriodExpenses(data, Period, w, messages))
        qFatal("the period has no expenses");
    return ShareCommonExpenses(data, BuildShareTimeline(data), w, messages);
}

struct Figures { QList<float> share, discount, carried, total; };

void CompareSplit(const ExpenseShare &e, const Figures &want)
{
    const int n = int(want.share.size());
    QCOMPARE(e.flatCount(), n);
    const auto size = std::size_t(n);
    std::vector<float> share(size), discount(size), carried(size), total(size);
    e.fill(share.data(), discount.data(), carried.data(), total.data());
    for (int f = 0; f < n; ++f) {
        KV_COMPARE_FLOAT(e.Share(f), want.share[f]);
        KV_COMPARE_FLOAT(e.Discount(f), want.discount[f]);
        KV_COMPARE_FLOAT(e.Carried(f), want.carried[f]);
        KV_COMPARE_FLOAT(e.Total(f), want.total[f]);
        // The figures of all flats at once are the same, bit for bit.
        KV_COMPARE_FLOAT(share[std::size_t(f)], want.share[f]);
        KV_COMPARE_FLOAT(discount[std::size_t(f)], want.discount[f]);
        KV_COMPARE_FLOAT(carried[std::size_t(f)], want.carried[f]);
        KV_COMPARE_FLOAT(total[std::size_t(f)], want.total[f]);
    }
}

QString NothingLeftText(bool owners)
{
    const QString label = StoredLabel(QStringLiteral("ΚΟΙΝΗ ΧΡΗΣΗ"));
    if (owners)
        return QStringLiteral("Υπάρχει πρόβλημα με τα χιλιοστά ") + label
            + QStringLiteral(" και τις εκπτώσεις σε ιδιοκτήτες. \r\n"
                             "Για την ακρίβεια αν αφαιρεθούν οι ιδιοκτήτες με έκπτωση, οι υπόλοιποι ιδιοκτήτες "
                             "έχουν στο σύνολο μηδενικά χιλιοστά.\r\n"
                             "Διορθώστε τα χιλιοστά και/ή τις εκπτώσεις στους ιδιοκτήτες και επανέλθετε.");
    return QStringLiteral("Υπάρχει πρόβλημα με τα χιλιοστά ") + label
        + QStringLiteral(" και τις εκπτώσεις σε ιδιοκτήτες/ενοίκους. \r\n"
                         "Για την ακρίβεια αν αφαιρεθούν οι ένοικοι με έκπτωση, οι υπόλοιποι ένοικοι έχουν στο "
                         "σύνολο μηδενικά χιλιοστά.\r\n"
                         "Διορθώστε τα χιλιοστά και/ή τις εκπτώσεις στους ενοίκους και επανέλθετε.");
}

} // namespace

class TestExpenseSplit : public QObject
{
    Q_OBJECT
private slots:
    // Owners' 120 over 500 300 200, F2 with an owners' reduction of 50 %:
    // D = 18, U = 700, F1 carries 18 x 500 / 700 and bears 72.857139587...
    void workedExampleToTheLastBit()
    {
        PeriodBuilding b(3);
        b.perMille(1, 0, {500, 300, 200});
        b.ownerReduction(1, 0, {0, 50, 0});
        b.common(Day(2024, 2, 1), 1, 120, true);
        b.common(Day(2024, 2, 1), 1, 120, false); // the residents have no reduction
        IssueWorkspace w;
        RecordingMessageService messages;
        QVERIFY(Split(b.data, w, messages));
        QVERIFY(messages.shown.isEmpty());
        CompareSplit(w.OwnerExpenseShares[1][0], {{60, 36, 24}, {0, 18, 0},
                                                  {12.857142448425f, 0, 5.142857074738f},
                                                  {72.857139587402f, 18, 29.142856597900f}});
        QCOMPARE(double(w.OwnerExpenseShares[1][0].Total(0)), 72.857139587402344);
        CompareSplit(w.ResidentExpenseShares[1][0], {{60, 36, 24}, {0, 0, 0}, {0, 0, 0}, {60, 36, 24}});
    }

    void splitCases_data()
    {
        QTest::addColumn<QList<float>>("perMille");
        QTest::addColumn<QList<float>>("reduction");
        QTest::addColumn<float>("amount");
        QTest::addColumn<QList<float>>("share");
        QTest::addColumn<QList<float>>("discount");
        QTest::addColumn<QList<float>>("carried");
        QTest::addColumn<QList<float>>("total");
        using L = QList<float>;
        QTest::newRow("column of 900") << L{400, 300, 200} << L{0, 0, 0} << 90.0f
                                       << L{40, 30, 20} << L{0, 0, 0} << L{0, 0, 0} << L{40, 30, 20};
        QTest::newRow("100 % reduction") << L{500, 300, 200} << L{100, 0, 0} << 100.0f
                                         << L{50, 30, 20} << L{50, 0, 0} << L{0, 30, 20} << L{0, 60, 40};
        QTest::newRow("reduced flat without per-mille")
            << L{0, 600, 400} << L{50, 0, 0} << 100.0f << L{0, 60, 40} << L{0, 0, 0} << L{0, 0, 0} << L{0, 60, 40};
        QTest::newRow("reductions on all but one")
            << L{500, 300, 200} << L{20, 50, 0} << 100.0f << L{50, 30, 20} << L{10, 15, 0} << L{0, 0, 25}
            << L{40, 15, 45};
        QTest::newRow("all reduced, amount 0")
            << L{500, 300, 200} << L{10, 10, 10} << 0.0f << L{0, 0, 0} << L{0, 0, 0} << L{0, 0, 0} << L{0, 0, 0};
        QTest::newRow("one flat with 0.01 per-mille")
            << L{0, 0.01f, 0} << L{0, 0, 0} << 55.0f << L{0, 55, 0} << L{0, 0, 0} << L{0, 0, 0} << L{0, 55, 0};
        // 333.33 three times sums to 999.98999: shares of 33.333332, F1's 10 %
        // discount 3.3333333 carried as 1.6666666 each: 29.999998 and 35.
        QTest::newRow("32-bit rounding")
            << L{333.33f, 333.33f, 333.33f} << L{10, 0, 0} << 100.0f
            << L{33.333332061768f, 33.333332061768f, 33.333332061768f} << L{3.333333253860f, 0, 0}
            << L{0, 1.666666626930f, 1.666666626930f} << L{std::nextafter(30.0f, 0.0f), 35, 35};
        // 3 % of 100.5 taken as 3 x 100.5 / 100 = 3.0150001 (the balances'
        // 0.03f x 100.5 gives 3.0149999): F2 bears 62.109001.
        QTest::newRow("percent applied before dividing by 100")
            << L{500, 300, 200} << L{3, 0, 0} << 201.0f << L{100.5f, 60.299999237061f, 40.200000762939f}
            << L{3.015000104904f, 0, 0} << L{0, 1.809000015259f, 1.206000089645f}
            << L{97.485000610352f, 62.109001159668f, 41.406002044678f};
    }
    void splitCases()
    {
        QFETCH(QList<float>, perMille);
        QFETCH(QList<float>, reduction);
        QFETCH(float, amount);
        QFETCH(QList<float>, share);
        QFETCH(QList<float>, discount);
        QFETCH(QList<float>, carried);
        QFETCH(QList<float>, total);
        PeriodBuilding b(3);
        b.data.ShareColumns[1][0].PerMille.assign(perMille.begin(), perMille.end());
        b.data.ShareColumns[1][0].ResidentReduction.assign(reduction.begin(), reduction.end());
        b.common(Day(2024, 2, 1), 1, amount);
        IssueWorkspace w;
        RecordingMessageService messages;
        QVERIFY(Split(b.data, w, messages));
        CompareSplit(w.ResidentExpenseShares[1][0], {share, discount, carried, total});
    }

    // Every flat reduced and a non-zero amount: nothing is left to carry the
    // discounts. Each side has its own wording.
    void nothingLeftUnreducedStops_data()
    {
        QTest::addColumn<bool>("owners");
        QTest::newRow("owners") << true;
        QTest::newRow("residents") << false;
    }
    void nothingLeftUnreducedStops()
    {
        QFETCH(bool, owners);
        PeriodBuilding b(3);
        b.perMille(1, 0, {500, 300, 200});
        b.ownerReduction(1, 0, {10, 10, 10});
        b.residentReduction(1, 0, {10, 10, 10});
        b.common(Day(2024, 2, 1), 1, 100, owners);
        IssueWorkspace w;
        RecordingMessageService messages;
        QVERIFY(!Split(b.data, w, messages));
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.first().title, QStringLiteral("Πρόβλημα με τα χιλιοστά"));
        QCOMPARE(messages.shown.first().icon, MessageIcon::Critical);
        QCOMPARE(messages.shown.first().buttons, MessageButtons::Ok);
        QCOMPARE(messages.shown.first().text, NothingLeftText(owners));
        // The stopped expense keeps its shares and discounts, bears its share.
        CompareSplit(w.ExpenseShares(owners ? Side::Owner : Side::Resident)[1][0],
                     {{50, 30, 20}, {5, 3, 2}, {0, 0, 0}, {50, 30, 20}});
    }

    // Stop at the second owners' expense of category 2: categories 0 and 1
    // are split for both sides, the first owners' expense of category 2 too;
    // the residents' of category 2 and all of category 3 are left as zeros.
    void stopLeavesWhatWasSplitBeforeIt()
    {
        PeriodBuilding b(2);
        for (int c = 0; c < 4; ++c)
            b.perMille(c, 0, {600, 400});
        b.addColumn(2, NotSetDate);
        b.data.ShareColumns[2][0].EndDate = Day(2024, 1, 31); // the column after it is all zeros
        b.common(Day(2024, 2, 1), 3, 10, true);
        b.common(Day(2024, 2, 1), 2, 10, false);
        b.common(Day(2024, 1, 15), 2, 10, true);
        b.common(Day(2024, 2, 15), 2, 10, true); // stops: open column of zeros
        b.common(Day(2024, 2, 1), 1, 10, false);
        b.common(Day(2024, 2, 1), 0, 10, true);
        IssueWorkspace w;
        RecordingMessageService messages;
        QVERIFY(!Split(b.data, w, messages));
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.first().text,
                 QStringLiteral("Υπάρχει πρόβλημα με τα χιλιοστά ") + StoredLabel(QStringLiteral("ΘΕΡΜΑΝΣΗ"))
                     + QStringLiteral(".\r\nΜάλλον δεν έχετε ορίσει χιλιοστά γιατί όλα είναι μηδενικά.\r\n"
                                      "Διορθώστε τα χιλιοστά και επανέλθετε."));
        const Figures split{{6, 4}, {0, 0}, {0, 0}, {6, 4}};
        const Figures zeros{{0, 0}, {0, 0}, {0, 0}, {0, 0}};
        CompareSplit(w.OwnerExpenseShares[0][0], split);
        CompareSplit(w.ResidentExpenseShares[1][0], split);
        CompareSplit(w.OwnerExpenseShares[2][0], split);
        QCOMPARE(w.OwnerExpenseShares[2][0].Column, 0);
        QCOMPARE(w.OwnerExpenseShares[2][1].Column, 1); // the column that could not split it
        QCOMPARE(w.OwnerExpenseShares[2][1].Share(0), 0.0f);
        QCOMPARE(w.ResidentExpenseShares[2][0].stage(), ExpenseShare::Stage::NotSplit);
        QCOMPARE(w.ResidentExpenseShares[2][0].Total(1), 0.0f);
        QCOMPARE(w.OwnerExpenseShares[3][0].stage(), ExpenseShare::Stage::NotSplit);
        QCOMPARE(w.OwnerExpenseShares[3][0].Column, 0);
    }

    // A column of zeros stops even an expense of amount 0.
    void allZeroColumnStopsEvenForNothing()
    {
        PeriodBuilding b(2);
        b.common(Day(2024, 2, 1), 4, 0, true);
        IssueWorkspace w;
        RecordingMessageService messages;
        QVERIFY(!Split(b.data, w, messages));
        QCOMPARE(messages.shown.first().text,
                 QStringLiteral("Υπάρχει πρόβλημα με τα χιλιοστά ")
                     + StoredLabel(QStringLiteral("ΣΥΝΤΗΡΗΣΗ ΚΤΙΡΙΟΥ"))
                     + QStringLiteral(".\r\nΜάλλον δεν έχετε ορίσει χιλιοστά γιατί όλα είναι μηδενικά.\r\n"
                                      "Διορθώστε τα χιλιοστά και επανέλθετε."));
    }
};

KV_TEST_APPLESS_MAIN(TestExpenseSplit)

} // namespace test_expensesplit
#include "test_expensesplit.moc"
