// printreport FILE.s43 notifications ISSUE OUT.pdf: every page of every flat's
// notification sheet of the issue, in flat order.

#include "printreport.h"

#include "core/issuecommands.h"
#include "notifications/notificationswindow.h"
#include "printing/reportpreview.h"

using namespace kelvarino;

KV_PRINT_REPORT(notifications, "notifications", true, [](PrintReportRun &run) {
    if (!NumberNamesIssue(run))
        return false;
    PeriodResults results;
    if (PrepareNotifications(run.state.Building, run.index, *run.platform.messages, results)
        != CommandOutcome::OpenReport)
        return false;
    NotificationsWindow window(run.printing, {run.state.Building, results, run.index});
    window.load();
    return window.printAllFlats(PrintChoice{true, 1, true});
})
