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

bool IndexNamesEntry(PrintReportRun &run, int count, const QString &what)
{
    if (run.index >= 0 && run.index < count)
        return true;
    run.platform.messages->error(QStringLiteral("printreport"),
                                 QStringLiteral("Δεν υπάρχει %1 με αριθμό %2.").arg(what).arg(run.index));
    return false;
}

bool IndexNamesIssue(PrintReportRun &run)
{
    return IndexNamesEntry(run, run.state.Building.IssueCount(), QStringLiteral("έκδοση"));
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
