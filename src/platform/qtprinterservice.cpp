#include "platform/qtprinterservice.h"

#include "platform/cupsprintsystem.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPicture>
#include <QSaveFile>
#include <QSizeF>
#include <QTemporaryFile>
#include <QThread>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace kelvarino {

namespace {

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

// Silence of the print system after which one of its answers is given up.
constexpr double PrintSystemSilenceSeconds = 2;

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

// A document for a printer of the print system: laid out into a PDF file
// exactly as the built-in printer's, on the printer's paper of the code, and
// handed to the print system at the end, which says whether it took the job.
class DesktopPrinterJob final : public PrinterJob
{
public:
    DesktopPrinterJob(const QString &name, const PrinterJobRequest &request) : writer_(&file_)
    {
        const QPageLayout layout = paperLayout(request, false);
        writer_.setResolution(1200);
        writer_.setPageLayout(layout);
        writer_.setCreator(QStringLiteral("Κελβαρίνο"));
        submission_.printer = name;
        submission_.title = QStringLiteral("Κελβαρίνο");
        submission_.media = layout.pageSize().key();
        submission_.landscape = request.orientation == LandscapeOrientation;
        submission_.copies = request.copies;
    }
    bool open() { return file_.open(); }
    QPaintDevice *device() override { return &writer_; }
    bool makesCopies() const override { return true; }
    bool newPage() override { return writer_.newPage(); }
    bool end() override
    {
        if (!file_.flush() || file_.error() != QFileDevice::NoError)
            return false;
        submission_.file = file_.fileName();
        answer_ = SubmitToPrintSystem(submission_, PrintSystemSilenceSeconds);
        return answer_.taken;
    }
    QString refusal() const override { return answer_.reason; }
    bool printSystemSilent() const override { return answer_.silent; }

private:
    QTemporaryFile file_;
    QPdfWriter writer_;
    PrintSystemJob submission_;
    PrintSystemAnswer answer_;
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
    startReading();
}

struct QtPrinterService::ListReading
{
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    // A question gave up waiting for it: when it ends, its list is older
    // than the next question and is read again.
    bool abandoned = false;
    PrinterList list;
};

namespace {

// Waits for the reading until the time limit, repainting the windows
// meanwhile; true when it finished.
bool awaitReading(QtPrinterService::ListReading &reading, std::chrono::milliseconds limit)
{
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + limit;
    const QCoreApplication *application = QCoreApplication::instance();
    const bool repaint = application && QThread::currentThread() == application->thread();
    std::unique_lock lock(reading.mutex);
    // A working print system answers before the windows need repainting.
    reading.finished.wait_for(lock, 100ms, [&] { return reading.done; });
    while (!reading.done && steady_clock::now() < deadline) {
        if (repaint) {
            lock.unlock();
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 50);
            lock.lock();
        }
        reading.finished.wait_for(lock, 50ms, [&] { return reading.done; });
    }
    return reading.done;
}

} // namespace

void QtPrinterService::startReading() const
{
    if (reading_) {
        const std::lock_guard lock(reading_->mutex);
        if (!reading_->done || !reading_->abandoned)
            return;
    }
    reading_ = std::make_shared<ListReading>();
    // Detached: a print server that never answers must not hold up the end
    // of the program either.
    std::thread([reading = reading_] {
        PrinterList list = ReadPrintSystemPrinters(PrintSystemSilenceSeconds);
        const std::lock_guard lock(reading->mutex);
        reading->list = std::move(list);
        reading->done = true;
        reading->finished.notify_all();
    }).detach();
}

PrinterList QtPrinterService::listPrinters() const
{
    startReading();
    const std::shared_ptr<ListReading> reading = reading_;
    PrinterList list;
    if (awaitReading(*reading, std::chrono::milliseconds(ListTimeLimitMs))) {
        const std::lock_guard lock(reading->mutex);
        list = reading->list;
        if (reading_ == reading)
            reading_.reset();
    } else {
        const std::lock_guard lock(reading->mutex);
        reading->abandoned = true;
        list.answered = false;
    }
    if (!list.names.contains(BuiltInPdfPrinterName()))
        list.names.append(BuiltInPdfPrinterName());
    if (list.answered)
        papers_ = list.papers;
    known_ = list;
    return list;
}

PrinterList QtPrinterService::knownPrinters() const
{
    return known_ ? *known_ : listPrinters();
}

QString QtPrinterService::currentPrinterName() const
{
    if (current_.isEmpty()) {
        const QString name = knownPrinters().defaultName;
        current_ = name.isEmpty() ? BuiltInPdfPrinterName() : name;
    }
    return current_;
}

PrinterPapers QtPrinterService::papersOf(const QString &name) const
{
    return papers_.value(name);
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
        const int stated = name == BuiltInPdfPrinterName() ? 0 : papersOf(name).defaultCode;
        paper_ = stated > 0 ? stated : 9;
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
    // A printer whose papers the print system has not stated is not refused one.
    const QList<int> supported = papersOf(currentPrinterName()).supported;
    if (!supported.isEmpty() && !supported.contains(code))
        return;
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
    if (!job->open())
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
    PictureJob(FixedPrinterService::Job &record, bool failEnd, const QString &refusal)
        : record_(record), failEnd_(failEnd), refusal_(refusal)
    {
    }
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
    QString refusal() const override { return failEnd_ ? refusal_ : QString(); }

private:
    FixedPrinterService::Job &record_;
    bool failEnd_;
    QString refusal_;
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

PrinterList FixedPrinterService::listPrinters() const
{
    ++listQuestions;
    if (whileAsked)
        whileAsked();
    return knownPrinters();
}

PrinterList FixedPrinterService::knownPrinters() const
{
    if (!printSystemAnswers)
        return {{BuiltInPdfPrinterName()}, QString(), {}, false};
    return {names, QString(), refusingPrinters, true};
}

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
    return std::make_unique<PictureJob>(jobs.last(), failJobEnd || !jobRefusal.isEmpty(), jobRefusal);
}

} // namespace kelvarino
