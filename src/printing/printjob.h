#pragma once

#include "printing/printingcontext.h"

#include <functional>

namespace kelvarino {

class PageSurface;

// Sets the current printer's paper and orientation (1 portrait, 2 landscape)
// and reads them back; a refusal shows its message and answers false (a
// refused orientation leaves the paper changed).
bool ApplyPaperAndOrientation(const Platform &platform, int paperCode, int orientation);

// Makes the system printer current again when it is not the program printer.
void RestoreSystemPrinter(const AppState &state, const Platform &platform);

// The pages of one printed document, in order: each call gives the surface of
// the next page; a new sheet is begun only between pages. Coordinates are
// twips from the paper's top-left corner.
class PageSink
{
public:
    virtual ~PageSink() = default;
    virtual PageSurface &nextPage() = 0;
};

// Draws a whole document once; called once per copy the printer cannot make.
using DocumentPainter = std::function<void(PageSink &pages)>;

// One print job on the current printer (the print-parameters dialog made the
// program printer current): paper and orientation of the slot, copies, the
// document, end; always ends with the system printer current again. The
// built-in PDF printer first asks for the file (a cancelled dialog prints
// nothing) and writes it whole or not at all. A job that cannot start or whose
// output cannot be written shows "Έχετε κάποιο πρόβλημα με τον εκτυπωτή σας.".
// Answers whether the document was printed.
bool PrintDocument(const PrintingContext &context, const PrintSetting &slot, int copies,
                   const DocumentPainter &document);

// The message of a printer that cannot print.
void ShowPrinterProblem(const Platform &platform);

// The message of a print system that did not answer in time, and its words.
void ShowPrintSystemSilent(const Platform &platform);
QString PrintSystemSilentText();

// The message of a job the print system does not take: what happened, then
// the print system's own reason when it gave one.
void ShowPrintSystemRefusal(const Platform &platform, const QString &what, const QString &reason);

} // namespace kelvarino
