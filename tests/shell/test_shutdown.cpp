#include "support_shellfixture.h"

#include "shell/datawindow.h"
#include "testprogram.h"

#include <QFile>
#include <QMenu>
#include <QTest>

using namespace kelvarino;

namespace test_shutdown {

namespace {

const QString WithoutSaving = QStringLiteral("Θέλω να τερματιστεί το πρόγραμμα χωρίς αποθήκευση των δεδομένων.");

class RefusingWindow : public DataWindow
{
public:
    explicit RefusingWindow(AppContext &context) : DataWindow(context), menu_(new QMenu(QStringLiteral("Δεδομένα"), this))
    {
        menu_->addAction(QStringLiteral("Αποθήκευση"));
    }
    QList<QMenu *> menus() const override { return {menu_}; }
    bool canClose() override { return allowClose; }
    bool allowClose = false;

private:
    QMenu *menu_;
};

void changeNamedWork(ShellFixture &f)
{
    f.state.CommandLinePath = f.writeWork(QStringLiteral("named.s43"), 1, 1);
    QVERIFY(f.window->files().OpenCommandLineFile());
    f.state.Building.BuildingId.set(QStringLiteral("Αλλαγή"));
    f.state.DataChanged = true;
}

} // namespace

class TestShutdown : public QObject
{
    Q_OBJECT

private slots:
    void withoutChangesTheYesNoQuestionDecides()
    {
        ShellFixture f;
        f.window->show();
        f.doubles.messages.script = {MessageAnswer::No};
        QVERIFY(!f.window->close());
        const MessageRequest &question = f.doubles.messages.shown.first();
        QCOMPARE(question.title, QStringLiteral("Έξοδος από το πρόγραμμα"));
        QCOMPARE(question.text, QStringLiteral("Θέλετε να τερματίσετε το πρόγραμμα;"));
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QCOMPARE(question.defaultAnswer, MessageAnswer::Yes);
        QCOMPARE(question.icon, MessageIcon::Exclamation);
        QCOMPARE(f.endings, 0);

        QVERIFY(f.window->close());
        QCOMPARE(f.endings, 1);
        QVERIFY(f.doubles.choices.asked.isEmpty());
    }

    void changesInANamedWorkOfferFourOptionsWithCancelPreselected()
    {
        ShellFixture f;
        changeNamedWork(f);
        f.window->show();
        QVERIFY(!f.window->close()); // the double answers with the preselection
        QCOMPARE(f.doubles.choices.asked.size(), 1);
        const ChoiceRequest &request = f.doubles.choices.asked.first();
        QCOMPARE(request.title, QStringLiteral("Τερματισμός του Κελβαρίνο/v2.2/2016"));
        QCOMPARE(request.icon, int(ChoiceRequest::Exclamation));
        QCOMPARE(request.lines,
                 (QStringList{QStringLiteral("Ζητήσατε να τερματίσετε το πρόγραμμα. Τα τρέχοντα δεδομένα έχουν "
                                             "αλλάξει από την τελευταία σας αποθήκευση. Αν δεν τα αποθηκεύσετε, "
                                             "όλες οι αλλαγές που έχετε κάνει θα χαθούν ανεπιστρεπτί."),
                              QStringLiteral("Τί θέλετε να γίνει;")}));
        QCOMPARE(request.options,
                 (QStringList{WithoutSaving,
                              QStringLiteral("Θέλω να τερματιστεί το πρόγραμμα, με αποθήκευση των δεδομένων στο "
                                             "τρέχον αρχείο."),
                              QStringLiteral("Θέλω να αποθηκεύσω τα δεδομένα σε νέο αρχείο, με άλλο όνομα."),
                              QStringLiteral("Άκυρο")}));
        QCOMPARE(request.defaultOption, 3);
        QVERIFY(f.state.DataChanged);
        QCOMPARE(f.endings, 0);
    }

    void savingIntoTheCurrentFileEndsTheProgram()
    {
        ShellFixture f;
        changeNamedWork(f);
        f.window->show();
        f.doubles.choices.script = {1};
        QVERIFY(f.window->close());
        QCOMPARE(f.endings, 1);
        QVERIFY(!f.state.DataChanged);
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }

    void leavingWithoutSavingEndsAtOnce()
    {
        ShellFixture f;
        changeNamedWork(f);
        f.window->show();
        f.doubles.choices.script = {0};
        QVERIFY(f.window->close());
        QCOMPARE(f.endings, 1);
        QVERIFY(f.state.DataChanged);
    }

    void aCancelledSaveDialogKeepsTheProgramWithItsChanges()
    {
        ShellFixture f;
        f.state.Building = ShellFixture::work(1, 0);
        f.state.DataChanged = true;
        f.window->show();
        f.doubles.choices.script = {1};
        QVERIFY(!f.window->close());
        const ChoiceRequest &request = f.doubles.choices.asked.first();
        QCOMPARE(request.options, (QStringList{WithoutSaving, QStringLiteral("Θέλω αποθήκευση των δεδομένων."),
                                               QStringLiteral("Άκυρο")}));
        QCOMPARE(request.defaultOption, 2);
        QCOMPARE(f.doubles.fileDialogs.saveRequests.size(), 1);
        QVERIFY(f.window->isVisible());
        QVERIFY(f.state.DataChanged);
        QVERIFY(!f.state.EndAfterSave);
        QCOMPARE(f.endings, 0);
    }

    void closingTheChoiceDialogWithoutOkKeepsTheProgram()
    {
        ShellFixture f;
        changeNamedWork(f);
        f.window->show();
        f.doubles.choices.script = {-1};
        QVERIFY(!f.window->close());
        QCOMPARE(f.endings, 0);
    }

    void decliningToSaveAnEmptyNamedWorkEnds()
    {
        ShellFixture f;
        f.state.CommandLinePath = f.writeWork(QStringLiteral("empty.s43"), 0, 0);
        QVERIFY(f.window->files().OpenCommandLineFile());
        f.state.DataChanged = true;
        f.window->show();
        f.doubles.choices.script = {1};
        f.doubles.messages.script = {MessageAnswer::No};
        QVERIFY(f.window->close());
        QCOMPARE(f.endings, 1);
        QCOMPARE(f.doubles.messages.shown.first().defaultAnswer, MessageAnswer::No);
    }

    void aRefusingChildWindowStopsTheShutdownWithoutAQuestion()
    {
        ShellFixture f;
        RefusingWindow *child = nullptr;
        f.window->bindChildWindow(QStringLiteral("flats"), [&](AppContext &context, int) {
            child = new RefusingWindow(context);
            return child;
        });
        f.window->show();
        f.window->runCommand(QStringLiteral("flats"));
        QCOMPARE(f.window->childWindows().size(), 1);
        QVERIFY(!f.window->close());
        QVERIFY(f.doubles.messages.shown.isEmpty());
        QVERIFY(f.doubles.choices.asked.isEmpty());
        QCOMPARE(f.window->childWindows().size(), 1);

        child->allowClose = true;
        f.doubles.messages.script = {MessageAnswer::No};
        QVERIFY(!f.window->close());
        QCOMPARE(f.doubles.messages.shown.size(), 1);
        QCOMPARE(f.window->childWindows().size(), 0);
    }
};

KV_TEST_MAIN(TestShutdown)

} // namespace test_shutdown
#include "test_shutdown.moc"
