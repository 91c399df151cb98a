#pragma once

#include "register/orderwindow.h"

namespace kelvarino {

// The display order of the professionals.
class dat11_OrderProfessionals : public OrderWindow
{
public:
    explicit dat11_OrderProfessionals(AppContext &context, QWidget *parent = nullptr);

protected:
    int recordCount() const override { return state().Building.ProfessionalCount(); }
    // The activity and the first 20 characters of the name, padded so that the
    // separators of all rows stand one under the other.
    QString rowText(int k) const override;
    void move(int from, int to) override;
    void openDataWindow() override;
};

} // namespace kelvarino
