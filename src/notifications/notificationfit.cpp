#include "notificationfit.h"

#include "printing/previewreport.h"

#include <algorithm>

namespace kelvarino {

NotificationFit FitNotification(ReportLayout &layout, double sampleWidth)
{
    PrintSetting &slot = layout.settings;
    // Besides the sample widths, a side holds its value columns with the
    // description at least one column wide (the sheet five columns, a
    // receipt four) and the two balance boxes: widened columns that no longer
    // fit turn the page and shrink it, and past half size the layout fails,
    // rather than reaching off the left of the page.
    const double column = slot.Widths[0], box = slot.Widths[1];
    const double sheetNeed = std::max({3 * sampleWidth, 6 * column, 2 * box});
    const double receiptsNeed = std::max({2 * sampleWidth, 5 * column, 2 * box});
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
