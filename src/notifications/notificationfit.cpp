#include "notificationfit.h"

#include <cmath>

namespace kelvarino {

namespace {

// The largest hundredth not above available / needed.
float LargestHundredth(float available, float needed)
{
    return float(std::floor(double(available) * 100.0 / double(needed)) / 100.0);
}

// Whether a ratio of widths allows half size or more (false for ratios that
// are not numbers: no room measured at all).
bool AtLeastHalfSize(float ratio)
{
    return ratio >= NotificationMinimumMagnification;
}

} // namespace

NotificationFitResult FitNotification(const NotificationFitInput &input)
{
    const float sheetNeed = 3.0f * input.sampleWidth;
    const float receiptsNeed = 2.0f * input.sampleWidth;
    NotificationFitResult fit;
    fit.portrait = input.portrait;
    fit.magnification = input.magnification;
    fit.receipts = input.receipts;
    // Without the receipts the sheet is fitted to the whole width afresh, from
    // the magnification it came with.
    const auto switchReceiptsOff = [&] {
        fit.magnification = input.magnification;
        fit.receipts = false;
        fit.receiptsSwitchedOff = true;
    };
    // Each pass ends or changes the orientation or the receipts, each at most
    // once; the bound only guards against a change that would not stick.
    for (int pass = 0; pass < 8; ++pass) {
        const float printable = fit.portrait ? input.portraitWidth : input.landscapeWidth;
        const float sheetWidth = fit.receipts ? printable * input.split : printable;
        if (float(double(sheetNeed) * double(fit.magnification)) > sheetWidth || !(sheetWidth > 0)) {
            if (fit.portrait) {
                fit.portrait = false;
                continue;
            }
            if (!AtLeastHalfSize(sheetWidth / sheetNeed)) {
                if (fit.receipts) {
                    switchReceiptsOff();
                    continue;
                }
                break;
            }
            fit.magnification = LargestHundredth(sheetWidth, sheetNeed);
        }
        if (!fit.receipts) {
            fit.fits = true;
            return fit;
        }
        const float receiptsWidth = (1.0f - input.split) * printable;
        if (float(double(receiptsNeed) * double(fit.magnification)) <= receiptsWidth) {
            fit.fits = true;
            return fit;
        }
        if (fit.portrait) {
            fit.portrait = false;
            continue;
        }
        if (AtLeastHalfSize(receiptsWidth / receiptsNeed)) {
            fit.magnification = LargestHundredth(receiptsWidth, receiptsNeed);
            fit.fits = true;
            return fit;
        }
        // Receipts that would need less than half size are left out rather
        // than drawn wider than their share of the page.
        switchReceiptsOff();
    }
    fit.fits = false;
    fit.portrait = input.portrait;
    fit.magnification = input.magnification;
    return fit;
}

} // namespace kelvarino
