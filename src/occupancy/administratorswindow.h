#pragma once

#include "occupancy/periodeditor.h"

namespace kelvarino {

// Who administered the building, as dated periods. The printouts take the
// first period in list order that covers a date, so closing leaves the list
// sorted by start date.
class AdministratorsWindow : public PeriodEditor<AdministratorPeriod>
{
public:
    explicit AdministratorsWindow(AppContext &context, QWidget *parent = nullptr);

protected:
    std::vector<AdministratorPeriod> &records() const override { return state().Building.Administrators; }
    bool closingCheck() override;
};

} // namespace kelvarino
