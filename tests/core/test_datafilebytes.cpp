#include "core/datafile.h"

#include "oddfile.h"
#include "testprogram.h"

#include <QTemporaryDir>
#include <QFile>
#include <QtTest>

#include <unistd.h>

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
        QTest::addColumn<int>("version");
        QTest::addColumn<qint64>("bytesRead");
        const QByteArray work = WriteDataFile(BuildingData(), FixedText<8>(), QStringLiteral("Arial"));
        const QByteArray v1("Quelbarinostrova_1.0");
        // A large file of another program (a video renamed, say): only the
        // magic and what would be the password are read.
        QTest::newRow("foreign, large") << QByteArray("RIFF....AVI LIST....hdrl") << qint64(64 << 20) << -1
                                        << qint64(28);
        QTest::newRow("shorter than the magic") << QByteArray("Quelbarino") << qint64(10) << -1 << qint64(10);
        QTest::newRow("ours, whole") << work << qint64(work.size()) << 2 << qint64(work.size());
        // Past the end of the work nothing is read, however long the file.
        QTest::newRow("ours, long tail") << work << qint64(64 << 20) << 2 << qint64(work.size());
        QTest::newRow("format 1.0, cut short") << v1 + "rest" << qint64(24) << 1 << qint64(24);
        QTest::newRow("ours, larger than any data file") << work << LargestDataFileSize() + 1 << -1 << qint64(0);
    }
    void aFileIsReadOnlyAsFarAsItCanBeOurs()
    {
        QFETCH(QByteArray, head);
        QFETCH(qint64, size);
        QFETCH(int, version);
        QFETCH(qint64, bytesRead);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("file.s43"));
        QVERIFY(OddFile(OddFile::Sparse, path, size, head).made());
        DataFileOpening opening = OpenDataFile(path);
        QCOMPARE(opening.problem, DataFileProblem::None);
        QVERIFY(opening.reader);
        QCOMPARE(opening.reader->CheckDataFileVersion(), version);
        BuildingData staging;
        if (version > 0)
            QCOMPARE(opening.reader->ReadDataFile(version, staging), size >= head.size() && head.size() > 28);
        const FileStamp stamp = opening.reader->finish();
        QCOMPARE(stamp.digestedBytes, bytesRead);
    }

    void whatCannotBeOpenedIsNamedWithItsReason()
    {
        QTemporaryDir dir;
        QCOMPARE(OpenDataFile(dir.filePath(QStringLiteral("missing.s43"))).problem, DataFileProblem::Missing);
        const QString loop = dir.filePath(QStringLiteral("a.s43"));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("b.s43")), loop));
        QVERIFY(QFile::link(loop, dir.filePath(QStringLiteral("b.s43"))));
        QCOMPARE(OpenDataFile(loop).problem, DataFileProblem::TooManyLinks);
        // A name that was not text reaches the program with stand-ins.
        QCOMPARE(OpenDataFile(dir.filePath(QStringLiteral("caf\uFFFD.s43"))).problem, DataFileProblem::UnreadableName);
        if (::geteuid() != 0) {
            const QString locked = dir.filePath(QStringLiteral("locked.s43"));
            QVERIFY(OddFile(OddFile::Sparse, locked, 100, "Quelbarinostrova_2.0").made());
            QVERIFY(QFile::setPermissions(locked, QFileDevice::WriteOwner));
            QCOMPARE(OpenDataFile(locked).problem, DataFileProblem::NoPermission);
        }
    }
};

KV_TEST_APPLESS_MAIN(TestDataFileBytes)

} // namespace test_datafilebytes
#include "test_datafilebytes.moc"
