#include "core/listfilters.h"

#include "core/administratorlines.h"

#include <algorithm>
#include <cmath>

namespace kelvarino {

namespace {

template <class Filter>
void ResetCommon(Filter &filter, const BuildingData &building)
{
    filter.FromDate = NotSetDate;
    filter.ToDate = NotSetDate;
    filter.Flats.assign(std::size_t(building.FlatCount()), true);
    filter.Persons.assign(std::size_t(building.PersonCount()), true);
}

bool WithinBounds(double from, double to, double date)
{
    return (!IsDateSet(from) || date >= from) && (!IsDateSet(to) || date <= to);
}

// The periods of one side whose person is unchecked, grouped by flat, so that
// a record looks only at those of its own flat.
class UncheckedPeriods
{
public:
    UncheckedPeriods(const std::vector<OccupancyPeriod> &periods, const std::vector<bool> &persons, int flatCount)
    {
        if (std::all_of(persons.begin(), persons.end(), [](bool checked) { return checked; }))
            return;
        byFlat_.resize(std::size_t(std::max(flatCount, 0)));
        for (const OccupancyPeriod &period : periods) {
            if (period.Flat < 0 || period.Flat >= flatCount || IsChecked(persons, period.Person))
                continue;
            byFlat_[std::size_t(period.Flat)].push_back(&period);
            any_ = true;
        }
    }

    // Whether a period of the flat with an unchecked person covers the date.
    bool covers(int flat, double date) const
    {
        if (!any_ || flat < 0 || std::size_t(flat) >= byFlat_.size())
            return false;
        const auto &periods = byFlat_[std::size_t(flat)];
        return std::any_of(periods.begin(), periods.end(),
                           [date](const OccupancyPeriod *p) { return CoversDate(*p, date); });
    }

private:
    std::vector<std::vector<const OccupancyPeriod *>> byFlat_;
    bool any_ = false;
};

// The expense rule with the persons' periods prepared once.
class ExpenseRule
{
public:
    ExpenseRule(const ExpenseFilterRecord &filter, const BuildingData &building)
        : filter_(filter), owners_(building.Owners, filter.Persons, building.FlatCount()),
          residents_(building.Residents, filter.Persons, building.FlatCount())
    {
    }

    bool passes(const ExpenseRecord &e) const
    {
        if (e.Category < 0 || e.Category >= CategoryCount || !filter_.Types[std::size_t(e.Category)])
            return false;
        const bool common = e.AllFlats != 0;
        if (common ? !filter_.RefersToAll : !IsChecked(filter_.Flats, e.Flat))
            return false;
        if (!WithinBounds(filter_.FromDate, filter_.ToDate, e.Date))
            return false;
        const bool owner = e.ChargedToOwner != 0;
        if (!(owner ? filter_.Owner : filter_.Resident))
            return false;
        if (!(e.NotPaidYet != 0 ? filter_.NotPaid : filter_.Paid))
            return false;
        if (common)
            return true;
        return !(owner ? owners_ : residents_).covers(e.Flat, e.Date);
    }

private:
    const ExpenseFilterRecord &filter_;
    UncheckedPeriods owners_;
    UncheckedPeriods residents_;
};

class PaymentRule
{
public:
    PaymentRule(const PaymentFilterRecord &filter, const BuildingData &building)
        : filter_(filter), owners_(building.Owners, filter.Persons, building.FlatCount()),
          residents_(building.Residents, filter.Persons, building.FlatCount())
    {
    }

    bool passes(const PaymentRecord &p) const
    {
        if (!IsChecked(filter_.Flats, p.Flat) || !WithinBounds(filter_.FromDate, filter_.ToDate, p.Date))
            return false;
        // Hidden by the persons only when both the owner and the resident at
        // that date are unchecked.
        return !(owners_.covers(p.Flat, p.Date) && residents_.covers(p.Flat, p.Date));
    }

private:
    const PaymentFilterRecord &filter_;
    UncheckedPeriods owners_;
    UncheckedPeriods residents_;
};

std::vector<int> IndexesOf(std::vector<std::pair<double, int>> &entries)
{
    SortLatestFirst(entries);
    std::vector<int> indexes;
    indexes.reserve(entries.size());
    for (const auto &entry : entries)
        indexes.push_back(entry.second);
    return indexes;
}

} // namespace

void ResetFilter(ExpenseFilterRecord &filter, const BuildingData &building)
{
    ResetCommon(filter, building);
    filter.Types.fill(true);
    filter.RefersToAll = true;
    filter.Owner = true;
    filter.Resident = true;
    filter.Paid = true;
    filter.NotPaid = true;
}

void ResetFilter(PaymentFilterRecord &filter, const BuildingData &building)
{
    ResetCommon(filter, building);
}

bool IsChecked(const std::vector<bool> &switches, int index)
{
    return index < 0 || std::size_t(index) >= switches.size() || switches[std::size_t(index)];
}

bool ExpensePasses(const ExpenseFilterRecord &filter, const BuildingData &building, const ExpenseRecord &expense)
{
    return ExpenseRule(filter, building).passes(expense);
}

bool PaymentPasses(const PaymentFilterRecord &filter, const BuildingData &building, const PaymentRecord &payment)
{
    return PaymentRule(filter, building).passes(payment);
}

void SortLatestFirst(std::vector<std::pair<double, int>> &entries)
{
    std::sort(entries.begin(), entries.end(), [](const std::pair<double, int> &a, const std::pair<double, int> &b) {
        const bool aNumber = !std::isnan(a.first);
        const bool bNumber = !std::isnan(b.first);
        if (aNumber != bNumber)
            return aNumber;
        if (aNumber && a.first != b.first)
            return a.first > b.first;
        return a.second > b.second;
    });
}

int RecordNumbered(const std::vector<int> &listed, qint64 number)
{
    const auto count = qint64(listed.size());
    if (number < 1 || number > count)
        return -1;
    return listed[std::size_t(count - number)];
}

ListedExpenses ListExpenses(const BuildingData &building, const ExpenseFilterRecord &filter)
{
    const ExpenseRule rule(filter, building);
    std::vector<std::pair<double, int>> entries;
    entries.reserve(building.Expenses.size());
    ListedExpenses listed;
    for (std::size_t i = 0; i < building.Expenses.size(); ++i) {
        const ExpenseRecord &e = building.Expenses[i];
        if (!rule.passes(e))
            continue;
        entries.emplace_back(e.Date, int(i));
        listed.Total += e.Amount;
    }
    listed.Indexes = IndexesOf(entries);
    return listed;
}

ListedPayments ListPayments(const BuildingData &building, const PaymentFilterRecord &filter)
{
    const PaymentRule rule(filter, building);
    std::vector<std::pair<double, int>> entries;
    entries.reserve(building.Payments.size());
    ListedPayments listed;
    for (std::size_t i = 0; i < building.Payments.size(); ++i) {
        const PaymentRecord &p = building.Payments[i];
        if (!rule.passes(p))
            continue;
        entries.emplace_back(p.Date, int(i));
        listed.OwnerTotal += p.OwnerAmount;
        listed.ResidentTotal += p.ResidentAmount;
    }
    listed.Indexes = IndexesOf(entries);
    return listed;
}

} // namespace kelvarino
