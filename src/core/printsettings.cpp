#include "core/printsettings.h"

namespace kelvarino {

void SetDefaultPrintSettings(PrintSettingSlots &loaded)
{
    for (PrintSetting &s : loaded) {
        s.Widths.fill(0);
        s.Heights.fill(0);
        s.PaperSize = 9; // A4
        s.MarginLeft = s.MarginRight = s.MarginTop = s.MarginBottom = 1.0f;
    }
    for (int slot : {3, 4, 8}) {
        PrintSetting &s = loaded[slot];
        s.Portrait = False16;
        s.Magnification = 1.0f;
        s.PageNumbers = True16;
        s.PageIndependency = False16;
        s.ColouredPrint = True16;
        s.VariableLetterSize = False16;
    }
    loaded[4].Reserved20 = 0;
    for (int slot : {5, 6}) {
        PrintSetting &s = loaded[slot];
        s.Portrait = False16;
        s.Magnification = 1.0f;
        s.PageNumbers = True16;
        s.ExpenseColumnsPerPage = slot == 5 ? 4 : 3;
        s.PageIndependency = False16;
        s.ColouredPrint = True16;
    }
    {
        PrintSetting &s = loaded[5];
        s.BoldTitles = True16;
        s.VariableLetterSize = False16;
        s.Reserved20 = -1;
        s.Reserved40 = s.Reserved42 = s.Reserved44 = s.Reserved46 = s.Reserved48 = 0;
        s.ReceiptsOnPage = False16;
        s.Reserved52 = 0;
    }
    {
        PrintSetting &s = loaded[9];
        s.Magnification = 1.0f;
        s.PageNumbers = True16;
        s.ColouredPrint = True16;
        s.Reserved46 = 0;
        s.Reserved48 = 0;
    }
    {
        PrintSetting &s = loaded[10];
        s.ExpenseColumnsPerPage = 7;
        s.Magnification = 1.0f;
        s.PageNumbers = True16;
        s.ColouredPrint = True16;
    }
}

void ApplyPrintSettings(const PrintSettingSlots &loaded, PrintSettingSlots &live)
{
    live = loaded;
}

} // namespace kelvarino
