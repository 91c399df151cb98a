#include "shell/passwordentrydialog.h"

#include "shell/passwordrule.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kelvarino {

PasswordEntryDialog::PasswordEntryDialog(const FixedText<8> &filePassword, const Platform &platform, QWidget *parent)
    : PasswordDialog(platform, 5550, 2310, parent), filePassword_(filePassword)
{
    setWindowTitle(QStringLiteral("Ανάγνωση δεδομένων από αρχείο"));
    addLabel(QStringLiteral("Για την προσπέλαση των δεδομένων απαιτείται κωδικός."), 120, 60, 5295, 315,
             Qt::AlignHCenter, QColor(0, 0, 192));
    addLabel(QStringLiteral("Εισάγετε κωδικό"), 1620, 420, 2115, 255, Qt::AlignHCenter, Qt::white, QColor(255, 0, 0));
    box_ = addPasswordBox(1620, 660, 2115, 285);
    ok_ = addButton(QStringLiteral("Έλεγξε"), 1980, 1140, 1380, 315);
    connect(ok_, &QPushButton::clicked, this, &PasswordEntryDialog::check);
    box_->setFocus();
}

void PasswordEntryDialog::check()
{
    if (PasswordRule::fit(box_->text()) == filePassword_) {
        accepted_ = true;
        accept();
        return;
    }
    box_->clear();
    if (platform().messages)
        platform().messages->error(QStringLiteral("Λάθος κωδικός προσπέλασης δεδομένων"),
                                   QStringLiteral("Ο κωδικός που εισήγατε δεν είναι ο σωστός. Προσπαθήστε ξανά."));
    box_->setFocus();
}

} // namespace kelvarino
