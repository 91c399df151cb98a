#pragma once

#include "core/buildingdata.h"
#include "core/sharetimeline.h"
#include "printouts/flattable.h"
#include "printouts/tablemessages.h"
#include "printouts/tablepaging.h"

#include <QString>
#include <QStringList>

namespace kelvarino {

// The per-mille table of one share period: per flat, every category's
// per-mille value with the resident's and the owner's reduction.
namespace PerMilleTable {

// The items of the menu "Περίοδοι": "Τρέχουσα", then the closed periods from
// the newest to the oldest. Only the first when no column has an end date.
QStringList PeriodCaptions(const ShareTimeline &timeline);

// The two lines of the period box above the flats' columns.
struct PeriodBox
{
    QString from;
    QString to;
};
PeriodBox PeriodBoxOf(const ShareTimeline &timeline, int shownPeriod);

// The column of the category that the shown period names; nullptr when the
// category has none.
const ShareColumn *ShownColumn(const BuildingData &building, const ShareTimeline &timeline, int shownPeriod,
                               int category);

// A flat's cells: the per-mille always with two decimals, a reduction only
// when above 0.
QString PerMilleText(float value);
QString ReductionText(float value);
// The category total over every flat of the building (not only a page's).
float PerMilleTotal(const ShareColumn &column, int flatCount);

// The table's measures for the paging, from the slot's sizes.
TableMeasures Measures(const FlatTableSamples &samples, const PrintSetting &slot, int flatCount);

// The message of a layout that fails, by its code.
TableProblem LayoutProblem(int code);

} // namespace PerMilleTable
} // namespace kelvarino
