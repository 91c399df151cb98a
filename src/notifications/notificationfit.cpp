#include "notificationfit.h"

#include "printing/previewreport.h"

namespace kelvarino {

NotificationFit FitNotification(ReportLayout &layout, double sampleWidth)
{
    PrintSetting &slot = layout.settings;
    const double sheetNeed = 3 * sampleWidth;
    const double receiptsNeed = 2 * sampleWidth;
    const double split = slot.Widths[2];
    NotificationFit fit;
    if (slot.ReceiptsOnPage != 0) {
        // The sheet in its share, then the receipts in theirs; a page turned
        // landscape for the receipts is checked for the sheet once more.
        fit.fits = layout.fitWidth(sheetNeed / split, NotificationMinimumMagnification)
            && layout.fitWidth(receiptsNeed / (1 - split), NotificationMinimumMagnification)
            && layout.fitWidth(sheetNeed / split, NotificationMinimumMagnification);
        if (fit.fits)
            return fit;
        slot.ReceiptsOnPage = 0;
        fit.receiptsSwitchedOff = true;
    }
    fit.fits = layout.fitWidth(sheetNeed, NotificationMinimumMagnification);
    return fit;
}

} // namespace kelvarino
