#pragma once

#include "core/administratorlines.h"
#include "core/buildingdata.h"
#include "core/issueworkspace.h"
#include "core/periodbalances.h"
#include "core/sharetimeline.h"

namespace kelvarino {

class MessageService;

// What the print commands of an issue (and a payment's receipt) compute for
// the report they open. Each command replaces the parts it computes and
// leaves the others as the last command left them; the report windows only
// read it.
struct PeriodResults
{
    ShareTimeline Timeline;
    AdministratorLines Administrator;
    PeriodBalances Period;
    IssueWorkspace Workspace;
};

enum class CommandOutcome { OpenReport, Stopped };

// The three print commands of an issue row, up to the opening of their report.
// A step that stops has shown its own message (or the user declined the
// question about per-mille changes); the report then stays closed.

// The collective statement: the workspace, no balances.
CommandOutcome PrepareCollectiveStatement(const BuildingData &building, int issueIndex, MessageService &messages,
                                          PeriodResults &results);
// The notifications: the period's balances, then the workspace.
CommandOutcome PrepareNotifications(const BuildingData &building, int issueIndex, MessageService &messages,
                                    PeriodResults &results);
// The cash statement: the balances and the cash with the unpaid expenses,
// completed even after a per-mille problem, which still keeps the report closed.
CommandOutcome PrepareCashStatement(const BuildingData &building, int issueIndex, MessageService &messages,
                                    PeriodResults &results);
// A payment's receipt: the balances over the single day of the payment, so
// that everything before it is the balance brought forward.
CommandOutcome PreparePaymentReceipt(const BuildingData &building, int paymentIndex, MessageService &messages,
                                     PeriodResults &results);

} // namespace kelvarino
