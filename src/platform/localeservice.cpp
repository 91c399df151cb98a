#include "platform/localeservice.h"

#include "platform/clock.h"
#include "platform/dates.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace kelvarino::LocaleService {
namespace {
const QDate &epoch()
{
    static const QDate day0(1899, 12, 30);
    return day0;
}
} // namespace

void installGreekLocale()
{
    QLocale greek(QLocale::Greek, QLocale::Greece);
    greek.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(greek);
}

QChar decimalSeparator()
{
    return QLatin1Char(',');
}

double dayNumber(const QDate &date)
{
    return double(epoch().daysTo(date));
}

QDate dateOfDay(double day)
{
    return epoch().addDays(qint64(std::floor(day)));
}

QString formatDate(double day)
{
    if (!IsDateSet(day) || !std::isfinite(day))
        return QString();
    const QDate date = dateOfDay(day);
    return QStringLiteral("%1/%2/%3").arg(date.day()).arg(date.month()).arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString formatDateTime(const QDateTime &moment)
{
    const QDate d = moment.date();
    const QTime t = moment.time();
    return QStringLiteral("%1/%2/%3 %4:%5:%6")
        .arg(d.day())
        .arg(d.month())
        .arg(d.year(), 4, 10, QLatin1Char('0'))
        .arg(t.hour())
        .arg(t.minute(), 2, 10, QLatin1Char('0'))
        .arg(t.second(), 2, 10, QLatin1Char('0'));
}

std::optional<double> parseDate(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,2})([/.-])(\\d{1,2})\\2(\\d{2}|\\d{4})\\s*$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int day = m.captured(1).toInt();
    const int month = m.captured(3).toInt();
    int year = m.captured(4).toInt();
    if (m.captured(4).size() == 2)
        year += year >= 30 ? 1900 : 2000;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return dayNumber(date);
}

double today(const Clock &clock)
{
    return dayNumber(clock.now().date());
}

} // namespace kelvarino::LocaleService
