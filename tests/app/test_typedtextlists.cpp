#include "registerfixture.h"

#include "accounts/dat07_percentages.h"
#include "accounts/dat08_expenses.h"
#include "accounts/dat09_payments.h"
#include "accounts/recordfields.h"
#include "core/fixedtext.h"
#include "issues/dat10_issuedforms.h"
#include "issues/issuefields.h"
#include "platform/localeservice.h"
#include "register/dat02_contactpersons.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <functional>

using namespace kelvarino;

// Text typed into a box and still pending there when the list under the box
// is sorted, rebuilt or closed lands once, in the record the box showed when
// it was typed, and nowhere else. Each case is one window and one scenario;
// afterwards every record of the list is compared with what it should hold.

namespace {

double Day(int d, int m, int y)
{
    return LocaleService::dayNumber(QDate(y, m, d));
}

QString DateText(double day)
{
    return day == NotSetDate ? QStringLiteral("open") : LocaleService::formatDate(day);
}

// Types into a box that gets the focus first; the focus stays in it.
void TypeIntoBox(QWidget *box, const QString &text)
{
    QVERIFY(box);
    box->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(box))
        edit->selectAll();
    TypeInto(box, text);
}

void Choose(QComboBox *box, int item)
{
    box->setCurrentIndex(item);
    emit box->activated(item);
}

// ---- The work ------------------------------------------------------------

void StartWork(RegisterFixture &f, int flats, int persons = 0)
{
    BuildingData &b = f.state.Building;
    for (int i = 0; i < flats; ++i)
        b.Flats.push_back(MakeFlat(QStringLiteral("Δ%1").arg(i + 1)));
    for (int i = 0; i < persons; ++i)
        b.Persons.push_back(MakePerson(QStringLiteral("Πρόσωπο %1").arg(i + 1)));
    for (auto &columns : b.ShareColumns)
        columns.assign(1, ShareColumn::zeros(flats));
    // Whatever the closing checks ask is answered yes.
    f.platform.messages.script = QList<MessageAnswer>(8, MessageAnswer::Yes);
}

// What another window does: a flat put in at `at`, or the flat at `at` deleted,
// the per-mille columns following.
void AddFlatElsewhere(RegisterFixture &f, int at, const QString &name)
{
    BuildingData &b = f.state.Building;
    b.Flats.insert(b.Flats.begin() + at, MakeFlat(name));
    for (auto &columns : b.ShareColumns)
        for (ShareColumn &c : columns)
            for (std::vector<float> *values : {&c.PerMille, &c.ResidentReduction, &c.OwnerReduction})
                values->insert(values->begin() + at, 0.0f);
}

void DeleteFlatElsewhere(RegisterFixture &f, int at)
{
    BuildingData &b = f.state.Building;
    b.Flats.erase(b.Flats.begin() + at);
    for (auto &columns : b.ShareColumns)
        for (ShareColumn &c : columns)
            for (std::vector<float> *values : {&c.PerMille, &c.ResidentReduction, &c.OwnerReduction})
                values->erase(values->begin() + at);
}

// Closes the window as its frame does and deletes it with the focus still in
// its box, as the main window's area does.
template <class W>
void CloseAndDelete(W *w)
{
    w->close();
    delete w;
}

// ---- The records of each list, one line each -------------------------------

QStringList PerMilleRecords(const RegisterFixture &f)
{
    const BuildingData &b = f.state.Building;
    QStringList lines;
    for (const ShareColumn &c : b.ShareColumns[1]) {
        QStringList values;
        for (int k = 0; k < b.FlatCount(); ++k)
            values << b.Flats[std::size_t(k)].ShortName.trimmed() + QLatin1Char('=') +
                          QString::number(c.PerMille[std::size_t(k)]);
        QString line = DateText(c.EndDate) + QLatin1Char(' ') + values.join(QLatin1Char(' '));
        QStringList reductions;
        for (int k = 0; k < b.FlatCount(); ++k)
            if (c.ResidentReduction[std::size_t(k)] != 0)
                reductions << b.Flats[std::size_t(k)].ShortName.trimmed() + QLatin1Char('=') +
                                  QString::number(c.ResidentReduction[std::size_t(k)]);
        if (!reductions.isEmpty())
            line += QStringLiteral(" | reductions ") + reductions.join(QLatin1Char(' '));
        lines << line;
    }
    return lines;
}

QStringList ExpenseRecords(const RegisterFixture &f)
{
    QStringList lines;
    for (const ExpenseRecord &e : f.state.Building.Expenses)
        lines << QStringLiteral("%1 %2 %3").arg(DateText(e.Date), e.Description.trimmed()).arg(e.Amount);
    return lines;
}

QStringList PaymentRecords(const RegisterFixture &f)
{
    QStringList lines;
    for (const PaymentRecord &p : f.state.Building.Payments)
        lines << QStringLiteral("flat %1 owner %2 %3").arg(p.Flat).arg(p.OwnerAmount).arg(p.OwnerNote.trimmed());
    return lines;
}

QStringList IssueRecords(const RegisterFixture &f)
{
    QStringList lines;
    for (const IssueRecord &i : f.state.Building.Issues)
        lines << QStringLiteral("%1-%2 %3").arg(DateText(i.PeriodFrom), DateText(i.PeriodTo),
                                               i.Announcement.trimmed());
    return lines;
}

QStringList PersonRecords(const RegisterFixture &f)
{
    QStringList lines;
    for (const PersonRecord &p : f.state.Building.Persons)
        lines << p.Name.trimmed() + QStringLiteral(": ") + p.Street.trimmed() + QStringLiteral(" / ") +
                     p.Phone.trimmed();
    return lines;
}

// ---- The scenarios ---------------------------------------------------------

using W07 = dat07_Percentages;

// Two columns, the open one first: closing sorts the dated one before it.
void PerMilleTypedThenSortedOnClose(RegisterFixture &f)
{
    StartWork(f, 3);
    f.state.Building.ShareColumns[1] = {ShareColumn::zeros(3), ShareColumn::zeros(3, Day(31, 12, 2024))};
    auto *w = new W07(f.context, 1);
    ShowActive(w);
    TypeIntoBox(w->box(W07::PerMille, 0, 1), QStringLiteral("250"));
    TypeIntoBox(w->box(W07::PerMille, 1, 2), QStringLiteral("40"));
    CloseAndDelete(w);
}

// Fewer rows than flats: the list scrolls under the box being typed into.
void PerMilleTypedThenScrolled(RegisterFixture &f)
{
    StartWork(f, 3);
    f.shell.clientHeight = 3000;
    auto *w = new W07(f.context, 1);
    ShowActive(w);
    QVERIFY(w->visibleRows() < 3);
    TypeIntoBox(w->box(W07::PerMille, 0, 0), QStringLiteral("1,5"));
    w->verticalBar()->setValue(1);
    TypeIntoBox(w->box(W07::ResidentReduction, 0, 0), QStringLiteral("20"));
    w->verticalBar()->setValue(0);
    CloseAndDelete(w);
}

// Types into a per-mille box of slot 0, then another window changes the
// flats and the main window redraws this one, the focus still in the box.
void PerMilleTypedThenFlatsChanged(RegisterFixture &f, int row, const QString &text,
                                   const std::function<void()> &change)
{
    StartWork(f, 3);
    auto *w = new W07(f.context, 1);
    ShowActive(w);
    TypeIntoBox(w->box(W07::PerMille, 0, row), text);
    change();
    w->show_data();
    CloseAndDelete(w);
}

// A flat put in before the typed row: the rows are built again under the box.
void PerMilleTypedThenFlatAddedElsewhere(RegisterFixture &f)
{
    PerMilleTypedThenFlatsChanged(f, 1, QStringLiteral("250"), [&f] { AddFlatElsewhere(f, 0, QStringLiteral("Α0")); });
}

// A flat deleted before the typed row: the typed row goes, its box deleted
// with the focus in it.
void PerMilleTypedThenItsRowDeletedElsewhere(RegisterFixture &f)
{
    PerMilleTypedThenFlatsChanged(f, 2, QStringLiteral("7"), [&f] { DeleteFlatElsewhere(f, 0); });
}

ExpenseRecord Expense(const QString &text, double date)
{
    ExpenseRecord e;
    e.Date = date;
    e.Category = 1;
    e.AllFlats = True16;
    e.Amount = 10;
    e.Description.set(text);
    return e;
}

void FillExpenseFrame(dat08_Expenses &w, const QString &reason, const QString &amount)
{
    ExpenseFields &fields = w.frameFields();
    TypeIntoBox(fields.xDate, QStringLiteral("3/2/2024"));
    Choose(fields.xType, 2);
    TypeIntoBox(fields.xReason, reason);
    TypeIntoBox(fields.xAmount, amount); // the focus stays here
}

void ExpenseTypedThenFlatAddedElsewhereThenAdded(RegisterFixture &f)
{
    StartWork(f, 3);
    f.state.Building.Expenses = {Expense(QStringLiteral("Νερό"), Day(1, 1, 2024)),
                                 Expense(QStringLiteral("Ρεύμα"), Day(1, 3, 2024))};
    auto *w = new dat08_Expenses(f.context);
    ShowActive(w);
    FillExpenseFrame(*w, QStringLiteral("Καθαρισμός"), QStringLiteral("12,5"));
    AddFlatElsewhere(f, 0, QStringLiteral("Α0"));
    w->show_data();
    w->acceptButton()->click();
    CloseAndDelete(w);
}

void ExpenseTypedThenClosed(RegisterFixture &f)
{
    StartWork(f, 3);
    f.state.Building.Expenses = {Expense(QStringLiteral("Νερό"), Day(1, 1, 2024))};
    auto *w = new dat08_Expenses(f.context);
    ShowActive(w);
    FillExpenseFrame(*w, QStringLiteral("Καθαρισμός"), QStringLiteral("12,5"));
    CloseAndDelete(w);
}

PaymentRecord Payment(int flat, float owner)
{
    PaymentRecord p;
    p.Flat = qint16(flat);
    p.Date = Day(1, 1, 2024);
    p.OwnerAmount = owner;
    return p;
}

void PaymentTypedThenListChangedElsewhereThenAdded(RegisterFixture &f)
{
    StartWork(f, 3);
    f.state.Building.Payments = {Payment(0, 5)};
    auto *w = new dat09_Payments(f.context);
    ShowActive(w);
    PaymentFields &fields = w->frameFields();
    Choose(fields.xFlat, 2);
    TypeIntoBox(fields.xOwnerComment, QStringLiteral("Εξόφληση"));
    TypeIntoBox(fields.xOwnerAmount, QStringLiteral("30"));
    f.state.Building.Payments.push_back(Payment(1, 7)); // another window adds one
    w->show_data();
    w->acceptButton()->click();
    CloseAndDelete(w);
}

IssueRecord Issue(double from, double to, const QString &announcement)
{
    IssueRecord issue;
    issue.PeriodFrom = from;
    issue.PeriodTo = to;
    issue.IssueDate = to;
    issue.Announcement.set(announcement);
    return issue;
}

// The new issue is added before the older one: the list is kept latest first.
void IssueTypedThenFlatAddedElsewhereThenAdded(RegisterFixture &f)
{
    StartWork(f, 3);
    f.state.Building.Issues = {Issue(Day(1, 1, 2016), Day(31, 3, 2016), QStringLiteral("Παλιά"))};
    auto *w = new dat10_IssuedForms(f.context);
    ShowActive(w);
    TypeIntoBox(w->fields().dateFrom(), QStringLiteral("1/4/2016"));
    TypeIntoBox(w->fields().dateTo(), QStringLiteral("30/6/2016"));
    TypeIntoBox(w->fields().comment(), QStringLiteral("Νέα"));
    AddFlatElsewhere(f, 0, QStringLiteral("Α0"));
    w->show_data();
    w->accept_Click();
    TypeIntoBox(w->fields().comment(), QStringLiteral("Εκκρεμεί")); // typed, never added
    CloseAndDelete(w);
}

void ContactTypedThenSteppedThenClosed(RegisterFixture &f)
{
    StartWork(f, 1, 3);
    auto *w = new dat02_ContactPersons(f.context, 0);
    ShowActive(w);
    TypeIntoBox(w->box(1), QStringLiteral("Οδός Α 1"));
    w->next();
    TypeIntoBox(w->box(3), QStringLiteral("2101234567"));
    w->next();
    w->previous();
    w->previous(); // the focus stayed in the phone box all along
    TypeIntoBox(w->box(1), QStringLiteral("Οδός Β 2"));
    CloseAndDelete(w);
}

struct Case
{
    const char *window;
    const char *scenario;
    void (*run)(RegisterFixture &);
    QStringList (*records)(const RegisterFixture &);
    QStringList expected;
};

const QList<Case> &Cases()
{
    static const QList<Case> cases = {
        {"per-mille", "typed, then closing sorts the columns", PerMilleTypedThenSortedOnClose, PerMilleRecords,
         {"31/12/2024 Δ1=0 Δ2=0 Δ3=40", "open Δ1=0 Δ2=250 Δ3=0"}},
        {"per-mille", "typed, then scrolled, typed, scrolled back, closed", PerMilleTypedThenScrolled,
         PerMilleRecords, {"open Δ1=1.5 Δ2=0 Δ3=0 | reductions Δ2=20"}},
        {"per-mille", "typed, then a flat added before it elsewhere", PerMilleTypedThenFlatAddedElsewhere,
         PerMilleRecords, {"open Α0=0 Δ1=0 Δ2=250 Δ3=0"}},
        {"per-mille", "typed, then its row deleted elsewhere", PerMilleTypedThenItsRowDeletedElsewhere,
         PerMilleRecords, {"open Δ2=0 Δ3=7"}},
        {"expenses", "typed, then a flat added elsewhere, then added", ExpenseTypedThenFlatAddedElsewhereThenAdded,
         ExpenseRecords, {"1/1/2024 Νερό 10", "1/3/2024 Ρεύμα 10", "3/2/2024 Καθαρισμός 12.5"}},
        {"expenses", "typed, then closed", ExpenseTypedThenClosed, ExpenseRecords, {"1/1/2024 Νερό 10"}},
        {"payments", "typed, then the list changed elsewhere, then added",
         PaymentTypedThenListChangedElsewhereThenAdded, PaymentRecords,
         {"flat 0 owner 5 ", "flat 1 owner 7 ", "flat 2 owner 30 Εξόφληση"}},
        {"issues", "typed, then a flat added elsewhere, then added, then typed and closed",
         IssueTypedThenFlatAddedElsewhereThenAdded, IssueRecords,
         {"1/4/2016-30/6/2016 Νέα", "1/1/2016-31/3/2016 Παλιά"}},
        {"contact persons", "typed, stepped on and back, typed, closed", ContactTypedThenSteppedThenClosed,
         PersonRecords, {"Πρόσωπο 1: Οδός Β 2 / ", "Πρόσωπο 2:  / 2101234567", "Πρόσωπο 3:  / "}},
    };
    return cases;
}

} // namespace

class TestTypedTextLists : public QObject
{
    Q_OBJECT

private slots:
    void typedTextLandsInItsRecord_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < Cases().size(); ++i)
            QTest::addRow("%s: %s", Cases()[i].window, Cases()[i].scenario) << i;
    }

    void typedTextLandsInItsRecord()
    {
        QFETCH(int, index);
        const Case &c = Cases()[index];
        RegisterFixture f;
        c.run(f);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(c.records(f), c.expected);
    }
};

QTEST_MAIN(TestTypedTextLists)
#include "test_typedtextlists.moc"
