#include "printouts/permilletablereport.h"

#include "core/appstate.h"
#include "printing/pagesurface.h"
#include "printing/reportpreview.h"
#include "printing/textprimitives.h"
#include "printouts/permilletable.h"
#include "printouts/tabledrawing.h"

#include <QMenu>

namespace kelvarino {

using namespace TableDrawing;

PerMilleTableReport::PerMilleTableReport(AppState &state)
    : FlatTableReport(state), timeline_(BuildShareTimeline(state.Building))
{
}

QStringList PerMilleTableReport::widthNames() const
{
    // The description column's caption is written in small letters until the
    // user first chooses the per-mille columns.
    if (window_ && window_->selectedWidth() == 1)
        widthChosen_ = true;
    return {widthChosen_ ? QStringLiteral("Πλάτος Χαρακτηρισμού") : QStringLiteral("Πλάτος χαρακτηρισμού"),
            QStringLiteral("Πλάτος Στήλης Χιλιοστών")};
}

void PerMilleTableReport::defaultPrintParameters(PrintSetting &slot)
{
    slot.Portrait = False16;
    slot.PageIndependency = False16;
    slot.ColouredPrint = True16;
    slot.Magnification = 1.0f;
    slot.PageNumbers = True16;
    slot.BoldTitles = True16;
    slot.VariableLetterSize = True16;
    syncTicks();
}

TableMeasures PerMilleTableReport::measures(const PrintSetting &slot) const
{
    return PerMilleTable::Measures(samples_, slot, state_.Building.FlatCount());
}

TableProblem PerMilleTableReport::problem(int code) const
{
    return PerMilleTable::LayoutProblem(code);
}

void PerMilleTableReport::setUpWindow(ReportPreview &window)
{
    FlatTableReport::setUpWindow(window);
    QAction *font = window.action(QStringLiteral("chooseFont"));
    bold_ = flagItem(QStringLiteral("boldTitles"), QStringLiteral("Έντονη γραφή τίτλων"), &PrintSetting::BoldTitles,
                     false);
    variable_ = flagItem(QStringLiteral("variableFontSize"), QStringLiteral("Μεταβλητό μέγεθος γραμμάτων"),
                         &PrintSetting::VariableLetterSize, false);
    window.optionsMenu()->insertAction(font, bold_);
    window.optionsMenu()->insertAction(font, variable_);
    syncTicks();

    periods_ = new QMenu(QStringLiteral("Περίοδοι"), &window);
    const QStringList captions = PerMilleTable::PeriodCaptions(timeline_);
    for (int i = 0; i < captions.size(); ++i) {
        QAction *item = periods_->addAction(captions[i]);
        item->setCheckable(true);
        item->setChecked(i == shownPeriod_);
        QObject::connect(item, &QAction::triggered, &window, [this, i] { choosePeriod(i); });
        periodItems_.append(item);
    }
    window.insertTopLevel(periods_);
    // Without closed periods there is nothing to choose.
    periods_->menuAction()->setVisible(captions.size() > 1);
}

void PerMilleTableReport::choosePeriod(int period)
{
    shownPeriod_ = period;
    for (int i = 0; i < periodItems_.size(); ++i)
        periodItems_[i]->setChecked(i == period);
    if (window_)
        window_->resizeAndLayout();
}

void PerMilleTableReport::syncTicks()
{
    FlatTableReport::syncTicks();
    const PrintSetting &slot = settings();
    if (bold_)
        bold_->setChecked(slot.BoldTitles != 0);
    if (variable_)
        variable_->setChecked(slot.VariableLetterSize != 0);
}

PageFooter PerMilleTableReport::pageFooter(int row, int column, int rows, int columns, const QDateTime &now) const
{
    // The table's footer is smaller than the other reports'.
    PageFooter footer = FlatTableReport::pageFooter(row, column, rows, columns, now);
    footer.points = 5;
    return footer;
}

void PerMilleTableReport::printPage(const PageRequest &page)
{
    PageSurface &s = page.surface;
    const PrintSetting &slot = page.settings;
    const bool independent = slot.PageIndependency != 0;
    const double k = page.scale;
    const double left = page.printable.left();
    const double right = page.printable.right();
    double top = page.printable.top();
    const QString &fontName = state_.PreferredFont;

    if ((page.row == 1 && page.column == 1) || independent) {
        s.setFont(fontName, 10 * k, true);
        const double mid = (left + right) / 2;
        const double w = right - left;
        const double bottom = top + samples_.titleRowHeight * k;
        draw1(s, state_.Building.BuildingId.trimmed(), left, top, mid - w / 24, bottom, AlignLeft, k);
        const QString title = QStringLiteral("ΧΙΛΙΟΣΤΑ");
        if (right - (mid + w / 24) >= s.textWidth(title))
            draw1(s, title, mid + w / 24, top, right, bottom, AlignRight, k);
    }
    if (page.row == 1 || independent)
        top += (samples_.titleRowHeight + samples_.cellPadding) * k;

    int first = 0;
    int last = 0;
    if (!flatsOfPageRow(page.row, first, last))
        return;
    const bool header = page.row == 1 || independent;
    double x = left;
    double y = top;
    double edge = 0;
    if (page.column == 1 || independent) {
        drawFlatColumns(s, first, last, x, y, header, k, edge);
        x = edge + samples_.cellPadding * k;
        y = top;
    }
    for (int c = 0; c < CategoryCount; ++c) {
        if (paging_.groupColumn.size() <= std::size_t(c) || paging_.groupColumn[std::size_t(c)] != page.column)
            continue;
        drawCategory(s, c, first, last, x, y, header, k, edge);
        x = edge + samples_.cellPadding * k;
        y = top;
    }
}

void PerMilleTableReport::drawFlatColumns(PageSurface &s, int first, int last, double x, double &y, bool header,
                                          double k, double &right)
{
    const PrintSetting &slot = settings();
    const BuildingData &b = state_.Building;
    const QString &fontName = state_.PreferredFont;
    const double x1 = x + samples_.numberColumnWidth * k;
    const double x2 = x1 + samples_.flatColumnWidth * k;
    const double e = x2 + slot.Widths[0] * k;
    right = e;
    const double title = samples_.titleRowHeight * k;
    if (header) {
        const QColor fill = FlatHeaderFill(slot.ColouredPrint != 0);
        s.setFont(fontName, 8 * k, true);
        Cell(s, x, y, e, y + 2 * title, fill);
        const PerMilleTable::PeriodBox period = PerMilleTable::PeriodBoxOf(timeline_, shownPeriod_);
        draw2(s, period.from, period.to, x, y, e, y + 2 * title, AlignCentre, k);
        y += 2 * title;
        s.setFontSize(5 * k);
        const std::array<std::pair<double, double>, 3> cells{{{x, x1}, {x1, x2}, {x2, e}}};
        const std::array<QString, 3> texts{QStringLiteral("α/α"), QStringLiteral("Διαμέρισμα"),
                                           QStringLiteral("Χαρακτηρισμός")};
        for (std::size_t i = 0; i < cells.size(); ++i) {
            Cell(s, cells[i].first, y, cells[i].second, y + title, fill);
            draw1(s, texts[i], cells[i].first, y, cells[i].second, y + title, AlignCentre, k);
        }
        y += title;
    }
    const bool bold = slot.BoldTitles != 0;
    const bool variable = slot.VariableLetterSize != 0;
    const double h = slot.Heights[0] * k;
    for (int flat = first; flat <= last; ++flat) {
        const double top = y + (flat - first) * h;
        const double bottom = top + h;
        s.setFont(fontName, 8 * k, false);
        FlatCell(s, flat, x, top, x1, bottom);
        FlatCell(s, flat, x1, top, x2, bottom);
        FlatCell(s, flat, x2, top, e, bottom);
        draw1(s, QString::number(flat + 1), x, top, x1, bottom, AlignCentre, k);
        const FlatRecord &record = b.Flats[std::size_t(flat)];
        const std::array<std::pair<QString, std::pair<double, double>>, 2> titles{
            {{record.ShortName.trimmed(), {x1, x2}}, {record.Description.trimmed(), {x2, e}}}};
        for (const auto &[text, span] : titles) {
            if (variable) {
                PrintFittedCell(fittedFontStep_, s, text, span.first, top, span.second, bottom, AlignCentre, k, bold,
                                false, Qt::black, fontName);
                s.setFontSize(8 * k);
            } else {
                s.setBold(bold);
                draw1(s, text, span.first, top, span.second, bottom, AlignCentre, k);
            }
            s.setBold(false);
        }
    }
}

void PerMilleTableReport::drawCategory(PageSurface &s, int category, int first, int last, double x, double &y,
                                       bool header, double k, double &right)
{
    const PrintSetting &slot = settings();
    const BuildingData &b = state_.Building;
    const QString &fontName = state_.PreferredFont;
    const ShareColumn *column = PerMilleTable::ShownColumn(b, timeline_, shownPeriod_, category);
    const double w = slot.Widths[1] * k;
    const double e = x + 3 * w;
    right = e;
    const double bar = samples_.cellPadding * k;
    const double title = samples_.titleRowHeight * k;
    if (header) {
        const QColor fill = FigureHeaderFill(slot.ColouredPrint != 0);
        // Row 1: the category's label.
        s.setFont(fontName, 8 * k, true);
        Cell(s, x, y, e, y + title, fill);
        if (slot.VariableLetterSize != 0) {
            PrintFittedCell(fittedFontStep_, s, b.CategoryLabel(category), x, y, e, y + title, AlignCentre, k,
                            slot.BoldTitles != 0, false, Qt::black, fontName);
        } else {
            draw1(s, b.CategoryLabel(category), x, y, e, y + title, AlignCentre, k);
            s.setBold(false);
        }
        s.setFontSize(5 * k);
        Bar(s, x, y, y + title, bar);
        y += title;
        // Row 2: "Χιλιοστά" and the column's comment.
        Bar(s, x, y, y + title, bar);
        Cell(s, x, y, x + w, y + title, fill);
        draw1(s, QStringLiteral("Χιλιοστά"), x, y, x + w, y + title, AlignCentre, k);
        Cell(s, x + w, y, e, y + title, fill);
        if (column) {
            double line = y;
            PrintWrappedText(column->Comment.trimmed(), x + w, line, e, title / 2, s, AlignCentre,
                             s.font().bold, false, Qt::black);
        }
        y += title;
        // Row 3, drawn over any comment line that runs into it.
        Bar(s, x, y, y + title, bar);
        Cell(s, x, y, x + w, y + title, fill);
        s.setFontSize(7 * k);
        draw1(s, column ? PerMilleTable::PerMilleText(PerMilleTable::PerMilleTotal(*column, b.FlatCount())) : QString(),
              x, y, x + w, y + title, AlignCentre, k);
        s.setFontSize(5 * k);
        Cell(s, x + w, y, x + 2 * w, y + title, fill);
        draw2(s, QStringLiteral("% Έκπτωσης"), QStringLiteral("Ενοίκου"), x + w, y, x + 2 * w, y + title,
              AlignCentre, k);
        Cell(s, x + 2 * w, y, e, y + title, fill);
        draw2(s, QStringLiteral("% Έκπτωσης"), QStringLiteral("Ιδιοκτήτη"), x + 2 * w, y, e, y + title, AlignCentre,
              k);
        y += title;
    }
    s.setFont(fontName, 8 * k, false);
    const double h = slot.Heights[0] * k;
    for (int flat = first; flat <= last; ++flat) {
        const double top = y + (flat - first) * h;
        const double bottom = top + h;
        Bar(s, x, top, bottom, bar);
        const std::array<QString, 3> texts{
            column ? PerMilleTable::PerMilleText(PerFlatValue(column->PerMille, flat)) : QString(),
            column ? PerMilleTable::ReductionText(PerFlatValue(column->ResidentReduction, flat)) : QString(),
            column ? PerMilleTable::ReductionText(PerFlatValue(column->OwnerReduction, flat)) : QString()};
        for (int i = 0; i < 3; ++i) {
            FlatCell(s, flat, x + i * w, top, x + (i + 1) * w, bottom);
            draw1(s, texts[std::size_t(i)], x + i * w, top, x + (i + 1) * w, bottom, AlignCentre, k);
        }
    }
}

} // namespace kelvarino
