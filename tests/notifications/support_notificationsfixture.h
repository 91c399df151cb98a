#pragma once

#include "core/appstate.h"
#include "core/issuecommands.h"
#include "notifications/notificationswindow.h"
#include "platform/platform.h"
#include "printing/printingcontext.h"
#include "support_notificationbuilding.h"

#include <memory>

namespace kelvarino::testing {

// A work holding a building whose first issue the notifications' command has
// prepared, the built-in PDF printer as program and system printer, printing
// possible, and the dialogs scripted.
struct NotificationsFixture
{
    explicit NotificationsFixture(PeriodBuilding building = NotificationBuilding());

    PrintingContext context() { return PrintingContext{state, doubles.platform(), &dialogs}; }
    NotificationSource source() const { return {state.Building, results, 0}; }
    PrintSetting &slot() { return state.Building.PrintSettings[3]; }
    // The window as the opener shows it, without the modal run.
    std::unique_ptr<NotificationsWindow> open();

    AppState state;
    TestPlatform doubles;
    ScriptedPrintingDialogs dialogs{state, doubles.platform()};
    PeriodResults results;
};

} // namespace kelvarino::testing
