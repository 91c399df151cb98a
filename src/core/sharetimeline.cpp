#include "core/sharetimeline.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace kelvarino {

std::vector<int> ColumnsByEndDate(const std::vector<ShareColumn> &columns)
{
    std::vector<int> order(columns.size());
    std::iota(order.begin(), order.end(), 0);
    // Stable, so that data already in order (and several open columns, which
    // only an unfinished edit can leave) keep their array order.
    std::stable_sort(order.begin(), order.end(), [&columns](int a, int b) {
        const bool aSet = IsDateSet(columns[a].EndDate);
        const bool bSet = IsDateSet(columns[b].EndDate);
        if (aSet != bSet)
            return aSet;
        return aSet && columns[a].EndDate < columns[b].EndDate;
    });
    return order;
}

float PerFlatValue(const std::vector<float> &values, int flat)
{
    return flat >= 0 && std::size_t(flat) < values.size() ? values[std::size_t(flat)] : 0.0f;
}

const ShareColumn *ColumnOrNull(const BuildingData &building, int category, int column)
{
    if (category < 0 || category >= CategoryCount)
        return nullptr;
    const auto &columns = building.ShareColumns[std::size_t(category)];
    if (column < 0 || std::size_t(column) >= columns.size())
        return nullptr;
    return &columns[std::size_t(column)];
}

namespace {

std::vector<double> DescendingBoundaries(const BuildingData &building)
{
    std::vector<double> boundaries;
    for (const auto &columns : building.ShareColumns) {
        for (const ShareColumn &column : columns) {
            if (IsDateSet(column.EndDate)
                && std::find(boundaries.begin(), boundaries.end(), column.EndDate) == boundaries.end())
                boundaries.push_back(column.EndDate);
        }
    }
    std::sort(boundaries.begin(), boundaries.end(), std::greater<double>());
    return boundaries;
}

// The column in force throughout a slice with the given boundary: the first
// column, by end date, that ends on or after the boundary, else the open one.
int ColumnForBoundary(const std::vector<ShareColumn> &columns, const std::vector<int> &order, double boundary)
{
    if (order.empty())
        return -1;
    if (order.size() == 1)
        return order.front();
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        if (columns[std::size_t(order[i])].EndDate >= boundary)
            return order[i];
    }
    return order.back();
}

} // namespace

ShareTimeline BuildShareTimeline(const BuildingData &building)
{
    std::array<std::vector<int>, CategoryCount> orders;
    for (int c = 0; c < CategoryCount; ++c)
        orders[std::size_t(c)] = ColumnsByEndDate(building.ShareColumns[std::size_t(c)]);

    ShareTimeline timeline;
    TimelineSlice open;
    for (int c = 0; c < CategoryCount; ++c) {
        const auto &order = orders[std::size_t(c)];
        open.ColumnOf[std::size_t(c)] = order.empty() ? -1 : order.back();
    }
    timeline.Slices.push_back(open);

    for (double boundary : DescendingBoundaries(building)) {
        TimelineSlice slice;
        slice.Boundary = boundary;
        for (int c = 0; c < CategoryCount; ++c)
            slice.ColumnOf[std::size_t(c)] =
                ColumnForBoundary(building.ShareColumns[std::size_t(c)], orders[std::size_t(c)], boundary);
        timeline.Slices.push_back(slice);
    }
    return timeline;
}

int ShareSliceOfDate(const ShareTimeline &timeline, double date)
{
    const int n = timeline.LastSlice();
    if (n <= 0)
        return 0;
    if (date != date)
        return n; // a date that is no number lies under no boundary
    // Slice i (1 <= i < n) holds the dates with Boundary(i + 1) < date <=
    // Boundary(i), slice n every date up to Boundary(n), slice 0 those after
    // Boundary(1); the boundaries strictly decrease, so the slice is the
    // number of boundaries on or after the date.
    const auto first = timeline.Slices.begin() + 1;
    const auto after = std::partition_point(first, timeline.Slices.end(),
                                            [date](const TimelineSlice &s) { return s.Boundary >= date; });
    return int(after - first);
}

int SliceCursor::sliceOf(double date)
{
    if (slice_ >= 0 && after_ < date && date <= upTo_)
        return slice_;
    slice_ = ShareSliceOfDate(timeline_, date);
    const int n = timeline_.LastSlice();
    const auto boundary = [this](int i) { return timeline_.Slices[std::size_t(i)].Boundary; };
    constexpr double Infinity = std::numeric_limits<double>::infinity();
    upTo_ = slice_ == 0 ? Infinity : boundary(slice_);
    after_ = slice_ < n ? boundary(slice_ + 1) : -Infinity;
    return slice_;
}

int SliceCursor::columnAt(int category, double date)
{
    if (category < 0 || category >= CategoryCount || timeline_.Slices.empty())
        return -1;
    return timeline_.Slices[std::size_t(sliceOf(date))].ColumnOf[std::size_t(category)];
}

int ShareTimeline::ColumnAt(int category, double date) const
{
    if (category < 0 || category >= CategoryCount || Slices.empty())
        return -1;
    return Slices[std::size_t(ShareSliceOfDate(*this, date))].ColumnOf[std::size_t(category)];
}

} // namespace kelvarino
