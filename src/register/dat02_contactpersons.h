#pragma once

#include "register/contactwindow.h"

namespace kelvarino {

// The contact data of one person at a time (salutation, street, area, phones,
// e-mail), stepping through the persons, with the clipboard block that carries
// them from one person to another.
class dat02_ContactPersons : public ContactWindow
{
public:
    dat02_ContactPersons(AppContext &context, int personIndex, QWidget *parent = nullptr);

    void sendToClipboard();
    void getFromClipboard();

protected:
    void addTools(QHBoxLayout *tools) override;
    int recordCount() const override { return context_.state.Building.PersonCount(); }
    QString captionOf(int k) const override;
    QStringList textsOf(int k) const override;
    void keepUndoCopy(int k) override;
    QStringList undoTexts() const override;
    bool storeField(int k, int field, const QString &text) override;
    QString storedEmail(int k) const override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum Field { Salutation, Street, Area, Phone, Mobile, Email, FieldCount };
    PersonRecord undoCopy_;
};

} // namespace kelvarino
