#include "printouts/tablepaging.h"

#include <algorithm>
#include <cmath>

namespace kelvarino {

namespace {

// The page column of each group: a page column starts with `firstRoom` (page
// column 1) or `otherRoom`; a group goes on the current page column when it
// fits in what is left, else on the next one that takes it.
std::vector<int> GroupsToPageColumns(const std::vector<float> &widths, float firstRoom, float otherRoom, float gap,
                                     int &pageColumns)
{
    std::vector<int> column(widths.size(), 0);
    pageColumns = 1;
    float room = firstRoom;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        // The fit has made every group narrower than a fresh page column.
        while (widths[i] > room && room < otherRoom) {
            ++pageColumns;
            room = otherRoom;
        }
        column[i] = pageColumns;
        room -= widths[i] + gap;
    }
    return column;
}

// The page row of each row; false when no page row can hold a single row.
bool RowsToPageRows(int rowCount, float firstRoom, float otherRoom, float rowHeight, std::vector<int> &rowPage,
                    int &pageRows)
{
    rowPage.assign(std::size_t(std::max(rowCount, 0)), 0);
    const auto capacity = [rowHeight](float room) { return int(std::floor(double(room / rowHeight))); };
    // The first page row never has more room than the others.
    if (rowCount > 0 && capacity(otherRoom) < 1)
        return false;
    pageRows = 1;
    int placed = 0;
    for (int row = 1; placed < rowCount; ++row) {
        const int n = std::max(capacity(row == 1 ? firstRoom : otherRoom), 0);
        for (int k = 0; k < n && placed < rowCount; ++k)
            rowPage[std::size_t(placed++)] = row;
        pageRows = row;
    }
    return true;
}

} // namespace

TablePaging LayOutTable(ReportLayout &layout, const TableMeasures &table)
{
    PrintSetting &slot = layout.settings;
    TablePaging paging;
    // A width that does not fit has put orientation and magnification back
    // already; rows too tall do it here.
    const auto fail = [&](int code) {
        layout.restore();
        TablePaging failed;
        failed.code = code;
        return failed;
    };
    const float widest =
        table.groupWidths.empty() ? 0.0f : *std::max_element(table.groupWidths.begin(), table.groupWidths.end());
    const double minimum = table.minimumMagnification;
    if (!layout.fitWidth(table.firstColumns, minimum))
        return fail(FirstColumnsTooWide);
    if (!layout.fitWidth(widest, minimum))
        return fail(GroupTooWide);
    if (slot.PageIndependency != 0) {
        const float magnification = slot.Magnification;
        if (!layout.fitWidth(table.firstColumns + table.gap + widest, minimum)) {
            // Not an error: the table goes on without repetition, at the
            // magnification the other widths fitted; the test had already
            // turned the page landscape.
            slot.PageIndependency = 0;
            slot.Portrait = 0;
            slot.Magnification = magnification;
        }
    }

    const bool independent = slot.PageIndependency != 0;
    const float m = slot.Magnification;
    const float width = float(layout.printableWidth());
    const float height = float(layout.printableHeight());

    std::vector<float> scaled;
    for (float w : table.groupWidths)
        scaled.push_back(w * m);
    const float withFirst = width - (table.firstColumns + table.gap) * m;
    paging.groupColumn = GroupsToPageColumns(scaled, withFirst, independent ? withFirst : width, table.gap * m,
                                             paging.pageColumns);

    const float header = table.headerHeight * m;
    if (!RowsToPageRows(table.rowCount, height - header, independent ? height - header : height,
                        table.rowHeight * m, paging.rowPage, paging.pageRows))
        return fail(RowTooTall);
    return paging;
}

} // namespace kelvarino
