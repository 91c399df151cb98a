#pragma once

#include "register/orderwindow.h"

namespace kelvarino {

// The display order of the persons.
class PersonOrderWindow : public ListOrderWindow<PersonRecord>
{
public:
    explicit PersonOrderWindow(AppContext &context, QWidget *parent = nullptr);
};

} // namespace kelvarino
