#pragma once

#include "register/orderwindow.h"

namespace kelvarino {

// The display order of the persons.
class dat02_OrderPersons : public ListOrderWindow<PersonRecord>
{
public:
    explicit dat02_OrderPersons(AppContext &context, QWidget *parent = nullptr);
};

} // namespace kelvarino
