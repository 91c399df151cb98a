#pragma once

#include "core/buildingdata.h"
#include "core/floatarithmetic.h"
#include "core/side.h"

#include <memory>
#include <vector>

namespace kelvarino {

class MessageService;
struct ShareTimeline;
struct IssueWorkspace;

// A per-mille column and one side's reductions as the statements split with
// them, with the sums that depend on the column alone taken once.
struct SplitColumn
{
    std::vector<float> PerMille;  // one per flat, 0 where the column is short
    std::vector<float> Reduction; // the side's percents, one per flat
    std::vector<int> ReducedFlats; // flats whose percent is above 0, in flat order
    float Total = 0;     // sum of the per-mille in flat order
    float Unreduced = 0; // sum of the per-mille of the flats without a reduction
    ProportionalRow Shares;  // the shares of an amount by per-mille
    ProportionalRow Carried; // the parts of the discounts the unreduced flats carry (when there are any)

    SplitColumn(const ShareColumn *column, Side side, int flatCount);
};

// One common expense of the statements split over the flats: per flat its
// share by per-mille, the reduction granted to it, its part of the other
// flats' reductions, and what it finally bears. The per-flat figures are
// worked out from the column and the expense when asked, each exactly as it
// would have been stored, so a statement of 32767 expenses over 300 flats
// does not hold four arrays per expense.
class ExpenseShare
{
public:
    // How far the split got: not split (all zeros), shares and discounts only
    // (stopped because the unreduced flats have no per-mille), or whole.
    enum class Stage { NotSplit, SharesOnly, Split };

    int Column = 0; // the column of the category that split the expense

    float Share(int flat) const;
    float Discount(int flat) const;
    float Carried(int flat) const;
    float Total(int flat) const;
    // The four figures of every flat at once; each array holds FlatCount values.
    void fill(float *share, float *discount, float *carried, float *total) const;
    // The shares of every flat at once.
    void fillShares(float *share) const;
    // Adds every flat's share to two running sums at once.
    void addShares(RowSums &first, RowSums &second) const;
    int flatCount() const { return basis_ ? int(basis_->PerMille.size()) : 0; }

    Stage stage() const { return stage_; }
    float discountSum() const { return discountSum_; }
    // Whether the discounts were carried over to the other flats.
    bool hasDiscounts() const { return stage_ == Stage::Split && discountSum_ != 0; }
    // Whether some flat has a reduction on the expense's side (else every
    // discount and carried part is 0).
    bool anyReduction() const { return stage_ != Stage::NotSplit && !basis_->ReducedFlats.empty(); }
    // The flats that may have a discount (a reduction above 0), in flat order;
    // every other flat's discount is 0.
    const std::vector<int> &reducedFlats() const;

    // Splits an expense of the given amount with the column; fails with a stop
    // when the column cannot split it, leaving what the split reached.
    enum class Outcome { Split, AllZero, NothingLeftUnreduced };
    Outcome split(int column, std::shared_ptr<const SplitColumn> basis, float amount);

private:
    std::shared_ptr<const SplitColumn> basis_;
    float amount_ = 0;
    float discountSum_ = 0;
    Stage stage_ = Stage::NotSplit;
};

// Splits every common expense listed in the workspace, per category the
// owners' before the residents', and fills its expense shares afresh. At the
// first column that cannot split an expense it shows the per-mille message
// and answers false, the expenses after it left unsplit.
[[nodiscard]] bool ShareCommonExpenses(const BuildingData &building, const ShareTimeline &timeline,
                                       IssueWorkspace &workspace, MessageService &messages);

} // namespace kelvarino
