#include "core/issuecommands.h"

#include "platform/messageservice.h"

namespace kelvarino {

namespace {

const IssueRecord *IssueOrNull(const BuildingData &building, int index)
{
    if (index < 0 || index >= building.IssueCount())
        return nullptr;
    return &building.Issues[std::size_t(index)];
}

void StartCommand(const BuildingData &building, double administratorDate, PeriodResults &results)
{
    results.Administrator = FindAdministrator(building, administratorDate);
    results.Timeline = BuildShareTimeline(building);
}

// The workspace builders after the timeline, in their order.
bool BuildIssueWorkspace(const BuildingData &building, const IssueRecord &issue, MessageService &messages,
                         PeriodResults &results)
{
    IssueWorkspace &w = results.Workspace;
    if (!CollectPeriodExpenses(building, issue, w, messages))
        return false;
    SetStatementColumnFlags(building, results.Timeline, w);
    LatestListedSlice(building, results.Timeline, w);
    if (!ShareCommonExpenses(building, results.Timeline, w, messages))
        return false;
    ClassifyCategories(w);
    BuildFlatRows(building, results.Timeline, issue, w);
    SumCategoryColumns(w);
    return true;
}

CommandOutcome OutcomeOf(bool goOn)
{
    return goOn ? CommandOutcome::OpenReport : CommandOutcome::Stopped;
}

} // namespace

CommandOutcome PrepareCollectiveStatement(const BuildingData &building, int issueIndex, MessageService &messages,
                                          PeriodResults &results)
{
    const IssueRecord *issue = IssueOrNull(building, issueIndex);
    if (!issue || !WarnShareChanges(building, *issue, messages))
        return CommandOutcome::Stopped;
    StartCommand(building, issue->IssueDate, results);
    return OutcomeOf(BuildIssueWorkspace(building, *issue, messages, results));
}

CommandOutcome PrepareNotifications(const BuildingData &building, int issueIndex, MessageService &messages,
                                    PeriodResults &results)
{
    const IssueRecord *issue = IssueOrNull(building, issueIndex);
    if (!issue || !WarnShareChanges(building, *issue, messages))
        return CommandOutcome::Stopped;
    StartCommand(building, issue->IssueDate, results);
    if (!ComputeBalancesUpToDistribution(building, results.Timeline, issue->PeriodFrom, issue->PeriodTo,
                                         results.Period, messages))
        return CommandOutcome::Stopped;
    CompleteBalances(building, results.Period);
    return OutcomeOf(BuildIssueWorkspace(building, *issue, messages, results));
}

CommandOutcome PrepareCashStatement(const BuildingData &building, int issueIndex, MessageService &messages,
                                    PeriodResults &results)
{
    const IssueRecord *issue = IssueOrNull(building, issueIndex);
    if (!issue)
        return CommandOutcome::Stopped;
    StartCommand(building, issue->IssueDate, results);
    const bool distributed = ComputeBalancesUpToDistribution(building, results.Timeline, issue->PeriodFrom,
                                                             issue->PeriodTo, results.Period, messages);
    CompleteBalances(building, results.Period);
    SumUnpaidExpenses(building, issue->PeriodFrom, issue->PeriodTo, results.Period);
    return OutcomeOf(distributed);
}

CommandOutcome PreparePaymentReceipt(const BuildingData &building, int paymentIndex, MessageService &messages,
                                     PeriodResults &results)
{
    if (paymentIndex < 0 || paymentIndex >= building.PaymentCount())
        return CommandOutcome::Stopped;
    const double day = building.Payments[std::size_t(paymentIndex)].Date;
    StartCommand(building, day, results);
    const bool distributed =
        ComputeBalancesUpToDistribution(building, results.Timeline, day, day, results.Period, messages);
    CompleteBalances(building, results.Period);
    return OutcomeOf(distributed);
}

} // namespace kelvarino
