#pragma once

#include "register/contactwindow.h"

namespace kelvarino {

// The contact data of one professional at a time: street, area, phones,
// e-mail, web address and notes; the caption names the activity and the name.
class dat11_ContactProfessionals : public RecordContactWindow<ProfessionalRecord>
{
public:
    enum Field { Street, Area, Phone, Mobile, Email, Web, Notes, FieldCount };

    dat11_ContactProfessionals(AppContext &context, int professionalIndex, QWidget *parent = nullptr);

protected:
    QString captionOf(int k) const override;
};

} // namespace kelvarino
