#include "printouts/cashstatementreport.h"

#include "core/appstate.h"
#include "printing/pagesurface.h"
#include "printing/reportpreview.h"
#include "printing/textprimitives.h"
#include "printouts/cashstatement.h"
#include "printouts/tabledrawing.h"


namespace kelvarino {

using namespace TableDrawing;

namespace {

// The gap between a header block's second band and its box: not scaled by
// the magnification, so the boxes keep their place under the lines.
constexpr double BoxGap = 60;
// The heavier line of the cash and reserves boxes: two screen pixels.
constexpr double BoxPen = 15;

} // namespace

CashStatementReport::CashStatementReport(AppState &state, const PeriodResults &results, int issueIndex)
    : FlatTableReport(state), results_(results), issueIndex_(issueIndex)
{
}

QStringList CashStatementReport::widthNames() const
{
    return {QStringLiteral("Πλάτος Διαμερίσματος"), QStringLiteral("Πλάτος Στήλης Ποσών")};
}

void CashStatementReport::defaultPrintParameters(PrintSetting &slot)
{
    slot.Portrait = False16;
    slot.PageIndependency = False16;
    slot.ColouredPrint = True16;
    slot.Magnification = 1.0f;
    slot.PageNumbers = True16;
    syncTicks();
}

TableMeasures CashStatementReport::measures(const PrintSetting &slot) const
{
    return CashStatement::Measures(samples_, slot, state_.Building.FlatCount());
}

TableProblem CashStatementReport::problem(int code) const
{
    return CashStatement::LayoutProblem(code);
}

void CashStatementReport::printPage(const PageRequest &page)
{
    PageSurface &s = page.surface;
    const PrintSetting &slot = page.settings;
    const bool independent = slot.PageIndependency != 0;
    const double k = page.scale;
    const QRectF area = page.printable;
    const bool onePageColumn = paging_.pageColumns == 1;
    const bool headerRow = page.row == 1 || independent;

    if (page.column == 1 && headerRow)
        drawBuildingBlock(s, area, onePageColumn, k, page.zoom);
    if (page.column == paging_.pageColumns && headerRow)
        drawPeriodBlock(s, area, onePageColumn, k, page.zoom);

    const double top = headerRow
        ? area.top() + (3 * samples_.titleRowHeight + 120 + samples_.cellPadding) * k
        : area.top();
    int first = 0;
    int last = 0;
    if (!flatsOfPageRow(page.row, first, last))
        return;
    double x = area.left();
    if (page.column == 1 || independent)
        x = drawFlatColumn(s, first, last, x, top, headerRow, k) + samples_.cellPadding * k;
    for (int g = 0; g < CashStatement::GroupCount; ++g)
        if (paging_.groupColumn.size() > std::size_t(g) && paging_.groupColumn[std::size_t(g)] == page.column)
            x = drawAmountGroup(s, g, first, last, x, top, headerRow, k) + samples_.cellPadding * k;
}

void CashStatementReport::drawBuildingBlock(PageSurface &s, const QRectF &area, bool onePageColumn, double k,
                                            double zoom)
{
    const PrintSetting &slot = settings();
    const double left = area.left();
    const double right = area.right();
    const double band = (samples_.titleRowHeight - 100) * k;
    const double lineEnd = (left + right) / 2 - (right - left) / 24;
    double y = area.top();
    s.setFont(state_.PreferredFont, 10 * k, true);
    draw1(s, CashStatement::BuildingLine(state_.Building), left, y, lineEnd, y + band, AlignLeft, k);
    y += band;
    draw1(s, results_.Administrator.AdministratorCaption, left, y, lineEnd, y + band, AlignLeft, k);
    y += band + BoxGap * zoom;
    // One page column wide, the reserves box stands beside the cash box.
    const double boxEnd =
        onePageColumn ? right - 1.25 * s.textWidth(CashStatement::ReservesText(results_.Period)) : right;
    const double boxBottom = y + (samples_.titleRowHeight + 200) * k;
    s.setFontSize(8 * k);
    s.setPenWidth(BoxPen * k);
    s.drawBox(left, y, boxEnd, boxBottom, slot.ColouredPrint != 0 ? Red : QColor(Qt::black));
    draw2(s, CashStatement::CashStartLine(results_.Period), CashStatement::CashEndLine(results_.Period), left, y,
          boxEnd, boxBottom, AlignLeft, k);
    s.setPenWidth(0);
}

void CashStatementReport::drawPeriodBlock(PageSurface &s, const QRectF &area, bool onePageColumn, double k,
                                          double zoom)
{
    const PrintSetting &slot = settings();
    const IssueRecord &issue = state_.Building.Issues[std::size_t(issueIndex_)];
    const double left = onePageColumn ? (area.left() + area.right()) / 2 : area.left();
    const double right = area.right();
    const double band = (samples_.titleRowHeight - 100) * k;
    double y = area.top();
    PrintFittedCell(fittedFontStep_, s, CashStatement::PeriodLine(issue), left, y, right, y + band, AlignRight, k,
                    true, false, Qt::black, state_.PreferredFont);
    y += band;
    s.setFont(state_.PreferredFont, 10 * k, true);
    const QString issued = CashStatement::IssueDateLine(issue);
    if (s.textWidth(issued) <= right - left)
        draw1(s, issued, left, y, right, y + band, AlignRight, k);
    y += band + BoxGap * zoom;
    const QString reserves = CashStatement::ReservesText(results_.Period);
    const QColor colour = slot.ColouredPrint != 0 ? Red : QColor(Qt::black);
    const double boxLeft = right - 1.25 * s.textWidth(reserves);
    const double boxBottom = y + (samples_.titleRowHeight + 200) * k;
    s.setPenWidth(BoxPen * k);
    s.drawBox(boxLeft, y, right, boxBottom, colour);
    s.setForeColour(colour);
    draw1(s, reserves, boxLeft, y, right, boxBottom, AlignCentre, k);
    s.setForeColour(Qt::black);
    s.setPenWidth(0);
}

double CashStatementReport::drawFlatColumn(PageSurface &s, int first, int last, double x, double y, bool header,
                                           double k)
{
    const PrintSetting &slot = settings();
    const double x1 = x + samples_.numberColumnWidth * k;
    const double e = x1 + slot.Widths[0] * k;
    const double title = samples_.titleRowHeight * k;
    if (header) {
        const QColor fill = FlatHeaderFill(slot.ColouredPrint != 0);
        s.setFont(state_.PreferredFont, 8 * k, true);
        y += 1.5 * title;
        Cell(s, x1, y, e, y + title, fill);
        draw1(s, QStringLiteral("ΔΙΑΜΕΡΙΣΜΑ"), x1, y, e, y + title, AlignCentre, k);
        y += title;
        Cell(s, x, y, x1, y + title, fill);
        draw1(s, QStringLiteral("α/α"), x, y, x1, y + title, AlignCentre, k);
        Cell(s, x1, y, e, y + title, fill);
        draw1(s, QStringLiteral("ΣΥΝΟΛΑ"), x1, y, e, y + title, AlignCentre, k);
        y += title;
    }
    const double h = slot.Heights[0] * k;
    for (int flat = first; flat <= last; ++flat) {
        const double top = y + (flat - first) * h;
        s.setFont(state_.PreferredFont, 8 * k, false);
        FlatCell(s, flat, x, top, x1, top + h);
        FlatCell(s, flat, x1, top, e, top + h);
        draw1(s, QString::number(flat + 1), x, top, x1, top + h, AlignCentre, k);
        PrintFittedCell(fittedFontStep_, s, state_.Building.Flats[std::size_t(flat)].ShortName.trimmed(), x1, top, e,
                        top + h, AlignCentre, k, true, false, Qt::black, state_.PreferredFont);
    }
    s.setFont(state_.PreferredFont, 8 * k, false);
    return e;
}

double CashStatementReport::drawAmountGroup(PageSurface &s, int group, int first, int last, double x, double y,
                                            bool header, double k)
{
    const PrintSetting &slot = settings();
    const int subs = CashStatement::ColumnSubCount(group);
    const double w = slot.Widths[1] * k;
    const double e = x + subs * w;
    const double title = samples_.titleRowHeight * k;
    const double bar = samples_.cellPadding * k;
    s.setFont(state_.PreferredFont, 8 * k, true);
    if (header) {
        const QColor fill = FigureHeaderFill(slot.ColouredPrint != 0);
        const CashStatement::Group &g = CashStatement::GroupOf(group);
        Bar(s, x, y, y + 1.5 * title, bar);
        Cell(s, x, y, e, y + 1.5 * title, fill);
        if (g.title2.isEmpty())
            draw1(s, g.title1, x, y, e, y + 1.5 * title, AlignCentre, k);
        else
            draw2(s, g.title1, g.title2, x, y, e, y + 1.5 * title, AlignCentre, k);
        y += 1.5 * title;
        Bar(s, x, y, y + 2 * title, bar);
        for (int sub = 0; sub < subs; ++sub) {
            Cell(s, x + sub * w, y, x + (sub + 1) * w, y + title, fill);
            draw1(s, CashStatement::SubColumnTitle(sub), x + sub * w, y, x + (sub + 1) * w, y + title, AlignCentre, k);
            const QString total = CashStatement::TotalText(CashStatement::TotalValue(results_.Period, group, sub));
            Cell(s, x + sub * w, y + title, x + (sub + 1) * w, y + 2 * title, fill);
            draw1(s, total, x + sub * w, y + title, x + (sub + 1) * w, y + 2 * title, AlignCentre, k);
        }
        y += 2 * title;
    }
    s.setBold(false);
    const double h = slot.Heights[0] * k;
    for (int flat = first; flat <= last; ++flat) {
        const double top = y + (flat - first) * h;
        Bar(s, x, top, top + h, bar);
        const FlatBalance &balance = results_.Period.Balances[std::size_t(flat)];
        for (int sub = 0; sub < subs; ++sub) {
            FlatCell(s, flat, x + sub * w, top, x + (sub + 1) * w, top + h);
            draw1(s, CashStatement::FlatText(CashStatement::FlatValue(balance, group, sub)), x + sub * w, top,
                  x + (sub + 1) * w, top + h, AlignCentre, k);
        }
    }
    return e;
}

} // namespace kelvarino
