#include "printreport.h"

#include "core/issuecommands.h"
#include "issues/collectivestatementreport.h"

using namespace kelvarino;

// collective ISSUE: the collective statement of the issue that the issues
// window numbers ISSUE.
KV_PRINT_REPORT(collective, "collective", true, [](PrintReportRun &run) {
    if (!NumberNamesIssue(run))
        return false;
    PeriodResults results;
    if (PrepareCollectiveStatement(run.state.Building, run.index, *run.platform.messages, results)
        != CommandOutcome::OpenReport)
        return false;
    CollectiveStatementReport report(run.state, results, run.index);
    return PrintReportToPdf(run, report);
})
