#pragma once

#include "core/side.h"
#include "notifications/notificationrows.h"

#include <QString>

namespace kelvarino {

struct BuildingData;
struct PeriodResults;

// What the sheets of an issue are made of: the building, the results of the
// notifications' command and the issue they print. The report only reads it.
struct NotificationSource
{
    const BuildingData &building;
    const PeriodResults &results;
    int issueIndex = 0;
};

// A side's balance row: its title and the four figures with their captions,
// every figure written ("0,00" for zero).
struct BalanceTexts
{
    QString title;      // "Χρεώσεις ΕΝΟΙΚΟΥ" / "Χρεώσεις ΙΔΙΟΚΤΗΤΗ" on the sheet, "ΕΝΟΙΚΟΣ" / "ΙΔΙΟΚΤΗΤΗΣ" on a receipt
    QString previous;   // "Προηγούμενο υπόλοιπο: "
    QString payments;   // "Πληρωμές: "
    QString newCharges; // "Νέες χρεώσεις: "
    QString newBalance; // "ΝΕΟ ΥΠΟΛΟΙΠΟ: "
};

// The cells of a header or item row, from right to left as they stand on the
// sheet; an empty text leaves its cell blank.
struct RowTexts
{
    QString total;      // "ΣΥΝΟΛΟ"
    QString fromClosed; // "ΑΠΟ ΚΛΕΙΣΤΑ"
    QString share;      // "ΕΠΙΜΕΡΙΣΜΟΣ"
    QString perMille;   // "ΧΙΛΙΟΣΤΑ" (items only)
    QString amount;     // "ΔΑΠΑΝΗ"
    QString description;
};

// The title band of a sheet or of a receipt.
struct TitleTexts
{
    QString flat;        // "ΔΙΑΜΕΡΙΣΜΑ: " + short name
    QString occupant;    // the resident, else the owner, at the issue date
    QString building;    // the building's identifier
    QString period;      // "ΑΠΟ: " + from + " ΕΩΣ: " + to
    QString administratorCaption;
    QString administratorContact;
    QString issueDate;    // "Ημερομηνία έκδοσης: " + date
    QString announcement; // "ΑΝΑΚΟΙΝΩΣΗ: " + the issue's announcement
    QString newCharges;   // "Νέες χρεώσεις: " + the flat's new charges, both sides
    QString newBalance;   // "ΝΕΟ ΥΠΟΛΟΙΠΟ: " + the flat's new balance
    QString previous;     // "Προηγούμενο Υπόλοιπο: " + the flat's previous balance
    QString payments;     // "Πληρωμές: " + the flat's payments
    QString flatBalance;  // "ΥΠΟΛΟΙΠΟ ΔΙΑΜΕΡΙΣΜΑΤΟΣ: " + the flat's new balance
};

// The fixed captions of the sheet.
namespace NotificationCaptions {
inline QString Total() { return QStringLiteral("ΣΥΝΟΛΟ"); }
inline QString FromClosed() { return QStringLiteral("ΑΠΟ ΚΛΕΙΣΤΑ"); }
inline QString Share() { return QStringLiteral("ΕΠΙΜΕΡΙΣΜΟΣ"); }
inline QString PerMille() { return QStringLiteral("ΧΙΛΙΟΣΤΑ"); }
inline QString Amount() { return QStringLiteral("ΔΑΠΑΝΗ"); }
} // namespace NotificationCaptions

// The texts of flat `flat`'s sheet.
class NotificationTexts
{
public:
    NotificationTexts(const NotificationSource &source, int flat);

    int flat() const { return flat_; }
    BalanceTexts sheetBalance(Side side) const;
    BalanceTexts receiptBalance(Side side) const;
    // A header row: the category's (or the individual charges') label and
    // the flat's totals; no per-mille.
    RowTexts header(const NotificationRow &row) const;
    // An item row: one common expense or individual charge.
    RowTexts item(const NotificationRow &row) const;
    TitleTexts title() const;
    // The receipt's signature, by the administrator at the issue date.
    QString signature() const;

private:
    RowTexts commonItem(Side side, int category, int item) const;
    RowTexts chargeItem(Side side, int item) const;

    // Held by value: it is only two references and an index, and callers
    // often hand over a temporary.
    NotificationSource source_;
    int flat_;
};

inline Side SideOfRow(const NotificationRow &row) { return row.isResident() ? Side::Resident : Side::Owner; }

} // namespace kelvarino
