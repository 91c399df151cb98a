#include "accountsfixture.h"

#include "accounts/expenseswindow.h"
#include "accounts/paymentchangedialog.h"
#include "accounts/paymentfilterdialog.h"
#include "accounts/paymentswindow.h"
#include "accounts/recordchecks.h"
#include "shell/reportopeners.h"
#include "testprogram.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

using namespace kelvarino;

Q_DECLARE_METATYPE(kelvarino::PaymentRecord)

namespace test_payments {

namespace {

PaymentRecord Payment(int flat, double date, float owner, float resident = 0)
{
    PaymentRecord p;
    p.Flat = qint16(flat);
    p.Date = date;
    p.OwnerAmount = owner;
    p.ResidentAmount = resident;
    return p;
}

} // namespace

class TestPayments : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<RegisterFixture>();
        AddFlatsAndPersons(f->state, 25, 3);
    }
    void cleanup() { ProgramReportOpeners().paymentReceipt = nullptr; }

    void checksInOrder_data()
    {
        QTest::addColumn<PaymentRecord>("record");
        QTest::addColumn<int>("place");
        QTest::addColumn<QString>("message");
        QTest::newRow("flat") << Payment(-1, NotSetDate, -1) << 0 << "Δεν έχετε σχετίσει την πληρωμή με διαμέρισμα.";
        QTest::newRow("negative") << Payment(0, NotSetDate, 0, -1) << 0 << "Η πληρωμή πρέπει να είναι θετικός αριθμός.";
        QTest::newRow("nobody pays, frame") << Payment(0, NotSetDate, 0) << 0 << "Τουλάχιστον ένας πρέπει να πληρώσει.";
        QTest::newRow("nobody pays, dialog") << Payment(0, NotSetDate, 0) << 1 << "Ένας από τους δύο πρέπει να πληρώσει.";
        QTest::newRow("date") << Payment(0, NotSetDate, 1) << 1 << "Η πληρωμή πρέπει να έχει ημερομηνία.";
    }

    void checksInOrder()
    {
        QFETCH(PaymentRecord, record);
        QFETCH(int, place);
        QFETCH(QString, message);
        RecordingMessageService messages;
        QVERIFY(!PaymentMayBeStored(record, place == 0 ? EntryPlace::Frame : EntryPlace::ChangeDialog, messages));
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].title, QStringLiteral("Πρόβλημα με την καταγραφή της πληρωμής"));
        QCOMPARE(messages.shown[0].text, message);
    }

    void totalsAndRows()
    {
        f->state.Building.Payments = {Payment(0, Day(1, 1, 2024), 10, 2.5f), Payment(1, Day(1, 1, 2024), 0, 4)};
        f->state.Building.Payments[1].ResidentNote.set(QStringLiteral("Έναντι"));
        PaymentsWindow w(f->context);
        QCOMPARE(w.ownerTotal()->text(), QStringLiteral("10,00"));
        QCOMPARE(w.residentTotal()->text(), QStringLiteral("6,50"));
        QCOMPARE(w.total()->text(), QStringLiteral("16,50"));
        QCOMPARE(w.cell(0, 0)->text(), QStringLiteral("2"));
        QCOMPARE(w.cell(0, 3)->text(), QStringLiteral("0,00"));
        QCOMPARE(w.cell(0, 6)->text().trimmed(), QStringLiteral("Έναντι"));
        QCOMPARE(w.cell(1, 2)->text(), QStringLiteral(" Δ1   , Όροφος 0                      "));
    }

    void enterInAnAmountAddsAndNegativesBecomeZero()
    {
        PaymentsWindow w(f->context);
        ShowActive(&w);
        PaymentFields &p = w.frameFields();
        p.xFlat->setCurrentIndex(2);
        emit p.xFlat->activated(2);
        TypeIntoBox(p.xOwnerAmount, QStringLiteral("-5"));
        Leave(p.xResidentAmount);
        QCOMPARE(p.xOwnerAmount->text(), QStringLiteral("0,00"));
        QTest::keyClick(p.xResidentAmount, Qt::Key_Return);
        QCOMPARE(f->platform.messages.shown.last().text, QStringLiteral("Τουλάχιστον ένας πρέπει να πληρώσει."));
        // The Enter that closed that message is released in the box: no new
        // add, or the message would come back at every Enter; nor does a
        // key held down add again at every repeat.
        QTest::keyRelease(p.xResidentAmount, Qt::Key_Return);
        QTest::keyPress(p.xResidentAmount, Qt::Key_Return);
        QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(p.xResidentAmount, &repeated);
        QCOMPARE(f->platform.messages.shown.size(), 1);
        QTest::keyRelease(p.xResidentAmount, Qt::Key_Return);
        QCOMPARE(f->platform.messages.shown.size(), 2);
        TypeIntoBox(p.xResidentAmount, QStringLiteral("12.5"));
        TypeIntoBox(p.xOwnerComment, QStringLiteral("  Εξόφληση "));
        TypeIntoBox(p.xResidentAmount, QStringLiteral("12.5"));
        QTest::keyClick(p.xResidentAmount, Qt::Key_Return);
        QCOMPARE(f->state.Building.PaymentCount(), 1);
        const PaymentRecord &added = f->state.Building.Payments[0];
        QCOMPARE(added.Flat, qint16(2));
        QCOMPARE(added.ResidentAmount, 12.5f);
        QCOMPARE(added.OwnerNote.trimmed(), QStringLiteral("Εξόφληση"));
        QCOMPARE(added.Date, LocaleService::today(f->platform.clock));
        QCOMPARE(p.xFlat->currentIndex(), -1);
        QCOMPARE(p.xResidentAmount->text(), QStringLiteral("0,00"));
    }

    void receiptButtonOpensTheListedPayment()
    {
        BuildingData &b = f->state.Building;
        for (int i = 0; i < 30; ++i)
            b.Payments.push_back(Payment(i % 3, Day(1, 1, 2024) + i % 7, 1));
        PaymentsWindow w(f->context);
        QVERIFY(w.rowButtonAt(0)->isVisible() || !w.isVisible());
        QVERIFY(!w.rowButtonAt(0)->isEnabled());
        QCOMPARE(w.rowButtonAt(0)->text(), QStringLiteral("Απόδειξη"));
        int opened = -1;
        ProgramReportOpeners().paymentReceipt = [&opened](AppContext &, QWidget *, int index) { opened = index; };
        w.scrollBar()->setValue(3);
        QVERIFY(w.rowButtonAt(1)->isEnabled());
        w.rowButtonAt(1)->click();
        QCOMPARE(opened, w.listed()[4]);
        QCOMPARE(b.Payments[std::size_t(opened)].Date, b.Payments[std::size_t(w.listed()[4])].Date);
    }

    // Without a mouse: Tab goes from the frame's boxes to each row's number
    // and its receipt button; Enter on a number opens the change dialog, on
    // the button the receipt; Up, Down and the page keys move along the rows
    // and scroll the list at its ends.
    void theKeyboardReachesEveryRowAndItsReceipt()
    {
        BuildingData &b = f->state.Building;
        for (int i = 0; i < 30; ++i)
            b.Payments.push_back(Payment(i % 3, Day(1, 1, 2024) + i, 1));
        int opened = -1;
        ProgramReportOpeners().paymentReceipt = [&opened](AppContext &, QWidget *, int index) { opened = index; };
        PaymentsWindow w(f->context);
        ShowActive(&w);
        const int rows = w.visibleRows();
        const auto focused = [] { return QApplication::focusWidget(); };
        const auto tab = [&] { QTest::keyClick(focused(), Qt::Key_Tab); };

        w.frameFields().xFlat->setFocus(Qt::TabFocusReason);
        for (int step = 0; step < 20 && focused() != w.cell(0, 0); ++step)
            tab();
        QCOMPARE(focused(), w.cell(0, 0));
        tab();
        QCOMPARE(focused(), w.rowButtonAt(0));
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(opened, w.listed()[0]);
        tab();
        QCOMPARE(focused(), w.cell(1, 0));
        QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focused(), w.rowButtonAt(0));

        QTest::keyClick(focused(), Qt::Key_Down);
        QCOMPARE(focused(), w.rowButtonAt(1));
        w.cell(rows - 1, 0)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(focused(), Qt::Key_Down);
        QCOMPARE(w.firstShown(), 1);
        QCOMPARE(focused(), w.cell(rows - 1, 0));
        QTest::keyClick(focused(), Qt::Key_PageDown);
        QCOMPARE(w.firstShown(), 30 - rows);
        QTest::keyClick(focused(), Qt::Key_Up);
        QCOMPARE(focused(), w.cell(rows - 2, 0));

        double shownDate = 0;
        const auto changes = OnModal<PaymentChangeDialog>([&](PaymentChangeDialog *d) {
            shownDate = d->editCopy().Date;
            d->reject();
        });
        QTest::keyClick(focused(), Qt::Key_Return);
        QVERIFY(changes.seen());
        QCOMPARE(shownDate, b.Payments[std::size_t(w.listed()[std::size_t(30 - 2)])].Date);
        QVERIFY(!f->state.DataChanged);
    }

    // A full list's running numbers show whole in the expenses' and the
    // payments' windows.
    void fiveDigitNumbersShowWhole()
    {
        BuildingData &b = f->state.Building;
        b.Payments.assign(std::size_t(MaxListCount), Payment(0, Day(1, 1, 2024), 1));
        ExpenseRecord expense;
        expense.Date = Day(1, 1, 2024);
        expense.Amount = 1;
        b.Expenses.assign(std::size_t(MaxListCount), expense);
        const ExpensesWindow expenses(f->context);
        const PaymentsWindow payments(f->context);
        for (const RecordListWindow *w : {static_cast<const RecordListWindow *>(&expenses),
                                           static_cast<const RecordListWindow *>(&payments)}) {
            const QLabel *number = w->cell(0, 0);
            QCOMPARE(number->text(), QStringLiteral("32767"));
            // The next column's cell lies over the number's right edge.
            const int shown = w->cell(0, 1)->x() - number->x();
            QVERIFY2(number->fontMetrics().horizontalAdvance(number->text()) + 2 <= shown,
                     qPrintable(w->windowTitle()));
            QVERIFY(w->scrollBar()->geometry().right() < w->width());
        }
        // What stood over the list's right edge still does.
        QCOMPARE(expenses.totalLabel()->geometry().right(), expenses.cell(0, 6)->geometry().right());
        QCOMPARE(payments.total()->geometry().right(), payments.rowButtonAt(0)->geometry().right());
    }

    void scrolledDeletionKeepsTheLastPageFull()
    {
        BuildingData &b = f->state.Building;
        for (int i = 0; i < 20; ++i)
            b.Payments.push_back(Payment(0, Day(1, 1, 2024) + i, 1));
        PaymentsWindow w(f->context);
        ShowActive(&w);
        const int rows = w.visibleRows();
        QVERIFY(w.scrollBar()->isVisible());
        QCOMPARE(w.scrollBar()->maximum(), 20 - rows);
        w.scrollBar()->setValue(20 - rows);
        f->platform.messages.script = {MessageAnswer::Yes};
        const auto changes = OnModal<PaymentChangeDialog>([](PaymentChangeDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Πληρωμή"));
            d->deleteButton()->click();
        });
        w.openRow(0);
        QCOMPARE(b.PaymentCount(), 19);
        QCOMPARE(w.firstShown(), 19 - rows);
        QCOMPARE(w.cell(rows - 1, 0)->text(), QStringLiteral("1"));
    }

    void changeDialogRefusesBothZero()
    {
        f->state.Building.Payments = {Payment(0, Day(1, 1, 2024), 5)};
        PaymentsWindow w(f->context);
        ShowActive(&w);
        bool centred = false;
        const auto changes = OnModal<PaymentChangeDialog>([this, &centred](PaymentChangeDialog *d) {
            centred = CentredOnScreen(d);
            TypeIntoBox(d->fields().xOwnerAmount, QStringLiteral("0"));
            d->okButton()->click();
            QCOMPARE(f->platform.messages.shown.last().text, QStringLiteral("Ένας από τους δύο πρέπει να πληρώσει."));
            TypeIntoBox(d->fields().xResidentAmount, QStringLiteral("3,2"));
            d->okButton()->click();
        });
        w.openRow(0);
        QVERIFY(centred);
        QCOMPARE(f->state.Building.Payments[0].OwnerAmount, 0.0f);
        QCOMPARE(f->state.Building.Payments[0].ResidentAmount, 3.2f);
        QVERIFY(f->state.DataChanged);
    }

    void filterDialogGroupsAndCancel()
    {
        BuildingData &b = f->state.Building;
        b.Payments = {Payment(0, Day(1, 1, 2024), 1), Payment(20, Day(2, 1, 2024), 1)};
        PaymentsWindow w(f->context);
        ShowActive(&w);
        bool centred = false;
        const auto filters = OnModal<PaymentFilterDialog>([this, &centred](PaymentFilterDialog *d) {
            centred = CentredOnScreen(d);
            QVERIFY(d->flats().scrollBar()->isVisible());
            QCOMPARE(d->flats().scrollBar()->maximum(), 15);
            d->flats().noneButton()->click();
            d->flats().scrollBar()->setValue(15);
            QCOMPARE(d->flats().box(9)->text(), QStringLiteral("Δ25"));
            QVERIFY(!d->flats().box(9)->isChecked());
            QVERIFY(!d->persons().scrollBar()->isVisible());
            QTest::keyClick(d, Qt::Key_F1);
            d->cancelButton()->click();
        });
        w.setFilters();
        QVERIFY(centred);
        QCOMPARE(f->state.PaymentFilter.Status, qint16(0));
        QCOMPARE(f->state.PaymentFilter.Flats, std::vector<bool>(25, true));
        QCOMPARE(w.listed().size(), std::size_t(2));
        QCOMPARE(f->platform.help.topics, QList<int>{5305});
        QVERIFY(f->platform.help.closeAllCount > 0);

        const auto again = OnModal<PaymentFilterDialog>([](PaymentFilterDialog *d) {
            d->flats().noneButton()->click();
            QCOMPARE(d->flats().box(0)->isChecked(), false);
            TypeIntoBox(d->fromBox(), QStringLiteral("no date"));
            Leave(d->toBox());
            QCOMPARE(d->fromBox()->text(), QString());
            d->applyButton()->click();
        });
        w.setFilters();
        QCOMPARE(f->state.PaymentFilter.Status, qint16(1));
        QCOMPARE(f->state.PaymentFilter.Flats, std::vector<bool>(25, false));
        QCOMPARE(f->state.PaymentFilter.FromDate, NotSetDate);
        QVERIFY(w.listed().empty());
    }

    void newFlatsAndPersonsShowChecked()
    {
        PaymentsWindow w(f->context);
        f->state.PaymentFilter.Flats.assign(25, false);
        f->state.Building.Flats.push_back(MakeFlat(QStringLiteral("Νέο")));
        f->state.Building.Persons.push_back(MakePerson(QStringLiteral("Νέος")));
        const auto filters = OnModal<PaymentFilterDialog>([](PaymentFilterDialog *d) {
            d->flats().scrollBar()->setValue(d->flats().scrollBar()->maximum());
            QCOMPARE(d->flats().box(9)->text(), QStringLiteral("Νέο"));
            QVERIFY(d->flats().box(9)->isChecked());
            QVERIFY(!d->flats().box(8)->isChecked());
            QCOMPARE(d->persons().box(3)->text(), QStringLiteral("Νέος"));
            QVERIFY(d->persons().box(3)->isChecked());
            d->cancelButton()->click();
        });
        w.setFilters();
    }

private:
    std::unique_ptr<RegisterFixture> f;
};

KV_TEST_MAIN(TestPayments)

} // namespace test_payments
#include "test_payments.moc"
