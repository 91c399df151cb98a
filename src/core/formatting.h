#pragma once

#include <QString>

#include <algorithm>

namespace kelvarino {

// The amount as text with n decimals (fixed, or optional when fixedDecimals is
// false), the program's decimal comma, no grouping, halves rounded away from zero.
// The rounding works on the shortest decimal form of the float, so a typed
// 0,285 shows 0,29; a value that rounds to zero never shows a minus sign.
QString FormatAmount(float value, int decimals = 2, bool fixedDecimals = true);

// The typed text with its first comma replaced by a point.
QString CommaToPoint(const QString &text);

// The number with which the text begins: an optional sign, digits, one point,
// digits and an optional exponent (E or D); blanks, tabs and line feeds inside
// it are skipped and reading stops at the first character that cannot continue
// it. 0 when the text begins with no number; infinite when the exponent is
// beyond a double's range, for the caller's range check to refuse.
double LeadingNumber(const QString &text);

// A typed decimal number: CommaToPoint, then LeadingNumber.
inline double ParseTypedNumber(const QString &text) { return LeadingNumber(CommaToPoint(text)); }

// The text without any blank (character 32).
QString RemoveSpaces(const QString &text);

// The text after the last point of the name, trimmed; the whole name without one.
QString FileExtension(const QString &name);

// The widest that a text of digits laid out as `pattern` (its digits stand
// for any digit, its other characters for themselves) can be in some font, as
// `width` measures a text: the widest of the pattern filled with one digit
// repeated, since a font's digits need not be as wide as each other.
template <typename Width> double WidestDigitsWidth(const QString &pattern, Width width)
{
    double widest = 0;
    for (char digit = '0'; digit <= '9'; ++digit) {
        QString text = pattern;
        for (QChar &ch : text)
            if (ch.isDigit())
                ch = QLatin1Char(digit);
        widest = std::max(widest, double(width(text)));
    }
    return widest;
}

// The widest that a running number of `digits` digits can be.
template <typename Width> double WidestNumberWidth(int digits, Width width)
{
    return WidestDigitsWidth(QString(digits, QLatin1Char('0')), width);
}

} // namespace kelvarino
