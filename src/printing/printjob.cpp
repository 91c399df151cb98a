#include "printing/printjob.h"
#include "platform/waitcursor.h"

#include "printing/pagegeometry.h"
#include "printing/pagesurface.h"

#include <QApplication>
#include <QPaintDevice>
#include <QPainter>

namespace kelvarino {

bool ApplyPaperAndOrientation(const Platform &platform, int paperCode, int orientation)
{
    PrinterService &printer = *platform.printers;
    if (printer.paperCode() == paperCode && printer.orientation() == orientation)
        return true;
    if (printer.paperCode() != paperCode) {
        printer.setPaperCode(paperCode);
        if (printer.paperCode() != paperCode) {
            platform.messages->error(QStringLiteral("Πρόβλημα με το μέγεθος σελίδας"),
                                     QStringLiteral("Το μέγεθος σελίδας που επιλέχθηκε δεν υποστηρίζεται από τον "
                                                    "προτιμώμενο εκτυπωτή. Αλλάξτε εκτυπωτή ή αλλάξτε μέγεθος "
                                                    "σελίδας."));
            return false;
        }
    }
    if (printer.orientation() != orientation) {
        printer.setOrientation(orientation);
        if (printer.orientation() != orientation) {
            platform.messages->error(QStringLiteral("Πρόβλημα με τν προσανατολισμό σελίδας"),
                                     QStringLiteral("Ο προσανατολισμός σελίδας που επιλέχθηκε δεν υποστηρίζεται για "
                                                    "το επιλεγμένο μέγεθος σελίδας από τον προτιμώμενο εκτυπωτή. "
                                                    "Αλλάξτε εκτυπωτή ή αλλάξτε μέγεθος σελίδας."));
            return false;
        }
    }
    return true;
}

void RestoreSystemPrinter(const AppState &state, const Platform &platform)
{
    if (state.SystemPrinter == state.ProgramPrinter || !platform.printers)
        return;
    // What the print system last said: closing a window never waits for it.
    if (platform.printers->knownPrinters().names.contains(state.SystemPrinter))
        platform.printers->setCurrentPrinter(state.SystemPrinter);
}

void ShowPrinterProblem(const Platform &platform)
{
    platform.messages->error(QStringLiteral("Εκτυπωτές"), QStringLiteral("Έχετε κάποιο πρόβλημα με τον εκτυπωτή σας."));
}

QString PrintSystemSilentText()
{
    return QStringLiteral("Το σύστημα εκτυπώσεων του υπολογιστή δεν απαντά. Δοκιμάστε ξανά σε λίγο ή επιλέξτε τον "
                          "εκτυπωτή PDF.");
}

void ShowPrintSystemSilent(const Platform &platform)
{
    platform.messages->error(QStringLiteral("Εκτυπωτές"), PrintSystemSilentText());
}

void ShowPrintSystemRefusal(const Platform &platform, const QString &what, const QString &reason)
{
    QString text = what;
    if (!reason.isEmpty())
        text += QStringLiteral("\n\nΤο σύστημα εκτυπώσεων αναφέρει: ") + reason;
    platform.messages->error(QStringLiteral("Εκτυπωτές"), text);
}

namespace {

// The pages of a job: one painter for the whole document.
class JobPages final : public PageSink
{
public:
    explicit JobPages(PrinterJob &job) : job_(job) {}
    ~JobPages() override { finish(); }

    bool begin()
    {
        QPaintDevice *device = job_.device();
        if (!device || !painter_.begin(device))
            return false;
        surface_ = std::make_unique<PainterSurface>(painter_, device->logicalDpiX() / 1440.0, true);
        return true;
    }
    PageSurface &nextPage() override
    {
        if (pages_ > 0) {
            job_.newPage();
            painter_.resetTransform();
            surface_ = std::make_unique<PainterSurface>(painter_, job_.device()->logicalDpiX() / 1440.0, true);
        }
        ++pages_;
        return *surface_;
    }
    void finish()
    {
        surface_.reset();
        if (painter_.isActive())
            painter_.end();
    }

private:
    PrinterJob &job_;
    QPainter painter_;
    std::unique_ptr<PainterSurface> surface_;
    int pages_ = 0;
};

QString askPdfFile(const PrintingContext &context)
{
    FileDialogRequest request;
    request.title = QStringLiteral("Εκτύπωση σε αρχείο PDF");
    request.folder = context.state.DataFolder;
    request.filter = QStringLiteral("Αρχεία PDF (*.pdf)");
    request.defaultSuffix = QStringLiteral("pdf");
    return context.platform.fileDialogs->saveFile(request);
}

} // namespace

bool PrintDocument(const PrintingContext &context, const PrintSetting &slot, int copies,
                   const DocumentPainter &document)
{
    const Platform &platform = context.platform;
    const WaitCursor hourglass;
    QApplication::processEvents();
    bool printed = false;
    const int orientation = slot.Portrait != 0 ? PortraitOrientation : LandscapeOrientation;
    if (ApplyPaperAndOrientation(platform, slot.PaperSize, orientation)) {
        PrinterJobRequest request;
        request.paperCode = platform.printers->paperCode();
        request.orientation = orientation;
        request.copies = std::max(1, copies);
        const PageGeometry paper = PageGeometry::of(slot);
        request.paperWidthTwips = paper.PaperWidth[0];
        request.paperHeightTwips = paper.PaperHeight[0];
        bool cancelled = false;
        if (platform.printers->currentPrinterName() == BuiltInPdfPrinterName()) {
            request.outputFile = askPdfFile(context);
            cancelled = request.outputFile.isEmpty();
        }
        if (!cancelled) {
            std::unique_ptr<PrinterJob> job = platform.printers->startJob(request);
            bool written = false;
            if (job) {
                JobPages pages(*job);
                if (pages.begin()) {
                    const int runs = job->makesCopies() ? 1 : request.copies;
                    for (int run = 0; run < runs; ++run)
                        document(pages);
                    pages.finish();
                    written = job->end();
                }
            }
            if (!written && job && job->printSystemSilent())
                ShowPrintSystemSilent(platform);
            else if (!written && job && !job->refusal().isEmpty())
                ShowPrintSystemRefusal(platform, QStringLiteral("Το σύστημα εκτυπώσεων δεν δέχτηκε την εκτύπωση."),
                                       job->refusal());
            else if (!written)
                ShowPrinterProblem(platform);
            printed = written;
        }
    }
    RestoreSystemPrinter(context.state, platform);
    return printed;
}

} // namespace kelvarino
