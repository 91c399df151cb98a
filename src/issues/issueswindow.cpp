#include "issues/issueswindow.h"

#include "core/listfilters.h"
#include "issues/collectivestatementreport.h"
#include "issues/issuechangedialog.h"
#include "issues/issuefields.h"
#include "issues/issueperiods.h"
#include "platform/twips.h"
#include "platform/waitcursor.h"
#include "register/dateentry.h"
#include "register/registerlook.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <numeric>

namespace kelvarino {

namespace {

enum Column { Number, IssueDate, DateFrom, DateTo, Comment };

// Twips.
constexpr double Left = 120;
constexpr double NumberWidth = 600;
constexpr double IssueDateWidth = 2000;
constexpr double DateWidth = 1500;
constexpr double CommentWidth = 4600;
constexpr double ButtonWidth = 1600;
constexpr double FrameTop = 60;
constexpr double FrameHeight = 1080;
constexpr double RowHeight = 345;

// The left edges of the list's columns.
constexpr double IssueDateLeft = Left + NumberWidth;
constexpr double DateFromLeft = IssueDateLeft + IssueDateWidth;
constexpr double DateToLeft = DateFromLeft + DateWidth;
constexpr double CommentLeft = DateToLeft + DateWidth;
constexpr double PrintsLeft = CommentLeft + CommentWidth;
constexpr double ScrollLeft = PrintsLeft + 3 * ButtonWidth + 30;
constexpr double ClientWidth = ScrollLeft + 180 + Left;
constexpr double HeaderTop = FrameTop + FrameHeight + 120;

const QColor WindowColour(255, 255, 224);
const QColor HeaderColour(0, 0, 128);

std::vector<ListColumn> Columns()
{
    const auto column = [](const char *header, double left, double width) {
        return ListColumn{QString::fromUtf8(header), left, width, HeaderColour, Qt::black};
    };
    return {
        column("α/α", Left, NumberWidth),
        column("Ημερομηνία έκδοσης", IssueDateLeft, IssueDateWidth),
        column("Περίοδος: Από", DateFromLeft, DateWidth),
        column("Περίοδος: Έως", DateToLeft, DateWidth),
        column("Ανακοίνωση", CommentLeft, CommentWidth),
    };
}

ListTexts Texts()
{
    ListTexts t;
    t.caption = QStringLiteral("Έκδοση κοινοχρήστων");
    t.deleteOneTitle = QStringLiteral("Διαγραφή μιας έκδοσης");
    t.deleteOneText = QStringLiteral("Είστε σίγουροι ότι θέλετε να διαγραφεί η έκδοση;");
    t.deleteAllCaption = QStringLiteral("Διαγραφή όλων των εκδόσεων");
    t.deleteAllTitle = t.deleteAllCaption;
    t.deleteAllNothing = QStringLiteral("Δεν υπάρχουν εκδόσεις για διαγραφή");
    t.deleteAllQuestion = QStringLiteral("Είστε σίγουροι ότι θέλετε να διαγράψετε όλες τις εκδόσεις;");
    t.fullTitle = QStringLiteral("Πρόβλημα");
    t.fullText = QStringLiteral("Έχετε καταχωρήσει %1 εκδόσεις, όσες το πολύ χωράει ένα αρχείο. "
                                "Η νέα έκδοση δεν καταχωρήθηκε.")
                     .arg(MaxListCount);
    t.rowToolTip = QStringLiteral("κλικ για αλλαγή/διαγραφή");
    t.helpSection = QStringLiteral("issues");
    return t;
}

ListGeometry Geometry()
{
    ListGeometry g;
    g.clientWidth = ClientWidth;
    g.headerTop = HeaderTop;
    g.frameLeft = Left;
    g.frameTop = FrameTop;
    g.frameWidth = ClientWidth - 2 * Left;
    g.frameHeight = FrameHeight;
    g.scrollLeft = ScrollLeft;
    g.rowHeight = RowHeight;
    g.cellIndent = 4;
    return g;
}

} // namespace

IssuesWindow::IssuesWindow(AppContext &context, QWidget *parent)
    : RecordListWindow(context, Columns(), Texts(), Geometry(), parent), newIssue_(FreshIssue(*context.platform.clock))
{
    ApplyWindowBackground(this, WindowColour);
    buildEntryFrame();
    const struct {
        const char *caption;
        const char *toolTip;
    } buttons[] = {
        {"Συγκεντρωτική", "κλικ για παραγωγή και εκτύπωση συγκεντρωτικού φύλλου"},
        {"Ειδοποιητήρια", "κλικ για παραγωγή και εκτύπωση ατομικών ειδοποιήσεων και αποδείξεων"},
        {"Ταμείο", "κλικ για υπολογισμό και εκτύπωση του Ταμείου στο τέλος της περιόδου"},
    };
    double left = PrintsLeft;
    for (const auto &b : buttons) {
        addRowButton({QString::fromUtf8(b.caption), QString::fromUtf8(b.toolTip), left, ButtonWidth});
        left += ButtonWidth;
    }
    buildList();
    // Over the print buttons, where the list's columns have put them.
    const QRect design = Twips::rect(PrintsLeft, HeaderTop, 3 * ButtonWidth, RowHeight);
    const int buttonsLeft = rowButtonAt(0, 0)->x();
    MakeHeaderLabel(this, QStringLiteral("Εκτυπώσεις"), HeaderColour)
        ->setGeometry(buttonsLeft, design.y(), rowButtonAt(0, 2)->geometry().right() + 1 - buttonsLeft, design.height());
}

IssuesWindow::~IssuesWindow()
{
    // The boxes store into the new issue, which goes with this object: they
    // are cut off from it before they are deleted.
    delete fields_;
}

void IssuesWindow::storeTypedText()
{
    fields_->takeTyped();
}

void IssuesWindow::buildEntryFrame()
{
    frame()->setTitle(QStringLiteral("ΝΕΑ ΕΚΔΟΣΗ ΚΟΙΝΟΧΡΗΣΤΩΝ"));
    fields_ = new IssueFields(frame(), newIssue_);
    const struct {
        const char *label;
        QLineEdit *box;
        double left;
        double width;
    } boxes[] = {
        {"Ημερομηνία έκδοσης", fields_->issueDate(), IssueDateLeft, IssueDateWidth},
        {"Περίοδος: Από", fields_->dateFrom(), DateFromLeft, DateWidth},
        {"Περίοδος: Έως", fields_->dateTo(), DateToLeft, DateWidth},
        {"Ανακοίνωση", fields_->comment(), CommentLeft, CommentWidth},
    };
    for (const auto &b : boxes) {
        auto *label = new QLabel(QString::fromUtf8(b.label), frame());
        label->setGeometry(Twips::rect(b.left - Left, 300, b.width, 300));
        placeInFrame(b.box, b.left - Left, 620, b.width, 330);
    }
    // Enter acts on its press: the release of an Enter that answered a
    // message box must not add again.
    connect(fields_->comment(), &QLineEdit::returnPressed, this, [this] { addRecord(); });
    placeInFrame(makeAcceptButton(QString()), PrintsLeft - Left + 120, 500, 540, 540);
}

IssuesWindow::Row IssuesWindow::row(int r) const
{
    return {cell(r, Number),          cell(r, IssueDate),          cell(r, DateFrom),
            cell(r, DateTo),          cell(r, Comment),            rowButtonAt(r, Collective),
            rowButtonAt(r, Itemized), rowButtonAt(r, Repository)};
}

int IssuesWindow::recordCount() const
{
    return state().Building.IssueCount();
}

std::vector<int> IssuesWindow::listRecords()
{
    // The issues are kept in the order they are listed in.
    std::vector<int> all(issues().size());
    std::iota(all.begin(), all.end(), 0);
    return all;
}

QString IssuesWindow::cellText(int index, int column) const
{
    const IssueRecord &issue = issues()[std::size_t(index)];
    switch (column) {
    case IssueDate:
        return DateDisplay(issue.IssueDate);
    case DateFrom:
        return DateDisplay(issue.PeriodFrom);
    case DateTo:
        return DateDisplay(issue.PeriodTo);
    case Comment:
        return issue.Announcement.trimmed();
    default:
        return QString();
    }
}

quint64 IssuesWindow::listSignature() const
{
    // What the rows stand for: the issues as listed, whatever changed them.
    size_t seed = qHash(issues().size());
    for (const IssueRecord &issue : issues())
        seed = qHashMulti(seed, issue.PeriodFrom, issue.PeriodTo, issue.IssueDate,
                          qHashBits(issue.Announcement.data(), issue.Announcement.Width));
    return seed;
}

int IssuesWindow::editRecord(int index)
{
    IssueChangeDialog dialog(context(), index, this);
    dialog.exec();
    const int answer = dialog.changeResult();
    if (answer == 1)
        SortIssues(issues());
    return answer;
}

void IssuesWindow::deleteRecords(const std::vector<int> &indexes)
{
    RemoveListed(issues(), indexes);
}

bool IssuesWindow::newRecordMayBeStored()
{
    fields_->takeTyped();
    MessageService &messages = *platform().messages;
    const QString problem = IssueDatesProblem(newIssue_, IssueEntry::New);
    if (!problem.isEmpty()) {
        messages.exclamation(QStringLiteral("Πρόβλημα"), problem);
        return false;
    }
    return !OverlapsOtherIssue(issues(), newIssue_.PeriodFrom, newIssue_.PeriodTo)
        || ConfirmOverlap(messages, IssueEntry::New);
}

void IssuesWindow::appendNewRecord()
{
    issues().push_back(newIssue_);
    SortIssues(issues());
}

void IssuesWindow::clearEntryFrame()
{
    newIssue_ = FreshIssue(*platform().clock);
    fields_->showRecord();
}

bool IssuesWindow::rowButtonEnabled(int button) const
{
    switch (button) {
    case Itemized:
        return bool(ProgramReportOpeners().notifications);
    case Repository:
        return bool(ProgramReportOpeners().cashStatement);
    default:
        return true;
    }
}

void IssuesWindow::rowButtonClicked(int button, int index)
{
    switch (button) {
    case Collective:
        if (prepareReport(index, &PrepareCollectiveStatement))
            OpenCollectiveStatement(context(), this, results_, index);
        break;
    case Itemized:
        openBoundReport(index, &PrepareNotifications, ProgramReportOpeners().notifications);
        break;
    case Repository:
        openBoundReport(index, &PrepareCashStatement, ProgramReportOpeners().cashStatement);
        break;
    }
}

bool IssuesWindow::prepareReport(int issueIndex, Prepare prepare)
{
    const WaitCursor hourglass;
    return prepare(state().Building, issueIndex, *platform().messages, results_) == CommandOutcome::OpenReport;
}

void IssuesWindow::openBoundReport(int issueIndex, Prepare prepare, const IssueReportOpener &open)
{
    if (open && prepareReport(issueIndex, prepare))
        open(context(), this, results_, issueIndex);
}

} // namespace kelvarino
