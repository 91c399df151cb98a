// The whole computation behind one issue's notifications (balances,
// workspace, split of every common expense) at the data file's limits,
// against a bare loop that only multiplies every common expense's amount by
// every flat's per-mille. Two issues: one covering a whole year of expenses
// (every expense passes through the balances and the statements), and the
// last quarter of two years of expenses (the balances still pass through
// every expense, the statements through the quarter's). The bare loop runs
// as the compiler builds it by default and, as WideBareLoop, with the wider
// vectors the program's row helpers use where the processor has them.

#include "core/issuecommands.h"
#include "largebuilding.h"
#include "platform/messageservice.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace kelvarino;
using namespace kelvarino::benchmarks;

namespace {

void RunIssueChain(benchmark::State &state, const Span &span)
{
    const BuildingData building = LargeBuilding(int(state.range(0)), span);
    RecordingMessageService messages; // answers the question about per-mille changes with Yes
    PeriodResults results;
    for (auto _ : state) {
        messages.shown.clear();
        if (PrepareNotifications(building, 0, messages, results) != CommandOutcome::OpenReport)
            state.SkipWithError("the notifications stopped");
        benchmark::DoNotOptimize(results.Workspace.StatementTotal);
    }
}

void IssueChain(benchmark::State &state)
{
    RunIssueChain(state, WholeYear);
}

void IssueChainLastQuarter(benchmark::State &state)
{
    RunIssueChain(state, LastQuarterOfTwoYears);
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

// The bare loop compiled as wide as the program's own row helpers are where
// the processor allows it, so that the comparison does not flatter them.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__SANITIZE_ADDRESS__)
__attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#endif
void WideBareLoopBody(const BuildingData &building, const float *perMille, float *sums)
{
    for (const ExpenseRecord &e : building.Expenses) {
        if (e.AllFlats == 0)
            continue;
        for (int f = 0; f < Flats; ++f)
            sums[f] += e.Amount * perMille[f];
    }
}

void WideBareLoop(benchmark::State &state)
{
    const BuildingData building = LargeBuilding(int(state.range(0)));
    const std::vector<float> &perMille = building.ShareColumns[1].back().PerMille;
    std::vector<float> sums(Flats);
    for (auto _ : state) {
        WideBareLoopBody(building, perMille.data(), sums.data());
        benchmark::DoNotOptimize(sums.data());
        benchmark::ClobberMemory();
    }
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
BENCHMARK(WideBareLoop)->Arg(16383)->Arg(32766)->Unit(benchmark::kMillisecond);
BENCHMARK(IssueChain)->Arg(16383)->Arg(32766)->Unit(benchmark::kMillisecond);
BENCHMARK(IssueChainLastQuarter)->Arg(16383)->Arg(32766)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
