#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

namespace kelvarino {

class Clock;

// The program's locale, Greek whatever the system's: decimal comma, no
// grouping, short dates d/M/yyyy with four-digit years. Dates are day numbers
// counted from 30 December 1899.
namespace LocaleService {

// Makes Greek the default locale of the process (call once at start-up).
void installGreekLocale();

QChar decimalSeparator();

double dayNumber(const QDate &date);
QDate dateOfDay(double day);

// The short date of a set day; an empty text for a date that is not set.
QString formatDate(double day);
// "d/M/yyyy H:mm:ss".
QString formatDateTime(const QDateTime &moment);

// A typed date: day/month/year separated by "/", "-" or "."; four-digit years,
// or two-digit years (30 to 99 are 1930 to 1999, 00 to 29 are 2000 to 2029).
// Anything else is not a date.
std::optional<double> parseDate(const QString &text);

double today(const Clock &clock);

} // namespace LocaleService
} // namespace kelvarino
