#pragma once

#include "core/buildingdata.h"

#include <vector>

namespace kelvarino {

// The rules the closing checks of the period windows apply to their lists,
// free of any window.

enum class PeriodProblem {
    None,
    EndsBeforeStart, // a period ends on or before the day it starts
    MissingStart,    // a start date is missing where one is needed
};

// Sorts the periods by start date with the exchange sort the printouts rely
// on: i over the list, j over the periods after it, exchanged when i starts
// strictly later. It is not stable. True when anything was exchanged.
template <class Period>
bool ExchangeSortByStart(std::vector<Period> &periods)
{
    bool exchanged = false;
    for (std::size_t i = 0; i + 1 < periods.size(); ++i) {
        for (std::size_t j = i + 1; j < periods.size(); ++j) {
            if (periods[i].FromDate > periods[j].FromDate) {
                std::swap(periods[i], periods[j]);
                exchanged = true;
            }
        }
    }
    return exchanged;
}

// Whether the period ends on or before its start (an end date is needed).
template <class Period>
bool EndsBeforeStart(const Period &period)
{
    return IsDateSet(period.ToDate) && period.ToDate <= period.FromDate;
}

struct OccupancyCheck
{
    PeriodProblem problem = PeriodProblem::None;
    int flat = -1;                // the flat to show with the problem
    std::vector<int> flatsWithout; // flats without any period, in the order of the flats
};

// The owners' or residents' list at closing: the first period that ends before
// it starts, else the first flat with two or more periods of which one has no
// start, else the flats that have no period at all.
OccupancyCheck CheckOccupancy(const std::vector<OccupancyPeriod> &periods, int flatCount);

// Rewrites the list flat by flat in the order of the flats, each flat's
// periods sorted by start. A period naming no existing flat keeps its place
// after them. True when the sort exchanged periods (the regrouping alone is no
// change of the work).
bool GroupAndSortOccupancy(std::vector<OccupancyPeriod> &periods, int flatCount);

// The administrators' list at closing: a period ending before it starts, else,
// unless the list is one period without dates, a period without a start.
PeriodProblem CheckAdministrators(const std::vector<AdministratorPeriod> &periods);

// The positions in the list of the periods of one flat, in list order.
std::vector<int> PeriodsOfFlat(const std::vector<OccupancyPeriod> &periods, int flat);

} // namespace kelvarino
