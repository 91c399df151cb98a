#pragma once

#include <QString>

namespace kelvarino {

// The amount as text with n decimals (fixed, or optional when fixedDecimals is
// false), the program's decimal comma, no grouping, halves rounded away from zero.
QString FormatAmount(float value, int decimals = 2, bool fixedDecimals = true);

// The typed text with its first comma replaced by a point.
QString CommaToPoint(const QString &text);

// The number with which the text begins (blanks, tabs and line feeds inside it
// skipped), 0 when it begins with none.
double LeadingNumber(const QString &text);

// A typed decimal number: CommaToPoint, then LeadingNumber.
inline double ParseTypedNumber(const QString &text) { return LeadingNumber(CommaToPoint(text)); }

// The text without any blank (character 32).
QString RemoveSpaces(const QString &text);

// The text after the last point of the name, trimmed; the whole name without one.
QString FileExtension(const QString &name);

} // namespace kelvarino
