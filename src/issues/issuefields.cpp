#include "issues/issuefields.h"

#include "register/dateboxfit.h"
#include "register/dateentry.h"
#include "register/registerlook.h"
#include "register/textentry.h"

#include <QLineEdit>

namespace kelvarino {

namespace {

constexpr int AnnouncementWidth = int(decltype(IssueRecord::Announcement)::Width);

} // namespace

IssueFields::IssueFields(QWidget *parent, IssueRecord &record)
    : QObject(parent), record_(record), issueDate_(MakeCellEdit(parent)), dateFrom_(MakeCellEdit(parent)),
      dateTo_(MakeCellEdit(parent)), comment_(MakeCellEdit(parent))
{
    const auto bindDate = [this](QLineEdit *box, double IssueRecord::*day) {
        connect(box, &QLineEdit::editingFinished, this, [this, box, day] { leaveDate(box, record_.*day); });
    };
    for (QLineEdit *box : {issueDate_, dateFrom_, dateTo_})
        MarkDateBox(box);
    bindDate(issueDate_, &IssueRecord::IssueDate);
    bindDate(dateFrom_, &IssueRecord::PeriodFrom);
    bindDate(dateTo_, &IssueRecord::PeriodTo);
    // A character the data file cannot hold shows as "?" as it is typed.
    connect(comment_, &QLineEdit::textEdited, this,
            [this] { ApplyTypedTextRule(comment_, AnnouncementWidth, TypedTextRule::AsTyped); });
    connect(comment_, &QLineEdit::editingFinished, this, [this] { leaveComment(); });
    showRecord();
}

void IssueFields::showRecord()
{
    issueDate_->setText(DateDisplay(record_.IssueDate));
    dateFrom_->setText(DateDisplay(record_.PeriodFrom));
    dateTo_->setText(DateDisplay(record_.PeriodTo));
    comment_->setText(record_.Announcement.trimmed());
    comment_->setCursorPosition(0); // the beginning of a long announcement shows
}

void IssueFields::takeTyped()
{
    leaveDate(issueDate_, record_.IssueDate);
    leaveDate(dateFrom_, record_.PeriodFrom);
    leaveDate(dateTo_, record_.PeriodTo);
    leaveComment();
}

void IssueFields::leaveDate(QLineEdit *box, double &day)
{
    // A box that still shows its date keeps it as stored (a stored date may
    // carry a time of day).
    if (box->text() == DateDisplay(day))
        return;
    day = ReadTypedDate(box->text());
    box->setText(DateDisplay(day));
}

void IssueFields::leaveComment()
{
    if (comment_->text() == record_.Announcement.trimmed())
        return;
    record_.Announcement.set(TrimBlanks(comment_->text()));
    comment_->setText(record_.Announcement.trimmed());
}

} // namespace kelvarino
