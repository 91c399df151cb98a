#include "platform/qtprinterservice.h"

#include <QPrinterInfo>

namespace kelvarino {

QStringList QtPrinterService::printerNames() const
{
    QStringList names = QPrinterInfo::availablePrinterNames();
    if (!names.contains(BuiltInPdfPrinterName()))
        names.append(BuiltInPdfPrinterName());
    return names;
}

QString QtPrinterService::currentPrinterName() const
{
    const QString name = QPrinterInfo::defaultPrinterName();
    return name.isEmpty() ? BuiltInPdfPrinterName() : name;
}

} // namespace kelvarino
