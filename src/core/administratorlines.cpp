#include "core/administratorlines.h"

#include <algorithm>

namespace kelvarino {

namespace {

const PersonRecord *PersonOrNull(const BuildingData &building, int person)
{
    if (person < 0 || person >= building.PersonCount())
        return nullptr;
    return &building.Persons[std::size_t(person)];
}

QString ContactLine(const PersonRecord &person)
{
    if (const QString mobile = person.Mobile.trimmed(); !mobile.isEmpty())
        return QStringLiteral("Κινητό: ") + mobile;
    if (const QString phone = person.Phone.trimmed(); !phone.isEmpty())
        return QStringLiteral("Τηλ: ") + phone;
    if (const QString email = person.Email.trimmed(); !email.isEmpty())
        return QStringLiteral("email: ") + email;
    return QString();
}

} // namespace

AdministratorLines FindAdministrator(const BuildingData &building, double date)
{
    for (const AdministratorPeriod &period : building.Administrators) {
        if (!CoversDate(period, date))
            continue;
        const PersonRecord *person = PersonOrNull(building, period.Person);
        if (!person)
            break;
        AdministratorLines lines;
        lines.AdministratorIndex = period.Person;
        lines.AdministratorCaption =
            (person->Female != 0 ? QStringLiteral("ΔΙΑΧΕΙΡΙΣΤΡΙΑ: ") : QStringLiteral("ΔΙΑΧΕΙΡΙΣΤΗΣ: "))
            + person->Name.trimmed();
        lines.AdministratorContact = ContactLine(*person);
        return lines;
    }
    AdministratorLines none;
    none.AdministratorIndex = -1;
    none.AdministratorCaption = QStringLiteral("ΔΙΑΧΕΙΡΙΣΤΗΣ:");
    return none;
}

namespace {

const std::vector<OccupancyPeriod> &Occupancies(const BuildingData &building, Side side)
{
    return side == Side::Owner ? building.Owners : building.Residents;
}

QString HolderName(const BuildingData &building, const OccupancyPeriod &period)
{
    const PersonRecord *person = PersonOrNull(building, period.Person);
    return person ? person->Name.trimmed() : QString();
}

} // namespace

QString OccupantNameAt(const BuildingData &building, int flat, Side side, double date)
{
    for (const OccupancyPeriod &period : Occupancies(building, side)) {
        if (period.Flat == flat && CoversDate(period, date))
            return HolderName(building, period);
    }
    return QString();
}

std::vector<QString> OccupantNamesAt(const BuildingData &building, int flatCount, Side side, double date)
{
    std::vector<QString> names(std::size_t(std::max(flatCount, 0)));
    std::vector<bool> held(names.size()); // the flat's first covering period is found
    for (const OccupancyPeriod &period : Occupancies(building, side)) {
        const std::size_t flat = std::size_t(period.Flat);
        if (period.Flat < 0 || flat >= names.size() || held[flat] || !CoversDate(period, date))
            continue;
        held[flat] = true;
        names[flat] = HolderName(building, period);
    }
    return names;
}

} // namespace kelvarino
