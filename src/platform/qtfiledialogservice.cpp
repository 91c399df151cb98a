#include "platform/qtfiledialogservice.h"

#include "platform/qtmodalcursor.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>

namespace kelvarino {

namespace {

QString runFileDialog(QWidget *owner, const FileDialogRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(owner, request.title, request.folder, request.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    const QtModalCursor pointer;
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    return accepted ? dialog.selectedFiles().constFirst() : QString();
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
