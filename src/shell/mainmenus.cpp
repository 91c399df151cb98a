#include "shell/mainmenus.h"

#include "shell/programtitle.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>

namespace kelvarino {

namespace {

const char *HelpTopicProperty = "helpTopic";

} // namespace

MainMenus::MainMenus(QWidget *owner, std::function<void(const QString &)> run, std::function<void(int)> showHelp)
    : QObject(owner), owner_(owner), run_(std::move(run)), showHelp_(std::move(showHelp))
{
    build();
}

QString MainMenus::indexed(const QString &name, int index) { return name + QStringLiteral("(%1)").arg(index); }

QString MainMenus::menuText(const QString &text)
{
    QString escaped = text;
    return escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QMenu *MainMenus::addMenu(const QString &name, const QString &caption, int helpTopic)
{
    auto *menu = new QMenu(caption, owner_);
    menu->setObjectName(name);
    menu->setProperty(HelpTopicProperty, helpTopic);
    menu->installEventFilter(this);
    menus_.insert(name, menu);
    bar_.append(menu->menuAction());
    return menu;
}

QAction *MainMenus::addItem(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &key,
                          int helpTopic)
{
    auto *action = new QAction(caption, owner_);
    action->setObjectName(name);
    action->setShortcut(key);
    action->setProperty(HelpTopicProperty, helpTopic);
    menu->addAction(action);
    actions_.insert(name, action);
    connect(action, &QAction::triggered, this, [this, name] { run_(name); });
    return action;
}

QAction *MainMenus::addBarItem(const QString &name, const QString &caption)
{
    auto *action = new QAction(caption, owner_);
    action->setObjectName(name);
    actions_.insert(name, action);
    bar_.append(action);
    connect(action, &QAction::triggered, this, [this, name] { run_(name); });
    return action;
}

void MainMenus::addSeparator(QMenu *menu, const QString &name)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(name);
    actions_.insert(name, separator);
}

void MainMenus::build()
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
        QAction *item = addItem(files, indexed(QStringLiteral("mnuUsedFile"), k),
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
        addItem(shares, indexed(QStringLiteral("mnuPercentagesOfTypeOfExpense"), k), QStringLiteral("Κοινή χρήση"));

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
        actions_.value(indexed(QStringLiteral("mnuPercentagesOfTypeOfExpense"), k))->setEnabled(false);

}

void MainMenus::enableCommand(const QString &command)
{
    if (command == QStringLiteral("mnuPercentagesOfTypeOfExpense")) {
        for (int k = 0; k < CategoryCount; ++k)
            actions_.value(indexed(command, k))->setEnabled(true);
    } else if (QAction *item = actions_.value(command)) {
        item->setEnabled(true);
    }
}

void MainMenus::showCounts(const BuildingData &work)
{
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
        actions_.value(indexed(QStringLiteral("mnuPercentagesOfTypeOfExpense"), k))
            ->setText(menuText(work.CategoryLabels[size_t(k)].text()));
}

void MainMenus::showRecentFiles(const std::array<RecentFile, RecentFileCount> &recent)
{
    for (int k = 0; k < RecentFileCount; ++k) {
        const QString path = recent[size_t(k)].Folder.trimmed() + recent[size_t(k)].FileName.trimmed();
        QAction *item = actions_.value(indexed(QStringLiteral("mnuUsedFile"), k));
        item->setText(menuText(path));
        item->setVisible(!path.isEmpty());
    }
    actions_.value(QStringLiteral("mnuUsedFileSeperator"))
        ->setVisible(actions_.value(indexed(QStringLiteral("mnuUsedFile"), 0))->isVisible());
}

bool MainMenus::recentFileShown() const { return actions_.value(indexed(QStringLiteral("mnuUsedFile"), 0))->isVisible(); }

bool MainMenus::eventFilter(QObject *watched, QEvent *event)
{
    auto *menu = qobject_cast<QMenu *>(watched);
    if (menu && event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1) {
        int topic = menu->activeAction() ? menu->activeAction()->property(HelpTopicProperty).toInt() : 0;
        if (topic == 0)
            topic = menu->property(HelpTopicProperty).toInt();
        if (topic != 0) {
            menu->close();
            showHelp_(topic);
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kelvarino
