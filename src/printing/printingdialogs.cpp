#include "printing/printingdialogs.h"

#include "printing/fontoverviewwindow.h"
#include "printing/pagesetupdialog.h"
#include "printing/printparametersdialog.h"
#include "printing/settingvaluedialog.h"

namespace kelvarino {

PrintChoice QtPrintingDialogs::askPrintParameters(int pageRows, int pageColumns)
{
    PrintParametersDialog dialog(context_, pageRows, pageColumns);
    dialog.exec();
    return dialog.choice();
}

bool QtPrintingDialogs::pageSetup(int slot)
{
    PageSetupDialog dialog(context_, slot);
    dialog.exec();
    return dialog.confirmed();
}

bool QtPrintingDialogs::realMagnification(int slot)
{
    SettingValueDialog dialog(SettingValueDialog::RealMagnification, context_, slot);
    dialog.exec();
    return dialog.confirmed();
}

bool QtPrintingDialogs::expenseColumns(int slot)
{
    SettingValueDialog dialog(SettingValueDialog::ExpenseColumns, context_, slot);
    dialog.exec();
    return dialog.confirmed();
}

void QtPrintingDialogs::fontOverview()
{
    FontOverviewWindow dialog(context_);
    dialog.exec();
}

} // namespace kelvarino
