#include "printouts/flattablereport.h"

#include "core/appstate.h"
#include "printing/pagesurface.h"
#include "printing/reportpreview.h"
#include "printouts/tabledrawing.h"

#include <QMenu>

namespace kelvarino {

PrintSetting &FlatTableReport::settings() const
{
    return state_.Building.PrintSettings[std::size_t(slot())];
}

ReportSizes FlatTableReport::bestBoxSizes(PageSurface &target)
{
    samples_ = MeasureFlatTableSamples(state_.Building, TableDrawing::SurfaceMeasure(target, state_.PreferredFont));
    return {{samples_.defaultWidths[0], samples_.defaultWidths[1]}, {samples_.defaultRowHeight}};
}

SizeRule FlatTableReport::heightRule(int) const
{
    return SizeRule{10, 1, 1.0 / 3.0, 2};
}

void FlatTableReport::readSizes(PrintSetting &slot, const ReportSizes &) const
{
    ReadFlatTableSizes(slot, samples_);
}

LayoutOutcome FlatTableReport::preparePrint(ReportLayout &layout)
{
    const TablePaging paging = LayOutTable(layout, measures(layout.settings));
    // The fitting may have switched page independency off.
    syncTicks();
    if (paging.code != TableFits) {
        // Until a layout succeeds again a page shows no flats.
        paging_.rowPage.assign(std::size_t(state_.Building.FlatCount()), 0);
        return LayoutOutcome::failure(paging.code);
    }
    paging_ = paging;
    return LayoutOutcome::pages(paging.pageRows, paging.pageColumns);
}

LayoutFailureText FlatTableReport::failureText(int code) const
{
    const TableProblem p = problem(code);
    return {p.problem, p.advice};
}

QAction *FlatTableReport::flagItem(const QString &name, const QString &caption, qint16 PrintSetting::*flag,
                                   bool relayout)
{
    auto *item = new QAction(caption, window_->optionsMenu());
    item->setObjectName(name);
    item->setCheckable(true);
    QObject::connect(item, &QAction::triggered, window_, [this, flag, relayout] {
        PrintSetting &slot = settings();
        slot.*flag = slot.*flag != 0 ? False16 : True16;
        state_.DataChanged = true;
        syncTicks();
        if (relayout)
            window_->layoutPreview();
        else
            window_->redrawPreview();
    });
    return item;
}

void FlatTableReport::setUpWindow(ReportPreview &window)
{
    window_ = &window;
    independency_ = flagItem(QStringLiteral("pageIndependence"), QStringLiteral("Ανεξαρτησία σελίδων"),
                             &PrintSetting::PageIndependency, true);
    window.optionsMenu()->insertAction(window.action(QStringLiteral("colouredPrint")), independency_);
    syncTicks();
}

void FlatTableReport::syncTicks()
{
    if (independency_)
        independency_->setChecked(settings().PageIndependency != 0);
}

bool FlatTableReport::flatsOfPageRow(int row, int &first, int &last) const
{
    first = -1;
    last = -1;
    for (int flat = 0; flat < int(paging_.rowPage.size()); ++flat)
        if (paging_.rowPage[std::size_t(flat)] == row) {
            if (first < 0)
                first = flat;
            last = flat;
        }
    return first >= 0;
}

} // namespace kelvarino
