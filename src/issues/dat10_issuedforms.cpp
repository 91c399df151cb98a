#include "issues/dat10_issuedforms.h"

#include "issues/dat10_issuedformschanges.h"
#include "issues/issuefields.h"
#include "issues/issueperiods.h"
#include "issues/prn01_analysisofcommonexpenses.h"
#include "platform/twips.h"
#include "platform/waitcursor.h"
#include "register/datamenu.h"
#include "register/dateentry.h"
#include "register/registerlook.h"
#include "shell/reportopeners.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include <cmath>

namespace kelvarino {

namespace {

// Twips.
constexpr double RowHeight = 345;
constexpr int MinimumRows = 10;
constexpr double Left = 120;
constexpr double NumberWidth = 600;
constexpr double IssueDateWidth = 2000;
constexpr double DateWidth = 1500;
constexpr double CommentWidth = 4600;
constexpr double ButtonWidth = 1600;
constexpr double ScrollWidth = 255;
constexpr double FrameTop = 60;
constexpr double FrameHeight = 1080;
constexpr double HeaderTop = FrameTop + FrameHeight + 120;
constexpr double RowsTop = HeaderTop + RowHeight;

// The left edges of the list's columns.
constexpr double IssueDateLeft = Left + NumberWidth;
constexpr double DateFromLeft = IssueDateLeft + IssueDateWidth;
constexpr double DateToLeft = DateFromLeft + DateWidth;
constexpr double CommentLeft = DateToLeft + DateWidth;
constexpr double PrintsLeft = CommentLeft + CommentWidth;
constexpr double ScrollLeft = PrintsLeft + 3 * ButtonWidth + 30;
constexpr double ClientWidth = ScrollLeft + ScrollWidth + Left;

const QColor WindowColour(255, 255, 224);
const QColor HeaderColour(0, 0, 128);

const QString RowToolTip = QStringLiteral("κλικ για αλλαγή/διαγραφή");

QString RowTextStyle()
{
    return QStringLiteral("QLabel { color: black; background-color: white; border: 1px solid #808080;"
                          " padding: 0px 2px; }");
}

} // namespace

dat10_IssuedForms::dat10_IssuedForms(AppContext &context, QWidget *parent)
    : DataWindow(context, parent), newIssue_(FreshIssue(*context.platform.clock))
{
    setWindowTitle(QStringLiteral("Έκδοση κοινοχρήστων"));
    ApplyWindowBackground(this, WindowColour);
    buildEntryFrame();
    buildHeaders();
    Build_Grid_Rows();

    dataMenu_ = NewDataMenu(this, context.shell, false);
    deleteAll_ = dataMenu_->addAction(QStringLiteral("Διαγραφή όλων των εκδόσεων"));
    connect(deleteAll_, &QAction::triggered, this, [this] { mnuDeleteAll_Click(); });
    dataMenu_->addSeparator();
    AddCloseItem(dataMenu_, this);

    Clear_New_Issue();
    show_data();
}

void dat10_IssuedForms::buildEntryFrame()
{
    frame_ = new QGroupBox(QStringLiteral("ΝΕΑ ΕΚΔΟΣΗ ΚΟΙΝΟΧΡΗΣΤΩΝ"), this);
    frame_->setGeometry(Twips::rect(Left, FrameTop, ClientWidth - 2 * Left, FrameHeight));
    frame_->setStyleSheet(QStringLiteral("QGroupBox { font-weight: bold; color: #000080; }"));
    fields_ = new IssueFields(frame_, newIssue_);
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
        auto *label = new QLabel(QString::fromUtf8(b.label), frame_);
        label->setGeometry(Twips::rect(b.left - Left, 300, b.width, 300));
        b.box->setGeometry(Twips::rect(b.left - Left, 620, b.width, 330));
    }
    connect(fields_->comment(), &QLineEdit::returnPressed, this, [this] { accept_Click(); });
    accept_ = MakeImageButton(frame_, CreateIcon(), QString());
    accept_->setGeometry(Twips::rect(PrintsLeft - Left + 120, 500, 540, 540));
    accept_->setIconSize(accept_->size() - QSize(6, 6));
    connect(accept_, &QToolButton::clicked, this, [this] { accept_Click(); });
}

void dat10_IssuedForms::buildHeaders()
{
    const struct {
        const char *text;
        double left;
        double width;
    } headers[] = {
        {"α/α", Left, NumberWidth},
        {"Ημερομηνία έκδοσης", IssueDateLeft, IssueDateWidth},
        {"Περίοδος: Από", DateFromLeft, DateWidth},
        {"Περίοδος: Έως", DateToLeft, DateWidth},
        {"Ανακοίνωση", CommentLeft, CommentWidth},
        {"Εκτυπώσεις", PrintsLeft, 3 * ButtonWidth},
    };
    for (const auto &h : headers)
        MakeHeaderLabel(this, QString::fromUtf8(h.text), HeaderColour)
            ->setGeometry(Twips::rect(h.left, HeaderTop, h.width, RowHeight));
}

void dat10_IssuedForms::Build_Grid_Rows()
{
    const double mainHeight = context().shell ? context().shell->clientHeightTwips() : 9000;
    int count = int(std::floor((mainHeight - ChildFrameTwips - RowsTop - 2 * RowHeight) / RowHeight));
    if (count < MinimumRows)
        count = MinimumRows;
    for (int r = 0; r < count; ++r)
        rows_.push_back(makeRow(r));
    scroll_ = new QScrollBar(Qt::Vertical, this);
    scroll_->setGeometry(Twips::rect(ScrollLeft, RowsTop, ScrollWidth, count * RowHeight));
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int value) {
        if (scroll_->isHidden())
            return;
        firstShownIssue_ = value;
        show_data();
    });
    setFixedSize(Twips::toPixels(ClientWidth), Twips::toPixels((count + 1) * RowHeight + RowsTop));
}

dat10_IssuedForms::Row dat10_IssuedForms::makeRow(int r)
{
    const double top = RowsTop + r * RowHeight;
    const auto label = [&](double left, double width) {
        auto *l = new QLabel(this);
        l->setGeometry(Twips::rect(left, top, width, RowHeight));
        l->setStyleSheet(RowTextStyle());
        l->setToolTip(RowToolTip);
        l->setProperty("issueRow", r);
        l->installEventFilter(this);
        return l;
    };
    const auto button = [&](int index, const char *text, const char *toolTip, void (dat10_IssuedForms::*click)(int)) {
        auto *b = new QPushButton(QString::fromUtf8(text), this);
        b->setGeometry(Twips::rect(PrintsLeft + index * ButtonWidth, top, ButtonWidth, RowHeight));
        b->setToolTip(QString::fromUtf8(toolTip));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, r, click] { (this->*click)(r); });
        return b;
    };
    Row row{};
    row.aa = MakeRowNumberLabel(this);
    row.aa->setGeometry(Twips::rect(Left, top, NumberWidth, RowHeight));
    row.aa->setToolTip(RowToolTip);
    row.aa->setProperty("issueRow", r);
    row.aa->installEventFilter(this);
    row.issueDate = label(IssueDateLeft, IssueDateWidth);
    row.dateFrom = label(DateFromLeft, DateWidth);
    row.dateTo = label(DateToLeft, DateWidth);
    row.comment = label(CommentLeft, CommentWidth);
    row.collective = button(0, "Συγκεντρωτική", "κλικ για παραγωγή και εκτύπωση συγκεντρωτικού φύλλου",
                            &dat10_IssuedForms::comPrintCollective_Click);
    row.itemized = button(1, "Ειδοποιητήρια", "κλικ για παραγωγή και εκτύπωση ατομικών ειδοποιήσεων και αποδείξεων",
                          &dat10_IssuedForms::comPrintItemized_Click);
    row.repository = button(2, "Ταμείο", "κλικ για υπολογισμό και εκτύπωση του Ταμείου στο τέλος της περιόδου",
                            &dat10_IssuedForms::comPrintRepository_Click);
    return row;
}

bool dat10_IssuedForms::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        const QVariant row = watched->property("issueRow");
        if (row.isValid()) {
            Edit_Issue(row.toInt());
            return true;
        }
    }
    return DataWindow::eventFilter(watched, event);
}

void dat10_IssuedForms::show_data()
{
    const std::vector<IssueRecord> &issues = state().Building.Issues;
    const int count = int(issues.size());
    const int visible = visibleRows();
    scroll_->hide();
    const bool notificationsBound = bool(ProgramReportOpeners().notifications);
    const bool cashBound = bool(ProgramReportOpeners().cashStatement);
    for (int r = 0; r < visible; ++r) {
        const Row &row = rows_[std::size_t(r)];
        const int i = r + firstShownIssue_;
        const bool shown = i < count;
        for (QWidget *w : std::initializer_list<QWidget *>{row.aa, row.issueDate, row.dateFrom, row.dateTo,
                                                           row.comment, row.collective, row.itemized,
                                                           row.repository})
            w->setVisible(shown);
        if (!shown)
            continue;
        const IssueRecord &issue = issues[std::size_t(i)];
        row.aa->setText(QString::number(count - i));
        row.issueDate->setText(DateDisplay(issue.IssueDate));
        row.dateFrom->setText(DateDisplay(issue.PeriodFrom));
        row.dateTo->setText(DateDisplay(issue.PeriodTo));
        row.comment->setText(issue.Announcement.trimmed());
        row.itemized->setEnabled(notificationsBound);
        row.repository->setEnabled(cashBound);
    }
    if (count > visible) {
        const QSignalBlocker blocker(scroll_);
        scroll_->setRange(0, count - visible);
        scroll_->setPageStep(visible);
        scroll_->setValue(firstShownIssue_);
        scroll_->show();
    }
}

void dat10_IssuedForms::Clear_New_Issue()
{
    newIssue_ = FreshIssue(*platform().clock);
    fields_->showRecord();
}

void dat10_IssuedForms::accept_Click()
{
    fields_->takeTyped();
    MessageService &messages = *platform().messages;
    const QString problem = IssueDatesProblem(newIssue_, IssueEntry::New);
    if (!problem.isEmpty()) {
        messages.exclamation(QStringLiteral("Πρόβλημα"), problem);
        return;
    }
    std::vector<IssueRecord> &issues = state().Building.Issues;
    if (!issues.empty() && OverlapsOtherIssue(issues, newIssue_.PeriodFrom, newIssue_.PeriodTo)
        && !ConfirmOverlap(messages, IssueEntry::New))
        return;
    issues.push_back(newIssue_);
    Clear_New_Issue();
    SortIssues(issues);
    changed();
}

int dat10_IssuedForms::issueOfRow(int row) const
{
    const int index = row + firstShownIssue_;
    return row >= 0 && row < visibleRows() && index < state().Building.IssueCount() ? index : -1;
}

void dat10_IssuedForms::Edit_Issue(int row)
{
    const int index = issueOfRow(row);
    if (index < 0)
        return;
    QLabel *number = rows_[std::size_t(row)].aa;
    number->setStyleSheet(RowNumberStyle(true));
    int result = dat10_IssuedFormsChanges::Cancelled;
    {
        dat10_IssuedFormsChanges dialog(context(), index, this);
        dialog.exec();
        result = dialog.changeResult();
    }
    number->setStyleSheet(RowNumberStyle(false));
    if (result == dat10_IssuedFormsChanges::DeleteRequested) {
        const MessageAnswer answer = platform().messages->show(
            {QStringLiteral("Διαγραφή μιας έκδοσης"), QStringLiteral("Είστε σίγουροι ότι θέλετε να διαγραφεί η έκδοση;"),
             MessageIcon::Exclamation, MessageButtons::YesNo, MessageAnswer::Yes});
        if (answer == MessageAnswer::Yes)
            deleteIssue(index);
    } else if (result == dat10_IssuedFormsChanges::Changed) {
        SortIssues(state().Building.Issues);
        changed();
    }
}

void dat10_IssuedForms::deleteIssue(int index)
{
    std::vector<IssueRecord> &issues = state().Building.Issues;
    issues.erase(issues.begin() + index);
    firstShownIssue_ = int(issues.size()) > visibleRows() && firstShownIssue_ > 0 ? firstShownIssue_ - 1 : 0;
    changed();
}

void dat10_IssuedForms::mnuDeleteAll_Click()
{
    const QString title = QStringLiteral("Διαγραφή όλων των εκδόσεων");
    MessageService &messages = *platform().messages;
    if (state().Building.Issues.empty()) {
        messages.information(title, QStringLiteral("Δεν υπάρχουν εκδόσεις για διαγραφή"));
        return;
    }
    const MessageAnswer answer =
        messages.show({title, QStringLiteral("Είστε σίγουροι ότι θέλετε να διαγράψετε όλες τις εκδόσεις;"),
                       MessageIcon::Exclamation, MessageButtons::YesNo, MessageAnswer::Yes});
    if (answer != MessageAnswer::Yes)
        return;
    state().Building.Issues.clear();
    firstShownIssue_ = 0;
    changed();
}

void dat10_IssuedForms::changed()
{
    state().DataChanged = true;
    show_data();
}

bool dat10_IssuedForms::prepareReport(int issueIndex, Prepare prepare)
{
    const WaitCursor hourglass;
    return prepare(state().Building, issueIndex, *platform().messages, results_) == CommandOutcome::OpenReport;
}

void dat10_IssuedForms::comPrintCollective_Click(int row)
{
    const int index = issueOfRow(row);
    if (index < 0 || !prepareReport(index, &PrepareCollectiveStatement))
        return;
    OpenCollectiveStatement(context(), this, results_, index);
}

void dat10_IssuedForms::comPrintItemized_Click(int row)
{
    openBoundReport(row, &PrepareNotifications, ProgramReportOpeners().notifications);
}

void dat10_IssuedForms::comPrintRepository_Click(int row)
{
    openBoundReport(row, &PrepareCashStatement, ProgramReportOpeners().cashStatement);
}

void dat10_IssuedForms::openBoundReport(int row, Prepare prepare, const IssueReportOpener &open)
{
    const int index = issueOfRow(row);
    if (index < 0 || !open || !prepareReport(index, prepare))
        return;
    open(context(), this, results_, index);
}

} // namespace kelvarino
