#include "support_shellfixture.h"

#include "core/autoloadfile.h"
#include "core/datafile.h"
#include "shell/passwordentrydialog.h"

#include "modalwindow.h"
#include "testprogram.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <unistd.h>

using namespace kelvarino;

namespace test_opensequence {

namespace {

const QString NewCaption = QStringLiteral("Κελβαρίνο/v2.2/2016 - Νέο");

// A changed new work of one flat: what every refused opening must leave alone.
void makeLiveChanges(ShellFixture &f)
{
    f.state.Building = ShellFixture::work(1, 0);
    f.state.DataChanged = true;
}

void verifyLiveWorkUntouched(ShellFixture &f)
{
    QCOMPARE(f.window->windowTitle(), NewCaption);
    QVERIFY(f.state.DataChanged);
    QCOMPARE(f.state.Building.FlatCount(), 1);
    QVERIFY(f.state.DataFileName.isEmpty());
    QCOMPARE(f.state.Loaded.FlatCount(), 0);
}

} // namespace

class TestOpenSequence : public QObject
{
    Q_OBJECT

private slots:
    void openingAFileSetsCaptionCountsAndRecentList()
    {
        ShellFixture f;
        QCOMPARE(f.window->windowTitle(), NewCaption);
        const QString path = f.writeWork(QStringLiteral("Πολυκατοικία.s43"), 3, 2);
        f.doubles.fileDialogs.openAnswers = {path};
        f.window->runCommand(QStringLiteral("open"));

        const FileDialogRequest &asked = f.doubles.fileDialogs.openRequests.first();
        QCOMPARE(asked.title, QStringLiteral("Ανάγνωση δεδομένων από αρχείο"));
        QCOMPARE(asked.folder, f.programFolder());
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Κελβαρίνο/v2.2/2016 - Πολυκατοικία.s43"));
        QCOMPARE(f.window->menuAction(QStringLiteral("flats"))->text(),
                 QStringLiteral("2. Διαμερίσματα και αρχικά οικονομικά στοιχεία (3)"));
        QCOMPARE(f.window->menuAction(QStringLiteral("persons"))->text(),
                 QStringLiteral("3. Εμπλεκόμενα πρόσωπα (2)"));
        QCOMPARE(f.state.DataFolder, f.programFolder());
        QVERIFY(!f.state.DataChanged);
        QVERIFY(!f.state.PasswordSet);
        QAction *recent = f.window->menuAction(QStringLiteral("recentFile(0)"));
        QVERIFY(recent->isVisible());
        QCOMPARE(recent->text(), path);
        QVERIFY(f.window->menuAction(QStringLiteral("recentFileSeparator"))->isVisible());
        QVERIFY(QFile::exists(AutoloadFilePath(f.programFolder())));
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }

    void cancellingTheDialogChangesNothing()
    {
        ShellFixture f;
        makeLiveChanges(f);
        f.window->runCommand(QStringLiteral("open"));
        verifyLiveWorkUntouched(f);
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }

    void cancelAtTheUnsavedChangesQuestionChangesNothing()
    {
        ShellFixture f;
        makeLiveChanges(f);
        f.doubles.fileDialogs.openAnswers = {f.writeWork(QStringLiteral("a.s43"), 3, 2)};
        f.doubles.messages.script = {MessageAnswer::Cancel};
        f.window->runCommand(QStringLiteral("open"));
        const MessageRequest &question = f.doubles.messages.shown.first();
        QCOMPARE(question.title, QStringLiteral("Εργασία σε εκκρεμότητα"));
        QCOMPARE(question.text,
                 QStringLiteral("Φαίνετε ότι έχετε κάνει αλλαγές σε φορτωμένα δεδομένα. Τα φορτωμένα δεδομένα "
                                "πρόκειται να αντικατασταθούν με νέα, και οι όποιες αλλαγές θα χαθούν "
                                "ανεπιστρεπτί.\nΘέλετε πριν την αντικατάστασή τους να αποθηκεύσετε τα δεδομένα σας "
                                "σε αρχείο δεδομένω;"));
        QCOMPARE(question.buttons, MessageButtons::YesNoCancel);
        QCOMPARE(question.icon, MessageIcon::Exclamation);
        verifyLiveWorkUntouched(f);
    }

    void answeringNoDropsTheChanges()
    {
        ShellFixture f;
        makeLiveChanges(f);
        f.doubles.fileDialogs.openAnswers = {f.writeWork(QStringLiteral("a.s43"), 3, 2)};
        f.doubles.messages.script = {MessageAnswer::No};
        f.window->runCommand(QStringLiteral("open"));
        QCOMPARE(f.state.Building.FlatCount(), 3);
        QVERIFY(!f.state.DataChanged);
    }

    void refusingThePasswordLeavesNothingOpen()
    {
        ShellFixture f;
        makeLiveChanges(f);
        f.doubles.fileDialogs.openAnswers = {f.writeWork(QStringLiteral("secret.s43"), 3, 2, QStringLiteral("Μυστ1"))};
        {
            const auto refused = OnModal<PasswordEntryDialog>([](PasswordEntryDialog *dialog) { dialog->reject(); });
            f.window->runCommand(QStringLiteral("open"));
        }
        verifyLiveWorkUntouched(f);
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }

    void theRightPasswordOpensAndIsCommitted()
    {
        ShellFixture f;
        f.doubles.fileDialogs.openAnswers = {f.writeWork(QStringLiteral("secret.s43"), 3, 2, QStringLiteral("Μυστ1"))};
        const auto password = OnModal<PasswordEntryDialog>([](PasswordEntryDialog *dialog) {
            dialog->passwordBox()->setText(QStringLiteral("Μυστ1"));
            dialog->checkButton()->click();
        });
        f.window->runCommand(QStringLiteral("open"));
        QCOMPARE(f.state.Building.FlatCount(), 3);
        QVERIFY(f.state.PasswordSet);
        QCOMPARE(f.state.AccessPassword, FixedText<8>(QStringLiteral("Μυστ1")));

        // A new work then speaks of a work without a password.
        f.window->runCommand(QStringLiteral("newWork"));
        QVERIFY(!f.state.PasswordSet);
        QCOMPARE(f.doubles.messages.shown.last().title, QStringLiteral("Νέα εργασία"));
    }

    void foreignAndDamagedFilesShowTheirTextsAndChangeNothing()
    {
        ShellFixture f;
        makeLiveChanges(f);
        const QString foreign = f.dir.filePath(QStringLiteral("foreign.s43"));
        QFile file(foreign);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("This is no building data at all, just text.");
        file.close();
        const QString damaged = f.writeWork(QStringLiteral("damaged.s43"), 3, 2);
        QVERIFY(QFile::resize(damaged, 200));

        f.doubles.fileDialogs.openAnswers = {foreign, damaged};
        f.window->runCommand(QStringLiteral("open"));
        f.window->runCommand(QStringLiteral("open"));
        QCOMPARE(f.doubles.messages.shown.size(), 2);
        const MessageRequest &first = f.doubles.messages.shown.at(0);
        QCOMPARE(first.title, DataFileMessages::readTitle());
        QCOMPARE(first.text, DataFileMessages::foreignFile(foreign));
        QCOMPARE(first.icon, MessageIcon::Critical);
        const MessageRequest &second = f.doubles.messages.shown.at(1);
        QCOMPARE(second.title, DataFileMessages::readTitle());
        QCOMPARE(second.text, QStringLiteral("Τα αποθηκευμένα δεδομένα μπορεί να είναι κατεστραμμένα.\n\nΑρχείο: ")
                                  + damaged);
        verifyLiveWorkUntouched(f);
    }

    // Whatever way it was chosen, a file that cannot be read is named with
    // the reason, under the way's title; it is not called damaged.
    void anUnreadableFileIsNamedWithWhy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("problem");
        QTest::newRow("missing") << QStringLiteral("missing.s43") << int(DataFileProblem::Missing);
        QTest::newRow("link loop") << QStringLiteral("loop.s43") << int(DataFileProblem::TooManyLinks);
        QTest::newRow("name not text") << QStringLiteral("\uFFFD\uFFFD.s43") << int(DataFileProblem::UnreadableName);
        QTest::newRow("no permission") << QStringLiteral("locked.s43") << int(DataFileProblem::NoPermission);
    }
    void anUnreadableFileIsNamedWithWhy()
    {
        QFETCH(QString, name);
        QFETCH(int, problem);
        if (problem == int(DataFileProblem::NoPermission) && ::geteuid() == 0)
            QSKIP("the administrator may read every file");
        ShellFixture f;
        makeLiveChanges(f);
        const QString path = f.dir.filePath(name);
        const QString other = f.dir.filePath(QStringLiteral("other.s43"));
        if (problem == int(DataFileProblem::TooManyLinks))
            QVERIFY(QFile::link(other, path) && QFile::link(path, other));
        if (problem == int(DataFileProblem::NoPermission)) {
            f.writeWork(name, 1, 1);
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        }
        const QString expected = DataFileMessages::unreadableFile(path, DataFileProblem(problem));
        QVERIFY2(expected.contains(QStringLiteral("\n\n") + path + QStringLiteral("\n\n")), qPrintable(expected));

        f.state.CommandLinePath = path;
        QVERIFY(!f.window->files().OpenCommandLineFile());
        f.doubles.fileDialogs.openAnswers = {path};
        f.window->runCommand(QStringLiteral("open"));
        QCOMPARE(f.doubles.messages.shown.size(), 2);
        QCOMPARE(f.doubles.messages.shown.at(0).title, QStringLiteral("Πρόβλημα με την ανάγνωση του αρχείου DAT"));
        QCOMPARE(f.doubles.messages.shown.at(1).title, QStringLiteral("Πρόβλημα με την ανάγνωση του αρχείου δεδομένων"));
        for (const MessageRequest &message : f.doubles.messages.shown) {
            QCOMPARE(message.text, expected);
            QCOMPARE(message.icon, MessageIcon::Critical);
        }
        verifyLiveWorkUntouched(f);
        if (problem == int(DataFileProblem::TooManyLinks) || problem == int(DataFileProblem::NoPermission)) {
            // Such a file is still there: its recent entry stays for when it can be read.
            f.setRecent(0, path);
            f.window->runCommand(QStringLiteral("recentFile(0)"));
            QCOMPARE(f.doubles.messages.shown.last().text, expected);
            QVERIFY(!f.state.RecentFiles[0].isEmpty());
        }
    }

    void aMissingRecentFileIsReportedAndRemoved()
    {
        ShellFixture f;
        makeLiveChanges(f);
        const QString kept = f.writeWork(QStringLiteral("kept.s43"), 1, 1);
        const QString gone = f.dir.filePath(QStringLiteral("gone.s43"));
        f.setRecent(0, gone);
        f.setRecent(1, kept);
        f.window->runCommand(QStringLiteral("recentFile(0)"));
        const MessageRequest &message = f.doubles.messages.shown.first();
        QCOMPARE(message.title, QStringLiteral("Άνοιγμα αρχείου δεδομένων"));
        QCOMPARE(message.text, QStringLiteral("Το αρχείο δεδομένων του προγράμματος:\n\n") + gone
                                   + QStringLiteral("\n\nδεν υπάρχει. Είτε το σβήσατε, είτε το μετακινήσατε."));
        QCOMPARE(message.icon, MessageIcon::Critical);
        QCOMPARE(f.window->menuAction(QStringLiteral("recentFile(0)"))->text(), kept);
        QVERIFY(!f.window->menuAction(QStringLiteral("recentFile(1)"))->isVisible());
        verifyLiveWorkUntouched(f);
    }

    void aForeignRecentFileIsRemoved()
    {
        ShellFixture f;
        const QString foreign = f.dir.filePath(QStringLiteral("foreign.s43"));
        QFile file(foreign);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(100, 'x'));
        file.close();
        f.setRecent(0, foreign);
        f.window->runCommand(QStringLiteral("recentFile(0)"));
        QCOMPARE(f.messageTitles(), QStringList{DataFileMessages::readTitle()});
        QVERIFY(f.state.RecentFiles[0].isEmpty());
        QVERIFY(!f.window->menuAction(QStringLiteral("recentFile(0)"))->isVisible());
        QVERIFY(!f.window->menuAction(QStringLiteral("recentFileSeparator"))->isVisible());
    }

    void aRecentFileAsksOnlyWhenTheWorkHasARegister()
    {
        ShellFixture f;
        f.setRecent(0, f.writeWork(QStringLiteral("a.s43"), 2, 2));
        // Only labels changed: nothing worth a question.
        f.state.Building.CategoryLabels[1].set(QStringLiteral("ΑΛΛΗ"));
        f.state.DataChanged = true;
        f.window->runCommand(QStringLiteral("recentFile(0)"));
        QVERIFY(f.doubles.messages.shown.isEmpty());
        QCOMPARE(f.state.Building.FlatCount(), 2);

        f.state.DataChanged = true;
        f.doubles.messages.script = {MessageAnswer::Cancel};
        f.window->runCommand(QStringLiteral("recentFile(0)"));
        QCOMPARE(f.doubles.messages.shown.first().text,
                 QStringLiteral("Έχετε κάνει αλλαγές σε φορτωμένα δεδομένα. Τα φορτωμένα δεδομένα πρόκειται να "
                                "αντικατασταθούν με νέα, και οι όποιες αλλαγές θα χαθούν ανεπιστρεπτί.\nΘέλετε πριν "
                                "την αντικατάστασή τους να αποθηκεύσετε τα δεδομένα σας;"));
        QVERIFY(f.state.DataChanged);
    }

    void theCommandLineFileOpensWithoutAQuestion()
    {
        ShellFixture f;
        f.state.CommandLinePath = f.writeWork(QStringLiteral("cmd.s43"), 4, 1);
        QVERIFY(f.window->files().OpenCommandLineFile());
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Κελβαρίνο/v2.2/2016 - cmd.s43"));

        f.state.CommandLinePath = f.dir.filePath(QStringLiteral("missing.s43"));
        QVERIFY(!f.window->files().OpenCommandLineFile());
        QCOMPARE(f.messageTitles(), QStringList{QStringLiteral("Πρόβλημα με την ανάγνωση του αρχείου DAT")});
        f.state.CommandLinePath = QStringLiteral("noslash.s43");
        QVERIFY(!f.window->files().OpenCommandLineFile());
        QCOMPARE(f.doubles.messages.shown.size(), 1);
    }

    void theExampleDialogStartsInTheExamplesFolder()
    {
        ShellFixture f;
        f.window->runCommand(QStringLiteral("openExample"));
        QCOMPARE(f.doubles.fileDialogs.openRequests.first().folder,
                 f.programFolder() + QStringLiteral("Examples/"));
    }

    void savingIntoTheFileBeingOpenedOpensTheSavedWork()
    {
        ShellFixture f;
        const QString path = f.writeWork(QStringLiteral("same.s43"), 2, 1);
        f.doubles.fileDialogs.openAnswers = {path, path};
        f.window->runCommand(QStringLiteral("open"));
        f.state.Building.Flats.push_back(FlatRecord());
        for (auto &columns : f.state.Building.ShareColumns)
            columns.front() = ShareColumn::zeros(3);
        f.state.DataChanged = true;
        f.doubles.messages.script = {MessageAnswer::Yes};
        f.window->runCommand(QStringLiteral("open"));
        QCOMPARE(f.state.Building.FlatCount(), 3);
        QVERIFY(!f.state.DataChanged);
    }
};

KV_TEST_MAIN(TestOpenSequence)

} // namespace test_opensequence
#include "test_opensequence.moc"
