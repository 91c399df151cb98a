#pragma once

#include "platform/printerservice.h"

#include <QMap>

#include <memory>
#include <optional>

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
    PrinterList knownPrinters() const override;
    // The current printer: the desktop's default printer at first, the
    // built-in one when there is none or the print system did not answer.
    QString currentPrinterName() const override;
    void setCurrentPrinter(const QString &name) override;
    int paperCode() const override;
    void setPaperCode(int code) override;
    int orientation() const override { return orientation_; }
    void setOrientation(int orientation) override;
    QStringList screenFonts() const override;
    QStringList printerFonts() const override;
    std::unique_ptr<PrinterJob> startJob(const PrinterJobRequest &request) override;

    // Starts reading the printer list on another thread ahead of the first
    // question.
    void prepare();

    struct ListReading;

private:
    void startReading() const;
    // The papers of a printer as the print system last stated them.
    PrinterPapers papersOf(const QString &name) const;

    // The reading of the list under way, shared with its thread; a reading
    // that outlived the time limit is waited for again by the next question
    // rather than started a second time.
    mutable std::shared_ptr<ListReading> reading_;
    // The outcome of the last question, and the papers of the last answer:
    // what the windows' thread knows of the print system without asking it.
    mutable std::optional<PrinterList> known_;
    mutable QMap<QString, PrinterPapers> papers_;
    mutable QString current_;
    mutable int paper_ = 0; // 0: not yet read from the printer
    int orientation_ = PortraitOrientation;
};

} // namespace kelvarino
