#include "core/formatting.h"

#include "core/fixedtext.h"
#include "platform/localeservice.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace kelvarino {
namespace {

// A fractional part below this counts as none when decimals are optional.
constexpr double OptionalDecimalsThreshold = 0.000001;
// More decimals than a float can carry only add zeros.
constexpr int MaxDecimals = 64;

// Adds one unit in the last place of a string of decimal digits; returns
// false when the carry runs out of the front (all nines).
bool IncrementDigits(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return true;
        }
        *it = '0';
    }
    return false;
}

QString NonFiniteText(float value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    return value < 0 ? QStringLiteral("-∞") : QStringLiteral("∞");
}

} // namespace

QString FormatAmount(float value, int decimals, bool fixedDecimals)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    int n = std::clamp(decimals, 0, MaxDecimals);
    if (!fixedDecimals) {
        const double v = value;
        if (std::fabs(v - std::floor(v)) < OptionalDecimalsThreshold)
            n = 0;
    }

    // The float's shortest decimal form that reads back as the same float, so
    // that a typed 0,285 is rounded as 0.285 and not as 0.28499999.
    char buffer[128];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed);
    const std::string shortest(buffer, result.ptr);
    const std::size_t point = shortest.find('.');
    std::string whole = shortest.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : shortest.substr(point + 1);

    // Halves away from zero: the magnitude is rounded up at digit n when that
    // digit is 5 or more.
    if (fraction.size() > std::size_t(n)) {
        const bool roundUp = fraction[std::size_t(n)] >= '5';
        fraction.resize(std::size_t(n));
        if (roundUp && !IncrementDigits(fraction) && !IncrementDigits(whole))
            whole.insert(whole.begin(), '1');
    }
    fraction.resize(std::size_t(n), '0');
    if (!fixedDecimals) {
        while (!fraction.empty() && fraction.back() == '0')
            fraction.pop_back();
    }

    const auto isZeroDigit = [](char c) { return c == '0'; };
    const bool showsZero = std::all_of(whole.begin(), whole.end(), isZeroDigit)
        && std::all_of(fraction.begin(), fraction.end(), isZeroDigit);
    QString text = value < 0 && !showsZero ? QStringLiteral("-") : QString();
    text += QString::fromLatin1(whole.data(), qsizetype(whole.size()));
    if (!fraction.empty()) {
        text += LocaleService::decimalSeparator();
        text += QString::fromLatin1(fraction.data(), qsizetype(fraction.size()));
    }
    return text;
}

QString CommaToPoint(const QString &text)
{
    QString result = text;
    const qsizetype comma = result.indexOf(QLatin1Char(','));
    if (comma >= 0)
        result[comma] = QLatin1Char('.');
    return result;
}

double LeadingNumber(const QString &text)
{
    // Gathers the number's characters, skipping blanks, tabs and line feeds,
    // until a character that cannot continue it.
    enum class Stage { Sign, Whole, Fraction, ExponentSign, Exponent };
    Stage stage = Stage::Sign;
    std::string mantissa;
    std::string exponent;
    bool hasMantissaDigit = false;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        const bool digit = c >= u'0' && c <= u'9';
        if (stage == Stage::Sign && (c == u'+' || c == u'-')) {
            mantissa += char(c);
            stage = Stage::Whole;
        } else if ((stage == Stage::Sign || stage == Stage::Whole) && c == u'.') {
            mantissa += '.';
            stage = Stage::Fraction;
        } else if (digit && (stage == Stage::Sign || stage == Stage::Whole || stage == Stage::Fraction)) {
            mantissa += char(c);
            hasMantissaDigit = true;
            if (stage == Stage::Sign)
                stage = Stage::Whole;
        } else if (hasMantissaDigit && (stage == Stage::Whole || stage == Stage::Fraction)
                   && (c == u'E' || c == u'e' || c == u'D' || c == u'd')) {
            stage = Stage::ExponentSign;
        } else if (stage == Stage::ExponentSign && (c == u'+' || c == u'-')) {
            exponent += char(c);
            stage = Stage::Exponent;
        } else if (digit && (stage == Stage::ExponentSign || stage == Stage::Exponent)) {
            exponent += char(c);
            stage = Stage::Exponent;
        } else {
            break;
        }
    }
    if (!hasMantissaDigit)
        return 0.0;
    std::string number = mantissa;
    if (std::any_of(exponent.begin(), exponent.end(), [](char c) { return c >= '0' && c <= '9'; }))
        number += 'e' + exponent;

    // The C locale's reader, whatever locale the process runs in.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    const double value = strtod_l(number.c_str(), nullptr, cLocale);
    return value == 0.0 ? 0.0 : value; // no negative zero
}

QString RemoveSpaces(const QString &text)
{
    QString result = text;
    result.remove(QLatin1Char(' '));
    return result;
}

QString FileExtension(const QString &name)
{
    const qsizetype point = name.lastIndexOf(QLatin1Char('.'));
    return TrimBlanks(point < 0 ? name : name.mid(point + 1));
}

} // namespace kelvarino
