#include "printouts/printoutopeners.h"

#include "core/issuecommands.h"
#include "printing/reportpreview.h"
#include "printouts/cashstatementreport.h"
#include "printouts/contactlistpage.h"
#include "printouts/paymentreceiptreport.h"
#include "printouts/permilletablereport.h"
#include "shell/appcontext.h"
#include "shell/reportopeners.h"


namespace kelvarino {

namespace {

void RunPreview(AppContext &context, QWidget *owner, PreviewReport &report)
{
    ReportPreview window(PrintingContextOf(context, owner), report, owner);
    window.load();
    if (PrintoutWindowRunners().preview) {
        PrintoutWindowRunners().preview(window);
        return;
    }
    window.exec();
}

void RunList(AppContext &context, QWidget *owner, ContactListKind kind)
{
    ContactListPage window(PrintingContextOf(context, owner), kind, owner);
    if (PrintoutWindowRunners().list)
        PrintoutWindowRunners().list(window);
    else
        window.exec();
}

// The opener of a contact list from its data window: the window's own
// message when the list is empty.
std::function<void(AppContext &, QWidget *)> ListOpener(ContactListKind kind)
{
    return [kind](AppContext &context, QWidget *owner) {
        const ContactListSpec &spec = ContactListSpecOf(kind);
        if (ContactEntryCount(context.state.Building, kind) < 1) {
            context.platform.messages->error(spec.emptyTitle, spec.emptyText);
            return;
        }
        RunList(context, owner, kind);
    };
}

} // namespace

PrintoutRunners &PrintoutWindowRunners()
{
    static PrintoutRunners runners;
    return runners;
}

void OpenPersonsList(AppContext &context, QWidget *owner)
{
    RunList(context, owner, ContactListKind::Persons);
}

void OpenProfessionalsList(AppContext &context, QWidget *owner)
{
    RunList(context, owner, ContactListKind::Professionals);
}

void OpenPerMilleTable(AppContext &context, QWidget *owner)
{
    PerMilleTableReport report(context.state);
    RunPreview(context, owner, report);
}

void OpenCashStatement(AppContext &context, QWidget *owner, const PeriodResults &results, int issueIndex)
{
    if (issueIndex < 0 || issueIndex >= context.state.Building.IssueCount())
        return;
    CashStatementReport report(context.state, results, issueIndex);
    RunPreview(context, owner, report);
}

void OpenPaymentReceipt(AppContext &context, QWidget *owner, int paymentIndex)
{
    PeriodResults results;
    if (PreparePaymentReceipt(context.state.Building, paymentIndex, *context.platform.messages, results)
        != CommandOutcome::OpenReport)
        return;
    PaymentReceiptReport report(context.state, results, paymentIndex);
    RunPreview(context, owner, report);
}

void BindPrintoutOpeners(ReportOpeners &openers)
{
    openers.cashStatement = OpenCashStatement;
    openers.paymentReceipt = OpenPaymentReceipt;
    openers.personsList = ListOpener(ContactListKind::Persons);
    openers.professionalsList = ListOpener(ContactListKind::Professionals);
}

} // namespace kelvarino
