#include "printing/pagegeometry.h"

#include "platform/localeservice.h"

#include <algorithm>
#include <cmath>

namespace kelvarino {

namespace {

struct PaperSize
{
    int code;
    float width;
    float height;
};

// Metric sizes: millimetres times 56.69290771484375 (one tenth of the 32-bit
// value of 566.9291 twips per centimetre).
constexpr double TwipsPerMillimetre = 56.69290771484375;

constexpr float mm(double millimetres) { return float(millimetres * TwipsPerMillimetre); }

const std::array<PaperSize, 14> &paperTable()
{
    static const std::array<PaperSize, 14> table{{
        {1, 12240, 15840},
        {3, 15840, 24480},
        {5, 12240, 20160},
        {6, 7920, 12240},
        {7, 10800, 15120},
        {8, mm(297), mm(420)},
        {9, mm(210), mm(297)},
        {11, mm(148), mm(210)},
        {12, mm(250), mm(354)},
        {13, mm(182), mm(257)},
        {14, 12240, 18720},
        {15, mm(215), mm(275)},
        {39, 21420, 15840},
        {40, 12240, 17280},
    }};
    return table;
}

} // namespace

bool PaperSizeTwips(int paperCode, std::array<float, 2> &widths, std::array<float, 2> &heights)
{
    bool known = false;
    for (const PaperSize &paper : paperTable()) {
        if (paper.code == paperCode) {
            widths[0] = paper.width;
            heights[0] = paper.height;
            known = true;
            break;
        }
    }
    widths[1] = heights[0];
    heights[1] = widths[0];
    return known;
}

const std::array<PaperEntry, 14> &PaperList()
{
    static const std::array<PaperEntry, 14> list{{
        {1, "Letter, 8 1/2 x 11 in."},
        {3, "Tabloid, 11 x 17 in."},
        {5, "Legal, 8 1/2 x 14 in."},
        {6, "Statement, 5 1/2 x 8 1/2 in."},
        {7, "Executive, 7 1/2 x 10 1/2 in."},
        {8, "A3, 297 x 420 mm"},
        {9, "A4, 210 x 297 mm"},
        {11, "A5, 148 x 210 mm"},
        {12, "B4, 250 x 354 mm"},
        {13, "B5, 182 x 257 mm"},
        {14, "Folio, 8 1/2 x 13 in."},
        {15, "Quarto, 215 x 275 mm"},
        {39, "U.S. Standard Fanfold, 14 7/8 x 12 in."},
        {40, "German Standard Fanfold, 8 1/2 x 12 in."},
    }};
    return list;
}

float ClampedLeftTopMargin(float centimetres)
{
    if (std::isnan(centimetres))
        return 0;
    return std::clamp(centimetres, -5.0f, 5.0f);
}

float ClampedRightBottomMargin(float centimetres)
{
    if (std::isnan(centimetres))
        return 0;
    return std::min(std::fabs(centimetres), 5.0f);
}

PageGeometry PageGeometry::of(const PrintSetting &slot)
{
    PageGeometry g;
    if (!PaperSizeTwips(slot.PaperSize, g.PaperWidth, g.PaperHeight))
        PaperSizeTwips(9, g.PaperWidth, g.PaperHeight);
    const float k = float(TwipsPerCentimetre);
    for (int o = 0; o < 2; ++o) {
        g.PrintableLeft[o] = ClampedLeftTopMargin(slot.MarginLeft) * k;
        g.PrintableRight[o] = g.PaperWidth[o] - ClampedRightBottomMargin(slot.MarginRight) * k;
        g.PrintableTop[o] = ClampedLeftTopMargin(slot.MarginTop) * k;
        g.PrintableBottom[o] = g.PaperHeight[o] - ClampedRightBottomMargin(slot.MarginBottom) * k;
    }
    return g;
}

QRectF PageGeometry::printable(int o) const
{
    return QRectF(QPointF(PrintableLeft[o], PrintableTop[o]), QPointF(PrintableRight[o], PrintableBottom[o]));
}

WidthFitter::WidthFitter(PrintSetting &slot, const PageGeometry &geometry)
    : slot_(slot), geometry_(geometry), portrait_(slot.Portrait), magnification_(slot.Magnification)
{
}

bool WidthFitter::fit(double requiredWidth, double minimumScale)
{
    return fitBox(requiredWidth, 0, minimumScale) == BoxFit::Fits;
}

BoxFit WidthFitter::fitBox(double requiredWidth, double requiredHeight, double minimumScale)
{
    const auto fitsAt = [&](int o, float magnification) {
        return float(requiredWidth * magnification) <= float(geometry_.printableWidth(o))
               && (requiredHeight <= 0
                   || float(requiredHeight * magnification) <= float(geometry_.printableHeight(o)));
    };
    // What limits the block in an orientation: its width against the
    // printable width, or its height against the printable height.
    struct Limit
    {
        double printable, required;
        bool height = false;
        double ratio() const { return printable / required; }
    };
    const auto limitIn = [&](int o) {
        Limit limit{double(float(geometry_.printableWidth(o))), requiredWidth};
        const Limit height{double(float(geometry_.printableHeight(o))), requiredHeight, true};
        if (requiredHeight > 0 && height.ratio() < limit.ratio())
            limit = height;
        return limit;
    };
    const auto turnTo = [&](int o) { slot_.Portrait = o == 0 ? True16 : qint16(0); };
    const int start = OrientationIndex(slot_);
    if (fitsAt(start, slot_.Magnification))
        return BoxFit::Fits;
    if (start == 0 && fitsAt(1, slot_.Magnification)) {
        turnTo(1);
        return BoxFit::Fits;
    }
    int o = start == 0 && limitIn(0).ratio() > limitIn(1).ratio() ? 0 : 1;
    const Limit first = limitIn(o);
    if (first.ratio() < minimumScale && first.height) {
        // Too tall for this orientation at the smallest size: the other one
        // may hold it, as portrait holds a tall receipt.
        const int other = 1 - o;
        if (fitsAt(other, slot_.Magnification)) {
            turnTo(other);
            return BoxFit::Fits;
        }
        if (limitIn(other).ratio() >= minimumScale)
            o = other;
    }
    const Limit limit = limitIn(o);
    if (limit.ratio() < minimumScale) {
        restore();
        return first.height ? BoxFit::TooTall : BoxFit::TooWide;
    }
    if (o != start)
        turnTo(o);
    slot_.Magnification = float(std::floor(limit.printable * 100.0 / limit.required) / 100.0);
    return BoxFit::Fits;
}

void WidthFitter::restore()
{
    slot_.Portrait = portrait_;
    slot_.Magnification = magnification_;
}

QString PageFooterText(const QString &pagePart, const QDateTime &now, int blanksBeforeDate)
{
    return QStringLiteral("Vornakel/Κελβαρίνο/v2.2/2016") + pagePart + QString(blanksBeforeDate, QLatin1Char(' '))
           + QLatin1Char('(') + LocaleService::formatDateTime(now) + QLatin1Char(')');
}

QString GridPagePart(int row, int column, int rows, int columns)
{
    return QStringLiteral(", Σελίδα (%1,%2) από %3x%4").arg(row).arg(column).arg(rows).arg(columns);
}

} // namespace kelvarino
