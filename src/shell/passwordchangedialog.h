#pragma once

#include "core/appstate.h"
#include "shell/passworddialog.h"

namespace kelvarino {

// Sets, changes or removes the access password of the current work. The new
// password reaches the file with the next save.
class PasswordChangeDialog : public PasswordDialog
{
public:
    PasswordChangeDialog(AppState &state, const Platform &platform, QWidget *parent = nullptr);

    QLineEdit *currentBox() const { return current_; }
    QLineEdit *proposedBox() const { return proposed_; }
    QLineEdit *validateBox() const { return validate_; }
    QPushButton *okButton() const { return ok_; }

private:
    void confirm();

    AppState &state_;
    QLineEdit *current_;
    QLineEdit *proposed_;
    QLineEdit *validate_;
    QPushButton *ok_;
};

} // namespace kelvarino
