#include "platform/qtprinterservice.h"

#include <QPrinterInfo>

namespace kelvarino {

void QtPrinterService::prefetch() { prefetched_ = printerNames(); }

QStringList QtPrinterService::printerNames() const
{
    if (!prefetched_.isEmpty())
        return std::exchange(prefetched_, {});
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
