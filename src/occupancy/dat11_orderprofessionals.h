#pragma once

#include "register/orderwindow.h"

namespace kelvarino {

// The display order of the professionals.
class dat11_OrderProfessionals : public ListOrderWindow<ProfessionalRecord>
{
public:
    explicit dat11_OrderProfessionals(AppContext &context, QWidget *parent = nullptr);
};

} // namespace kelvarino
