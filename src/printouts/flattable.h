#pragma once

#include "core/buildingdata.h"
#include "printouts/tablepaging.h"

#include <QSizeF>
#include <QString>

#include <array>
#include <functional>

namespace kelvarino {

// Measures a text in the preferred font at `points`, bold or not, in twips at
// magnification 1.
using TextMeasure = std::function<QSizeF(const QString &text, double points, bool bold)>;

// The measured defaults of the two tables of flats (the cash statement and
// the per-mille table): their columns are sized from the same samples.
struct FlatTableSamples
{
    float cellPadding = 30;
    float numberColumnWidth = 0; // "α/α"
    float flatColumnWidth = 0;   // "Διαμέρισμα" (the per-mille table's flat column)
    float titleRowHeight = 0;    // a header band
    std::array<float, 2> defaultWidths{}; // 0: the description (or flat-name) column, 1: a figure column
    float defaultRowHeight = 0;
};

// The samples are measured at 5 points, so that columns sized by them fit the
// larger fonts (8 points and more, scaled) the tables are drawn in.
FlatTableSamples MeasureFlatTableSamples(const BuildingData &building, const TextMeasure &measure);

// A stored width or height below 30, or not finite, is not set.
bool IsSizeSet(float value);
// Widths(0), Widths(1) and Heights(0) of the slot that are not set become the defaults.
void ReadFlatTableSizes(PrintSetting &slot, const FlatTableSamples &samples);

// The measures both tables share (the gap, the rows); the caller adds its
// columns and its header.
TableMeasures FlatTableMeasures(const FlatTableSamples &samples, const PrintSetting &slot, int flatCount);

// The fill of every second flat's row (the flats with an odd index).
inline bool IsShadedFlat(int flat) { return flat % 2 != 0; }

} // namespace kelvarino
