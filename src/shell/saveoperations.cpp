#include "shell/saveoperations.h"

#include "core/datafile.h"
#include "shell/workview.h"

#include "shell/pathparts.h"

#include <QFileInfo>

namespace kelvarino {

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString openFailedTitle() { return QStringLiteral("Αποθήκευση δεδομένων σε αρχείο"); }
QString openFailedText()
{
    return QStringLiteral("Η αποθήκευση των δεδομένων σας σε αρχείο απέτυχε. ")
        + QStringLiteral("Μάλλον, το μέσον στο οποίο θέλετε να εγγράψετε δεν είναι διαθέσιμο ή δεν επιτρέπει "
                         "εγγραφές.");
}

QString saveFailedTitle() { return QStringLiteral("Αποθήκευση των δεδομένων σε αρχείο DAT"); }
QString saveFailedText()
{
    return QStringLiteral("Η αποθήκευση των δεδομένων σας σε αρχείο απέτυχε. Αυτό συνέβη διότι:") + CrLf + CrLf
        + QStringLiteral("1. Προσπαθήσατε να εγγράψετε σε μέσο στο οποίο δεν επιτρέπεται η εγγραφή, πχ CDROM") + CrLf
        + QStringLiteral("2. Προσπαθήσατε να εγγράψετε σε αρχείο του οποίου η πρόσβαση δεν επιτρέπεται, πχ μόνο "
                         "για ανάγνωση")
        + CrLf + QStringLiteral("3. Το μέσον στο οποίο εγγράφετε δεν έχει τον απαιτούμενο ελεύθερο χώρο") + CrLf
        + QStringLiteral("4. Το μέσον στο οποίο εγγράφετε είναι κλειδωμένο") + CrLf;
}

QString saveAsFailedTitle() { return QStringLiteral("Αποθήκευση σε αρχείο δεδομένων"); }
QString saveAsFailedText()
{
    return QStringLiteral("Η αποθήκευση των δεδομένων σας σε αρχείο απέτυχε. ")
        + QStringLiteral("Προσπαθήσατε να εγγράψετε σε μέσο που δεν μπορείτε να εγγράψετε,")
        + QStringLiteral("ή δεν υπάρχει αρκετός ελεύθερος χώρος για εγγραφή.");
}

} // namespace

QString SaveOperations::changedOnDiskTitle() { return QStringLiteral("Αντικατάσταση αρχείου δεδομένων"); }

QString SaveOperations::changedOnDiskText(const QString &path)
{
    const QString lf = QStringLiteral("\n");
    return QStringLiteral("Το αρχείο δεδομένων:") + lf + lf + path + lf + lf
        + QStringLiteral("άλλαξε από τη στιγμή που το ανοίξατε ή το αποθηκεύσατε τελευταία φορά. Μάλλον, κάποιο άλλο "
                         "πρόγραμμα ή ένα δεύτερο αντίγραφο του προγράμματος έγραψε σε αυτό.")
        + lf + lf
        + QStringLiteral("Αν το αντικαταστήσετε με τα δεδομένα σας, οι αλλαγές εκείνες θα χαθούν ανεπιστρεπτί. Αν όχι, "
                         "τα δεδομένα σας δεν αποθηκεύονται αλλά μένουν ανοιχτά, ώστε να τα αποθηκεύσετε σε άλλο "
                         "αρχείο με την «Αποθήκευση ως ...».")
        + lf + lf + QStringLiteral("Θέλετε να αντικαταστήσετε το αρχείο;");
}

bool SaveOperations::mayWriteOver(const QString &path)
{
    const AppState &state = context_.state;
    if (!state.DataFileStamp || CompareWithDisk(path, *state.DataFileStamp) != FileOnDisk::Changed)
        return true;
    const MessageAnswer answer = context_.platform.messages->show(
        {changedOnDiskTitle(), changedOnDiskText(path), MessageIcon::Exclamation, MessageButtons::YesNo,
         MessageAnswer::No});
    return answer == MessageAnswer::Yes;
}

QString SaveOperations::unchangedText()
{
    return QStringLiteral("Τα δεδομένα σας δεν έχουν αλλάξει από την τελευταία φορά που τα αποθηκεύσατε. ")
        + QStringLiteral("Δεν θα προχωρήσουμε με την αποθήκευση των δεδομένων.");
}

QString SaveOperations::emptyWorkText()
{
    const QString lf = QStringLiteral("\n");
    return QStringLiteral("Δεν έχετε ορίσει διαμερίσατα ή εμπλεκόμενα πρόσωπα. ") + lf + lf
        + QStringLiteral("Ίσως έχετε ορίσει το αναγνωριστικό της πολυκατοικίας ή άλλα δευτερεύοντα στοιχεία. ")
        + QStringLiteral("Αυτά όμως δεν είναι αρκετά για να προχωρήσετε σε αποθήκευση δεδομένων.") + lf + lf
        + QStringLiteral("Προσπαθούμε να σας προφυλάξουμε από τυχόν λανθασμένη ενέργεια. Θέλετε να προχωρήστε με "
                         "την αποθήκευση έτσι κι αλλοιώς;");
}

bool SaveOperations::failed()
{
    context_.state.EndAfterSave = false;
    return false;
}

bool SaveOperations::ConfirmSaveWithoutRegister()
{
    const BuildingData &work = context_.state.Building;
    if (work.FlatCount() > 0 || work.PersonCount() > 0 || work.ProfessionalCount() > 0)
        return true;
    const MessageAnswer answer = context_.platform.messages->show(
        {QStringLiteral("Αποθήκευση των δεδομένων σε αρχείο"), emptyWorkText(), MessageIcon::Exclamation,
         MessageButtons::YesNo, MessageAnswer::No});
    return answer == MessageAnswer::Yes;
}

bool SaveOperations::writeWork(const QString &path, Caller caller)
{
    AppState &state = context_.state;
    const QByteArray bytes = WriteDataFile(state.Building, state.AccessPassword, state.PreferredFont);
    switch (SaveFileAtomically(path, bytes)) {
    case SaveOutcome::Saved:
        state.DataFileStamp = StampOfWrittenFile(path, bytes);
        return true;
    case SaveOutcome::OpenFailed: context_.platform.messages->error(openFailedTitle(), openFailedText()); break;
    case SaveOutcome::WriteFailed:
        if (caller == Caller::Save)
            context_.platform.messages->error(saveFailedTitle(), saveFailedText());
        else
            context_.platform.messages->error(saveAsFailedTitle(), saveAsFailedText());
        break;
    }
    return failed();
}

bool SaveOperations::SaveDataFile(QWidget *window)
{
    AppState &state = context_.state;
    if (!state.DataChanged) {
        if (state.EndAfterSave) {
            view_.endProgram();
            return true;
        }
        context_.platform.messages->information(QStringLiteral("Αποθήκευση των δεδομένων σας σε αρχείο"),
                                                unchangedText());
        return true;
    }
    if (!ConfirmSaveWithoutRegister()) {
        if (state.EndAfterSave)
            view_.endProgram();
        return true;
    }
    if (state.DataFileName.isEmpty())
        return SaveDataFileAs(window);
    const QString path = state.DataFolder + state.DataFileName;
    if (!mayWriteOver(path))
        return failed();
    if (!writeWork(path, Caller::Save))
        return false;
    state.DataChanged = false;
    if (state.EndAfterSave)
        view_.endProgram();
    return true;
}

bool SaveOperations::SaveDataFileAs(QWidget *)
{
    AppState &state = context_.state;
    FileDialogRequest request;
    request.title = QStringLiteral("Αποθήκευση των δεδομένων σε αρχείο");
    request.folder = state.DataFolder;
    request.filter = QStringLiteral("Αρχεία κοινοχρήστων (*.s43)");
    request.defaultSuffix = QStringLiteral("s43");
    const QString chosen = context_.platform.fileDialogs->saveFile(request);
    if (chosen.isEmpty())
        return failed();
    const QFileInfo target(chosen);
    if (!writeWork(target.absoluteFilePath(), Caller::SaveAs))
        return false;
    state.DataChanged = false;
    state.DataFolder = FolderOf(target.absoluteFilePath());
    state.DataFileName = target.fileName();
    view_.writeAutoloadFile();
    if (state.EndAfterSave) {
        view_.endProgram();
        return true;
    }
    view_.showWorkCaption();
    return true;
}

} // namespace kelvarino
