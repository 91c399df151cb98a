#pragma once

#include "core/buildingdata.h"

#include <array>
#include <vector>

namespace kelvarino {

// One slice of the per-mille timeline: the dates up to Boundary and after the
// next slice's boundary, with the column of each category in force there.
struct TimelineSlice
{
    double Boundary = NotSetDate; // slice 0: not set (the time after the last end date)
    std::array<int, CategoryCount> ColumnOf{}; // index into ShareColumns[c]; -1 when the category has none
    friend bool operator==(const TimelineSlice &, const TimelineSlice &) = default;
};

// The end dates of every category's columns, merged into one descending list
// of boundaries that cut time into slices. Derived data: rebuilt by every
// command that needs it, never stored.
struct ShareTimeline
{
    std::vector<TimelineSlice> Slices; // slice 0 always exists

    int LastSlice() const { return int(Slices.size()) - 1; }
    // The column of the category in force at the date; -1 when there is none.
    int ColumnAt(int category, double date) const;
};

ShareTimeline BuildShareTimeline(const BuildingData &building);

// Looks up the slices of many dates in turn. Dates taken in list order mostly
// fall in the slice of the date before, which then costs two comparisons
// instead of a search; any other date is searched as ShareSliceOfDate does.
class SliceCursor
{
public:
    explicit SliceCursor(const ShareTimeline &timeline) : timeline_(timeline) {}
    SliceCursor(ShareTimeline &&) = delete; // it keeps a reference to the timeline

    int sliceOf(double date);
    // The column of the category in force at the date; -1 when there is none.
    int columnAt(int category, double date);

private:
    const ShareTimeline &timeline_;
    int slice_ = -1;   // the slice found last, -1 before the first date
    double after_ = 0; // it holds the dates after after_ up to upTo_
    double upTo_ = 0;
};

// The slice that holds the date. A date equal to a boundary belongs to that
// boundary's slice; the next day belongs to the slice before it.
int ShareSliceOfDate(const ShareTimeline &timeline, double date);

// A category's column indexes ordered by end date, the open column(s) last.
// The per-mille window leaves the columns in this order when it closes, but a
// file saved while it was open may hold them otherwise; every lookup of the
// column in force goes through this order so that such a file still gets the
// right shares.
std::vector<int> ColumnsByEndDate(const std::vector<ShareColumn> &columns);

// A per-flat value of a column, 0 where the column or its array is too short.
float PerFlatValue(const std::vector<float> &values, int flat);
// The column of a category, or nullptr when the index is out of range.
const ShareColumn *ColumnOrNull(const BuildingData &building, int category, int column);

} // namespace kelvarino
