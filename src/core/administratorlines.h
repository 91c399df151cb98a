#pragma once

#include "core/buildingdata.h"
#include "core/side.h"

#include <QString>

#include <vector>

namespace kelvarino {

// Whether a dated period (administrator, owner or resident) covers the date:
// both ends included, an end that is not set open.
template <class Period>
bool CoversDate(const Period &period, double date)
{
    return (!IsDateSet(period.FromDate) || period.FromDate <= date)
        && (!IsDateSet(period.ToDate) || period.ToDate >= date);
}

// The administrator of the building at a date and the two lines the
// statements print about them.
struct AdministratorLines
{
    int AdministratorIndex = 0; // into Persons; -1 when no period covers the date
    QString AdministratorCaption;
    QString AdministratorContact;
    friend bool operator==(const AdministratorLines &, const AdministratorLines &) = default;
};

// The first administrator period in list order that covers the date.
AdministratorLines FindAdministrator(const BuildingData &building, double date);

// The trimmed name of the flat's owner or resident at the date: the first of
// the flat's periods in list order that covers it; "" when none does.
QString OccupantNameAt(const BuildingData &building, int flat, Side side, double date);

// OccupantNameAt for the flats 0 to flatCount - 1 at once, in one pass over
// the periods instead of one pass per flat.
std::vector<QString> OccupantNamesAt(const BuildingData &building, int flatCount, Side side, double date);

} // namespace kelvarino
