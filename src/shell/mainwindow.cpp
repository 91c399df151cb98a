#include "shell/mainwindow.h"

#include "core/autoloadfile.h"
#include "pictures/picturereader.h"
#include "platform/desktopopening.h"
#include "platform/screencover.h"
#include "platform/twips.h"
#include "shell/builtinpictures.h"
#include "shell/childframe.h"
#include "printing/fontoverviewwindow.h"
#include "printing/fontwindows.h"
#include "shell/commandpreconditions.h"
#include "shell/datawindow.h"
#include "shell/aboutbox.h"
#include "shell/mainmenus.h"
#include "shell/wallpaperchooser.h"
#include "shell/programtitle.h"
#include "shell/waitcursor.h"
#include "shell/wallpaperarea.h"
#include "shell/wallpaperreadingmark.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>

#include <typeinfo>

namespace kelvarino {

namespace {

constexpr int MainHelpTopic = 15;

// A child window's menu without items is a command on the menu bar itself:
// the bar shows a plain item that triggers the menu's own action.
QAction *barAction(QMenu *menu)
{
    if (!menu->isEmpty())
        return menu->menuAction();
    auto *command = menu->findChild<QAction *>(QStringLiteral("barCommand"), Qt::FindDirectChildrenOnly);
    if (!command) {
        QAction *own = menu->menuAction();
        command = new QAction(menu->title(), menu);
        command->setObjectName(QStringLiteral("barCommand"));
        // A disabled or hidden command looks so on the bar too.
        command->setEnabled(own->isEnabled());
        command->setVisible(own->isVisible());
        QObject::connect(own, &QAction::enabledChanged, command, &QAction::setEnabled);
        QObject::connect(own, &QAction::visibleChanged, command, [command, own] { command->setVisible(own->isVisible()); });
        QObject::connect(command, &QAction::triggered, own, &QAction::trigger);
    }
    return command;
}

QString noPrintersText()
{
    return QStringLiteral("Δεν έχετε εγκατεστημένους εκτυπωτές στο σύστημά σας. Δεν μπορείτε να εκτυπώσετε. ")
        + QStringLiteral("Αν ξέρετε ότι έχετε εγκαταστήσει εκτυπωτές, επανεκκινήστε τον υπολογιστή σας.");
}

} // namespace

MainWindow::MainWindow(AppState &state, const Platform &platform, QWidget *parent)
    : QMainWindow(parent),
      context_{state, platform, this},
      saving_(context_, *this),
      files_(context_, *this, saving_, this),
      area_(new WallpaperArea(this)),
      menus_(new MainMenus(
          this, [this](const QString &name) { runCommand(name); },
          [this](int topic) { context_.platform.help->showTopic(topic); }))
{
    setCentralWidget(area_);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    menuBar()->addActions(menus_->barActions());
    connect(area_, &QMdiArea::subWindowActivated, this, [this] { showMenus(); });
    qApp->installEventFilter(this);
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &MainWindow::showHelpOfActiveWindow);
    bindModalWindow(QStringLiteral("about"), [](AppContext &context, QWidget *owner) {
        AboutBox about(context, owner);
        about.exec();
    });
    bindChildWindow(QStringLiteral("wallpaper"),
                    [this](AppContext &context, int) { return new WallpaperChooser(context, *this); });
    showWorkCaption();
    updateMenuCounts();
}

MainWindow::~MainWindow()
{
    // The client area must not report activations while the windows go.
    disconnect(area_, nullptr, this, nullptr);
}

void MainWindow::bindChildWindow(const QString &command, ChildWindowFactory factory)
{
    childFactories_.insert(command, std::move(factory));
    menus_->enableCommand(command);
}

void MainWindow::bindModalWindow(const QString &command, ModalWindow window)
{
    modalWindows_.insert(command, std::move(window));
    menus_->enableCommand(command);
}

bool MainWindow::runOwnCommand(const QString &command, int index)
{
    const Platform &platform = context_.platform;
    if (command == QStringLiteral("newWork"))
        files_.newWork();
    else if (command == QStringLiteral("open"))
        files_.openWork();
    else if (command == QStringLiteral("openExample"))
        files_.openExample();
    else if (command == QStringLiteral("save"))
        saving_.SaveDataFile(this);
    else if (command == QStringLiteral("saveAs"))
        saving_.SaveDataFileAs(this);
    else if (command == QStringLiteral("recentFile"))
        files_.openRecentFile(index);
    else if (command == QStringLiteral("password"))
        files_.changePassword();
    else if (command == QStringLiteral("exit"))
        close();
    else if (command == QStringLiteral("helpOnHelp"))
        platform.help->showTopic(MainHelpTopic);
    else if (command == QStringLiteral("introduction"))
        platform.help->showTopic(12015);
    else if (command == QStringLiteral("printingHelp"))
        platform.help->showTopic(5000);
    else if (command == QStringLiteral("website"))
        OpenPageOnDesktop(platform, AboutBox::makerPage(context_.state.ProgramFolder));
    else if (command == QStringLiteral("email"))
        OpenMailOnDesktop(platform, MakerMailAddress());
    else
        return false;
    return true;
}

void MainWindow::runCommand(const QString &name)
{
    // Items of the two arrays carry their index in their name.
    const qsizetype bracket = name.indexOf(QLatin1Char('('));
    const QString command = bracket < 0 ? name : name.left(bracket);
    const int index = bracket < 0 ? 0 : name.mid(bracket + 1).chopped(1).toInt();
    if (runOwnCommand(command, index) || !CommandPreconditions::check(command, context_.state, *context_.platform.messages))
        return;
    if (command == QStringLiteral("wallpaper")) {
        // The chooser previews in the proportions of a main window that covers the screen.
        showNormal();
        ScreenCover::apply(this);
    }
    if (childFactories_.contains(command))
        openChildWindow(command, index);
    else if (modalWindows_.contains(command))
        modalWindows_.value(command)(context_, this);
}

// ---------------------------------------------------------------- child windows

void MainWindow::openChildWindow(const QString &command, int index)
{
    const QString key = MainMenus::indexed(command, index);
    if (ChildFrame *open = openFrames_.value(key)) {
        bringForward(open);
        return;
    }
    DataWindow *window = childFactories_.value(command)(context_, index);
    if (!window)
        return;
    // Another window may have opened one of this kind already (the order
    // window its list window): that one is shown, not a second.
    if (ChildFrame *open = openFrameOfKind(*window); open && !openFrames_.values().contains(open)) {
        delete window;
        openFrames_.insert(key, open);
        bringForward(open);
        return;
    }
    openFrames_.insert(key, adoptChild(window));
}

void MainWindow::showChildWindow(DataWindow *window)
{
    if (!window)
        return;
    // There is one window of each kind: an open one is shown again.
    if (ChildFrame *open = openFrameOfKind(*window)) {
        delete window;
        bringForward(open);
        return;
    }
    adoptChild(window);
}

ChildFrame *MainWindow::openFrameOfKind(const DataWindow &window) const
{
    for (QMdiSubWindow *sub : area_->subWindowList()) {
        auto *frame = dynamic_cast<ChildFrame *>(sub);
        if (frame && !frame->isClosed() && frame->window() && typeid(*frame->window()) == typeid(window))
            return frame;
    }
    return nullptr;
}

void MainWindow::bringForward(ChildFrame *frame)
{
    frame->showNormal();
    area_->setActiveSubWindow(frame);
}

ChildFrame *MainWindow::adoptChild(DataWindow *window)
{
    auto *frame = new ChildFrame(window, [this](ChildFrame *closed) { childClosed(closed); });
    area_->addSubWindow(frame);
    frame->move(0, 0);
    frame->show();
    area_->setActiveSubWindow(frame);
    showMenus();
    return frame;
}

QList<DataWindow *> MainWindow::childWindows() const
{
    QList<DataWindow *> windows;
    for (QMdiSubWindow *sub : area_->subWindowList())
        if (auto *frame = dynamic_cast<ChildFrame *>(sub))
            windows.append(frame->window());
    return windows;
}

void MainWindow::childClosed(ChildFrame *frame)
{
    for (auto it = openFrames_.begin(); it != openFrames_.end();) {
        if (it.value() == frame || it.value().isNull())
            it = openFrames_.erase(it);
        else
            ++it;
    }
    showMenus();
}

void MainWindow::showMenus()
{
    auto open = [](QMdiSubWindow *sub) {
        auto *frame = dynamic_cast<ChildFrame *>(sub);
        return frame && !frame->isClosed() ? frame : nullptr;
    };
    ChildFrame *shown = open(area_->activeSubWindow());
    // While a dialog has the focus no child is active: the menus of the child
    // that was last active stay.
    const QList<QMdiSubWindow *> history = area_->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = history.crbegin(); it != history.crend() && !shown; ++it)
        shown = open(*it);
    menusOf_ = shown;
    QList<QAction *> wanted = menus_->barActions();
    if (shown) {
        wanted.clear();
        for (QMenu *menu : shown->window()->menus())
            wanted.append(barAction(menu));
    }
    if (menuBar()->actions() == wanted)
        return;
    menuBar()->clear();
    menuBar()->addActions(wanted);
}

bool MainWindow::isChildMenuShortcut(QObject *target, const QKeySequence &key) const
{
    auto *widget = qobject_cast<QWidget *>(target);
    if (!menusOf_ || !widget || !menusOf_->isAncestorOf(widget))
        return false;
    for (const QMenu *menu : menusOf_->window()->menus())
        for (const QAction *item : menu->actions())
            if (item->isEnabled() && item->shortcut() == key)
                return true;
    return false;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (isChildMenuShortcut(watched, QKeySequence(key->keyCombination()))) {
            // Left unaccepted, the key goes to the menu's shortcut.
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::refreshOtherWindows(QWidget *changedBy)
{
    for (DataWindow *window : childWindows())
        if (window != changedBy)
            window->showData();
}

int MainWindow::clientHeightTwips() const
{
    return int(Twips::fromPixels(area_->viewport()->height(), this) + 0.5);
}

// ---------------------------------------------------------------- captions

void MainWindow::showWorkCaption() { setWindowTitle(WorkCaption(context_.state.DataFileName)); }

void MainWindow::updateMenuCounts() { menus_->showCounts(context_.state.Building); }

void MainWindow::showRecentFiles() { menus_->showRecentFiles(context_.state.RecentFiles); }

void MainWindow::writeAutoloadFile()
{
    PromoteCurrentFile(context_.state);
    showRecentFiles();
    if (!SaveAutoloadFile(context_.state))
        context_.platform.messages->error(AutoloadFile::writeFailedTitle(), AutoloadFile::writeFailedText());
}

// ---------------------------------------------------------------- help

void MainWindow::showHelpOfActiveWindow()
{
    if (menusOf_) {
        const DataWindow *window = menusOf_->window();
        if (const int topic = window->helpTopic())
            context_.platform.help->showTopic(topic, window->helpSection());
        return;
    }
    context_.platform.help->showTopic(MainHelpTopic);
}

// ---------------------------------------------------------------- wallpaper

bool MainWindow::paintWallpaper(const WallpaperSetting &setting)
{
    const QSize stretched = stretchedSize(stretchWidth_ > 0 ? stretchWidth_ : area_->viewport()->width(), screen());
    switch (setting.Mode) {
    case WallpaperSetting::BuiltInPicture:
        area_->setWallpaper(builtInWallpaper(stretched), QColor(0, 128, 128));
        return true;
    case WallpaperSetting::OneColour:
        area_->setWallpaper(QImage(), WallpaperArea::colourOf(setting.Colour));
        return true;
    case WallpaperSetting::PictureFile: {
        const QImage picture = PictureReader::read(setting.PicturePath.trimmed(), stretched);
        if (picture.isNull())
            return false;
        area_->setWallpaper(picture, WallpaperArea::colourOf(setting.Background));
        return true;
    }
    default: return true;
    }
}

void MainWindow::usePreparedWallpaper(const QSize &size, std::shared_future<QImage> picture)
{
    builtInSize_ = size;
    builtInPicture_ = std::move(picture);
}

QImage MainWindow::builtInWallpaper(const QSize &size)
{
    if (size != builtInSize_ || !builtInPicture_.valid())
        usePreparedWallpaper(size, std::async(std::launch::deferred, [size] { return BuiltInPictures::wallpaper(size); }));
    return builtInPicture_.get();
}

QSize MainWindow::stretchedSize(int clientWidth, const QScreen *screen)
{
    const QSize screenSize = screen ? screen->size() : QSize(4, 3);
    return QSize(clientWidth, screenSize.width() > 0 ? clientWidth * screenSize.height() / screenSize.width() : clientWidth);
}

// ---------------------------------------------------------------- start-up

void MainWindow::layOutHidden()
{
    ensurePolished();
    layout()->activate();
}

void MainWindow::finishStartUp()
{
    QApplication::processEvents();
    menus_->action(QStringLiteral("marginsCorrection"))->setVisible(false);
    menus_->action(QStringLiteral("fontsSeparator"))->setVisible(false);
    // The whole window, its title bar and borders too, on the screen's available area.
    ScreenCover::apply(this);
    const WaitCursor hourglass;
    show();
    QApplication::processEvents();
    // The wallpaper's width: the client width of a window as wide as the
    // available area, the window manager's borders left aside. It is known
    // before the window manager frames the window, and it is the width the
    // start-up painted the built-in picture for; the few columns the side
    // borders take stay beyond the right edge.
    const QScreen *screen = this->screen();
    stretchWidth_ = area_->viewport()->width();
    if (screen)
        stretchWidth_ += screen->availableGeometry().width() - width();
    InitDefaults();
    files_.ResetToNew();
    const bool recent = LoadAutoloadParameters();
    InitPrinters();
    // The program was ended while the start-up waited: nothing more starts.
    if (ending_)
        return;
    const bool opened = !context_.state.CommandLinePath.isEmpty() && files_.OpenCommandLineFile();
    if (recent && !opened) {
        const MessageAnswer answer = context_.platform.messages->show(
            {QStringLiteral("Συνέχεια της εργασίας σας"),
             QStringLiteral("Θα θέλατε να συνεχίσετε την τελευταία σας εργασία;"), MessageIcon::Question,
             MessageButtons::YesNo, MessageAnswer::Yes});
        if (answer != MessageAnswer::No)
            files_.openRecentFile(0);
    }
}

void MainWindow::InitDefaults()
{
    AppState &state = context_.state;
    state.Wallpaper = WallpaperSetting();
    state.DataFolder = state.ProgramFolder;
    state.RecentFiles = {};
    state.ProgramPrinter.clear();
    state.PreferredFont.clear();
}

bool MainWindow::LoadAutoloadParameters()
{
    AppState &state = context_.state;
    if (!QFileInfo::exists(AutoloadFilePath(state.ProgramFolder))) {
        paintWallpaper(WallpaperSetting());
        showRecentFiles();
        return false;
    }
    if (!LoadAutoloadFile(state)) {
        // A file that is not ours: the defaults stay, and the built-in picture
        // is shown at its own size.
        area_->setWallpaper(BuiltInPictures::wallpaper(), QColor(0, 128, 128));
        showRecentFiles();
        return false;
    }
    showRecentFiles();
    WallpaperSetting &wallpaper = state.Wallpaper;
    if (wallpaper.Mode == WallpaperSetting::PictureFile
        && (wallpaper.PicturePath.trimmed().isEmpty() || !QFileInfo(wallpaper.PicturePath.trimmed()).isFile()))
        wallpaper.Mode = WallpaperSetting::BuiltInPicture;
    if (!paintStoredWallpaper(wallpaper)) {
        // A picture that cannot be read gives way to the built-in one.
        wallpaper.Mode = WallpaperSetting::BuiltInPicture;
        paintWallpaper(wallpaper);
    }
    return menus_->recentFileShown();
}

bool MainWindow::paintStoredWallpaper(WallpaperSetting &wallpaper)
{
    WallpaperReadingMark mark(context_.state.ProgramFolder);
    if (wallpaper.Mode != WallpaperSetting::PictureFile) {
        // No picture is read; a mark from an older reading means nothing now.
        mark.clear();
        return paintWallpaper(wallpaper);
    }
    if (mark.leftBehind()) {
        // The last start crashed or was stopped while reading this picture:
        // it is not read again, and the stored choice goes back to the
        // built-in picture. The mark stays until that is stored, so a start
        // that cannot store it does not read the picture either.
        wallpaper.Mode = WallpaperSetting::BuiltInPicture;
        paintWallpaper(wallpaper);
        if (SaveAutoloadFile(context_.state))
            mark.clear();
        return true;
    }
    mark.begin(wallpaper.PicturePath.trimmed());
    const bool painted = paintWallpaper(wallpaper);
    mark.clear();
    return painted;
}

void MainWindow::InitPrinters()
{
    AppState &state = context_.state;
    if (state.PreferredFont.isEmpty())
        state.PreferredFont = QStringLiteral("Arial Greek");
    QAction *selectPrinter = menus_->action(QStringLiteral("selectPrinter"));
    const PrinterList installed = context_.platform.printers ? context_.platform.printers->listPrinters() : PrinterList();
    const QStringList &printers = installed.names;
    if (printers.isEmpty()) {
        state.PrintingPossible = false;
        context_.platform.messages->exclamation(QStringLiteral("Εκτυπωτές"), noPrintersText());
        selectPrinter->setText(QStringLiteral("Επιλογή εκτυπωτή (Δεν υπάρχουν)"));
        state.ProgramPrinter.clear();
        return;
    }
    state.SystemPrinter = context_.platform.printers->currentPrinterName();
    // A print system that did not answer (or could not be reached) has not
    // said that the program printer is gone: it stays the program printer.
    // Without a stored one, the system printer is taken.
    if (state.ProgramPrinter.isEmpty() || (!printers.contains(state.ProgramPrinter) && installed.answered))
        state.ProgramPrinter = state.SystemPrinter;
    setPrinterCaption(PrinterCaptionOf(state.ProgramPrinter));
    if (ending_)
        return;
    // The start-up font check counts the fonts of the screen and of the
    // program printer, sets PrintingPossible and the font-overview caption.
    FontCommonSearch check(PrintingContextOf(context_, this), this);
    check.exec();
    activateWindow();
}

void MainWindow::setFontsCaption(const QString &caption)
{
    menus_->action(QStringLiteral("fonts"))->setText(MainMenus::menuText(caption));
}

void MainWindow::setPrinterCaption(const QString &caption)
{
    menus_->action(QStringLiteral("selectPrinter"))->setText(MainMenus::menuText(caption));
}

void MainWindow::recentFilesChanged()
{
    showRecentFiles();
}

// ---------------------------------------------------------------- shutdown

bool MainWindow::closeChildWindows()
{
    for (QMdiSubWindow *sub : area_->subWindowList())
        if (!sub->close())
            return false;
    return true;
}

void MainWindow::endProgram()
{
    ending_ = true;
    for (QMdiSubWindow *sub : area_->subWindowList())
        if (auto *frame = dynamic_cast<ChildFrame *>(sub))
            frame->closeUnchecked();
    context_.platform.help->closeAll();
    emit programEnded();
    close();
}

// Asks how to leave; true when the program may end now. A saving choice ends
// the program inside the save when it succeeds.
bool MainWindow::mayEnd()
{
    AppState &state = context_.state;
    if (!state.DataChanged) {
        const MessageAnswer answer = context_.platform.messages->show(
            {QStringLiteral("Έξοδος από το πρόγραμμα"), QStringLiteral("Θέλετε να τερματίσετε το πρόγραμμα;"),
             MessageIcon::Exclamation, MessageButtons::YesNo, MessageAnswer::Yes});
        return answer == MessageAnswer::Yes;
    }
    const bool named = !state.DataFileName.isEmpty();
    ChoiceRequest request;
    request.title = QStringLiteral("Τερματισμός του ") + ProgramTitle();
    request.icon = ChoiceRequest::Exclamation;
    request.lines = {QStringLiteral("Ζητήσατε να τερματίσετε το πρόγραμμα. Τα τρέχοντα δεδομένα έχουν αλλάξει από "
                                    "την τελευταία σας αποθήκευση. ")
                         + QStringLiteral("Αν δεν τα αποθηκεύσετε, όλες οι αλλαγές που έχετε κάνει θα χαθούν "
                                          "ανεπιστρεπτί."),
                     QStringLiteral("Τί θέλετε να γίνει;")};
    const QString withoutSaving = QStringLiteral("Θέλω να τερματιστεί το πρόγραμμα χωρίς αποθήκευση των δεδομένων.");
    if (named)
        request.options = {withoutSaving,
                           QStringLiteral("Θέλω να τερματιστεί το πρόγραμμα, με αποθήκευση των δεδομένων στο τρέχον "
                                          "αρχείο."),
                           QStringLiteral("Θέλω να αποθηκεύσω τα δεδομένα σε νέο αρχείο, με άλλο όνομα."),
                           QStringLiteral("Άκυρο")};
    else
        request.options = {withoutSaving, QStringLiteral("Θέλω αποθήκευση των δεδομένων."), QStringLiteral("Άκυρο")};
    request.defaultOption = int(request.options.size()) - 1;
    int answer = -1;
    {
        const WaitCursor hourglass;
        QApplication::processEvents();
        answer = context_.platform.choices->ask(request);
    }
    if (answer == 0)
        return true;
    const bool saveHere = named && answer == 1;
    const bool saveElsewhere = (named && answer == 2) || (!named && answer == 1);
    if (saveHere || saveElsewhere) {
        state.EndAfterSave = true;
        if (saveHere)
            saving_.SaveDataFile(this);
        else
            saving_.SaveDataFileAs(this);
    }
    return false;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (ending_) {
        event->accept();
        return;
    }
    if (!closeChildWindows() || !mayEnd()) {
        event->setAccepted(ending_);
        return;
    }
    endProgram();
    event->accept();
}

} // namespace kelvarino
