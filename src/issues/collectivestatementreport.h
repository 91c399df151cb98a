#pragma once

#include "core/issuecommands.h"
#include "issues/collectivelayout.h"
#include "printing/previewreport.h"

#include <optional>

class QAction;
class QWidget;

namespace kelvarino {

struct AppContext;
struct AppState;

// The collective statement of an issue ("Συγκεντρωτική κατάσταση
// δαπανών-χρεώσεων") as a report of the report preview: a header band with
// the building, the administrator, the announcement, the period and the
// total; the period's expenses in narrow columns; and the flat table, made of
// a totals block, an individual-charges block and one block per category
// with common expenses. It reads the results of the issue's command and the
// issue; it changes nothing but its print-settings slot.
class CollectiveStatementReport : public PreviewReport
{
public:
    CollectiveStatementReport(const AppState &state, const PeriodResults &results, int issueIndex);

    int slot() const override;
    QString title() const override;
    int helpTopic() const override { return 5020; }
    QString helpSection() const override { return QStringLiteral("statement"); }
    ReportSizes bestBoxSizes(PageSurface &target) override;
    QStringList widthNames() const override;
    QStringList heightNames() const override;
    void readSizes(PrintSetting &slot, const ReportSizes &defaults) const override;
    void restoreDefaultSizes(PrintSetting &slot, const ReportSizes &defaults) const override;
    void defaultPrintParameters(PrintSetting &slot) override;
    LayoutOutcome preparePrint(ReportLayout &layout) override;
    LayoutFailureText failureText(int code) const override;
    void printPage(const PageRequest &page) override;
    void setUpWindow(ReportPreview &window) override;

    // The layout model, for the tests.
    const StatementPlacement &placement() const { return placement_; }
    const std::vector<ExpenseListRow> &listRows() const { return listRows_; }
    bool laidOut() const { return laidOut_; }
    double serialColumnWidth() const { return serialColumnWidth_; }

    // The caption of the menu entry "Αριθμός στηλών δαπανών ανά σελίδα = n".
    static QString ExpenseColumnsCaption(const PrintSetting &slot);

private:
    StatementGeometry geometryOf(const PrintSetting &slot, double printableWidth, double printableHeight) const;
    void expenseColumnsClicked();

    const AppState &state_;
    const PeriodResults &results_;
    int issueIndex_;
    std::vector<ExpenseListRow> listRows_;
    StatementPlacement placement_;
    bool laidOut_ = false;
    double serialColumnWidth_ = 0;
    // The font step of the fitted cells, kept from one to the next.
    int fittedCellStep_ = 25;
    ReportPreview *window_ = nullptr;
    QAction *expenseColumns_ = nullptr;
};

// Opens the statement of the issue at `issueIndex` modally over `owner`, from
// the results its command left.
void OpenCollectiveStatement(AppContext &context, QWidget *owner, const PeriodResults &results, int issueIndex);

} // namespace kelvarino
