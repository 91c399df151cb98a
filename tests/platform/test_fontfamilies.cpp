// Font names as the program stores them, against the desktop's families.
#include "platform/fontfamilies.h"
#include "testprogram.h"

#include <QFontDatabase>
#include <QTest>

using namespace kelvarino;

namespace test_fontfamilies {

class TestFontFamilies : public QObject
{
    Q_OBJECT

private slots:
    // "<family> Greek" is the family with its Greek letters: it is answered
    // by the same installed family as the family's own name, also when that
    // name is only an alias of the font system (Arial: Liberation Sans).
    void greekNamesAreTheirFamily_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::newRow("alias") << QStringLiteral("Arial") << QStringLiteral("Liberation Sans");
        QTest::newRow("alias, Greek") << QStringLiteral("Arial Greek") << QStringLiteral("Liberation Sans");
        QTest::newRow("another alias, Greek") << QStringLiteral("Times New Roman Greek")
                                              << QStringLiteral("Liberation Serif");
        QTest::newRow("installed") << QStringLiteral("DejaVu Sans") << QStringLiteral("DejaVu Sans");
        QTest::newRow("installed, Greek") << QStringLiteral("DejaVu Serif Greek") << QStringLiteral("DejaVu Serif");
        QTest::newRow("no such family") << QStringLiteral("Nowhere Sans") << QString();
        QTest::newRow("no such family, Greek") << QStringLiteral("Nowhere Sans Greek") << QString();
        QTest::newRow("Greek alone") << QStringLiteral("Greek") << QString();
        QTest::newRow("installed name in another case") << QStringLiteral("dejavu sans") << QString();
        QTest::newRow("empty") << QString() << QString();
    }
    void greekNamesAreTheirFamily()
    {
        QFETCH(QString, name);
        QFETCH(QString, family);
        QCOMPARE(InstalledFontFamily(name), family);
        if (!family.isEmpty())
            QVERIFY(QFontDatabase::families().contains(family));
    }
};

KV_TEST_MAIN(TestFontFamilies)

} // namespace test_fontfamilies
#include "test_fontfamilies.moc"
