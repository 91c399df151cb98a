#include "support_notificationsfixture.h"

#include "core/printsettings.h"
#include "core/workstate.h"
#include "printing/reportpreview.h"

namespace kelvarino::testing {

NotificationsFixture::NotificationsFixture(PeriodBuilding building)
{
    ResetToNewWork(state);
    PrintSettingSlots settings = state.Building.PrintSettings;
    state.Building = std::move(building.data);
    state.Building.PrintSettings = settings;
    state.DataFileName = QStringLiteral("Ερμού 12.s43");
    state.ProgramPrinter = state.SystemPrinter = BuiltInPdfPrinterName();
    state.PrintingPossible = true;
    state.PreferredFont = QStringLiteral("Arial Greek");
    RecordingMessageService messages;
    if (PrepareNotifications(state.Building, 0, messages, results) != CommandOutcome::OpenReport)
        qFatal("the test building's issue did not open");
}

std::unique_ptr<NotificationsWindow> NotificationsFixture::open()
{
    auto window = std::make_unique<NotificationsWindow>(context(), source());
    window->load();
    window->window().resize(1000, 760);
    return window;
}

} // namespace kelvarino::testing
