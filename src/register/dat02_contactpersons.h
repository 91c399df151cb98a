#pragma once

#include "shell/appcontext.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace kelvarino {

// The contact data of one person at a time (salutation, street, area, phones,
// e-mail), stepping through the persons. Every change is stored at once.
class dat02_ContactPersons : public QDialog
{
public:
    dat02_ContactPersons(AppContext &context, int personIndex, QWidget *parent = nullptr);

    void Show_Contact(int k);
    void previous();
    void next();
    void undo();
    void clearData();
    void sendToClipboard();
    void getFromClipboard();
    void mailTo();

    int contactIndex() const { return contactIndex_; }
    QLineEdit *box(int field) const { return boxes_[std::size_t(field)]; }
    QPushButton *backButton() const { return back_; }
    QPushButton *nextButton() const { return next_; }
    QLabel *mailLabel() const { return mailLabel_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum Field { Salutation, Street, Area, Phone, Mobile, Email, FieldCount };
    void build();
    void boxChanged(int field);
    void setBoxes(const std::array<QString, FieldCount> &texts);
    PersonRecord &person() const;

    AppContext &context_;
    int contactIndex_ = 0;
    PersonRecord undoCopy_;
    std::array<QLineEdit *, FieldCount> boxes_{};
    QLabel *mailLabel_ = nullptr;
    QPushButton *back_ = nullptr;
    QPushButton *next_ = nullptr;
};

} // namespace kelvarino
