#include "notificationtexts.h"

#include "core/formatting.h"
#include "core/issuecommands.h"
#include "platform/localeservice.h"

namespace kelvarino {

namespace {

QString Amount(float value) { return FormatAmount(value, 2); }
QString NonZero(float value) { return value != 0 ? Amount(value) : QString(); }
QString Positive(float value) { return value > 0 ? Amount(value) : QString(); }
QString PerMilleText(float value) { return FormatAmount(value, 3, false); }

const FlatBalance &BalanceOf(const PeriodResults &results, int flat)
{
    static const FlatBalance none;
    const auto &balances = results.Period.Balances;
    return flat >= 0 && std::size_t(flat) < balances.size() ? balances[std::size_t(flat)] : none;
}

const FlatRow &FlatRowOf(const PeriodResults &results, int flat)
{
    static const FlatRow none;
    const auto &rows = results.Workspace.FlatRows;
    return flat >= 0 && std::size_t(flat) < rows.size() ? rows[std::size_t(flat)] : none;
}

template <class List>
const auto *At(const List &list, int index)
{
    return index >= 0 && std::size_t(index) < list.size() ? &list[std::size_t(index)] : nullptr;
}

struct SideFigures
{
    float previous, newCharges, payments, newBalance;
};

SideFigures FiguresOf(const FlatBalance &b, Side side)
{
    if (side == Side::Resident)
        return {b.ResidentPrevious, b.ResidentShared + b.ResidentCharges, b.ResidentPaid, b.ResidentDue};
    return {b.OwnerPrevious, b.OwnerShared + b.OwnerCharges, b.OwnerPaid, b.OwnerDue};
}

QString DateText(double day) { return LocaleService::formatDate(day); }

} // namespace

NotificationTexts::NotificationTexts(const NotificationSource &source, int flat)
    : source_(source)
    , flat_(flat)
{
}

BalanceTexts NotificationTexts::sheetBalance(Side side) const
{
    const SideFigures f = FiguresOf(BalanceOf(source_.results, flat_), side);
    return {side == Side::Resident ? QStringLiteral("Χρεώσεις ΕΝΟΙΚΟΥ") : QStringLiteral("Χρεώσεις ΙΔΙΟΚΤΗΤΗ"),
            QStringLiteral("Προηγούμενο υπόλοιπο: ") + Amount(f.previous),
            QStringLiteral("Πληρωμές: ") + Amount(f.payments),
            QStringLiteral("Νέες χρεώσεις: ") + Amount(f.newCharges),
            QStringLiteral("ΝΕΟ ΥΠΟΛΟΙΠΟ: ") + Amount(f.newBalance)};
}

BalanceTexts NotificationTexts::receiptBalance(Side side) const
{
    BalanceTexts texts = sheetBalance(side);
    texts.title = side == Side::Resident ? QStringLiteral("ΕΝΟΙΚΟΣ") : QStringLiteral("ΙΔΙΟΚΤΗΤΗΣ");
    return texts;
}

RowTexts NotificationTexts::header(const NotificationRow &row) const
{
    const Side side = SideOfRow(row);
    const FlatRow &flatRow = FlatRowOf(source_.results, flat_);
    const bool resident = side == Side::Resident;
    RowTexts texts;
    if (row.Category < 0) {
        const float charges = resident ? flatRow.ResidentCharges : flatRow.OwnerCharges;
        texts.total = Positive(charges);
        texts.share = Positive(charges);
        texts.amount = Amount(resident ? source_.results.Period.TotalResidentCharges
                                       : source_.results.Period.TotalOwnerCharges);
        texts.description = QStringLiteral("  ΑΤΟΜΙΚΕΣ");
        return texts;
    }
    const std::size_t c = std::size_t(row.Category) % CategoryCount;
    const IssueWorkspace &w = source_.results.Workspace;
    texts.total = Positive(resident ? flatRow.ResidentCategoryTotal[c] : flatRow.OwnerCategoryTotal[c]);
    texts.fromClosed = NonZero(resident ? flatRow.ResidentCarried[c] - flatRow.ResidentDiscount[c]
                                        : flatRow.OwnerCarried[c] - flatRow.OwnerDiscount[c]);
    texts.share = Positive(resident ? flatRow.ResidentShare[c] : flatRow.OwnerShare[c]);
    texts.amount = Amount(resident ? w.ResidentShareTotals[c] : w.OwnerShareTotals[c]);
    texts.description = QStringLiteral("  ") + source_.building.CategoryLabel(int(c));
    return texts;
}

RowTexts NotificationTexts::item(const NotificationRow &row) const
{
    const Side side = SideOfRow(row);
    return row.Category < 0 ? chargeItem(side, row.Item) : commonItem(side, row.Category, row.Item);
}

RowTexts NotificationTexts::commonItem(Side side, int category, int item) const
{
    RowTexts texts;
    if (category >= CategoryCount)
        return texts;
    const IssueWorkspace &w = source_.results.Workspace;
    const int *listed = At(w.CommonList(side)[std::size_t(category)], item);
    const ExpenseShare *split = At(w.ExpenseShares(side)[std::size_t(category)], item);
    const ExpenseRecord *expense = listed ? ListedExpense(source_.building, *listed) : nullptr;
    if (!expense || !split)
        return texts;
    if (flat_ < split->flatCount()) {
        texts.total = NonZero(split->Total(flat_));
        texts.fromClosed = NonZero(split->Carried(flat_) - split->Discount(flat_));
        texts.share = NonZero(split->Share(flat_));
    }
    if (const ShareColumn *column = At(source_.building.ShareColumns[std::size_t(category)], split->Column)) {
        const float *perMille = At(column->PerMille, flat_);
        if (perMille && *perMille != 0) {
            float sum = 0;
            for (int k = 0; k < source_.building.FlatCount() && std::size_t(k) < column->PerMille.size(); ++k)
                sum += column->PerMille[std::size_t(k)];
            texts.perMille = PerMilleText(*perMille) + QStringLiteral(" / ") + PerMilleText(sum);
        }
    }
    texts.amount = NonZero(expense->Amount);
    texts.description = QStringLiteral("  ") + DateText(expense->Date) + QStringLiteral(": ")
        + expense->Description.trimmed();
    return texts;
}

RowTexts NotificationTexts::chargeItem(Side side, int item) const
{
    RowTexts texts;
    const IssueWorkspace &w = source_.results.Workspace;
    const int *listed = At(side == Side::Resident ? w.ResidentChargeList : w.OwnerChargeList, item);
    const ExpenseRecord *expense = listed ? ListedExpense(source_.building, *listed) : nullptr;
    if (!expense)
        return texts;
    if (expense->Flat == flat_) {
        texts.total = NonZero(expense->Amount);
        texts.share = texts.total;
    }
    texts.amount = NonZero(expense->Amount);
    const FlatRecord *charged = At(source_.building.Flats, expense->Flat);
    texts.description = QStringLiteral("  ") + DateText(expense->Date) + QStringLiteral(": ")
        + (charged ? charged->ShortName.trimmed() : QString()) + QStringLiteral(", ")
        + expense->Description.trimmed();
    return texts;
}

TitleTexts NotificationTexts::title() const
{
    const BuildingData &b = source_.building;
    static const IssueRecord noIssue;
    const IssueRecord *issue = At(b.Issues, source_.issueIndex);
    if (!issue)
        issue = &noIssue;
    const FlatRecord *flat = At(b.Flats, flat_);
    const FlatBalance &balance = BalanceOf(source_.results, flat_);
    const AdministratorLines &administrator = source_.results.Administrator;
    TitleTexts t;
    t.flat = QStringLiteral("ΔΙΑΜΕΡΙΣΜΑ: ") + (flat ? flat->ShortName.trimmed() : QString());
    t.occupant = FlatRowOf(source_.results, flat_).DisplayName.trimmed();
    t.building = b.BuildingId.trimmed();
    t.period = QStringLiteral("ΑΠΟ: ") + DateText(issue->PeriodFrom) + QStringLiteral(" ΕΩΣ: ")
        + DateText(issue->PeriodTo);
    t.administratorCaption = administrator.AdministratorCaption;
    t.administratorContact = administrator.AdministratorContact;
    t.issueDate = QStringLiteral("Ημερομηνία έκδοσης: ") + DateText(issue->IssueDate);
    t.announcement = QStringLiteral("ΑΝΑΚΟΙΝΩΣΗ: ") + issue->Announcement.trimmed();
    t.newCharges = QStringLiteral("Νέες χρεώσεις: ")
        + Amount(balance.ResidentCharges + balance.OwnerCharges + balance.Shared);
    t.newBalance = QStringLiteral("ΝΕΟ ΥΠΟΛΟΙΠΟ: ") + Amount(balance.Due);
    t.previous = QStringLiteral("Προηγούμενο Υπόλοιπο: ") + Amount(balance.Previous);
    t.payments = QStringLiteral("Πληρωμές: ") + Amount(balance.Paid);
    t.flatBalance = QStringLiteral("ΥΠΟΛΟΙΠΟ ΔΙΑΜΕΡΙΣΜΑΤΟΣ: ") + Amount(balance.Due);
    return t;
}

QString NotificationTexts::signature() const
{
    const PersonRecord *person = At(source_.building.Persons, source_.results.Administrator.AdministratorIndex);
    return person && person->Female == 1 ? QStringLiteral("Η ΥΠΟΓΡΑΦΟΥΣΑ ΔΙΑΧΕΙΡΙΣΤΡΙΑ")
                                         : QStringLiteral("Ο ΥΠΟΓΡΑΦΩΝ ΔΙΑΧΕΙΡΙΣΤΗΣ");
}

} // namespace kelvarino
