#pragma once

#include "platform/printerservice.h"

namespace kelvarino {

// The printers installed on the desktop, plus the built-in PDF printer.
class QtPrinterService final : public PrinterService
{
public:
    QStringList printerNames() const override;
    // Asks the desktop for its printers ahead of time; the next printerNames()
    // answers from that list.
    void prefetch();
    // The desktop's default printer; the built-in one when there is none.
    QString currentPrinterName() const override;

private:
    mutable QStringList prefetched_;
};

} // namespace kelvarino
