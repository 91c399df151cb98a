#pragma once

#include "core/appstate.h"
#include "platform/platform.h"
#include "printing/printingcontext.h"

class QWidget;

namespace kelvarino {

// What the main window offers the windows it opens: saving the work, the menu
// captions with record counts, its client height (the data windows fit their
// rows to it), the way back to the other open data windows, and the two
// printer captions of the main menu.
class ShellServices : public PrinterMenuCaptions
{
public:
    virtual ~ShellServices() = default;
    // Saves into the current file (asks for a name when there is none); false
    // when the work was not saved because of a failure or a cancelled dialog.
    virtual bool saveDataFile(QWidget *window) = 0;
    virtual bool saveDataFileAs(QWidget *window) = 0;
    virtual void updateMenuCounts() = 0;
    // In twips.
    virtual int clientHeightTwips() const = 0;
    // Another window changed a list: every other open data window rebuilds
    // itself from the data.
    virtual void refreshOtherWindows(QWidget *changedBy) = 0;
};

// The title bar and borders of a child window's frame, which a window fitted
// to the main window's client height leaves room for (twips).
inline constexpr double ChildFrameTwips = 480;

// Everything a window is handed: the shared state, the platform services and
// the shell.
struct AppContext
{
    AppState &state;
    Platform platform;
    ShellServices *shell = nullptr;
    // The dialogs of the report windows: null for the real ones; tests script them.
    PrintingDialogs *printingDialogs = nullptr;
};

// What the printing windows are handed, from a window's context.
inline PrintingContext PrintingContextOf(const AppContext &context, QWidget *owner = nullptr)
{
    return PrintingContext{context.state, context.platform, context.printingDialogs, context.shell, owner};
}

} // namespace kelvarino
