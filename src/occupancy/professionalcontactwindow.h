#pragma once

#include "register/contactwindow.h"

namespace kelvarino {

// The contact data of one professional at a time: street, area, phones,
// e-mail, web address and notes; the caption names the activity and the name.
class ProfessionalContactWindow : public RecordContactWindow<ProfessionalRecord>
{
public:
    enum Field { Street, Area, Phone, Mobile, Email, Web, Notes, FieldCount };

    ProfessionalContactWindow(AppContext &context, int professionalIndex, QWidget *parent = nullptr);

protected:
    QString captionOf(int k) const override;
};

} // namespace kelvarino
