#pragma once

#include "register/orderwindow.h"

namespace kelvarino {

// The display order of the professionals.
class ProfessionalOrderWindow : public ListOrderWindow<ProfessionalRecord>
{
public:
    explicit ProfessionalOrderWindow(AppContext &context, QWidget *parent = nullptr);
};

} // namespace kelvarino
