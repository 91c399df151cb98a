#include "printreport.h"

#include "core/listfilters.h"
#include "printing/reportpreview.h"

#include <algorithm>
#include <numeric>

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

bool NumberNamesEntry(PrintReportRun &run, const std::vector<int> &listed, const QString &what)
{
    // Only plain digits are a number; a sign, a decimal point or an exponent
    // name no record.
    const QString &text = run.number;
    bool ok = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    const qint64 number = ok ? text.toLongLong(&ok) : 0;
    run.index = ok ? RecordNumbered(listed, number) : -1;
    if (run.index >= 0)
        return true;
    run.platform.messages->error(QStringLiteral("printreport"),
                                 QStringLiteral("Δεν υπάρχει %1 με αριθμό %2.").arg(what, text));
    return false;
}

bool NumberNamesIssue(PrintReportRun &run)
{
    // The issues window lists the issues as they are kept.
    std::vector<int> listed(std::size_t(run.state.Building.IssueCount()));
    std::iota(listed.begin(), listed.end(), 0);
    return NumberNamesEntry(run, listed, QStringLiteral("έκδοση"));
}

bool NumberNamesPayment(PrintReportRun &run)
{
    // The payments window opens with every payment listed.
    PaymentFilterRecord everything;
    ResetFilter(everything, run.state.Building);
    return NumberNamesEntry(run, ListPayments(run.state.Building, everything).Indexes, QStringLiteral("πληρωμή"));
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
