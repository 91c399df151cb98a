#pragma once

#include "platform/printerservice.h"

#include <future>
#include <memory>

namespace kelvarino {

// The printers installed on the desktop, plus the built-in PDF printer.
class QtPrinterService final : public PrinterService
{
public:
    // How long the windows wait for the print system's list. It only guards
    // against a print server that accepts the connection and never answers:
    // a working one answers in a fraction of a second.
    static constexpr int ListTimeLimitMs = 6000;

    PrinterList listPrinters() const override;
    // The current printer: the desktop's default printer at first, the
    // built-in one when there is none.
    QString currentPrinterName() const override;
    void setCurrentPrinter(const QString &name) override;
    int paperCode() const override;
    void setPaperCode(int code) override;
    int orientation() const override { return orientation_; }
    void setOrientation(int orientation) override;
    QStringList screenFonts() const override;
    QStringList printerFonts() const override;
    std::unique_ptr<PrinterJob> startJob(const PrinterJobRequest &request) override;

    // Starts reading the printer list, and loads the toolkit's printer support
    // (which reads the papers), on other threads ahead of the first question.
    void prepare();

    struct ListReading;

private:
    void startReading() const;
    void awaitPrinterSupport() const;

    std::future<void> loading_;
    // The reading of the list under way, shared with its thread; a reading
    // that outlived the time limit is waited for again by the next question
    // rather than started a second time.
    mutable std::shared_ptr<ListReading> reading_;
    mutable QString current_;
    mutable int paper_ = 0; // 0: not yet read from the printer
    int orientation_ = PortraitOrientation;
};

} // namespace kelvarino
