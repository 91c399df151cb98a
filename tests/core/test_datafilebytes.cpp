#include "core/datafile.h"
#include "support_buildings.h"

#include "oddfile.h"
#include "testprogram.h"

#include <QTemporaryDir>
#include <QFile>
#include <QtEndian>
#include <QtTest>

#include <unistd.h>

using namespace kelvarino;
using kvtest::OddFile;

namespace test_datafilebytes {

using namespace kelvarino::testing;

namespace {

// A figure of this process as the system keeps it, from a line of a file in
// /proc/self; -1 where there is none.
qint64 systemFigure(const char *file, const QByteArray &key)
{
    QFile figures(QStringLiteral("/proc/self/") + QLatin1String(file));
    if (!figures.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : figures.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toLongLong();
    return -1;
}

// Bytes read from files so far.
qint64 bytesReadSoFar() { return systemFigure("io", "rchar:"); }

// The most memory the process held since the peak was last reset, in bytes.
qint64 peakMemory()
{
    const qint64 kilobytes = systemFigure("status", "VmHWM:");
    return kilobytes < 0 ? -1 : kilobytes * 1024;
}

// Lets the peak start again from the memory held now.
bool resetPeakMemory()
{
    QFile reset(QStringLiteral("/proc/self/clear_refs"));
    return reset.open(QIODevice::WriteOnly) && reset.write("5") == 1;
}

// Far more than reading the rich building takes, far less than any of the
// long files below or the list a damaged count declares.
constexpr qint64 ReadingBound = qint64(1) << 20;
constexpr qint64 MemoryBound = qint64(16) << 20;
constexpr qint64 ThreeGigabytes = qint64(3) << 30;

QByteArray with16(QByteArray bytes, int offset, qint16 value)
{
    qToLittleEndian(value, bytes.data() + offset);
    return bytes;
}

} // namespace

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

    // A file that starts as a real one and goes on for gigabytes, or that
    // declares more records than it holds, costs no more than the work it
    // holds: the counts are checked against what remains before anything is
    // allocated or read, and nothing past the end of the work is read.
    void aLongFileCostsWhatItsWorkHolds_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("read");
        const QByteArray rich = WriteDataFile(RichBuilding(), FixedText<8>(), QStringLiteral("Arial"));
        const std::vector<int> counts = CountOffsets(RichBuilding());
        enum { Professionals = 2, Expenses = 6 };
        QTest::newRow("the magic, then 3 GB of nothing") << QByteArray("Quelbarinostrova_2.0") << ThreeGigabytes << true;
        QTest::newRow("a real file, then 3 GB of nothing") << rich << ThreeGigabytes << true;
        QTest::newRow("a real file cut in its expenses, then 3 GB of nothing")
            << rich.left(counts[Expenses] + 50) << ThreeGigabytes << false;
        QTest::newRow("32767 professionals declared in a short file")
            << with16(rich, counts[Professionals], 32767) << qint64(rich.size()) << false;
    }
    void aLongFileCostsWhatItsWorkHolds()
    {
        QFETCH(QByteArray, head);
        QFETCH(qint64, size);
        QFETCH(bool, read);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("long.s43"));
        QVERIFY(OddFile(OddFile::Sparse, path, size, head).made());
        if (!resetPeakMemory() || bytesReadSoFar() < 0)
            QSKIP("the system keeps no figures of reading and memory here");
        const qint64 readBefore = bytesReadSoFar();
        const qint64 memoryBefore = peakMemory();

        DataFileOpening opening = OpenDataFile(path);
        QVERIFY(opening.reader);
        QCOMPARE(opening.reader->CheckDataFileVersion(), 2);
        BuildingData staging;
        QCOMPARE(opening.reader->ReadDataFile(2, staging), read);
        if (read && head.size() > 20)
            QCOMPARE(staging, RichBuilding());

        const qint64 bytesRead = bytesReadSoFar() - readBefore;
        const qint64 memory = peakMemory() - memoryBefore;
        QVERIFY2(bytesRead < ReadingBound, qPrintable(QStringLiteral("%1 bytes read").arg(bytesRead)));
        QVERIFY2(memory < MemoryBound, qPrintable(QStringLiteral("%1 bytes more memory").arg(memory)));
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
