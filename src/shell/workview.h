#pragma once

namespace kelvarino {

// What the file commands and the save operations need of the main window.
class WorkView
{
public:
    virtual ~WorkView() = default;
    // The caption from the current file name.
    virtual void showWorkCaption() = 0;
    virtual void updateMenuCounts() = 0;
    // The recent-file items from the recent list.
    virtual void showRecentFiles() = 0;
    // The current file heads the recent list; the autoload file is written.
    virtual void writeAutoloadFile() = 0;
    // Ends the program at once: no further question, no closing checks.
    virtual void endProgram() = 0;
};

} // namespace kelvarino
