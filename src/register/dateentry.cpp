#include "dateentry.h"

#include "core/buildingdata.h"
#include "platform/localeservice.h"

namespace kelvarino {

double ReadTypedDate(const QString &text)
{
    const std::optional<double> day = LocaleService::parseDate(text.trimmed());
    return day && IsDateSet(*day) ? *day : NotSetDate;
}

QString DateDisplay(double day)
{
    return IsDateSet(day) ? LocaleService::formatDate(day) : QString();
}

} // namespace kelvarino
