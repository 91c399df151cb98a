#include "core/periodbalances.h"

#include "core/floatarithmetic.h"
#include "core/permillemessages.h"
#include "core/sharetimeline.h"
#include "platform/messageservice.h"

#include <optional>

namespace kelvarino {

namespace {

FlatBalance *BalanceOf(PeriodBalances &period, int flat)
{
    if (flat < 0 || std::size_t(flat) >= period.Balances.size())
        return nullptr;
    return &period.Balances[std::size_t(flat)];
}

void Subtract(float &value, float amount)
{
    value = Stored(double(value) - double(amount));
}

// A per-mille column as the balances split with it on one side, with the sums
// that depend on the column alone taken once.
struct BalanceColumn
{
    std::vector<float> perMille;      // one per flat, 0 where the column is short
    std::vector<float> fraction;      // the side's reduction percent / 100, as stored
    std::vector<int> reducedFlats;    // flats with a fraction above 0, in flat order
    float total = 0;                  // sum of the per-mille
    float unreducedPerMille = 0;      // sum of the per-mille of the flats with no fraction above 0
    bool anyReduction = false;        // some flat has a reduction percent above 0
    ProportionalRow shares;           // the shares of an amount by per-mille
    ProportionalRow carried;          // the parts of the discounts the flats carry (when any flat is unreduced)

    BalanceColumn(const ShareColumn *column, bool ownerSide, int flatCount)
    {
        perMille.resize(std::size_t(flatCount));
        fraction.resize(std::size_t(flatCount));
        for (int j = 0; j < flatCount; ++j) {
            const float p = column ? PerFlatValue(column->PerMille, j) : 0.0f;
            const float r = column ? PerFlatValue(ownerSide ? column->OwnerReduction : column->ResidentReduction, j)
                                   : 0.0f;
            const float q = Stored(double(r) / 100.0);
            perMille[std::size_t(j)] = p;
            fraction[std::size_t(j)] = q;
            Accumulate(total, p);
            if (r > 0)
                anyReduction = true;
            if (q <= 0)
                Accumulate(unreducedPerMille, p);
            else
                reducedFlats.push_back(j);
        }
        shares = ProportionalRow(perMille.data(), perMille.size(), total);
        if (anyReduction && unreducedPerMille != 0)
            carried = ProportionalRow(perMille.data(), perMille.size(), unreducedPerMille);
    }
};

// The columns met so far, per side, category and column index.
class BalanceColumnCache
{
public:
    BalanceColumnCache(const BuildingData &building, int flatCount) : building_(building), flatCount_(flatCount) {}

    const BalanceColumn &get(int category, int column, bool ownerSide)
    {
        auto &entries = cache_[ownerSide ? 1 : 0][std::size_t(category)];
        const std::size_t slot = std::size_t(column + 1); // column -1: no column at all
        if (entries.size() <= slot)
            entries.resize(slot + 1);
        if (!entries[slot])
            entries[slot].emplace(ColumnOrNull(building_, category, column), ownerSide, flatCount_);
        return *entries[slot];
    }

private:
    const BuildingData &building_;
    int flatCount_;
    std::array<std::array<std::vector<std::optional<BalanceColumn>>, CategoryCount>, 2> cache_;
};

// The four balance fields the distribution adds into, one row of sums each
// while it runs, so that every expense adds along contiguous memory.
struct SharedAccumulators
{
    RowSums residentShared, ownerShared, residentPrevious, ownerPrevious;

    explicit SharedAccumulators(const PeriodBalances &period)
        : residentShared(Field(period, &FlatBalance::ResidentShared)),
          ownerShared(Field(period, &FlatBalance::OwnerShared)),
          residentPrevious(Field(period, &FlatBalance::ResidentPrevious)),
          ownerPrevious(Field(period, &FlatBalance::OwnerPrevious))
    {
    }
    RowSums &target(bool ownerSide, bool inPeriod)
    {
        if (inPeriod)
            return ownerSide ? ownerShared : residentShared;
        return ownerSide ? ownerPrevious : residentPrevious;
    }
    void writeBack(PeriodBalances &period) const
    {
        for (std::size_t j = 0; j < period.Balances.size(); ++j) {
            FlatBalance &b = period.Balances[j];
            b.ResidentShared = residentShared.values()[j];
            b.OwnerShared = ownerShared.values()[j];
            b.ResidentPrevious = residentPrevious.values()[j];
            b.OwnerPrevious = ownerPrevious.values()[j];
        }
    }

private:
    static std::vector<float> Field(const PeriodBalances &period, float FlatBalance::*field)
    {
        std::vector<float> values;
        for (const FlatBalance &b : period.Balances)
            values.push_back(b.*field);
        return values;
    }
};

// Adds to each flat's sum what it bears of one common expense, as the
// balances split it: the share by per-mille; where the column grants
// reductions on the expense's side, the share less the discount (the percent
// taken as a float fraction first) or plus the flat's part of the discounts.
class BalanceSplitter
{
public:
    enum class Outcome { Split, AllZero, NothingLeftUnreduced };

    explicit BalanceSplitter(int flatCount)
        : n_(std::size_t(flatCount)), share_(n_), discount_(n_), carried_(n_), total_(n_)
    {
    }

    // Adds nothing when the column cannot split the expense.
    Outcome split(const BalanceColumn &column, float amount, RowSums &sums)
    {
        if (column.total == 0)
            return Outcome::AllZero;
        if (!column.anyReduction) {
            sums.addParts(column.shares, amount);
            return Outcome::Split;
        }
        column.shares.parts(amount, share_.data());

        float discounts = 0;
        for (int j : column.reducedFlats) {
            const std::size_t f = std::size_t(j);
            discount_[f] = Stored(double(column.fraction[f]) * double(share_[f]));
            Accumulate(discounts, discount_[f]);
        }
        if (column.unreducedPerMille == 0) {
            ClearDiscounts(column);
            return Outcome::NothingLeftUnreduced;
        }
        // The flats without a discount carry the discounts by their per-mille.
        column.carried.parts(discounts, carried_.data());
        for (int j : column.reducedFlats) {
            if (!(discount_[std::size_t(j)] == 0))
                carried_[std::size_t(j)] = 0;
        }
        // Only the reduced flats have a discount to take off.
        AddEach(carried_.data(), share_.data(), n_, total_.data());
        for (int j : column.reducedFlats) {
            const std::size_t f = std::size_t(j);
            total_[f] = Stored((double(carried_[f]) + double(share_[f])) - double(discount_[f]));
        }
        ClearDiscounts(column);
        sums.add(total_.data());
        return Outcome::Split;
    }

private:
    // Only the reduced flats ever get a discount; the others stay 0.
    void ClearDiscounts(const BalanceColumn &column)
    {
        for (int j : column.reducedFlats)
            discount_[std::size_t(j)] = 0;
    }

    std::size_t n_;
    std::vector<float> share_, discount_, carried_, total_;
};

} // namespace

void ResetBalances(const BuildingData &building, PeriodBalances &period)
{
    const float reservesTotal = period.ReservesTotal;
    const float startWithUnpaid = period.CashStartWithUnpaid;
    const float endWithUnpaid = period.CashEndWithUnpaid;
    period = PeriodBalances();
    period.Balances.assign(std::size_t(building.FlatCount()), FlatBalance());
    period.ReservesTotal = reservesTotal;
    period.CashStartWithUnpaid = startWithUnpaid;
    period.CashEndWithUnpaid = endWithUnpaid;
}

void ApplyIndividualCharges(const BuildingData &building, double first, double last, PeriodBalances &period)
{
    for (const ExpenseRecord &expense : building.Expenses) {
        if (expense.AllFlats != 0 || expense.Date > last)
            continue;
        FlatBalance *b = BalanceOf(period, expense.Flat);
        if (!b)
            continue;
        const bool owner = expense.ChargedToOwner != 0;
        if (expense.Date < first)
            Accumulate(owner ? b->OwnerPrevious : b->ResidentPrevious, expense.Amount);
        else
            Accumulate(owner ? b->OwnerCharges : b->ResidentCharges, expense.Amount);
    }
}

void ApplyPayments(const BuildingData &building, double first, double last, PeriodBalances &period)
{
    for (const PaymentRecord &payment : building.Payments) {
        FlatBalance *b = BalanceOf(period, payment.Flat);
        if (!b || payment.Date > last)
            continue;
        if (payment.Date < first) {
            Subtract(b->OwnerPrevious, payment.OwnerAmount);
            Subtract(b->ResidentPrevious, payment.ResidentAmount);
        } else {
            Accumulate(b->OwnerPaid, payment.OwnerAmount);
            Accumulate(b->ResidentPaid, payment.ResidentAmount);
        }
    }
    for (FlatBalance &b : period.Balances)
        b.Paid = Stored(double(b.ResidentPaid) + double(b.OwnerPaid));
}

bool DistributeCommonExpenses(const BuildingData &building, const ShareTimeline &timeline, double first,
                              double last, PeriodBalances &period, MessageService &messages)
{
    const int flatCount = int(period.Balances.size());
    BalanceColumnCache columns(building, flatCount);
    BalanceSplitter splitter(flatCount);
    SharedAccumulators sums(period);
    SliceCursor slices(timeline);

    for (const ExpenseRecord &expense : building.Expenses) {
        if (expense.AllFlats == 0 || expense.Date > last)
            continue;
        const int c = expense.Category;
        if (c < 0 || c >= CategoryCount)
            continue; // the reader refuses such an expense
        const bool ownerSide = expense.ChargedToOwner != 0;
        const BalanceColumn &column = columns.get(c, slices.columnAt(c, expense.Date), ownerSide);
        const BalanceSplitter::Outcome outcome =
            splitter.split(column, expense.Amount, sums.target(ownerSide, expense.Date >= first));
        if (outcome != BalanceSplitter::Outcome::Split) {
            sums.writeBack(period);
            const QString label = building.CategoryLabels[std::size_t(c)].text();
            messages.error(PerMilleMessages::title(), outcome == BalanceSplitter::Outcome::AllZero
                                                          ? PerMilleMessages::allZero(label)
                                                          : PerMilleMessages::nothingLeftForBalances(label));
            return false;
        }
    }

    sums.writeBack(period);
    for (FlatBalance &b : period.Balances)
        b.Shared = Stored(double(b.ResidentShared) + double(b.OwnerShared));
    return true;
}

void CompleteBalances(const BuildingData &building, PeriodBalances &period)
{
    for (const FlatBalance &b : period.Balances) {
        Accumulate(period.TotalResidentCharges, b.ResidentCharges);
        Accumulate(period.TotalOwnerCharges, b.OwnerCharges);
        Accumulate(period.TotalResidentShared, b.ResidentShared);
        Accumulate(period.TotalOwnerShared, b.OwnerShared);
        Accumulate(period.TotalResidentPaid, b.ResidentPaid);
        Accumulate(period.TotalOwnerPaid, b.OwnerPaid);
    }
    period.TotalShared = Stored(double(period.TotalOwnerShared) + double(period.TotalResidentShared));
    period.TotalPaid = Stored(double(period.TotalOwnerPaid) + double(period.TotalResidentPaid));

    for (std::size_t j = 0; j < period.Balances.size(); ++j) {
        FlatBalance &b = period.Balances[j];
        const FlatRecord *flat = j < building.Flats.size() ? &building.Flats[j] : nullptr;
        Accumulate(b.ResidentPrevious, flat ? flat->ResidentInitialDebt : 0.0f);
        Accumulate(b.OwnerPrevious, flat ? flat->OwnerInitialDebt : 0.0f);
        b.Previous = Stored(double(b.OwnerPrevious) + double(b.ResidentPrevious));
        b.ResidentDue = Stored(((double(b.ResidentCharges) + double(b.ResidentPrevious)) + double(b.ResidentShared))
                               - double(b.ResidentPaid));
        b.OwnerDue = Stored(((double(b.OwnerCharges) + double(b.OwnerPrevious)) + double(b.OwnerShared))
                            - double(b.OwnerPaid));
        b.Due = Stored(double(b.OwnerDue) + double(b.ResidentDue));
    }

    for (const FlatBalance &b : period.Balances) {
        Accumulate(period.TotalResidentPrevious, b.ResidentPrevious);
        Accumulate(period.TotalOwnerPrevious, b.OwnerPrevious);
        Accumulate(period.TotalResidentDue, b.ResidentDue);
        Accumulate(period.TotalOwnerDue, b.OwnerDue);
    }
    period.TotalPrevious = Stored(double(period.TotalOwnerPrevious) + double(period.TotalResidentPrevious));
    period.TotalDue = Stored(double(period.TotalOwnerDue) + double(period.TotalResidentDue));

    period.ReservesTotal = 0;
    for (float reserve : building.Reserves)
        Accumulate(period.ReservesTotal, reserve);

    float initialDebts = 0;
    for (const FlatRecord &flat : building.Flats)
        initialDebts = Stored((double(initialDebts) + double(flat.OwnerInitialDebt)) + double(flat.ResidentInitialDebt));

    period.CashAtStart = Stored((double(building.PreviousPeriodCharges) + double(building.InitialCash))
                                - (double(period.TotalPrevious) - double(initialDebts)));
    period.CashAtEnd = Stored((double(period.CashAtStart) + double(period.TotalPaid))
                              - ((double(period.TotalShared) + double(period.TotalResidentCharges))
                                 + double(period.TotalOwnerCharges)));
}

void SumUnpaidExpenses(const BuildingData &building, double first, double last, PeriodBalances &period)
{
    float before = 0;
    float inPeriod = 0;
    for (const ExpenseRecord &expense : building.Expenses) {
        if (expense.NotPaidYet == 0 || expense.Date > last)
            continue;
        Accumulate(expense.Date < first ? before : inPeriod, expense.Amount);
    }
    period.CashStartWithUnpaid = Stored(double(period.CashAtStart) + double(before));
    period.CashEndWithUnpaid = Stored((double(period.CashAtEnd) + double(before)) + double(inPeriod));
}

bool ComputeBalancesUpToDistribution(const BuildingData &building, const ShareTimeline &timeline, double first,
                                     double last, PeriodBalances &period, MessageService &messages)
{
    ResetBalances(building, period);
    ApplyIndividualCharges(building, first, last, period);
    ApplyPayments(building, first, last, period);
    return DistributeCommonExpenses(building, timeline, first, last, period, messages);
}

} // namespace kelvarino
