#pragma once

#include "core/buildingdata.h"

#include <vector>

namespace kelvarino {

class MessageService;
struct ShareTimeline;

// One flat's figures for a period, each side apart and both together.
struct FlatBalance
{
    float ResidentPrevious = 0; // balance brought forward, initial debt included
    float OwnerPrevious = 0;
    float Previous = 0;
    float ResidentCharges = 0; // individual charges of the period
    float OwnerCharges = 0;
    float ResidentShared = 0; // shares of the period's common expenses
    float OwnerShared = 0;
    float Shared = 0;
    float ResidentPaid = 0; // payments of the period
    float OwnerPaid = 0;
    float Paid = 0;
    float ResidentDue = 0; // new balance at the end of the period
    float OwnerDue = 0;
    float Due = 0;
    friend bool operator==(const FlatBalance &, const FlatBalance &) = default;
};

// The figures of the period last computed: one balance per flat, the building
// totals and the cash.
struct PeriodBalances
{
    std::vector<FlatBalance> Balances; // parallel to Flats

    float TotalResidentPrevious = 0;
    float TotalOwnerPrevious = 0;
    float TotalPrevious = 0;
    float TotalResidentCharges = 0;
    float TotalOwnerCharges = 0;
    float TotalResidentShared = 0;
    float TotalOwnerShared = 0;
    float TotalShared = 0;
    float TotalResidentPaid = 0;
    float TotalOwnerPaid = 0;
    float TotalPaid = 0;
    float TotalResidentDue = 0;
    float TotalOwnerDue = 0;
    float TotalDue = 0;

    float ReservesTotal = 0;
    float CashAtStart = 0;
    float CashAtEnd = 0;
    // The cash counting the expenses not yet paid to their suppliers; changed
    // only by SumUnpaidExpenses.
    float CashStartWithUnpaid = 0;
    float CashEndWithUnpaid = 0;

    friend bool operator==(const PeriodBalances &, const PeriodBalances &) = default;
};

// The chain over a period from `first` to `last`, both included, runs in this
// order: ResetBalances, ApplyIndividualCharges, ApplyPayments,
// DistributeCommonExpenses, CompleteBalances (once), and for the cash
// statement SumUnpaidExpenses. Items dated after `last` are ignored, those
// before `first` go into the balance brought forward.

// One zero balance per flat; the totals and the cash at start and end 0. The
// reserves total and the two cash figures with unpaid expenses are kept.
void ResetBalances(const BuildingData &building, PeriodBalances &period);
void ApplyIndividualCharges(const BuildingData &building, double first, double last, PeriodBalances &period);
void ApplyPayments(const BuildingData &building, double first, double last, PeriodBalances &period);
// Shares every common expense dated up to `last` over the flats by the column
// in force at its date, the reduced flats' discounts carried by the others.
// When a column cannot split an expense it shows the per-mille message,
// leaves the expenses before that one added and every flat's Shared 0, and
// answers false.
[[nodiscard]] bool DistributeCommonExpenses(const BuildingData &building, const ShareTimeline &timeline,
                                            double first, double last, PeriodBalances &period,
                                            MessageService &messages);
// Initial debts, previous balances, dues, totals, reserves and the cash.
void CompleteBalances(const BuildingData &building, PeriodBalances &period);
void SumUnpaidExpenses(const BuildingData &building, double first, double last, PeriodBalances &period);

// ResetBalances to DistributeCommonExpenses; answers what the distribution answered.
[[nodiscard]] bool ComputeBalancesUpToDistribution(const BuildingData &building, const ShareTimeline &timeline,
                                                   double first, double last, PeriodBalances &period,
                                                   MessageService &messages);

} // namespace kelvarino
