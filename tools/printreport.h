#pragma once

// The frame of the developer tool printreport: each report adds itself with
// one file tools/printreport_<name>.cpp that registers a PrintReportEntry.

#include "core/appstate.h"
#include "platform/platform.h"
#include "printing/printingcontext.h"

#include <QString>

#include <functional>
#include <vector>

namespace kelvarino {

class PreviewReport;

// One run of the tool: the opened data file's state, a headless platform
// (questions answered Yes, the built-in PDF printer writing the output file),
// the number given on the command line as typed, the index of the record it
// names once the report has looked it up (-1 before) and the output file.
struct PrintReportRun
{
    AppState &state;
    Platform platform;
    PrintingContext printing;
    QString number;
    int index = -1;
    QString outputPdf;
};

// A report of the tool. run: the report's own command sequence, then its
// printing (usually PrintReportToPdf); false when it stopped, after its
// message was shown through run.platform.messages.
struct PrintReportEntry
{
    QString name;
    bool takesNumber = false;
    std::function<bool(PrintReportRun &run)> run;
};

// The reports registered so far.
std::vector<PrintReportEntry> &PrintReportEntries();
bool RegisterPrintReport(PrintReportEntry entry);

// Looks the run's number up as the list window of its kind numbers its
// records (α/α, from 1; listed as the window lists them at opening) and sets
// run.index to the record it names. A number that names none (0, too large,
// negative, or not a number at all) gets the tool's one message for every
// report, "Δεν υπάρχει <what> με αριθμό N.", and the answer false.
bool NumberNamesEntry(PrintReportRun &run, const std::vector<int> &listed, const QString &what);
// The same for the issues window and the payments window.
bool NumberNamesIssue(PrintReportRun &run);
bool NumberNamesPayment(PrintReportRun &run);

// Lays the report out in its preview window (not shown) with the file's
// stored print settings and prints every page, one copy, to the built-in PDF
// printer. False when the layout fails (its message shown) or the job fails.
bool PrintReportToPdf(PrintReportRun &run, PreviewReport &report);

} // namespace kelvarino

// In a tools/printreport_<name>.cpp:
//   KV_PRINT_REPORT(collective, "collective", true, [](PrintReportRun &run) { ... });
#define KV_PRINT_REPORT(id, name, takesNumber, ...)                                                                   \
    namespace {                                                                                                      \
    const bool printReportRegistered_##id =                                                                          \
        ::kelvarino::RegisterPrintReport({QStringLiteral(name), takesNumber, __VA_ARGS__});                           \
    }
