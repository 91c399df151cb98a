#pragma once

#include "core/buildingdata.h"

#include <QDateTime>
#include <QRectF>
#include <QString>

#include <array>

namespace kelvarino {

// Twips per centimetre of the margins.
inline constexpr double TwipsPerCentimetre = 566.9291;

// Orientation index of a slot: 0 portrait (Portrait not zero), 1 landscape.
inline int OrientationIndex(const PrintSetting &slot) { return slot.Portrait != 0 ? 0 : 1; }

// The portrait size of a printer paper code in entry 0 and the landscape size
// in entry 1, twips as 32-bit floats. An unknown code leaves entry 0 as the
// caller had it and still sets entry 1 to entry 0 exchanged; answers whether
// the code is known.
bool PaperSizeTwips(int paperCode, std::array<float, 2> &widths, std::array<float, 2> &heights);

// The papers of the page setup, in its order: code and caption.
struct PaperEntry
{
    int code;
    const char *caption;
};
const std::array<PaperEntry, 14> &PaperList();

// The page set-up of a slot: paper and printable edges by orientation index,
// measured from the paper's top-left corner. A paper code the table does not
// know is laid out as A4 (the slot keeps its code); margins are laid out
// within the page setup's ranges (left and top -5 to 5 cm, right and bottom
// 0 to 5 cm).
struct PageGeometry
{
    std::array<float, 2> PaperWidth{}, PaperHeight{};
    std::array<float, 2> PrintableLeft{}, PrintableTop{}, PrintableRight{}, PrintableBottom{};

    static PageGeometry of(const PrintSetting &slot);
    // The printable rectangle of an orientation, at zoom 1 from the paper's corner.
    QRectF printable(int orientation) const;
    double printableWidth(int orientation) const { return PrintableRight[orientation] - PrintableLeft[orientation]; }
    double printableHeight(int orientation) const { return PrintableBottom[orientation] - PrintableTop[orientation]; }
};

// The margin ranges of the page setup: left and top -5 to 5, right and bottom 0 to 5.
float ClampedLeftTopMargin(float centimetres);
float ClampedRightBottomMargin(float centimetres);

// How a block fits the page: it fits (the slot may have changed), or at the
// minimum scale it is too wide, or too tall, for the orientations tried.
enum class BoxFit { Fits, TooWide, TooTall };

// The fit rule of every report: fits a width its layout needs (twips at
// magnification 1) to the printable width, turning a portrait slot to
// landscape and then lowering the magnification, cut to hundredths. When the
// ratio falls below the minimum scale the width does not fit: the slot's
// orientation and magnification go back to what they were when the fitting
// began and the answer is false. Nothing here sets DataChanged.
class WidthFitter
{
public:
    WidthFitter(PrintSetting &slot, const PageGeometry &geometry);
    bool fit(double requiredWidth, double minimumScale);
    // The same rule for a block that must also fit the printable height (a
    // height of 0 asks nothing of it). Where the magnification has to drop,
    // a slot that was portrait stays portrait when the block is larger
    // there, as a tall block is; otherwise it turns landscape. A block too
    // tall for that orientation even at the minimum scale is tried in the
    // other one before the fit gives up, so a tall block may turn a
    // landscape slot to portrait.
    BoxFit fitBox(double requiredWidth, double requiredHeight, double minimumScale);
    // Orientation and magnification as they were at the start.
    void restore();

private:
    PrintSetting &slot_;
    const PageGeometry &geometry_;
    qint16 portrait_;
    float magnification_;
};

// The footer of a page with page numbers: "Vornakel/Κελβαρίνο/v2.2/2016" + the
// report's page part + "  (" + date and time + ")", or as many blanks before
// "(" as given.
QString PageFooterText(const QString &pagePart, const QDateTime &now, int blanksBeforeDate = 2);
// The canonical page part: ", Σελίδα (row,column) από RowsxColumns".
QString GridPagePart(int row, int column, int rows, int columns);

} // namespace kelvarino
