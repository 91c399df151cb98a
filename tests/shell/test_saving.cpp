#include "support_shellfixture.h"

#include "core/datafile.h"
#include "shell/saveoperations.h"
#include "testprogram.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kelvarino;

namespace test_saving {

namespace {

// Where the building's identifier starts in a data file: after the magic, the
// password and the five stored category labels.
constexpr int WorkIdOffset = 20 + 8 + 5 * 30 + 1;

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A named work with unsaved changes.
QString openChangedWork(ShellFixture &f, const QString &folder = {})
{
    const QString path = f.writeWork(QStringLiteral("work.s43"), 2, 1, {}, folder);
    f.state.CommandLinePath = path;
    f.window->files().OpenCommandLineFile();
    f.state.Building.BuildingId.set(QStringLiteral("Αλλαγμένο"));
    f.state.DataChanged = true;
    return path;
}

// What the save writes for the work as it stands.
QByteArray ourBytes(const ShellFixture &f)
{
    return WriteDataFile(f.state.Building, f.state.AccessPassword, f.state.PreferredFont);
}

enum class OtherWriter { WritesMore, SameSizeAndTime, SecondCopy };

// Another writer changes the file. With SameSizeAndTime only a byte of the
// building's identifier differs and the time is put back to the nanosecond,
// so that only the bytes tell.
void changeBehindTheProgram(const QString &path, OtherWriter how)
{
    struct stat before {};
    QVERIFY(::stat(QFile::encodeName(path).constData(), &before) == 0);
    QByteArray bytes = contents(path);
    if (how == OtherWriter::WritesMore)
        bytes.append(WriteDataFile(ShellFixture::work(3, 3), FixedText<8>(), QString()));
    else
        bytes[WorkIdOffset] = bytes[WorkIdOffset] == 'X' ? 'Y' : 'X';
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();
    if (how == OtherWriter::SameSizeAndTime) {
        const struct timespec times[2] = {before.st_atim, before.st_mtim};
        QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0);
    }
}

} // namespace

class TestSaving : public QObject
{
    Q_OBJECT

private slots:
    void anUnchangedWorkIsNotWritten()
    {
        ShellFixture f;
        f.window->runCommand(QStringLiteral("save"));
        QCOMPARE(f.doubles.messages.shown.size(), 1);
        const MessageRequest &message = f.doubles.messages.shown.first();
        QCOMPARE(message.title, QStringLiteral("Αποθήκευση των δεδομένων σας σε αρχείο"));
        QCOMPARE(message.text, QStringLiteral("Τα δεδομένα σας δεν έχουν αλλάξει από την τελευταία φορά που τα "
                                              "αποθηκεύσατε. Δεν θα προχωρήσουμε με την αποθήκευση των δεδομένων."));
        QCOMPARE(message.icon, MessageIcon::Information);
        QVERIFY(f.doubles.fileDialogs.saveRequests.isEmpty());
    }

    void anEmptyChangedWorkAsksWithNoPreselected()
    {
        ShellFixture f;
        f.state.Building.BuildingId.set(QStringLiteral("Μόνο αναγνωριστικό"));
        f.state.DataChanged = true;
        f.window->runCommand(QStringLiteral("save"));
        const MessageRequest &question = f.doubles.messages.shown.first();
        QCOMPARE(question.title, QStringLiteral("Αποθήκευση των δεδομένων σε αρχείο"));
        QCOMPARE(question.text, SaveOperations::emptyWorkText());
        QVERIFY(question.text.startsWith(QStringLiteral("Δεν έχετε ορίσει διαμερίσατα ή εμπλεκόμενα πρόσωπα. \n\n")));
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QCOMPARE(question.defaultAnswer, MessageAnswer::No);
        QCOMPARE(question.icon, MessageIcon::Exclamation);
        // No (the preselected answer) writes nothing and asks for no file name.
        QVERIFY(f.doubles.fileDialogs.saveRequests.isEmpty());
        QVERIFY(f.state.DataChanged);
        QCOMPARE(QDir(f.dir.path()).entryList({QStringLiteral("*.s43")}).size(), 0);
    }

    void aNewWorkIsSavedThroughTheSaveDialog()
    {
        ShellFixture f;
        f.state.Building = ShellFixture::work(1, 1);
        f.state.DataChanged = true;
        const QString target = f.dir.filePath(QStringLiteral("νέο.s43"));
        f.doubles.fileDialogs.saveAnswers = {target};
        f.window->runCommand(QStringLiteral("save"));
        const FileDialogRequest &asked = f.doubles.fileDialogs.saveRequests.first();
        QCOMPARE(asked.title, QStringLiteral("Αποθήκευση των δεδομένων σε αρχείο"));
        QCOMPARE(asked.defaultSuffix, QStringLiteral("s43"));
        QVERIFY(QFile::exists(target));
        QVERIFY(!f.state.DataChanged);
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Κελβαρίνο/v2.2/2016 - νέο.s43"));
        QCOMPARE(f.window->menuAction(QStringLiteral("recentFile(0)"))->text(), target);
    }

    void saveAsWritesEvenAnUnchangedWork()
    {
        ShellFixture f;
        const QString target = f.dir.filePath(QStringLiteral("copy.s43"));
        f.doubles.fileDialogs.saveAnswers = {target};
        f.window->runCommand(QStringLiteral("saveAs"));
        QVERIFY(QFile::exists(target));
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }

    void saveWritesIntoTheCurrentFileAndKeepsTheCaption()
    {
        ShellFixture f;
        const QString path = openChangedWork(f);
        const QByteArray before = contents(path);
        f.window->runCommand(QStringLiteral("save"));
        QVERIFY(contents(path) != before);
        QVERIFY(!f.state.DataChanged);
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Κελβαρίνο/v2.2/2016 - work.s43"));
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }

    void aFolderThatIsGoneKeepsTheWorkUnsaved()
    {
        ShellFixture f;
        QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("medium")));
        const QString folder = f.dir.filePath(QStringLiteral("medium"));
        openChangedWork(f, folder);
        QVERIFY(QDir(folder).removeRecursively());
        f.window->runCommand(QStringLiteral("save"));
        QCOMPARE(f.doubles.messages.shown.size(), 1);
        const MessageRequest &message = f.doubles.messages.shown.first();
        QCOMPARE(message.title, QStringLiteral("Αποθήκευση δεδομένων σε αρχείο"));
        QCOMPARE(message.text, QStringLiteral("Η αποθήκευση των δεδομένων σας σε αρχείο απέτυχε. Μάλλον, το μέσον "
                                              "στο οποίο θέλετε να εγγράψετε δεν είναι διαθέσιμο ή δεν επιτρέπει "
                                              "εγγραφές."));
        QCOMPARE(message.icon, MessageIcon::Critical);
        QVERIFY(f.state.DataChanged);
    }

    void aFolderWithoutWritePermissionKeepsTheWorkUnsaved()
    {
        if (geteuid() == 0)
            QSKIP("the superuser writes into any folder");
        ShellFixture f;
        QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("locked")));
        const QString folder = f.dir.filePath(QStringLiteral("locked"));
        const QString path = openChangedWork(f, folder);
        const QByteArray before = contents(path);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        f.window->runCommand(QStringLiteral("save"));
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(f.messageTitles(), QStringList{QStringLiteral("Αποθήκευση δεδομένων σε αρχείο")});
        QCOMPARE(contents(path), before);
        QVERIFY(f.state.DataChanged);
    }

    void saveAsIntoAMissingFolderFailsAndKeepsTheName()
    {
        ShellFixture f;
        openChangedWork(f);
        f.state.EndAfterSave = true;
        f.doubles.fileDialogs.saveAnswers = {f.dir.filePath(QStringLiteral("no/such/folder/x.s43"))};
        QVERIFY(!f.window->saveDataFileAs(f.window.get()));
        QCOMPARE(f.doubles.messages.shown.size(), 1);
        QCOMPARE(f.state.DataFileName, QStringLiteral("work.s43"));
        QVERIFY(f.state.DataChanged);
        QVERIFY(!f.state.EndAfterSave);
        QCOMPARE(f.endings, 0);
    }

    // The file was changed by another writer since it was opened: the save
    // asks, No keeps the other writer's bytes and the work unsaved and open
    // (and the program running), Yes writes the work over them.
    void aFileChangedByAnotherWriterIsWrittenOverOnlyWhenTheUserSaysSo_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<bool>("overwrite");
        for (const bool overwrite : {false, true}) {
            const char *answer = overwrite ? "Yes" : "No";
            QTest::addRow("the file grew, %s", answer) << int(OtherWriter::WritesMore) << overwrite;
            QTest::addRow("same size and time, other bytes, %s", answer)
                << int(OtherWriter::SameSizeAndTime) << overwrite;
            QTest::addRow("a second copy of the program saved, %s", answer) << int(OtherWriter::SecondCopy) << overwrite;
        }
    }
    void aFileChangedByAnotherWriterIsWrittenOverOnlyWhenTheUserSaysSo()
    {
        QFETCH(int, how);
        QFETCH(bool, overwrite);
        ShellFixture f;
        const QString path = openChangedWork(f);
        if (OtherWriter(how) == OtherWriter::SecondCopy) {
            ShellFixture second;
            second.state.CommandLinePath = path;
            QVERIFY(second.window->files().OpenCommandLineFile());
            second.state.Building.BuildingId.set(QStringLiteral("Το δεύτερο αντίγραφο"));
            second.state.DataChanged = true;
            QVERIFY(second.window->saveDataFile(second.window.get()));
            QVERIFY(second.doubles.messages.shown.isEmpty());
        } else {
            changeBehindTheProgram(path, OtherWriter(how));
        }
        const QByteArray theirs = contents(path);
        f.state.EndAfterSave = true;
        f.doubles.messages.script = {overwrite ? MessageAnswer::Yes : MessageAnswer::No};

        QCOMPARE(f.window->saveDataFile(f.window.get()), overwrite);

        QCOMPARE(f.doubles.messages.shown.size(), 1);
        const MessageRequest &question = f.doubles.messages.shown.first();
        QCOMPARE(question.title, QStringLiteral("Αντικατάσταση αρχείου δεδομένων"));
        QCOMPARE(question.text, SaveOperations::changedOnDiskText(path));
        QVERIFY(question.text.contains(path));
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QCOMPARE(question.defaultAnswer, MessageAnswer::No);
        QCOMPARE(question.icon, MessageIcon::Exclamation);
        QCOMPARE(contents(path), overwrite ? ourBytes(f) : theirs);
        QCOMPARE(f.state.DataChanged, !overwrite);
        QCOMPARE(f.endings, overwrite ? 1 : 0);
        QCOMPARE(f.state.DataFileName, QStringLiteral("work.s43"));
    }

    // The file as the program read or last saved it, or no file at all, is
    // written without a question.
    void theProgramsOwnFileOrNoneIsWrittenWithoutAQuestion()
    {
        ShellFixture f;
        const QString path = openChangedWork(f);
        QVERIFY(f.window->saveDataFile(f.window.get()));
        f.state.Building.BuildingId.set(QStringLiteral("Πάλι αλλαγμένο"));
        f.state.DataChanged = true;
        QVERIFY(f.window->saveDataFile(f.window.get()));
        QCOMPARE(contents(path), ourBytes(f));
        QVERIFY(QFile::remove(path));
        f.state.DataChanged = true;
        QVERIFY(f.window->saveDataFile(f.window.get()));
        QCOMPARE(contents(path), ourBytes(f));
        QVERIFY(f.doubles.messages.shown.isEmpty());
        // After "Αποθήκευση ως ..." the new file is the one compared.
        const QString other = f.dir.filePath(QStringLiteral("other.s43"));
        f.doubles.fileDialogs.saveAnswers = {other};
        QVERIFY(f.window->saveDataFileAs(f.window.get()));
        f.state.DataChanged = true;
        QVERIFY(f.window->saveDataFile(f.window.get()));
        QVERIFY(f.doubles.messages.shown.isEmpty());
        changeBehindTheProgram(other, OtherWriter::WritesMore);
        f.state.DataChanged = true;
        f.doubles.messages.script = {MessageAnswer::No};
        QVERIFY(!f.window->saveDataFile(f.window.get()));
        QCOMPARE(f.doubles.messages.shown.size(), 1);
    }

    void cancellingTheSaveDialogFailsAndClearsEndAfterSave()
    {
        ShellFixture f;
        f.state.Building = ShellFixture::work(1, 0);
        f.state.DataChanged = true;
        f.state.EndAfterSave = true;
        QVERIFY(!f.window->saveDataFile(f.window.get()));
        QVERIFY(!f.state.EndAfterSave);
        QVERIFY(f.state.DataChanged);
    }
};

KV_TEST_MAIN(TestSaving)

} // namespace test_saving
#include "test_saving.moc"
