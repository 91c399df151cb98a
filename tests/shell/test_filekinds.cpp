#include "support_shellfixture.h"

#include "core/autoloadfile.h"
#include "core/datafile.h"
#include "shell/wallpaperarea.h"
#include "oddfile.h"
#include "testprogram.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTest>

using namespace kelvarino;
using kvtest::OddFile;

namespace test_filekinds {

namespace {

// Bytes this process has read from files, devices and pipes so far, as the
// system counts them; -1 where it does not.
qint64 bytesReadSoFar()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n'))
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    return -1;
}

// Far more than a start reads of its own (fonts and pictures included), far
// less than any of the refused files would give.
constexpr qint64 ReadingOfAStart = qint64(64) << 20;

void kinds()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("FIFO") << int(OddFile::Fifo);
    QTest::newRow("folder") << int(OddFile::Folder);
    QTest::newRow("link to /dev/zero") << int(OddFile::LinkToZeroDevice);
    QTest::newRow("larger than any file of its kind") << int(OddFile::Sparse);
}

// Something of the kind at path; a larger file starts as a valid file would,
// so that only its size can refuse it.
OddFile place(int kind, const QString &path, qint64 largest, const QByteArray &validStart)
{
    return OddFile(OddFile::Kind(kind), path, largest + 1, validStart);
}

QByteArray emptyWork()
{
    return WriteDataFile(BuildingData(), FixedText<8>(), QStringLiteral("Arial"));
}

void verifyRefused(ShellFixture &f, const QString &path)
{
    QCOMPARE(f.doubles.messages.shown.size(), 1);
    const MessageRequest &refusal = f.doubles.messages.shown.first();
    QCOMPARE(refusal.title, DataFileMessages::readTitle());
    QCOMPARE(refusal.text, DataFileMessages::foreignFile(path));
    QCOMPARE(refusal.icon, MessageIcon::Critical);
}

} // namespace

class TestFileKinds : public QObject
{
    Q_OBJECT

private slots:
    void theStartGoesOnWhateverStandsInAFilesPlace_data() { kinds(); }
    void theStartGoesOnWhateverStandsInAFilesPlace()
    {
        // The same kind of thing stands where the autoload file belongs and
        // is named on the command line as the data file.
        QFETCH(int, kind);
        ShellFixture f;
        // A valid autoload file would offer to continue this work.
        AppState installation;
        installation.DataFolder = f.programFolder();
        installation.DataFileName = QStringLiteral("last.s43");
        PromoteCurrentFile(installation);
        QVERIFY(!f.writeWork(installation.DataFileName, 3, 2).isEmpty());
        OddFile autoload = place(kind, AutoloadFilePath(f.programFolder()), AutoloadFileSize,
                                 AutoloadFile::write(installation));
        const QString dataPath = f.programFolder() + QStringLiteral("odd.s43");
        OddFile data = place(kind, dataPath, LargestDataFileSize(), emptyWork());
        QVERIFY(autoload.made() && data.made());
        f.state.CommandLinePath = dataPath;
        f.doubles.messages.script = {MessageAnswer::Ok};

        const qint64 readBefore = bytesReadSoFar();
        f.window->finishStartUp();
        const qint64 read = bytesReadSoFar() - readBefore;

        QVERIFY2(!autoload.openedAsFifo(), "the FIFO in the autoload file's place was opened");
        QVERIFY2(!data.openedAsFifo(), "the FIFO named as the data file was opened");
        if (readBefore >= 0)
            QVERIFY2(read < ReadingOfAStart, qPrintable(QStringLiteral("%1 bytes read").arg(read)));
        // The data file is refused with its message, and nothing else is
        // asked: the autoload file was ignored, so there is no last work.
        verifyRefused(f, dataPath);
        // The idle window: the new work, no hourglass, no recent files, the
        // built-in picture at its own size.
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Κελβαρίνο/v2.2/2016 - Νέο"));
        QVERIFY(!f.window->menuAction(QStringLiteral("recentFile(0)"))->isVisible());
        QCOMPARE(f.window->clientArea()->picture().width(), 1023);
    }

    void theOpenDialogAndTheRecentFilesRefuseItToo_data() { kinds(); }
    void theOpenDialogAndTheRecentFilesRefuseItToo()
    {
        QFETCH(int, kind);
        ShellFixture f;
        const QString path = f.programFolder() + QStringLiteral("odd.s43");
        OddFile odd = place(kind, path, LargestDataFileSize(), emptyWork());
        QVERIFY(odd.made());
        f.doubles.fileDialogs.openAnswers = {path};
        f.window->files().openWork();
        verifyRefused(f, path);
        // From the recent files it is not a data file either: it goes.
        f.setRecent(0, path);
        f.doubles.messages.shown.clear();
        f.window->files().openRecentFile(0);
        QCOMPARE(f.doubles.messages.shown.size(), 1);
        QVERIFY(f.state.RecentFiles[0].FileName.isBlank());
        QVERIFY2(!odd.openedAsFifo(), "the FIFO was opened");
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Κελβαρίνο/v2.2/2016 - Νέο"));
    }
};

KV_TEST_MAIN(TestFileKinds)

} // namespace test_filekinds
#include "test_filekinds.moc"
