#pragma once

#include "core/buildingdata.h"

namespace kelvarino {

// The slots of the printouts.
enum PrintSlot : int {
    SlotPaymentReceipt = 1,
    SlotPersonsList = 2,
    SlotNotifications = 3,
    SlotCashStatement = 4,
    SlotCollectiveStatement = 5,
    SlotPerMilleTable = 6,
    SlotProfessionalsList = 7,
};

// Writes the defaults of a new work into the given slots, only into the fields
// that have defaults; every other field keeps its value.
void SetDefaultPrintSettings(PrintSettingSlots &loaded);

// The live print settings become a copy of the loaded ones.
void ApplyPrintSettings(const PrintSettingSlots &loaded, PrintSettingSlots &live);

} // namespace kelvarino
