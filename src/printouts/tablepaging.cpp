#include "printouts/tablepaging.h"

#include <algorithm>
#include <cmath>

namespace kelvarino {

bool FitToWidth(PrintSetting &slot, const PrintableSizes &page, float needed, float minimum)
{
    for (;;) {
        const float width = page.widthOf(slot);
        if (needed * slot.Magnification <= width)
            return true;
        if (slot.Portrait != 0) {
            slot.Portrait = 0;
            continue;
        }
        if (!(width / needed >= minimum))
            return false;
        slot.Magnification = float(std::floor(double(width * 100.0f / needed))) / 100.0f;
        return true;
    }
}

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

TablePaging LayOutTable(PrintSetting &slot, const PrintableSizes &page, const TableMeasures &table)
{
    TablePaging paging;
    const qint16 keptPortrait = slot.Portrait;
    const float keptMagnification = slot.Magnification;
    const auto fail = [&](int code) {
        slot.Portrait = keptPortrait;
        slot.Magnification = keptMagnification;
        TablePaging failed;
        failed.code = code;
        return failed;
    };
    const float widest =
        table.groupWidths.empty() ? 0.0f : *std::max_element(table.groupWidths.begin(), table.groupWidths.end());
    if (!FitToWidth(slot, page, table.firstColumns, table.minimumMagnification))
        return fail(FirstColumnsTooWide);
    if (!FitToWidth(slot, page, widest, table.minimumMagnification))
        return fail(GroupTooWide);
    if (slot.PageIndependency != 0
        && !FitToWidth(slot, page, table.firstColumns + table.gap + widest, table.minimumMagnification))
        slot.PageIndependency = 0;

    const bool independent = slot.PageIndependency != 0;
    const float m = slot.Magnification;
    const float width = page.widthOf(slot);
    const float height = page.heightOf(slot);

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
