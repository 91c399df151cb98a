#pragma once

#include "accounts/filterdialog.h"
#include "core/buildingdata.h"

namespace kelvarino {

// The check groups of the flats and of the persons of a filter, bound to the
// switches of the filter's copy (made as long as the lists are now).
CheckGroup::Binding FlatSwitches(const BuildingData &building, std::vector<bool> &switches);
CheckGroup::Binding PersonSwitches(const BuildingData &building, std::vector<bool> &switches);

} // namespace kelvarino
