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
#include "platform/messageservice.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace kelvarino;

namespace {

constexpr int Flats = 300;
constexpr int ColumnsPerCategory = 10;
constexpr double YearStart = 45292; // 1 January 2024
constexpr int DaysInYear = 366;
constexpr double TwoYearsStart = 44927; // 1 January 2023
constexpr int DaysInTwoYears = 731;
constexpr double LastQuarterStart = 45566; // 1 October 2024

// How the expenses spread over time and which period the issue covers.
struct Span
{
    double start;
    int days;
    double periodFrom;
    int columnDays; // a column ends every so many days
};
// The issue covers every expense.
constexpr Span WholeYear{YearStart, DaysInYear, YearStart, 30};
// Two years of expenses and an issue of the last quarter: the balances still
// go through every expense, the statements only through the quarter's.
constexpr Span LastQuarterOfTwoYears{TwoYearsStart, DaysInTwoYears, LastQuarterStart, 60};

// 300 flats, each with two owners and two residents in turn; per category
// nine columns ending through the span and the open one; in the lift's
// category two flats pay no residents' share and one owner has a reduction;
// the expenses spread over the span, nine in ten common.
BuildingData LargeBuilding(int expenseCount, const Span &span = WholeYear)
{
    std::mt19937 random(20240101);
    BuildingData b;
    b.Flats.resize(Flats);
    for (int c = 0; c < CategoryCount; ++c) {
        for (int k = 0; k < ColumnsPerCategory; ++k) {
            const bool open = k == ColumnsPerCategory - 1;
            const double end = span.start + span.columnDays * (k + 1) + c;
            ShareColumn column = ShareColumn::zeros(Flats, open ? NotSetDate : end);
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
        expense.Date = span.start + double(e % span.days);
        expense.Category = qint16(e % CategoryCount);
        expense.ChargedToOwner = (e / CategoryCount) % 3 == 0 ? True16 : False16;
        expense.AllFlats = e % 10 == 9 ? False16 : True16;
        expense.Flat = expense.AllFlats ? qint16(-1) : qint16(e % Flats);
        expense.Amount = float(1 + random() % 100000) / 100.0f;
        b.Expenses.push_back(expense);
    }
    // Every flat has had two owners and two residents, the first of each
    // until the middle of the span, as the statements' names are looked up.
    const double middle = span.start + span.days / 2;
    for (int f = 0; f < Flats; ++f) {
        for (auto *periods : {&b.Owners, &b.Residents}) {
            for (bool earlier : {true, false}) {
                PersonRecord person;
                person.Name.set(QStringLiteral("Person %1").arg(b.PersonCount()));
                b.Persons.push_back(person);
                periods->push_back({qint16(b.PersonCount() - 1), qint16(f), earlier ? NotSetDate : middle + 1,
                                    earlier ? middle : NotSetDate});
            }
        }
    }
    const double periodTo = span.start + span.days - 1;
    b.Issues.push_back({span.periodFrom, periodTo, periodTo + 1, {}});
    return b;
}

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
