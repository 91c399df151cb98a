#include "printouts/cashstatement.h"

#include "core/formatting.h"
#include "platform/localeservice.h"
#include "printouts/tablemessages.h"

#include <array>

namespace kelvarino::CashStatement {

namespace {

// The fields of each group, resident, owner and both.
using BalanceField = float FlatBalance::*;
using TotalField = float PeriodBalances::*;

struct Fields
{
    std::array<BalanceField, 3> flat;
    std::array<TotalField, 3> total;
};

const std::array<Fields, GroupCount> &GroupFields()
{
    using B = FlatBalance;
    using P = PeriodBalances;
    static const std::array<Fields, GroupCount> fields{{
        {{&B::ResidentPrevious, &B::OwnerPrevious, &B::Previous},
         {&P::TotalResidentPrevious, &P::TotalOwnerPrevious, &P::TotalPrevious}},
        {{&B::ResidentCharges, &B::OwnerCharges, nullptr}, {&P::TotalResidentCharges, &P::TotalOwnerCharges, nullptr}},
        {{&B::ResidentShared, &B::OwnerShared, &B::Shared},
         {&P::TotalResidentShared, &P::TotalOwnerShared, &P::TotalShared}},
        {{&B::ResidentPaid, &B::OwnerPaid, &B::Paid}, {&P::TotalResidentPaid, &P::TotalOwnerPaid, &P::TotalPaid}},
        {{&B::ResidentDue, &B::OwnerDue, &B::Due}, {&P::TotalResidentDue, &P::TotalOwnerDue, &P::TotalDue}},
    }};
    return fields;
}

bool HasSub(int group, int sub)
{
    return group >= 0 && group < GroupCount && sub >= 0 && sub < ColumnSubCount(group);
}

} // namespace

const Group &GroupOf(int group)
{
    static const std::array<Group, GroupCount> groups{{
        {QStringLiteral("ΠΡΟΗΓΟΥΜΕΝΟ"), QStringLiteral("ΥΠΟΛΟΙΠΟ"), 3},
        {QStringLiteral("ΑΤΟΜΙΚΕΣ"), QStringLiteral("ΔΑΠΑΝΕΣ"), 2},
        {QStringLiteral("ΚΟΙΝΕΣ"), QStringLiteral("ΔΑΠΑΝΕΣ"), 3},
        {QStringLiteral("ΠΛΗΡΩΜΕΣ"), QString(), 3},
        {QStringLiteral("ΝΕΟ"), QStringLiteral("ΥΠΟΛΟΙΠΟ"), 3},
    }};
    return groups[std::size_t(group)];
}

int ColumnSubCount(int group)
{
    if (group == 1)
        return 2;
    return group >= 0 && group < GroupCount ? 3 : 0;
}

QString SubColumnTitle(int sub)
{
    static const std::array<QString, 3> titles{QStringLiteral("Ένοικος"), QStringLiteral("Ιδιοκτήτης"),
                                               QStringLiteral("Και οι δύο")};
    return titles[std::size_t(sub)];
}

float FlatValue(const FlatBalance &balance, int group, int sub)
{
    return HasSub(group, sub) ? balance.*GroupFields()[std::size_t(group)].flat[std::size_t(sub)] : 0.0f;
}

float TotalValue(const PeriodBalances &period, int group, int sub)
{
    return HasSub(group, sub) ? period.*GroupFields()[std::size_t(group)].total[std::size_t(sub)] : 0.0f;
}

QString FlatText(float value)
{
    return value == 0 ? QString() : FormatAmount(value);
}

QString TotalText(float value)
{
    return FormatAmount(value);
}

QString BuildingLine(const BuildingData &building)
{
    return QStringLiteral("ΠΟΛΥΚΑΤΟΙΚΙΑ: ") + building.BuildingId.trimmed();
}

QString CashStartLine(const PeriodBalances &period)
{
    return QStringLiteral("ΤΑΜΕΙΟ ΣΤΗΝ ΑΡΧΗ ΤΗΣ ΠΕΡΙΟΔΟΥ: ") + FormatAmount(period.CashStartWithUnpaid)
        + QStringLiteral(" €");
}

QString CashEndLine(const PeriodBalances &period)
{
    return QStringLiteral("ΤΑΜΕΙΟ ΣΤΟ ΤΕΛΟΣ ΤΗΣ ΠΕΡΙΟΔΟΥ: ") + FormatAmount(period.CashEndWithUnpaid)
        + QStringLiteral(" €");
}

QString ReservesText(const PeriodBalances &period)
{
    return QStringLiteral("ΑΠΟΘΕΜΑΤΙΚΑ: ") + FormatAmount(period.ReservesTotal);
}

QString PeriodLine(const IssueRecord &issue)
{
    return QStringLiteral("ΔΙΑΧΕΙΡΙΣΤΙΚΗ ΠΕΡΙΟΔΟΣ ΤΑΜΕΙΟΥ ΑΠΟ: ") + LocaleService::formatDate(issue.PeriodFrom)
        + QStringLiteral(" ΕΩΣ: ") + LocaleService::formatDate(issue.PeriodTo);
}

QString IssueDateLine(const IssueRecord &issue)
{
    return QStringLiteral("Ημερομηνία έκδοσης: ") + LocaleService::formatDate(issue.IssueDate);
}

TableMeasures Measures(const FlatTableSamples &samples, const PrintSetting &slot, int flatCount)
{
    TableMeasures t = FlatTableMeasures(samples, slot, flatCount);
    t.firstColumns = slot.Widths[0] + samples.numberColumnWidth;
    for (int g = 0; g < GroupCount; ++g)
        t.groupWidths.push_back(float(ColumnSubCount(g)) * slot.Widths[1]);
    t.headerHeight = 6.5f * samples.titleRowHeight + 120 + samples.cellPadding;
    return t;
}

TableProblem LayoutProblem(int code)
{
    switch (code) {
    case FirstColumnsTooWide:
        return {QStringLiteral("Η στήλη των διαμερισμάτων (μαζί με τον αύξοντα αριθμό) είναι τόσο πλατιά "
                               "που δεν χωράει στο χαρτί ούτε σε οριζόντιο προσανατολισμό."),
                QStringLiteral("Μικρύνετε το πλάτος της στήλης των διαμερισμάτων και επανέλθετε.")};
    case GroupTooWide:
        return {QStringLiteral("Οι στήλες ποσών μιας ομάδας είναι τόσο πλατιές που δεν χωράνε στο χαρτί "
                               "ούτε σε οριζόντιο προσανατολισμό."),
                QStringLiteral("Μικρύνετε το πλάτος της στήλης των ποσών και επανέλθετε.")};
    default:
        return RowTooTallProblem();
    }
}

} // namespace kelvarino::CashStatement
