#include "core/codepage1253.h"
#include "core/fixedtext.h"
#include "testprogram.h"

#include <QtTest>

using namespace kelvarino;

namespace test_codepage {

class TestCodepage : public QObject
{
    Q_OBJECT
private slots:
    void everyByteSurvivesARoundTrip()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(Cp1253::encode(Cp1253::decode(all)), all);
    }
    void greekLettersTakeOneByte()
    {
        QCOMPARE(Cp1253::encode(QStringLiteral("ΑΒΓαβγΆώ")), QByteArray("\xC1\xC2\xC3\xE1\xE2\xE3\xA2\xFE"));
    }
    void foreignCharactersBecomeQuestionMarks()
    {
        QCOMPARE(Cp1253::encode(QStringLiteral("aé漢")), QByteArray("a??"));
        QVERIFY(!Cp1253::canEncode(QStringLiteral("é")));
        QVERIFY(Cp1253::canEncode(QStringLiteral("Καλημέρα €")));
    }
    void fixedTextCutsPadsAndTrims()
    {
        FixedText<5> t(QStringLiteral("Α1"));
        QCOMPARE(t.toByteArray(), QByteArray("\xC1" "1   "));
        QCOMPARE(t.trimmed(), QStringLiteral("Α1"));
        t.set(QStringLiteral("ABCDEFG"));
        QCOMPARE(t.text(), QStringLiteral("ABCDE"));
        t.set(QStringLiteral(" \tx "));
        QCOMPARE(t.trimmed(), QStringLiteral("\tx")); // only blanks are trimmed
    }
};

KV_TEST_APPLESS_MAIN(TestCodepage)

} // namespace test_codepage
#include "test_codepage.moc"
