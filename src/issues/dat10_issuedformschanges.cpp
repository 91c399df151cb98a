#include "issues/dat10_issuedformschanges.h"

#include "issues/issuefields.h"
#include "issues/issueperiods.h"
#include "platform/twips.h"
#include "register/registerlook.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

namespace kelvarino {

namespace {

constexpr int HelpTopic = 300;
constexpr double LabelLeft = 240;
constexpr double LabelWidth = 2900;
constexpr double BoxLeft = LabelLeft + LabelWidth + 120;
constexpr double LineHeight = 420;

} // namespace

dat10_IssuedFormsChanges::dat10_IssuedFormsChanges(AppContext &context, int selectedIndex, QWidget *parent)
    : QDialog(parent), context_(context), selectedIndex_(selectedIndex),
      editedIssue_(context.state.Building.Issues.at(std::size_t(selectedIndex)))
{
    setWindowTitle(QStringLiteral("Έκδοση κοινοχρήστων"));
    setModal(true);
    ApplyWindowBackground(this, QColor(255, 255, 224));
    fields_ = new IssueFields(this, editedIssue_);

    const struct {
        const char *label;
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
        auto *label = new QLabel(QString::fromUtf8(line.label), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setGeometry(Twips::rect(LabelLeft, top, LabelWidth, 330));
        line.box->setGeometry(Twips::rect(BoxLeft, top, line.width, 330));
        top += LineHeight;
    }
    // The 0-based place of the issue in the list, latest first.
    lNo_ = new QLabel(QString::number(selectedIndex), this);
    lNo_->setGeometry(Twips::rect(LabelLeft, top + 60, 900, 330));

    deleteButton_ = new QPushButton(QStringLiteral("Διαγραφή της έκδοσης"), this);
    okButton_ = new QPushButton(QStringLiteral("ΟΚ"), this);
    cancelButton_ = new QPushButton(QStringLiteral("Άκυρο"), this);
    deleteButton_->setGeometry(Twips::rect(BoxLeft, top, 2600, 450));
    okButton_->setGeometry(Twips::rect(BoxLeft + 4400 - 1200, top, 1400, 450));
    cancelButton_->setGeometry(Twips::rect(BoxLeft + 5800, top, 1200, 450));
    for (QPushButton *button : {deleteButton_, okButton_, cancelButton_})
        button->setAutoDefault(false);
    connect(deleteButton_, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(okButton_, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { Command3_Click(); });

    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { context_.platform.help->showTopic(HelpTopic); });

    setFixedSize(Twips::toPixels(BoxLeft + 7000 + 240), Twips::toPixels(top + 450 + 240));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void dat10_IssuedFormsChanges::Command1_Click()
{
    changeResult_ = DeleteRequested;
    done(QDialog::Accepted);
}

void dat10_IssuedFormsChanges::Command2_Click()
{
    fields_->takeTyped();
    if (!mayWriteBack())
        return;
    context_.state.Building.Issues.at(std::size_t(selectedIndex_)) = editedIssue_;
    changeResult_ = Changed;
    done(QDialog::Accepted);
}

void dat10_IssuedFormsChanges::Command3_Click()
{
    changeResult_ = Cancelled;
    done(QDialog::Rejected);
}

bool dat10_IssuedFormsChanges::mayWriteBack()
{
    MessageService &messages = *context_.platform.messages;
    const QString problem = IssueDatesProblem(editedIssue_, IssueEntry::Changed);
    if (!problem.isEmpty()) {
        messages.exclamation(QStringLiteral("Πρόβλημα"), problem);
        return false;
    }
    const std::vector<IssueRecord> &issues = context_.state.Building.Issues;
    if (issues.size() >= 2
        && OverlapsOtherIssue(issues, editedIssue_.PeriodFrom, editedIssue_.PeriodTo, selectedIndex_))
        return ConfirmOverlap(messages, IssueEntry::Changed);
    return true;
}

} // namespace kelvarino
