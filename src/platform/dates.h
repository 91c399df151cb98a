#pragma once

namespace kelvarino {

// Dates count whole days from 30 December 1899; this day (1 January 1000)
// stands for "no date": an open start or end, an empty date field.
inline constexpr double NotSetDate = -328716.0;
inline bool IsDateSet(double date) { return date > NotSetDate; }

} // namespace kelvarino
