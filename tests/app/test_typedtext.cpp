#include "registerfixture.h"

#include "accounts/permillewindow.h"
#include "accounts/expenseswindow.h"
#include "accounts/paymentswindow.h"
#include "accounts/recordfields.h"
#include "core/fixedtext.h"
#include "issues/issueswindow.h"
#include "issues/issuefields.h"
#include "occupancy/administratorswindow.h"
#include "occupancy/professionalswindow.h"
#include "occupancy/occupancywindow.h"
#include "platform/localeservice.h"
#include "platform/qtmessageservice.h"
#include "register/expensecategorieswindow.h"
#include "register/flatswindow.h"
#include "register/personcontactwindow.h"
#include "register/personswindow.h"
#include "register/listgeneration.h"
#include "register/windowopener.h"
#include "shell/childframe.h"
#include "modalwindow.h"
#include "testprogram.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QAbstractButton>
#include <QMessageBox>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QScopeGuard>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace kelvarino;

namespace test_typedtext {

// Text typed into a box and still pending there when the list under the box
// is sorted, rebuilt or closed lands once, in the record the box showed when
// it was typed, and nowhere else. Each case is one window and one scenario;
// afterwards every record of the list is compared with what it should hold.
// A grid window closing with text typed on its new-record row asks first
// whether to create that record.

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

// The window W over the fixture's work, shown and active.
template <class W>
W *Opened(RegisterFixture &f)
{
    auto *w = new W(f.context);
    ShowActive(w);
    return w;
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

QString Amount(float value)
{
    return QString::number(double(value));
}

QStringList FlatRecords(const RegisterFixture &f)
{
    QStringList lines;
    for (const FlatRecord &r : f.state.Building.Flats)
        lines << QStringLiteral("%1 %2 %3 %4")
                     .arg(r.ShortName.trimmed(), r.Description.trimmed(), Amount(r.ResidentInitialDebt),
                          Amount(r.OwnerInitialDebt));
    return lines;
}

QStringList ProfessionalRecords(const RegisterFixture &f)
{
    QStringList lines;
    for (const ProfessionalRecord &p : f.state.Building.Professionals)
        lines << p.Activity.trimmed() + QStringLiteral(": ") + p.Name.trimmed();
    return lines;
}

template <class P>
QStringList PeriodRecords(const RegisterFixture &f, const std::vector<P> &periods)
{
    QStringList lines;
    for (const P &p : periods) {
        const bool known = p.Person >= 0 && p.Person < f.state.Building.PersonCount();
        lines << QStringLiteral("%1 %2-%3")
                     .arg(known ? f.state.Building.Persons[std::size_t(p.Person)].Name.trimmed() : QStringLiteral("?"),
                          DateText(p.FromDate), DateText(p.ToDate));
    }
    return lines;
}

QStringList OwnerRecords(const RegisterFixture &f)
{
    return PeriodRecords(f, f.state.Building.Owners);
}

QStringList ResidentRecords(const RegisterFixture &f)
{
    return PeriodRecords(f, f.state.Building.Residents);
}

QStringList AdministratorRecords(const RegisterFixture &f)
{
    return PeriodRecords(f, f.state.Building.Administrators);
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

using W07 = PerMilleWindow;

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
    w->showData();
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

void FillExpenseFrame(ExpensesWindow &w, const QString &reason, const QString &amount)
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
    auto *w = Opened<ExpensesWindow>(f);
    FillExpenseFrame(*w, QStringLiteral("Καθαρισμός"), QStringLiteral("12,5"));
    AddFlatElsewhere(f, 0, QStringLiteral("Α0"));
    w->showData();
    w->acceptButton()->click();
    CloseAndDelete(w);
}

void ExpenseTypedThenClosed(RegisterFixture &f)
{
    StartWork(f, 3);
    f.state.Building.Expenses = {Expense(QStringLiteral("Νερό"), Day(1, 1, 2024))};
    auto *w = Opened<ExpensesWindow>(f);
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
    auto *w = Opened<PaymentsWindow>(f);
    PaymentFields &fields = w->frameFields();
    Choose(fields.xFlat, 2);
    TypeIntoBox(fields.xOwnerComment, QStringLiteral("Εξόφληση"));
    TypeIntoBox(fields.xOwnerAmount, QStringLiteral("30"));
    f.state.Building.Payments.push_back(Payment(1, 7)); // another window adds one
    w->showData();
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
    auto *w = Opened<IssuesWindow>(f);
    TypeIntoBox(w->fields().dateFrom(), QStringLiteral("1/4/2016"));
    TypeIntoBox(w->fields().dateTo(), QStringLiteral("30/6/2016"));
    TypeIntoBox(w->fields().comment(), QStringLiteral("Νέα"));
    AddFlatElsewhere(f, 0, QStringLiteral("Α0"));
    w->showData();
    w->addIssue();
    TypeIntoBox(w->fields().comment(), QStringLiteral("Εκκρεμεί")); // typed, never added
    CloseAndDelete(w);
}

void ContactTypedThenSteppedThenClosed(RegisterFixture &f)
{
    StartWork(f, 1, 3);
    auto *w = new PersonContactWindow(f.context, 0);
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

// ---- The grid windows ------------------------------------------------------

// The window W in a child frame of a client area, as the main window shows it:
// when the frame closes, the focus leaves the window's box for the area.
template <class W>
W *Framed(RegisterFixture &f)
{
    auto *area = new QMdiArea;
    area->resize(1280, 900);
    auto *w = new W(f.context);
    auto *frame = new ChildFrame(w, {});
    area->addSubWindow(frame);
    frame->show();
    ShowActive(area);
    area->setActiveSubWindow(frame);
    return w;
}

// Closes the window with its frame's close box, then deletes the area.
void CloseFrameAndDelete(QWidget *w)
{
    QMdiArea *area = static_cast<QMdiSubWindow *>(w->parentWidget())->mdiArea();
    CloseDataWindow(w);
    delete area;
}

// What another window does to the lists, then the main window's redraw of
// this one, the focus still in its box.
void ChangedElsewhere(GridEditor *w, const std::function<void()> &change)
{
    change();
    NextListGeneration();
    w->showData();
}

void FlatTypedThenMovedElsewhere(RegisterFixture &f)
{
    StartWork(f, 3);
    auto *w = Framed<FlatsWindow>(f);
    TypeIntoBox(w->textCell(2, 1), QStringLiteral("Ρετιρέ"));
    TypeIntoBox(w->textCell(2, 3), QStringLiteral("12,5"));
    // The order window puts Δ3 first: the typed row now shows Δ2.
    ChangedElsewhere(w, [&f] { MoveFlat(f.state, 2, 0); });
    CloseFrameAndDelete(w);
}

// Typed again after the redraw: the box stores into the record it shows now.
void FlatRebuiltElsewhereThenTyped(RegisterFixture &f)
{
    StartWork(f, 3);
    auto *w = Framed<FlatsWindow>(f);
    TypeIntoBox(w->textCell(1, 2), QStringLiteral("5"));
    ChangedElsewhere(w, [&f] { DeleteFlat(f.state, 0); });
    TypeIntoBox(w->textCell(1, 2), QStringLiteral("7"));
    CloseFrameAndDelete(w);
}

void PersonTypedThenOneBeforeDeletedElsewhere(RegisterFixture &f)
{
    StartWork(f, 1, 3);
    auto *w = Framed<PersonsWindow>(f);
    TypeIntoBox(w->textCell(2, 0), QStringLiteral("Νίκος"));
    ChangedElsewhere(w, [&f] { DeletePerson(f.state, 0); });
    CloseFrameAndDelete(w);
}

void ProfessionalTypedThenMovedElsewhere(RegisterFixture &f)
{
    StartWork(f, 1);
    for (const char *name : {"Α", "Β", "Γ"}) {
        ProfessionalRecord p;
        p.Name.set(QString::fromUtf8(name));
        p.Activity.set(QStringLiteral("Υδραυλικός"));
        f.state.Building.Professionals.push_back(p);
    }
    auto *w = Framed<ProfessionalsWindow>(f);
    TypeIntoBox(w->textCell(0, 0), QStringLiteral("Ηλεκτρολόγος"));
    ChangedElsewhere(w, [&f] { MoveProfessional(f.state, 0, 2); });
    CloseFrameAndDelete(w);
}

// One flat; Άλφα 1/3/2020-31/12/2022, Βήτα from 1/3/2020, Γάμμα from
// 1/1/2020: closing sorts them to Γάμμα, Βήτα, Άλφα.
void ThreeOccupancyPeriods(RegisterFixture &f, std::vector<OccupancyPeriod> &list)
{
    StartWork(f, 1, 0);
    for (const char *name : {"Άλφα", "Βήτα", "Γάμμα"})
        f.state.Building.Persons.push_back(MakePerson(QString::fromUtf8(name)));
    list = {{0, 0, Day(1, 3, 2020), Day(31, 12, 2022)}, {1, 0, Day(1, 3, 2020), NotSetDate},
            {2, 0, Day(1, 1, 2020), NotSetDate}};
}

template <class W>
void OccupancyLastEndTypedThenClosed(RegisterFixture &f, std::vector<OccupancyPeriod> &list, const QString &typed)
{
    ThreeOccupancyPeriods(f, list);
    auto *w = Framed<W>(f);
    TypeIntoBox(w->dateCell(2, 2), typed);
    CloseFrameAndDelete(w);
}

void OwnerEndClickedThenClosed(RegisterFixture &f)
{
    OccupancyLastEndTypedThenClosed<OwnersWindow>(f, f.state.Building.Owners, QString());
}

void OwnerEndTypedThenClosed(RegisterFixture &f)
{
    OccupancyLastEndTypedThenClosed<OwnersWindow>(f, f.state.Building.Owners, QStringLiteral("15/6/2021"));
}

void ResidentEndTypedThenClosed(RegisterFixture &f)
{
    OccupancyLastEndTypedThenClosed<ResidentsWindow>(f, f.state.Building.Residents, QStringLiteral("15/6/2021"));
}

// A person added in the persons' window: the rows stay, and the redraw stores
// the date typed before it.
void OwnerEndTypedThenPersonAddedElsewhere(RegisterFixture &f)
{
    ThreeOccupancyPeriods(f, f.state.Building.Owners);
    auto *w = Framed<OwnersWindow>(f);
    TypeIntoBox(w->dateCell(2, 2), QStringLiteral("15/6/2021"));
    ChangedElsewhere(w, [&f] { f.state.Building.Persons.push_back(MakePerson(QStringLiteral("Δέλτα"))); });
    CloseFrameAndDelete(w);
}

// Βήτα's person deleted in the persons' window: Άλφα moves onto the row of
// Γάμμα's box, which then writes nowhere.
void ResidentEndTypedThenRowMovedElsewhere(RegisterFixture &f)
{
    ThreeOccupancyPeriods(f, f.state.Building.Residents);
    std::vector<OccupancyPeriod> &list = f.state.Building.Residents;
    std::swap(list[0], list[2]); // Γάμμα, Βήτα, Άλφα
    std::swap(list[0], list[1]); // Βήτα, Γάμμα, Άλφα
    auto *w = Framed<ResidentsWindow>(f);
    TypeIntoBox(w->dateCell(1, 2), QStringLiteral("15/6/2021"));
    ChangedElsewhere(w, [&f] { DeletePerson(f.state, 1); });
    CloseFrameAndDelete(w);
}

// Άλφα 1/1/2021-31/12/2022 then Βήτα from 1/1/2020: closing sorts Βήτα first.
void TwoAdministrators(RegisterFixture &f)
{
    StartWork(f, 1, 0);
    for (const char *name : {"Άλφα", "Βήτα"})
        f.state.Building.Persons.push_back(MakePerson(QString::fromUtf8(name)));
    f.state.Building.Administrators = {{0, Day(1, 1, 2021), Day(31, 12, 2022)}, {1, Day(1, 1, 2020), NotSetDate}};
}

void AdministratorEndClickedThenClosed(RegisterFixture &f)
{
    TwoAdministrators(f);
    auto *w = Framed<AdministratorsWindow>(f);
    TypeIntoBox(w->dateCell(1, 2), QString());
    CloseFrameAndDelete(w);
}

void AdministratorEndTypedThenPersonAddedElsewhere(RegisterFixture &f)
{
    TwoAdministrators(f);
    auto *w = Framed<AdministratorsWindow>(f);
    TypeIntoBox(w->dateCell(1, 2), QStringLiteral("31/12/2020"));
    ChangedElsewhere(w, [&f] { f.state.Building.Persons.push_back(MakePerson(QStringLiteral("Γάμμα"))); });
    CloseFrameAndDelete(w);
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
        {"flats", "typed, then its row moved elsewhere, closed", FlatTypedThenMovedElsewhere, FlatRecords,
         {"Δ3 Ρετιρέ 0 12.5", "Δ1  0 0", "Δ2  0 0"}},
        {"flats", "typed, then a flat before it deleted elsewhere, typed again, closed",
         FlatRebuiltElsewhereThenTyped, FlatRecords, {"Δ2  5 0", "Δ3  7 0"}},
        {"persons", "typed, then a person before it deleted elsewhere, closed",
         PersonTypedThenOneBeforeDeletedElsewhere, PersonRecords, {"Πρόσωπο 2:  / ", "Νίκος:  / "}},
        {"professionals", "typed, then its row moved elsewhere, closed", ProfessionalTypedThenMovedElsewhere,
         ProfessionalRecords, {"Υδραυλικός: Β", "Υδραυλικός: Γ", "Ηλεκτρολόγος: Α"}},
        {"owners", "the last end clicked, then closing sorts", OwnerEndClickedThenClosed, OwnerRecords,
         {"Γάμμα 1/1/2020-open", "Βήτα 1/3/2020-open", "Άλφα 1/3/2020-31/12/2022"}},
        {"owners", "the last end typed, then closing sorts", OwnerEndTypedThenClosed, OwnerRecords,
         {"Γάμμα 1/1/2020-15/6/2021", "Βήτα 1/3/2020-open", "Άλφα 1/3/2020-31/12/2022"}},
        {"owners", "the last end typed, then a person added elsewhere, closed",
         OwnerEndTypedThenPersonAddedElsewhere, OwnerRecords,
         {"Γάμμα 1/1/2020-15/6/2021", "Βήτα 1/3/2020-open", "Άλφα 1/3/2020-31/12/2022"}},
        {"residents", "the last end typed, then closing sorts", ResidentEndTypedThenClosed, ResidentRecords,
         {"Γάμμα 1/1/2020-15/6/2021", "Βήτα 1/3/2020-open", "Άλφα 1/3/2020-31/12/2022"}},
        {"residents", "an end typed, then another period moved onto its row elsewhere, closed",
         ResidentEndTypedThenRowMovedElsewhere, ResidentRecords, {"Γάμμα 1/1/2020-open", "Άλφα 1/3/2020-31/12/2022"}},
        {"administrators", "the last end clicked, then closing sorts", AdministratorEndClickedThenClosed,
         AdministratorRecords, {"Βήτα 1/1/2020-open", "Άλφα 1/1/2021-31/12/2022"}},
        {"administrators", "the last end typed, then a person added elsewhere, closed",
         AdministratorEndTypedThenPersonAddedElsewhere, AdministratorRecords,
         {"Βήτα 1/1/2020-31/12/2020", "Άλφα 1/1/2021-31/12/2022"}},
    };
    return cases;
}

// ---- The new-record question -------------------------------------------------

const QString NewRecordText = QStringLiteral(
    "Η νέα εγγραφή που πληκτρολογήσατε δεν έχει καταχωρηθεί. Θέλετε να καταχωρηθεί πριν κλείσει το παράθυρο;");

// Each opens its window over a small work and types on the new-record row
// (or not); the focus stays in the last box.
GridEditor *FlatNameTyped(RegisterFixture &f)
{
    StartWork(f, 3);
    auto *w = Opened<FlatsWindow>(f);
    TypeIntoBox(w->textCell(3, 0), QStringLiteral("Δ4"));
    TypeIntoBox(w->textCell(3, 3), QStringLiteral("2,5"));
    return w;
}

// A description without the name a new flat needs.
GridEditor *FlatDescriptionTyped(RegisterFixture &f)
{
    StartWork(f, 3);
    auto *w = Opened<FlatsWindow>(f);
    TypeIntoBox(w->textCell(3, 1), QStringLiteral("Ρετιρέ"));
    return w;
}

GridEditor *FlatSamplesOnly(RegisterFixture &f)
{
    StartWork(f, 0);
    auto *w = Opened<FlatsWindow>(f);
    FocusBox(w->textCell(0, 1));
    return w;
}

GridEditor *PersonNameTyped(RegisterFixture &f)
{
    StartWork(f, 1, 2);
    auto *w = Opened<PersonsWindow>(f);
    TypeIntoBox(w->textCell(2, 0), QStringLiteral("Νέο πρόσωπο"));
    return w;
}

GridEditor *PersonNothingTyped(RegisterFixture &f)
{
    StartWork(f, 1, 2);
    auto *w = Opened<PersonsWindow>(f);
    FocusBox(w->textCell(2, 0));
    return w;
}

GridEditor *ProfessionalTyped(RegisterFixture &f)
{
    StartWork(f, 1);
    auto *w = Opened<ProfessionalsWindow>(f);
    TypeIntoBox(w->textCell(0, 0), QStringLiteral("Ηλεκτρολόγος"));
    TypeIntoBox(w->textCell(0, 1), QStringLiteral("Νέος"));
    return w;
}

// A start date on the new-entry row, no person chosen: a period needs one.
GridEditor *OwnerStartTyped(RegisterFixture &f)
{
    ThreeOccupancyPeriods(f, f.state.Building.Owners);
    auto *w = Opened<OwnersWindow>(f);
    TypeIntoBox(w->dateCell(3, 1), QStringLiteral("1/1/2023"));
    return w;
}

GridEditor *AdministratorNothingTyped(RegisterFixture &f)
{
    TwoAdministrators(f);
    auto *w = Opened<AdministratorsWindow>(f);
    FocusBox(w->dateCell(2, 1));
    return w;
}

struct QuestionCase
{
    const char *window;
    const char *scenario;
    GridEditor *(*open)(RegisterFixture &);
    QString caption;     // empty: nothing is asked
    MessageAnswer answer;
    QString refusalTitle; // the create's own message, when it refuses; the window stays open
    QString keptText;     // what the new-record row's last typed box then still shows
    int keptRow;
    int keptColumn;
    QStringList (*records)(const RegisterFixture &);
    QStringList expected;
};

const QList<QuestionCase> &QuestionCases()
{
    const QString flats = QStringLiteral("Διαχείριση στοιχείων Διαμερισμάτων");
    static const QList<QuestionCase> cases = {
        {"flats", "typed, yes creates it", FlatNameTyped, flats, MessageAnswer::Yes, {}, {}, 0, 0, FlatRecords,
         {"Δ1  0 0", "Δ2  0 0", "Δ3  0 0", "Δ4  0 2.5"}},
        {"flats", "typed, no discards it", FlatNameTyped, flats, MessageAnswer::No, {}, {}, 0, 0, FlatRecords,
         {"Δ1  0 0", "Δ2  0 0", "Δ3  0 0"}},
        {"flats", "typed without a name, yes is refused", FlatDescriptionTyped, flats, MessageAnswer::Yes,
         QStringLiteral("Πρόβλημα με τη δημιουργία νέου διαμερίσματος"), QStringLiteral("Ρετιρέ"), 3, 1,
         FlatRecords, {"Δ1  0 0", "Δ2  0 0", "Δ3  0 0"}},
        {"flats", "only the sample values", FlatSamplesOnly, {}, MessageAnswer::Yes, {}, {}, 0, 0, FlatRecords, {}},
        {"persons", "typed, yes creates it", PersonNameTyped, QStringLiteral("Διαχείριση στοιχείων εμπλεκόμενων προσώπων"), MessageAnswer::Yes, {},
         {}, 0, 0, PersonRecords, {"Πρόσωπο 1:  / ", "Πρόσωπο 2:  / ", "Νέο πρόσωπο:  / "}},
        {"persons", "nothing typed", PersonNothingTyped, {}, MessageAnswer::Yes, {}, {}, 0, 0, PersonRecords,
         {"Πρόσωπο 1:  / ", "Πρόσωπο 2:  / "}},
        {"professionals", "typed, no discards it", ProfessionalTyped, QStringLiteral("Διαχείριση στοιχείων επαγγελματιών"),
         MessageAnswer::No, {}, {}, 0, 0, ProfessionalRecords, {}},
        {"owners", "a start typed, yes is refused without a person", OwnerStartTyped,
         QStringLiteral("Ιδιοκτήτες"), MessageAnswer::Yes, QStringLiteral("Πρόβλημα με τη δημιουργία νέου ιδιοκτήτη"),
         QStringLiteral("1/1/2023"), 3, 1, OwnerRecords,
         {"Γάμμα 1/1/2020-open", "Βήτα 1/3/2020-open", "Άλφα 1/3/2020-31/12/2022"}},
        {"administrators", "nothing typed", AdministratorNothingTyped, {}, MessageAnswer::Yes, {}, {}, 0, 0,
         AdministratorRecords, {"Βήτα 1/1/2020-open", "Άλφα 1/1/2021-31/12/2022"}},
    };
    return cases;
}

// ---- The question with a blank name on another record ----------------------

// A new record typed, then the name of the record on row 1 emptied; the focus
// stays in that box. The question is answered first, then the name is put
// back from what it was when the close began, whatever the answer.
void TypeNewAndClearRow1(GridEditor *w, int newRecordRow, const QString &name)
{
    TypeIntoBox(w->textCell(newRecordRow, 0), name);
    FocusBox(w->textCell(1, 0));
    ClearBox(w->textCell(1, 0));
}

// Opened as a window of its own, or in a frame.
template <FlatsWindow *(*Open)(RegisterFixture &)>
GridEditor *FlatTypedAndOneNameCleared(RegisterFixture &f)
{
    StartWork(f, 3);
    auto *w = Open(f);
    TypeNewAndClearRow1(w, 3, QStringLiteral("Δ4"));
    return w;
}

GridEditor *PersonTypedAndOneNameCleared(RegisterFixture &f)
{
    StartWork(f, 1, 2);
    auto *w = Opened<PersonsWindow>(f);
    TypeNewAndClearRow1(w, 2, QStringLiteral("Νέο πρόσωπο"));
    return w;
}

// How the question is left: a button, or the desktop's own box left with
// Escape or with its close box.
enum class Reply { Yes, No, EscapeKey, CloseBox };

// The first message goes to the desktop's box; every message, that one too,
// is recorded, and the later ones are answered as the recording double does.
class DesktopFirstMessage final : public MessageService
{
public:
    explicit DesktopFirstMessage(RecordingMessageService &recorded) : recorded_(recorded) {}
    MessageAnswer show(const MessageRequest &request) override
    {
        if (!recorded_.shown.isEmpty())
            return recorded_.show(request);
        recorded_.shown.append(request);
        return desktop_.show(request);
    }

private:
    RecordingMessageService &recorded_;
    QtMessageService desktop_;
};

struct RepairCase
{
    const char *window;
    const char *scenario;
    GridEditor *(*open)(RegisterFixture &);
    Reply reply;
    QString repairTitle; // the repair's message; empty: the close was cancelled before it
    int typedRow;        // the row the new record was typed on
    QString clearedBox;  // what the cleared name box, and the typed row's, show after the close
    QString typedBox;
    QStringList (*records)(const RegisterFixture &);
    QStringList expected; // after the refused close, and after a second close that goes through
};

const QList<RepairCase> &RepairCases()
{
    const QString flats = QStringLiteral("Προβλήματα με τον ορισμό διαμερισμάτων");
    const QString persons = QStringLiteral("Προβλήματα με τον ορισμό προσώπων");
    const auto flatTyped = FlatTypedAndOneNameCleared<Opened<FlatsWindow>>;
    static const QList<RepairCase> cases = {
        {"flats", "yes: the name comes back, the new flat keeps its own", flatTyped, Reply::Yes,
         flats, 3, QStringLiteral("Δ2"), QStringLiteral("Δ4"), FlatRecords,
         {"Δ1  0 0", "Δ2  0 0", "Δ3  0 0", "Δ4  0 0"}},
        {"flats", "no: the name comes back, no new flat, the typed row goes", flatTyped, Reply::No,
         flats, 3, QStringLiteral("Δ2"), QString(), FlatRecords, {"Δ1  0 0", "Δ2  0 0", "Δ3  0 0"}},
        {"flats", "Escape: the window stays as it was", flatTyped, Reply::EscapeKey, {}, 3, {},
         QStringLiteral("Δ4"), FlatRecords, {"Δ1  0 0", "  0 0", "Δ3  0 0"}},
        {"flats", "the question's close box: the window stays as it was", flatTyped,
         Reply::CloseBox, {}, 3, {}, QStringLiteral("Δ4"), FlatRecords, {"Δ1  0 0", "  0 0", "Δ3  0 0"}},
        {"persons", "yes: the name comes back, the new person keeps its own", PersonTypedAndOneNameCleared,
         Reply::Yes, persons, 2, QStringLiteral("Πρόσωπο 2"), QStringLiteral("Νέο πρόσωπο"), PersonRecords,
         {"Πρόσωπο 1:  / ", "Πρόσωπο 2:  / ", "Νέο πρόσωπο:  / "}},
        {"persons", "no: the name comes back, no new person, the typed row goes", PersonTypedAndOneNameCleared,
         Reply::No, persons, 2, QStringLiteral("Πρόσωπο 2"), QString(), PersonRecords,
         {"Πρόσωπο 1:  / ", "Πρόσωπο 2:  / "}},
        {"persons", "Escape: the window stays as it was", PersonTypedAndOneNameCleared, Reply::EscapeKey, {}, 2, {},
         QStringLiteral("Νέο πρόσωπο"), PersonRecords, {"Πρόσωπο 1:  / ", ":  / "}},
    };
    return cases;
}

// ---- The frame's close box with a blank name -------------------------------

// The point of the frame's close box, found as the frame finds it.
QPoint CloseBoxOf(const QMdiSubWindow *frame)
{
    const QStyle *style = frame->style();
    QStyleOptionTitleBar option;
    option.initFrom(frame);
    option.subControls = QStyle::SC_All;
    option.titleBarFlags = frame->windowFlags();
    option.titleBarState = int(frame->windowState()) | QStyle::State_Active;
    option.state |= QStyle::State_Active;
    const int border = style->styleHint(QStyle::SH_TitleBar_NoBorder, &option, frame) ? 0 : 4;
    option.rect = QRect(border, border, frame->width() - 2 * border,
                        style->pixelMetric(QStyle::PM_TitleBarHeight, &option, frame));
    return style->subControlRect(QStyle::CC_TitleBar, &option, QStyle::SC_TitleBarCloseButton, frame).center();
}

// The mouse on the window's close box: moved there, pressed (the press hands
// the focus to the frame, as it does on the desktop) and released.
void ClickCloseBox(QWidget *w)
{
    auto *frame = static_cast<QMdiSubWindow *>(w->parentWidget());
    const QPoint at = CloseBoxOf(frame);
    QMouseEvent move(QEvent::MouseMove, at, frame->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &move);
    QTest::mousePress(frame, Qt::LeftButton, {}, at);
    QTest::mouseRelease(frame, Qt::LeftButton, {}, at);
}

// Each opens its window in a frame and empties one name, whose box keeps the focus.
QWidget *FramedFlatNameCleared(RegisterFixture &f)
{
    StartWork(f, 3);
    auto *w = Framed<FlatsWindow>(f);
    FocusBox(w->textCell(1, 0));
    ClearBox(w->textCell(1, 0));
    return w;
}

QWidget *FramedPersonNameCleared(RegisterFixture &f)
{
    StartWork(f, 1, 2);
    auto *w = Framed<PersonsWindow>(f);
    FocusBox(w->textCell(1, 0));
    ClearBox(w->textCell(1, 0));
    return w;
}

QWidget *FramedProfessionalNameCleared(RegisterFixture &f)
{
    StartWork(f, 1);
    for (const char *name : {"Α", "Β"}) {
        ProfessionalRecord p;
        p.Name.set(QString::fromUtf8(name));
        p.Activity.set(QStringLiteral("Υδραυλικός"));
        f.state.Building.Professionals.push_back(p);
    }
    auto *w = Framed<ProfessionalsWindow>(f);
    FocusBox(w->textCell(1, ProfessionalsWindow::NameColumn));
    ClearBox(w->textCell(1, ProfessionalsWindow::NameColumn));
    return w;
}

QWidget *FramedCategoryLabelCleared(RegisterFixture &f)
{
    StartWork(f, 1);
    f.state.Building.CategoryLabels[2].set(QStringLiteral("Ανελκυστήρας"));
    auto *w = Framed<ExpenseCategoriesWindow>(f);
    FocusBox(w->labelBox(2));
    ClearBox(w->labelBox(2));
    return w;
}

QStringList CategoryRecords(const RegisterFixture &f)
{
    return {f.state.Building.CategoryLabels[2].trimmed()};
}

struct CloseBoxCase
{
    const char *window;
    const char *scenario;
    std::function<QWidget *(RegisterFixture &)> open;
    QList<MessageAnswer> answers;
    QStringList titles; // of the messages the click shows, in order
    QLineEdit *(*clearedBox)(QWidget *);
    QString repairedName; // what the cleared box shows after the click
    QLineEdit *(*newRecordBox)(QWidget *); // null: none to look at
    QString newRecordText;
    QStringList (*records)(const RegisterFixture &);
    QStringList expected; // after the refused close, and after the close that follows
};

QLineEdit *NameOnRow1(QWidget *w) { return static_cast<GridEditor *>(w)->textCell(1, 0); }
QLineEdit *NameOnRow3(QWidget *w) { return static_cast<GridEditor *>(w)->textCell(3, 0); }
QLineEdit *ProfessionalRow1(QWidget *w)
{
    return static_cast<GridEditor *>(w)->textCell(1, ProfessionalsWindow::NameColumn);
}
QLineEdit *CategoryBox2(QWidget *w) { return static_cast<ExpenseCategoriesWindow *>(w)->labelBox(2); }

const QList<CloseBoxCase> &CloseBoxCases()
{
    const QString flatsCaption = QStringLiteral("Διαχείριση στοιχείων Διαμερισμάτων");
    const QString flats = QStringLiteral("Προβλήματα με τον ορισμό διαμερισμάτων");
    const QString persons = QStringLiteral("Προβλήματα με τον ορισμό προσώπων");
    const auto flatTyped = FlatTypedAndOneNameCleared<Framed<FlatsWindow>>;
    static const QList<CloseBoxCase> cases = {
        {"flats", "typed, no: the question, then the repair; the typed row goes", flatTyped,
         {MessageAnswer::No}, {flatsCaption, flats}, NameOnRow1, QStringLiteral("Δ2"), NameOnRow3, QString(),
         FlatRecords, {"Δ1  0 0", "Δ2  0 0", "Δ3  0 0"}},
        {"flats", "typed, yes: the question, then the repair; the new flat stays", flatTyped,
         {MessageAnswer::Yes}, {flatsCaption, flats}, NameOnRow1, QStringLiteral("Δ2"), nullptr, QString(),
         FlatRecords, {"Δ1  0 0", "Δ2  0 0", "Δ3  0 0", "Δ4  0 0"}},
        {"flats", "nothing typed: the repair", FramedFlatNameCleared, {}, {flats}, NameOnRow1, QStringLiteral("Δ2"),
         nullptr, QString(), FlatRecords, {"Δ1  0 0", "Δ2  0 0", "Δ3  0 0"}},
        {"persons", "nothing typed: the repair", FramedPersonNameCleared, {}, {persons}, NameOnRow1,
         QStringLiteral("Πρόσωπο 2"), nullptr, QString(), PersonRecords, {"Πρόσωπο 1:  / ", "Πρόσωπο 2:  / "}},
        {"professionals", "nothing typed: the repair", FramedProfessionalNameCleared, {}, {persons},
         ProfessionalRow1, QStringLiteral("Β"), nullptr, QString(), ProfessionalRecords,
         {"Υδραυλικός: Α", "Υδραυλικός: Β"}},
        {"expense categories", "the repair", FramedCategoryLabelCleared, {},
         {QStringLiteral("Λεκτικό Κατηγορίας Κοινών Δαπανών")}, CategoryBox2, QStringLiteral("Ανελκυστήρας"),
         nullptr, QString(), CategoryRecords, {"Ανελκυστήρας"}},
    };
    return cases;
}

QStringList TitlesOf(const QList<MessageRequest> &shown)
{
    QStringList titles;
    for (const MessageRequest &m : shown)
        titles << m.title;
    return titles;
}

// One row of test data per case, named by its window and scenario.
template <class C>
void AddCaseRows(const QList<C> &cases)
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < cases.size(); ++i)
        QTest::addRow("%s: %s", cases[i].window, cases[i].scenario) << i;
}

} // namespace

class TestTypedText : public QObject
{
    Q_OBJECT

private slots:
    void typedTextLandsInItsRecord_data()
    {
        AddCaseRows(Cases());
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

    void newRecordQuestion_data()
    {
        AddCaseRows(QuestionCases());
    }

    void newRecordQuestion()
    {
        QFETCH(int, index);
        const QuestionCase &c = QuestionCases()[index];
        RegisterFixture f;
        std::unique_ptr<GridEditor> w(c.open(f));
        if (QTest::currentTestFailed())
            return;
        QList<MessageRequest> &shown = f.platform.messages.shown;
        shown.clear();
        f.platform.messages.script = {c.answer};
        const bool refused = !c.refusalTitle.isEmpty();
        QCOMPARE(w->close(), !refused);
        if (c.caption.isEmpty()) {
            QCOMPARE(shown.size(), 0);
        } else {
            QVERIFY(!shown.isEmpty());
            QCOMPARE(shown[0], (MessageRequest{c.caption, NewRecordText, MessageIcon::Exclamation,
                                               MessageButtons::YesNo, MessageAnswer::Yes, true}));
        }
        if (refused) {
            QCOMPARE(shown.size(), 2);
            QCOMPARE(shown[1].title, c.refusalTitle);
            QVERIFY(w->isVisible());
            QCOMPARE(w->textCell(c.keptRow, c.keptColumn)->text(), c.keptText);
            // Asked again, and this time no: the window closes without it.
            f.platform.messages.script = {MessageAnswer::No};
            QVERIFY(w->close());
            QCOMPARE(shown.size(), 3);
            QCOMPARE(shown[2].text, NewRecordText);
        }
        w.reset();
        QCOMPARE(c.records(f), c.expected);
    }

    void newRecordQuestionWithABlankName_data()
    {
        AddCaseRows(RepairCases());
    }

    void newRecordQuestionWithABlankName()
    {
        QFETCH(int, index);
        const RepairCase &c = RepairCases()[index];
        RegisterFixture f;
        DesktopFirstMessage desktop(f.platform.messages); // outlives the window
        std::unique_ptr<GridEditor> w(c.open(f));
        if (QTest::currentTestFailed())
            return;
        QList<MessageRequest> &shown = f.platform.messages.shown;
        shown.clear();
        const bool onDesktop = c.reply == Reply::EscapeKey || c.reply == Reply::CloseBox;
        if (onDesktop) {
            f.context.platform.messages = &desktop;
            const auto box = OnModal<QMessageBox>([&c](QMessageBox *b) {
                // The question shows only its Yes and No.
                QStringList shownButtons;
                for (QAbstractButton *button : b->buttons())
                    if (button->isVisible())
                        shownButtons.append(button->text());
                shownButtons.sort();
                QStringList yesAndNo{QStringLiteral("Ναι"), QStringLiteral("Όχι")};
                yesAndNo.sort();
                QCOMPARE(shownButtons, yesAndNo);
                if (c.reply == Reply::EscapeKey)
                    QTest::keyClick(b, Qt::Key_Escape);
                else
                    b->close();
            });
            QVERIFY(!w->close());
        } else {
            f.platform.messages.script = {c.reply == Reply::Yes ? MessageAnswer::Yes : MessageAnswer::No};
            QVERIFY(!w->close());
        }
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown[0].text, NewRecordText);
        QCOMPARE(shown.size(), c.repairTitle.isEmpty() ? 1 : 2);
        if (!c.repairTitle.isEmpty())
            QCOMPARE(shown[1].title, c.repairTitle);
        QVERIFY(w->isVisible());
        QCOMPARE(w->textCell(1, 0)->text(), c.clearedBox);
        QCOMPARE(w->textCell(c.typedRow, 0)->text(), c.typedBox);
        QCOMPARE(c.records(f), c.expected);
        if (onDesktop)
            return;
        // Closed again: nothing is left to ask, after a Yes or a No alike.
        shown.clear();
        QVERIFY(w->close());
        QCOMPARE(shown.size(), 0);
        w.reset();
        QCOMPARE(c.records(f), c.expected);
    }
    // A press on the window's own frame is not a move to another box: the
    // close box goes straight to the closing steps, whatever the focused box
    // holds, and the empty name is refused only by them.
    void closeBoxWithABlankName_data()
    {
        AddCaseRows(CloseBoxCases());
    }

    void closeBoxWithABlankName()
    {
        QFETCH(int, index);
        const CloseBoxCase &c = CloseBoxCases()[index];
        RegisterFixture f;
        QWidget *w = c.open(f);
        const QPointer<ChildFrame> frame = static_cast<ChildFrame *>(w->parentWidget());
        const std::unique_ptr<QMdiArea> area(frame->mdiArea());
        if (QTest::currentTestFailed())
            return;
        QList<MessageRequest> &shown = f.platform.messages.shown;
        shown.clear();
        f.platform.messages.script = c.answers;
        ClickCloseBox(w);
        QCOMPARE(TitlesOf(shown), c.titles);
        QVERIFY(frame && !frame->isClosed());
        QCOMPARE(c.clearedBox(w)->text(), c.repairedName);
        if (c.newRecordBox)
            QCOMPARE(c.newRecordBox(w)->text(), c.newRecordText);
        QCOMPARE(c.records(f), c.expected);
        // Clicked again: nothing is left to ask or to put back.
        shown.clear();
        ClickCloseBox(w);
        QCOMPARE(TitlesOf(shown), QStringList());
        QVERIFY(!frame || frame->isClosed());
        QCOMPARE(c.records(f), c.expected);
    }

    // A message of the closing steps answered by keyboard closes under a
    // pointer that never moved: the next click on the close box, at the same
    // place, acts all the same (the window closes, or asks again).
    void closeBoxActsAfterAKeyboardAnswer_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<int>("key");
        QTest::newRow("the repair's message, Return") << false << int(Qt::Key_Return);
        QTest::newRow("the new-record question, Escape") << true << int(Qt::Key_Escape);
    }

    void closeBoxActsAfterAKeyboardAnswer()
    {
        QFETCH(bool, typed);
        QFETCH(int, key);
        RegisterFixture f;
        DesktopFirstMessage desktop(f.platform.messages); // outlives the window
        QWidget *w = typed ? FlatTypedAndOneNameCleared<Framed<FlatsWindow>>(f) : FramedFlatNameCleared(f);
        const QPointer<ChildFrame> frame = static_cast<ChildFrame *>(w->parentWidget());
        const std::unique_ptr<QMdiArea> area(frame->mdiArea());
        if (QTest::currentTestFailed())
            return;
        f.context.platform.messages = &desktop;
        // Whatever fails, the window closes without the desktop's boxes.
        const auto recorded = qScopeGuard([&f] { f.context.platform.messages = &f.platform.messages; });
        QList<MessageRequest> &shown = f.platform.messages.shown;
        shown.clear();
        // The pointer moves onto the close box as the desktop moves it.
        const QPoint at = CloseBoxOf(frame);
        QTest::mouseMove(frame, at + QPoint(-40, 40));
        QTest::mouseMove(frame, at);
        {
            const auto box = OnModal<QMessageBox>([key](QMessageBox *b) { QTest::keyClick(b, Qt::Key(key)); });
            QTest::mouseClick(frame, Qt::LeftButton, {}, at);
        }
        QCOMPARE(shown.size(), 1);
        QVERIFY(frame && !frame->isClosed());
        f.platform.messages.script = {MessageAnswer::No};
        const auto none = NoModal();
        QTest::mouseClick(frame, Qt::LeftButton, {}, at);
        QVERIFY2(shown.size() > 1 || !frame || frame->isClosed(), "the click on the close box did nothing");
    }

    // A press on another box of the window is leaving the blank name's box.
    void pressOnAnotherBoxRefusesABlankName()
    {
        RegisterFixture f;
        auto *w = static_cast<GridEditor *>(FramedFlatNameCleared(f));
        const std::unique_ptr<QMdiArea> area(static_cast<QMdiSubWindow *>(w->parentWidget())->mdiArea());
        if (QTest::currentTestFailed())
            return;
        QList<MessageRequest> &shown = f.platform.messages.shown;
        shown.clear();
        QTest::mouseClick(w->textCell(0, 1), Qt::LeftButton);
        QCOMPARE(TitlesOf(shown), QStringList{QStringLiteral("Μηδενικό μήκος πεδίου")});
        QTRY_VERIFY(w->textCell(1, 0)->hasFocus());
    }

};

KV_TEST_MAIN(TestTypedText)

} // namespace test_typedtext
#include "test_typedtext.moc"
