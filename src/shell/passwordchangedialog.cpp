#include "shell/passwordchangedialog.h"

#include "shell/passwordrule.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kelvarino {

PasswordChangeDialog::PasswordChangeDialog(AppState &state, const Platform &platform, QWidget *parent)
    : PasswordDialog(platform, 6660, 3450, parent), state_(state)
{
    const bool changing = state_.PasswordSet;
    setWindowTitle(changing ? QStringLiteral("Αλλαγή κωδικού προσπέλασης δεδομένων")
                            : QStringLiteral("Ορισμός κωδικού προσπέλασης δεδομένων"));
    addLabel(QStringLiteral("Συμπληρώστε τα παρακάτω κουτάκια"), 120, 60, 6300, 255, Qt::AlignHCenter,
             QColor(255, 0, 0));
    addLabel(QStringLiteral("Τρέχων Κωδικός Προσπέλασης:"), 120, 540, 4035, 255, Qt::AlignRight, Qt::white,
             QColor(255, 0, 0));
    addLabel(QStringLiteral("Νέος Κωδικός Προσπέλασης:"), 120, 1020, 4035, 255, Qt::AlignRight, Qt::white,
             QColor(0, 0, 255));
    addLabel(QStringLiteral("Επιβεβαίωση Νέου Κωδικού Προσπέλασης:"), 120, 1500, 4035, 255, Qt::AlignRight,
             Qt::white, QColor(0, 128, 0));
    current_ = addPasswordBox(4320, 540, 2115, 285);
    proposed_ = addPasswordBox(4320, 1020, 2115, 285);
    validate_ = addPasswordBox(4320, 1500, 2115, 285);
    ok_ = addButton(changing ? QStringLiteral("Αλλαγή") : QStringLiteral("Ορισμός"), 2700, 2160, 1620, 360);
    current_->setEnabled(changing);
    connect(ok_, &QPushButton::clicked, this, &PasswordChangeDialog::confirm);
    (changing ? current_ : proposed_)->setFocus();
}

void PasswordChangeDialog::confirm()
{
    MessageService *messages = platform().messages;
    if (PasswordRule::fit(current_->text()) != state_.AccessPassword) {
        messages->error(QStringLiteral("Πρόβλημα στην εισαγωγή του κωδικού προσπέλασης των δεδομένων σας"),
                        QStringLiteral("Τα δεδομένα σας μεταφέρουν κωδικό προσπέλασης. ")
                            + QStringLiteral("Πρέπει πρώτα να εισάγετε τον κωδικό αυτό σωστά, ώστε μετά να "
                                             "μπορέσετε να τον αλλάξετε. Ξαναπροσπαθήστε."));
        current_->clear();
        proposed_->clear();
        validate_->clear();
        current_->setFocus();
        return;
    }
    const FixedText<8> proposed = PasswordRule::fit(proposed_->text());
    if (PasswordRule::typedPart(proposed_->text()) != PasswordRule::typedPart(validate_->text())) {
        messages->error(QStringLiteral("Πρόβλημα στον ορισμό νέου κωδικού προσπέλασης των δεδομένων σας"),
                        QStringLiteral("Πρέπει να εισάγετε το νέο κωδικό προσπέλασης των δεδομένων σας 2 φορές, "
                                       "ακριβώς με τον ίδιο τρόπο. ")
                            + QStringLiteral("Στις 2 φορές δεν εισήγατε τον ίδιο κωδικό. Ξαναπροσπαθήστε."));
        proposed_->clear();
        validate_->clear();
        proposed_->setFocus();
        return;
    }
    // A character the data file cannot hold would come back as another one
    // and lock the user out of the file.
    if (!PasswordRule::storable(proposed_->text())) {
        messages->error(QStringLiteral("Πρόβλημα στον ορισμό νέου κωδικού προσπέλασης των δεδομένων σας"),
                        QStringLiteral("Ο νέος κωδικός περιέχει χαρακτήρες που δεν μπορούν να αποθηκευτούν στο "
                                       "αρχείο δεδομένων. Χρησιμοποιήστε ελληνικά ή λατινικά γράμματα, ψηφία "
                                       "και σύμβολα. Ξαναπροσπαθήστε."));
        proposed_->clear();
        validate_->clear();
        proposed_->setFocus();
        return;
    }
    if (proposed != state_.AccessPassword) {
        state_.AccessPassword = proposed;
        state_.DataChanged = true;
        state_.PasswordSet = !proposed.isBlank();
    }
    accept();
}

} // namespace kelvarino
