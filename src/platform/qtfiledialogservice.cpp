#include "platform/qtfiledialogservice.h"

#include "platform/qtmodalcursor.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace kelvarino {

namespace {

// Qt ships no Greek captions for its own file dialog: the program sets them.
void setGreekLabels(QFileDialog &dialog, QFileDialog::AcceptMode mode)
{
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Αναζήτηση σε:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Όνομα αρχείου:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Τύπος αρχείων:"));
    dialog.setLabelText(QFileDialog::Accept,
                        mode == QFileDialog::AcceptOpen ? QStringLiteral("Άνοιγμα") : QStringLiteral("Αποθήκευση"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Άκυρο"));
}

// Asked before a save dialog's choice replaces an existing file.
bool confirmReplace(QWidget *owner, const QString &path)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Επιβεβαίωση αποθήκευσης"),
                    QStringLiteral("Το αρχείο %1 υπάρχει ήδη.\nΘέλετε να το αντικαταστήσετε;")
                        .arg(QFileInfo(path).fileName()),
                    QMessageBox::Yes | QMessageBox::No, owner);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ναι"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Όχι"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString runFileDialog(QWidget *owner, const FileDialogRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(owner, request.title, request.folder, request.filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    // The replace question is ours, so that it is asked in Greek.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    setGreekLabels(dialog, mode);
    const QtModalCursor pointer;
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString chosen = dialog.selectedFiles().constFirst();
        if (mode == QFileDialog::AcceptOpen || !QFileInfo::exists(chosen) || confirmReplace(owner, chosen))
            return chosen;
    }
    return QString();
}

} // namespace

QString QtFileDialogService::openFile(const FileDialogRequest &request)
{
    return runFileDialog(owner_, request, QFileDialog::AcceptOpen);
}

QString QtFileDialogService::saveFile(const FileDialogRequest &request)
{
    return runFileDialog(owner_, request, QFileDialog::AcceptSave);
}

std::optional<quint32> QtFileDialogService::chooseColour(quint32 initial)
{
    const QColor start(int(initial & 0xFF), int((initial >> 8) & 0xFF), int((initial >> 16) & 0xFF));
    const QColor chosen = QColorDialog::getColor(start, owner_);
    if (!chosen.isValid())
        return std::nullopt;
    return quint32(chosen.red()) | (quint32(chosen.green()) << 8) | (quint32(chosen.blue()) << 16);
}

} // namespace kelvarino
