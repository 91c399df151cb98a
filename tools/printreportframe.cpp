#include "printreport.h"

#include "printing/reportpreview.h"

namespace kelvarino {

std::vector<PrintReportEntry> &PrintReportEntries()
{
    static std::vector<PrintReportEntry> entries;
    return entries;
}

bool RegisterPrintReport(PrintReportEntry entry)
{
    PrintReportEntries().push_back(std::move(entry));
    return true;
}

bool PrintReportToPdf(PrintReportRun &run, PreviewReport &report)
{
    ReportPreview preview(run.printing, report);
    preview.load();
    if (!preview.hasPages())
        return false;
    PrintChoice choice;
    choice.confirmed = true;
    choice.copies = 1;
    choice.allPages = true;
    return preview.printPages(choice);
}

} // namespace kelvarino
