// The balances and the issue workspace take shortcuts for speed (shares by a
// multiplication with an exact fallback, per-column sums taken once, sums
// copied where they add the same terms in the same order). Here a plain
// computation that follows the rules one flat and one expense at a time,
// with every formula written out, checks them bit for bit on random
// buildings, odd values included.

#include "core/issuecommands.h"
#include "core/floatarithmetic.h"
#include "platform/messageservice.h"

#include "support_periodbuilding.h"
#include "testprogram.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

using namespace kelvarino;

namespace test_chainagreement {

using namespace kelvarino::testing;

namespace {

// ---------------------------------------------------------------- the plain computation

struct PlainSplit
{
    int column = 0;
    std::vector<float> share, discount, carried, total;
    explicit PlainSplit(int flats)
        : share(std::size_t(flats)), discount(std::size_t(flats)), carried(std::size_t(flats)), total(std::size_t(flats))
    {
    }
};

struct PlainColumn
{
    std::vector<float> perMille, reduction;
};

PlainColumn ColumnValues(const BuildingData &b, int category, int column, bool owner)
{
    PlainColumn values;
    const ShareColumn *col = ColumnOrNull(b, category, column);
    for (int f = 0; f < b.FlatCount(); ++f) {
        values.perMille.push_back(col ? PerFlatValue(col->PerMille, f) : 0.0f);
        values.reduction.push_back(col ? PerFlatValue(owner ? col->OwnerReduction : col->ResidentReduction, f) : 0.0f);
    }
    return values;
}

// The balances' distribution, every formula evaluated as written.
bool PlainDistribute(const BuildingData &b, const ShareTimeline &timeline, double first, double last,
                     PeriodBalances &period)
{
    const int n = b.FlatCount();
    for (const ExpenseRecord &e : b.Expenses) {
        if (e.AllFlats == 0 || e.Date > last || e.Category < 0 || e.Category >= CategoryCount)
            continue;
        const bool owner = e.ChargedToOwner != 0;
        const PlainColumn col = ColumnValues(b, e.Category, timeline.ColumnAt(e.Category, e.Date), owner);
        const std::size_t flats = std::size_t(n);
        std::vector<float> share(flats), discount(flats), carried(flats), total(flats);
        float t = 0;
        for (float p : col.perMille)
            t = float(double(t) + double(p));
        if (t == 0)
            return false;
        bool anyReduction = false;
        for (int j = 0; j < n; ++j) {
            share[j] = float(double(col.perMille[j]) * double(e.Amount) / double(t));
            anyReduction = anyReduction || col.reduction[j] > 0;
        }
        if (!anyReduction) {
            total = share;
        } else {
            float h = 0, d = 0;
            for (int j = 0; j < n; ++j) {
                const float q = float(double(col.reduction[j]) / 100.0);
                if (q <= 0) {
                    h = float(double(h) + double(col.perMille[j]));
                } else {
                    discount[j] = float(double(q) * double(share[j]));
                    d = float(double(d) + double(discount[j]));
                }
            }
            if (h == 0)
                return false;
            for (int j = 0; j < n; ++j) {
                if (discount[j] == 0)
                    carried[j] = float(double(d) * double(col.perMille[j]) / double(h));
                total[j] = float((double(carried[j]) + double(share[j])) - double(discount[j]));
            }
        }
        for (int j = 0; j < n; ++j) {
            FlatBalance &fb = period.Balances[std::size_t(j)];
            float &sum = e.Date >= first ? (owner ? fb.OwnerShared : fb.ResidentShared)
                                         : (owner ? fb.OwnerPrevious : fb.ResidentPrevious);
            sum = float(double(sum) + double(total[j]));
        }
    }
    for (FlatBalance &fb : period.Balances)
        fb.Shared = float(double(fb.ResidentShared) + double(fb.OwnerShared));
    return true;
}

// The statements' split of one expense; false at a stop, what it reached kept.
bool PlainSplitExpense(const BuildingData &b, const ShareTimeline &timeline, int category, bool owner,
                       const ExpenseRecord &e, PlainSplit &s)
{
    const int n = b.FlatCount();
    s.column = timeline.ColumnAt(category, e.Date);
    const PlainColumn col = ColumnValues(b, category, s.column, owner);
    float t = 0;
    for (float p : col.perMille)
        t = float(double(t) + double(p));
    if (t == 0)
        return false;
    float d = 0, u = 0;
    for (int j = 0; j < n; ++j) {
        s.share[j] = float(double(col.perMille[j]) * double(e.Amount) / double(t));
        if (col.reduction[j] > 0) {
            s.discount[j] = float(double(col.reduction[j]) * double(s.share[j]) / 100.0);
            d = float(double(d) + double(s.discount[j]));
        } else {
            u = float(double(u) + double(col.perMille[j]));
        }
    }
    s.total = s.share;
    if (d == 0)
        return true;
    if (u == 0)
        return false;
    for (int j = 0; j < n; ++j) {
        if (s.discount[j] == 0)
            s.carried[j] = float(double(d) * double(col.perMille[j]) / double(u));
        s.total[j] = float(double(s.share[j]) + double(s.carried[j]) - double(s.discount[j]));
    }
    return true;
}

struct PlainStatements
{
    std::array<std::array<std::vector<PlainSplit>, CategoryCount>, 2> splits; // [owner][category]
    bool stopped = false;
    std::vector<FlatRow> rows;
    float residentTotal = 0, ownerTotal = 0, total = 0;
};

// The splits and the flat rows from the workspace's lists, one flat at a time.
PlainStatements PlainWorkspace(const BuildingData &b, const ShareTimeline &timeline, const IssueWorkspace &w)
{
    const int n = b.FlatCount();
    PlainStatements p;
    for (int c = 0; c < CategoryCount && !p.stopped; ++c) {
        for (bool owner : {true, false}) {
            const auto &list = (owner ? w.OwnerCommonList : w.ResidentCommonList)[std::size_t(c)];
            for (int e : list) {
                p.splits[owner][std::size_t(c)].emplace_back(n);
                if (!PlainSplitExpense(b, timeline, c, owner, b.Expenses[std::size_t(e)],
                                       p.splits[owner][std::size_t(c)].back())) {
                    p.stopped = true;
                    break;
                }
            }
            if (p.stopped)
                break;
        }
    }
    if (p.stopped)
        return p;

    const int slice = w.StatementSlice;
    p.rows.assign(std::size_t(n), FlatRow());
    auto add = [](float &sum, float term) { sum = float(double(sum) + double(term)); };
    for (int f = 0; f < n; ++f) {
        FlatRow &row = p.rows[std::size_t(f)];
        for (int c = 0; c < CategoryCount; ++c) {
            const auto &residents = p.splits[0][std::size_t(c)];
            const auto &owners = p.splits[1][std::size_t(c)];
            if (residents.empty() && owners.empty())
                continue;
            const ShareColumn *shown =
                ColumnOrNull(b, c, timeline.Slices[std::size_t(slice)].ColumnOf[std::size_t(c)]);
            row.PerMille[c] = shown ? PerFlatValue(shown->PerMille, f) : 0.0f;
            for (const PlainSplit &s : residents) {
                add(row.ResidentShare[c], s.share[f]);
                add(row.ResidentCarried[c], s.carried[f]);
                add(row.ResidentDiscount[c], s.discount[f]);
                add(row.ResidentCategoryTotal[c], s.total[f]);
            }
            for (const PlainSplit &s : owners) {
                add(row.OwnerShare[c], s.share[f]);
                add(row.OwnerCarried[c], s.carried[f]);
                add(row.OwnerDiscount[c], s.discount[f]);
                add(row.OwnerCategoryTotal[c], s.total[f]);
            }
        }
    }
    for (bool owner : {false, true}) {
        for (int e : owner ? w.OwnerChargeList : w.ResidentChargeList) {
            const ExpenseRecord &charge = b.Expenses[std::size_t(e)];
            FlatRow &row = p.rows[std::size_t(charge.Flat)];
            add(owner ? row.OwnerCharges : row.ResidentCharges, charge.Amount);
        }
    }
    for (int f = 0; f < n; ++f) {
        FlatRow &row = p.rows[std::size_t(f)];
        for (int c = 0; c < CategoryCount; ++c) {
            for (const PlainSplit &s : p.splits[0][std::size_t(c)]) {
                add(row.ResidentTotal, s.total[f]);
                row.ResidentFromClosed =
                    float(double(row.ResidentFromClosed) + double(s.carried[f]) - double(s.discount[f]));
            }
            for (const PlainSplit &s : p.splits[1][std::size_t(c)]) {
                add(row.OwnerTotal, s.total[f]);
                row.OwnerFromClosed = float(double(row.OwnerFromClosed) + double(s.carried[f]) - double(s.discount[f]));
            }
        }
        add(row.ResidentTotal, row.ResidentCharges);
        add(row.OwnerTotal, row.OwnerCharges);
        row.BothTotal = float(double(row.OwnerTotal) + double(row.ResidentTotal));
        add(p.total, row.BothTotal);
        add(p.residentTotal, row.ResidentTotal);
        add(p.ownerTotal, row.OwnerTotal);
    }
    return p;
}

// ---------------------------------------------------------------- comparison

// Equal bit for bit; any two values that are no numbers count as equal.
bool Same(float a, float b)
{
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b) || (std::isnan(a) && std::isnan(b));
}

// The message is built only when the values differ: formatting it for every
// one of the millions of comparisons made this test take minutes.
#define KV_SAME(actual, expected, where)                                                                           \
    do {                                                                                                           \
        if (!Same((actual), (expected)))                                                                           \
            QVERIFY2(false, qPrintable(QStringLiteral("%1 %2: %3, plainly %4")                                     \
                                           .arg(where, QStringLiteral(#actual))                                    \
                                           .arg(double(actual), 0, 'g', 12)                                        \
                                           .arg(double(expected), 0, 'g', 12)));                                   \
    } while (false)

void CompareBalances(const PeriodBalances &got, const PeriodBalances &want, const QString &where)
{
    QCOMPARE(got.Balances.size(), want.Balances.size());
    for (std::size_t j = 0; j < got.Balances.size(); ++j) {
        const FlatBalance &g = got.Balances[j];
        const FlatBalance &w = want.Balances[j];
        const auto at = [&] { return where + QStringLiteral(" flat %1").arg(j); };
        for (float FlatBalance::*field :
             {&FlatBalance::ResidentPrevious, &FlatBalance::OwnerPrevious, &FlatBalance::Previous,
              &FlatBalance::ResidentCharges, &FlatBalance::OwnerCharges, &FlatBalance::ResidentShared,
              &FlatBalance::OwnerShared, &FlatBalance::Shared, &FlatBalance::ResidentPaid, &FlatBalance::OwnerPaid,
              &FlatBalance::Paid, &FlatBalance::ResidentDue, &FlatBalance::OwnerDue, &FlatBalance::Due})
            KV_SAME(g.*field, w.*field, at());
    }
    for (float PeriodBalances::*field :
         {&PeriodBalances::TotalResidentPrevious, &PeriodBalances::TotalOwnerPrevious, &PeriodBalances::TotalPrevious,
          &PeriodBalances::TotalResidentShared, &PeriodBalances::TotalOwnerShared, &PeriodBalances::TotalShared,
          &PeriodBalances::TotalDue, &PeriodBalances::CashAtStart, &PeriodBalances::CashAtEnd})
        KV_SAME(got.*field, want.*field, where);
}

void CompareSplits(const IssueWorkspace &got, const PlainStatements &want, const QString &where)
{
    for (int owner = 0; owner < 2; ++owner) {
        for (int c = 0; c < CategoryCount; ++c) {
            const auto &shares = (owner ? got.OwnerExpenseShares : got.ResidentExpenseShares)[std::size_t(c)];
            const auto &plain = want.splits[std::size_t(owner)][std::size_t(c)];
            // Entries the plain computation did not reach stay unsplit.
            for (std::size_t k = 0; k < shares.size(); ++k) {
                const ExpenseShare &e = shares[k];
                const int n = e.flatCount();
                const std::size_t flats = std::size_t(n);
                std::vector<float> share(flats), discount(flats), carried(flats), total(flats);
                e.fill(share.data(), discount.data(), carried.data(), total.data());
                for (int f = 0; f < n; ++f) {
                    const auto at = [&] {
                        return where + QStringLiteral(" side %1 category %2 expense %3 flat %4")
                                           .arg(owner).arg(c).arg(k).arg(f);
                    };
                    const bool reached = k < plain.size();
                    const float wantShare = reached ? plain[k].share[f] : 0.0f;
                    const float wantDiscount = reached ? plain[k].discount[f] : 0.0f;
                    const float wantCarried = reached ? plain[k].carried[f] : 0.0f;
                    const float wantTotal = reached ? plain[k].total[f] : 0.0f;
                    KV_SAME(e.Share(f), wantShare, at());
                    KV_SAME(e.Discount(f), wantDiscount, at());
                    KV_SAME(e.Carried(f), wantCarried, at());
                    KV_SAME(e.Total(f), wantTotal, at());
                    KV_SAME(share[std::size_t(f)], wantShare, at());
                    KV_SAME(discount[std::size_t(f)], wantDiscount, at());
                    KV_SAME(carried[std::size_t(f)], wantCarried, at());
                    KV_SAME(total[std::size_t(f)], wantTotal, at());
                }
            }
        }
    }
}

void CompareRows(const IssueWorkspace &got, const PlainStatements &want, const QString &where)
{
    QCOMPARE(got.FlatRows.size(), want.rows.size());
    for (std::size_t f = 0; f < got.FlatRows.size(); ++f) {
        const FlatRow &g = got.FlatRows[f];
        const FlatRow &w = want.rows[f];
        const auto at = [&] { return where + QStringLiteral(" flat %1").arg(f); };
        for (float FlatRow::*field : {&FlatRow::ResidentTotal, &FlatRow::ResidentFromClosed, &FlatRow::OwnerTotal,
                                      &FlatRow::OwnerFromClosed, &FlatRow::BothTotal, &FlatRow::ResidentCharges,
                                      &FlatRow::OwnerCharges})
            KV_SAME(g.*field, w.*field, at());
        for (CategoryFigures FlatRow::*figures :
             {&FlatRow::PerMille, &FlatRow::ResidentShare, &FlatRow::OwnerShare, &FlatRow::ResidentCarried,
              &FlatRow::OwnerCarried, &FlatRow::ResidentDiscount, &FlatRow::OwnerDiscount,
              &FlatRow::ResidentCategoryTotal, &FlatRow::OwnerCategoryTotal}) {
            for (int c = 0; c < CategoryCount; ++c)
                KV_SAME((g.*figures)[std::size_t(c)], (w.*figures)[std::size_t(c)], at() + QStringLiteral(" c%1").arg(c));
        }
    }
    KV_SAME(got.StatementTotal, want.total, where);
    KV_SAME(got.StatementResidentTotal, want.residentTotal, where);
    KV_SAME(got.StatementOwnerTotal, want.ownerTotal, where);
}

// ---------------------------------------------------------------- random buildings

class RandomBuilding
{
public:
    explicit RandomBuilding(unsigned seed) : random_(seed) {}

    BuildingData make()
    {
        static const int flatCounts[] = {1, 2, 3, 7, 16, 33, 300};
        const int flats = flatCounts[pick(std::size(flatCounts))];
        PeriodBuilding b(flats);
        const double start = Day(2023, 1, 1);
        for (int c = 0; c < CategoryCount; ++c) {
            auto &columns = b.data.ShareColumns[std::size_t(c)];
            columns.clear();
            const int count = 1 + pick(4);
            std::vector<double> ends;
            for (int k = 0; k + 1 < count; ++k)
                ends.push_back(start + pick(730));
            std::sort(ends.begin(), ends.end());
            if (chance(10) && ends.size() > 1)
                std::swap(ends.front(), ends.back()); // a file saved with the columns out of order
            ends.push_back(NotSetDate);
            for (double end : ends)
                columns.push_back(column(flats, end));
        }
        const int expenses = 1 + pick(chance(4) ? 400 : 60);
        for (int e = 0; e < expenses; ++e) {
            const double date = start + pick(730);
            if (chance(5))
                b.charge(date, pick(flats), amount(), chance(2));
            else
                b.common(date, pick(CategoryCount), amount(), chance(3));
        }
        for (int p = pick(20); p > 0; --p)
            b.payment(start + pick(730), pick(flats), amount(), amount());
        for (int i = 0; i < 4; ++i) {
            const double from = chance(8) ? start : start + pick(700);
            const double to = chance(8) ? start + 729 : from + pick(120);
            b.issue(from, to, to + 5);
        }
        return std::move(b.data);
    }

private:
    int pick(std::size_t limit) { return int(random_() % limit); }
    bool chance(int oneIn) { return pick(std::size_t(oneIn)) == 0; }

    float amount()
    {
        switch (pick(40)) {
        case 0: return 0.0f;
        case 1: return -float(pick(100000)) / 100.0f;
        case 2: return std::ldexp(1.0f + float(pick(1000)) / 1000.0f, -100 - pick(40)); // shares below the normal floats
        case 3: return std::ldexp(1.0f + float(pick(1000)) / 1000.0f, 100 + pick(27)); // near the largest float
        case 4: return chance(2) ? std::numeric_limits<float>::infinity() : std::numeric_limits<float>::quiet_NaN();
        default: return float(1 + pick(1000000)) / 100.0f;
        }
    }

    float perMille()
    {
        switch (pick(30)) {
        case 0: return 0.0f;
        case 1: return std::ldexp(1.0f, -130 - pick(15)); // below the normal floats
        case 2: return -float(pick(10000)) / 100.0f;
        case 3: return 333.33f;
        default: return float(pick(70000)) / 100.0f;
        }
    }

    float reduction()
    {
        static const float percents[] = {100.0f, 50.0f, 20.0f, 33.33f, 0.01f, 1e-44f, -10.0f, 0.0f};
        return percents[pick(std::size(percents))];
    }

    ShareColumn column(int flats, double end)
    {
        ShareColumn col = ShareColumn::zeros(flats, end);
        const bool allZero = chance(40);
        for (int f = 0; f < flats; ++f)
            col.PerMille[std::size_t(f)] = allZero ? 0.0f : perMille();
        for (std::vector<float> *reductions : {&col.ResidentReduction, &col.OwnerReduction}) {
            if (chance(2))
                continue;
            const bool everyFlat = chance(15);
            for (int f = 0; f < flats; ++f) {
                if (everyFlat || chance(5))
                    (*reductions)[std::size_t(f)] = everyFlat ? 50.0f : reduction();
            }
        }
        if (chance(30))
            col.PerMille.resize(std::size_t(pick(std::size_t(flats)))); // a short column reads as zeros
        return col;
    }

    std::mt19937 random_;
};

} // namespace

// The workspace of a command that built it, against the plain one; counts how it ended.
void CompareWorkspace(const BuildingData &b, const IssueRecord &period, CommandOutcome outcome,
                      const IssueWorkspace &got, const QString &where, int &stopped, int &completed)
{
    const ShareTimeline timeline = BuildShareTimeline(b);
    IssueWorkspace lists;
    RecordingMessageService quiet;
    if (!CollectPeriodExpenses(b, period, lists, quiet))
        return;
    LatestListedSlice(b, timeline, lists);
    const PlainStatements statements = PlainWorkspace(b, timeline, lists);
    QCOMPARE(outcome == CommandOutcome::Stopped, statements.stopped);
    CompareSplits(got, statements, where);
    if (statements.stopped) {
        ++stopped;
        return;
    }
    CompareRows(got, statements, where);
    ++completed;
}

class TestChainAgreement : public QObject
{
    Q_OBJECT
private slots:
    void statementsAgreeWithThePlainComputation()
    {
        int stoppedByBalances = 0, balanced = 0, stoppedBySplit = 0, completed = 0;
        for (unsigned seed = 1; seed <= 80; ++seed) {
            const BuildingData b = RandomBuilding(seed).make();
            for (int issue = 0; issue < b.IssueCount(); ++issue) {
                const QString where = QStringLiteral("seed %1 issue %2").arg(seed).arg(issue);
                const IssueRecord &period = b.Issues[std::size_t(issue)];

                RecordingMessageService messages;
                PeriodResults r;
                const CommandOutcome outcome = PrepareNotifications(b, issue, messages, r);
                PeriodBalances plain;
                ResetBalances(b, plain);
                ApplyIndividualCharges(b, period.PeriodFrom, period.PeriodTo, plain);
                ApplyPayments(b, period.PeriodFrom, period.PeriodTo, plain);
                if (PlainDistribute(b, BuildShareTimeline(b), period.PeriodFrom, period.PeriodTo, plain)) {
                    ++balanced;
                    CompleteBalances(b, plain);
                    CompareBalances(r.Period, plain, where);
                    CompareWorkspace(b, period, outcome, r.Workspace, where, stoppedBySplit, completed);
                } else {
                    // The expenses before the failing one stay added, every Shared 0.
                    QCOMPARE(outcome, CommandOutcome::Stopped);
                    CompareBalances(r.Period, plain, where);
                    ++stoppedByBalances;
                }

                PeriodResults collective;
                const CommandOutcome collectiveOutcome = PrepareCollectiveStatement(b, issue, messages, collective);
                CompareWorkspace(b, period, collectiveOutcome, collective.Workspace, where, stoppedBySplit, completed);
            }
        }
        // The random buildings reach every ending.
        QVERIFY(stoppedByBalances > 0);
        QVERIFY(balanced > 100);
        QVERIFY(stoppedBySplit > 0);
        QVERIFY(completed > 100);
    }
};

KV_TEST_APPLESS_MAIN(TestChainAgreement)

} // namespace test_chainagreement
#include "test_chainagreement.moc"
