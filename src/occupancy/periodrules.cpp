#include "occupancy/periodrules.h"

namespace kelvarino {

OccupancyCheck CheckOccupancy(const std::vector<OccupancyPeriod> &periods, int flatCount)
{
    OccupancyCheck check;
    for (const OccupancyPeriod &p : periods) {
        if (EndsBeforeStart(p)) {
            check.problem = PeriodProblem::EndsBeforeStart;
            check.flat = p.Flat;
            return check;
        }
    }
    std::vector<int> counts(std::size_t(std::max(flatCount, 0)), 0);
    std::vector<bool> withoutStart(counts.size(), false);
    for (const OccupancyPeriod &p : periods) {
        if (p.Flat < 0 || p.Flat >= flatCount)
            continue;
        ++counts[std::size_t(p.Flat)];
        if (!IsDateSet(p.FromDate))
            withoutStart[std::size_t(p.Flat)] = true;
    }
    for (int flat = 0; flat < flatCount; ++flat) {
        if (counts[std::size_t(flat)] >= 2 && withoutStart[std::size_t(flat)]) {
            check.problem = PeriodProblem::MissingStart;
            check.flat = flat;
            return check;
        }
    }
    for (int flat = 0; flat < flatCount; ++flat)
        if (counts[std::size_t(flat)] == 0)
            check.flatsWithout.push_back(flat);
    return check;
}

bool GroupAndSortOccupancy(std::vector<OccupancyPeriod> &periods, int flatCount)
{
    std::vector<std::vector<OccupancyPeriod>> byFlat(std::size_t(std::max(flatCount, 0)));
    std::vector<OccupancyPeriod> elsewhere;
    for (const OccupancyPeriod &p : periods) {
        if (p.Flat >= 0 && p.Flat < flatCount)
            byFlat[std::size_t(p.Flat)].push_back(p);
        else
            elsewhere.push_back(p);
    }
    bool exchanged = false;
    periods.clear();
    for (std::vector<OccupancyPeriod> &flat : byFlat) {
        exchanged = ExchangeSortByStart(flat) || exchanged;
        periods.insert(periods.end(), flat.begin(), flat.end());
    }
    periods.insert(periods.end(), elsewhere.begin(), elsewhere.end());
    return exchanged;
}

PeriodProblem CheckAdministrators(const std::vector<AdministratorPeriod> &periods)
{
    for (const AdministratorPeriod &p : periods)
        if (EndsBeforeStart(p))
            return PeriodProblem::EndsBeforeStart;
    if (periods.size() == 1 && !IsDateSet(periods[0].FromDate) && !IsDateSet(periods[0].ToDate))
        return PeriodProblem::None;
    for (const AdministratorPeriod &p : periods)
        if (!IsDateSet(p.FromDate))
            return PeriodProblem::MissingStart;
    return PeriodProblem::None;
}

std::vector<int> PeriodsOfFlat(const std::vector<OccupancyPeriod> &periods, int flat)
{
    std::vector<int> listed;
    for (int i = 0; i < int(periods.size()); ++i)
        if (periods[std::size_t(i)].Flat == flat)
            listed.push_back(i);
    return listed;
}

} // namespace kelvarino
