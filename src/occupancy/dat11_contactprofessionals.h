#pragma once

#include "register/contactwindow.h"

namespace kelvarino {

// The contact data of one professional at a time: street, area, phones,
// e-mail, web address and notes; the caption names the activity and the name.
class dat11_ContactProfessionals : public ContactWindow
{
public:
    enum Field { Street, Area, Phone, Mobile, Email, Web, Notes, FieldCount };

    dat11_ContactProfessionals(AppContext &context, int professionalIndex, QWidget *parent = nullptr);

protected:
    int recordCount() const override { return context_.state.Building.ProfessionalCount(); }
    QString captionOf(int k) const override;
    QStringList textsOf(int k) const override;
    void keepUndoCopy(int k) override;
    QStringList undoTexts() const override;
    bool storeField(int k, int field, const QString &text) override;
    QString storedEmail(int k) const override;

private:
    ProfessionalRecord savedContact_;
};

} // namespace kelvarino
