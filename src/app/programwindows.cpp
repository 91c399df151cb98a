#include "programwindows.h"

#include "accounts/dat07_percentages.h"
#include "accounts/dat08_expenses.h"
#include "accounts/dat09_payments.h"
#include "occupancy/dat04_administrators.h"
#include "occupancy/dat11_orderprofessionals.h"
#include "occupancy/dat11_professionals.h"
#include "occupancy/occupancywindow.h"
#include "issues/dat10_issuedforms.h"
#include "notifications/prn02_notifications.h"
#include "printing/fontsfrm.h"
#include "printing/selectprinter.h"
#include "printouts/printoutopeners.h"
#include "register/dat00_ordertypesofexpense.h"
#include "register/dat00_typesofexpense.h"
#include "register/dat01_flats.h"
#include "register/dat01_orderflats.h"
#include "register/dat02_orderpersons.h"
#include "register/dat02_persons.h"
#include "register/dat03_buildingname.h"
#include "register/windowopener.h"
#include "shell/mainfrm.h"
#include "shell/reportopeners.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include <memory>

namespace kelvarino {

namespace {

// A child window of one kind, made on its context.
template <typename Window>
MainFrm::ChildWindowFactory child()
{
    return [](AppContext &context, int) -> DataWindow * { return new Window(context); };
}

// The per-mille window: one at a time, whichever category's item is chosen;
// an open one is shown again.
MainFrm::ChildWindowFactory perMilleWindow()
{
    // Shared, because the main window calls a copy of the factory.
    auto open = std::make_shared<QPointer<dat07_Percentages>>();
    return [open](AppContext &context, int category) -> DataWindow * {
        if (*open) {
            if (auto *frame = qobject_cast<QMdiSubWindow *>((*open)->parentWidget())) {
                frame->showNormal();
                if (QMdiArea *area = frame->mdiArea())
                    area->setActiveSubWindow(frame);
            }
            return nullptr;
        }
        if (!dat07_Percentages::mayOpen(context))
            return nullptr;
        *open = new dat07_Percentages(context, category);
        return *open;
    };
}

} // namespace

void BindProgramWindows(MainFrm &mainWindow)
{
    mainWindow.bindChildWindow(QStringLiteral("mnuTypesOfExpense"), child<dat00_TypesofExpense>());
    mainWindow.bindChildWindow(QStringLiteral("mnuOrderTypesOfExpense"), child<dat00_OrderTypesOfExpense>());
    mainWindow.bindChildWindow(QStringLiteral("mnuFlats"), child<dat01_Flats>());
    mainWindow.bindChildWindow(QStringLiteral("mnuOrderFlats"), child<dat01_OrderFlats>());
    mainWindow.bindChildWindow(QStringLiteral("mnuPersons"), child<dat02_Persons>());
    mainWindow.bindChildWindow(QStringLiteral("mnuOrderPersons"), child<dat02_OrderPersons>());
    mainWindow.bindChildWindow(QStringLiteral("mnuBuildingName"), child<dat03_BuildingName>());
    mainWindow.bindChildWindow(QStringLiteral("mnuPercentagesOfTypeOfExpense"), perMilleWindow());
    mainWindow.bindChildWindow(QStringLiteral("mnuExpenses"), child<dat08_Expenses>());
    mainWindow.bindChildWindow(QStringLiteral("mnuPayments"), child<dat09_Payments>());
    mainWindow.bindChildWindow(QStringLiteral("mnuAdministrators"), child<dat04_Administrators>());
    mainWindow.bindChildWindow(QStringLiteral("mnuOwners"), child<dat05_Owners>());
    mainWindow.bindChildWindow(QStringLiteral("mnuResidents"), child<dat06_Residents>());
    mainWindow.bindChildWindow(QStringLiteral("mnuProfessionals"), child<dat11_Professionals>());
    mainWindow.bindChildWindow(QStringLiteral("mnuOrderProfessionals"), child<dat11_OrderProfessionals>());
    mainWindow.bindChildWindow(QStringLiteral("mnuIssueForms"), child<dat10_IssuedForms>());
    mainWindow.bindModalWindow(QStringLiteral("mnuSelectPrinter"), [](AppContext &context, QWidget *owner) {
        SelectPrinter selection(PrintingContextOf(context, owner), owner);
        selection.exec();
    });
    mainWindow.bindModalWindow(QStringLiteral("mnuFonts"), [](AppContext &context, QWidget *owner) {
        fontsfrm overview(PrintingContextOf(context, owner), owner);
        overview.exec();
    });
    mainWindow.bindModalWindow(QStringLiteral("mnuPrnExtra1"), OpenPersonsList);
    mainWindow.bindModalWindow(QStringLiteral("mnuPrnExtra2"), OpenPerMilleTable);
    BindPrintoutOpeners(ProgramReportOpeners());
    SetDataWindowOpener([&mainWindow](DataWindow *window) { mainWindow.showChildWindow(window); });
    ProgramReportOpeners().notifications = [](AppContext &context, QWidget *owner, const PeriodResults &results,
                                              int issueIndex) {
        ShowNotifications(PrintingContextOf(context, owner), results, issueIndex);
    };
}

} // namespace kelvarino
