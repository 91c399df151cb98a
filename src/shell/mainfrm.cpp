#include "shell/mainfrm.h"

#include "core/autoloadfile.h"
#include "shell/builtinpictures.h"
#include "shell/childframe.h"
#include "shell/datawindow.h"
#include "shell/frmabout.h"
#include "shell/pictureviewer.h"
#include "shell/programtitle.h"
#include "shell/twips.h"
#include "shell/waitcursor.h"
#include "shell/wallpaperarea.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImageReader>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QUrl>

namespace kelvarino {

namespace {

constexpr int MainHelpTopic = 15;

const char *HelpTopicProperty = "helpTopic";

QString Indexed(const QString &name, int index) { return name + QStringLiteral("(%1)").arg(index); }

// Text from the data shown as a menu caption: '&' is no mnemonic there.
QString MenuText(const QString &text)
{
    QString escaped = text;
    return escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

struct Precondition
{
    const char *command;
    bool (*holds)(const AppState &state);
    const char *title;
    const char *text;
    MessageIcon icon;
};

bool flatsAndPersons(const AppState &s) { return s.Building.FlatCount() >= 1 && s.Building.PersonCount() >= 1; }

const Precondition Preconditions[] = {
    {"mnuOrderFlats", [](const AppState &s) { return s.Building.FlatCount() >= 2; },
     "Σειρά εμφάνισης των διαμερισμάτων",
     "Πρέπει να έχετε ορίσει τουλάχιστον 2 διαμερίσματα για να έχει νόημα αυτή η λειτουργία.",
     MessageIcon::Exclamation},
    {"mnuOrderPersons", [](const AppState &s) { return s.Building.PersonCount() >= 2; },
     "Σειρά εμφάνισης των εμπλεκομένων προσώπων",
     "Πρέπει να έχετε ορίσει τουλάχιστον 2 πρόσωπα για να έχει νόημα αυτή η λειτουργία.", MessageIcon::Exclamation},
    {"mnuOwners", flatsAndPersons, "Ορισμός ιδιοκτητών",
     "Για να ορίσετε ιδιοκτήτες θα πρέπει πρώτα να έχετε ορίσει διαμερίσματα και πρόσωπα", MessageIcon::Information},
    {"mnuResidents", flatsAndPersons, "Ορισμός ενοίκων",
     "Για να ορίσετε ενοίκους θα πρέπει πρώτα να έχετε ορίσει διαμερίσματα και πρόσωπα", MessageIcon::Information},
    {"mnuOrderProfessionals", [](const AppState &s) { return s.Building.ProfessionalCount() >= 2; },
     "Σειρά εμφάνισης των επαγγελματιών",
     "Πρέπει να έχετε ορίσει τουλάχιστον 2 επαγγελματίες για να έχει νόημα αυτή η λειτουργία.",
     MessageIcon::Exclamation},
    {"mnuExpenses", [](const AppState &s) { return s.Building.FlatCount() >= 1; }, "Καταχώριση εξόδων",
     "Για να προχωρήσετε σε καταχώρηση εξόδων θα πρέπει πρώτα να έχετε ορίσει διαμερίσματα",
     MessageIcon::Information},
    {"mnuPayments", [](const AppState &s) { return s.Building.FlatCount() >= 1; }, "Καταχώριση πληρωμών",
     "Για να προχωρήσετε σε καταχώρηση πληρωμών θα πρέπει πρώτα να έχετε ορίσει διαμερίσματα",
     MessageIcon::Information},
    {"mnuIssueForms", flatsAndPersons, "Πρόβλημα με την έκδοση κοινοχρήστων",
     "Δεν έχετε ορίσει διαμερίσματα και/ή εμπλεκόμενα πρόσωπα.", MessageIcon::Critical},
    {"mnuPrnExtra1", [](const AppState &s) { return s.Building.PersonCount() >= 1; },
     "Συγκεντρωτική εκτύπωση στοιχείων επικοινωνίας εμπλεκομένων προσώπων",
     "Για να προχωρήσετε σε εκτύπωση στοιχείων επικοινωνίας εμπλεκομένων προσώπων θα πρέπει να έχετε ορίσει "
     "έστω και ένα πρόσωπο.",
     MessageIcon::Critical},
    {"mnuPrnExtra2", [](const AppState &s) { return s.Building.FlatCount() >= 1; }, "Εκτύπωση χιλιοστών",
     "Για να προχωρήσετε σε εκτύπωση χιλιοστών θα πρέπει να έχετε ορίσει έστω και ένα διαμέρισμα.",
     MessageIcon::Critical},
    {"mnuSelectPrinter", [](const AppState &s) { return !s.ProgramPrinter.isEmpty(); }, "Εκτυπωτές",
     "Δεν έχετε εγκατεστημένους εκτυπωτές στο σύστημά σας. Αν ξέρετε ότι έχετε εγκαταστήσει εκτυπωτές, "
     "επανεκκινήστε τον υπολογιστή σας.",
     MessageIcon::Exclamation},
};

QString noPrintersText()
{
    return QStringLiteral("Δεν έχετε εγκατεστημένους εκτυπωτές στο σύστημά σας. Δεν μπορείτε να εκτυπώσετε. ")
        + QStringLiteral("Αν ξέρετε ότι έχετε εγκαταστήσει εκτυπωτές, επανεκκινήστε τον υπολογιστή σας.");
}

// A child window's menu without items is a command on the menu bar itself:
// the bar shows a plain item that triggers the menu's own action.
QAction *barAction(QMenu *menu)
{
    if (!menu->isEmpty())
        return menu->menuAction();
    auto *command = menu->findChild<QAction *>(QStringLiteral("barCommand"), Qt::FindDirectChildrenOnly);
    if (!command) {
        command = new QAction(menu->title(), menu);
        command->setObjectName(QStringLiteral("barCommand"));
        QObject::connect(command, &QAction::triggered, menu->menuAction(), &QAction::trigger);
    }
    return command;
}

QColor ColourOf(quint32 rgb) { return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF)); }

} // namespace

MainFrm::MainFrm(AppState &state, const Platform &platform, QWidget *parent)
    : QMainWindow(parent),
      context_{state, platform, this},
      saving_(context_, *this),
      files_(context_, *this, saving_, this),
      area_(new WallpaperArea(this))
{
    setCentralWidget(area_);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    buildMenus();
    connect(area_, &QMdiArea::subWindowActivated, this, [this] { showMenus(); });
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

// ---------------------------------------------------------------- menus

QMenu *MainFrm::addMenu(const QString &name, const QString &caption, int helpTopic)
{
    auto *menu = new QMenu(caption, this);
    menu->setObjectName(name);
    menu->setProperty(HelpTopicProperty, helpTopic);
    menu->installEventFilter(this);
    menus_.insert(name, menu);
    mainBar_.append(menu->menuAction());
    return menu;
}

QAction *MainFrm::addItem(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &key,
                          int helpTopic)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcut(key);
    action->setProperty(HelpTopicProperty, helpTopic);
    menu->addAction(action);
    actions_.insert(name, action);
    connectCommand(action, name);
    return action;
}

QAction *MainFrm::addBarItem(const QString &name, const QString &caption)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(name);
    actions_.insert(name, action);
    mainBar_.append(action);
    connectCommand(action, name);
    return action;
}

void MainFrm::addSeparator(QMenu *menu, const QString &name)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(name);
    actions_.insert(name, separator);
}

void MainFrm::connectCommand(QAction *action, const QString &name)
{
    connect(action, &QAction::triggered, this, [this, name] { runCommand(name); });
}

void MainFrm::buildMenus()
{
    QMenu *files = addMenu(QStringLiteral("mnuFiles"), QStringLiteral("Αρχεία"), 50);
    addItem(files, QStringLiteral("mnuNew"), QStringLiteral("Νέο"), QKeySequence(Qt::CTRL | Qt::Key_N), 51);
    addSeparator(files, QStringLiteral("mnuSeperator11"));
    addItem(files, QStringLiteral("mnuOpen"), QStringLiteral("Άνοιγμα ενός αρχείου κοινοχρήστων"),
            QKeySequence(Qt::CTRL | Qt::Key_O), 53);
    addItem(files, QStringLiteral("mnuOpenExample"), QStringLiteral("Άνοιγμα ενός αρχείου παραδείγματος"));
    addSeparator(files, QStringLiteral("mnuSeperator12"));
    addItem(files, QStringLiteral("mnuSave"), QStringLiteral("Αποθήκευση"), QKeySequence(Qt::CTRL | Qt::Key_S), 52);
    addItem(files, QStringLiteral("mnuSaveAs"), QStringLiteral("Αποθήκευση ως ..."),
            QKeySequence(Qt::CTRL | Qt::Key_A), 52);
    addSeparator(files, QStringLiteral("mnuSeperator14"));
    for (int k = 0; k < RecentFileCount; ++k) {
        QAction *item = addItem(files, Indexed(QStringLiteral("mnuUsedFile"), k),
                                QStringLiteral("%1. Αρχείο εργασίας").arg(k + 1), {}, 53);
        item->setVisible(false);
    }
    addSeparator(files, QStringLiteral("mnuUsedFileSeperator"));
    actions_.value(QStringLiteral("mnuUsedFileSeperator"))->setVisible(false);
    addItem(files, QStringLiteral("mnuWallPaper"), QStringLiteral("Αλλαγή ταπετσαρίας"));
    addSeparator(files, QStringLiteral("mnuSeperator16"));
    addItem(files, QStringLiteral("mnuExit"), QStringLiteral("Έξοδος"), QKeySequence(Qt::CTRL | Qt::Key_F4));

    QMenu *data = addMenu(QStringLiteral("mnuData"), QStringLiteral("Στοιχεία"));
    addItem(data, QStringLiteral("mnuTypesOfExpense"), QStringLiteral("1. Κατηγορίες κοινών Δαπανών (6)"));
    addItem(data, QStringLiteral("mnuOrderTypesOfExpense"), QStringLiteral("Σειρά εμφάνισης κοινών δαπανών"));
    addSeparator(data, QStringLiteral("mnuSeperator21"));
    addItem(data, QStringLiteral("mnuFlats"), QStringLiteral("2. Διαμερίσματα και αρχικά οικονομικά στοιχεία"));
    addItem(data, QStringLiteral("mnuOrderFlats"), QStringLiteral("Σειρά εμφάνισης των διαμερισμάτων"), {}, 8435);
    addSeparator(data, QStringLiteral("mnuSeperator22"));
    addItem(data, QStringLiteral("mnuPersons"), QStringLiteral("3. Εμπλεκόμενα πρόσωπα"));
    addItem(data, QStringLiteral("mnuOrderPersons"), QStringLiteral("Σειρά εμφάνισης των προσώπων"), {}, 8430);
    addSeparator(data, QStringLiteral("mnuSeperator23"));
    addItem(data, QStringLiteral("mnuBuildingName"), QStringLiteral("4. Αναγνωριστικό της πολυκατοικίας"));
    addItem(data, QStringLiteral("mnuAdministrators"), QStringLiteral("5. Διαχειριστές"));
    addSeparator(data, QStringLiteral("mnuSeperator24"));
    addItem(data, QStringLiteral("mnuOwners"), QStringLiteral("6. Ιδιοκτήτες"));
    addItem(data, QStringLiteral("mnuResidents"), QStringLiteral("7. Ένοικοι"));
    addSeparator(data, QStringLiteral("mnuSeperator25"));
    addItem(data, QStringLiteral("mnuProfessionals"), QStringLiteral("Επαγγελματίες"));
    addItem(data, QStringLiteral("mnuOrderProfessionals"), QStringLiteral("Σειρά εμφάνισης των Επαγγελματιών"));
    addSeparator(data, QStringLiteral("mnuSeperator26"));
    addItem(data, QStringLiteral("mnuPassword"),
            QStringLiteral("Ορισμός/Αλλαγή κωδικού για την προσπέλαση των στοιχείων"), {}, 70);

    QMenu *shares = addMenu(QStringLiteral("mnuPercentages"), QStringLiteral("Χιλιοστά"));
    for (int k = 0; k < CategoryCount; ++k)
        addItem(shares, Indexed(QStringLiteral("mnuPercentagesOfTypeOfExpense"), k), QStringLiteral("Κοινή χρήση"));

    addBarItem(QStringLiteral("mnuExpenses"), QStringLiteral("Δαπάνες"));
    addBarItem(QStringLiteral("mnuPayments"), QStringLiteral("Πληρωμές"));

    QMenu *prints = addMenu(QStringLiteral("mnuPrints"), QStringLiteral("Εκδόσεις/Εκτυπώσεις"));
    addItem(prints, QStringLiteral("mnuIssueForms"), QStringLiteral("Έκδοση κοινοχρήστων"));
    addSeparator(prints, QStringLiteral("mnuSeperator51"));
    addItem(prints, QStringLiteral("mnuPrnExtra1"), QStringLiteral("Στοιχεία επικοινωνίας εμπλεκομένων προσώπων"));
    addItem(prints, QStringLiteral("mnuPrnExtra2"), QStringLiteral("Χιλιοστά"));
    addSeparator(prints, QStringLiteral("mnuSeperator53"));
    addItem(prints, QStringLiteral("mnuSelectPrinter"), QStringLiteral("Επιλογή Εκτυπωτή"), {}, 5005);
    addItem(prints, QStringLiteral("mnuFonts"), QStringLiteral("Επισκόπηση γραμματοσειρών"), {}, 5010);
    addSeparator(prints, QStringLiteral("mnuSeperator52"));
    addItem(prints, QStringLiteral("mnuMarginsCorrection"), QStringLiteral("Διόρθωση περιθωρίων εκτύπωσης"));

    QMenu *help = addMenu(QStringLiteral("mnuHelp"), QStringLiteral("Βοήθεια"));
    addItem(help, QStringLiteral("mnuHelpOnHelp"), QStringLiteral("Βοήθεια στη βοήθεια"));
    addSeparator(help, QStringLiteral("mnuSeperator71"));
    addItem(help, QStringLiteral("mnuHelp01"), QStringLiteral("Γνωριμία με το πρόγραμμα"));
    addSeparator(help, QStringLiteral("mnuSeperator72"));
    addItem(help, QStringLiteral("mnuHelpPrint"), QStringLiteral("Εκτυπώσεις"));
    addSeparator(help, QStringLiteral("mnuSeperator79"));
    addItem(help, QStringLiteral("mnuAbout"), QStringLiteral("Περί ..."));
    addSeparator(help, QStringLiteral("mnuSeperator710"));
    addItem(help, QStringLiteral("mnuSite"), QStringLiteral("Μετάβαση στην ιστοσελίδα της ") + MakerName());
    addItem(help, QStringLiteral("mnuEmail"), QStringLiteral("Email στην ") + MakerName());

    // The windows of later parts of the program are bound as they come; until
    // then their commands are visible and disabled.
    const QStringList windowCommands = {
        QStringLiteral("mnuTypesOfExpense"), QStringLiteral("mnuOrderTypesOfExpense"), QStringLiteral("mnuFlats"),
        QStringLiteral("mnuOrderFlats"), QStringLiteral("mnuPersons"), QStringLiteral("mnuOrderPersons"),
        QStringLiteral("mnuBuildingName"), QStringLiteral("mnuAdministrators"), QStringLiteral("mnuOwners"),
        QStringLiteral("mnuResidents"), QStringLiteral("mnuProfessionals"), QStringLiteral("mnuOrderProfessionals"),
        QStringLiteral("mnuExpenses"), QStringLiteral("mnuPayments"), QStringLiteral("mnuIssueForms"),
        QStringLiteral("mnuPrnExtra1"), QStringLiteral("mnuPrnExtra2"), QStringLiteral("mnuSelectPrinter"),
        QStringLiteral("mnuFonts"), QStringLiteral("mnuMarginsCorrection"), QStringLiteral("mnuWallPaper")};
    for (const QString &name : windowCommands)
        actions_.value(name)->setEnabled(false);
    for (int k = 0; k < CategoryCount; ++k)
        actions_.value(Indexed(QStringLiteral("mnuPercentagesOfTypeOfExpense"), k))->setEnabled(false);

    for (QAction *action : std::as_const(mainBar_))
        menuBar()->addAction(action);
}

void MainFrm::bindChildWindow(const QString &command, ChildWindowFactory factory)
{
    childFactories_.insert(command, std::move(factory));
    if (command == QStringLiteral("mnuPercentagesOfTypeOfExpense")) {
        for (int k = 0; k < CategoryCount; ++k)
            actions_.value(Indexed(command, k))->setEnabled(true);
    } else if (QAction *action = actions_.value(command)) {
        action->setEnabled(true);
    }
}

void MainFrm::bindModalWindow(const QString &command, ModalWindow window)
{
    modalWindows_.insert(command, std::move(window));
    if (QAction *action = actions_.value(command))
        action->setEnabled(true);
}

bool MainFrm::preconditionHolds(const QString &command)
{
    for (const Precondition &rule : Preconditions) {
        if (command != QLatin1String(rule.command))
            continue;
        if (rule.holds(context_.state))
            return true;
        context_.platform.messages->show({QString::fromUtf8(rule.title), QString::fromUtf8(rule.text), rule.icon,
                                          MessageButtons::Ok, MessageAnswer::Ok});
        return false;
    }
    return true;
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
        platform.desktop->openUrl(frmAbout::makerPage(context_.state.ProgramFolder));
    else if (command == QStringLiteral("mnuEmail"))
        platform.desktop->openUrl(QUrl(QStringLiteral("mailto:") + MakerMailAddress()));
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
    if (runOwnCommand(command, index) || !preconditionHolds(command))
        return;
    if (command == QStringLiteral("mnuWallPaper")) {
        // The chooser previews in the proportions of a main window that covers the screen.
        showNormal();
        if (const QScreen *screen = this->screen())
            setGeometry(screen->availableGeometry());
    }
    if (childFactories_.contains(command))
        openChildWindow(command, index);
    else if (modalWindows_.contains(command))
        modalWindows_.value(command)(context_, this);
}

// ---------------------------------------------------------------- child windows

void MainFrm::openChildWindow(const QString &command, int index)
{
    const QString key = Indexed(command, index);
    if (ChildFrame *open = openFrames_.value(key)) {
        open->showNormal();
        area_->setActiveSubWindow(open);
        return;
    }
    if (DataWindow *window = childFactories_.value(command)(context_, index))
        openFrames_.insert(key, adoptChild(window));
}

void MainFrm::showChildWindow(DataWindow *window)
{
    if (window)
        adoptChild(window);
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
    QList<QAction *> wanted = mainBar_;
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

void MainFrm::updateMenuCounts()
{
    const BuildingData &work = context_.state.Building;
    auto caption = [this](const char *name, const QString &text, int count) {
        actions_.value(QString::fromLatin1(name))->setText(text + QStringLiteral(" (%1)").arg(count));
    };
    caption("mnuFlats", QStringLiteral("2. Διαμερίσματα και αρχικά οικονομικά στοιχεία"), work.FlatCount());
    caption("mnuPersons", QStringLiteral("3. Εμπλεκόμενα πρόσωπα"), work.PersonCount());
    caption("mnuAdministrators", QStringLiteral("5. Διαχειριστές"), work.AdministratorCount());
    caption("mnuOwners", QStringLiteral("6. Ιδιοκτήτες"), work.OwnerCount());
    caption("mnuResidents", QStringLiteral("7. Ένοικοι"), work.ResidentCount());
    caption("mnuProfessionals", QStringLiteral("Επαγγελματίες"), work.ProfessionalCount());
    for (int k = 0; k < CategoryCount; ++k)
        actions_.value(Indexed(QStringLiteral("mnuPercentagesOfTypeOfExpense"), k))
            ->setText(MenuText(work.CategoryLabels[size_t(k)].text()));
}

void MainFrm::showRecentFiles()
{
    const auto &recent = context_.state.RecentFiles;
    for (int k = 0; k < RecentFileCount; ++k) {
        const QString path = recent[size_t(k)].Folder.trimmed() + recent[size_t(k)].FileName.trimmed();
        QAction *item = actions_.value(Indexed(QStringLiteral("mnuUsedFile"), k));
        item->setText(MenuText(path));
        item->setVisible(!path.isEmpty());
    }
    actions_.value(QStringLiteral("mnuUsedFileSeperator"))
        ->setVisible(actions_.value(Indexed(QStringLiteral("mnuUsedFile"), 0))->isVisible());
}

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
        if (const int topic = menusOf_->window()->helpTopic())
            context_.platform.help->showTopic(topic);
        return;
    }
    context_.platform.help->showTopic(MainHelpTopic);
}

bool MainFrm::eventFilter(QObject *watched, QEvent *event)
{
    auto *menu = qobject_cast<QMenu *>(watched);
    if (menu && event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1) {
        int topic = menu->activeAction() ? menu->activeAction()->property(HelpTopicProperty).toInt() : 0;
        if (topic == 0)
            topic = menu->property(HelpTopicProperty).toInt();
        if (topic != 0) {
            menu->close();
            context_.platform.help->showTopic(topic);
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- wallpaper

bool MainFrm::paintWallpaper(const WallpaperSetting &setting)
{
    const QSize stretched = stretchedSize(stretchWidth_ > 0 ? stretchWidth_ : area_->viewport()->width(), screen());
    switch (setting.Mode) {
    case WallpaperSetting::BuiltInPicture:
        area_->setWallpaper(BuiltInPictures::wallpaper(stretched), QColor(0, 128, 128));
        return true;
    case WallpaperSetting::OneColour:
        area_->setWallpaper(QImage(), ColourOf(setting.Colour));
        return true;
    case WallpaperSetting::PictureFile: {
        QImageReader reader(setting.PicturePath.trimmed());
        const QImage picture = reader.read();
        if (picture.isNull())
            return false;
        area_->setWallpaper(picture.scaled(stretched, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                            ColourOf(setting.Background));
        return true;
    }
    default: return true;
    }
}

QSize MainFrm::stretchedSize(int clientWidth, const QScreen *screen)
{
    const QSize screenSize = screen ? screen->size() : QSize(4, 3);
    return QSize(clientWidth, screenSize.width() > 0 ? clientWidth * screenSize.height() / screenSize.width() : clientWidth);
}

// ---------------------------------------------------------------- start-up

void MainFrm::MDIForm_Load()
{
    QApplication::processEvents();
    actions_.value(QStringLiteral("mnuMarginsCorrection"))->setVisible(false);
    actions_.value(QStringLiteral("mnuSeperator52"))->setVisible(false);
    if (const QScreen *screen = this->screen())
        setGeometry(screen->availableGeometry());
    const WaitCursor hourglass;
    show();
    QApplication::processEvents();
    stretchWidth_ = area_->viewport()->width();
    InitDefaults();
    files_.ResetToNew();
    const bool recent = LoadAutoloadParameters();
    InitPrinters();
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
    if (!paintWallpaper(wallpaper)) {
        // A picture that cannot be read gives way to the built-in one.
        wallpaper.Mode = WallpaperSetting::BuiltInPicture;
        paintWallpaper(wallpaper);
    }
    return actions_.value(Indexed(QStringLiteral("mnuUsedFile"), 0))->isVisible();
}

void MainFrm::InitPrinters()
{
    AppState &state = context_.state;
    if (state.PreferredFont.isEmpty())
        state.PreferredFont = QStringLiteral("Arial Greek");
    QAction *selectPrinter = actions_.value(QStringLiteral("mnuSelectPrinter"));
    const QStringList printers = context_.platform.printers ? context_.platform.printers->printerNames() : QStringList();
    if (printers.isEmpty()) {
        state.PrintingPossible = false;
        context_.platform.messages->exclamation(QStringLiteral("Εκτυπωτές"), noPrintersText());
        selectPrinter->setText(QStringLiteral("Επιλογή εκτυπωτή (Δεν υπάρχουν)"));
        state.ProgramPrinter.clear();
        return;
    }
    state.SystemPrinter = context_.platform.printers->currentPrinterName();
    if (!printers.contains(state.ProgramPrinter))
        state.ProgramPrinter = state.SystemPrinter;
    selectPrinter->setText(MenuText(QStringLiteral("Επιλογή εκτυπωτή (") + state.ProgramPrinter + QStringLiteral(")")));
    if (fontCheck_)
        fontCheck_(context_);
    else
        defaultFontCheck();
}

void MainFrm::defaultFontCheck()
{
    AppState &state = context_.state;
    QAction *fonts = actions_.value(QStringLiteral("mnuFonts"));
    if (QFontDatabase::families().isEmpty()) {
        state.PrintingPossible = false;
        fonts->setText(QStringLiteral("Επισκόπιση γραμματοσειρών (δεν υπάρχουν)"));
        return;
    }
    state.PrintingPossible = true;
    fonts->setText(MenuText(QStringLiteral("Επισκόπιση γραμματοσειρών (") + state.PreferredFont + QStringLiteral(")")));
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
            {QStringLiteral("Έξοδος από το πρόγραμμα"), QStringLiteral("Θέλετε να επιστρέψετε στα Windows;"),
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
