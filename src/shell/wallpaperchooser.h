#pragma once

#include "shell/datawindow.h"

#include <QDir>

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;

namespace kelvarino {

class MainWindow;

// The wallpaper chooser: the built-in picture, one colour, or a picture file
// of the user's, previewed in the main window's proportions. "Εφαρμογή" paints
// the choice on the main window and stores it in the autoload file; leaving
// without it keeps the wallpaper in force.
class WallpaperChooser : public DataWindow
{
public:
    static constexpr int HelpTopic = 12030;

    WallpaperChooser(AppContext &context, MainWindow &mainWindow);

    QList<QMenu *> menus() const override { return menus_; }
    int helpTopic() const override { return HelpTopic; }

    void chooseMode(int mode);
    void applyWallpaper();
    void pickColour();
    // Points the lists at a folder; false when it cannot be read.
    bool showFolder(const QString &folder);
    // Previews the file of the list.
    void previewFile(const QString &fileName);

    const WallpaperSetting &editedWallpaper() const { return edited_; }
    QListWidget *fileList() const { return files_; }
    QListWidget *folderList() const { return folders_; }
    QComboBox *fileTypes() const { return types_; }
    QLabel *pathLabel() const { return pathLabel_; }
    QLabel *preview() const { return colourPreview_; }
    QLabel *previewImage() const { return picturePreview_; }
    QString folder() const { return folder_.absolutePath(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void arrangeForChoice(int mode);
    void fitPreviewImage(const QSize &pictureSize);
    bool loadPreviewPicture(const QString &path);
    // Shows no picture and no path.
    void clearPreviewPicture();
    // The message for a picture file the program cannot read.
    void refusePicture();
    void locateStoredPicture();
    void fillFiles();
    void setPreviewColour(quint32 rgb);

    MainWindow &main_;
    WallpaperSetting edited_;
    QList<QMenu *> menus_;
    QAction *choices_[3] = {};
    QDir folder_;
    QListWidget *folders_;
    QListWidget *files_;
    QComboBox *types_;
    QLabel *colourPreview_;
    QLabel *picturePreview_;
    QLabel *pathLabel_;
    // The file of the picture the preview shows; empty when it shows none
    // (or the built-in one). The path under the preview names it.
    QString shownPath_;
    QLabel *folderLabel_;
    QWidget *listsPanel_;
};

} // namespace kelvarino
