// The other printouts of printreport: cash ISSUE, permille, receipt PAYMENT,
// persons and professionals.
#include "printreport.h"

#include "core/issuecommands.h"
#include "printing/printjob.h"
#include "printouts/cashstatementreport.h"
#include "printouts/contactlistpage.h"
#include "printouts/paymentreceiptreport.h"
#include "printouts/permilletablereport.h"

using namespace kelvarino;

namespace {

bool PrintList(PrintReportRun &run, ContactListKind kind)
{
    const ContactListSpec &spec = ContactListSpecOf(kind);
    if (ContactEntryCount(run.state.Building, kind) < 1) {
        run.platform.messages->error(spec.emptyTitle, spec.emptyText);
        return false;
    }
    ContactListPage page(run.printing, kind);
    return page.printList(1, true);
}

} // namespace

KV_PRINT_REPORT(cash, "cash", true, [](PrintReportRun &run) {
    if (!NumberNamesIssue(run))
        return false;
    PeriodResults results;
    if (PrepareCashStatement(run.state.Building, run.index, *run.platform.messages, results)
        != CommandOutcome::OpenReport)
        return false;
    CashStatementReport report(run.state, results, run.index);
    return PrintReportToPdf(run, report);
})

KV_PRINT_REPORT(permille, "permille", false, [](PrintReportRun &run) {
    if (run.state.Building.FlatCount() < 1) {
        run.platform.messages->error(QStringLiteral("Εκτύπωση χιλιοστών"),
                                     QStringLiteral("Για να προχωρήσετε σε εκτύπωση χιλιοστών θα πρέπει να έχετε "
                                                    "ορίσει έστω και ένα διαμέρισμα."));
        return false;
    }
    PerMilleTableReport report(run.state);
    return PrintReportToPdf(run, report);
})

KV_PRINT_REPORT(receipt, "receipt", true, [](PrintReportRun &run) {
    if (!NumberNamesPayment(run))
        return false;
    PeriodResults results;
    if (PreparePaymentReceipt(run.state.Building, run.index, *run.platform.messages, results)
        != CommandOutcome::OpenReport)
        return false;
    PaymentReceiptReport report(run.state, results, run.index);
    return PrintReportToPdf(run, report);
})

KV_PRINT_REPORT(persons, "persons", false, [](PrintReportRun &run) { return PrintList(run, ContactListKind::Persons); })

KV_PRINT_REPORT(professionals, "professionals", false,
                [](PrintReportRun &run) { return PrintList(run, ContactListKind::Professionals); })
