#pragma once

#include "shell/appcontext.h"

class QWidget;

namespace kelvarino {

class WorkView;

// The two save operations of every window: into the current file, or under a
// name chosen in the save dialog. Both answer false when the work was not
// saved because writing failed, the dialog was cancelled or the user would
// not write over a file another writer changed (true also when
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
    // The question before a save writes over a data file that another writer
    // changed since it was read or last saved.
    static QString changedOnDiskTitle();
    static QString changedOnDiskText(const QString &path);
    static QString emptyWorkText();

private:
    enum class Caller { Save, SaveAs };
    // Writes the work to the path; shows the failure's message and clears
    // EndAfterSave when it fails.
    bool writeWork(const QString &path, Caller caller);
    bool failed();
    // Whether the data file at path may be written over: it is still the one
    // read or last saved, or it is gone, or the user says so.
    bool mayWriteOver(const QString &path);

    AppContext &context_;
    WorkView &view_;
};

} // namespace kelvarino
