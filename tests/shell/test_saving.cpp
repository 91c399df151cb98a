#include "support_shellfixture.h"

#include "shell/saveoperations.h"
#include "testprogram.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>

#include <unistd.h>

using namespace kelvarino;

namespace test_saving {

namespace {

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

} // namespace

class TestSaving : public QObject
{
    Q_OBJECT

private slots:
    void anUnchangedWorkIsNotWritten()
    {
        ShellFixture f;
        f.window->runCommand(QStringLiteral("mnuSave"));
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
        f.window->runCommand(QStringLiteral("mnuSave"));
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
        f.window->runCommand(QStringLiteral("mnuSave"));
        const FileDialogRequest &asked = f.doubles.fileDialogs.saveRequests.first();
        QCOMPARE(asked.title, QStringLiteral("Αποθήκευση των δεδομένων σε αρχείο"));
        QCOMPARE(asked.defaultSuffix, QStringLiteral("s43"));
        QVERIFY(QFile::exists(target));
        QVERIFY(!f.state.DataChanged);
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Κελβαρίνο/v2.2/2016 - νέο.s43"));
        QCOMPARE(f.window->menuAction(QStringLiteral("mnuUsedFile(0)"))->text(), target);
    }

    void saveAsWritesEvenAnUnchangedWork()
    {
        ShellFixture f;
        const QString target = f.dir.filePath(QStringLiteral("copy.s43"));
        f.doubles.fileDialogs.saveAnswers = {target};
        f.window->runCommand(QStringLiteral("mnuSaveAs"));
        QVERIFY(QFile::exists(target));
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }

    void saveWritesIntoTheCurrentFileAndKeepsTheCaption()
    {
        ShellFixture f;
        const QString path = openChangedWork(f);
        const QByteArray before = contents(path);
        f.window->runCommand(QStringLiteral("mnuSave"));
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
        f.window->runCommand(QStringLiteral("mnuSave"));
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
        f.window->runCommand(QStringLiteral("mnuSave"));
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
