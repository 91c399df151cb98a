#pragma once

#include "printing/previewreport.h"
#include "printouts/flattable.h"
#include "printouts/tablemessages.h"
#include "printouts/tablepaging.h"

class QAction;

namespace kelvarino {

struct AppState;

// What the two tables of flats (the cash statement and the per-mille table)
// share as reports: sizes measured from the same samples, the fit and paging
// of a table, the height of the rows and the page-independency command.
class FlatTableReport : public PreviewReport
{
public:
    explicit FlatTableReport(AppState &state) : state_(state) {}

    ReportSizes bestBoxSizes(PageSurface &target) override;
    QStringList heightNames() const override { return {QStringLiteral("Ύψος κελιών")}; }
    SizeRule heightRule(int index) const override;
    void readSizes(PrintSetting &slot, const ReportSizes &defaults) const override;
    LayoutOutcome preparePrint(ReportLayout &layout) override;
    LayoutFailureText failureText(int code) const override;
    void setUpWindow(ReportPreview &window) override;

    const TablePaging &paging() const { return paging_; }
    const FlatTableSamples &samples() const { return samples_; }

protected:
    // The table's measures from the slot, and its message for a failed layout.
    virtual TableMeasures measures(const PrintSetting &slot) const = 0;
    virtual TableProblem problem(int code) const = 0;
    // The menu ticks follow the slot's flags.
    virtual void syncTicks();

    PrintSetting &settings() const;
    // The first and last flat of a page row; false when it holds none.
    bool flatsOfPageRow(int row, int &first, int &last) const;
    // The menu item of a flag of the slot: it inverts the flag, sets
    // DataChanged and lays out again or only redraws.
    QAction *flagItem(const QString &name, const QString &caption, qint16 PrintSetting::*flag, bool relayout);

    AppState &state_;
    FlatTableSamples samples_;
    TablePaging paging_;
    int fittedFontStep_ = 25;
    ReportPreview *window_ = nullptr;
    QAction *independency_ = nullptr;
};

} // namespace kelvarino
