#include "core/formatting.h"
#include "testprogram.h"

#include <QtTest>

#include <limits>

using namespace kelvarino;

namespace test_formatting {

class TestFormatting : public QObject
{
    Q_OBJECT
private slots:
    void formatAmount_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<QString>("expected");

        QTest::newRow("two fixed") << 1234.5f << 2 << true << "1234,50";
        QTest::newRow("zero") << 0.0f << 2 << true << "0,00";
        QTest::newRow("negative") << -3.0f << 2 << true << "-3,00";
        QTest::newRow("half up") << 0.125f << 2 << true << "0,13";
        QTest::newRow("negative half away from zero") << -0.125f << 2 << true << "-0,13";
        QTest::newRow("typed value not its binary neighbour") << 0.285f << 2 << true << "0,29";
        QTest::newRow("carry into the whole part") << 29.999998f << 2 << true << "30,00";
        QTest::newRow("carry adds a digit") << 99.995f << 2 << true << "100,00";
        QTest::newRow("no grouping") << 1234567.0f << 2 << true << "1234567,00";
        QTest::newRow("tiny negative shows no sign") << -0.001f << 2 << true << "0,00";
        QTest::newRow("negative zero") << -0.0f << 2 << true << "0,00";
        QTest::newRow("below one") << 0.5f << 2 << true << "0,50";
        QTest::newRow("three decimals") << 1.0005f << 3 << true << "1,001";
        QTest::newRow("no decimals") << 2.5f << 0 << true << "3";
        QTest::newRow("no decimals negative") << -2.5f << 0 << true << "-3";
        QTest::newRow("optional one decimal") << 2.5f << 2 << false << "2,5";
        QTest::newRow("optional rounds to nothing") << 2.001f << 2 << false << "2";
        QTest::newRow("optional whole") << 3.0f << 2 << false << "3";
        QTest::newRow("optional no decimals") << 2.5f << 0 << false << "3";
        QTest::newRow("optional rounds up to whole") << 2.999f << 2 << false << "3";
        QTest::newRow("optional negative") << -1.25f << 2 << false << "-1,25";
        QTest::newRow("optional tiny negative") << -0.001f << 2 << false << "0";
        QTest::newRow("negative decimals count as none") << 2.4f << -1 << true << "2";
        QTest::newRow("largest float") << std::numeric_limits<float>::max() << 0 << true
                                       << "340282346638528859811704183484516925440";
    }
    void formatAmount()
    {
        QFETCH(float, value);
        QFETCH(int, decimals);
        QFETCH(bool, fixed);
        QFETCH(QString, expected);
        QCOMPARE(FormatAmount(value, decimals, fixed), expected);
    }
    void formatAmountOfNonFiniteValues()
    {
        QCOMPARE(FormatAmount(std::numeric_limits<float>::quiet_NaN()), QStringLiteral("NaN"));
        QCOMPARE(FormatAmount(-std::numeric_limits<float>::infinity()), QStringLiteral("-∞"));
    }

    void typedNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("expected");

        QTest::newRow("decimal comma") << "12,5" << 12.5;
        QTest::newRow("only the first comma") << "1,2,3" << 1.2;
        QTest::newRow("blank inside") << "1 000" << 1000.0;
        QTest::newRow("tab and line feed inside") << " 1\t2\n3,5" << 123.5;
        QTest::newRow("carriage return stops") << "12\r3" << 12.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("text after the number") << "15 ευρώ" << 15.0;
        QTest::newRow("negative") << "-3,25" << -3.25;
        QTest::newRow("sign apart from digits") << "- 4" << -4.0;
        QTest::newRow("plus") << "+7" << 7.0;
        QTest::newRow("two signs") << "--5" << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("leading point") << ",5" << 0.5;
        QTest::newRow("point alone") << "," << 0.0;
        QTest::newRow("second point stops") << "1.5.7" << 1.5;
        QTest::newRow("exponent") << "1,5E3" << 1500.0;
        QTest::newRow("negative exponent") << "25e-1" << 2.5;
        QTest::newRow("exponent without digits") << "7e" << 7.0;
        QTest::newRow("exponent sign without digits") << "7e+x" << 7.0;
        QTest::newRow("exponent letter D") << "2d2" << 200.0;
        QTest::newRow("exponent beyond range") << "1e999" << qInf();
        QTest::newRow("exponent below range") << "1e-999" << 0.0;
        QTest::newRow("negative zero reads zero") << "-0" << 0.0;
        QTest::newRow("Greek letter stops") << "3Α" << 3.0;
    }
    void typedNumber()
    {
        QFETCH(QString, typed);
        QFETCH(double, expected);
        QCOMPARE(ParseTypedNumber(typed), expected);
        QVERIFY(!std::signbit(ParseTypedNumber(typed)) || expected < 0);
    }
    void commaToPointReplacesOnlyTheFirstComma()
    {
        QCOMPARE(CommaToPoint(QStringLiteral("1,2,3")), QStringLiteral("1.2,3"));
        QCOMPARE(CommaToPoint(QStringLiteral("12.5")), QStringLiteral("12.5"));
        QCOMPARE(CommaToPoint(QString()), QString());
    }
    void removeSpacesRemovesOnlyBlanks()
    {
        QCOMPARE(RemoveSpaces(QStringLiteral(" A 1 ")), QStringLiteral("A1"));
        QCOMPARE(RemoveSpaces(QStringLiteral("A\t1")), QStringLiteral("A\t1"));
    }
    void fileExtension_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("workbook") << "Πρόσωπα.xlsx" << "xlsx";
        QTest::newRow("last point counts") << "a.b.s43" << "s43";
        QTest::newRow("no point") << " README " << "README";
        QTest::newRow("trailing point") << "name." << "";
        QTest::newRow("blanks trimmed") << "x. xls " << "xls";
    }
    void fileExtension()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(FileExtension(name), expected);
    }
};

KV_TEST_APPLESS_MAIN(TestFormatting)

} // namespace test_formatting
#include "test_formatting.moc"
