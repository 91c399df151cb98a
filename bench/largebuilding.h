#pragma once

// A building at the data file's limits for the benchmarks: 300 flats, ten
// per-mille columns per category, as many expenses as asked over a span of
// time, and one issue.

#include "core/buildingdata.h"

#include <random>

namespace kelvarino::benchmarks {

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
inline BuildingData LargeBuilding(int expenseCount, const Span &span = WholeYear)
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

} // namespace kelvarino::benchmarks
