// The whole computation behind one issue's notifications (balances,
// workspace, split of every common expense) at the data file's limits,
// against a bare loop that only multiplies every common expense's amount by
// every flat's per-mille.

#include "core/issuecommands.h"
#include "platform/messageservice.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace kelvarino;

namespace {

constexpr int Flats = 300;
constexpr int ColumnsPerCategory = 10;
constexpr double YearStart = 45292; // 1 January 2024
constexpr int DaysInYear = 366;

// 300 flats; per category nine columns ending through the year and the open
// one; in the lift's category two flats pay no residents' share and one
// owner has a reduction; the expenses spread over the year, nine in ten
// common.
BuildingData LargeBuilding(int expenseCount)
{
    std::mt19937 random(20240101);
    BuildingData b;
    b.Flats.resize(Flats);
    for (int c = 0; c < CategoryCount; ++c) {
        for (int k = 0; k < ColumnsPerCategory; ++k) {
            const bool open = k == ColumnsPerCategory - 1;
            ShareColumn column = ShareColumn::zeros(Flats, open ? NotSetDate : YearStart + 30 * (k + 1) + c);
            for (int f = 0; f < Flats; ++f)
                column.PerMille[std::size_t(f)] = float(1 + random() % 700) / 100.0f;
            if (c == 3) {
                column.ResidentReduction[0] = 100;
                column.ResidentReduction[1] = 100;
                column.OwnerReduction[std::size_t(10 + k)] = 20;
            }
            b.ShareColumns[std::size_t(c)].push_back(std::move(column));
        }
    }
    for (int e = 0; e < expenseCount; ++e) {
        ExpenseRecord expense;
        expense.Date = YearStart + double(e % DaysInYear);
        expense.Category = qint16(e % CategoryCount);
        expense.ChargedToOwner = (e / CategoryCount) % 3 == 0 ? True16 : False16;
        expense.AllFlats = e % 10 == 9 ? False16 : True16;
        expense.Flat = expense.AllFlats ? qint16(-1) : qint16(e % Flats);
        expense.Amount = float(1 + random() % 100000) / 100.0f;
        b.Expenses.push_back(expense);
    }
    b.Issues.push_back({YearStart, YearStart + DaysInYear - 1, YearStart + DaysInYear, {}});
    return b;
}

void IssueChain(benchmark::State &state)
{
    const BuildingData building = LargeBuilding(int(state.range(0)));
    RecordingMessageService messages; // answers the question about per-mille changes with Yes
    PeriodResults results;
    for (auto _ : state) {
        messages.shown.clear();
        if (PrepareNotifications(building, 0, messages, results) != CommandOutcome::OpenReport)
            state.SkipWithError("the notifications stopped");
        benchmark::DoNotOptimize(results.Workspace.StatementTotal);
    }
}

template <class Product>
void MultiplyEveryCommonExpenseByEveryPerMille(benchmark::State &state, Product product)
{
    const BuildingData building = LargeBuilding(int(state.range(0)));
    const std::vector<float> &perMille = building.ShareColumns[1].back().PerMille;
    std::vector<float> sums(Flats);
    for (auto _ : state) {
        for (const ExpenseRecord &e : building.Expenses) {
            if (e.AllFlats == 0)
                continue;
            for (int f = 0; f < Flats; ++f)
                sums[std::size_t(f)] += product(e.Amount, perMille[std::size_t(f)]);
        }
        benchmark::DoNotOptimize(sums.data());
        benchmark::ClobberMemory();
    }
}

void BareLoop(benchmark::State &state)
{
    MultiplyEveryCommonExpenseByEveryPerMille(state, [](float amount, float perMille) { return amount * perMille; });
}

// The same products as the program evaluates a formula: in double, rounded to float.
void BareLoopProgramArithmetic(benchmark::State &state)
{
    MultiplyEveryCommonExpenseByEveryPerMille(
        state, [](float amount, float perMille) { return float(double(amount) * double(perMille)); });
}

} // namespace

BENCHMARK(BareLoop)->Arg(16383)->Arg(32766)->Unit(benchmark::kMillisecond);
BENCHMARK(BareLoopProgramArithmetic)->Arg(16383)->Arg(32766)->Unit(benchmark::kMillisecond);
BENCHMARK(IssueChain)->Arg(16383)->Arg(32766)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
