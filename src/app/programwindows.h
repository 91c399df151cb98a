#pragma once

namespace kelvarino {

class MainWindow;

// Binds every menu command of the main window whose window exists to that
// window, and lets data windows open one another inside the main window.
void BindProgramWindows(MainWindow &mainWindow);

} // namespace kelvarino
