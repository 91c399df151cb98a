#include "programwindows.h"

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

namespace kelvarino {

namespace {

// A child window of one kind, made on its context.
template <typename Window>
MainFrm::ChildWindowFactory child()
{
    return [](AppContext &context, int) -> DataWindow * { return new Window(context); };
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
}

} // namespace kelvarino
