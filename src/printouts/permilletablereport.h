#pragma once

#include "core/sharetimeline.h"
#include "printouts/flattablereport.h"

#include <QList>

class QAction;
class QMenu;

namespace kelvarino {

// The per-mille table window's report: every flat's per-mille values and
// reductions per category for the current share period or a closed one, on
// print-settings slot 6.
class PerMilleTableReport : public FlatTableReport
{
public:
    explicit PerMilleTableReport(AppState &state);

    int slot() const override { return 6; }
    QString title() const override { return QStringLiteral("Χιλιοστά"); }
    int helpTopic() const override { return 5020; }
    QStringList widthNames() const override;
    void defaultPrintParameters(PrintSetting &slot) override;
    void printPage(const PageRequest &page) override;
    PageFooter pageFooter(int row, int column, int rows, int columns, const QDateTime &now) const override;
    void setUpWindow(ReportPreview &window) override;

    // The period shown: 0 the current one, i the closed period ending on
    // slice i's boundary. Choosing one lays the table out again.
    int shownPeriod() const { return shownPeriod_; }
    void choosePeriod(int period);
    QMenu *periodsMenu() const { return periods_; }
    const ShareTimeline &timeline() const { return timeline_; }

protected:
    TableMeasures measures(const PrintSetting &slot) const override;
    TableProblem problem(int code) const override;
    void syncTicks() override;

private:
    void drawFlatColumns(PageSurface &s, int first, int last, double x, double &y, bool header, double k,
                         double &right);
    void drawCategory(PageSurface &s, int category, int first, int last, double x, double &y, bool header,
                      double k, double &right);

    ShareTimeline timeline_;
    int shownPeriod_ = 0;
    mutable bool widthChosen_ = false;
    QMenu *periods_ = nullptr;
    QList<QAction *> periodItems_;
    QAction *bold_ = nullptr;
    QAction *variable_ = nullptr;
};

} // namespace kelvarino
