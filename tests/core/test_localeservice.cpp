#include "core/buildingdata.h"
#include "platform/clock.h"
#include "platform/localeservice.h"
#include "testprogram.h"

#include <QtTest>

using namespace kelvarino;

namespace test_localeservice {

class TestLocaleService : public QObject
{
    Q_OBJECT
private slots:
    void dayNumbersCountFromTheEpoch()
    {
        QCOMPARE(LocaleService::dayNumber(QDate(1899, 12, 30)), 0.0);
        QCOMPARE(LocaleService::dayNumber(QDate(1900, 1, 1)), 2.0);
        QCOMPARE(LocaleService::dayNumber(QDate(2024, 1, 1)), 45292.0);
        QCOMPARE(LocaleService::dayNumber(QDate(1000, 1, 1)), NotSetDate);
        QCOMPARE(LocaleService::dateOfDay(45292.0), QDate(2024, 1, 1));
    }

    void parseDate_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("expected"); // invalid: not a date

        QTest::newRow("slashes") << "5/3/2015" << QDate(2015, 3, 5);
        QTest::newRow("dashes") << "05-03-2015" << QDate(2015, 3, 5);
        QTest::newRow("points") << "5.3.2015" << QDate(2015, 3, 5);
        QTest::newRow("blanks around") << " 31/12/2025 " << QDate(2025, 12, 31);
        QTest::newRow("leap day") << "29/2/2024" << QDate(2024, 2, 29);
        QTest::newRow("two-digit 30 is 1930") << "1/1/30" << QDate(1930, 1, 1);
        QTest::newRow("two-digit 99 is 1999") << "1/1/99" << QDate(1999, 1, 1);
        QTest::newRow("two-digit 00 is 2000") << "1/1/00" << QDate(2000, 1, 1);
        QTest::newRow("two-digit 29 is 2029") << "1/1/29" << QDate(2029, 1, 1);
        QTest::newRow("no leap day") << "29/2/2025" << QDate();
        QTest::newRow("31 February") << "31/2/2024" << QDate();
        QTest::newRow("day 0") << "0/1/2024" << QDate();
        QTest::newRow("day 32") << "32/1/2024" << QDate();
        QTest::newRow("month 13") << "1/13/2024" << QDate();
        QTest::newRow("mixed separators") << "1/2-2024" << QDate();
        QTest::newRow("three-digit year") << "1/2/202" << QDate();
        QTest::newRow("no year") << "1/2" << QDate();
        QTest::newRow("text") << "αύριο" << QDate();
        QTest::newRow("empty") << "" << QDate();
        QTest::newRow("trailing text") << "1/2/2024x" << QDate();
    }
    void parseDate()
    {
        QFETCH(QString, typed);
        QFETCH(QDate, expected);
        const std::optional<double> day = LocaleService::parseDate(typed);
        QCOMPARE(day.has_value(), expected.isValid());
        if (day)
            QCOMPARE(*day, LocaleService::dayNumber(expected));
    }

    void formatDateShowsFourDigitYearsAndReadsBack()
    {
        for (const QDate &date : {QDate(2015, 3, 5), QDate(1915, 11, 30), QDate(2029, 1, 1)}) {
            const QString text = LocaleService::formatDate(LocaleService::dayNumber(date));
            QCOMPARE(text, QStringLiteral("%1/%2/%3").arg(date.day()).arg(date.month()).arg(date.year()));
            QCOMPARE(LocaleService::parseDate(text), std::optional<double>(LocaleService::dayNumber(date)));
        }
        QCOMPARE(LocaleService::formatDate(NotSetDate), QString());
    }

    void dateTimeAndToday()
    {
        const QDateTime moment(QDate(2025, 6, 7), QTime(9, 5, 3));
        QCOMPARE(LocaleService::formatDateTime(moment), QStringLiteral("7/6/2025 9:05:03"));
        const FixedClock clock(moment);
        QCOMPARE(LocaleService::today(clock), LocaleService::dayNumber(QDate(2025, 6, 7)));
    }
};

KV_TEST_APPLESS_MAIN(TestLocaleService)

} // namespace test_localeservice
#include "test_localeservice.moc"
