#include "printouts/permilletable.h"

#include "core/floatarithmetic.h"
#include "core/formatting.h"
#include "platform/localeservice.h"
#include "printouts/tablemessages.h"

namespace kelvarino::PerMilleTable {

namespace {

QString Date(double day)
{
    return LocaleService::formatDate(day);
}

double Boundary(const ShareTimeline &timeline, int slice)
{
    return timeline.Slices[std::size_t(slice)].Boundary;
}

} // namespace

QStringList PeriodCaptions(const ShareTimeline &timeline)
{
    QStringList captions{QStringLiteral("Τρέχουσα")};
    const int n = timeline.LastSlice();
    for (int i = 1; i < n; ++i)
        captions << QStringLiteral("Από: ") + Date(Boundary(timeline, i + 1) + 1) + QStringLiteral(", ")
                        + QStringLiteral("Έως: ") + Date(Boundary(timeline, i));
    if (n >= 1)
        captions << QStringLiteral("Από την αρχή, ") + QStringLiteral("Έως: ") + Date(Boundary(timeline, n));
    return captions;
}

PeriodBox PeriodBoxOf(const ShareTimeline &timeline, int shownPeriod)
{
    const int n = timeline.LastSlice();
    const QString fromStart = QStringLiteral("Από την αρχή");
    const QString untilToday = QStringLiteral("Έως σήμερα");
    if (n == 0)
        return {fromStart, untilToday};
    const QString from = shownPeriod == n ? fromStart : QStringLiteral("Από: ") + Date(Boundary(timeline, shownPeriod + 1) + 1);
    const QString to = shownPeriod == 0 ? untilToday : QStringLiteral("Έως: ") + Date(Boundary(timeline, shownPeriod));
    return {from, to};
}

const ShareColumn *ShownColumn(const BuildingData &building, const ShareTimeline &timeline, int shownPeriod,
                               int category)
{
    if (shownPeriod < 0 || shownPeriod > timeline.LastSlice())
        return nullptr;
    return ColumnOrNull(building, category,
                        timeline.Slices[std::size_t(shownPeriod)].ColumnOf[std::size_t(category)]);
}

QString PerMilleText(float value)
{
    return FormatAmount(value);
}

QString ReductionText(float value)
{
    return value > 0 ? FormatAmount(value) : QString();
}

float PerMilleTotal(const ShareColumn &column, int flatCount)
{
    float total = 0;
    for (int flat = 0; flat < flatCount; ++flat)
        Accumulate(total, PerFlatValue(column.PerMille, flat));
    return total;
}

TableMeasures Measures(const FlatTableSamples &samples, const PrintSetting &slot, int flatCount)
{
    TableMeasures t = FlatTableMeasures(samples, slot, flatCount);
    t.firstColumns = samples.numberColumnWidth + samples.flatColumnWidth + slot.Widths[0];
    t.groupWidths.assign(CategoryCount, 3 * slot.Widths[1]);
    t.headerHeight = 4 * samples.titleRowHeight + samples.cellPadding;
    return t;
}

TableProblem LayoutProblem(int code)
{
    switch (code) {
    case FirstColumnsTooWide:
        return {QStringLiteral("Οι πρώτες στήλες των διαμερισμάτων (α/α, διαμέρισμα και χαρακτηρισμός) "
                               "είναι τόσο πλατιές που δεν χωράνε στο χαρτί ούτε σε οριζόντιο "
                               "προσανατολισμό."),
                QStringLiteral("Μικρύνετε το πλάτος του χαρακτηρισμού και επανέλθετε.")};
    case GroupTooWide:
        return {QStringLiteral("Οι τρεις στήλες μιας κατηγορίας είναι τόσο πλατιές που δεν χωράνε στο "
                               "χαρτί ούτε σε οριζόντιο προσανατολισμό."),
                QStringLiteral("Μικρύνετε το πλάτος της στήλης των χιλιοστών και επανέλθετε.")};
    default:
        return RowTooTallProblem();
    }
}

} // namespace kelvarino::PerMilleTable
