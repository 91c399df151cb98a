#include "core/buildingdata.h"

namespace kelvarino {

QString FixedCategoryLabel()
{
    return QStringLiteral("ΙΣΟΠΟΣΑ");
}

QString DefaultCategoryLabel(int category)
{
    static const char *const labels[CategoryCount] = {
        "ΙΣΟΠΟΣΑ", "ΚΟΙΝΗ ΧΡΗΣΗ", "ΘΕΡΜΑΝΣΗ", "ΑΝΕΛΚΥΣΤΗΡΑΣ", "ΣΥΝΤΗΡΗΣΗ ΚΤΙΡΙΟΥ", "ΑΛΛΕΣ ΔΑΠΑΝΕΣ",
    };
    if (category < 0 || category >= CategoryCount)
        return QString();
    return QString::fromUtf8(labels[category]);
}

ShareColumn ShareColumn::zeros(int flatCount, double endDate)
{
    ShareColumn column;
    column.EndDate = endDate;
    column.PerMille.assign(std::size_t(flatCount), 0.0f);
    column.ResidentReduction.assign(std::size_t(flatCount), 0.0f);
    column.OwnerReduction.assign(std::size_t(flatCount), 0.0f);
    return column;
}

BuildingData::BuildingData()
{
    for (int c = 0; c < CategoryCount; ++c)
        CategoryLabels[c].set(DefaultCategoryLabel(c));
}

} // namespace kelvarino
