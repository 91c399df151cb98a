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
    // Composed first, then one "?" per character as the user sees it,
    // whatever its length in UTF-16 units or code points.
    void eachCharacterIsOneByte_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        const auto u = [](std::initializer_list<char32_t> points) {
            QString s;
            for (char32_t p : points)
                s += QString::fromUcs4(&p, 1);
            return s;
        };
        QTest::newRow("pasted names") << QStringLiteral("Zoë Łukasz 😀") << QStringLiteral("Zo? ?ukasz ?");
        QTest::newRow("emoji outside the BMP") << u({U'a', 0x1F600, U'b'}) << QStringLiteral("a?b");
        QTest::newRow("two emoji") << u({0x1F600, 0x1F600}) << QStringLiteral("??");
        QTest::newRow("emoji with a skin tone") << u({0x1F44D, 0x1F3FD}) << QStringLiteral("?");
        QTest::newRow("family joined by ZWJ") << u({0x1F468, 0x200D, 0x1F469, 0x200D, 0x1F467}) << QStringLiteral("?");
        QTest::newRow("heart with variation selector") << u({0x2764, 0xFE0F}) << QStringLiteral("?");
        QTest::newRow("flag") << u({0x1F1EC, 0x1F1F7}) << QStringLiteral("?");
        QTest::newRow("alpha and combining acute") << u({0x03B1, 0x0301}) << QStringLiteral("ά");
        QTest::newRow("capital omega and acute") << u({0x03A9, 0x0301}) << QStringLiteral("Ώ");
        QTest::newRow("iota, diaeresis and acute") << u({0x03B9, 0x0308, 0x0301}) << QStringLiteral("ΐ");
        QTest::newRow("upsilon and diaeresis") << u({0x03C5, 0x0308}) << QStringLiteral("ϋ");
        QTest::newRow("e and diaeresis, no byte") << u({U'e', 0x0308}) << QStringLiteral("?");
        QTest::newRow("epsilon and tilde, no composed form") << u({0x03B5, 0x0303}) << QStringLiteral("ε?");
        QTest::newRow("alpha and two marks") << u({0x03B1, 0x0301, 0x0323}) << QStringLiteral("ά?");
        QTest::newRow("Latin accents") << QStringLiteral("ëŁçñ") << QStringLiteral("????");
        QTest::newRow("CJK") << QStringLiteral("漢字") << QStringLiteral("??");
        QTest::newRow("Greek and signs kept") << QStringLiteral("Καλημέρα € «ΐΰ» ΄΅") << QStringLiteral("Καλημέρα € «ΐΰ» ΄΅");
        QTest::newRow("line break kept") << QStringLiteral("α\r\nβ") << QStringLiteral("α\r\nβ");
        QTest::newRow("question mark kept") << QStringLiteral("?") << QStringLiteral("?");
        QTest::newRow("lone surrogate") << QString(QChar(0xD83D)) << QStringLiteral("?");
    }
    void eachCharacterIsOneByte()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QCOMPARE(Cp1253::storable(typed), stored);
        QCOMPARE(Cp1253::encode(typed), Cp1253::encode(stored));
        QCOMPARE(Cp1253::canEncode(typed), stored == typed.normalized(QString::NormalizationForm_C));
        FixedText<20> field(typed);
        QCOMPARE(field.trimmed(), stored);
    }
    // Every stored byte reads back as a character the conversion leaves alone.
    void everyByteIsAlreadyStorable()
    {
        for (int b = 0; b < 256; ++b) {
            const QString ch(Cp1253::decodeByte(uchar(b)));
            QCOMPARE(Cp1253::storable(ch), ch);
            QCOMPARE(Cp1253::storable(ch + QStringLiteral("x\u0301")), ch + QStringLiteral("x?"));
        }
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
