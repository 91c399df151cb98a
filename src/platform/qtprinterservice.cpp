#include "platform/qtprinterservice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPicture>
#include <QPluginLoader>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QSizeF>

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

// A printer paper code as a page size; A4 for a code the platform does not know.
QPageSize pageSizeOf(int paperCode)
{
    const QPageSize::PageSizeId id = QPageSize::id(paperCode);
    if (id == QPageSize::Custom || QPageSize::windowsId(id) != paperCode)
        return QPageSize(QPageSize::A4);
    return QPageSize(id);
}

QPageLayout::Orientation layoutOrientation(int orientation)
{
    return orientation == LandscapeOrientation ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// The page of a job: a desktop printer prints on its own paper of the code;
// the PDF printer's page is the paper as laid out when the request gives it
// (a standard size within a point or two keeps its name).
QPageLayout paperLayout(const PrinterJobRequest &request, bool asLaidOut)
{
    QPageSize size = pageSizeOf(request.paperCode);
    if (asLaidOut && request.paperWidthTwips > 0 && request.paperHeightTwips > 0) {
        size = QPageSize(QSizeF(request.paperWidthTwips / 20, request.paperHeightTwips / 20), QPageSize::Point,
                         QString(), QPageSize::FuzzyMatch);
    }
    return QPageLayout(size, layoutOrientation(request.orientation), QMarginsF());
}

} // namespace

void LayOutDesktopPage(QPrinter &printer, const PrinterJobRequest &request)
{
    // A new layout brings the standard mode back, whose page starts at the
    // printer's printable corner: full page is set after it.
    printer.setPageLayout(paperLayout(request, false));
    printer.setFullPage(true);
}

namespace {

class PdfJob final : public PrinterJob
{
public:
    explicit PdfJob(const PrinterJobRequest &request) : file_(request.outputFile), writer_(&file_)
    {
        writer_.setResolution(1200);
        writer_.setPageLayout(paperLayout(request, true));
        writer_.setCreator(QStringLiteral("Κελβαρίνο"));
    }
    bool open() { return file_.open(QIODevice::WriteOnly); }
    QPaintDevice *device() override { return &writer_; }
    bool makesCopies() const override { return false; }
    bool newPage() override { return writer_.newPage(); }
    bool end() override { return file_.commit(); }

private:
    QSaveFile file_;
    QPdfWriter writer_;
};

class DesktopPrinterJob final : public PrinterJob
{
public:
    DesktopPrinterJob(const QString &name, const PrinterJobRequest &request)
        : printer_(QPrinterInfo::printerInfo(name), QPrinter::HighResolution)
    {
        LayOutDesktopPage(printer_, request);
        printer_.setCopyCount(request.copies);
        printer_.setDocName(QStringLiteral("Κελβαρίνο"));
    }
    bool valid() const { return printer_.isValid(); }
    QPaintDevice *device() override { return &printer_; }
    bool makesCopies() const override { return printer_.supportsMultipleCopies(); }
    bool newPage() override { return printer_.newPage(); }
    bool end() override { return printer_.printerState() != QPrinter::Error && printer_.printerState() != QPrinter::Aborted; }

private:
    QPrinter printer_;
};

} // namespace

std::unique_ptr<PrinterJob> StartPdfJob(const PrinterJobRequest &request)
{
    if (request.outputFile.isEmpty())
        return nullptr;
    auto job = std::make_unique<PdfJob>(request);
    if (!job->open())
        return nullptr;
    return job;
}

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
    if (current_.isEmpty()) {
        awaitPrinterSupport();
        const QString name = QPrinterInfo::defaultPrinterName();
        current_ = name.isEmpty() ? BuiltInPdfPrinterName() : name;
    }
    return current_;
}

void QtPrinterService::setCurrentPrinter(const QString &name)
{
    if (name == currentPrinterName())
        return;
    current_ = name;
    paper_ = 0;
    orientation_ = PortraitOrientation;
}

int QtPrinterService::paperCode() const
{
    if (paper_ == 0) {
        const QString name = currentPrinterName();
        int code = 9;
        if (name != BuiltInPdfPrinterName()) {
            const int id = QPrinterInfo::printerInfo(name).defaultPageSize().windowsId();
            if (id > 0)
                code = id;
        }
        paper_ = code;
    }
    return paper_;
}

void QtPrinterService::setPaperCode(int code)
{
    if (currentPrinterName() == BuiltInPdfPrinterName()) {
        if (code > 0)
            paper_ = code;
        return;
    }
    const QPageSize size = pageSizeOf(code);
    if (size.windowsId() != code)
        return; // a paper no printer here knows
    const QString name = currentPrinterName();
    if (name != BuiltInPdfPrinterName()) {
        const QList<QPageSize> supported = QPrinterInfo::printerInfo(name).supportedPageSizes();
        const bool known = std::any_of(supported.begin(), supported.end(),
                                       [&](const QPageSize &s) { return s.isEquivalentTo(size); });
        if (!supported.isEmpty() && !known)
            return;
    }
    paper_ = code;
}

void QtPrinterService::setOrientation(int orientation)
{
    if (orientation == PortraitOrientation || orientation == LandscapeOrientation)
        orientation_ = orientation;
}

QStringList QtPrinterService::screenFonts() const
{
    return QFontDatabase::families();
}

QStringList QtPrinterService::printerFonts() const
{
    return QFontDatabase::families();
}

std::unique_ptr<PrinterJob> QtPrinterService::startJob(const PrinterJobRequest &request)
{
    const QString name = currentPrinterName();
    if (name == BuiltInPdfPrinterName())
        return StartPdfJob(request);
    auto job = std::make_unique<DesktopPrinterJob>(name, request);
    if (!job->valid())
        return nullptr;
    return job;
}

// ---------------------------------------------------------------- the test double

namespace {

// A printer of the double other than the built-in one: pages are pictures that
// are counted in the job's record.
class PictureJob final : public PrinterJob
{
public:
    PictureJob(FixedPrinterService::Job &record, bool failEnd) : record_(record), failEnd_(failEnd) {}
    QPaintDevice *device() override
    {
        if (record_.pages == 0)
            record_.pages = 1;
        return &picture_;
    }
    bool makesCopies() const override { return true; }
    bool newPage() override
    {
        ++record_.pages;
        return true;
    }
    bool end() override
    {
        record_.ended = !failEnd_;
        return !failEnd_;
    }

private:
    FixedPrinterService::Job &record_;
    bool failEnd_;
    QPicture picture_;
};

// The built-in printer of the double: a real PDF file, and the record.
class RecordedPdfJob final : public PrinterJob
{
public:
    RecordedPdfJob(std::unique_ptr<PrinterJob> pdf, FixedPrinterService::Job &record, bool failEnd)
        : pdf_(std::move(pdf)), record_(record), failEnd_(failEnd)
    {
    }
    QPaintDevice *device() override
    {
        if (record_.pages == 0)
            record_.pages = 1;
        return pdf_->device();
    }
    bool makesCopies() const override { return false; }
    bool newPage() override
    {
        ++record_.pages;
        return pdf_->newPage();
    }
    bool end() override
    {
        if (failEnd_)
            return false; // the temporary file is dropped; an earlier file stays
        record_.ended = pdf_->end();
        return record_.ended;
    }

private:
    std::unique_ptr<PrinterJob> pdf_;
    FixedPrinterService::Job &record_;
    bool failEnd_;
};

} // namespace

void FixedPrinterService::setCurrentPrinter(const QString &name)
{
    madeCurrent.append(name);
    current = name;
}

void FixedPrinterService::setPaperCode(int code)
{
    if (!refusedPapers.value(current).contains(code))
        paper = code;
}

void FixedPrinterService::setOrientation(int value)
{
    if (!refusedOrientations.value(current).contains(value))
        orient = value;
}

QStringList FixedPrinterService::screenFonts() const
{
    return screenFontList ? *screenFontList : QFontDatabase::families();
}

QStringList FixedPrinterService::printerFonts() const
{
    if (printerFontLists.contains(current))
        return printerFontLists.value(current);
    return screenFonts();
}

std::unique_ptr<PrinterJob> FixedPrinterService::startJob(const PrinterJobRequest &request)
{
    if (failJobStart)
        return nullptr;
    if (current == BuiltInPdfPrinterName()) {
        auto pdf = StartPdfJob(request);
        if (!pdf)
            return nullptr;
        jobs.append({current, request, 0, false});
        return std::make_unique<RecordedPdfJob>(std::move(pdf), jobs.last(), failJobEnd);
    }
    jobs.append({current, request, 0, false});
    return std::make_unique<PictureJob>(jobs.last(), failJobEnd);
}

} // namespace kelvarino
