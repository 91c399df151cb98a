#include "shell/mainfrm.h"

#include "core/autoloadfile.h"
#include "pictures/picturereader.h"
#include "platform/desktopopening.h"
#include "platform/screencover.h"
#include "platform/twips.h"
#include "shell/builtinpictures.h"
#include "shell/childframe.h"
#include "printing/fontsfrm.h"
#include "printing/fontwindows.h"
#include "shell/commandpreconditions.h"
#include "shell/datawindow.h"
#include "shell/frmabout.h"
#include "shell/mainmenus.h"
#include "shell/pictureviewer.h"
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

MainFrm::MainFrm(AppState &state, const Platform &platform, QWidget *parent)
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
    connect(f1, &QShortcut::activated, this, &MainFrm::showHelpOfActiveWindow);
    bindModalWindow(QStringLiteral("mnuAbout"), [](AppContext &context, QWidget *owner) {
        frmAbout about(context, owner);
        about.exec();
    });
    bindChildWindow(QStringLiteral("mnuWallPaper"),
                    [this](AppContext &context, int) { return new pictureViewer(context, *this); });
    showWorkCaption();
    updateMenuCounts();
}

MainFrm::~MainFrm()
{
    // The client area must not report activations while the windows go.
    disconnect(area_, nullptr, this, nullptr);
}

void MainFrm::bindChildWindow(const QString &command, ChildWindowFactory factory)
{
    childFactories_.insert(command, std::move(factory));
    menus_->enableCommand(command);
}

void MainFrm::bindModalWindow(const QString &command, ModalWindow window)
{
    modalWindows_.insert(command, std::move(window));
    menus_->enableCommand(command);
}

bool MainFrm::runOwnCommand(const QString &command, int index)
{
    const Platform &platform = context_.platform;
    if (command == QStringLiteral("mnuNew"))
        files_.mnuNew_Click();
    else if (command == QStringLiteral("mnuOpen"))
        files_.mnuOpen_Click();
    else if (command == QStringLiteral("mnuOpenExample"))
        files_.mnuOpenExample_Click();
    else if (command == QStringLiteral("mnuSave"))
        saving_.SaveDataFile(this);
    else if (command == QStringLiteral("mnuSaveAs"))
        saving_.SaveDataFileAs(this);
    else if (command == QStringLiteral("mnuUsedFile"))
        files_.mnuUsedFile_Click(index);
    else if (command == QStringLiteral("mnuPassword"))
        files_.mnuPassword_Click();
    else if (command == QStringLiteral("mnuExit"))
        close();
    else if (command == QStringLiteral("mnuHelpOnHelp"))
        platform.help->showTopic(MainHelpTopic);
    else if (command == QStringLiteral("mnuHelp01"))
        platform.help->showTopic(12015);
    else if (command == QStringLiteral("mnuHelpPrint"))
        platform.help->showTopic(5000);
    else if (command == QStringLiteral("mnuSite"))
        OpenPageOnDesktop(platform, frmAbout::makerPage(context_.state.ProgramFolder));
    else if (command == QStringLiteral("mnuEmail"))
        OpenMailOnDesktop(platform, MakerMailAddress());
    else
        return false;
    return true;
}

void MainFrm::runCommand(const QString &name)
{
    // Items of the two arrays carry their index in their name.
    const qsizetype bracket = name.indexOf(QLatin1Char('('));
    const QString command = bracket < 0 ? name : name.left(bracket);
    const int index = bracket < 0 ? 0 : name.mid(bracket + 1).chopped(1).toInt();
    if (runOwnCommand(command, index) || !CommandPreconditions::check(command, context_.state, *context_.platform.messages))
        return;
    if (command == QStringLiteral("mnuWallPaper")) {
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

void MainFrm::openChildWindow(const QString &command, int index)
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

void MainFrm::showChildWindow(DataWindow *window)
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

ChildFrame *MainFrm::openFrameOfKind(const DataWindow &window) const
{
    for (QMdiSubWindow *sub : area_->subWindowList()) {
        auto *frame = dynamic_cast<ChildFrame *>(sub);
        if (frame && !frame->isClosed() && frame->window() && typeid(*frame->window()) == typeid(window))
            return frame;
    }
    return nullptr;
}

void MainFrm::bringForward(ChildFrame *frame)
{
    frame->showNormal();
    area_->setActiveSubWindow(frame);
}

ChildFrame *MainFrm::adoptChild(DataWindow *window)
{
    auto *frame = new ChildFrame(window, [this](ChildFrame *closed) { childClosed(closed); });
    area_->addSubWindow(frame);
    frame->move(0, 0);
    frame->show();
    area_->setActiveSubWindow(frame);
    showMenus();
    return frame;
}

QList<DataWindow *> MainFrm::childWindows() const
{
    QList<DataWindow *> windows;
    for (QMdiSubWindow *sub : area_->subWindowList())
        if (auto *frame = dynamic_cast<ChildFrame *>(sub))
            windows.append(frame->window());
    return windows;
}

void MainFrm::childClosed(ChildFrame *frame)
{
    for (auto it = openFrames_.begin(); it != openFrames_.end();) {
        if (it.value() == frame || it.value().isNull())
            it = openFrames_.erase(it);
        else
            ++it;
    }
    showMenus();
}

void MainFrm::showMenus()
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

bool MainFrm::isChildMenuShortcut(QObject *target, const QKeySequence &key) const
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

bool MainFrm::eventFilter(QObject *watched, QEvent *event)
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

void MainFrm::refreshOtherWindows(QWidget *changedBy)
{
    for (DataWindow *window : childWindows())
        if (window != changedBy)
            window->show_data();
}

int MainFrm::clientHeightTwips() const
{
    return int(Twips::fromPixels(area_->viewport()->height(), this) + 0.5);
}

// ---------------------------------------------------------------- captions

void MainFrm::showWorkCaption() { setWindowTitle(WorkCaption(context_.state.DataFileName)); }

void MainFrm::updateMenuCounts() { menus_->showCounts(context_.state.Building); }

void MainFrm::showRecentFiles() { menus_->showRecentFiles(context_.state.RecentFiles); }

void MainFrm::writeAutoloadFile()
{
    PromoteCurrentFile(context_.state);
    showRecentFiles();
    if (!SaveAutoloadFile(context_.state))
        context_.platform.messages->error(AutoloadFile::writeFailedTitle(), AutoloadFile::writeFailedText());
}

// ---------------------------------------------------------------- help

void MainFrm::showHelpOfActiveWindow()
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

bool MainFrm::paintWallpaper(const WallpaperSetting &setting)
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

void MainFrm::usePreparedWallpaper(const QSize &size, std::shared_future<QImage> picture)
{
    builtInSize_ = size;
    builtInPicture_ = std::move(picture);
}

QImage MainFrm::builtInWallpaper(const QSize &size)
{
    if (size != builtInSize_ || !builtInPicture_.valid())
        usePreparedWallpaper(size, std::async(std::launch::deferred, [size] { return BuiltInPictures::wallpaper(size); }));
    return builtInPicture_.get();
}

QSize MainFrm::stretchedSize(int clientWidth, const QScreen *screen)
{
    const QSize screenSize = screen ? screen->size() : QSize(4, 3);
    return QSize(clientWidth, screenSize.width() > 0 ? clientWidth * screenSize.height() / screenSize.width() : clientWidth);
}

// ---------------------------------------------------------------- start-up

void MainFrm::layOutHidden()
{
    ensurePolished();
    layout()->activate();
}

void MainFrm::MDIForm_Load()
{
    QApplication::processEvents();
    menus_->action(QStringLiteral("mnuMarginsCorrection"))->setVisible(false);
    menus_->action(QStringLiteral("mnuSeperator52"))->setVisible(false);
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
            files_.mnuUsedFile_Click(0);
    }
}

void MainFrm::InitDefaults()
{
    AppState &state = context_.state;
    state.Wallpaper = WallpaperSetting();
    state.DataFolder = state.ProgramFolder;
    state.RecentFiles = {};
    state.ProgramPrinter.clear();
    state.PreferredFont.clear();
}

bool MainFrm::LoadAutoloadParameters()
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

bool MainFrm::paintStoredWallpaper(WallpaperSetting &wallpaper)
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

void MainFrm::InitPrinters()
{
    AppState &state = context_.state;
    if (state.PreferredFont.isEmpty())
        state.PreferredFont = QStringLiteral("Arial Greek");
    QAction *selectPrinter = menus_->action(QStringLiteral("mnuSelectPrinter"));
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

void MainFrm::setFontsCaption(const QString &caption)
{
    menus_->action(QStringLiteral("mnuFonts"))->setText(MainMenus::menuText(caption));
}

void MainFrm::setPrinterCaption(const QString &caption)
{
    menus_->action(QStringLiteral("mnuSelectPrinter"))->setText(MainMenus::menuText(caption));
}

void MainFrm::recentFilesChanged()
{
    showRecentFiles();
}

// ---------------------------------------------------------------- shutdown

bool MainFrm::closeChildWindows()
{
    for (QMdiSubWindow *sub : area_->subWindowList())
        if (!sub->close())
            return false;
    return true;
}

void MainFrm::endProgram()
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
bool MainFrm::mayEnd()
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

void MainFrm::closeEvent(QCloseEvent *event)
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
