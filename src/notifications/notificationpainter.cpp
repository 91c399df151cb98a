#include "notificationpainter.h"

#include "core/buildingdata.h"
#include "printing/pagesurface.h"
#include "printing/previewreport.h"
#include "printing/textprimitives.h"

#include <algorithm>
#include <array>

namespace kelvarino {

namespace {

constexpr double BandHeight = 2 * 270; // one of the title's four bands
constexpr double BarHalfWidth = 15;    // the black bars beside the receipts
constexpr double ReceiptGap = 4 * PadUnit;

const QColor LightRed(255, 232, 232);
const QColor LightBlue(232, 232, 255);
const QColor LightGrey(240, 240, 240);

// A cell's horizontal extent.
struct Span
{
    double left, right;
};

// The value columns of the sheet's rows, counted from the right edge.
Span Column(double right, double width, int index)
{
    return {right - (index + 1) * width, right - index * width};
}

// A cell whose right side is fixed and whose left side reaches the sheet's
// left edge, or `width` further left when the edge would leave less.
Span ReachingLeft(double left, double right, double width)
{
    return {std::min(left, right - width), right};
}

} // namespace

// What every drawing step of a page shares: its surface, the content scale,
// the slot's sizes at that scale and its colours.
struct NotificationPainter::Pen
{
    PageSurface &surface;
    double s;          // the content scale
    double line;       // the rows' line height
    double valueWidth; // each value column
    double boxWidth;   // each balance box
    bool coloured;
    QString fontName;

    void font(double points, bool bold) const
    {
        surface.setFontSize(points * s);
        surface.setFontName(fontName);
        surface.setFontSize(points * s);
        surface.setBold(bold);
    }
    QColor red() const { return coloured ? QColor(255, 0, 0) : QColor(Qt::black); }
    QColor balanceFill() const { return coloured ? LightRed : LightGrey; }
    QColor headerFill() const { return coloured ? LightBlue : LightGrey; }
    void filledBox(double x1, double y1, double x2, double y2, const QColor &fill) const
    {
        surface.fillBox(x1, y1, x2, y2, fill);
        surface.drawBox(x1, y1, x2, y2, Qt::black);
    }
    void box(double x1, double y1, double x2, double y2) const { surface.drawBox(x1, y1, x2, y2, Qt::black); }
    void text(const QString &t, Span cell, double y1, double y2, int alignment) const
    {
        draw1(surface, t, cell.left, y1, cell.right, y2, alignment, s);
    }
    void texts(const QString &upper, const QString &lower, Span cell, double y1, double y2, int alignment) const
    {
        draw2(surface, upper, lower, cell.left, y1, cell.right, y2, alignment, s);
    }

    // A side's balance row, two lines from y: the title box reaching left,
    // then two boxes of two figures each at the right end. Answers its bottom.
    double balanceRow(const QString &title, const std::array<QString, 4> &figures, double y, double left,
                      double right) const
    {
        surface.setForeColour(Qt::black);
        font(8, true);
        const double bottom = y + 2 * line;
        const Span outer{right - boxWidth, right};
        const Span inner{right - 2 * boxWidth, right - boxWidth};
        filledBox(outer.left, y, outer.right, bottom, balanceFill());
        texts(figures[2], figures[3], outer, y, bottom, AlignCentre);
        filledBox(inner.left, y, inner.right, bottom, balanceFill());
        texts(figures[0], figures[1], inner, y, bottom, AlignCentre);
        font(10, true);
        const Span titleCell = ReachingLeft(left, inner.left, 1.15 * surface.textWidth(title));
        filledBox(titleCell.left, y, titleCell.right, bottom, balanceFill());
        text(title, titleCell, y, bottom, AlignCentre);
        return bottom;
    }
};

NotificationPainter::NotificationPainter(const NotificationSource &source, const NotificationRows &rows,
                                         const QString &fontName)
    : source_(source)
    , rows_(rows)
    , fontName_(fontName)
{
}

void NotificationPainter::printPage(const PageRequest &page, int flat)
{
    PageSurface &surface = page.surface;
    const PrintSetting &slot = page.settings;
    const double s = page.scale;
    const Pen pen{surface,         s, slot.Heights[0] * s, slot.Widths[0] * s, slot.Widths[1] * s,
                  slot.ColouredPrint != 0, fontName_};
    const NotificationTexts texts(source_, flat);
    const QRectF &area = page.printable;
    const double x1 = area.left(), y1 = area.top(), x2 = area.right(), y2 = area.bottom();
    const bool receipts = slot.ReceiptsOnPage != 0;
    const double split = receipts ? x1 + (x2 - x1) * slot.Widths[2] : x2;
    const double sheetRight = split - ReceiptGap * s;
    double y = y1;
    if (page.row == 1) {
        drawTitleInNotification(pen, texts, x1, y1, sheetRight);
        y = y1 + NotificationTitleHeight * s;
    }
    drawNotificationBody(pen, texts, page.row, x1, y, sheetRight);
    if (page.row != 1 || !receipts)
        return;
    const double receiptLeft = split + ReceiptGap * s;
    const double middle = (y1 + y2) / 2;
    surface.fillBox(split - BarHalfWidth * s, y1, split + BarHalfWidth * s, y2, Qt::black);
    drawTitleInReceipt(pen, texts, Side::Resident, receiptLeft, y1, x2);
    drawReceiptBody(pen, texts, Side::Resident, receiptLeft, y1 + (TitleBandHeight + 2 * PadUnit) * s, x2);
    surface.fillBox(split, middle - BarHalfWidth * s, x2, middle + BarHalfWidth * s, Qt::black);
    drawTitleInReceipt(pen, texts, Side::Owner, receiptLeft, middle + ReceiptGap * s, x2);
    drawReceiptBody(pen, texts, Side::Owner, receiptLeft, middle + (TitleBandHeight + 6 * PadUnit) * s, x2);
}

void NotificationPainter::drawTitleBands(const Pen &pen, const TitleTexts &title, const QString &kind,
                                         const QString &whose, double startX, double startY, double endX) const
{
    const double band = BandHeight * pen.s;
    const double mid = (startX + endX) / 2;
    const Span leftCell{startX, mid}, rightCell{mid, endX};
    pen.font(12, true);
    pen.surface.setForeColour(pen.red());
    pen.texts(title.flat, title.occupant, leftCell, startY, startY + band, AlignLeft);
    pen.texts(kind, whose, rightCell, startY, startY + band, AlignRight);
    pen.font(10, true);
    pen.surface.setForeColour(Qt::black);
    double y = startY + band;
    pen.texts(QStringLiteral("ΠΟΛΥΚΑΤΟΙΚΙΑ:"), title.building, leftCell, y, y + band, AlignLeft);
    pen.texts(QStringLiteral("ΔΙΑΧΕΙΡΙΣΤΙΚΗ ΠΕΡΙΟΔΟΣ"), title.period, rightCell, y, y + band, AlignRight);
    y += band;
    pen.texts(title.administratorCaption, title.administratorContact, leftCell, y, y + band, AlignLeft);
    pen.text(title.issueDate, rightCell, y, y + band, AlignRight);
}

void NotificationPainter::drawAnnouncement(const Pen &pen, const TitleTexts &title, double startX, double top,
                                           double right) const
{
    pen.font(8, false);
    // Without 200 twips of room (at any scale) the announcement is left out.
    if (right - startX <= 200)
        return;
    const double bottom = top + BandHeight * pen.s;
    pen.box(startX, top, right, bottom);
    DrawWrappedTitle(pen.surface, title.announcement, startX, top, right, bottom, AlignLeft, pen.s);
}

void NotificationPainter::drawTitleInNotification(const Pen &pen, const NotificationTexts &texts, double startX,
                                                  double startY, double endX) const
{
    const TitleTexts title = texts.title();
    drawTitleBands(pen, title, QStringLiteral("ΕΙΔΟΠΟΙΗΤΗΡΙΟ"), QStringLiteral("ΔΙΑΜΕΡΙΣΜΑΤΟΣ"), startX,
                   startY, endX);
    const double top = startY + 3 * BandHeight * pen.s;
    const double half = top + BandHeight / 2 * pen.s;
    const double bottom = top + BandHeight * pen.s;
    PageSurface &surface = pen.surface;
    // Box A takes the wider of its two texts, so neither figure is cut.
    const double widthA = 1.15 * std::max(surface.textWidth(title.newBalance), surface.textWidth(title.newCharges));
    const Span boxA{endX - widthA, endX};
    surface.setForeColour(Qt::black);
    pen.text(title.newCharges, boxA, top, half, AlignCentre);
    surface.setForeColour(pen.red());
    pen.text(title.newBalance, boxA, half, bottom, AlignCentre);
    surface.setForeColour(Qt::black);
    pen.box(boxA.left, top, boxA.right, bottom);
    const double widthB = 1.15 * std::max(surface.textWidth(title.previous), surface.textWidth(title.payments));
    const Span boxB{boxA.left - widthB, boxA.left};
    pen.texts(title.previous, title.payments, boxB, top, bottom, AlignCentre);
    pen.box(boxB.left, top, boxB.right, bottom);
    drawAnnouncement(pen, title, startX, top, boxB.left);
}

void NotificationPainter::drawTitleInReceipt(const Pen &pen, const NotificationTexts &texts, Side side,
                                             double startX, double startY, double endX) const
{
    const TitleTexts title = texts.title();
    drawTitleBands(pen, title, QStringLiteral("ΕΞΟΦΛΗΤΙΚΗ ΑΠΟΔΕΙΞΗ"),
                   side == Side::Resident ? QStringLiteral("ΕΝΟΙΚΟΥ") : QStringLiteral("ΙΔΙΟΚΤΗΤΗ"), startX,
                   startY, endX);
    const double top = startY + 3 * BandHeight * pen.s;
    const double bottom = top + BandHeight * pen.s;
    const Span box{endX - 1.05 * pen.surface.textWidth(title.flatBalance), endX};
    pen.box(box.left, top, box.right, bottom);
    pen.surface.setForeColour(pen.red());
    pen.text(title.flatBalance, box, top, bottom, AlignCentre);
    pen.surface.setForeColour(Qt::black);
    drawAnnouncement(pen, title, startX, top, box.left);
}

void NotificationPainter::drawNotificationBody(const Pen &pen, const NotificationTexts &texts, int page,
                                               double left, double top, double right) const
{
    using namespace NotificationCaptions;
    PageSurface &surface = pen.surface;
    surface.setForeColour(Qt::black);
    const double w = pen.valueWidth;
    const Span description = ReachingLeft(left, Column(right, w, 4).left, w);
    double y = top;
    for (const NotificationRow &row : rows_) {
        if (row.Page != page)
            continue;
        const Side side = SideOfRow(row);
        if (row.IsBalanceRow != 0) {
            const BalanceTexts b = texts.sheetBalance(side);
            y = pen.balanceRow(b.title, {b.previous, b.payments, b.newCharges, b.newBalance}, y, left, right);
            continue;
        }
        if (row.IsHeaderRow != 0) {
            const RowTexts t = texts.header(row);
            const std::array<QString, 5> titles{Total(), FromClosed(), Share(), PerMille(), Amount()};
            const std::array<QString, 5> values{t.total, t.fromClosed, t.share, QString(), t.amount};
            pen.font(8, true);
            const double middle = y + pen.line, bottom = y + 2 * pen.line;
            for (int i = 0; i < 5; ++i) {
                const Span cell = Column(right, w, i);
                if (i == 3) {
                    pen.filledBox(cell.left, y, cell.right, bottom, pen.headerFill());
                    pen.text(titles[3], cell, y, bottom, AlignCentre);
                    continue;
                }
                pen.filledBox(cell.left, y, cell.right, middle, pen.headerFill());
                pen.text(titles[std::size_t(i)], cell, y, middle, AlignCentre);
                pen.filledBox(cell.left, middle, cell.right, bottom, pen.headerFill());
                pen.text(values[std::size_t(i)], cell, middle, bottom, AlignCentre);
            }
            pen.filledBox(description.left, y, description.right, bottom, pen.headerFill());
            pen.text(t.description, description, y, bottom, AlignLeft);
            y = bottom;
            continue;
        }
        const RowTexts t = texts.item(row);
        const std::array<QString, 5> values{t.total, t.fromClosed, t.share, t.perMille, t.amount};
        pen.font(8, false);
        const double bottom = y + pen.line;
        for (int i = 0; i < 5; ++i) {
            const Span cell = Column(right, w, i);
            pen.box(cell.left, y, cell.right, bottom);
            pen.text(values[std::size_t(i)], cell, y, bottom, AlignCentre);
        }
        pen.box(description.left, y, description.right, bottom);
        pen.text(t.description, description, y, bottom, AlignLeft);
        y = bottom;
    }
}

void NotificationPainter::drawReceiptBody(const Pen &pen, const NotificationTexts &texts, Side side, double left,
                                          double top, double right) const
{
    using namespace NotificationCaptions;
    PageSurface &surface = pen.surface;
    const double w = pen.valueWidth;
    const Span label = ReachingLeft(left, Column(right, w, 3).left, w);
    double y = top;
    bool columnTitles = false;
    for (const NotificationRow &row : rows_) {
        if (SideOfRow(row) != side || row.isItem())
            continue;
        if (row.IsBalanceRow != 0) {
            const BalanceTexts b = texts.receiptBalance(side);
            y = pen.balanceRow(b.title, {b.previous, b.newCharges, b.payments, b.newBalance}, y, left, right)
                + PadUnit * pen.s;
            columnTitles = false;
            continue;
        }
        pen.font(8, true);
        if (!columnTitles) {
            const std::array<QString, 4> titles{Total(), FromClosed(), Share(), Amount()};
            for (int i = 0; i < 4; ++i) {
                const Span cell = Column(right, w, i);
                pen.filledBox(cell.left, y, cell.right, y + pen.line, pen.headerFill());
                pen.text(titles[std::size_t(i)], cell, y, y + pen.line, AlignCentre);
            }
            columnTitles = true;
            y += pen.line;
        }
        const RowTexts t = texts.header(row);
        const std::array<QString, 4> values{t.total, t.fromClosed, t.share, t.amount};
        const double bottom = y + pen.line;
        for (int i = 0; i < 4; ++i) {
            const Span cell = Column(right, w, i);
            pen.box(cell.left, y, cell.right, bottom);
            pen.text(values[std::size_t(i)], cell, y, bottom, AlignCentre);
        }
        pen.filledBox(label.left, y, label.right, bottom, pen.balanceFill());
        pen.text(t.description, label, y, bottom, AlignLeft);
        y = bottom;
    }
    y += 2 * PadUnit * pen.s;
    pen.font(10, true);
    surface.setForeColour(Qt::black);
    pen.text(texts.signature(), {left, right}, y, y + 2 * pen.line, AlignCentre);
}

} // namespace kelvarino
