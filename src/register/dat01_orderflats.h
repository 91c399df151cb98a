#pragma once

#include "register/orderwindow.h"

namespace kelvarino {

// The display order of the flats.
class dat01_OrderFlats : public OrderWindow
{
public:
    explicit dat01_OrderFlats(AppContext &context, QWidget *parent = nullptr);

protected:
    int recordCount() const override { return state().Building.FlatCount(); }
    QString rowText(int k) const override;
    void move(int from, int to) override;
    void openDataWindow() override;
};

} // namespace kelvarino
