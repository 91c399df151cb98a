#pragma once

#include "core/issuecommands.h"
#include "printouts/flattablereport.h"

namespace kelvarino {

// The cash statement window's report: the flats' balances of an issue's
// period by side, the totals, the cash and the reserves, on print-settings
// slot 4. The figures were computed before the window opened.
class CashStatementReport : public FlatTableReport
{
public:
    CashStatementReport(AppState &state, const PeriodResults &results, int issueIndex);

    int slot() const override { return 4; }
    QString title() const override { return QStringLiteral("Ταμείο διαχείρισης"); }
    int helpTopic() const override { return 5020; }
    QStringList widthNames() const override;
    void defaultPrintParameters(PrintSetting &slot) override;
    void printPage(const PageRequest &page) override;

protected:
    TableMeasures measures(const PrintSetting &slot) const override;
    TableProblem problem(int code) const override;

private:
    void drawBuildingBlock(PageSurface &s, const QRectF &area, bool onePageColumn, double k, double zoom);
    void drawPeriodBlock(PageSurface &s, const QRectF &area, bool onePageColumn, double k, double zoom);
    double drawFlatColumn(PageSurface &s, int first, int last, double x, double y, bool header, double k);
    double drawAmountGroup(PageSurface &s, int group, int first, int last, double x, double y, bool header, double k);

    const PeriodResults &results_;
    int issueIndex_;
};

} // namespace kelvarino
