#include "core/datafile.h"

#include "oddfile.h"
#include "testprogram.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace kelvarino;
using kvtest::OddFile;

namespace test_datafilebytes {

class TestDataFileBytes : public QObject
{
    Q_OBJECT

private slots:
    void theLargestFileIsABuildingWithEveryListFull()
    {
        // An empty work, the nine lists of 32767 records each, and six
        // categories of 32767 columns over 32767 flats.
        const qint64 most = 32767;
        const qint64 records = 43 + 202 + 1824 + 18 + 20 + 20 + 122 + 118 + 1048;
        QCOMPARE(LargestDataFileSize(), 2602 + most * records + 6 * most * (58 + 12 * most));
    }

    void aFileIsReadOnlyAsFarAsItCanBeOurs_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray work = WriteDataFile(BuildingData(), FixedText<8>(), QStringLiteral("Arial"));
        const QByteArray v1("Quelbarinostrova_1.0");
        // A large file of another program (a video renamed, say).
        QTest::newRow("foreign, large") << QByteArray("RIFF....AVI LIST....hdrl") << qint64(64 << 20)
                                        << QByteArray("RIFF....AVI LIST....");
        QTest::newRow("shorter than the magic") << QByteArray("Quelbarino") << qint64(10) << QByteArray("Quelbarino");
        QTest::newRow("ours, whole") << work << qint64(work.size()) << work;
        QTest::newRow("format 1.0, whole") << v1 + "rest" << qint64(24) << v1 + "rest";
        QTest::newRow("ours, larger than any data file")
            << work << LargestDataFileSize() + 1 << QByteArray();
    }
    void aFileIsReadOnlyAsFarAsItCanBeOurs()
    {
        QFETCH(QByteArray, head);
        QFETCH(qint64, size);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("file.s43"));
        QVERIFY(OddFile(OddFile::Sparse, path, size, head).made());
        const std::optional<QByteArray> bytes = ReadDataFileBytes(path);
        QVERIFY(bytes);
        QCOMPARE(*bytes, expected);
    }

    void whatCannotBeOpenedGivesNothing()
    {
        QTemporaryDir dir;
        QVERIFY(!ReadDataFileBytes(dir.filePath(QStringLiteral("missing.s43"))));
    }
};

KV_TEST_APPLESS_MAIN(TestDataFileBytes)

} // namespace test_datafilebytes
#include "test_datafilebytes.moc"
