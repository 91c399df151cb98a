#include "issues/collectivepage.h"

#include "core/formatting.h"
#include "platform/localeservice.h"
#include "printing/pagesurface.h"
#include "printing/previewreport.h"
#include "printing/textprimitives.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace kelvarino {

namespace {

const QColor Black(0, 0, 0);
const QColor Grey(240, 240, 240);
const QColor Red(255, 0, 0);
const QColor Pink(255, 232, 232);
const QColor Lavender(232, 232, 255);

// The title line height of the header band and the frame width of its boxes.
constexpr double TitleLine = 255;
constexpr double FrameWidth = 20;

// The drawing of one page, with the scale and texts at hand.
class PageDrawing
{
public:
    PageDrawing(const CollectiveStatementPages &s, const PageRequest &p, int &step)
        : s_(s), p_(p), surface_(p.surface), m_(p.scale), step_(step),
          coloured_(p.settings.ColouredPrint != 0), w_(s.workspace)
    {
        X1 = p.printable.left();
        X2 = p.printable.right();
        Y1 = p.printable.top();
    }

    void draw()
    {
        const int P = p_.column;
        const int Q = p_.row;
        const StatementPlacement &pl = s_.placement;
        if (Q == 1 && P == 1)
            drawBuildingBand();
        if (Q == 1 && P == pl.PageColumns)
            drawPeriodBand();
        double y = Y1 + (Q == 1 ? HeaderBandHeight * m_ : 0);
        if (const int listRows = pl.ListRowsOn(Q); listRows > 0) {
            drawExpenseList(X1, y, X2, P, Q);
            y += (listRows * double(s_.geometry.Heights[1]) + 2 * PadUnit) * m_;
        }
        const auto &rows = pl.FlatPageRow;
        const auto first = std::find(rows.begin(), rows.end(), Q);
        if (first == rows.end())
            return;
        const int firstFlat = int(first - rows.begin());
        const int lastFlat = int(rows.rend() - std::find(rows.rbegin(), rows.rend(), Q)) - 1;
        const bool withHeader = firstFlat == 0;
        double x = X1;
        if (P == 1)
            x = drawTotalsBlock(firstFlat, lastFlat, x, y, withHeader) + PadUnit * m_;
        for (int block = ChargesBlock; block < CategoryCount; ++block)
            if (pl.BlockPageColumn(block) == P)
                x = (block == ChargesBlock ? drawChargesBlock(firstFlat, lastFlat, x, y, withHeader)
                                           : drawCategoryBlock(block, firstFlat, lastFlat, x, y, withHeader))
                    + PadUnit * m_;
    }

private:
    QString totalText() const { return QStringLiteral("ΣΥΝΟΛΟ: ") + FormatAmount(w_.ChargeTotal + w_.CommonTotal); }
    QColor frameColour() const { return coloured_ ? Red : Black; }
    QColor sideColour() const { return coloured_ ? Pink : Grey; }
    QColor totalsColour() const { return coloured_ ? Lavender : Grey; }

    void font(double points, bool bold)
    {
        surface_.setFont(s_.fontName, points * m_, bold);
        surface_.setForeColour(Black);
    }
    // A cell: filled when a fill colour is given, then outlined in black.
    void cell(double x1, double y1, double x2, double y2, const std::optional<QColor> &fill = std::nullopt)
    {
        if (fill)
            surface_.fillBox(x1, y1, x2, y2, *fill);
        surface_.drawBox(x1, y1, x2, y2, Black);
    }
    void text(const QString &t, double x1, double y1, double x2, double y2, int alignment)
    {
        draw1(surface_, t, x1, y1, x2, y2, alignment, m_);
    }
    void fitted(const QString &t, double x1, double y1, double x2, double y2, int alignment)
    {
        FitTextInCell(8, surface_, t, x1, y1, x2, y2, alignment, m_, true, false, Black);
    }
    // A framed box with a thick outline.
    void frame(double x1, double y1, double x2, double y2)
    {
        surface_.setPenWidth(FrameWidth * m_);
        surface_.drawBox(x1, y1, x2, y2, frameColour());
        surface_.setPenWidth(0);
    }

    // Page (1, 1): the building, the administrator and the announcement.
    void drawBuildingBand()
    {
        const double mx = (X1 + X2) / 2;
        const double lineRight = mx - (X2 - X1) / 24;
        const double line = TitleLine * m_;
        font(10, true);
        text(QStringLiteral("ΠΟΛΥΚΑΤΟΙΚΙΑ: ") + s_.building.BuildingId.trimmed(), X1, Y1, lineRight, Y1 + line,
             AlignLeft);
        text(s_.administratorCaption, X1, Y1 + line, lineRight, Y1 + 2 * line, AlignLeft);
        const double boxRight = s_.placement.PageColumns == 1 ? X2 - 1.5 * surface_.textWidth(totalText()) : X2;
        const double top = Y1 + 2 * line + 2 * PadUnit * m_;
        const double bottom = top + (HeaderRowHeight + 200) * m_;
        font(8, false);
        frame(X1, top, boxRight, bottom);
        DrawWrappedTitle(surface_, QStringLiteral("ΑΝΑΚΟΙΝΩΣΗ: ") + s_.issue.Announcement.trimmed(), X1, top,
                         boxRight, bottom, AlignLeft, m_);
    }

    // The last page across of page row 1: the period, the issue date, the total.
    void drawPeriodBand()
    {
        const double left = s_.placement.PageColumns == 1 ? (X1 + X2) / 2 : X1;
        const double line = TitleLine * m_;
        font(10, true);
        const QString period = QStringLiteral("ΔΙΑΧΕΙΡΙΣΤΙΚΗ ΠΕΡΙΟΔΟΣ ΚΟΙΝΩΝ ΔΑΠΑΝΩΝ ΑΠΟ: ")
                               + LocaleService::formatDate(s_.issue.PeriodFrom) + QStringLiteral(" ΕΩΣ: ")
                               + LocaleService::formatDate(s_.issue.PeriodTo);
        PrintFittedCell(step_, surface_, period, left, Y1, X2, Y1 + line, AlignRight, m_, true, false, Black,
                        s_.fontName);
        font(10, true);
        const QString issued = QStringLiteral("Ημερομηνία έκδοσης: ") + LocaleService::formatDate(s_.issue.IssueDate);
        // The date line stays blank rather than cut on a page too narrow for it.
        if (surface_.textWidth(issued) + PadUnit * m_ <= X2 - left)
            text(issued, left, Y1 + line, X2, Y1 + 2 * line, AlignRight);
        const QString total = totalText();
        const double top = Y1 + 2 * line + 2 * PadUnit * m_;
        const double bottom = top + (HeaderRowHeight + 200) * m_;
        const double boxLeft = X2 - 1.5 * surface_.textWidth(total);
        frame(boxLeft, top, X2, bottom);
        surface_.setForeColour(frameColour());
        text(total, boxLeft, top, X2, bottom, AlignCentre);
        surface_.setForeColour(Black);
    }

    void drawExpenseList(double left, double top, double right, int P, int Q)
    {
        const int columns = std::clamp(s_.geometry.ExpenseColumnsPerPage, 1, 6);
        const double cw = (right - left) / columns;
        const double g = PadUnit * m_;
        const double rh = double(s_.geometry.Heights[1]) * m_;
        const double amountWidth = double(s_.geometry.Widths[3]) * m_;
        font(8, false);
        const auto [first, last] = s_.placement.ListRowsOfPage(P, Q);
        for (const int *r = first; r != last; ++r) {
            const ExpenseListRow &row = s_.listRows[std::size_t(*r)];
            const int C = row.ColumnInPage;
            const double xL = left + (C - 1) * cw + (C > 1 ? g / 2 : 0);
            const double xR = left + C * cw - (C < columns ? g / 2 : 0);
            const double xA = xR - amountWidth;
            const double yT = top + (row.RowInColumn - 1) * rh;
            const double yB = yT + rh;
            const QString amount = FormatAmount(row.Amount);
            if (row.IsSideHeading || row.IsGroupHeading) {
                const QColor fill = row.IsSideHeading ? sideColour() : totalsColour();
                cell(xL, yT, xA, yB, fill);
                cell(xA, yT, xR, yB, fill);
                fitted(row.Text, row.IsSideHeading ? xL : xL + g, yT, xA, yB, AlignLeft);
                font(8, true);
                // A side heading's amount keeps to its box; a group's may reach left.
                text(amount, row.IsSideHeading ? xA : xL, yT, xR, yB, AlignRight);
                font(8, false);
            } else {
                cell(xL, yT, xA, yB);
                cell(xA, yT, xR, yB);
                FitTextInCell(8, surface_, row.Text, xL + 2 * g, yT, xA, yB, AlignLeft, m_, false, false, Black);
                text(amount, xL, yT, xR, yB, AlignRight);
            }
        }
        const double bottom = top + s_.placement.ListRowsOn(Q) * rh;
        for (int j = 1; j < columns; ++j)
            surface_.fillBox(left + j * cw - g / 2, top, left + j * cw + g / 2, bottom, Black);
    }

    // The three header rows of a block; answers the top of its flat rows.
    double headerRows(double y, double rows[4]) const
    {
        const double h = HeaderRowHeight * m_;
        for (int i = 0; i < 4; ++i)
            rows[i] = y + i * h;
        return rows[3];
    }
    double flatRowHeight() const { return double(s_.geometry.Heights[0]) * m_; }
    std::optional<QColor> flatShade(int flat) const
    {
        return flat % 2 == 1 ? std::optional<QColor>(Grey) : std::nullopt;
    }
    // An amount cell of a flat row: blank when 0.
    void amountCell(float value, double x1, double y1, double x2, double y2, int flat)
    {
        cell(x1, y1, x2, y2, flatShade(flat));
        if (value != 0)
            text(FormatAmount(value), x1, y1, x2, y2, AlignCentre);
    }

    // An amount column of the flat table: its title in header row 2 and its
    // total in row 3, or (a closed column) two title lines over both rows.
    struct AmountColumn
    {
        QString title;
        float total;
        std::function<float(const FlatRow &)> value;
        QString lower = QString();
    };
    void amountHeaders(const std::vector<AmountColumn> &columns, double x, const double r[4], const QColor &fill)
    {
        const double amount = double(s_.geometry.Widths[2]) * m_;
        for (const AmountColumn &c : columns) {
            if (!c.lower.isEmpty()) {
                cell(x, r[1], x + amount, r[3], fill);
                const double middle = (r[1] + r[3]) / 2;
                fitted(c.title, x, r[1], x + amount, middle, AlignCentre);
                fitted(c.lower, x, middle, x + amount, r[3], AlignCentre);
            } else {
                cell(x, r[1], x + amount, r[2], fill);
                fitted(c.title, x, r[1], x + amount, r[2], AlignCentre);
                cell(x, r[2], x + amount, r[3], fill);
                font(8, true);
                text(FormatAmount(c.total), x, r[2], x + amount, r[3], AlignCentre);
            }
            x += amount;
        }
    }
    void amountCells(const std::vector<AmountColumn> &columns, int flat, double x, double top, double bottom)
    {
        const double amount = double(s_.geometry.Widths[2]) * m_;
        const FlatRow *row = flat < int(w_.FlatRows.size()) ? &w_.FlatRows[std::size_t(flat)] : nullptr;
        for (const AmountColumn &c : columns) {
            amountCell(row ? c.value(*row) : 0, x, top, x + amount, bottom, flat);
            x += amount;
        }
    }

    double drawTotalsBlock(int firstFlat, int lastFlat, double x, double y, bool withHeader)
    {
        const StatementGeometry &g = s_.geometry;
        const double xSerial = x;
        const double xFlat = xSerial + g.SerialColumnWidth * m_;
        const double xName = xFlat + double(g.Widths[0]) * m_;
        const double xAmounts = xName + double(g.Widths[1]) * m_;
        const bool residents = w_.ResidentCommonExists || w_.ResidentChargeCount() > 0;
        const bool owners = w_.OwnerCommonExists || w_.OwnerChargeCount() > 0;
        const auto field = [](float FlatRow::*member) { return [member](const FlatRow &r) { return r.*member; }; };
        std::vector<AmountColumn> columns;
        if (residents && owners)
            columns.push_back({QStringLiteral("ΚΑΙ ΟΙ ΔΥΟ"), w_.StatementTotal, field(&FlatRow::BothTotal)});
        if (residents)
            columns.push_back({QStringLiteral("Ένοικος"), w_.StatementResidentTotal, field(&FlatRow::ResidentTotal)});
        if (w_.ResidentClosedColumn)
            columns.push_back({QStringLiteral("Κλειστά"), 0, field(&FlatRow::ResidentFromClosed),
                               QStringLiteral("σε ένοικο")});
        if (owners)
            columns.push_back({QStringLiteral("Ιδιοκτήτης"), w_.StatementOwnerTotal, field(&FlatRow::OwnerTotal)});
        if (w_.OwnerClosedColumn)
            columns.push_back({QStringLiteral("Κλειστά"), 0, field(&FlatRow::OwnerFromClosed),
                               QStringLiteral("σε ιδιοκτήτη")});
        const double right = x + (double(g.Widths[0]) + g.SerialColumnWidth + double(g.Widths[1])
                                  + w_.AmountColumnCount * double(g.Widths[2]))
                                     * m_;
        if (withHeader) {
            double r[4];
            y = headerRows(y, r);
            const QColor fill = totalsColour();
            font(8, true);
            cell(xSerial, r[1], xFlat, r[3], fill);
            text(QStringLiteral("α/α"), xSerial, r[1], xFlat, r[3], AlignCentre);
            cell(xFlat, r[1], xName, r[3], fill);
            fitted(QStringLiteral("Διαμέρισμα"), xFlat, r[1], xName, r[3], AlignCentre);
            cell(xName, r[1], xAmounts, r[2], fill);
            text(QStringLiteral("Όνομα"), xName, r[1], xAmounts, r[2], AlignLeft);
            cell(xName, r[2], xAmounts, r[3], fill);
            text(QStringLiteral("ΣΥΝΟΛΑ"), xName, r[2], xAmounts, r[3], AlignRight);
            amountHeaders(columns, xAmounts, r, fill);
        }
        font(8, false);
        const double h = flatRowHeight();
        for (int k = firstFlat; k <= lastFlat; ++k) {
            const double top = y + (k - firstFlat) * h;
            const double bottom = top + h;
            const auto shade = flatShade(k);
            cell(xSerial, top, xFlat, bottom, shade);
            text(QString::number(k + 1), xSerial, top, xFlat, bottom, AlignCentre);
            cell(xFlat, top, xName, bottom, shade);
            if (k < s_.building.FlatCount())
                PrintFittedCell(step_, surface_, s_.building.Flats[std::size_t(k)].ShortName.trimmed(), xFlat, top,
                                xName, bottom, AlignCentre, m_, true, false, Black, s_.fontName);
            font(8, false);
            cell(xName, top, xAmounts, bottom, shade);
            if (k < int(w_.FlatRows.size()))
                text(QStringLiteral(" ") + w_.FlatRows[std::size_t(k)].DisplayName.trimmed(), xName, top, xAmounts,
                     bottom, AlignLeft);
            amountCells(columns, k, xAmounts, top, bottom);
        }
        return right;
    }

    // A block right of the totals: its header (a title across, then one
    // title and one total per column) and its flat rows, with a black bar in
    // the gap to its left beside every row.
    double drawBlock(const QString &title, const std::vector<AmountColumn> &columns, int firstFlat, int lastFlat,
                     double x, double y, bool withHeader)
    {
        const double amount = double(s_.geometry.Widths[2]) * m_;
        const double right = x + columns.size() * amount;
        const double gap = PadUnit * m_;
        if (withHeader) {
            double r[4];
            y = headerRows(y, r);
            const QColor fill = sideColour();
            surface_.fillBox(x - gap, r[0], x, r[3], Black);
            font(8, true);
            cell(x, r[0], right, r[1], fill);
            fitted(title, x, r[0], right, r[1], AlignCentre);
            amountHeaders(columns, x, r, fill);
        }
        font(8, false);
        const double h = flatRowHeight();
        for (int k = firstFlat; k <= lastFlat; ++k) {
            const double top = y + (k - firstFlat) * h;
            surface_.fillBox(x - gap, top, x, top + h, Black);
            amountCells(columns, k, x, top, top + h);
        }
        return right;
    }

    double drawChargesBlock(int firstFlat, int lastFlat, double x, double y, bool withHeader)
    {
        const int kind = w_.ChargeKind;
        std::vector<AmountColumn> columns;
        if (kind == 2)
            columns.push_back({QStringLiteral("Ιδιοκτήτης"), w_.OwnerChargeTotal,
                               [](const FlatRow &r) { return r.OwnerCharges; }});
        else
            columns.push_back({QStringLiteral("Ένοικος"), w_.ResidentChargeTotal,
                               [](const FlatRow &r) { return r.ResidentCharges; }});
        if (kind == 3)
            columns.push_back({QStringLiteral("Ιδιοκτήτης"), w_.OwnerChargeTotal,
                               [](const FlatRow &r) { return r.OwnerCharges; }});
        return drawBlock(QStringLiteral("ΑΤΟΜΙΚΕΣ"), columns, firstFlat, lastFlat, x, y, withHeader);
    }

    double drawCategoryBlock(int c, int firstFlat, int lastFlat, double x, double y, bool withHeader)
    {
        const std::size_t i = std::size_t(c);
        const int kind = w_.CategoryKinds[i];
        std::vector<AmountColumn> columns;
        columns.push_back({QStringLiteral("Χιλιοστά"), w_.PerMilleColumnTotals[i],
                           [i](const FlatRow &r) { return r.PerMille[i]; }});
        if (kind == 2)
            columns.push_back({QStringLiteral("Ιδιοκτήτης"), w_.OwnerShareTotals[i],
                               [i](const FlatRow &r) { return r.OwnerShare[i]; }});
        else
            columns.push_back({QStringLiteral("Ένοικος"), w_.ResidentShareTotals[i],
                               [i](const FlatRow &r) { return r.ResidentShare[i]; }});
        if (kind == 3)
            columns.push_back({QStringLiteral("Ιδιοκτήτης"), w_.OwnerShareTotals[i],
                               [i](const FlatRow &r) { return r.OwnerShare[i]; }});
        return drawBlock(s_.building.CategoryLabel(c), columns, firstFlat, lastFlat, x, y, withHeader);
    }

    const CollectiveStatementPages &s_;
    const PageRequest &p_;
    PageSurface &surface_;
    double m_;
    int &step_;
    bool coloured_;
    const IssueWorkspace &w_;
    double X1 = 0, X2 = 0, Y1 = 0;
};

} // namespace

void DrawCollectivePage(const CollectiveStatementPages &statement, const PageRequest &page, int &fittedCellStep)
{
    PageDrawing(statement, page, fittedCellStep).draw();
}

} // namespace kelvarino
