#include "accountsfixture.h"

#include "accounts/entryboxes.h"
#include "accounts/expensechangedialog.h"
#include "accounts/expensefilterdialog.h"
#include "accounts/expenseswindow.h"
#include "accounts/recordchecks.h"
#include "testprogram.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace kelvarino;

Q_DECLARE_METATYPE(kelvarino::ExpenseRecord)

namespace test_expenses {

namespace {

ExpenseRecord Expense(const QString &text, double date, int flat = -1, float amount = 10)
{
    ExpenseRecord e;
    e.Date = date;
    e.Category = 1;
    e.AllFlats = flat < 0 ? True16 : False16;
    e.Flat = qint16(flat);
    e.Amount = amount;
    e.Description.set(text);
    return e;
}

void Choose(QComboBox *box, int item)
{
    box->setCurrentIndex(item);
    emit box->activated(item);
}

// Fills the frame with a valid common expense of the given amount text.
void FillFrame(ExpensesWindow &w, const QString &amount)
{
    ExpenseFields &f = w.frameFields();
    TypeIntoBox(f.xDate, QStringLiteral("3/2/2024"));
    Choose(f.xType, 2);
    TypeIntoBox(f.xReason, QStringLiteral("Καθαρισμός"));
    TypeIntoBox(f.xAmount, amount);
}

QStringList Texts(const RecordingMessageService &messages)
{
    QStringList texts;
    for (const MessageRequest &m : messages.shown)
        texts << m.text;
    return texts;
}

} // namespace

class TestExpenses : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<RegisterFixture>();
        AddFlatsAndPersons(f->state, 3, 2);
    }

    void listsLatestFirstNumberedFromTheBottom()
    {
        const double d5 = Day(5, 1, 2024), d10 = Day(10, 1, 2024);
        f->state.Building.Expenses = {Expense("E0", d5), Expense("E1", d10), Expense("E2", d5), Expense("E3", d10)};
        ExpensesWindow w(f->context);
        const QStringList expected = {"4 E3", "3 E1", "2 E2", "1 E0"};
        for (int row = 0; row < 4; ++row)
            QCOMPARE(w.cell(row, 0)->text() + QLatin1Char(' ') + w.cell(row, 3)->text().trimmed(), expected[row]);
        QVERIFY(w.cell(4, 0)->isHidden());
        QCOMPARE(w.cell(0, 1)->text(), QStringLiteral("10/1/2024"));
        QCOMPARE(w.cell(0, 4)->text(), QStringLiteral(" Σε όλα τα διαμερίσματα"));
        QCOMPARE(w.helpTopic(), 12015);
    }

    void unpaidExpenseShowsWhiteOnRedAndCounts()
    {
        f->state.Building.Expenses = {Expense("a", Day(1, 1, 2024), 1, 7.5f), Expense("b", Day(2, 1, 2024))};
        f->state.Building.Expenses[0].NotPaidYet = True16;
        ExpensesWindow w(f->context);
        QVERIFY(w.cell(1, 6)->styleSheet().contains(QStringLiteral("color: #ffffff; background-color: #ff0000")));
        QVERIFY(w.cell(0, 6)->styleSheet().contains(QStringLiteral("color: #ff0000; background-color: #ffffff")));
        QCOMPARE(w.cell(1, 4)->text(), QStringLiteral(" Δ2   , Όροφος 1                      "));
        QCOMPARE(w.totalLabel()->text(), QStringLiteral("17,50"));
    }

    void checksInOrder_data()
    {
        QTest::addColumn<ExpenseRecord>("record");
        QTest::addColumn<QString>("message");
        ExpenseRecord ok = Expense("x", Day(1, 1, 2024), 0);
        ExpenseRecord noDate = ok;
        noDate.Date = NotSetDate;
        noDate.Category = -1;
        ExpenseRecord noType = ok;
        noType.Category = -1;
        noType.Description.set(QString());
        ExpenseRecord noText = ok;
        noText.Description.set(QStringLiteral("   "));
        noText.Flat = -1;
        ExpenseRecord noFlat = ok;
        noFlat.Flat = -1;
        QTest::newRow("date") << noDate << "Η δαπάνη πρέπει να έχει ημερομηνία.";
        QTest::newRow("category") << noType << "Πρέπει να δηλώσετε το είδος της δαπάνης.";
        QTest::newRow("description") << noText << "Πρέπει να περιγράψετε λεκτικά τη δαπάνη.";
        QTest::newRow("flat")
            << noFlat
            << "Εφόσον η δαπάνη δεν αναφέρεται σε όλα τα διαμερίσματα, θα πρέπει να δηλώσετε το διαμέρισμα στο "
               "οποίο αναφέρεται η δαπάνη.";
    }

    void checksInOrder()
    {
        QFETCH(ExpenseRecord, record);
        QFETCH(QString, message);
        RecordingMessageService messages;
        QVERIFY(!ExpenseMayBeStored(record, EntryPlace::Frame, messages));
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].title, QStringLiteral("Πρόβλημα με την καταγραφή της δαπάνης"));
        QCOMPARE(messages.shown[0].text, message);
        QCOMPARE(messages.shown[0].icon, MessageIcon::Exclamation);
    }

    void amountNotAboveZeroAsks()
    {
        ExpenseRecord zero = Expense("x", Day(1, 1, 2024), -1, 0);
        RecordingMessageService messages;
        messages.script = {MessageAnswer::No, MessageAnswer::Yes};
        QVERIFY(!ExpenseMayBeStored(zero, EntryPlace::Frame, messages));
        QVERIFY(ExpenseMayBeStored(zero, EntryPlace::ChangeDialog, messages));
        QCOMPARE(messages.shown[0].defaultAnswer, MessageAnswer::No);
        QCOMPARE(messages.shown[0].text,
                 QStringLiteral("Η δαπάνη πρέπει να είναι θετικός αριθμός.\r\nΕίστε βέβαιοι ότι θα θέλατε να έχετε "
                                "για δαπάνη μια τέτοια ασυνήθιστη τιμή;"));
        QCOMPARE(messages.shown[1].text,
                 QStringLiteral("Η δαπάνη πρέπει να είναι θετικός αριθμός.\r\nΕίστε σίγουροι ότι θέλετε να "
                                "χρησιμοποιήσετε ασυνήθιστη τιμή για τη δαπάνη;"));
    }

    void addTakesTheFocusedBoxAndKeepsTheDate()
    {
        f->state.Building.Expenses = {Expense("old", Day(1, 1, 2020))};
        ExpensesWindow w(f->context);
        ShowActive(&w);
        FillFrame(w, QStringLiteral("12,5"));
        // The amount box still has the focus: the image takes none.
        QVERIFY(w.frameFields().xAmount->hasFocus());
        w.acceptButton()->click();
        QCOMPARE(f->state.Building.ExpenseCount(), 2);
        const ExpenseRecord &added = f->state.Building.Expenses[1];
        QCOMPARE(added.Amount, 12.5f);
        QCOMPARE(added.Category, qint16(2));
        QCOMPARE(added.Description.trimmed(), QStringLiteral("Καθαρισμός"));
        QCOMPARE(added.AllFlats, True16);
        QVERIFY(f->state.DataChanged);
        QCOMPARE(w.frameFields().xDate->text(), QStringLiteral("3/2/2024"));
        QCOMPARE(w.frameFields().xAmount->text(), QStringLiteral("0,00"));
        QCOMPARE(w.frameFields().xType->currentIndex(), -1);
        QCOMPARE(w.firstShown(), 0);
        QCOMPARE(w.cell(0, 3)->text().trimmed(), QStringLiteral("Καθαρισμός"));
    }

    void enterReleasedInTheAmountAdds()
    {
        ExpensesWindow w(f->context);
        ShowActive(&w);
        FillFrame(w, QStringLiteral("-3"));
        f->platform.messages.script = {MessageAnswer::Yes};
        QTest::keyClick(w.frameFields().xAmount, Qt::Key_Return);
        QCOMPARE(f->state.Building.ExpenseCount(), 1);
        QCOMPARE(f->state.Building.Expenses[0].Amount, -3.0f);
    }

    void badDateEmptiesTheBoxAndRefusesTheAdd()
    {
        ExpensesWindow w(f->context);
        ShowActive(&w);
        for (const QString &bad : {QStringLiteral("31/2/2024"), QStringLiteral("1/1/1000"), QStringLiteral("χθες")}) {
            FillFrame(w, QStringLiteral("5"));
            TypeIntoBox(w.frameFields().xDate, bad);
            Leave(w.frameFields().xReason);
            QCOMPARE(w.frameFields().xDate->text(), QString());
            f->platform.messages.shown.clear();
            w.acceptButton()->click();
            QCOMPARE(Texts(f->platform.messages), QStringList{"Η δαπάνη πρέπει να έχει ημερομηνία."});
        }
        QCOMPARE(f->state.Building.ExpenseCount(), 0);
    }

    void fullListRefusesAndKeepsTheFrame()
    {
        f->state.Building.Expenses.assign(MaxListCount, Expense("x", Day(1, 1, 2024)));
        ExpensesWindow w(f->context);
        ShowActive(&w);
        FillFrame(w, QStringLiteral("5"));
        w.acceptButton()->click();
        QCOMPARE(f->state.Building.ExpenseCount(), MaxListCount);
        QCOMPARE(f->platform.messages.shown.size(), 1);
        QCOMPARE(f->platform.messages.shown[0].icon, MessageIcon::Exclamation);
        QCOMPARE(w.frameFields().xReason->text(), QStringLiteral("Καθαρισμός"));
    }

    void deleteAllRemovesOnlyTheListed()
    {
        BuildingData &b = f->state.Building;
        b.Expenses = {Expense("a", Day(1, 1, 2024), 0), Expense("b", Day(1, 1, 2024), 1),
                      Expense("c", Day(2, 1, 2024), 0), Expense("d", Day(3, 1, 2024))};
        ExpensesWindow w(f->context);
        ShowActive(&w);
        bool centred = false;
        const auto filters = OnModal<ExpenseFilterDialog>([&centred](ExpenseFilterDialog *d) {
            centred = CentredOnScreen(d);
            d->CheckRefersToAll->click();
            d->flats().box(1)->click();
            d->applyButton()->click();
        });
        w.setFilters();
        QVERIFY(centred);
        QCOMPARE(w.listed(), (std::vector<int>{2, 0}));
        f->platform.messages.script = {MessageAnswer::Yes};
        w.deleteAllListed();
        QCOMPARE(f->platform.messages.shown.last().text,
                 QStringLiteral("Είστε σίγουροι ότι θέλετε να διαγράψετε 2 δαπάνες;"));
        QCOMPARE(b.ExpenseCount(), 2);
        QCOMPARE(b.Expenses[0].Description.trimmed() + b.Expenses[1].Description.trimmed(), QStringLiteral("bd"));
        QCOMPARE(w.listed().size(), std::size_t(2)); // the filter was reset

        const auto narrower = OnModal<ExpenseFilterDialog>([](ExpenseFilterDialog *d) {
            d->types().noneButton()->click();
            d->applyButton()->click();
        });
        w.setFilters();
        QVERIFY(w.listed().empty());
        QCOMPARE(w.totalLabel()->text(), QStringLiteral("0,00"));
        f->platform.messages.shown.clear();
        w.deleteAllListed();
        QCOMPARE(f->platform.messages.shown.size(), 1);
        QCOMPARE(f->platform.messages.shown[0].icon, MessageIcon::Information);
        QCOMPARE(f->platform.messages.shown[0].text,
                 QStringLiteral("Δεν υπάρχουν δαπάνες, στα πλαίσια των φίλτρων που τυχόν εφαρμόσατε, για "
                                "διαγραφή"));
        QCOMPARE(b.ExpenseCount(), 2);
    }

    void changeDialogWritesBackWhatWasTyped()
    {
        f->state.Building.Expenses = {Expense("a", Day(1, 1, 2024), 0), Expense("b", Day(5, 1, 2024))};
        ExpensesWindow w(f->context);
        ShowActive(&w);
        bool centred = false;
        const auto changes = OnModal<ExpenseChangeDialog>([&centred](ExpenseChangeDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Δαπάνη/Χρέωση"));
            centred = CentredOnScreen(d);
            QCOMPARE(d->indexLabel()->text(), QStringLiteral("0"));
            QCOMPARE(d->fields().xFlat->currentIndex(), 1);
            TypeIntoBox(d->fields().xReason, QStringLiteral("  νέα"));
            TypeIntoBox(d->fields().xDate, QStringLiteral("9/1/2024")); // typed just before ΟΚ
            d->okButton()->click();
        });
        w.openRow(1);
        QVERIFY(centred);
        const ExpenseRecord &changed = f->state.Building.Expenses[0];
        QCOMPARE(changed.Date, Day(9, 1, 2024));
        QCOMPARE(changed.Description.trimmed(), QStringLiteral("νέα"));
        QVERIFY(changed.Description.text().startsWith(QStringLiteral("  νέα")));
        QVERIFY(f->state.DataChanged);
        QCOMPARE(w.cell(0, 3)->text().trimmed(), QStringLiteral("νέα"));
    }

    void deletionAskedByTheWindow()
    {
        f->state.Building.Expenses = {Expense("a", Day(1, 1, 2024)), Expense("b", Day(5, 1, 2024))};
        ExpensesWindow w(f->context);
        ShowActive(&w);
        f->platform.messages.script = {MessageAnswer::No, MessageAnswer::Yes};
        for (int round = 0; round < 2; ++round) {
            const auto changes = OnModal<ExpenseChangeDialog>([](ExpenseChangeDialog *d) { d->deleteButton()->click(); });
            w.openRow(0);
        }
        QCOMPARE(f->platform.messages.shown[0].title, QStringLiteral("Διαγραφή μιας δαπάνης"));
        QCOMPARE(f->platform.messages.shown[0].text, QStringLiteral("Είστε σίγουροι ότι θέλετε να διαγραφεί η δαπάνη;"));
        QCOMPARE(f->state.Building.ExpenseCount(), 1);
        QCOMPARE(f->state.Building.Expenses[0].Description.trimmed(), QStringLiteral("a"));
    }

    void dialogHelpAndCancel()
    {
        f->state.Building.Expenses = {Expense("a", Day(1, 1, 2024))};
        const ExpenseRecord before = f->state.Building.Expenses[0];
        ExpensesWindow w(f->context);
        ShowActive(&w);
        const auto changes = OnModal<ExpenseChangeDialog>([](ExpenseChangeDialog *d) {
            TypeIntoBox(d->fields().xAmount, QStringLiteral("99"));
            QTest::keyClick(d, Qt::Key_F1);
            d->cancelButton()->click();
        });
        w.openRow(0);
        QCOMPARE(f->platform.help.topics, QList<int>{300});
        QCOMPARE(f->state.Building.Expenses[0], before);
        QVERIFY(!f->state.DataChanged);
    }

    void typedAmounts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("negativeToZero");
        QTest::addColumn<float>("value");
        QTest::newRow("comma") << "12,5" << false << 12.5f;
        QTest::newRow("point") << "12.5" << false << 12.5f;
        QTest::newRow("grouping point cuts") << "1.234,56" << false << 1.234f;
        QTest::newRow("no number") << "abc" << false << 0.0f;
        QTest::newRow("beyond a float") << "1e39" << false << 0.0f;
        QTest::newRow("negative expense kept") << "-3" << false << -3.0f;
        QTest::newRow("negative payment zero") << "-5" << true << 0.0f;
    }

    void typedAmounts()
    {
        QFETCH(QString, text);
        QFETCH(bool, negativeToZero);
        QFETCH(float, value);
        QCOMPARE(ReadEntryAmount(text, negativeToZero), value);
    }

    void textsAreCutAndHeldInTheCodePage()
    {
        ExpensesWindow w(f->context);
        ShowActive(&w);
        QLineEdit *reason = w.frameFields().xReason;
        TypeIntoBox(reason, QString(105, QLatin1Char('x')));
        QCOMPARE(reason->text().size(), 100);
        TypeIntoBox(reason, QStringLiteral("Λάμπα 中"));
        QCOMPARE(reason->text(), QStringLiteral("Λάμπα ?"));
    }

private:
    std::unique_ptr<RegisterFixture> f;
};

KV_TEST_MAIN(TestExpenses)

} // namespace test_expenses
#include "test_expenses.moc"
