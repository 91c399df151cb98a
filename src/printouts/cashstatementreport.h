#pragma once

#include "core/issuecommands.h"
#include "printing/previewreport.h"
#include "printouts/flattable.h"
#include "printouts/tablepaging.h"

class QAction;

namespace kelvarino {

struct AppState;

// The cash statement window's report: the flats' balances of an issue's
// period by side, the totals, the cash and the reserves, on print-settings
// slot 4. The figures were computed before the window opened.
class CashStatementReport : public PreviewReport
{
public:
    CashStatementReport(AppState &state, const PeriodResults &results, int issueIndex);

    int slot() const override { return 4; }
    QString title() const override { return QStringLiteral("Ταμείο διαχείρισης"); }
    int helpTopic() const override { return 5020; }
    ReportSizes bestBoxSizes(PageSurface &target) override;
    QStringList widthNames() const override;
    QStringList heightNames() const override;
    SizeRule heightRule(int index) const override;
    void defaultPrintParameters(PrintSetting &slot) override;
    LayoutOutcome preparePrint(ReportLayout &layout) override;
    LayoutFailureText failureText(int code) const override;
    void printPage(const PageRequest &page) override;
    void setUpWindow(ReportPreview &window) override;

    const TablePaging &paging() const { return paging_; }

private:
    PrintSetting &settings() const;
    void syncTicks();
    void drawBuildingBlock(PageSurface &s, const QRectF &area, bool onePageColumn, double k, double zoom);
    void drawPeriodBlock(PageSurface &s, const QRectF &area, bool onePageColumn, double k, double zoom);
    double drawFlatColumn(PageSurface &s, int first, int last, double x, double y, bool header, double k);
    double drawAmountGroup(PageSurface &s, int group, int first, int last, double x, double y, bool header, double k);

    AppState &state_;
    const PeriodResults &results_;
    int issueIndex_;
    FlatTableSamples samples_;
    TablePaging paging_;
    int fittedFontStep_ = 25;
    ReportPreview *window_ = nullptr;
    QAction *independency_ = nullptr;
};

} // namespace kelvarino
