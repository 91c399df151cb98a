#include "platform/qtprinterservice.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>
#include <QPrinterInfo>

namespace kelvarino {

namespace {

// Loading the printer support plugin with the print system's client library
// and all it needs is the slow part of the first question about printers.
// Only the loading happens here: the plugin itself is made on the GUI thread
// by that first question, so the password prompt it installs serves the
// printing done there.
void loadPrinterSupportLibraries(const QStringList &pluginFolders)
{
    for (const QString &folder : pluginFolders) {
        const QDir printSupport(folder + QStringLiteral("/printsupport"));
        for (const QString &file : printSupport.entryList(QDir::Files))
            QPluginLoader(printSupport.filePath(file)).load();
    }
}

} // namespace

void QtPrinterService::prepare()
{
    loading_ = std::async(std::launch::async, loadPrinterSupportLibraries, QCoreApplication::libraryPaths());
}

void QtPrinterService::awaitPrinterSupport() const
{
    if (loading_.valid())
        loading_.wait();
}

QStringList QtPrinterService::printerNames() const
{
    awaitPrinterSupport();
    QStringList names = QPrinterInfo::availablePrinterNames();
    if (!names.contains(BuiltInPdfPrinterName()))
        names.append(BuiltInPdfPrinterName());
    return names;
}

QString QtPrinterService::currentPrinterName() const
{
    awaitPrinterSupport();
    const QString name = QPrinterInfo::defaultPrinterName();
    return name.isEmpty() ? BuiltInPdfPrinterName() : name;
}

} // namespace kelvarino
