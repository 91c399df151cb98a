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
// the index given on the command line (-1 when none) and the output file.
struct PrintReportRun
{
    AppState &state;
    Platform platform;
    PrintingContext printing;
    int index = -1;
    QString outputPdf;
};

// A report of the tool. run: the report's own command sequence, then its
// printing (usually PrintReportToPdf); false when it stopped, after its
// message was shown through run.platform.messages.
struct PrintReportEntry
{
    QString name;
    bool takesIndex = false;
    std::function<bool(PrintReportRun &run)> run;
};

// The reports registered so far.
std::vector<PrintReportEntry> &PrintReportEntries();
bool RegisterPrintReport(PrintReportEntry entry);

// Whether the run's index names one of the count entries of a kind (an issue,
// a payment); otherwise shows the tool's one message for every report,
// "Δεν υπάρχει <what> με αριθμό N.", and answers false. IndexNamesIssue is it
// for the issues.
bool IndexNamesEntry(PrintReportRun &run, int count, const QString &what);
bool IndexNamesIssue(PrintReportRun &run);

// Lays the report out in its preview window (not shown) with the file's
// stored print settings and prints every page, one copy, to the built-in PDF
// printer. False when the layout fails (its message shown) or the job fails.
bool PrintReportToPdf(PrintReportRun &run, PreviewReport &report);

} // namespace kelvarino

// In a tools/printreport_<name>.cpp:
//   KV_PRINT_REPORT(collective, "collective", true, [](PrintReportRun &run) { ... });
#define KV_PRINT_REPORT(id, name, takesIndex, ...)                                                                   \
    namespace {                                                                                                      \
    const bool printReportRegistered_##id =                                                                          \
        ::kelvarino::RegisterPrintReport({QStringLiteral(name), takesIndex, __VA_ARGS__});                           \
    }
