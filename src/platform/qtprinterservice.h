#pragma once

#include "platform/printerservice.h"

#include <future>

namespace kelvarino {

// The printers installed on the desktop, plus the built-in PDF printer.
class QtPrinterService final : public PrinterService
{
public:
    QStringList printerNames() const override;
    // The desktop's default printer; the built-in one when there is none.
    QString currentPrinterName() const override;

    // Loads the desktop's printer support on another thread, ahead of the
    // first question about printers.
    void prepare();

private:
    void awaitPrinterSupport() const;

    std::future<void> loading_;
};

} // namespace kelvarino
