#pragma once

#include "register/contactwindow.h"

namespace kelvarino {

// The contact data of one person at a time (salutation, street, area, phones,
// e-mail), stepping through the persons, with the clipboard block that carries
// them from one person to another.
class PersonContactWindow : public RecordContactWindow<PersonRecord>
{
public:
    PersonContactWindow(AppContext &context, int personIndex, QWidget *parent = nullptr);

    void sendToClipboard();
    void getFromClipboard();

protected:
    void addTools(QHBoxLayout *tools) override;
    QString captionOf(int k) const override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum Field { Salutation, Street, Area, Phone, Mobile, Email, FieldCount };
};

} // namespace kelvarino
