#include "shell/wallpaperchooser.h"

#include "pictures/picturereader.h"
#include "platform/twips.h"
#include "shell/builtinpictures.h"
#include "shell/mainwindow.h"
#include "shell/pathparts.h"
#include "shell/waitcursor.h"
#include "shell/wallpaperarea.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace kelvarino {

namespace {

constexpr int PreviewSideTwips = 4755;

struct FileType
{
    const char *entry;
    QStringList patterns;
};

const FileType &fileType(int index)
{
    static const FileType types[] = {
        {"Όλα τα αρχεία εικόνας (bmp, gif, ico, jpg, wmf)",
         {QStringLiteral("*.bmp"), QStringLiteral("*.gif"), QStringLiteral("*.ico"), QStringLiteral("*.jpg"),
          QStringLiteral("*.wmf")}},
        {"*.bmp", {QStringLiteral("*.bmp")}},
        {"*.gif", {QStringLiteral("*.gif")}},
        {"*.ico", {QStringLiteral("*.ico")}},
        {"*.jpg", {QStringLiteral("*.jpg")}},
        {"*.wmf", {QStringLiteral("*.wmf")}},
    };
    return types[std::clamp(index, 0, 5)];
}

} // namespace

WallpaperChooser::WallpaperChooser(AppContext &context, MainWindow &mainWindow)
    : DataWindow(context),
      main_(mainWindow),
      edited_(context.state.Wallpaper),
      folders_(new QListWidget),
      files_(new QListWidget),
      types_(new QComboBox),
      colourPreview_(new QLabel),
      picturePreview_(new QLabel(colourPreview_)),
      pathLabel_(new QLabel),
      folderLabel_(new QLabel),
      listsPanel_(new QWidget)
{
    setWindowTitle(QStringLiteral("Επιλογή ταπετσαρίας"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    setFont(font);
    buildMenus();

    const int side = Twips::toPixels(PreviewSideTwips, this);
    auto *lists = new QVBoxLayout(listsPanel_);
    lists->setContentsMargins(0, 0, 0, 0);
    folders_->setFixedWidth(Twips::toPixels(4995, this));
    folderLabel_->setFixedWidth(Twips::toPixels(4995, this));
    folderLabel_->setWordWrap(true);
    lists->addWidget(folderLabel_);
    lists->addWidget(folders_, 1);
    lists->addWidget(files_, 2);
    lists->addWidget(types_);
    for (int k = 0; k < 6; ++k)
        types_->addItem(QString::fromUtf8(fileType(k).entry));

    colourPreview_->setAutoFillBackground(true);
    colourPreview_->installEventFilter(this);
    picturePreview_->setScaledContents(true);
    pathLabel_->setWordWrap(true);
    pathLabel_->setFixedWidth(side);
    auto *previewColumn = new QVBoxLayout;
    auto *previewBox = new QWidget;
    previewBox->setFixedSize(side, side);
    colourPreview_->setParent(previewBox);
    previewColumn->addWidget(previewBox);
    previewColumn->addWidget(pathLabel_);
    previewColumn->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(listsPanel_);
    layout->addLayout(previewColumn);

    connect(types_, &QComboBox::currentIndexChanged, this, [this] { fillFiles(); });
    connect(folders_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { showFolder(folder_.absoluteFilePath(item->text())); });
    // A file chosen by the mouse or by the keys is previewed; a list emptied
    // or filled anew (another folder or file type) chooses nothing.
    connect(files_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> chosen = files_->selectedItems();
        if (!chosen.isEmpty())
            previewFile(chosen.front()->text());
    });
    connect(files_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        previewFile(item->text());
        applyWallpaper();
        close();
    });

    folder_ = QDir(context.state.ProgramFolder);
    types_->setCurrentIndex(0);
    if (edited_.Mode >= WallpaperSetting::BuiltInPicture && edited_.Mode <= WallpaperSetting::PictureFile)
        chooseMode(edited_.Mode);
}

void WallpaperChooser::buildMenus()
{
    auto *choices = new QMenu(QStringLiteral("Επιλογές "), this);
    const char *captions[] = {"Επιλογή του προγράμματος", "Μονόχρωμο", "Εικόνα από αρχείο"};
    for (int mode = 0; mode < 3; ++mode) {
        choices_[mode] = choices->addAction(QString::fromUtf8(captions[mode]));
        choices_[mode]->setCheckable(true);
        connect(choices_[mode], &QAction::triggered, this, [this, mode] { chooseMode(mode); });
    }
    auto *apply = new QMenu(QStringLiteral("Εφαρμογή"), this);
    connect(apply->menuAction(), &QAction::triggered, this, &WallpaperChooser::applyWallpaper);
    auto *help = new QMenu(QStringLiteral("Βοήθεια"), this);
    connect(help->menuAction(), &QAction::triggered, this, [this] { platform().help->showTopic(HelpTopic); });
    auto *exit = new QMenu(QStringLiteral("Έξοδος"), this);
    connect(exit->menuAction(), &QAction::triggered, this, [this] { close(); });
    menus_ = {choices, apply, help, exit};
}

void WallpaperChooser::closeEvent(QCloseEvent *event)
{
    platform().help->closeAll();
    DataWindow::closeEvent(event);
}

void WallpaperChooser::setPreviewColour(quint32 rgb)
{
    QPalette colours = colourPreview_->palette();
    colours.setColor(QPalette::Window, WallpaperArea::colourOf(rgb));
    colourPreview_->setPalette(colours);
}

void WallpaperChooser::arrangeForChoice(int mode)
{
    for (int k = 0; k < 3; ++k)
        choices_[k]->setChecked(k == mode);
    listsPanel_->setVisible(mode == WallpaperSetting::PictureFile);
    pathLabel_->setVisible(mode == WallpaperSetting::PictureFile);
    picturePreview_->setVisible(mode != WallpaperSetting::OneColour);
    colourPreview_->setCursor(mode == WallpaperSetting::BuiltInPicture ? Qt::ArrowCursor : Qt::PointingHandCursor);
    colourPreview_->setToolTip(mode == WallpaperSetting::OneColour ? QStringLiteral("Κάντε click για αλλαγή χρώματος")
                           : mode == WallpaperSetting::PictureFile
                               ? QStringLiteral("Κάντε click για αλλαγή χρώματος υποβάθρου")
                               : QString());
    // The preview has the main window's proportions within its square.
    const int side = Twips::toPixels(PreviewSideTwips, this);
    const QSize client = main_.clientArea()->viewport()->size();
    QSize box(side, side);
    if (client.width() > 0 && client.height() > 0) {
        if (client.width() < client.height())
            box.setWidth(side * client.width() / client.height());
        else
            box.setHeight(side * client.height() / client.width());
    }
    colourPreview_->setGeometry((side - box.width()) / 2, (side - box.height()) / 2, box.width(), box.height());
    if (parentWidget())
        parentWidget()->adjustSize();
    else
        adjustSize();
}

void WallpaperChooser::fitPreviewImage(const QSize &pictureSize)
{
    const QSize client = main_.clientArea()->viewport()->size();
    if (client.isEmpty())
        return;
    picturePreview_->setGeometry(0, 0, colourPreview_->width() * pictureSize.width() / client.width(),
                            colourPreview_->height() * pictureSize.height() / client.height());
}

void WallpaperChooser::chooseMode(int mode)
{
    if (QWidget *frame = parentWidget())
        frame->showNormal();
    edited_.Mode = qint16(mode);
    arrangeForChoice(mode);
    switch (mode) {
    case WallpaperSetting::BuiltInPicture: {
        const QImage picture = BuiltInPictures::wallpaper();
        fitPreviewImage(picture.size());
        picturePreview_->setPixmap(QPixmap::fromImage(picture));
        setPreviewColour(Rgb(0, 128, 128));
        picturePreview_->show();
        break;
    }
    case WallpaperSetting::OneColour: setPreviewColour(edited_.Colour); break;
    case WallpaperSetting::PictureFile: locateStoredPicture(); break;
    default: break;
    }
}

bool WallpaperChooser::showFolder(const QString &folder)
{
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable())
        return false;
    folder_ = QDir(dir.canonicalPath());
    folderLabel_->setText(folder_.absolutePath());
    folders_->clear();
    if (!folder_.isRoot())
        folders_->addItem(QStringLiteral(".."));
    folders_->addItems(folder_.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    fillFiles();
    return true;
}

void WallpaperChooser::fillFiles()
{
    files_->clear();
    QDir dir = folder_;
    dir.setNameFilters(fileType(types_->currentIndex()).patterns);
    dir.setFilter(QDir::Files);
    files_->addItems(dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void WallpaperChooser::locateStoredPicture()
{
    // Until a file is found the preview shows no picture.
    clearPreviewPicture();
    setPreviewColour(edited_.Background);
    const QString path = edited_.PicturePath.trimmed();
    if (path.isEmpty() || !showFolder(QFileInfo(path).absolutePath())) {
        showFolder(state().ProgramFolder);
        return;
    }
    const QString name = QFileInfo(path).fileName();
    for (int row = 0; row < files_->count(); ++row) {
        if (files_->item(row)->text() == name) {
            files_->setCurrentRow(row); // which previews it
            return;
        }
    }
}

void WallpaperChooser::previewFile(const QString &fileName)
{
    setPreviewColour(edited_.Background);
    if (fileName.isEmpty()) {
        clearPreviewPicture();
        return;
    }
    const QString path = FolderWithSeparator(folder_.absolutePath()) + fileName;
    pathLabel_->setText(path);
    if (loadPreviewPicture(path))
        edited_.PicturePath.set(path);
}

void WallpaperChooser::clearPreviewPicture()
{
    shownPath_.clear();
    pathLabel_->clear();
    picturePreview_->clear();
}

void WallpaperChooser::refusePicture()
{
    platform().messages->error(QStringLiteral("Πρόβλημα με την ανάγνωση του αρχείου εικόνας"),
                               QStringLiteral("Δεν υποστηρίζεται το αρχείο αυτό από την εφαρμογή."));
}

bool WallpaperChooser::loadPreviewPicture(const QString &path)
{
    QImage picture;
    {
        const WaitCursor hourglass;
        picture = PictureReader::read(path);
    }
    if (picture.isNull()) {
        // The path goes back to the picture still shown, so that both, and
        // what "Εφαρμογή" applies, name the same file.
        pathLabel_->setText(shownPath_);
        refusePicture();
        return false;
    }
    picturePreview_->hide();
    fitPreviewImage(picture.size());
    picturePreview_->setPixmap(QPixmap::fromImage(picture));
    picturePreview_->show();
    shownPath_ = path;
    return true;
}

void WallpaperChooser::pickColour()
{
    quint32 *colour = edited_.Mode == WallpaperSetting::OneColour     ? &edited_.Colour
                      : edited_.Mode == WallpaperSetting::PictureFile ? &edited_.Background
                                                                      : nullptr;
    if (!colour)
        return;
    const std::optional<quint32> chosen = platform().fileDialogs->chooseColour(*colour);
    if (chosen && *chosen != *colour) {
        *colour = *chosen;
        setPreviewColour(*colour);
    }
}

void WallpaperChooser::applyWallpaper()
{
    WallpaperSetting applied = edited_;
    if (applied.Mode == WallpaperSetting::PictureFile)
        applied.PicturePath.set(pathLabel_->text());
    // A picture that cannot be loaded is refused before anything changes.
    if (!main_.paintWallpaper(applied)) {
        refusePicture();
        return;
    }
    state().Wallpaper = applied;
    main_.writeAutoloadFile();
    if (QWidget *frame = parentWidget())
        frame->showMinimized();
}

bool WallpaperChooser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == colourPreview_) {
        if (event->type() == QEvent::MouseButtonPress) {
            pickColour();
            return true;
        }
        if (event->type() == QEvent::MouseButtonDblClick) {
            pickColour();
            applyWallpaper();
            close();
            return true;
        }
    }
    return DataWindow::eventFilter(watched, event);
}

} // namespace kelvarino
