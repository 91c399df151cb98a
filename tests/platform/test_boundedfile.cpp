#include "platform/boundedfile.h"

#include "oddfile.h"
#include "testprogram.h"

#include <QTemporaryDir>
#include <QTest>

using namespace kelvarino;
using kvtest::OddFile;

namespace test_boundedfile {

using Refusal = BoundedFile::Refusal;

constexpr qint64 Bound = 100;

class TestBoundedFile : public QObject
{
    Q_OBJECT

private slots:
    void onlyARegularFileWithinTheBoundIsOpened_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("expected");
        for (const char *kind : {"fifo", "folder", "link to /dev/zero"})
            QTest::newRow(kind) << QString::fromLatin1(kind) << int(Refusal::NotRegular);
        QTest::newRow("one byte over the bound") << QStringLiteral("over") << int(Refusal::TooLarge);
        QTest::newRow("missing") << QStringLiteral("missing") << int(Refusal::Missing);
        QTest::newRow("in a missing folder") << QStringLiteral("missing folder") << int(Refusal::Missing);
        QTest::newRow("at the bound") << QStringLiteral("at") << int(Refusal::None);
        QTest::newRow("link to a file at the bound") << QStringLiteral("link") << int(Refusal::None);
    }
    void onlyARegularFileWithinTheBoundIsOpened()
    {
        QFETCH(QString, kind);
        QFETCH(int, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("file"));
        const QByteArray atBound(Bound, 'a');
        std::optional<OddFile> odd;
        if (kind == QStringLiteral("fifo"))
            odd.emplace(OddFile::Fifo, path);
        else if (kind == QStringLiteral("folder"))
            odd.emplace(OddFile::Folder, path);
        else if (kind == QStringLiteral("link to /dev/zero"))
            odd.emplace(OddFile::LinkToZeroDevice, path);
        else if (kind == QStringLiteral("over"))
            odd.emplace(OddFile::Sparse, path, Bound + 1);
        else if (kind == QStringLiteral("at"))
            odd.emplace(OddFile::Sparse, path, Bound, atBound);
        else if (kind == QStringLiteral("link")) {
            odd.emplace(OddFile::Sparse, dir.filePath(QStringLiteral("target")), Bound, atBound);
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("target")), path));
        }
        QVERIFY(!odd || odd->made());
        const QString opened = kind == QStringLiteral("missing folder") ? dir.filePath(QStringLiteral("no/file")) : path;

        QCOMPARE(int(BoundedFile::inspect(opened, Bound)), expected);
        BoundedFile file(opened, Bound);
        QCOMPARE(int(file.open()), expected);
        if (expected == int(Refusal::None)) {
            QCOMPARE(file.size(), Bound);
            QCOMPARE(file.peek(4), QByteArray("aaaa"));
            QCOMPARE(file.readRest(), atBound);
            QVERIFY(!file.failed());
        } else {
            QVERIFY(file.readRest().isEmpty());
        }
        QVERIFY2(!odd || !odd->openedAsFifo(), "the FIFO was opened");
    }

    void noReadGoesPastTheSizeAtOpening()
    {
        // A file that grows while it is read (another program appending, or
        // a name that is a log someone writes) gives what it held at opening.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("growing"));
        QFile writer(path);
        QVERIFY(writer.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        QCOMPARE(writer.write("0123456789"), 10);
        BoundedFile file(path, Bound);
        QCOMPARE(file.open(), Refusal::None);
        QCOMPARE(writer.write(QByteArray(2 * Bound, 'z')), 2 * Bound);
        QCOMPARE(file.read(4), QByteArray("0123"));
        QCOMPARE(file.read(Bound), QByteArray("456789"));
        QVERIFY(file.read(Bound).isEmpty());
        QVERIFY(!file.failed());
    }
};

KV_TEST_APPLESS_MAIN(TestBoundedFile)

} // namespace test_boundedfile
#include "test_boundedfile.moc"
