#include "shell/filecommands.h"

#include "core/autoloadfile.h"
#include "core/datafile.h"
#include "core/workstate.h"
#include "platform/boundedfile.h"
#include "platform/qtmodalcursor.h"
#include "shell/passwordchangedialog.h"
#include "shell/passwordentrydialog.h"
#include "shell/pathparts.h"
#include "shell/saveoperations.h"
#include "shell/waitcursor.h"
#include "shell/workview.h"

#include <QFileInfo>

#include <memory>

namespace kelvarino {

namespace {

const QString LineFeed = QStringLiteral("\n");

QString pendingWorkTitle() { return QStringLiteral("Εργασία σε εκκρεμότητα"); }

QString replaceQuestion(bool named)
{
    return QStringLiteral("Φαίνετε ότι έχετε κάνει αλλαγές σε φορτωμένα δεδομένα. ")
        + QStringLiteral("Τα φορτωμένα δεδομένα πρόκειται να αντικατασταθούν με νέα, και οι όποιες αλλαγές θα "
                         "χαθούν ανεπιστρεπτί.")
        + LineFeed
        + (named ? QStringLiteral("Θέλετε πριν την αντικατάστασή τους να αποθηκεύσετε τα δεδομένα σας στο τρέχον "
                                  "αρχείο δεδομένων;")
                 : QStringLiteral("Θέλετε πριν την αντικατάστασή τους να αποθηκεύσετε τα δεδομένα σας σε αρχείο "
                                  "δεδομένω;"));
}

QString replaceQuestionForRecent()
{
    return QStringLiteral("Έχετε κάνει αλλαγές σε φορτωμένα δεδομένα. Τα φορτωμένα δεδομένα πρόκειται να "
                          "αντικατασταθούν με νέα, και οι όποιες αλλαγές θα χαθούν ανεπιστρεπτί.")
        + LineFeed + QStringLiteral("Θέλετε πριν την αντικατάστασή τους να αποθηκεύσετε τα δεδομένα σας;");
}

bool hasRegister(const BuildingData &work)
{
    return work.FlatCount() > 0 || work.PersonCount() > 0 || work.ProfessionalCount() > 0;
}

} // namespace

QString FileCommands::examplesFolder(const QString &programFolder)
{
    return FolderWithSeparator(programFolder + QStringLiteral("Examples"));
}

void FileCommands::ResetToNew()
{
    ResetToNewWork(context_.state);
    view_.showWorkCaption();
    view_.updateMenuCounts();
}

void FileCommands::newWork()
{
    AppState &state = context_.state;
    if (state.DataChanged) {
        const MessageAnswer answer = context_.platform.messages->show(
            {pendingWorkTitle(),
             QStringLiteral("Έχετε κάνει αλλαγές σε φορτωμένα δεδομένα. ")
                 + QStringLiteral("Με την αρχή νέας εργασίας οι όποιες αλλαγές θα χαθούν ανεπιστρεπτί.") + LineFeed
                 + QStringLiteral("Θέλετε να αποθηκεύσετε την τρέχουσα εργασία σας;"),
             MessageIcon::Exclamation, MessageButtons::YesNoCancel, MessageAnswer::Yes});
        if (answer == MessageAnswer::Cancel)
            return;
        if (answer == MessageAnswer::Yes && !saving_.SaveDataFile(window_))
            return;
    }
    ResetToNew();
    context_.platform.messages->information(
        QStringLiteral("Νέα εργασία"),
        QStringLiteral("Όλα είναι έτοιμα για να ξεκινήσετε τη νέα σας εργασία. Το πρώτο βήμα είναι ο ορισμός των "
                       "κατηγοριών των κοινών δαπανών."));
}

void FileCommands::openWork() { openFromDialog(context_.state.DataFolder, Way::Dialog); }

void FileCommands::openExample()
{
    openFromDialog(examplesFolder(context_.state.ProgramFolder), Way::Example);
}

void FileCommands::openFromDialog(const QString &startFolder, Way way)
{
    FileDialogRequest request;
    request.title = QStringLiteral("Ανάγνωση δεδομένων από αρχείο");
    request.folder = startFolder;
    request.filter = QStringLiteral("Αρχεία Κοινοχρήστων (*.s43)");
    const QString chosen = context_.platform.fileDialogs->openFile(request);
    if (chosen.isEmpty())
        return;
    const QFileInfo file(chosen);
    openSequence(FolderOf(file.absoluteFilePath()), file.fileName(), way);
}

void FileCommands::openRecentFile(int index)
{
    if (index < 0 || index >= RecentFileCount)
        return;
    const WaitCursor hourglass;
    const RecentFile &entry = context_.state.RecentFiles[size_t(index)];
    const QString folder = entry.Folder.trimmed();
    const QString name = entry.FileName.trimmed();
    const QString path = folder + name;
    // A file that is there but cannot be read is named with the reason by the
    // opening; only one that is gone leaves the list.
    const BoundedFile::Refusal found = BoundedFile::inspect(path, LargestDataFileSize());
    if (name.isEmpty() || found == BoundedFile::Refusal::Missing || found == BoundedFile::Refusal::NotRegular) {
        context_.platform.messages->error(QStringLiteral("Άνοιγμα αρχείου δεδομένων"),
                                          QStringLiteral("Το αρχείο δεδομένων του προγράμματος:") + LineFeed
                                              + LineFeed + path + LineFeed + LineFeed
                                              + QStringLiteral("δεν υπάρχει. Είτε το σβήσατε, είτε το μετακινήσατε."));
        RemoveUsedFile(context_.state, index);
        view_.showRecentFiles();
        return;
    }
    openSequence(folder, name, Way::Recent, index);
}

bool FileCommands::OpenCommandLineFile()
{
    const QString path = context_.state.CommandLinePath;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return false;
    return openSequence(path.left(slash + 1), path.mid(slash + 1), Way::CommandLine);
}

QString FileCommands::readErrorTitle(Way way)
{
    return way == Way::CommandLine ? QStringLiteral("Πρόβλημα με την ανάγνωση του αρχείου DAT")
                                   : QStringLiteral("Πρόβλημα με την ανάγνωση του αρχείου δεδομένων");
}

std::optional<FileCommands::StagedFile> FileCommands::stage(const QString &path, Way way, bool askPassword,
                                                            int recentIndex)
{
    DataFileOpening opening = OpenDataFile(path);
    if (!opening.reader) {
        context_.platform.messages->error(readErrorTitle(way), DataFileMessages::unreadableFile(path, opening.problem));
        return std::nullopt;
    }
    DataFileReader &reader = *opening.reader;
    const int version = reader.CheckDataFileVersion();
    if (version < 0) {
        context_.platform.messages->error(DataFileMessages::readTitle(), DataFileMessages::foreignFile(path));
        if (way == Way::Recent) {
            RemoveUsedFile(context_.state, recentIndex);
            view_.showRecentFiles();
        }
        return std::nullopt;
    }
    const FixedText<8> password = UnpackPassword(reader.PackedPassword());
    if (askPassword && !password.isBlank()) {
        PasswordEntryDialog dialog(password, context_.platform, window_);
        const QtModalCursor pointer;
        dialog.exec();
        if (!dialog.passwordAccepted())
            return std::nullopt;
    }
    if (!ReadIntoStaging(context_.state, reader, version)) {
        context_.platform.messages->error(DataFileMessages::readTitle(), DataFileMessages::damagedFile(path));
        return std::nullopt;
    }
    return StagedFile{password, reader.finish()};
}

bool FileCommands::settleUnsavedChanges(Way way)
{
    AppState &state = context_.state;
    const bool asked = way == Way::Recent ? state.DataChanged && hasRegister(state.Building)
                                          : way != Way::CommandLine && state.DataChanged;
    if (!asked)
        return true;
    const QString text = way == Way::Recent ? replaceQuestionForRecent() : replaceQuestion(!state.DataFileName.isEmpty());
    const MessageAnswer answer = context_.platform.messages->show(
        {pendingWorkTitle(), text, MessageIcon::Exclamation, MessageButtons::YesNoCancel, MessageAnswer::Yes});
    if (answer == MessageAnswer::Cancel)
        return false;
    if (answer == MessageAnswer::No)
        return true;
    if (way == Way::Recent || !state.DataFileName.isEmpty())
        return saving_.SaveDataFile(window_);
    return saving_.SaveDataFileAs(window_);
}

bool FileCommands::openSequence(const QString &folder, const QString &fileName, Way way, int recentIndex)
{
    AppState &state = context_.state;
    const QString path = folder + fileName;
    std::optional<StagedFile> staged = stage(path, way, true, recentIndex);
    if (!staged)
        return false;
    if (!settleUnsavedChanges(way)) {
        ClearStaging(state);
        return false;
    }
    // The work was just saved into the very file being opened: what was staged
    // before the save is stale, so the file is read again.
    if (!state.DataFileName.isEmpty() && QFileInfo(state.dataFilePath()) == QFileInfo(path)) {
        ClearStaging(state);
        staged = stage(path, way, false, recentIndex);
        if (!staged)
            return false;
    }
    state.DataFolder = folder;
    state.DataFileName = fileName;
    state.DataFileStamp = staged->stamp;
    state.AccessPassword = staged->password;
    state.PasswordSet = !staged->password.isBlank();
    CommitLoaded(state);
    view_.showWorkCaption();
    view_.updateMenuCounts();
    view_.writeAutoloadFile();
    return true;
}

void FileCommands::changePassword()
{
    AppState &state = context_.state;
    const QString twoLines = LineFeed + LineFeed;
    const QString warning = QStringLiteral(
        "Η χρήση κωδικών αν και διασφαλίζει την ακεραιότητα των δεδομένων σας από τρίτους έχει και κάποια "
        "επικινδυνότητα. Αν εσείς ξεχάσετε τον κωδικό προσπέλασης, τότε θα χάσετε τα δεδομένα σας.");
    MessageRequest request;
    request.icon = MessageIcon::Information;
    request.buttons = MessageButtons::OkCancel;
    request.defaultAnswer = MessageAnswer::Cancel;
    if (state.PasswordSet) {
        request.title = QStringLiteral("Αλλαγή κωδικού προσπέλασης των δεδομένων σας");
        request.text = QStringLiteral("Αυτή τη στιγμή τα δεδομένα σας είναι εφοδιασμένα με κωδικό προσπέλασης. ")
            + QStringLiteral("Δηλαδή, για να αναγνωστούν τα δεδομένα αυτά από αρχείο πρέπει να εισάγετε κωδικό ίδιο "
                             "με αυτόν των δεδομένων.")
            + twoLines + warning + twoLines
            + QStringLiteral("Προχωρήστε για να αφαιρέσετε τον κωδικό προσπέλασης από τα δεδομένα σας ή να τον "
                             "αλλάξετε.");
    } else {
        request.title = QStringLiteral("Πρόσθεση κωδικού προσπέλασης στα δεδομένα σας");
        request.text = QStringLiteral("Αυτή τη στιγμή τα δεδομένα σας δεν είναι εφοδιασμένα με κωδικό προσπέλασης. ")
            + QStringLiteral("Δηλαδή, για να αναγνωστούν τα δεδομένα αυτά από αρχείο δεν είναι απαραίτητο να "
                             "εισάγετε κωδικό.")
            + twoLines + warning + twoLines
            + QStringLiteral("Προχωρήστε για να προσθέσετε κωδικό προσπέλασης για τα δεδομένα σας.");
    }
    if (context_.platform.messages->show(request) != MessageAnswer::Ok)
        return;
    PasswordChangeDialog dialog(state, context_.platform, window_);
    dialog.exec();
}

} // namespace kelvarino
