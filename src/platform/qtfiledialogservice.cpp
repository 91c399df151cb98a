#include "platform/qtfiledialogservice.h"

#include "platform/qtmodalcursor.h"
#include "platform/titlewidth.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QMimeDatabase>
#include <QAbstractFileIconProvider>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <algorithm>

namespace kelvarino {

namespace {

// The dialog's captions as the program words them (the toolkit's translation
// gives the rest of the dialog).
void setGreekLabels(QFileDialog &dialog, QFileDialog::AcceptMode mode)
{
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Αναζήτηση σε:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Όνομα αρχείου:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Τύπος αρχείων:"));
    dialog.setLabelText(QFileDialog::Accept,
                        mode == QFileDialog::AcceptOpen ? QStringLiteral("Άνοιγμα") : QStringLiteral("Αποθήκευση"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Άκυρο"));
}

// The detail view's columns, as the toolkit's file model numbers them.
enum FileColumn { SizeColumn = 1, TypeColumn = 2, DateColumn = 3 };

// A file's size in the program's locale: "231,49 kB".
QString SizeText(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 2, QLocale::DataSizeTraditionalFormat);
}

// The widest texts of the size column: a size just below the next unit, in
// bytes and in each unit up to the gigabytes ("1024,00 kB").
QStringList WidestSizeTexts()
{
    QStringList texts;
    for (const int bits : {10, 20, 30, 40})
        texts.append(SizeText((qint64(1) << bits) - 1));
    return texts;
}

// The toolkit writes the detail view's sizes and dates in the system's locale,
// whatever the program chose: these columns are written in the program's own.
class GreekFileDetails final : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (role == Qt::DisplayRole && files) {
            const QModelIndex source = mapToSource(index);
            if (index.column() == SizeColumn && !files->isDir(source))
                return SizeText(files->size(source));
            if (index.column() == DateColumn)
                return QLocale::c().toString(files->lastModified(source), QStringLiteral("d/M/yyyy H:mm"));
        }
        return QIdentityProxyModel::data(index, role);
    }
};

void showGreekDetails(QFileDialog &dialog)
{
    dialog.setProxyModel(new GreekFileDetails(&dialog));
    auto *view = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
    if (!view)
        return;
    // Room for the longer Greek kinds of file (such as the exported lists'),
    // for every size the column can show and for a whole date, each under
    // its whole header.
    const QFontMetrics metrics(view->font());
    const auto widthOf = [&](const QString &text) {
        return metrics.horizontalAdvance(text) + 2 * metrics.averageCharWidth();
    };
    QHeaderView *header = view->header();
    int sizeWidth = header->sectionSizeHint(SizeColumn);
    for (const QString &text : WidestSizeTexts())
        sizeWidth = std::max(sizeWidth, widthOf(text));
    header->resizeSection(SizeColumn, sizeWidth);
    header->resizeSection(TypeColumn, widthOf(QStringLiteral("Λογιστικό φύλλο Excel 2007")));
    header->resizeSection(DateColumn,
                          std::max(header->sectionSizeHint(DateColumn), widthOf(QStringLiteral("30/12/2030 23:59"))));
    // Once laid out on the screen, a dialog wide enough to show every column,
    // the date included.
    QTimer::singleShot(0, view, [view] {
        QWidget *window = view->window();
        const int missing = view->header()->length() + 2 * view->frameWidth() +
                            view->verticalScrollBar()->sizeHint().width() - view->width();
        const QRect screen = window->screen()->availableGeometry();
        const int room = screen.width() - window->frameGeometry().width();
        if (missing <= 0 || room <= 0)
            return;
        QRect wider = window->geometry();
        wider.setWidth(wider.width() + std::min(missing, room));
        wider.moveCenter(QPoint(window->geometry().center().x(), wider.center().y()));
        window->setGeometry(wider.translated(std::max(0, screen.left() - wider.left()), 0));
    });
}

// Names a file's kind and icon from its name alone. The toolkit's own provider
// reads a file's first bytes when its name does not tell its kind, and a file
// whose reading blocks (a FIFO, a link to /proc/kmsg) would then hold the
// dialog's listing, and the dialog with it, for good. Folders, drives and
// links keep the toolkit's names, which it gives without reading anything.
class NameOnlyFileKinds final : public QAbstractFileIconProvider
{
public:
    using QAbstractFileIconProvider::icon;

    QIcon icon(const QFileInfo &info) const override
    {
        if (info.isRoot())
            return icon(Drive);
        if (info.isDir())
            return icon(Folder);
        const QMimeType kind = kindOf(info);
        const QIcon themed = QIcon::fromTheme(kind.iconName(), QIcon::fromTheme(kind.genericIconName()));
        return themed.isNull() ? icon(File) : themed;
    }

    QString type(const QFileInfo &info) const override
    {
        if (!info.isFile())
            return QAbstractFileIconProvider::type(info);
        const QMimeType kind = kindOf(info);
        return kind.comment().isEmpty() ? kind.name() : kind.comment();
    }

private:
    QMimeType kindOf(const QFileInfo &info) const
    {
        return kinds_.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    }

    QMimeDatabase kinds_;
};

// Asked before a save dialog's choice replaces an existing file.
bool confirmReplace(QWidget *owner, const QString &path)
{
    TitledMessageBox box(QMessageBox::Warning, QStringLiteral("Επιβεβαίωση αποθήκευσης"),
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
    // The dialog starts listing the folder it is made with at once, on a
    // thread of its own, with the toolkit's provider of kinds: it is made in
    // an empty folder and sent to the one asked for once it names kinds by
    // name alone.
    NameOnlyFileKinds kinds;
    const QTemporaryDir emptyFolder;
    QFileDialog dialog(owner, request.title, emptyFolder.isValid() ? emptyFolder.path() : request.folder,
                       request.filter);
    dialog.setIconProvider(&kinds);
    dialog.setDirectory(request.folder);
    // The empty folder is no place to go back to.
    if (auto *back = dialog.findChild<QWidget *>(QStringLiteral("backButton")))
        back->setEnabled(false);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    // The replace question is ours, so that it is asked in Greek.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    setGreekLabels(dialog, mode);
    showGreekDetails(dialog);
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
