#pragma once

namespace kelvarino {

class MainFrm;

// Binds every menu command of the main window whose window exists to that
// window, and lets data windows open one another inside the main window.
void BindProgramWindows(MainFrm &mainWindow);

} // namespace kelvarino
