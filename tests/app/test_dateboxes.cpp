#include "registerfixture.h"

#include "accounts/expensechangedialog.h"
#include "accounts/expensefilterdialog.h"
#include "accounts/expenseswindow.h"
#include "accounts/paymentchangedialog.h"
#include "accounts/paymentfilterdialog.h"
#include "accounts/paymentswindow.h"
#include "accounts/permillewindow.h"
#include "issues/issuechangedialog.h"
#include "issues/issueswindow.h"
#include "occupancy/administratorswindow.h"
#include "occupancy/occupancywindow.h"
#include "platform/localeservice.h"
#include "testprogram.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <memory>

using namespace kelvarino;

namespace test_dateboxes {

namespace {

// A date box shows the day as the second; the first is the widest it may be typed as.
const QString WidestDate = QStringLiteral("28/08/2088");
const QString ShownDate = QStringLiteral("28/8/2088");

// Whether the box shows its whole text wherever its caret stands: the text
// lies where it lay with the caret at its start also after the box was
// painted with the caret at its end (a text wider than the box scrolls).
bool ShowsWhole(QLineEdit *box)
{
    box->setCursorPosition(0);
    box->grab();
    const QRect atStart = box->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    box->setCursorPosition(int(box->text().size()));
    box->grab();
    box->setCursorPosition(0);
    return box->inputMethodQuery(Qt::ImCursorRectangle).toRect() == atStart;
}

void SetAllDates(BuildingData &b, double day)
{
    for (auto &columns : b.ShareColumns)
        for (ShareColumn &c : columns)
            c.EndDate = day;
    for (ExpenseRecord &e : b.Expenses)
        e.Date = day;
    for (PaymentRecord &p : b.Payments)
        p.Date = day;
    for (IssueRecord &i : b.Issues)
        i.IssueDate = i.PeriodFrom = i.PeriodTo = day;
    for (OccupancyPeriod &p : b.Owners)
        p.FromDate = p.ToDate = day;
    for (OccupancyPeriod &p : b.Residents)
        p.FromDate = p.ToDate = day;
    for (AdministratorPeriod &p : b.Administrators)
        p.FromDate = p.ToDate = day;
}

} // namespace

// Every date box of every window shows the widest date whole in its own font.
class TestDateBoxes : public QObject
{
    Q_OBJECT
private:
    RegisterFixture f_;
    QFont desktopFont_;

    // The window's boxes that show the widest date; at least `expected` of them.
    void checkBoxes(QWidget *window, const char *name, int expected)
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        int found = 0;
        for (QLineEdit *box : window->findChildren<QLineEdit *>()) {
            if (box->text() != ShownDate || !box->isVisible())
                continue;
            ++found;
            box->setText(WidestDate);
            QVERIFY2(ShowsWhole(box), qPrintable(QStringLiteral("%1: a date box of width %2 cuts %3")
                                                     .arg(QString::fromLatin1(name))
                                                     .arg(box->width())
                                                     .arg(WidestDate)));
        }
        QVERIFY2(found >= expected, qPrintable(QStringLiteral("%1: %2 date boxes").arg(QString::fromLatin1(name)).arg(found)));
        // For a person to look at, when KV_SCREENSHOT_DIR names a folder.
        const QString folder = qEnvironmentVariable("KV_SCREENSHOT_DIR");
        if (!folder.isEmpty() && QDir().mkpath(folder))
            window->grab().save(QStringLiteral("%1/%2-%3.png")
                                    .arg(folder, QString::fromLatin1(name), QString::number(QApplication::font().pointSize())));
    }

private slots:
    // Every case runs in the desktop's font and in one far larger.
    void init()
    {
        QFETCH_GLOBAL(int, pointSize);
        QFont font = desktopFont_;
        if (pointSize > 0)
            font.setPointSize(pointSize);
        QApplication::setFont(font);
    }
    void cleanup() { QApplication::setFont(desktopFont_); }

    void initTestCase_data()
    {
        QTest::addColumn<int>("pointSize");
        QTest::newRow("desktop font") << 0;
        QTest::newRow("large font") << 20;
    }

    void initTestCase()
    {
        desktopFont_ = QApplication::font();
        BuildingData &b = f_.state.Building;
        for (int i = 0; i < 2; ++i) {
            b.Flats.push_back(MakeFlat(QStringLiteral("Δ%1").arg(i + 1)));
            b.Persons.push_back(MakePerson(QStringLiteral("Πρόσωπο %1").arg(i + 1)));
        }
        for (auto &columns : b.ShareColumns)
            columns.assign(2, ShareColumn::zeros(2));
        b.Expenses.resize(1);
        b.Expenses[0].Flat = 0;
        b.Payments.resize(1);
        b.Issues.resize(1);
        b.Owners = {OccupancyPeriod{0, 0, 0, 0}};
        b.Residents = b.Owners;
        b.Administrators = {AdministratorPeriod{0, 0, 0}};
        const double day = LocaleService::dayNumber(QDate(2088, 8, 28));
        SetAllDates(b, day);
        f_.state.ExpenseFilter.FromDate = f_.state.ExpenseFilter.ToDate = day;
        f_.state.PaymentFilter.FromDate = f_.state.PaymentFilter.ToDate = day;
        // The entry frames offer today.
        f_.platform.clock.set(QDateTime(QDate(2088, 8, 28), QTime(10, 0)));
    }

    void filters()
    {
        ExpenseFilterDialog expenses(f_.state, f_.platform.platform());
        checkBoxes(&expenses, "expensefilters", 2);
        PaymentFilterDialog payments(f_.state, f_.platform.platform());
        checkBoxes(&payments, "paymentfilters", 2);
    }

    void entryFramesAndChangeDialogs()
    {
        ExpensesWindow expenses(f_.context);
        checkBoxes(&expenses, "expenses", 1);
        ExpenseChangeDialog expense(f_.state, f_.platform.platform(), 0);
        checkBoxes(&expense, "expense", 1);
        PaymentsWindow payments(f_.context);
        checkBoxes(&payments, "payments", 1);
        PaymentChangeDialog payment(f_.state, f_.platform.platform(), 0);
        checkBoxes(&payment, "payment", 1);
    }

    void periodEditors()
    {
        AdministratorsWindow administrators(f_.context);
        checkBoxes(&administrators, "administrators", 2);
        OwnersWindow owners(f_.context);
        checkBoxes(&owners, "owners", 2);
        ResidentsWindow residents(f_.context);
        checkBoxes(&residents, "residents", 2);
    }

    void issues()
    {
        IssuesWindow issues(f_.context);
        checkBoxes(&issues, "issues", 1);
        IssueChangeDialog issue(f_.context, 0);
        checkBoxes(&issue, "issue", 3);
    }

    void perMille()
    {
        PerMilleWindow perMille(f_.context, 0);
        checkBoxes(&perMille, "permille", 2);
    }
};

KV_TEST_MAIN(TestDateBoxes)

} // namespace test_dateboxes
#include "test_dateboxes.moc"
