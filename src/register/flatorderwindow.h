#pragma once

#include "register/orderwindow.h"

namespace kelvarino {

// The display order of the flats.
class FlatOrderWindow : public ListOrderWindow<FlatRecord>
{
public:
    explicit FlatOrderWindow(AppContext &context, QWidget *parent = nullptr);
};

} // namespace kelvarino
