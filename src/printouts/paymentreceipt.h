#pragma once

#include "core/issuecommands.h"
#include "core/side.h"
#include "printing/previewreport.h"

#include <QString>

#include <vector>

namespace kelvarino {

// The two receipts of one payment, the resident's and the owner's.
namespace PaymentReceipt {

enum class Placement { Centred, Left, TwoLines, Wrapped, Empty };

// One line of a receipt, from the top: its height in line heights, its font
// size in points (before the scale), bold, red when coloured print is on.
struct Line
{
    QString text;
    QString second; // the lower text of a two-line cell
    int heightUnits = 1;
    int points = 12;
    bool bold = false;
    bool red = false;
    Placement placement = Placement::Left;
};

// The twelve lines of the side's receipt of the payment, from the balances
// that the receipt's command computed over the payment's day.
std::vector<Line> Lines(const BuildingData &building, const PeriodResults &results, int paymentIndex, Side side);
// A receipt is this many line heights tall.
inline constexpr int HeightUnits = 16;

inline constexpr float DefaultLineHeight = 270;
inline constexpr float Gap = 30;
inline constexpr float MinimumMagnification = 0.5f;

// The layout's codes of receipts that do not fit even at half size: too wide
// for the page, or too tall for it in either orientation.
inline constexpr int TooWideCode = -1;
inline constexpr int TooTallCode = -2;

// Fits the receipts to the slot, one receipt's width and its height (the
// slot's line height x HeightUnits) to the printable area: the page columns
// (1 when both stand side by side, 2 when each has its own page), or one of
// the codes above; the slot's orientation and magnification are then back as
// they were.
int FitReceipts(ReportLayout &layout, float receiptWidth);

// The receipt's width, and the line height, that a stored value opens with.
void ReadReceiptSizes(PrintSetting &slot, float defaultWidth);

// The message of a code that FitReceipts answers.
LayoutFailureText LayoutMessage(int code);

} // namespace PaymentReceipt
} // namespace kelvarino
