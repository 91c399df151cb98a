#pragma once

#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QPaintDevice;

namespace kelvarino {

// The name of the printer that every installation has: it writes the document
// to a PDF file chosen in a save dialog, so printing works on any machine.
inline QString BuiltInPdfPrinterName() { return QStringLiteral("PDF"); }

// Orientation codes of a printer.
inline constexpr int PortraitOrientation = 1;
inline constexpr int LandscapeOrientation = 2;

// What one print job is started with. The paper code is a printer paper code
// (9 is A4); a code the platform does not know prints on A4.
struct PrinterJobRequest
{
    int paperCode = 9;
    int orientation = PortraitOrientation;
    int copies = 1;
    QString outputFile; // the built-in PDF printer's file; unused by others
    // The portrait paper in twips as the pages are laid out on it; when set,
    // the built-in PDF printer's page is this size (the platform's own size
    // of a paper code may differ a little or be missing). A desktop printer
    // prints on its own paper of the code.
    double paperWidthTwips = 0;
    double paperHeightTwips = 0;
};

// The papers of a printer by printer paper code, as the print system states
// them; a code of 0 or an empty list: it did not say.
struct PrinterPapers
{
    int defaultCode = 0;
    QList<int> supported;
};

// What the print system answered when asked for its printers.
struct PrinterList
{
    // The installed printers in the platform's order, the built-in one last.
    QStringList names;
    // The desktop's default printer; empty when it has none.
    QString defaultName;
    // The printers that take no jobs now, each with the print system's reason
    // (empty when it gives none).
    QMap<QString, QString> refusing;
    // False when the print system did not answer within the time limit or
    // could not be reached at all: the list then holds the built-in printer
    // only, which needs no print system, and says nothing of the others.
    bool answered = true;
    // Each printer's papers, read with the list.
    QMap<QString, PrinterPapers> papers;
};

// One document on one printer. The device's origin is the paper's top-left
// corner, so a page is drawn the same way on every printer.
class PrinterJob
{
public:
    virtual ~PrinterJob() = default;
    virtual QPaintDevice *device() = 0;
    // Whether the printer makes the copies itself; when not, the document is
    // drawn that many times.
    virtual bool makesCopies() const = 0;
    virtual bool newPage() = 0;
    // Ends the document; false when the output could not be written (an
    // earlier file of that name then stays whole) or the print system did not
    // take the job.
    virtual bool end() = 0;
    // After a failed end: the print system's reason for not taking the job;
    // empty when it was not the print system that failed.
    virtual QString refusal() const { return {}; }
    // After a failed end: the print system stopped answering on the way.
    virtual bool printSystemSilent() const { return false; }
};

// The printers the program can print on, by device name; the current printer
// with its paper and orientation; the fonts of the screen and of the current
// printer; print jobs.
class PrinterService
{
public:
    virtual ~PrinterService() = default;
    // Asks the print system for its printers. The asking runs off the
    // windows' thread and is given up after a few seconds; meanwhile the
    // windows are repainted.
    virtual PrinterList listPrinters() const = 0;
    // The installed printers in the platform's order, the built-in one last.
    QStringList printerNames() const { return listPrinters().names; }
    // The list as the print system last gave it, without asking again: never
    // waits, but for the first question when none was asked yet.
    virtual PrinterList knownPrinters() const = 0;
    // The device name of the current printer (at first the platform's default).
    virtual QString currentPrinterName() const = 0;
    virtual void setCurrentPrinter(const QString &name) = 0;

    // The current printer's paper code and orientation. Setting a value the
    // printer does not support leaves the old one: callers read it back. The
    // built-in PDF printer takes every paper.
    virtual int paperCode() const = 0;
    virtual void setPaperCode(int code) = 0;
    virtual int orientation() const = 0;
    virtual void setOrientation(int orientation) = 0;

    virtual QStringList screenFonts() const = 0;
    // The fonts of the current printer (the screen's here: they are embedded).
    virtual QStringList printerFonts() const = 0;

    // Starts a document on the current printer; null when it cannot start.
    virtual std::unique_ptr<PrinterJob> startJob(const PrinterJobRequest &request) = 0;
};

// A job of the built-in PDF printer: written through a temporary file that
// replaces the target only when the document is complete. Null when the file
// cannot be opened.
std::unique_ptr<PrinterJob> StartPdfJob(const PrinterJobRequest &request);

// The test double: a fixed list of printers (by default only the built-in
// one), papers and orientations a printer refuses, font lists, jobs that can
// fail, a print system that refuses jobs or never answers, and a record of
// every job. The built-in printer writes real PDF files;
// other printers draw into pictures that are counted.
class FixedPrinterService final : public PrinterService
{
public:
    struct Job
    {
        QString printer;
        PrinterJobRequest request;
        int pages = 0; // pages drawn, the copies drawn by the program included
        bool ended = false;
    };

    PrinterList listPrinters() const override;
    PrinterList knownPrinters() const override;
    QString currentPrinterName() const override { return current; }
    void setCurrentPrinter(const QString &name) override;
    int paperCode() const override { return paper; }
    void setPaperCode(int code) override;
    int orientation() const override { return orient; }
    void setOrientation(int value) override;
    QStringList screenFonts() const override;
    QStringList printerFonts() const override;
    std::unique_ptr<PrinterJob> startJob(const PrinterJobRequest &request) override;

    QStringList names{BuiltInPdfPrinterName()};
    QString current = BuiltInPdfPrinterName();
    int paper = 9;
    int orient = PortraitOrientation;
    // Per printer name: the papers and orientations it refuses.
    QMap<QString, QSet<int>> refusedPapers;
    QMap<QString, QSet<int>> refusedOrientations;
    // Unset: the desktop's own fonts. Per printer name: its fonts.
    std::optional<QStringList> screenFontList;
    QMap<QString, QStringList> printerFontLists;
    // Printers the print system refuses jobs for, with its reason.
    QMap<QString, QString> refusingPrinters;
    // False: the print system never answers or cannot be reached (the list
    // holds the built-in printer only).
    bool printSystemAnswers = true;
    // How many times the print system was asked for its list.
    mutable int listQuestions = 0;
    // Runs while the list is asked for, where the desktop's print system lets
    // the windows' events run as it waits.
    std::function<void()> whileAsked;
    bool failJobStart = false;
    bool failJobEnd = false;
    // When set, a failed end is the print system's refusal with this reason.
    QString jobRefusal;
    // Every printer made current, in order.
    QStringList madeCurrent;
    QList<Job> jobs;
};

} // namespace kelvarino
