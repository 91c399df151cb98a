#pragma once

#include <functional>

class QWidget;

namespace kelvarino {

struct AppContext;
struct PeriodResults;

// How a data window opens a report window that lives in another folder. The
// program binds them at start-up (src/app); a window whose report is not bound
// keeps the button or command that would open it disabled. Tests bind their
// own and reset them afterwards.
struct ReportOpeners
{
    // The issues window's row buttons "Ειδοποιητήρια" and "Ταμείο": called
    // after the row's command sequence answered that the report opens; the
    // report reads the results and the issue at `issueIndex`, modally.
    std::function<void(AppContext &context, QWidget *owner, const PeriodResults &results, int issueIndex)>
        notifications;
    std::function<void(AppContext &context, QWidget *owner, const PeriodResults &results, int issueIndex)>
        cashStatement;
    // The payments window's row button "Απόδειξη", with the payment's index as
    // stored: the opener runs the receipt's own command sequence.
    std::function<void(AppContext &context, QWidget *owner, int paymentIndex)> paymentReceipt;
    // "Εκτύπωση" of the persons and of the professionals windows.
    std::function<void(AppContext &context, QWidget *owner)> personsList;
    std::function<void(AppContext &context, QWidget *owner)> professionalsList;
};

// The program's one set of report openers.
ReportOpeners &ProgramReportOpeners();

} // namespace kelvarino
