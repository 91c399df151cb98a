#include "core/administratorlines.h"

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

QString OccupantNameAt(const BuildingData &building, int flat, Side side, double date)
{
    const auto &periods = side == Side::Owner ? building.Owners : building.Residents;
    for (const OccupancyPeriod &period : periods) {
        if (period.Flat != flat || !CoversDate(period, date))
            continue;
        const PersonRecord *person = PersonOrNull(building, period.Person);
        return person ? person->Name.trimmed() : QString();
    }
    return QString();
}

} // namespace kelvarino
