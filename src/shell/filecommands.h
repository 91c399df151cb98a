#pragma once

#include "core/datafilesource.h"
#include "core/fixedtext.h"
#include "shell/appcontext.h"

#include <optional>

class QWidget;

namespace kelvarino {

class SaveOperations;
class WorkView;

// The file commands of the main menu: a new work, the four ways of opening a
// data file (open dialog, examples folder, recent file, command line) with
// their one open sequence, and the password command. A failure or refusal at
// any step leaves the current work as it was.
class FileCommands
{
public:
    FileCommands(AppContext &context, WorkView &view, SaveOperations &saving, QWidget *window)
        : context_(context), view_(view), saving_(saving), window_(window)
    {
    }

    void newWork();
    void openWork();
    void openExample();
    void openRecentFile(int index);
    bool OpenCommandLineFile();
    void changePassword();
    // An empty new work: caption, labels, counts, default print settings.
    void ResetToNew();

    static QString examplesFolder(const QString &programFolder);

private:
    enum class Way { Dialog, Example, Recent, CommandLine };
    void openFromDialog(const QString &startFolder, Way way);
    bool openSequence(const QString &folder, const QString &fileName, Way way, int recentIndex = -1);
    // A file read into the staging copy: its password and its stamp.
    struct StagedFile
    {
        FixedText<8> password;
        FileStamp stamp;
    };
    // Reads the file into the staging copy; nothing when it was refused (its
    // message shown) or its password not given.
    std::optional<StagedFile> stage(const QString &path, Way way, bool askPassword, int recentIndex);
    // The question about unsaved changes; false when the opening must end.
    bool settleUnsavedChanges(Way way);
    static QString readErrorTitle(Way way);

    AppContext &context_;
    WorkView &view_;
    SaveOperations &saving_;
    QWidget *window_;
};

} // namespace kelvarino
