#pragma once

#include "core/buildingdata.h"
#include "core/issueworkspace.h"
#include "printing/textprimitives.h"

#include <QString>

#include <array>
#include <utility>
#include <vector>

namespace kelvarino {

// One printed row of the collective statement's expense list: a side heading
// ("ΔΑΠΑΝΕΣ ΕΝΟΙΚΩΝ", "ΔΑΠΑΝΕΣ ΙΔΙΟΚΤΗΤΩΝ"), a group heading ("ΑΤΟΜΙΚΕΣ" or a
// category) or an expense, and where it is printed.
struct ExpenseListRow
{
    bool IsSideHeading = false;
    bool IsGroupHeading = false;
    QString Text;
    float Amount = 0;
    int PageColumn = 0;   // page across, from 1
    int PageRow = 0;      // page row, from 1
    int ColumnInPage = 0; // list column within the page, from 1
    int RowInColumn = 0;  // row within that column on that page row, from 1
};

// The expense list in printing order: the residents' side, then the owners';
// each with its individual charges, then its common expenses by category.
std::vector<ExpenseListRow> BuildExpenseList(const BuildingData &building, const IssueWorkspace &workspace);
// The number of rows BuildExpenseList makes.
int CountExpenseListRows(const IssueWorkspace &workspace);

// The statement's fixed lengths (twips at magnification 1); PadUnit, the gap
// unit, is the cells' padding unit.
inline constexpr double HeaderRowHeight = 355;
// The header band across page row 1 and the flat table's header.
inline constexpr double HeaderBandHeight = 3 * HeaderRowHeight + 4 * PadUnit;
inline constexpr double TableHeaderHeight = 3 * HeaderRowHeight;

// The block index of the individual charges; the categories are 0 to 5.
inline constexpr int ChargesBlock = -1;

// What the placement reads of the page and of the statement's sizes once the
// statement has been fitted to the paper.
struct StatementGeometry
{
    double PrintableWidth = 0;  // of the fitted orientation
    double PrintableHeight = 0;
    float Magnification = 1;
    int ExpenseColumnsPerPage = 2;
    std::array<float, 4> Widths{}; // flat, name, amount column, list amount box
    std::array<float, 2> Heights{}; // flat row, list row
    double SerialColumnWidth = 0;
};

// On which page every part of the statement is printed.
struct StatementPlacement
{
    int PageColumns = 1;
    int PageRows = 1;
    std::array<int, CategoryCount + 1> BlockPageColumns{}; // by block + 1; 0: not printed
    std::vector<int> FlatPageRow;                          // by flat
    std::vector<int> ListRowsOnPageRow;                    // by page row - 1
    // The list rows of each page, in list order: the rows of page (P, Q) are
    // PageListRows[PageListStart[i] .. PageListStart[i + 1]) with
    // i = (P - 1) x PageRows + Q - 1.
    std::vector<int> PageListRows;
    std::vector<int> PageListStart;

    int BlockPageColumn(int block) const { return BlockPageColumns[std::size_t(block + 1)]; }
    // The list rows of a page, as indexes into the list.
    std::pair<const int *, const int *> ListRowsOfPage(int pageColumn, int pageRow) const
    {
        const std::size_t i = std::size_t((pageColumn - 1) * PageRows + pageRow - 1);
        if (pageColumn < 1 || pageRow < 1 || pageRow > PageRows || i + 1 >= PageListStart.size())
            return {nullptr, nullptr};
        const int *rows = PageListRows.data();
        return {rows + PageListStart[i], rows + PageListStart[i + 1]};
    }
    int ListRowsOn(int pageRow) const
    {
        return pageRow >= 1 && pageRow <= int(ListRowsOnPageRow.size()) ? ListRowsOnPageRow[std::size_t(pageRow - 1)]
                                                                           : 0;
    }
};

// The width of the flat table's left block (totals) and of its widest
// category block, 0 when no category has common expenses; twips at
// magnification 1.
double LeftBlockWidth(const IssueWorkspace &workspace, const StatementGeometry &geometry);
double WidestCategoryBlock(const IssueWorkspace &workspace, const StatementGeometry &geometry);

// Places the blocks across the pages and the list rows and flats down them,
// writing each list row's position. False when a page is too short for one
// list row, or for the table header and one flat row: nothing could then be
// placed, and the placement and the rows are left as they were.
bool PlaceStatement(const IssueWorkspace &workspace, const StatementGeometry &geometry, int flatCount,
                    std::vector<ExpenseListRow> &listRows, StatementPlacement &placement);

} // namespace kelvarino
