#include "core/issueworkspace.h"

#include "core/administratorlines.h"
#include "core/floatarithmetic.h"
#include "core/sharetimeline.h"
#include "platform/messageservice.h"

#include <algorithm>

namespace kelvarino {

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString ShareChangeQuestion(const QString &trimmedLabel)
{
    return QStringLiteral("Μέσα στην περίοδο που θέλετε να καλύπτει η έκδοση κοινοχρήστων έχουν γίνει αλλαγές "
                          "στα χιλιοστά τουλάχιστον της κατηγορίας: ")
        + trimmedLabel + QStringLiteral(". ") + CrLf + CrLf
        + QStringLiteral("Στις καταστάσεις θα εμφανίζονται τα χιλιοστά που ισχύουν στο τέλος της περιόδου που "
                         "ζητήσατε, αν και για την κάθε δαπάνη θα εφαρμόζονται τα σωστά χιλιοστά. ")
        + CrLf + CrLf
        + QStringLiteral("Σας προτείνουμε στην περίοδο που καλύπτει η έκδοση κοινοχρήστων να εφαρμόζεται μόνο "
                         "το σετ χιλιοστών που ισχύει στο τέλος της διαχειριστικής περιόδου ώστε να γίνεται "
                         "εμφανής η επαλήθευση των καταμερισμών. ")
        + CrLf + CrLf + QStringLiteral("Θέλετε να προχωρήσετε με την έκδοση κοινοχρήστων;");
}

bool InPeriod(double date, const IssueRecord &issue)
{
    return issue.PeriodFrom <= date && date <= issue.PeriodTo;
}

bool ColumnEndsInsidePeriod(const std::vector<ShareColumn> &columns, const IssueRecord &issue)
{
    if (columns.size() < 2)
        return false;
    const std::vector<int> order = ColumnsByEndDate(columns);
    for (std::size_t i = 0; i + 1 < order.size(); ++i) { // every column but the open one
        const double end = columns[std::size_t(order[i])].EndDate;
        if (issue.PeriodFrom <= end && end < issue.PeriodTo)
            return true;
    }
    return false;
}

// Whether some flat has a reduction of the side above 0 in a column; each
// column is examined once.
class ReducedColumnCache
{
public:
    explicit ReducedColumnCache(const BuildingData &building) : building_(building) {}

    bool hasReduction(int category, int column, Side side)
    {
        auto &known = cache_[side == Side::Owner ? 1 : 0][std::size_t(category)];
        const std::size_t slot = std::size_t(column + 1);
        if (known.size() <= slot)
            known.resize(slot + 1, -1);
        if (known[slot] < 0) {
            known[slot] = 0;
            if (const ShareColumn *col = ColumnOrNull(building_, category, column)) {
                for (int f = 0; f < building_.FlatCount(); ++f) {
                    if (PerFlatValue(Reductions(*col, side), f) > 0) {
                        known[slot] = 1;
                        break;
                    }
                }
            }
        }
        return known[slot] == 1;
    }

private:
    const BuildingData &building_;
    std::array<std::array<std::vector<int>, CategoryCount>, 2> cache_;
};

void SetSideFlags(const BuildingData &building, const ShareTimeline &timeline, Side side,
                  const CategoryExpenseLists &lists, bool &exists, bool &closedColumn)
{
    exists = false;
    closedColumn = false;
    ReducedColumnCache columns(building);
    SliceCursor slices(timeline);
    for (int c = 0; c < CategoryCount; ++c) {
        for (int e : lists[std::size_t(c)]) {
            exists = true;
            const ExpenseRecord *expense = ListedExpense(building, e);
            if (expense && columns.hasReduction(c, slices.columnAt(c, expense->Date), side)) {
                closedColumn = true;
                return;
            }
        }
    }
}

// The running sums of one side's figures per flat while the rows are built,
// one row of sums per figure so that every expense adds along contiguous
// memory.
struct SideRowSums
{
    std::array<RowSums, CategoryCount> share;
    std::array<std::vector<float>, CategoryCount> carried, discount, categoryTotal;
    RowSums total;
    std::vector<float> fromClosed;

    explicit SideRowSums(int flatCount)
    {
        const std::vector<float> zeros(std::size_t(flatCount), 0.0f);
        for (int c = 0; c < CategoryCount; ++c) {
            share[std::size_t(c)] = RowSums(zeros);
            carried[std::size_t(c)] = zeros;
            discount[std::size_t(c)] = zeros;
            categoryTotal[std::size_t(c)] = zeros;
        }
        total = RowSums(zeros);
        fromClosed = zeros;
    }
};

// The carried parts and the discounts of an expense with reductions, into
// the row sums. Only the reduced flats can have a discount (adding the
// others' zeros would change no sum), and a flat with a discount carries
// nothing: so every flat's amount from the closed flats first gains its
// carried part (for a flat with a discount, 0, which changes nothing), and
// then the flats with a discount take it off by the whole formula.
void AddReductions(const ExpenseShare &e, const float *carried, const float *discount, std::size_t n, int c,
                   SideRowSums &sums)
{
    float *carriedSum = sums.carried[std::size_t(c)].data();
    float *discountSum = sums.discount[std::size_t(c)].data();
    float *fromClosed = sums.fromClosed.data();
    if (e.hasDiscounts())
        AccumulateEachInto2(carriedSum, fromClosed, carried, n);
    for (int j : e.reducedFlats()) {
        const std::size_t f = std::size_t(j);
        if (discount[f] == 0)
            continue;
        Accumulate(discountSum[f], discount[f]);
        fromClosed[f] = Stored(double(fromClosed[f]) + double(carried[f]) - double(discount[f]));
    }
}

// Adds the splits of one side's expenses of a category to the row sums: per
// flat the category's share, carried part, discount and total, the side's
// total and the amount from the closed flats, each sum taking the expenses in
// list order.
void AddCategorySplits(const std::vector<ExpenseShare> &shares, int c, int flatCount, SideRowSums &sums)
{
    const std::size_t n = std::size_t(flatCount);
    std::vector<float> share(n), discount(n), carried(n), total(n);
    RowSums &shareSum = sums.share[std::size_t(c)];
    float *categoryTotal = sums.categoryTotal[std::size_t(c)].data();
    // Until an expense carries discounts every flat's total is its share, so
    // the category's totals are its share sums: copied, not added twice.
    bool totalsAreShares = true;
    const auto copyShareSums = [&] { std::copy(shareSum.values().begin(), shareSum.values().end(), categoryTotal); };
    for (const ExpenseShare &e : shares) {
        if (e.flatCount() != flatCount)
            continue; // an expense the split never reached: all zeros, which add nothing
        if (!e.anyReduction()) {
            // Without discounts and carried parts every flat bears its share.
            if (totalsAreShares) {
                e.addShares(shareSum, sums.total);
            } else {
                e.fillShares(share.data());
                AccumulateEachInto3(shareSum.data(), categoryTotal, sums.total.data(), share.data(), n);
            }
            continue;
        }
        e.fill(share.data(), discount.data(), carried.data(), total.data());
        if (totalsAreShares && e.hasDiscounts()) {
            copyShareSums();
            totalsAreShares = false;
        }
        shareSum.add(share.data());
        if (totalsAreShares)
            sums.total.add(total.data());
        else
            AccumulateEachInto2(categoryTotal, sums.total.data(), total.data(), n);
        AddReductions(e, carried.data(), discount.data(), n, c, sums);
    }
    if (totalsAreShares)
        copyShareSums();
}

void AddCharges(const BuildingData &building, const std::vector<int> &list, Side side,
                std::vector<FlatRow> &rows)
{
    for (int j : list) {
        const ExpenseRecord *charge = ListedExpense(building, j);
        if (!charge || charge->Flat < 0 || std::size_t(charge->Flat) >= rows.size())
            continue;
        FlatRow &row = rows[std::size_t(charge->Flat)];
        Accumulate(side == Side::Owner ? row.OwnerCharges : row.ResidentCharges, charge->Amount);
    }
}

} // namespace

const ExpenseRecord *ListedExpense(const BuildingData &building, int index)
{
    if (index < 0 || index >= building.ExpenseCount())
        return nullptr;
    return &building.Expenses[std::size_t(index)];
}

bool WarnShareChanges(const BuildingData &building, const IssueRecord &issue, MessageService &messages)
{
    for (int c = 0; c < CategoryCount; ++c) {
        if (!ColumnEndsInsidePeriod(building.ShareColumns[std::size_t(c)], issue))
            continue;
        const MessageAnswer answer = messages.show({QStringLiteral("Έκδοση κοινοχρήστων"),
                                                    ShareChangeQuestion(building.CategoryLabel(c)),
                                                    MessageIcon::Exclamation, MessageButtons::YesNo,
                                                    MessageAnswer::Yes});
        return answer == MessageAnswer::Yes;
    }
    return true;
}

bool CollectPeriodExpenses(const BuildingData &building, const IssueRecord &issue, IssueWorkspace &workspace,
                           MessageService &messages)
{
    IssueWorkspace &w = workspace;
    w.ResidentCommonTotal = 0;
    w.OwnerCommonTotal = 0;
    w.ResidentCategoryAmounts = {};
    w.OwnerCategoryAmounts = {};
    w.ResidentCommonList = {};
    w.OwnerCommonList = {};
    for (int j = 0; j < building.ExpenseCount(); ++j) {
        const ExpenseRecord &expense = building.Expenses[std::size_t(j)];
        const int c = expense.Category;
        if (expense.AllFlats == 0 || !InPeriod(expense.Date, issue) || c < 0 || c >= CategoryCount)
            continue;
        const bool owner = SideOf(expense) == Side::Owner;
        w.CommonList(SideOf(expense))[std::size_t(c)].push_back(j);
        Accumulate((owner ? w.OwnerCategoryAmounts : w.ResidentCategoryAmounts)[std::size_t(c)], expense.Amount);
        Accumulate(owner ? w.OwnerCommonTotal : w.ResidentCommonTotal, expense.Amount);
    }
    w.CommonTotal = Stored(double(w.OwnerCommonTotal) + double(w.ResidentCommonTotal));

    w.ResidentChargeTotal = 0;
    w.OwnerChargeTotal = 0;
    w.ResidentChargeList.clear();
    w.OwnerChargeList.clear();
    for (int k = 0; k < building.ExpenseCount(); ++k) {
        const ExpenseRecord &charge = building.Expenses[std::size_t(k)];
        if (charge.AllFlats != 0 || !InPeriod(charge.Date, issue))
            continue;
        const bool owner = SideOf(charge) == Side::Owner;
        (owner ? w.OwnerChargeList : w.ResidentChargeList).push_back(k);
        Accumulate(owner ? w.OwnerChargeTotal : w.ResidentChargeTotal, charge.Amount);
    }
    w.ChargeTotal = Stored(double(w.OwnerChargeTotal) + double(w.ResidentChargeTotal));

    bool anyCommon = false;
    for (int c = 0; c < CategoryCount; ++c)
        anyCommon = anyCommon || w.ResidentCommonCount(c) > 0 || w.OwnerCommonCount(c) > 0;
    if (!anyCommon && w.ResidentChargeCount() == 0 && w.OwnerChargeCount() == 0) {
        messages.error(QStringLiteral("Δεν μπορείτε να προχωρήσετε σε εκτύπωση"),
                       QStringLiteral("Δεν υπάρχουν κοινές ή ατομικές δαπάνες στην περίοδο που ζητήσατε."));
        return false;
    }
    w.ChargeKind = (w.ResidentChargeCount() >= 1 ? 1 : 0) + (w.OwnerChargeCount() >= 1 ? 2 : 0);
    return true;
}

void SetStatementColumnFlags(const BuildingData &building, const ShareTimeline &timeline, IssueWorkspace &workspace)
{
    IssueWorkspace &w = workspace;
    SetSideFlags(building, timeline, Side::Resident, w.ResidentCommonList, w.ResidentCommonExists,
                 w.ResidentClosedColumn);
    SetSideFlags(building, timeline, Side::Owner, w.OwnerCommonList, w.OwnerCommonExists, w.OwnerClosedColumn);
    const bool residentsHaveNothing = !w.ResidentCommonExists && w.ResidentChargeCount() == 0;
    const bool ownersHaveNothing = !w.OwnerCommonExists && w.OwnerChargeCount() == 0;
    w.AmountColumnCount = (residentsHaveNothing || ownersHaveNothing) ? 1 : 3;
    if (w.OwnerClosedColumn)
        ++w.AmountColumnCount;
    if (w.ResidentClosedColumn)
        ++w.AmountColumnCount;
}

int LatestListedSlice(const BuildingData &building, const ShareTimeline &timeline, IssueWorkspace &workspace)
{
    double latest = NotSetDate;
    for (int c = 0; c < CategoryCount; ++c) {
        for (Side side : {Side::Owner, Side::Resident}) {
            for (int e : workspace.CommonList(side)[std::size_t(c)]) {
                const ExpenseRecord *expense = ListedExpense(building, e);
                if (expense && expense->Date > latest)
                    latest = expense->Date;
            }
        }
    }
    workspace.StatementSlice = ShareSliceOfDate(timeline, latest);
    return workspace.StatementSlice;
}

void ClassifyCategories(IssueWorkspace &workspace)
{
    for (int c = 0; c < CategoryCount; ++c)
        workspace.CategoryKinds[std::size_t(c)] =
            (workspace.ResidentCommonCount(c) > 0 ? 1 : 0) + (workspace.OwnerCommonCount(c) >= 1 ? 2 : 0);
}

void BuildFlatRows(const BuildingData &building, const ShareTimeline &timeline, const IssueRecord &issue,
                   IssueWorkspace &workspace)
{
    IssueWorkspace &w = workspace;
    const int flatCount = building.FlatCount();
    w.FlatRows.assign(std::size_t(flatCount), FlatRow());

    const int slice = w.StatementSlice >= 0 && w.StatementSlice <= timeline.LastSlice() ? w.StatementSlice : 0;
    SideRowSums residents(flatCount);
    SideRowSums owners(flatCount);
    for (int c = 0; c < CategoryCount; ++c) {
        if (w.CategoryKinds[std::size_t(c)] < 1)
            continue;
        const int column = timeline.Slices.empty() ? -1 : timeline.Slices[std::size_t(slice)].ColumnOf[std::size_t(c)];
        const ShareColumn *shown = ColumnOrNull(building, c, column);
        for (int f = 0; f < flatCount; ++f)
            w.FlatRows[std::size_t(f)].PerMille[std::size_t(c)] = shown ? PerFlatValue(shown->PerMille, f) : 0.0f;
        AddCategorySplits(w.ResidentExpenseShares[std::size_t(c)], c, flatCount, residents);
        AddCategorySplits(w.OwnerExpenseShares[std::size_t(c)], c, flatCount, owners);
    }

    if (w.ChargeKind > 0) {
        AddCharges(building, w.ResidentChargeList, Side::Resident, w.FlatRows);
        AddCharges(building, w.OwnerChargeList, Side::Owner, w.FlatRows);
    }

    for (int f = 0; f < flatCount; ++f) {
        FlatRow &row = w.FlatRows[std::size_t(f)];
        for (int c = 0; c < CategoryCount; ++c) {
            const std::size_t cc = std::size_t(c);
            row.ResidentShare[cc] = residents.share[cc].values()[std::size_t(f)];
            row.ResidentCarried[cc] = residents.carried[cc][std::size_t(f)];
            row.ResidentDiscount[cc] = residents.discount[cc][std::size_t(f)];
            row.ResidentCategoryTotal[cc] = residents.categoryTotal[cc][std::size_t(f)];
            row.OwnerShare[cc] = owners.share[cc].values()[std::size_t(f)];
            row.OwnerCarried[cc] = owners.carried[cc][std::size_t(f)];
            row.OwnerDiscount[cc] = owners.discount[cc][std::size_t(f)];
            row.OwnerCategoryTotal[cc] = owners.categoryTotal[cc][std::size_t(f)];
        }
        row.ResidentTotal = residents.total.values()[std::size_t(f)];
        row.ResidentFromClosed = residents.fromClosed[std::size_t(f)];
        row.OwnerTotal = owners.total.values()[std::size_t(f)];
        row.OwnerFromClosed = owners.fromClosed[std::size_t(f)];
        Accumulate(row.ResidentTotal, row.ResidentCharges);
        Accumulate(row.OwnerTotal, row.OwnerCharges);
        row.BothTotal = Stored(double(row.OwnerTotal) + double(row.ResidentTotal));
    }

    w.StatementTotal = 0;
    w.StatementResidentTotal = 0;
    w.StatementOwnerTotal = 0;
    for (const FlatRow &row : w.FlatRows) {
        Accumulate(w.StatementTotal, row.BothTotal);
        Accumulate(w.StatementResidentTotal, row.ResidentTotal);
        Accumulate(w.StatementOwnerTotal, row.OwnerTotal);
    }

    FillFlatNames(building, issue.IssueDate, w);
}

void FillFlatNames(const BuildingData &building, double issueDate, IssueWorkspace &workspace)
{
    const int flatCount = int(workspace.FlatRows.size());
    const std::vector<QString> residents = OccupantNamesAt(building, flatCount, Side::Resident, issueDate);
    const std::vector<QString> owners = OccupantNamesAt(building, flatCount, Side::Owner, issueDate);
    for (std::size_t f = 0; f < workspace.FlatRows.size(); ++f)
        workspace.FlatRows[f].DisplayName = residents[f].isEmpty() ? owners[f] : residents[f];
}

void SumCategoryColumns(IssueWorkspace &workspace)
{
    IssueWorkspace &w = workspace;
    w.PerMilleColumnTotals = {};
    w.ResidentShareTotals = {};
    w.OwnerShareTotals = {};
    for (int c = 0; c < CategoryCount; ++c) {
        if (w.CategoryKinds[std::size_t(c)] < 1)
            continue;
        for (const FlatRow &row : w.FlatRows) {
            Accumulate(w.PerMilleColumnTotals[std::size_t(c)], row.PerMille[std::size_t(c)]);
            Accumulate(w.ResidentShareTotals[std::size_t(c)], row.ResidentShare[std::size_t(c)]);
            Accumulate(w.OwnerShareTotals[std::size_t(c)], row.OwnerShare[std::size_t(c)]);
        }
    }
}

} // namespace kelvarino
