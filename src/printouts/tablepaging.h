#pragma once

#include "core/buildingdata.h"
#include "printing/previewreport.h"

#include <vector>

namespace kelvarino {

// What a table printout answers when it does not fit.
enum TableLayoutCode : int {
    TableFits = 0,
    FirstColumnsTooWide = -1,
    GroupTooWide = -2,
    RowTooTall = -3,
};

// A table of rows (the flats) and column groups (amounts or categories) cut
// into a grid of pages: page rows take consecutive runs of rows, page columns
// consecutive runs of groups; the first columns (the flats' names) stand on
// page column 1, or on every page column with page independency.
struct TablePaging
{
    int code = TableFits;
    int pageRows = 1;
    int pageColumns = 1;
    std::vector<int> rowPage;     // page row (from 1) of each row
    std::vector<int> groupColumn; // page column (from 1) of each group
};

// The measures of a table at magnification 1, in twips.
struct TableMeasures
{
    float firstColumns = 0;         // the flats' columns, repeated with page independency
    std::vector<float> groupWidths; // each group's width, left to right
    float gap = 30;                 // between two groups, and after the first columns
    float headerHeight = 0;         // above the first row on page row 1 (every page row with independency)
    float rowHeight = 0;
    int rowCount = 0;
    float minimumMagnification = 0.75f;
};

// Fits the table to the slot and cuts it into pages. On a failure the slot's
// orientation and magnification are back as they were and the answer holds
// only the code. Page independency that cannot be kept at the minimum
// magnification is switched off in the slot, without an error. A row taller
// than the room of every page row fails (RowTooTall) rather than paging
// without end; page row 1 may still hold no row when only the header leaves
// it too little room.
TablePaging LayOutTable(ReportLayout &layout, const TableMeasures &table);

} // namespace kelvarino
