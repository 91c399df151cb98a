#pragma once

#include "shell/appcontext.h"

class QWidget;

namespace kelvarino {

class WorkView;

// The two save operations of every window: into the current file, or under a
// name chosen in the save dialog. Both answer false when the work was not
// saved because writing failed or the dialog was cancelled (true also when
// there was nothing to save or the user declined to save an empty work).
// A failure or cancellation clears EndAfterSave; when it is set, a save that
// completes ends the program.
class SaveOperations
{
public:
    SaveOperations(AppContext &context, WorkView &view) : context_(context), view_(view) {}

    bool SaveDataFile(QWidget *window);
    bool SaveDataFileAs(QWidget *window);
    // Asks before a work without flats, persons and professionals is saved.
    bool ConfirmSaveWithoutRegister();

    static QString unchangedText();
    static QString emptyWorkText();

private:
    enum class Caller { Save, SaveAs };
    // Writes the work to the path; shows the failure's message and clears
    // EndAfterSave when it fails.
    bool writeWork(const QString &path, Caller caller);
    bool failed();

    AppContext &context_;
    WorkView &view_;
};

} // namespace kelvarino
