#pragma once

#include "shell/appcontext.h"
#include "shell/filecommands.h"
#include "shell/mainmenus.h"
#include "shell/saveoperations.h"
#include "shell/workview.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <future>

class QMenu;
class QScreen;

namespace kelvarino {

class ChildFrame;
class DataWindow;
class WallpaperArea;

// The program's main window: the menus, the wallpaper and the child data
// windows. While a child window is active its own menus replace the main
// menus. Closing it is the program's shutdown.
class MainWindow : public QMainWindow, public ShellServices, public WorkView
{
    Q_OBJECT

public:
    MainWindow(AppState &state, const Platform &platform, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The start-up: defaults, an empty new work, the autoload file, the
    // printers, then the command-line file or the offer to continue the last
    // work. The window is shown first.
    void finishStartUp();
    // Lays the window out while it is still hidden (the menu bar measures its
    // captions, loading their font), so that showing it is quick.
    void layOutHidden();

    // Binds a menu command to the window it opens; the command is disabled
    // until its window is bound. A child window is opened once: choosing the
    // command again brings the open one forward. `index` is the item's index
    // in the per-mille menu (0 elsewhere).
    using ChildWindowFactory = std::function<DataWindow *(AppContext &context, int index)>;
    using ModalWindow = std::function<void(AppContext &context, QWidget *owner)>;
    void bindChildWindow(const QString &command, ChildWindowFactory factory);
    void bindModalWindow(const QString &command, ModalWindow window);

    // Makes a window one of the main window's children, at the top left of
    // the client area (a data window opening another one).
    void showChildWindow(DataWindow *window);

    // Menu items by their names ("save", "recentFile(3)", ...) and the main
    // menus ("files", ...).
    QAction *menuAction(const QString &name) const { return menus_->action(name); }
    QMenu *mainMenu(const QString &name) const { return menus_->menu(name); }
    // Runs a menu command as its click would.
    void runCommand(const QString &name);

    AppContext &context() { return context_; }
    FileCommands &files() { return files_; }
    SaveOperations &saving() { return saving_; }
    WallpaperArea *clientArea() const { return area_; }
    QList<DataWindow *> childWindows() const;

    // Paints a wallpaper setting; false when its picture could not be loaded
    // (the wallpaper in force then stays).
    bool paintWallpaper(const WallpaperSetting &setting);
    // A picture wallpaper is stretched to the client width at start-up and
    // the screen's proportions.
    static QSize stretchedSize(int clientWidth, const QScreen *screen);
    // The built-in wallpaper at `size`, being painted ahead of time (on
    // another thread while the splash shows): used when the window asks for
    // that size.
    void usePreparedWallpaper(const QSize &size, std::shared_future<QImage> picture);

    // ShellServices
    bool saveDataFile(QWidget *window) override { return saving_.SaveDataFile(window); }
    bool saveDataFileAs(QWidget *window) override { return saving_.SaveDataFileAs(window); }
    void updateMenuCounts() override;
    int clientHeightTwips() const override;
    void refreshOtherWindows(QWidget *changedBy) override;
    void setFontsCaption(const QString &caption) override;
    void setPrinterCaption(const QString &caption) override;
    void recentFilesChanged() override;

    // WorkView
    void showWorkCaption() override;
    void showRecentFiles() override;
    void writeAutoloadFile() override;
    void endProgram() override;

signals:
    // The program ends: the event loop is to stop.
    void programEnded();

protected:
    void closeEvent(QCloseEvent *event) override;
    // A shortcut of the active child's menus wins over the box that has the
    // focus (Ctrl+A saves under a new name rather than selecting the text).
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The file, help and web commands; false for a command that opens a window.
    bool runOwnCommand(const QString &command, int index);
    void openChildWindow(const QString &command, int index);
    ChildFrame *adoptChild(DataWindow *window);
    // The open frame that holds a window of the same class, if any.
    ChildFrame *openFrameOfKind(const DataWindow &window) const;
    void bringForward(ChildFrame *frame);
    void childClosed(ChildFrame *frame);
    void showMenus();
    bool isChildMenuShortcut(QObject *target, const QKeySequence &key) const;
    void showHelpOfActiveWindow();

    // Start-up steps.
    void InitDefaults();
    bool LoadAutoloadParameters();
    // Paints the wallpaper the autoload file stores, guarded so that a picture
    // whose reading never finished at an earlier start is not read again.
    bool paintStoredWallpaper(WallpaperSetting &wallpaper);
    void InitPrinters();
    QImage builtInWallpaper(const QSize &size);

    // Shutdown.
    bool closeChildWindows();
    bool mayEnd();

    AppContext context_;
    SaveOperations saving_;
    FileCommands files_;
    WallpaperArea *area_;
    MainMenus *menus_;
    QHash<QString, ChildWindowFactory> childFactories_;
    QHash<QString, ModalWindow> modalWindows_;
    QHash<QString, QPointer<ChildFrame>> openFrames_;
    QPointer<ChildFrame> menusOf_;
    // The built-in wallpaper last painted, kept for its size.
    QSize builtInSize_;
    std::shared_future<QImage> builtInPicture_;
    int stretchWidth_ = 0;
    bool ending_ = false;
};

} // namespace kelvarino
