#pragma once

#include <QString>

namespace kelvarino {

// The rule of every date box: a typed text that the locale recognises as a
// day later than 1 January 1000 is that day; anything else (no date, an
// impossible date, a day on or before 1 January 1000) leaves the date not set
// and the box empty.
double ReadTypedDate(const QString &text);

// The longest a date is typed: two-digit day and month, four-digit year.
inline const QString LongestDate = QStringLiteral("28/08/2088");

// A date as its box shows it: the short date, or nothing when not set.
QString DateDisplay(double day);

} // namespace kelvarino
