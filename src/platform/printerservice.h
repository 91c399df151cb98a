#pragma once

#include <QString>
#include <QStringList>

namespace kelvarino {

// The name of the printer that every installation has: it writes the document
// to a PDF file chosen in a save dialog, so printing works on any machine.
inline QString BuiltInPdfPrinterName() { return QStringLiteral("PDF"); }

// The printers the program can print on, by device name.
class PrinterService
{
public:
    virtual ~PrinterService() = default;
    // The installed printers in the platform's order, the built-in one last.
    virtual QStringList printerNames() const = 0;
    // The device name of the platform's current printer.
    virtual QString currentPrinterName() const = 0;
};

// The test double: a fixed list (by default only the built-in printer).
class FixedPrinterService final : public PrinterService
{
public:
    QStringList printerNames() const override { return names; }
    QString currentPrinterName() const override { return current; }
    QStringList names{BuiltInPdfPrinterName()};
    QString current = BuiltInPdfPrinterName();
};

} // namespace kelvarino
