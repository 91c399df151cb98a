#pragma once

namespace kelvarino {

// What the fit of a notification sheet starts from: the measured sample
// width and the printable widths of the paper (twips), and the slot's
// orientation, real magnification, receipts flag and split fraction.
struct NotificationFitInput
{
    float sampleWidth = 0;    // the administrator line's sample, 10 pt bold
    float portraitWidth = 0;  // the printable width in portrait
    float landscapeWidth = 0; // and in landscape
    bool portrait = true;
    float magnification = 1;
    bool receipts = false;
    float split = 0.5f; // the sheet's share of the width while the receipts are on
};

struct NotificationFitResult
{
    bool fits = false;
    // On success the fitted orientation and magnification; after a failure
    // those of the input.
    bool portrait = true;
    float magnification = 1;
    // The receipts had to go (the sheet or the receipts would need less than
    // half size): switched off whether the fit then succeeded or not.
    bool receiptsSwitchedOff = false;
    bool receipts = false; // the receipts stand beside the fitted sheet
};

// The smallest real magnification the notifications accept.
inline constexpr float NotificationMinimumMagnification = 0.5f;

// Fits the sheet (three sample widths), and beside it the receipts (two),
// to the paper's width: a portrait page turns landscape first, then the
// magnification drops to the largest hundredth that fits, never below half
// size and never raised. Receipts that cannot stay at half size or more,
// beside the sheet or in their own share, are switched off and the sheet
// fitted to the whole width. It fails only when the sheet alone does not fit
// at half size in landscape.
NotificationFitResult FitNotification(const NotificationFitInput &input);

} // namespace kelvarino
