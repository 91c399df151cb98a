#pragma once

#include <functional>

class QCloseEvent;
class QWidget;

namespace kelvarino {

struct AppContext;
class DataWindow;
class ShellServices;

// How a register window opens another data window modeless (the flats window
// its order window, the order window the flats window again). The main window
// installs an opener that makes the window one of its children; without one
// the window opens as a window of its own.
using DataWindowOpener = std::function<void(DataWindow *window)>;
void SetDataWindowOpener(DataWindowOpener opener);
void OpenDataWindow(DataWindow *window);
// A new data window of type W, for the places that name the window to open.
template <class W>
DataWindow *NewDataWindow(AppContext &context)
{
    return new W(context);
}

// Closes a data window the way its close box does: the child frame around it
// when it has one, else the window itself. False when the close was refused.
bool CloseDataWindow(QWidget *window);

// The close of a window with a closing check: the check runs unless the main
// window has just run it (approved); a window that closes refreshes the main
// menu's counts.
void CheckedClose(QCloseEvent *event, bool &approved, const std::function<bool()> &check, ShellServices *shell);

} // namespace kelvarino
