#pragma once

#include "core/fixedtext.h"
#include "shell/passworddialog.h"

namespace kelvarino {

// Asks for the access password of a protected file while it is being opened.
// accepted() tells whether the typed password matched; the window stays open
// after a wrong one, for as many attempts as the user wants.
class PasswordEntryDialog : public PasswordDialog
{
public:
    PasswordEntryDialog(const FixedText<8> &filePassword, const Platform &platform, QWidget *parent = nullptr);

    bool passwordAccepted() const { return accepted_; }
    QLineEdit *passwordBox() const { return box_; }
    QPushButton *checkButton() const { return ok_; }

private:
    void check();

    FixedText<8> filePassword_;
    bool accepted_ = false;
    QLineEdit *box_;
    QPushButton *ok_;
};

} // namespace kelvarino
