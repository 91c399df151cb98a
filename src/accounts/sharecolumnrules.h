#pragma once

#include "core/buildingdata.h"

#include <vector>

namespace kelvarino {

class MessageService;

// The closing checks of a category's per-mille columns, in their order: one
// open column (not none, not several), distinct end dates, in every column at
// least one resident and one owner without reduction (column by column), and
// then, asked with Yes/No, non-zero per-mille among the flats without
// reduction. Shows the message of the first check that fails; true when the
// window may close.
bool ShareColumnsMayClose(const std::vector<ShareColumn> &columns, MessageService &messages);

// The order the share timeline relies on: set end dates ascending, the open
// column last (the exchange sort of the closing, column records moved whole).
void SortShareColumns(std::vector<ShareColumn> &columns);

// The column operations of the per-mille window.
// A copy of column k after it, with no end date and no comment.
void InsertColumnCopy(std::vector<ShareColumn> &columns, int k);
// Every flat's per-mille and reductions 0; end date and comment stay.
void ClearColumn(ShareColumn &column);
// Every flat's per-mille 1000 / flats, computed once as a 32-bit float.
void FillColumnEqually(ShareColumn &column, int flatCount);
// The sum of the per-mille values, accumulated in 32-bit floats.
float PerMilleTotal(const ShareColumn &column);

} // namespace kelvarino
