#include "printreport.h"

#include "core/issuecommands.h"
#include "issues/prn01_analysisofcommonexpenses.h"

using namespace kelvarino;

// collective ISSUE: the collective statement of the issue at INDEX of the list
// as stored (latest period end first).
KV_PRINT_REPORT(collective, "collective", true, [](PrintReportRun &run) {
    if (!IndexNamesIssue(run))
        return false;
    PeriodResults results;
    if (PrepareCollectiveStatement(run.state.Building, run.index, *run.platform.messages, results)
        != CommandOutcome::OpenReport)
        return false;
    prn01_AnalysisOfCommonExpenses report(run.state, results, run.index);
    return PrintReportToPdf(run, report);
})
