#include "core/autoloadfile.h"
#include "oddfile.h"
#include "testprogram.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvarino;
using kvtest::OddFile;

namespace test_autoloadfile {

namespace {

void open(AppState &state, const QString &folder, const QString &name)
{
    state.DataFolder = folder;
    state.DataFileName = name;
    PromoteCurrentFile(state);
}

QStringList recentPaths(const AppState &state)
{
    QStringList paths;
    for (const RecentFile &entry : state.RecentFiles)
        if (!entry.isEmpty())
            paths << entry.Folder.trimmed() + entry.FileName.trimmed();
    return paths;
}

AppState configuredState()
{
    AppState state;
    for (int k = 0; k < 3; ++k)
        open(state, QStringLiteral("/home/διαχειριστής/Κτίρια/"), QStringLiteral("κτίριο%1.s43").arg(k));
    state.Wallpaper.Mode = WallpaperSetting::PictureFile;
    state.Wallpaper.Colour = Rgb(10, 20, 30);
    state.Wallpaper.PicturePath.set(QStringLiteral("/home/διαχειριστής/Εικόνες/θάλασσα.jpg"));
    state.Wallpaper.Background = Rgb(255, 255, 255);
    state.ProgramPrinter = QStringLiteral("PDF");
    state.PreferredFont = QStringLiteral("Liberation Sans");
    return state;
}

void expectSameParameters(const AppState &actual, const AppState &expected)
{
    QCOMPARE(actual.RecentFiles, expected.RecentFiles);
    QCOMPARE(actual.Wallpaper, expected.Wallpaper);
    QCOMPARE(actual.ProgramPrinter, expected.ProgramPrinter);
    QCOMPARE(actual.PreferredFont, expected.PreferredFont);
}

} // namespace

class TestAutoloadFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void fileHasItsFixedLayout()
    {
        const AppState state = configuredState();
        const QByteArray bytes = AutoloadFile::write(state);
        QCOMPARE(bytes.size(), AutoloadFileSize);
        QCOMPARE(bytes.left(30), QByteArray("$MirdostaAutoloadParameters04$"));
        QCOMPARE(bytes.mid(30, 1024), state.RecentFiles[0].Folder.toByteArray());
        QCOMPARE(bytes.mid(1054 + 1152, 128), state.RecentFiles[1].FileName.toByteArray());
        QCOMPARE(bytes.mid(10398, 6), QByteArray::fromHex("02000A141E00"));
        QCOMPARE(bytes.mid(11428, 4), QByteArray::fromHex("FFFFFF00"));
        QCOMPARE(bytes.mid(11432, 512), QByteArray("PDF").leftJustified(512, ' '));
        QCOMPARE(bytes.mid(11944, 512), QByteArray("Liberation Sans").leftJustified(512, ' '));

        AppState read;
        QVERIFY(AutoloadFile::read(bytes, read));
        expectSameParameters(read, state);
    }

    void tenFilesLeaveNineNewestFirst()
    {
        AppState state;
        for (int k = 0; k < 10; ++k)
            open(state, QStringLiteral("/data/"), QStringLiteral("file%1.s43").arg(k));
        QStringList expected;
        for (int k = 9; k >= 1; --k)
            expected << QStringLiteral("/data/file%1.s43").arg(k);
        QCOMPARE(recentPaths(state), expected);

        open(state, QStringLiteral("/data/"), QStringLiteral("file5.s43"));
        expected.move(4, 0);
        QCOMPARE(recentPaths(state), expected);
        open(state, QStringLiteral("/data/"), QStringLiteral("file5.s43")); // already on top
        QCOMPARE(recentPaths(state), expected);

        // Another letter case is another entry.
        open(state, QStringLiteral("/Data/"), QStringLiteral("file5.s43"));
        QCOMPARE(recentPaths(state).first(), QStringLiteral("/Data/file5.s43"));
        QCOMPARE(recentPaths(state).at(1), QStringLiteral("/data/file5.s43"));
        QCOMPARE(recentPaths(state).size(), 9);
    }

    void workNeverSavedLeavesTheList()
    {
        AppState state = configuredState();
        const auto before = state.RecentFiles;
        state.DataFileName.clear();
        PromoteCurrentFile(state);
        QCOMPARE(state.RecentFiles, before);
    }

    void removingAnEntryMovesTheOthersUp()
    {
        AppState state = configuredState();
        const QStringList before = recentPaths(state);
        RemoveUsedFile(state, 1);
        QCOMPARE(recentPaths(state), (QStringList{before[0], before[2]}));
        QVERIFY(state.RecentFiles[8].isEmpty());
        RemoveUsedFile(state, 9);
        RemoveUsedFile(state, -1);
        QCOMPARE(recentPaths(state).size(), 2);
    }

    void foreignOrShortFilesAreIgnored_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = AutoloadFile::write(configuredState());
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header cut") << good.left(29);
        QTest::newRow("header in another case") << QByteArray(good).replace(1, 1, "m");
        QTest::newRow("older header") << QByteArray(good).replace(28, 1, "3");
    }

    void foreignOrShortFilesAreIgnored()
    {
        QFETCH(QByteArray, bytes);
        AppState state;
        const AppState defaults;
        QVERIFY(!AutoloadFile::read(bytes, state));
        expectSameParameters(state, defaults);
    }

    void fileEndingEarlyKeepsTheRest()
    {
        const AppState full = configuredState();
        const QByteArray bytes = AutoloadFile::write(full);
        AppState state;
        const AppState defaults;
        QVERIFY(AutoloadFile::read(bytes.left(30 + 2 * 1152 + 500), state)); // two entries and a bit
        QCOMPARE(state.RecentFiles[0], full.RecentFiles[0]);
        QCOMPARE(state.RecentFiles[1], full.RecentFiles[1]);
        QVERIFY(state.RecentFiles[2].isEmpty());
        QCOMPARE(state.Wallpaper, defaults.Wallpaper);
        QCOMPARE(state.PreferredFont, QString());

        AppState almost;
        QVERIFY(AutoloadFile::read(bytes.chopped(1), almost)); // all but the font
        QCOMPARE(almost.ProgramPrinter, full.ProgramPrinter);
        QCOMPARE(almost.PreferredFont, QString());
    }

    void savedBesideTheProgramAndLoadedBack()
    {
        QTemporaryDir programFolder;
        QVERIFY(programFolder.isValid());
        AppState state = configuredState();
        state.ProgramFolder = programFolder.path() + QLatin1Char('/');
        const QString path = state.ProgramFolder + QStringLiteral("Quelbarinostrova.$$$");
        QCOMPARE(AutoloadFilePath(state.ProgramFolder), path);

        // An older, longer file is replaced as a whole.
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(QByteArray(20000, 'x'));
        }
        QVERIFY(SaveAutoloadFile(state));
        QCOMPARE(QFileInfo(path).size(), qint64(AutoloadFileSize));

        AppState loaded;
        loaded.ProgramFolder = state.ProgramFolder;
        QVERIFY(LoadAutoloadFile(loaded));
        expectSameParameters(loaded, state);

        AppState none;
        none.ProgramFolder = programFolder.filePath(QStringLiteral("elsewhere/"));
        QVERIFY(!LoadAutoloadFile(none));
    }

    void whatIsNoAutoloadFileIsIgnoredAndReplaced_data()
    {
        QTest::addColumn<int>("kind"); // an OddFile kind, or -1: a link to a FIFO elsewhere
        QTest::addColumn<int>("saved"); // 1 replaced, 0 the write fails, -1 not tried
        QTest::newRow("FIFO") << int(OddFile::Fifo) << 1;
        // Not written: should the link ever be written through again, a test
        // run with the rights to do it would replace the device itself. The
        // link to a FIFO stands for it.
        QTest::newRow("link to /dev/zero") << int(OddFile::LinkToZeroDevice) << -1;
        QTest::newRow("link to a FIFO elsewhere") << -1 << 1;
        QTest::newRow("valid, but longer than the file") << int(OddFile::Sparse) << 1;
        QTest::newRow("folder") << int(OddFile::Folder) << 0;
    }
    void whatIsNoAutoloadFileIsIgnoredAndReplaced()
    {
        QFETCH(int, kind);
        QFETCH(int, saved);
        QTemporaryDir programFolder;
        QTemporaryDir elsewhere;
        AppState state = configuredState();
        state.ProgramFolder = programFolder.path() + QLatin1Char('/');
        const QString path = AutoloadFilePath(state.ProgramFolder);
        const QString fifoElsewhere = elsewhere.filePath(QStringLiteral("fifo"));
        std::optional<OddFile> odd;
        if (kind < 0) {
            odd.emplace(OddFile::Fifo, fifoElsewhere);
            QVERIFY(QFile::link(fifoElsewhere, path));
        } else {
            odd.emplace(OddFile::Kind(kind), path, AutoloadFileSize + 1, AutoloadFile::write(state));
        }
        QVERIFY(odd->made());

        AppState loaded;
        loaded.ProgramFolder = state.ProgramFolder;
        QVERIFY(!LoadAutoloadFile(loaded));
        QVERIFY(recentPaths(loaded).isEmpty());
        QVERIFY2(!odd->openedAsFifo(), "the FIFO was opened");

        // Written anew in its place; what a link pointed to stays as it was.
        if (saved < 0)
            return;
        QCOMPARE(SaveAutoloadFile(state), saved == 1);
        if (kind < 0)
            QVERIFY(QFileInfo(fifoElsewhere).exists() && !QFileInfo(fifoElsewhere).isFile());
        if (saved == 0)
            return;
        QVERIFY(!QFileInfo(path).isSymLink());
        QCOMPARE(QFileInfo(path).size(), qint64(AutoloadFileSize));
        QVERIFY(LoadAutoloadFile(loaded));
        expectSameParameters(loaded, state);
    }

    void unwritableProgramFolderUsesTheConfigurationFolder()
    {
        const QString configFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QCOMPARE(AutoloadFilePath(QStringLiteral("/no/such/folder/")),
                 QDir(configFolder).filePath(QStringLiteral("Quelbarinostrova.$$$")));
        AppState state = configuredState();
        state.ProgramFolder = QStringLiteral("/no/such/folder/");
        QVERIFY(SaveAutoloadFile(state));
        AppState loaded;
        loaded.ProgramFolder = state.ProgramFolder;
        QVERIFY(LoadAutoloadFile(loaded));
        expectSameParameters(loaded, state);
        QFile::remove(AutoloadFilePath(state.ProgramFolder));
    }

    void messageOfAFailedWrite()
    {
        QCOMPARE(AutoloadFile::writeFailedTitle(), QStringLiteral("Πρόβλημα με τη δημιουργία αρχείου"));
        QCOMPARE(AutoloadFile::writeFailedText(),
                 QStringLiteral("Δεν μπορεί να δημιουργηθεί το αρχείο για αυτόματη φόρτωση της τελευταίας σας "
                                "εργασίας. Μάλλον τρέχετε το πρόγραμμα από CD."));
    }
};

KV_TEST_APPLESS_MAIN(TestAutoloadFile)

} // namespace test_autoloadfile
#include "test_autoloadfile.moc"
