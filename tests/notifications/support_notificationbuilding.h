#pragma once

// A small building whose issue gives every kind of notification cell, for the
// notifications' tests.

#include "core/issuecommands.h"
#include "notifications/notificationtexts.h"
#include "support_periodbuilding.h"

namespace kelvarino::testing {

// Three flats F1..F3 and one issue (the first quarter of 2024): a residents'
// common expense of category 1 (100,00) split 500 / 500 / 0 with a 50 %
// residents' reduction on F1, residents' charges of F2 (10,00) and F1
// (-5,00), an owners' charge of 0,00 on F3 and an owners' common expense of
// category 3 (60,00); the administrator is a woman.
PeriodBuilding NotificationBuilding();

// The building with the results of the notifications' command for its issue.
struct PreparedIssue
{
    PeriodBuilding building;
    PeriodResults results;
    NotificationSource source() const { return {building.data, results, 0}; }
};
PreparedIssue PrepareIssue(PeriodBuilding building);

} // namespace kelvarino::testing
