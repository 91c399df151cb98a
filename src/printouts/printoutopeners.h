#pragma once

#include <functional>

class QWidget;

namespace kelvarino {

struct AppContext;
struct PeriodResults;
struct ReportOpeners;
class ContactListPage;
class ReportPreview;

// How the printout windows are run: modally over their owner. Tests replace
// the runners to look at a window instead of waiting on it.
struct PrintoutRunners
{
    std::function<void(ReportPreview &)> preview;
    std::function<void(ContactListPage &)> list;
};
PrintoutRunners &PrintoutWindowRunners();

// The windows, opened with no question asked (the main menu has checked its
// command's condition).
void OpenPersonsList(AppContext &context, QWidget *owner);
void OpenProfessionalsList(AppContext &context, QWidget *owner);
void OpenPerMilleTable(AppContext &context, QWidget *owner);
// The cash statement of an issue whose figures the issues window computed.
void OpenCashStatement(AppContext &context, QWidget *owner, const PeriodResults &results, int issueIndex);
// A payment's receipts: computes the payment's day and opens the window
// unless the computation stopped (its message shown).
void OpenPaymentReceipt(AppContext &context, QWidget *owner, int paymentIndex);

// Binds the data windows' openers: the cash statement, the receipt, and the
// two contact lists, which answer an empty list with their window's message.
void BindPrintoutOpeners(ReportOpeners &openers);

} // namespace kelvarino
