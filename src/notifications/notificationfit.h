#pragma once

namespace kelvarino {

class ReportLayout;

// The smallest real magnification the notifications accept.
inline constexpr double NotificationMinimumMagnification = 0.5;

// What the fit of a sheet did to the receipts.
struct NotificationFit
{
    bool fits = false;
    // The receipts had to go: the sheet, or the receipts in their own share
    // of the width, would need less than half size. They stay off whether
    // the sheet then fits or not.
    bool receiptsSwitchedOff = false;
};

// Fits a notification sheet (three sample widths wide, and wide enough for its
// columns and balance boxes at the slot's widths) and, while the slot's
// receipts are on, the receipts beside it (two sample widths, and their
// columns and boxes) in their shares
// of the printable width, by the reports' fit rule: a portrait page turns
// landscape first, then the magnification drops to the largest hundredth that
// fits, never below half size and never raised. Receipts that cannot stay at
// half size are switched off in the slot and the sheet is fitted to the whole
// width afresh. When even that fails the slot's orientation and magnification
// are as the layout began.
NotificationFit FitNotification(ReportLayout &layout, double sampleWidth);

} // namespace kelvarino
