#pragma once

#include "notifications/notificationpainter.h"
#include "notifications/notificationrows.h"
#include "notifications/notificationtexts.h"
#include "printing/previewreport.h"
#include "printing/printingcontext.h"

#include <QList>

#include <memory>

class QAction;
class QMenu;

namespace kelvarino {

class PageSink;
class ReportPreview;

// The notifications window: each flat's notification sheet of an issue, one
// flat at a time, with the resident's and the owner's receipts beside its
// first page, previewed exactly as printed; prints the shown flat or all
// flats in one document. A report preview on print-settings slot 3 that adds
// the flats menu, the receipts switch, its own fit and its two print jobs.
class NotificationsWindow final : public PreviewReport
{
public:
    NotificationsWindow(const PrintingContext &context, const NotificationSource &source, QWidget *parent = nullptr);
    ~NotificationsWindow() override;

    // Opens on flat 0 and runs modally.
    int showModal();
    // The opening without the modal run (tests, the tool).
    void load();

    ReportPreview &window() { return *window_; }
    int currentFlat() const { return currentFlat_; }
    const NotificationRows &rows() const { return rows_; }

    // "Διαμέρισμα": shows flat k (nothing when it is shown already).
    void showFlat(int flat);
    // "Να περιλαμβάνονται και οι αποδείξεις".
    void toggleReceipts();
    // The two print commands: the print-parameters dialog, then the job.
    void sendShownFlatToPrinter();
    void sendAllFlatsToPrinter();
    // The all-flats job for given answers, without the dialog (the tool).
    bool printAllFlats(const PrintChoice &choice);

    // The report's side of the preview.
    int slot() const override;
    QString title() const override;
    int helpTopic() const override;
    QString helpSection() const override;
    ReportSizes bestBoxSizes(PageSurface &target) override;
    QStringList widthNames() const override;
    QStringList heightNames() const override;
    SizeRule widthRule(int index) const override;
    void readSizes(PrintSetting &slot, const ReportSizes &defaults) const override;
    void defaultPrintParameters(PrintSetting &slot) override;
    LayoutOutcome preparePrint(ReportLayout &layout) override;
    LayoutFailureText failureText(int code) const override;
    void printPage(const PageRequest &page) override;
    QString footerPagePart(int row, int column, int rows, int columns) const override;
    void setUpWindow(ReportPreview &window) override;
    void printDocument(ReportPreview &window, PageSink &pages, bool allPages) override;

    // The message of a sheet that does not fit.
    static QString FitMessage();

private:
    void buildFlatsMenu(ReportPreview &window);
    void switchReceiptsOff();
    // Every page of the shown flat, or only the shown page.
    void printCurrentFlat(PageSink &pages, bool allPages);
    void printEveryFlat(PageSink &pages, bool allPages);

    PrintingContext context_;
    NotificationSource source_;
    NotificationRows rows_;
    NotificationPainter painter_;
    int currentFlat_ = -1;
    int pageCount_ = 0;
    QAction *receiptsItem_ = nullptr;
    QList<QAction *> flatItems_;
    std::unique_ptr<ReportPreview> window_;
};

} // namespace kelvarino

namespace kelvarino {

struct PeriodResults;

// The notifications of an issue, opened by the issues window's row button
// once the notifications' command has computed its results: shows the window
// modally over `owner` on the live building.
void ShowNotifications(const PrintingContext &context, const PeriodResults &results, int issueIndex);

} // namespace kelvarino
