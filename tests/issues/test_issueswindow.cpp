#include "issues/issueswindow.h"
#include "issues/issuechangedialog.h"
#include "issues/issuefields.h"
#include "issues/issueperiods.h"
#include "core/administratorlines.h"
#include "platform/localeservice.h"
#include "examplebuilding.h"
#include "printing/reportpreview.h"
#include "registerfixture.h"
#include "shell/reportopeners.h"

#include "modalwindow.h"
#include "testprogram.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <functional>

using namespace kelvarino;

namespace test_issueswindow {

namespace {

double Day(int year, int month, int day)
{
    return LocaleService::dayNumber(QDate(year, month, day));
}

IssueRecord Issue(double from, double to, double issued = 0, const QString &announcement = QString())
{
    IssueRecord issue;
    issue.PeriodFrom = from;
    issue.PeriodTo = to;
    issue.IssueDate = issued ? issued : to;
    issue.Announcement.set(announcement);
    return issue;
}

// Types into a box and leaves it, as the user would.
void TypeAndLeave(QLineEdit *box, const QString &text)
{
    box->setText(text);
    box->setModified(true);
    emit box->editingFinished();
}

// Runs the change dialog of a row and acts on it while it is shown.
void WithChangeDialog(IssuesWindow &window, int row, const std::function<void(IssueChangeDialog &)> &act)
{
    const auto modal = OnModal<IssueChangeDialog>([&](IssueChangeDialog *dialog) {
        act(*dialog);
        if (dialog->isVisible())
            dialog->cancelButton()->click();
    });
    window.editIssue(row);
}

const QString Problem = QStringLiteral("Πρόβλημα");

} // namespace

class IssuesWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        fx = std::make_unique<RegisterFixture>();
        fx->platform.clock.set(QDateTime(QDate(2016, 3, 20), QTime(15, 30)));
        ProgramReportOpeners() = {};
    }
    void cleanup() { ProgramReportOpeners() = {}; }

    void newIssueRefusals_data()
    {
        QTest::addColumn<QString>("issued");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("message");
        QTest::newRow("no issue date") << "" << "1/1/2016" << "31/3/2016"
                                       << "Ορίστε ημερομηνία έκδοσης νέων κοινοχρήστων και επανέλθετε.";
        QTest::newRow("no start") << "1/4/2016" << "" << "31/3/2016"
                                  << "Ορίστε την αρχή της περιόδου για την έκδοση νέων κοινοχρήστων και επανέλθετε.";
        QTest::newRow("no end") << "1/4/2016" << "1/1/2016" << "abc"
                                << "Ορίστε το τέλος της περιόδου για την έκδοση νέων κοινοχρήστων και επανέλθετε.";
        QTest::newRow("reversed") << "1/4/2016" << "1/4/2016" << "31/3/2016"
                                  << "Η περίοδος για την έκδοση νέων κοινοχρήστων δεν έχει σωστές ημερομηνίες.";
    }
    // Each refusal names the problem, adds nothing and keeps what was typed.
    void newIssueRefusals()
    {
        QFETCH(QString, issued);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, message);
        IssuesWindow window(fx->context);
        IssueFields &f = window.fields();
        f.issueDate()->setText(issued);
        f.dateFrom()->setText(from);
        f.dateTo()->setText(to);
        f.comment()->setText(QStringLiteral("Σημείωση"));
        window.addIssue();
        QCOMPARE(fx->platform.messages.shown.size(), 1);
        const MessageRequest &shown = fx->platform.messages.shown.first();
        QCOMPARE(shown.title, Problem);
        QCOMPARE(shown.text, message);
        QCOMPARE(shown.icon, MessageIcon::Exclamation);
        QCOMPARE(fx->state.Building.IssueCount(), 0);
        QVERIFY(!fx->state.DataChanged);
        QCOMPARE(f.dateFrom()->text(), from == "" ? QString() : from);
        QCOMPARE(f.comment()->text(), QStringLiteral("Σημείωση"));
    }

    void changeDialogRefusals_data() { newIssueRefusals_data(); }
    // The dialog's OK refuses the same way, stays open and writes nothing.
    void changeDialogRefusals()
    {
        QFETCH(QString, issued);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, message);
        const IssueRecord stored = Issue(Day(2015, 1, 1), Day(2015, 3, 31));
        fx->state.Building.Issues = {stored};
        IssueChangeDialog dialog(fx->context, 0);
        dialog.show();
        IssueFields &f = dialog.fields();
        f.issueDate()->setText(issued);
        f.dateFrom()->setText(from);
        f.dateTo()->setText(to);
        dialog.okButton()->click();
        QCOMPARE(fx->platform.messages.shown.size(), 1);
        QCOMPARE(fx->platform.messages.shown.first().title, Problem);
        QCOMPARE(fx->platform.messages.shown.first().text, message.replace(QStringLiteral("νέων "), QString()));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.changeResult(), 0);
        QCOMPARE(fx->state.Building.Issues.front(), stored);
    }

    // A period starting the day another ends shares that day and asks; No adds
    // nothing. The day after asks nothing.
    void newIssueOverlap()
    {
        fx->state.Building.Issues = {Issue(Day(2016, 1, 1), Day(2016, 3, 31))};
        IssuesWindow window(fx->context);
        IssueFields &f = window.fields();
        f.dateFrom()->setText(QStringLiteral("31/3/2016"));
        f.dateTo()->setText(QStringLiteral("30/6/2016"));
        fx->platform.messages.script = {MessageAnswer::No};
        window.addIssue();
        QCOMPARE(fx->platform.messages.shown.size(), 1);
        const MessageRequest &question = fx->platform.messages.shown.first();
        QCOMPARE(question.title, QStringLiteral("Μήπως υπάρχει πρόβλημα;"));
        QCOMPARE(question.text,
                 QStringLiteral("Η περίοδος για την έκδοση νέων κοινοχρήστων έχει κοινή τομή με την περίοδο "
                                "προηγούμενης έκδοσης κοινοχρήστων.\r\n\r\nΠαρόλα αυτά θέλετε να προχωρήσετε με "
                                "τον ορισμό αυτής της περιόδου;"));
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QCOMPARE(question.defaultAnswer, MessageAnswer::Yes);
        QCOMPARE(fx->state.Building.IssueCount(), 1);

        f.dateFrom()->setText(QStringLiteral("1/4/2016"));
        window.addIssue();
        QCOMPARE(fx->platform.messages.shown.size(), 1);
        QCOMPARE(fx->state.Building.IssueCount(), 2);
        QCOMPARE(fx->state.Building.Issues.front().PeriodFrom, Day(2016, 4, 1));
        QVERIFY(fx->state.DataChanged);
        // The entry starts afresh.
        QCOMPARE(f.dateFrom()->text(), QString());
        QCOMPARE(f.issueDate()->text(), QStringLiteral("20/3/2016"));
    }

    // An edited period that contains another issue's asks; with one issue the
    // dialog asks nothing.
    void changedPeriodOverlap()
    {
        fx->state.Building.Issues = {Issue(Day(2016, 4, 1), Day(2016, 6, 30)), Issue(Day(2016, 1, 1), Day(2016, 3, 31))};
        {
            IssueChangeDialog dialog(fx->context, 0);
            dialog.fields().dateFrom()->setText(QStringLiteral("1/12/2015"));
            fx->platform.messages.script = {MessageAnswer::No};
            dialog.okButton()->click();
            QCOMPARE(fx->platform.messages.shown.size(), 1);
            QCOMPARE(fx->platform.messages.shown.first().title, Problem);
            QCOMPARE(fx->platform.messages.shown.first().text,
                     QStringLiteral("Η περίοδος για την έκδοση κοινοχρήστων έχει κοινή τομή με την περίοδο άλλης "
                                    "έκδοσης κοινοχρήστων.\r\nΠαρόλα αυτά θέλετε να γίνουν οι αλλαγές και να "
                                    "προχωρήσετε;"));
            QCOMPARE(dialog.changeResult(), 0);
            QCOMPARE(fx->state.Building.Issues[0].PeriodFrom, Day(2016, 4, 1));
        }
        fx->state.Building.Issues.pop_back();
        fx->platform.messages.shown.clear();
        IssueChangeDialog dialog(fx->context, 0);
        dialog.fields().dateFrom()->setText(QStringLiteral("1/12/2015"));
        dialog.okButton()->click();
        QVERIFY(fx->platform.messages.shown.isEmpty());
        QCOMPARE(dialog.changeResult(), 1);
        QCOMPARE(fx->state.Building.Issues[0].PeriodFrom, Day(2015, 12, 1));
    }

    // Equal ends are never swapped directly: 5 (first), 5 (second), 7 becomes
    // 7, 5 (second), 5 (first).
    void exchangeSort()
    {
        std::vector<IssueRecord> issues = {Issue(1, 5, 0, "first"), Issue(2, 5, 0, "second"), Issue(3, 7, 0, "third")};
        SortIssues(issues);
        QCOMPARE(issues[0].Announcement.trimmed(), QStringLiteral("third"));
        QCOMPARE(issues[1].Announcement.trimmed(), QStringLiteral("second"));
        QCOMPARE(issues[2].Announcement.trimmed(), QStringLiteral("first"));
    }

    // Rows count from 1 for the oldest issue; the dialog shows the list index
    // (0 for the latest). A change re-sorts and marks the work changed.
    void rowNumbersAndChange()
    {
        fx->state.Building.Issues = {Issue(Day(2016, 4, 1), Day(2016, 6, 30), 0, "Β"),
                                     Issue(Day(2016, 1, 1), Day(2016, 3, 31), 0, "Α")};
        IssuesWindow window(fx->context);
        QCOMPARE(window.row(0).runningNumber->text(), QStringLiteral("2"));
        QCOMPARE(window.row(1).runningNumber->text(), QStringLiteral("1"));
        QCOMPARE(window.row(1).dateTo->text(), QStringLiteral("31/3/2016"));
        QCOMPARE(window.row(1).comment->text(), QStringLiteral("Α"));
        QVERIFY(window.row(2).runningNumber->isHidden());
        WithChangeDialog(window, 0, [&](IssueChangeDialog &dialog) {
            QCOMPARE(dialog.numberLabel()->text(), QStringLiteral("0"));
            QCOMPARE(dialog.fields().dateTo()->text(), QStringLiteral("30/6/2016"));
            dialog.fields().dateFrom()->setText(QStringLiteral("1/7/2015"));
            dialog.fields().dateTo()->setText(QStringLiteral("30/9/2015"));
            fx->platform.messages.script = {MessageAnswer::Yes};
            dialog.okButton()->click();
        });
        QVERIFY(fx->state.DataChanged);
        QCOMPARE(window.row(0).comment->text(), QStringLiteral("Α"));
        QCOMPARE(window.row(1).dateTo->text(), QStringLiteral("30/9/2015"));

        // Cancel changes nothing.
        fx->state.DataChanged = false;
        const auto before = fx->state.Building.Issues;
        WithChangeDialog(window, 1, [](IssueChangeDialog &dialog) {
            dialog.fields().dateTo()->setText(QStringLiteral("1/1/2020"));
            dialog.cancelButton()->click();
        });
        QVERIFY(!fx->state.DataChanged);
        QVERIFY(fx->state.Building.Issues == before);
    }

    // Deleting the first shown issue while scrolled to the end shows the one
    // before it; deleting until all fit returns to the first row.
    void deleteWhileScrolled()
    {
        for (int i = 12; i >= 1; --i)
            fx->state.Building.Issues.push_back(Issue(Day(2000 + i, 1, 1), Day(2000 + i, 12, 31)));
        fx->shell.clientHeight = 6000; // too low for more than the ten rows every list has
        IssuesWindow window(fx->context);
        QCOMPARE(window.visibleRows(), 10);
        QVERIFY(!window.scrollBar()->isHidden());
        QCOMPARE(window.scrollBar()->maximum(), 2);
        window.scrollBar()->setValue(2);
        QCOMPARE(window.firstShownIssue(), 2);
        QCOMPARE(window.row(0).runningNumber->text(), QStringLiteral("10"));

        const auto deleteRow = [&](int row, MessageAnswer answer) {
            fx->platform.messages.script = {answer};
            WithChangeDialog(window, row, [](IssueChangeDialog &d) { d.deleteButton()->click(); });
        };
        deleteRow(0, MessageAnswer::No);
        QCOMPARE(fx->state.Building.IssueCount(), 12);
        QCOMPARE(fx->platform.messages.shown.last().title, QStringLiteral("Διαγραφή μιας έκδοσης"));
        QCOMPARE(fx->platform.messages.shown.last().text, QStringLiteral("Είστε σίγουροι ότι θέλετε να διαγραφεί η έκδοση;"));
        QVERIFY(!fx->state.DataChanged);

        deleteRow(0, MessageAnswer::Yes);
        QCOMPARE(fx->state.Building.IssueCount(), 11);
        QVERIFY(fx->state.DataChanged);
        QCOMPARE(window.firstShownIssue(), 1);
        QCOMPARE(window.row(0).runningNumber->text(), QStringLiteral("10"));
        QCOMPARE(window.row(0).dateTo->text(), QStringLiteral("31/12/2011"));
        QCOMPARE(window.row(9).runningNumber->text(), QStringLiteral("1"));

        deleteRow(9, MessageAnswer::Yes);
        QCOMPARE(window.firstShownIssue(), 0);
        QVERIFY(window.scrollBar()->isHidden());
        QCOMPARE(window.row(0).runningNumber->text(), QStringLiteral("10"));
        QVERIFY(!window.row(9).runningNumber->isHidden());
    }

    // The list has no filter menu; an add leaves it where it was scrolled; a
    // click on a row after the issues changed behind the window shows them
    // again, at the same place, and opens nothing.
    void listBehaviour()
    {
        for (int i = 12; i >= 1; --i)
            fx->state.Building.Issues.push_back(Issue(Day(2000 + i, 1, 1), Day(2000 + i, 12, 31)));
        fx->shell.clientHeight = 6000;
        IssuesWindow window(fx->context);
        QCOMPARE(window.menus().size(), 1);
        window.scrollBar()->setValue(2);
        window.fields().dateFrom()->setText(QStringLiteral("1/1/1990"));
        window.fields().dateTo()->setText(QStringLiteral("31/12/1990"));
        window.addIssue();
        QCOMPARE(fx->state.Building.IssueCount(), 13);
        QCOMPARE(window.firstShownIssue(), 2);
        QCOMPARE(window.row(0).runningNumber->text(), QStringLiteral("11"));

        fx->state.Building.Issues[2].Announcement.set(QStringLiteral("Αλλαγή"));
        {
            const auto none = NoModal();
            window.editIssue(0);
        }
        QCOMPARE(window.firstShownIssue(), 2);
        QCOMPARE(window.row(0).comment->text(), QStringLiteral("Αλλαγή"));
    }

    // A data file holds at most 32767 issues: one more is refused, and the
    // frame keeps it.
    void fullList()
    {
        fx->state.Building.Issues.assign(std::size_t(MaxListCount), Issue(Day(2000, 1, 1), Day(2000, 12, 31)));
        IssuesWindow window(fx->context);
        window.fields().dateFrom()->setText(QStringLiteral("1/1/1990"));
        window.fields().dateTo()->setText(QStringLiteral("31/12/1990"));
        window.addIssue();
        QCOMPARE(fx->state.Building.IssueCount(), MaxListCount);
        QCOMPARE(fx->platform.messages.shown.size(), 1);
        QCOMPARE(fx->platform.messages.shown.first().text,
                 QStringLiteral("Έχετε καταχωρήσει 32767 εκδόσεις, όσες το πολύ χωράει ένα αρχείο. "
                                "Η νέα έκδοση δεν καταχωρήθηκε."));
        QVERIFY(!fx->state.DataChanged);
        QCOMPARE(window.fields().dateFrom()->text(), QStringLiteral("1/1/1990"));
    }

    void deleteAll()
    {
        IssuesWindow window(fx->context);
        window.deleteAllIssues();
        QCOMPARE(fx->platform.messages.shown.last().text, QStringLiteral("Δεν υπάρχουν εκδόσεις για διαγραφή"));
        QCOMPARE(fx->platform.messages.shown.last().title, QStringLiteral("Διαγραφή όλων των εκδόσεων"));
        QCOMPARE(fx->platform.messages.shown.last().icon, MessageIcon::Information);
        QVERIFY(!fx->state.DataChanged);

        for (int i = 12; i >= 1; --i)
            fx->state.Building.Issues.push_back(Issue(Day(2000 + i, 1, 1), Day(2000 + i, 12, 31)));
        window.showData();
        window.scrollBar()->setValue(2);
        fx->platform.messages.script = {MessageAnswer::No};
        window.deleteAllIssues();
        QCOMPARE(fx->platform.messages.shown.last().text,
                 QStringLiteral("Είστε σίγουροι ότι θέλετε να διαγράψετε όλες τις εκδόσεις;"));
        QCOMPARE(fx->state.Building.IssueCount(), 12);
        window.deleteAllIssues();
        QCOMPARE(fx->state.Building.IssueCount(), 0);
        QCOMPARE(window.firstShownIssue(), 0);
        QVERIFY(fx->state.DataChanged);
        // A new issue shows at once in the first row.
        window.fields().dateFrom()->setText(QStringLiteral("1/1/2016"));
        window.fields().dateTo()->setText(QStringLiteral("31/3/2016"));
        window.addIssue();
        QVERIFY(!window.row(0).runningNumber->isHidden());
        QCOMPARE(window.row(0).runningNumber->text(), QStringLiteral("1"));
    }

    // The new issue is dated today as a whole day, so an administrator whose
    // period ends today administers it, even at 15:30 and without the focus
    // ever leaving the date box.
    void newIssueIsAWholeDay()
    {
        fx->state.Building.Persons.push_back(MakePerson(QStringLiteral("Παπαδόπουλος")));
        AdministratorPeriod admin;
        admin.Person = 0;
        admin.FromDate = Day(2016, 1, 1);
        admin.ToDate = Day(2016, 3, 20);
        fx->state.Building.Administrators.push_back(admin);
        IssuesWindow window(fx->context);
        ShowActive(&window);
        FocusBox(window.fields().issueDate());
        window.fields().dateFrom()->setText(QStringLiteral("1/1/2016"));
        window.fields().dateTo()->setText(QStringLiteral("31/3/2016"));
        window.acceptButton()->click();
        QCOMPARE(fx->state.Building.IssueCount(), 1);
        const IssueRecord &issue = fx->state.Building.Issues.front();
        QCOMPARE(issue.IssueDate, Day(2016, 3, 20));
        QVERIFY(FindAdministrator(fx->state.Building, issue.IssueDate).AdministratorCaption.contains(
            QStringLiteral("Παπαδόπουλος")));
    }

    void dateBoxes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("dashes and blanks") << " 5-3-16 " << "5/3/2016";
        QTest::newRow("dots, 1930") << "1.1.30" << "1/1/1930";
        QTest::newRow("leap day") << "29/2/2016" << "29/2/2016";
        QTest::newRow("no leap day") << "29/2/2015" << "";
        QTest::newRow("31 April") << "31/4/2016" << "";
        QTest::newRow("no year") << "5/3" << "";
        QTest::newRow("letters") << "abc" << "";
        QTest::newRow("the not-set day") << "1/1/1000" << "";
    }
    // One rule for every date box of both windows: leaving a box shows its day
    // or empties it; accepting takes what was typed without leaving the box.
    void dateBoxes()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        fx->state.Building.Issues = {Issue(Day(2015, 1, 1), Day(2015, 3, 31))};
        IssuesWindow window(fx->context);
        IssueChangeDialog dialog(fx->context, 0);
        for (IssueFields *f : {&window.fields(), &dialog.fields()})
            for (QLineEdit *box : {f->issueDate(), f->dateFrom(), f->dateTo()}) {
                TypeAndLeave(box, typed);
                QCOMPARE(box->text(), shown);
            }
        // Accepted without leaving: the end box of the new issue.
        fx->platform.messages.shown.clear();
        window.fields().issueDate()->setText(QStringLiteral("1/4/2016"));
        window.fields().dateFrom()->setText(QStringLiteral("1/1/1900"));
        window.fields().dateTo()->setText(typed);
        window.addIssue();
        if (shown.isEmpty()) {
            QCOMPARE(fx->platform.messages.shown.size(), 1);
            QCOMPARE(fx->platform.messages.shown.first().text,
                     QStringLiteral("Ορίστε το τέλος της περιόδου για την έκδοση νέων κοινοχρήστων και επανέλθετε."));
        } else {
            QCOMPARE(fx->state.Building.IssueCount(), 2);
            const auto &issues = fx->state.Building.Issues;
            QVERIFY(std::any_of(issues.begin(), issues.end(), [&](const IssueRecord &i) {
                return LocaleService::formatDate(i.PeriodTo) == shown;
            }));
        }
    }

    // The announcement is trimmed and cut to 1024 characters; a character the
    // data file cannot hold shows as "?".
    void announcement()
    {
        IssuesWindow window(fx->context);
        ShowActive(&window);
        QLineEdit *box = window.fields().comment();
        FocusBox(box);
        TypeInto(box, QStringLiteral("  Καλή χρονιά 漢 "));
        QCOMPARE(box->text(), QStringLiteral("  Καλή χρονιά ? "));
        FocusBox(window.fields().dateFrom());
        QCOMPARE(box->text(), QStringLiteral("Καλή χρονιά ?"));

        box->setText(QString(1030, QLatin1Char('x')));
        window.fields().dateFrom()->setText(QStringLiteral("1/1/2016"));
        window.fields().dateTo()->setText(QStringLiteral("31/3/2016"));
        window.addIssue();
        QCOMPARE(fx->state.Building.IssueCount(), 1);
        QCOMPARE(fx->state.Building.Issues.front().Announcement.trimmed(), QString(1024, QLatin1Char('x')));
    }

    // Enter in the announcement box creates the issue on its key press; the
    // release of that Enter (or of one that answered a message) does nothing.
    void enterInAnnouncement()
    {
        IssuesWindow window(fx->context);
        ShowActive(&window);
        QLineEdit *box = window.fields().comment();
        FocusBox(box);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(fx->platform.messages.shown.size(), 1);
        QCOMPARE(fx->platform.messages.shown.first().text,
                 QStringLiteral("Ορίστε την αρχή της περιόδου για την έκδοση νέων κοινοχρήστων και επανέλθετε."));
        QTest::keyRelease(box, Qt::Key_Return);
        QCOMPARE(fx->platform.messages.shown.size(), 1);

        window.fields().dateFrom()->setText(QStringLiteral("1/1/2016"));
        window.fields().dateTo()->setText(QStringLiteral("31/3/2016"));
        QTest::keyClick(box, Qt::Key_Enter);
        QCOMPARE(fx->state.Building.IssueCount(), 1);
    }

    // "Ειδοποιητήρια" and "Ταμείο" stay disabled until their report is bound;
    // bound, they open it with the window's results and the issue's index.
    void reportButtons()
    {
        fx->state.Building.Issues = {Issue(Day(2016, 4, 1), Day(2016, 6, 30)), Issue(Day(2016, 1, 1), Day(2016, 3, 31))};
        {
            IssuesWindow window(fx->context);
            QVERIFY(!window.row(0).itemized->isEnabled());
            QVERIFY(!window.row(0).repository->isEnabled());
            QVERIFY(window.row(0).collective->isEnabled());
            QCOMPARE(window.row(0).repository->toolTip(),
                     QStringLiteral("κλικ για υπολογισμό και εκτύπωση του Ταμείου στο τέλος της περιόδου"));
        }
        int openedIndex = -1;
        const PeriodResults *openedWith = nullptr;
        ProgramReportOpeners().cashStatement = [&](AppContext &, QWidget *, const PeriodResults &results, int index) {
            openedWith = &results;
            openedIndex = index;
        };
        IssuesWindow window(fx->context);
        QVERIFY(!window.row(1).itemized->isEnabled());
        QVERIFY(window.row(1).repository->isEnabled());
        window.row(1).repository->click();
        QCOMPARE(openedIndex, 1);
        QCOMPARE(openedWith, &window.results());
        QVERIFY(!fx->state.DataChanged);
    }

    // Tab goes from the frame's boxes through each row's number and its
    // enabled print buttons; Enter presses the focused button as a click
    // does, and on a number opens the issue's change dialog.
    void theKeyboardReachesTheRowsAndTheirPrints()
    {
        fx->state.Building.Issues = {Issue(Day(2016, 4, 1), Day(2016, 6, 30)), Issue(Day(2016, 1, 1), Day(2016, 3, 31))};
        int openedIndex = -1;
        ProgramReportOpeners().cashStatement = [&](AppContext &, QWidget *, const PeriodResults &, int index) {
            openedIndex = index;
        };
        IssuesWindow window(fx->context);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const auto focused = [] { return QApplication::focusWidget(); };
        window.fields().comment()->setFocus(Qt::TabFocusReason);
        for (int step = 0; step < 10 && focused() != window.row(0).runningNumber; ++step)
            QTest::keyClick(focused(), Qt::Key_Tab);
        // "Ειδοποιητήρια" is disabled here (no opener bound) and left out.
        QVERIFY(!window.row(0).itemized->isEnabled());
        const QList<QWidget *> order = {window.row(0).runningNumber, window.row(0).collective, window.row(0).repository,
                                        window.row(1).runningNumber, window.row(1).collective, window.row(1).repository};
        for (QWidget *expected : order) {
            QCOMPARE(focused(), expected);
            QTest::keyClick(focused(), Qt::Key_Tab);
        }
        window.row(1).repository->setFocus(Qt::TabFocusReason);
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(openedIndex, 1);

        window.row(1).runningNumber->setFocus(Qt::TabFocusReason);
        QString shownTo;
        const auto modal = OnModal<IssueChangeDialog>([&](IssueChangeDialog *dialog) {
            shownTo = dialog->fields().dateTo()->text();
            dialog->cancelButton()->click();
        });
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(shownTo, QStringLiteral("31/3/2016"));
    }

    // "Συγκεντρωτική" runs the issue's command and opens its statement over
    // the window; neither marks the work changed.
    void collectiveStatement()
    {
        fx->state.Building = MakeExampleBuilding();
        fx->state.PrintingPossible = true;
        fx->state.PreferredFont = QStringLiteral("Arial Greek");
        IssuesWindow window(fx->context);
        QString caption;
        int pages = 0;
        const auto modal = OnModal<ReportPreview>([&](ReportPreview *preview) {
            caption = preview->windowTitle();
            pages = preview->pageRows() * preview->pageColumns();
        });
        window.row(1).collective->click();
        QCOMPARE(caption, QStringLiteral("/Συγκεντρωτική κατάσταση δαπανών-χρεώσεων"));
        QVERIFY(pages > 0);
        QCOMPARE(window.results().Workspace.FlatRows.size(), std::size_t(12));
        QVERIFY(!fx->state.DataChanged);
    }

private:
    std::unique_ptr<RegisterFixture> fx;
};

KV_TEST_MAIN(IssuesWindowTest)

} // namespace test_issueswindow
#include "test_issueswindow.moc"
