#pragma once

#include "core/buildingdata.h"
#include "core/expensesplit.h"
#include "core/side.h"

#include <QString>

#include <array>
#include <vector>

namespace kelvarino {

class MessageService;
struct ShareTimeline;

using CategoryFigures = std::array<float, CategoryCount>;
// Per category, indexes into Expenses in list order; a list's size is its count.
using CategoryExpenseLists = std::array<std::vector<int>, CategoryCount>;
using CategoryExpenseShares = std::array<std::vector<ExpenseShare>, CategoryCount>;

// One flat's row of the statements.
struct FlatRow
{
    QString DisplayName; // the resident at the issue date, else the owner; may be empty
    float ResidentTotal = 0;      // the residents' common expenses and charges
    float ResidentFromClosed = 0; // carried less discounts over the residents' expenses
    float OwnerTotal = 0;
    float OwnerFromClosed = 0;
    float BothTotal = 0;
    CategoryFigures PerMille{}; // in the statement's column; 0 for categories without expenses
    CategoryFigures ResidentShare{};
    CategoryFigures OwnerShare{};
    CategoryFigures ResidentCarried{};
    CategoryFigures OwnerCarried{};
    CategoryFigures ResidentDiscount{};
    CategoryFigures OwnerDiscount{};
    CategoryFigures ResidentCategoryTotal{};
    CategoryFigures OwnerCategoryTotal{};
    float ResidentCharges = 0; // the flat's individual charges of the period
    float OwnerCharges = 0;
    friend bool operator==(const FlatRow &, const FlatRow &) = default;
};

// Everything the collective statement and the notifications read about an
// issue's period: its expenses per category and side, how every common
// expense is split over the flats, and one row per flat. Rebuilt by every
// statement command.
struct IssueWorkspace
{
    CategoryExpenseLists ResidentCommonList;
    CategoryExpenseLists OwnerCommonList;
    CategoryFigures ResidentCategoryAmounts{};
    CategoryFigures OwnerCategoryAmounts{};
    float ResidentCommonTotal = 0;
    float OwnerCommonTotal = 0;
    float CommonTotal = 0;

    std::vector<int> ResidentChargeList;
    std::vector<int> OwnerChargeList;
    float ResidentChargeTotal = 0;
    float OwnerChargeTotal = 0;
    float ChargeTotal = 0;
    int ChargeKind = 0; // 0 none, 1 residents' only, 2 owners' only, 3 both

    bool ResidentCommonExists = false;
    bool OwnerCommonExists = false;
    bool ResidentClosedColumn = false; // some residents' expense falls under a column with residents' reductions
    bool OwnerClosedColumn = false;
    int AmountColumnCount = 0;

    int StatementSlice = 0; // the slice whose per-mille columns the statements show

    CategoryExpenseShares ResidentExpenseShares;
    CategoryExpenseShares OwnerExpenseShares;

    std::array<int, CategoryCount> CategoryKinds{}; // 0 none, 1 residents' only, 2 owners' only, 3 both

    std::vector<FlatRow> FlatRows;
    float StatementResidentTotal = 0;
    float StatementOwnerTotal = 0;
    float StatementTotal = 0;

    CategoryFigures PerMilleColumnTotals{};
    CategoryFigures ResidentShareTotals{};
    CategoryFigures OwnerShareTotals{};

    int ResidentCommonCount(int category) const { return CountOf(ResidentCommonList, category); }
    int OwnerCommonCount(int category) const { return CountOf(OwnerCommonList, category); }
    int ResidentChargeCount() const { return int(ResidentChargeList.size()); }
    int OwnerChargeCount() const { return int(OwnerChargeList.size()); }

    // The same members by side.
    CategoryExpenseLists &CommonList(Side side) { return side == Side::Owner ? OwnerCommonList : ResidentCommonList; }
    const CategoryExpenseLists &CommonList(Side side) const
    {
        return side == Side::Owner ? OwnerCommonList : ResidentCommonList;
    }
    int CommonCount(Side side, int category) const { return CountOf(CommonList(side), category); }
    CategoryExpenseShares &ExpenseShares(Side side)
    {
        return side == Side::Owner ? OwnerExpenseShares : ResidentExpenseShares;
    }
    const CategoryExpenseShares &ExpenseShares(Side side) const
    {
        return side == Side::Owner ? OwnerExpenseShares : ResidentExpenseShares;
    }

private:
    static int CountOf(const CategoryExpenseLists &lists, int category)
    {
        return category >= 0 && category < CategoryCount ? int(lists[std::size_t(category)].size()) : 0;
    }
};

// The expense a workspace list names, or nullptr when the list no longer
// matches the expenses (a list is only read right after it was built).
const ExpenseRecord *ListedExpense(const BuildingData &building, int index);

// The builders, in the order the statement commands call them.

// Whether to go on: asks when a column other than the open one of some
// category ends inside the period (from its first day, before its last).
[[nodiscard]] bool WarnShareChanges(const BuildingData &building, const IssueRecord &issue, MessageService &messages);
// Gathers the period's common expenses and individual charges; stops with a
// message when there are neither.
[[nodiscard]] bool CollectPeriodExpenses(const BuildingData &building, const IssueRecord &issue,
                                         IssueWorkspace &workspace, MessageService &messages);
void SetStatementColumnFlags(const BuildingData &building, const ShareTimeline &timeline, IssueWorkspace &workspace);
// The slice of the latest listed common expense, kept in StatementSlice.
int LatestListedSlice(const BuildingData &building, const ShareTimeline &timeline, IssueWorkspace &workspace);
// (ShareCommonExpenses: expensesplit.h)
void ClassifyCategories(IssueWorkspace &workspace);
// The flat rows and the statement totals; ends with FillFlatNames.
void BuildFlatRows(const BuildingData &building, const ShareTimeline &timeline, const IssueRecord &issue,
                   IssueWorkspace &workspace);
void FillFlatNames(const BuildingData &building, double issueDate, IssueWorkspace &workspace);
void SumCategoryColumns(IssueWorkspace &workspace);

} // namespace kelvarino
