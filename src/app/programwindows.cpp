#include "programwindows.h"

#include "accounts/permillewindow.h"
#include "accounts/expenseswindow.h"
#include "accounts/paymentswindow.h"
#include "occupancy/administratorswindow.h"
#include "occupancy/professionalorderwindow.h"
#include "occupancy/professionalswindow.h"
#include "occupancy/occupancywindow.h"
#include "issues/issueswindow.h"
#include "notifications/notificationswindow.h"
#include "printing/fontoverviewwindow.h"
#include "printing/selectprinter.h"
#include "printouts/printoutopeners.h"
#include "register/expensecategoryorderwindow.h"
#include "register/expensecategorieswindow.h"
#include "register/flatswindow.h"
#include "register/flatorderwindow.h"
#include "register/personorderwindow.h"
#include "register/personswindow.h"
#include "register/buildingidwindow.h"
#include "register/windowopener.h"
#include "shell/mainwindow.h"
#include "shell/reportopeners.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include <memory>

namespace kelvarino {

namespace {

// A child window of one kind, made on its context.
template <typename Window>
MainWindow::ChildWindowFactory child()
{
    return [](AppContext &context, int) -> DataWindow * { return new Window(context); };
}

// The per-mille window: one at a time, whichever category's item is chosen;
// an open one is shown again.
MainWindow::ChildWindowFactory perMilleWindow()
{
    // Shared, because the main window calls a copy of the factory.
    auto open = std::make_shared<QPointer<PerMilleWindow>>();
    return [open](AppContext &context, int category) -> DataWindow * {
        if (*open) {
            if (auto *frame = qobject_cast<QMdiSubWindow *>((*open)->parentWidget())) {
                frame->showNormal();
                if (QMdiArea *area = frame->mdiArea())
                    area->setActiveSubWindow(frame);
            }
            return nullptr;
        }
        if (!PerMilleWindow::mayOpen(context))
            return nullptr;
        *open = new PerMilleWindow(context, category);
        return *open;
    };
}

} // namespace

void BindProgramWindows(MainWindow &mainWindow)
{
    mainWindow.bindChildWindow(QStringLiteral("expenseCategories"), child<ExpenseCategoriesWindow>());
    mainWindow.bindChildWindow(QStringLiteral("expenseCategoryOrder"), child<ExpenseCategoryOrderWindow>());
    mainWindow.bindChildWindow(QStringLiteral("flats"), child<FlatsWindow>());
    mainWindow.bindChildWindow(QStringLiteral("flatOrder"), child<FlatOrderWindow>());
    mainWindow.bindChildWindow(QStringLiteral("persons"), child<PersonsWindow>());
    mainWindow.bindChildWindow(QStringLiteral("personOrder"), child<PersonOrderWindow>());
    mainWindow.bindChildWindow(QStringLiteral("buildingId"), child<BuildingIdWindow>());
    mainWindow.bindChildWindow(QStringLiteral("categoryPerMille"), perMilleWindow());
    mainWindow.bindChildWindow(QStringLiteral("expenses"), child<ExpensesWindow>());
    mainWindow.bindChildWindow(QStringLiteral("payments"), child<PaymentsWindow>());
    mainWindow.bindChildWindow(QStringLiteral("administrators"), child<AdministratorsWindow>());
    mainWindow.bindChildWindow(QStringLiteral("owners"), child<OwnersWindow>());
    mainWindow.bindChildWindow(QStringLiteral("residents"), child<ResidentsWindow>());
    mainWindow.bindChildWindow(QStringLiteral("professionals"), child<ProfessionalsWindow>());
    mainWindow.bindChildWindow(QStringLiteral("professionalOrder"), child<ProfessionalOrderWindow>());
    mainWindow.bindChildWindow(QStringLiteral("issues"), child<IssuesWindow>());
    mainWindow.bindModalWindow(QStringLiteral("selectPrinter"), [](AppContext &context, QWidget *owner) {
        SelectPrinter selection(PrintingContextOf(context, owner), owner);
        selection.exec();
    });
    mainWindow.bindModalWindow(QStringLiteral("fonts"), [](AppContext &context, QWidget *owner) {
        FontOverviewWindow overview(PrintingContextOf(context, owner), owner);
        overview.exec();
    });
    mainWindow.bindModalWindow(QStringLiteral("contactList"), OpenPersonsList);
    mainWindow.bindModalWindow(QStringLiteral("perMilleTable"), OpenPerMilleTable);
    BindPrintoutOpeners(ProgramReportOpeners());
    SetDataWindowOpener([&mainWindow](DataWindow *window) { mainWindow.showChildWindow(window); });
    ProgramReportOpeners().notifications = [](AppContext &context, QWidget *owner, const PeriodResults &results,
                                              int issueIndex) {
        ShowNotifications(PrintingContextOf(context, owner), results, issueIndex);
    };
}

} // namespace kelvarino
