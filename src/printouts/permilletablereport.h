#pragma once

#include "core/sharetimeline.h"
#include "printing/previewreport.h"
#include "printouts/flattable.h"
#include "printouts/tablepaging.h"

#include <QList>

class QAction;
class QMenu;

namespace kelvarino {

struct AppState;

// The per-mille table window's report: every flat's per-mille values and
// reductions per category for the current share period or a closed one, on
// print-settings slot 6.
class PerMilleTableReport : public PreviewReport
{
public:
    explicit PerMilleTableReport(AppState &state);

    int slot() const override { return 6; }
    QString title() const override { return QStringLiteral("Χιλιοστά"); }
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

    // The period shown: 0 the current one, i the closed period ending on
    // slice i's boundary. Choosing one lays the table out again.
    int shownPeriod() const { return shownPeriod_; }
    void choosePeriod(int period);
    QMenu *periodsMenu() const { return periods_; }
    const ShareTimeline &timeline() const { return timeline_; }
    const TablePaging &paging() const { return paging_; }

private:
    PrintSetting &settings() const;
    void syncTicks();
    void drawFlatColumns(PageSurface &s, int first, int last, double x, double &y, bool header, double k,
                         double &right);
    void drawCategory(PageSurface &s, int category, int first, int last, double x, double &y, bool header,
                      double k, double &right);

    AppState &state_;
    ShareTimeline timeline_;
    int shownPeriod_ = 0;
    FlatTableSamples samples_;
    TablePaging paging_;
    int fittedFontStep_ = 25;
    ReportPreview *window_ = nullptr;
    QMenu *periods_ = nullptr;
    QList<QAction *> periodItems_;
    QAction *independency_ = nullptr;
    QAction *bold_ = nullptr;
    QAction *variable_ = nullptr;
};

} // namespace kelvarino
