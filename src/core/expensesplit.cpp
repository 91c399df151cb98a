#include "core/expensesplit.h"

#include "core/floatarithmetic.h"
#include "core/issueworkspace.h"
#include "core/permillemessages.h"
#include "core/sharetimeline.h"
#include "platform/messageservice.h"

#include <algorithm>

namespace kelvarino {

SplitColumn::SplitColumn(const ShareColumn *column, Side side, int flatCount)
{
    PerMille.resize(std::size_t(flatCount));
    Reduction.resize(std::size_t(flatCount));
    for (int j = 0; j < flatCount; ++j) {
        const float p = column ? PerFlatValue(column->PerMille, j) : 0.0f;
        const float r = column ? PerFlatValue(Reductions(*column, side), j) : 0.0f;
        PerMille[std::size_t(j)] = p;
        Reduction[std::size_t(j)] = r;
        Accumulate(Total, p);
        if (r > 0)
            ReducedFlats.push_back(j);
        else
            Accumulate(Unreduced, p);
    }
    Shares = ProportionalRow(PerMille.data(), PerMille.size(), Total);
    if (!ReducedFlats.empty() && Unreduced != 0)
        Carried = ProportionalRow(PerMille.data(), PerMille.size(), Unreduced);
}

namespace {

// The figures of one flat, each evaluated in double on its stored operands and
// rounded once, in the order the statements compute them.
inline float ShareOf(float perMille, double amount, double columnTotal)
{
    return Stored(double(perMille) * amount / columnTotal);
}
inline float DiscountOf(float percent, float share)
{
    return percent > 0 ? Stored(double(percent) * double(share) / 100.0) : 0.0f;
}
inline float CarriedOf(float discount, double discountSum, float perMille, double unreduced)
{
    return discount == 0 ? Stored(discountSum * double(perMille) / unreduced) : 0.0f;
}
inline float TotalOf(float share, float carried, float discount)
{
    return Stored(double(share) + double(carried) - double(discount));
}

} // namespace

ExpenseShare::Outcome ExpenseShare::split(int column, std::shared_ptr<const SplitColumn> basis, float amount)
{
    Column = column;
    basis_ = std::move(basis);
    amount_ = amount;
    discountSum_ = 0;
    stage_ = Stage::NotSplit;
    if (basis_->Total == 0)
        return Outcome::AllZero;
    stage_ = Stage::SharesOnly;
    for (int j : basis_->ReducedFlats)
        Accumulate(discountSum_, Discount(j));
    if (discountSum_ != 0 && basis_->Unreduced == 0)
        return Outcome::NothingLeftUnreduced;
    stage_ = Stage::Split;
    return Outcome::Split;
}

float ExpenseShare::Share(int flat) const
{
    if (stage_ == Stage::NotSplit || flat < 0 || flat >= flatCount())
        return 0;
    return ShareOf(basis_->PerMille[std::size_t(flat)], amount_, basis_->Total);
}

float ExpenseShare::Discount(int flat) const
{
    if (stage_ == Stage::NotSplit || flat < 0 || flat >= flatCount())
        return 0;
    return DiscountOf(basis_->Reduction[std::size_t(flat)], Share(flat));
}

float ExpenseShare::Carried(int flat) const
{
    if (!hasDiscounts() || flat < 0 || flat >= flatCount())
        return 0;
    return CarriedOf(Discount(flat), discountSum_, basis_->PerMille[std::size_t(flat)], basis_->Unreduced);
}

float ExpenseShare::Total(int flat) const
{
    if (!hasDiscounts())
        return Share(flat);
    return TotalOf(Share(flat), Carried(flat), Discount(flat));
}

const std::vector<int> &ExpenseShare::reducedFlats() const
{
    static const std::vector<int> none;
    return stage_ == Stage::NotSplit ? none : basis_->ReducedFlats;
}

void ExpenseShare::fillShares(float *share) const
{
    const int n = flatCount();
    if (stage_ == Stage::NotSplit)
        std::fill(share, share + n, 0.0f);
    else
        basis_->Shares.parts(amount_, share);
}

void ExpenseShare::addShares(RowSums &first, RowSums &second) const
{
    if (stage_ != Stage::NotSplit) // else every share is 0, which changes no sum
        RowSums::AddPartsToBoth(basis_->Shares, amount_, first, second);
}

void ExpenseShare::fill(float *share, float *discount, float *carried, float *total) const
{
    const int n = flatCount();
    if (stage_ == Stage::NotSplit) {
        std::fill(share, share + n, 0.0f);
        std::fill(discount, discount + n, 0.0f);
        std::fill(carried, carried + n, 0.0f);
        std::fill(total, total + n, 0.0f);
        return;
    }
    const std::size_t count = std::size_t(n);
    fillShares(share);
    std::fill(discount, discount + n, 0.0f);
    for (int j : basis_->ReducedFlats)
        discount[j] = DiscountOf(basis_->Reduction[std::size_t(j)], share[j]);
    if (!hasDiscounts()) {
        std::fill(carried, carried + n, 0.0f);
        std::copy(share, share + n, total);
        return;
    }
    // The flats without a discount carry the discounts by their per-mille.
    basis_->Carried.parts(discountSum_, carried);
    for (int j : basis_->ReducedFlats) {
        if (!(discount[j] == 0))
            carried[j] = 0;
    }
    // Only the reduced flats have a discount to take off.
    AddEach(share, carried, count, total);
    for (int j : basis_->ReducedFlats)
        total[j] = TotalOf(share[j], carried[j], discount[j]);
}

namespace {

// The split columns met so far, per side, category and column index.
class SplitColumnCache
{
public:
    explicit SplitColumnCache(const BuildingData &building) : building_(building) {}

    std::shared_ptr<const SplitColumn> get(int category, int column, Side side)
    {
        auto &entries = cache_[side == Side::Owner ? 1 : 0][std::size_t(category)];
        const std::size_t slot = std::size_t(column + 1); // column -1: the category has none
        if (entries.size() <= slot)
            entries.resize(slot + 1);
        if (!entries[slot])
            entries[slot] = std::make_shared<const SplitColumn>(ColumnOrNull(building_, category, column), side,
                                                              building_.FlatCount());
        return entries[slot];
    }

private:
    const BuildingData &building_;
    std::array<std::array<std::vector<std::shared_ptr<const SplitColumn>>, CategoryCount>, 2> cache_;
};

} // namespace

bool ShareCommonExpenses(const BuildingData &building, const ShareTimeline &timeline, IssueWorkspace &workspace,
                         MessageService &messages)
{
    for (Side side : {Side::Owner, Side::Resident}) {
        for (int c = 0; c < CategoryCount; ++c)
            workspace.ExpenseShares(side)[std::size_t(c)].assign(std::size_t(workspace.CommonCount(side, c)),
                                                                  ExpenseShare());
    }

    SplitColumnCache columns(building);
    SliceCursor slices(timeline);
    for (int c = 0; c < CategoryCount; ++c) {
        const QString label = building.CategoryLabels[std::size_t(c)].text();
        for (Side side : {Side::Owner, Side::Resident}) {
            const std::vector<int> &list = workspace.CommonList(side)[std::size_t(c)];
            std::vector<ExpenseShare> &shares = workspace.ExpenseShares(side)[std::size_t(c)];
            for (std::size_t k = 0; k < list.size(); ++k) {
                const ExpenseRecord *expense = ListedExpense(building, list[k]);
                if (!expense)
                    continue;
                const int column = slices.columnAt(c, expense->Date);
                switch (shares[k].split(column, columns.get(c, column, side), expense->Amount)) {
                case ExpenseShare::Outcome::Split:
                    break;
                case ExpenseShare::Outcome::AllZero:
                    messages.error(PerMilleMessages::title(), PerMilleMessages::allZero(label));
                    return false;
                case ExpenseShare::Outcome::NothingLeftUnreduced:
                    messages.error(PerMilleMessages::title(),
                                   side == Side::Owner ? PerMilleMessages::nothingLeftForOwners(label)
                                                       : PerMilleMessages::nothingLeftForResidents(label));
                    return false;
                }
            }
        }
    }
    return true;
}

} // namespace kelvarino
