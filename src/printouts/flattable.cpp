#include "printouts/flattable.h"

#include <algorithm>
#include <cmath>

namespace kelvarino {

FlatTableSamples MeasureFlatTableSamples(const BuildingData &building, const TextMeasure &measure)
{
    constexpr double Points = 5;
    const auto width = [&](const QString &text) { return float(measure(text, Points, true).width()); };
    FlatTableSamples s;
    s.cellPadding = 30;
    s.numberColumnWidth = width(QStringLiteral("ΑΑα/αΑΑ"));
    s.flatColumnWidth = width(QStringLiteral("AAΔιαμέρισμαAA")) + 90;
    float figure = s.flatColumnWidth;
    for (const FlatRecord &flat : building.Flats)
        figure = std::max(figure, width(flat.ShortName.trimmed()));
    s.defaultWidths = {width(QStringLiteral("Χαρακτηρισμός")) + 90, figure + 90};
    s.titleRowHeight = 2 * float(measure(QStringLiteral("_Θ"), Points, false).height()) + 135;
    s.defaultRowHeight = s.titleRowHeight;
    return s;
}

bool IsSizeSet(float value)
{
    return std::isfinite(value) && value >= 30;
}

void ReadFlatTableSizes(PrintSetting &slot, const FlatTableSamples &samples)
{
    for (std::size_t i = 0; i < 2; ++i)
        if (!IsSizeSet(slot.Widths[i]))
            slot.Widths[i] = samples.defaultWidths[i];
    if (!IsSizeSet(slot.Heights[0]))
        slot.Heights[0] = samples.defaultRowHeight;
}

TableMeasures FlatTableMeasures(const FlatTableSamples &samples, const PrintSetting &slot, int flatCount)
{
    TableMeasures t;
    t.gap = samples.cellPadding;
    t.rowHeight = slot.Heights[0];
    t.rowCount = flatCount;
    t.minimumMagnification = 0.75f;
    return t;
}

} // namespace kelvarino
