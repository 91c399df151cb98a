#include "printouts/paymentreceipt.h"

#include "core/formatting.h"
#include "platform/localeservice.h"
#include "printouts/flattable.h"

namespace kelvarino::PaymentReceipt {

namespace {

QString Euros(float value)
{
    return FormatAmount(value) + QStringLiteral(" €");
}

} // namespace

std::vector<Line> Lines(const BuildingData &building, const PeriodResults &results, int paymentIndex, Side side)
{
    const PaymentRecord &payment = building.Payments[std::size_t(paymentIndex)];
    const FlatBalance &balance = results.Period.Balances[std::size_t(payment.Flat)];
    const bool owner = side == Side::Owner;
    const QString title = QStringLiteral("ΑΠΟΔΕΙΞΗ ΠΛΗΡΩΜΗΣ ") + (owner ? QStringLiteral("ΙΔΙΟΚΤΗΤΗ") : QStringLiteral("ΕΝΟΙΚΟΥ"));
    const QString occupant = (owner ? QStringLiteral("ΙΔΙΟΚΤΗΤΗΣ: ") : QStringLiteral("ΕΝΟΙΚΟΣ: "))
        + OccupantNameAt(building, payment.Flat, side, payment.Date);
    const float previous = owner ? balance.OwnerPrevious : balance.ResidentPrevious;
    const float amount = owner ? payment.OwnerAmount : payment.ResidentAmount;
    const float due = owner ? balance.OwnerDue : balance.ResidentDue;
    const QString note = (owner ? payment.OwnerNote : payment.ResidentNote).trimmed();

    using P = Placement;
    return {
        {title, {}, 2, 14, true, false, P::Centred},
        {QStringLiteral("ΔΙΑΜΕΡΙΣΜΑ: ") + building.Flats[std::size_t(payment.Flat)].ShortName.trimmed(), {}, 1, 12,
         true, true, P::Left},
        {occupant, {}, 1, 12, false, false, P::Left},
        {QStringLiteral("ΠΟΛΥΚΑΤΟΙΚΙΑ: ") + building.BuildingId.trimmed(), {}, 1, 12, false, false, P::Left},
        {results.Administrator.AdministratorCaption, results.Administrator.AdministratorContact, 2, 12, false, false,
         P::TwoLines},
        {QStringLiteral("ΗΜΕΡΟΜΗΝΙΑ: ") + LocaleService::formatDate(payment.Date), {}, 1, 12, true, true, P::Left},
        {QStringLiteral("ΠΡΟΗΓΟΥΜΕΝΟ ΥΠΟΛΟΙΠΟ: ") + Euros(previous), {}, 1, 12, true, false, P::Left},
        {QStringLiteral("ΠΟΣΟ ΕΙΣΠΡΑΞΗΣ: ") + Euros(amount), {}, 1, 12, true, true, P::Left},
        {QStringLiteral("ΝΕΟ ΥΠΟΛΟΙΠΟ: ") + Euros(due), {}, 1, 12, true, false, P::Left},
        {QStringLiteral("ΣΗΜΕΙΩΣΗ: ") + note, {}, 2, 12, false, false, P::Wrapped},
        {QStringLiteral("Ο ΔΙΑΧΕΙΡΙΣΤΗΣ"), {}, 1, 12, true, false, P::Centred},
        {{}, {}, 2, 12, false, false, P::Empty},
    };
}

int FitReceipts(ReportLayout &layout, float receiptWidth)
{
    // A receipt is as tall as its lines: one that does not fit the page's
    // height would run off the paper's lower edge.
    const float height = HeightUnits * layout.settings.Heights[0];
    switch (layout.fitBox(receiptWidth, height, MinimumMagnification)) {
    case BoxFit::TooWide:
        return TooWideCode;
    case BoxFit::TooTall:
        return TooTallCode;
    case BoxFit::Fits:
        break;
    }
    return (2 * receiptWidth + Gap) * layout.settings.Magnification > float(layout.printableWidth()) ? 2 : 1;
}

void ReadReceiptSizes(PrintSetting &slot, float defaultWidth)
{
    if (!IsSizeSet(slot.Widths[0]))
        slot.Widths[0] = defaultWidth;
    if (!IsSizeSet(slot.Heights[0]))
        slot.Heights[0] = DefaultLineHeight;
}

LayoutFailureText LayoutMessage(int code)
{
    const QString advice =
        QStringLiteral("Αλλάξτε το μέγεθος της σελίδας σε μεγαλύτερο μέγεθος, πχ από Α4 σε Α3 και επανέλθετε.");
    if (code == TooTallCode)
        return {QStringLiteral("Οι αποδείξεις δεν χωράνε στο ύψος της σελίδας. Δοκιμάσαμε κάθετη και οριζόντια "
                               "διάταξη της σελίδας καθώς και σμίκρυνση μέχρι και 50%."),
                advice};
    return {QStringLiteral("Οι αποδείξεις δεν χωράνε στο πλάτος τους σε 1 ολόκληρη σελίδα. Δοκιμάσαμε οριζόντια "
                           "διάταξη της σελίδας καθώς και σμίκρυνση μέχρι και 50%."),
            advice};
}

} // namespace kelvarino::PaymentReceipt
