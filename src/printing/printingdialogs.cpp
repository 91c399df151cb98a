#include "printing/printingdialogs.h"

namespace kelvarino {

// The dialogs themselves are being built; until they land, every dialog is
// cancelled.
PrintChoice QtPrintingDialogs::askPrintParameters(int, int)
{
    return {};
}

bool QtPrintingDialogs::pageSetup(int)
{
    return false;
}

bool QtPrintingDialogs::realMagnification(int)
{
    return false;
}

bool QtPrintingDialogs::expenseColumns(int)
{
    return false;
}

void QtPrintingDialogs::fontOverview() {}

} // namespace kelvarino
