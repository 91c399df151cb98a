// The rebuild of the expense and payment lists (filter, order, totals) that
// follows every add, change, deletion and filter change, at the data file's
// limits: 300 flats with owner and resident periods, 32767 expenses (mostly
// individual charges, many on equal dates) and 32767 payments, a filter with
// some persons unchecked. Beside it, a plain std::sort of 32767 (date, index)
// pairs, the cost the rebuild is held against.

#include "core/listfilters.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

using namespace kelvarino;

namespace {

constexpr int Flats = 300;
constexpr int Records = MaxListCount;
constexpr double Start = 45292; // 1 January 2024
constexpr int Days = 366;

BuildingData LargeBuilding()
{
    std::mt19937 random(20240101);
    BuildingData b;
    b.Flats.resize(Flats);
    b.Persons.resize(2 * Flats);
    for (int flat = 0; flat < Flats; ++flat) {
        const auto f = qint16(flat);
        // Each flat changes owner and resident in the middle of the year.
        b.Owners.push_back({qint16(flat), f, NotSetDate, Start + 150});
        b.Owners.push_back({qint16((flat + 1) % Flats), f, Start + 151, NotSetDate});
        b.Residents.push_back({qint16(Flats + flat), f, NotSetDate, Start + 200});
        b.Residents.push_back({qint16(Flats + (flat + 7) % Flats), f, Start + 201, NotSetDate});
    }
    std::uniform_int_distribution<int> day(0, Days / 4); // many records on each day
    std::uniform_int_distribution<int> flat(0, Flats - 1);
    for (int i = 0; i < Records; ++i) {
        ExpenseRecord e;
        e.Date = Start + 4 * day(random);
        e.Category = qint16(i % CategoryCount);
        const bool common = i % 5 == 0;
        e.AllFlats = common ? True16 : False16;
        e.Flat = common ? qint16(-1) : qint16(flat(random));
        e.ChargedToOwner = i % 2 ? True16 : False16;
        e.NotPaidYet = i % 7 == 0 ? True16 : False16;
        e.Amount = float(i % 100) + 0.5f;
        b.Expenses.push_back(e);
        PaymentRecord p;
        p.Date = e.Date;
        p.Flat = qint16(flat(random));
        p.OwnerAmount = float(i % 50);
        p.ResidentAmount = float(i % 30) + 1;
        b.Payments.push_back(p);
    }
    return b;
}

const BuildingData &Building()
{
    static const BuildingData b = LargeBuilding();
    return b;
}

// Every tenth person unchecked, one flat and one category out.
template <class Filter>
Filter SomePersonsUnchecked()
{
    Filter filter;
    ResetFilter(filter, Building());
    for (std::size_t p = 0; p < filter.Persons.size(); p += 10)
        filter.Persons[p] = false;
    filter.Flats[5] = false;
    return filter;
}

void PlainSort(benchmark::State &state)
{
    const BuildingData &b = Building();
    std::vector<std::pair<double, int>> pairs;
    for (std::size_t i = 0; i < b.Expenses.size(); ++i)
        pairs.emplace_back(b.Expenses[i].Date, int(i));
    for (auto _ : state) {
        auto copy = pairs;
        std::sort(copy.begin(), copy.end());
        benchmark::DoNotOptimize(copy.data());
    }
}

void ExpenseListRebuild(benchmark::State &state)
{
    auto filter = SomePersonsUnchecked<ExpenseFilterRecord>();
    filter.Types[3] = false;
    for (auto _ : state) {
        ListedExpenses listed = ListExpenses(Building(), filter);
        benchmark::DoNotOptimize(listed.Indexes.data());
    }
}

void PaymentListRebuild(benchmark::State &state)
{
    const auto filter = SomePersonsUnchecked<PaymentFilterRecord>();
    for (auto _ : state) {
        ListedPayments listed = ListPayments(Building(), filter);
        benchmark::DoNotOptimize(listed.Indexes.data());
    }
}

} // namespace

BENCHMARK(PlainSort)->Unit(benchmark::kMillisecond);
BENCHMARK(ExpenseListRebuild)->Unit(benchmark::kMillisecond);
BENCHMARK(PaymentListRebuild)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
