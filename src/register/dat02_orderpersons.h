#pragma once

#include "register/orderwindow.h"

namespace kelvarino {

// The display order of the persons.
class dat02_OrderPersons : public OrderWindow
{
public:
    explicit dat02_OrderPersons(AppContext &context, QWidget *parent = nullptr);

protected:
    int recordCount() const override { return state().Building.PersonCount(); }
    QString rowText(int k) const override { return state().Building.Persons[std::size_t(k)].Name.text(); }
    void move(int from, int to) override;
    void openDataWindow() override;
};

} // namespace kelvarino
