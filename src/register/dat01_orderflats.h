#pragma once

#include "register/orderwindow.h"

namespace kelvarino {

// The display order of the flats.
class dat01_OrderFlats : public ListOrderWindow<FlatRecord>
{
public:
    explicit dat01_OrderFlats(AppContext &context, QWidget *parent = nullptr);
};

} // namespace kelvarino
