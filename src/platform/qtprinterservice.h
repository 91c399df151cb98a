#pragma once

#include "platform/printerservice.h"

#include <future>

class QPrinter;

namespace kelvarino {

// Lays a desktop printer's page out for a job: the request's paper and
// orientation, drawn from the paper's top-left corner (full page) like the
// preview and the PDF, not from the corner of the printer's printable area.
void LayOutDesktopPage(QPrinter &printer, const PrinterJobRequest &request);

// The printers installed on the desktop, plus the built-in PDF printer.
class QtPrinterService final : public PrinterService
{
public:
    QStringList printerNames() const override;
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

    // Loads the desktop's printer support on another thread, ahead of the
    // first question about printers.
    void prepare();

private:
    void awaitPrinterSupport() const;

    std::future<void> loading_;
    mutable QString current_;
    mutable int paper_ = 0; // 0: not yet read from the printer
    int orientation_ = PortraitOrientation;
};

} // namespace kelvarino
