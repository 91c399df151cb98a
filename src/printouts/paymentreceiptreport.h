#pragma once

#include "core/issuecommands.h"
#include "printing/previewreport.h"

namespace kelvarino {

struct AppState;

// The payment receipt window's report: the resident's and the owner's receipt
// of one payment, side by side or one a page, on print-settings slot 1. The
// balances were computed over the payment's day before the window opened.
class PaymentReceiptReport : public PreviewReport
{
public:
    PaymentReceiptReport(AppState &state, const PeriodResults &results, int paymentIndex);

    int slot() const override { return 1; }
    QString title() const override { return QStringLiteral("Απόδειξη Πληρωμής"); }
    int helpTopic() const override { return 5350; }
    ReportSizes bestBoxSizes(PageSurface &target) override;
    QStringList widthNames() const override { return {QStringLiteral("Πλάτος Απόδειξης")}; }
    QStringList heightNames() const override { return {QStringLiteral("Ύψος Γραμμών")}; }
    SizeRule widthRule(int index) const override;
    SizeRule heightRule(int index) const override;
    void readSizes(PrintSetting &slot, const ReportSizes &defaults) const override;
    void defaultPrintParameters(PrintSetting &slot) override;
    LayoutOutcome preparePrint(ReportLayout &layout) override;
    LayoutFailureText failureText(int code) const override;
    void printPage(const PageRequest &page) override;
    PageFooter pageFooter(int row, int column, int rows, int columns, const QDateTime &now) const override;
    QString pageLabel(int row, int column, bool laidOut) const override;
    void setUpWindow(ReportPreview &window) override;

    // Draws one receipt with its top-left corner at (x, y) at the content
    // scale; answers where a receipt to its right begins.
    double printReceipt(PageSurface &surface, Side side, double x, double y, double scale);

private:
    AppState &state_;
    const PeriodResults &results_;
    int paymentIndex_;
    int pageColumns_ = 1;
};

} // namespace kelvarino
