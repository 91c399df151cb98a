#include "issues/issuechangedialog.h"

#include "issues/issuefields.h"
#include "issues/issueperiods.h"

#include <QLineEdit>

namespace kelvarino {

namespace {

// Twips.
constexpr double FieldLeft = 3260;
constexpr double LineHeight = 420;
constexpr double DialogButtonWidth = 1400;
constexpr double DialogClientWidth = FieldLeft + 7000 + 240;

} // namespace

IssueChangeDialog::IssueChangeDialog(AppContext &context, int selectedIndex, QWidget *parent)
    : RecordChangeDialog(context.platform, QStringLiteral("Έκδοση κοινοχρήστων"),
                         QStringLiteral("Διαγραφή της έκδοσης"), QSizeF(DialogClientWidth, 240 + 4 * LineHeight + 735),
                         FieldLeft, selectedIndex, parent),
      state_(context.state), selectedIndex_(selectedIndex), editedIssue_(issues().at(std::size_t(selectedIndex)))
{
    fields_ = new IssueFields(this, editedIssue_);
    const struct {
        const char *caption;
        QLineEdit *box;
        double width;
    } lines[] = {
        {"Ημερομηνία έκδοσης:", fields_->issueDate(), 1500},
        {"Ημερομηνία αρχής περιόδου:", fields_->dateFrom(), 1500},
        {"Ημερομηνία τέλους περιόδου:", fields_->dateTo(), 1500},
        {"Ανακοίνωση:", fields_->comment(), 7000},
    };
    double top = 240;
    for (const auto &line : lines) {
        addField(QString::fromUtf8(line.caption), line.box, top, line.width, 330);
        top += LineHeight;
    }
    placeButtons(top, FieldLeft, FieldLeft + 3200, DialogClientWidth - 240 - DialogButtonWidth, DialogButtonWidth, 2600);
    FinishDialogLayout(this);
}

bool IssueChangeDialog::mayStore()
{
    fields_->takeTyped();
    MessageService &messages = *platform().messages;
    const QString problem = IssueDatesProblem(editedIssue_, IssueEntry::Changed);
    if (!problem.isEmpty()) {
        messages.exclamation(QStringLiteral("Πρόβλημα"), problem);
        return false;
    }
    return !OverlapsOtherIssue(issues(), editedIssue_.PeriodFrom, editedIssue_.PeriodTo, selectedIndex_)
        || ConfirmOverlap(messages, IssueEntry::Changed);
}

void IssueChangeDialog::writeBack()
{
    issues().at(std::size_t(selectedIndex_)) = editedIssue_;
}

} // namespace kelvarino
