#include "issues/collectivelayout.h"

#include "platform/localeservice.h"

#include <algorithm>
#include <cmath>

namespace kelvarino {

namespace {

bool ResidentSideExists(const IssueWorkspace &w)
{
    return w.ResidentChargeCount() > 0 || w.ResidentCommonExists;
}

bool OwnerSideExists(const IssueWorkspace &w)
{
    return w.OwnerCommonExists || w.OwnerChargeCount() > 0;
}

// One side's rows after its heading: the individual charges, then the common
// expenses by category.
void AddSide(const BuildingData &building, const IssueWorkspace &w, Side side, std::vector<ExpenseListRow> &rows)
{
    const bool owner = side == Side::Owner;
    const std::vector<int> &charges = owner ? w.OwnerChargeList : w.ResidentChargeList;
    const auto expense = [&](int index) -> const ExpenseRecord * { return ListedExpense(building, index); };
    if (!charges.empty()) {
        rows.push_back({false, true, QStringLiteral("ΑΤΟΜΙΚΕΣ"), owner ? w.OwnerChargeTotal : w.ResidentChargeTotal});
        for (int index : charges) {
            const ExpenseRecord *e = expense(index);
            if (!e)
                continue;
            QString flat;
            if (e->Flat >= 0 && e->Flat < building.FlatCount())
                flat = building.Flats[std::size_t(e->Flat)].ShortName.trimmed();
            rows.push_back({false, false,
                            LocaleService::formatDate(e->Date) + QStringLiteral(": ") + flat + QStringLiteral(", ")
                                + e->Description.trimmed(),
                            e->Amount});
        }
    }
    if (!(owner ? w.OwnerCommonExists : w.ResidentCommonExists))
        return;
    const CategoryFigures &amounts = owner ? w.OwnerCategoryAmounts : w.ResidentCategoryAmounts;
    for (int c = 0; c < CategoryCount; ++c) {
        const std::vector<int> &list = w.CommonList(side)[std::size_t(c)];
        if (list.empty())
            continue;
        rows.push_back({false, true, building.CategoryLabel(c), amounts[std::size_t(c)]});
        for (int index : list)
            if (const ExpenseRecord *e = expense(index))
                rows.push_back({false, false,
                                LocaleService::formatDate(e->Date) + QStringLiteral(": ") + e->Description.trimmed(),
                                e->Amount});
    }
}

int SideRowCount(const IssueWorkspace &w, Side side)
{
    const bool owner = side == Side::Owner;
    const int charges = owner ? w.OwnerChargeCount() : w.ResidentChargeCount();
    int n = charges > 0 ? charges + 1 : 0;
    if (owner ? w.OwnerCommonExists : w.ResidentCommonExists)
        for (int c = 0; c < CategoryCount; ++c)
            if (const int count = w.CommonCount(side, c); count > 0)
                n += count + 1;
    return n;
}

// How many rows of `height` a length holds; a negative length holds none.
int RowsIn(double length, double height)
{
    if (!(length > 0) || !(height > 0))
        return 0;
    return int(std::min(std::floor(length / height), 1e9));
}

// The blocks of the flat table right of the totals block, in order, with
// their widths at the magnification.
struct Block
{
    int index;
    float width;
};

std::vector<Block> TableBlocks(const IssueWorkspace &w, const StatementGeometry &g)
{
    const float amount = g.Widths[2] * g.Magnification;
    std::vector<Block> blocks;
    if (w.ChargeKind != 0)
        blocks.push_back({ChargesBlock, w.ChargeKind == 3 ? 2 * amount : amount});
    for (int c = 0; c < CategoryCount; ++c)
        if (const int kind = w.CategoryKinds[std::size_t(c)]; kind != 0)
            blocks.push_back({c, amount * (kind == 3 ? 3.0f : 2.0f)});
    return blocks;
}

// Groups the list rows by page, keeping list order within a page.
void IndexListRowsByPage(const std::vector<ExpenseListRow> &rows, StatementPlacement &p)
{
    const std::size_t pages = std::size_t(p.PageColumns) * std::size_t(p.PageRows);
    const auto pageOf = [&](const ExpenseListRow &r) {
        return std::size_t(r.PageColumn - 1) * std::size_t(p.PageRows) + std::size_t(r.PageRow - 1);
    };
    p.PageListStart.assign(pages + 1, 0);
    for (const ExpenseListRow &r : rows)
        ++p.PageListStart[pageOf(r) + 1];
    for (std::size_t i = 0; i < pages; ++i)
        p.PageListStart[i + 1] += p.PageListStart[i];
    std::vector<int> next(p.PageListStart.begin(), p.PageListStart.end() - 1);
    p.PageListRows.assign(rows.size(), 0);
    for (std::size_t r = 0; r < rows.size(); ++r)
        p.PageListRows[std::size_t(next[pageOf(rows[r])]++)] = int(r);
}

} // namespace

std::vector<ExpenseListRow> BuildExpenseList(const BuildingData &building, const IssueWorkspace &w)
{
    std::vector<ExpenseListRow> rows;
    rows.reserve(std::size_t(CountExpenseListRows(w)));
    if (ResidentSideExists(w)) {
        rows.push_back({true, false, QStringLiteral("ΔΑΠΑΝΕΣ ΕΝΟΙΚΩΝ"), w.ResidentChargeTotal + w.ResidentCommonTotal});
        AddSide(building, w, Side::Resident, rows);
    }
    if (OwnerSideExists(w)) {
        rows.push_back({true, false, QStringLiteral("ΔΑΠΑΝΕΣ ΙΔΙΟΚΤΗΤΩΝ"), w.OwnerChargeTotal + w.OwnerCommonTotal});
        AddSide(building, w, Side::Owner, rows);
    }
    return rows;
}

int CountExpenseListRows(const IssueWorkspace &w)
{
    int n = 0;
    if (ResidentSideExists(w))
        n += 1 + SideRowCount(w, Side::Resident);
    if (OwnerSideExists(w))
        n += 1 + SideRowCount(w, Side::Owner);
    return n;
}

double LeftBlockWidth(const IssueWorkspace &w, const StatementGeometry &g)
{
    return double(g.Widths[0]) + g.SerialColumnWidth + double(g.Widths[1]) + w.AmountColumnCount * double(g.Widths[2]);
}

double WidestCategoryBlock(const IssueWorkspace &w, const StatementGeometry &g)
{
    const auto &kinds = w.CategoryKinds;
    if (std::find(kinds.begin(), kinds.end(), 3) != kinds.end())
        return 3 * double(g.Widths[2]);
    if (std::any_of(kinds.begin(), kinds.end(), [](int k) { return k == 1 || k == 2; }))
        return 2 * double(g.Widths[2]);
    return 0;
}

bool PlaceStatement(const IssueWorkspace &w, const StatementGeometry &g, int flatCount,
                    std::vector<ExpenseListRow> &listRows, StatementPlacement &placement)
{
    const float m = g.Magnification;
    const double W = g.PrintableWidth;
    const double H = g.PrintableHeight;
    const double gap = PadUnit * m;
    const double listRow = double(g.Heights[1] * m);
    const double flatRow = double(g.Heights[0] * m);
    const double bandHeight = HeaderBandHeight * m;
    const double tableHeader = TableHeaderHeight * m;
    // A page without the header band must hold one list row, and the table
    // header with one flat row, or the rows below would never be placed.
    if (RowsIn(H, listRow) < 1 || H - tableHeader - flatRow < 0)
        return false;

    StatementPlacement p;
    p.FlatPageRow.assign(std::size_t(std::max(flatCount, 0)), 0);

    // Blocks across the pages, in order; a block that does not fit beside the
    // earlier ones opens the next page across, which takes it whatever its
    // width (no block splits, and the fit has made every category block fit).
    double room = W - LeftBlockWidth(w, g) * m - gap;
    for (const Block &block : TableBlocks(w, g)) {
        if (block.width > room) {
            ++p.PageColumns;
            room = W;
        }
        p.BlockPageColumns[std::size_t(block.index + 1)] = p.PageColumns;
        room -= block.width + gap;
    }

    // Rows per list column, then the page rows that hold them.
    const int n = int(listRows.size());
    const int columnsPerPage = std::clamp(g.ExpenseColumnsPerPage, 1, 6);
    const long long columns = (long long)columnsPerPage * p.PageColumns;
    int remaining = int((n + columns - 1) / columns);
    for (;;) {
        const int fits = RowsIn(p.PageRows == 1 ? H - bandHeight : H, listRow);
        if (fits < remaining) {
            p.ListRowsOnPageRow.push_back(fits);
            remaining -= fits;
            ++p.PageRows;
        } else if (fits == remaining) {
            p.ListRowsOnPageRow.push_back(fits);
            ++p.PageRows; // the flats start on a page row of their own
            remaining = 0;
            break;
        } else {
            p.ListRowsOnPageRow.push_back(remaining);
            break;
        }
    }

    // The flats, below the list's last rows.
    double avail = H - (p.PageRows == 1 ? bandHeight : 0) - tableHeader;
    if (remaining > 0)
        avail -= (remaining * double(g.Heights[1]) + 2 * PadUnit) * m;
    if (avail - flatRow < 0) {
        ++p.PageRows;
        avail = H - tableHeader;
    }
    // Every page row takes at least one flat (checked above), so this ends.
    int flat = 0;
    for (int fits = RowsIn(avail, flatRow);; fits = RowsIn(H, flatRow)) {
        for (int k = 0; k < fits && flat < flatCount; ++k)
            p.FlatPageRow[std::size_t(flat++)] = p.PageRows;
        if (flat >= flatCount)
            break;
        ++p.PageRows; // continuation page rows have no table header
    }

    // Positions of the list rows: a list column runs down every page row that
    // holds list rows, then the next column starts at the top.
    const int lastListRow = int(p.ListRowsOnPageRow.size());
    int firstListRow = 1;
    while (firstListRow < lastListRow && p.ListRowsOn(firstListRow) == 0)
        ++firstListRow;
    int P = 1, Q = firstListRow, C = 1, I = 1;
    for (int r = 0; r < n; ++r) {
        if (r > 0) {
            if (I < p.ListRowsOn(Q)) {
                ++I;
            } else if (Q < lastListRow) {
                ++Q;
                I = 1;
            } else {
                Q = firstListRow;
                I = 1;
                if (++C > columnsPerPage) {
                    C = 1;
                    ++P;
                }
            }
        }
        ExpenseListRow &row = listRows[std::size_t(r)];
        row.PageColumn = P;
        row.PageRow = Q;
        row.ColumnInPage = C;
        row.RowInColumn = I;
    }
    IndexListRowsByPage(listRows, p);
    placement = std::move(p);
    return true;
}

} // namespace kelvarino
