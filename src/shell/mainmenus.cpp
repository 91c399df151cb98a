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
    QMenu *files = addMenu(QStringLiteral("files"), QStringLiteral("Αρχεία"), 50);
    addItem(files, QStringLiteral("newWork"), QStringLiteral("Νέο"), QKeySequence(Qt::CTRL | Qt::Key_N), 51);
    addSeparator(files, QStringLiteral("newWorkSeparator"));
    addItem(files, QStringLiteral("open"), QStringLiteral("Άνοιγμα ενός αρχείου κοινοχρήστων"),
            QKeySequence(Qt::CTRL | Qt::Key_O), 53);
    addItem(files, QStringLiteral("openExample"), QStringLiteral("Άνοιγμα ενός αρχείου παραδείγματος"));
    addSeparator(files, QStringLiteral("openExampleSeparator"));
    addItem(files, QStringLiteral("save"), QStringLiteral("Αποθήκευση"), QKeySequence(Qt::CTRL | Qt::Key_S), 52);
    addItem(files, QStringLiteral("saveAs"), QStringLiteral("Αποθήκευση ως ..."),
            QKeySequence(Qt::CTRL | Qt::Key_A), 52);
    addSeparator(files, QStringLiteral("saveAsSeparator"));
    for (int k = 0; k < RecentFileCount; ++k) {
        QAction *item = addItem(files, indexed(QStringLiteral("recentFile"), k),
                                QStringLiteral("%1. Αρχείο εργασίας").arg(k + 1), {}, 53);
        item->setVisible(false);
    }
    addSeparator(files, QStringLiteral("recentFileSeparator"));
    actions_.value(QStringLiteral("recentFileSeparator"))->setVisible(false);
    addItem(files, QStringLiteral("wallpaper"), QStringLiteral("Αλλαγή ταπετσαρίας"));
    addSeparator(files, QStringLiteral("wallpaperSeparator"));
    addItem(files, QStringLiteral("exit"), QStringLiteral("Έξοδος"), QKeySequence(Qt::CTRL | Qt::Key_F4));

    QMenu *data = addMenu(QStringLiteral("data"), QStringLiteral("Στοιχεία"));
    addItem(data, QStringLiteral("expenseCategories"), QStringLiteral("1. Κατηγορίες κοινών Δαπανών (6)"));
    addItem(data, QStringLiteral("expenseCategoryOrder"), QStringLiteral("Σειρά εμφάνισης κοινών δαπανών"));
    addSeparator(data, QStringLiteral("expenseCategoryOrderSeparator"));
    addItem(data, QStringLiteral("flats"), QStringLiteral("2. Διαμερίσματα και αρχικά οικονομικά στοιχεία"));
    addItem(data, QStringLiteral("flatOrder"), QStringLiteral("Σειρά εμφάνισης των διαμερισμάτων"), {}, 8435);
    addSeparator(data, QStringLiteral("flatOrderSeparator"));
    addItem(data, QStringLiteral("persons"), QStringLiteral("3. Εμπλεκόμενα πρόσωπα"));
    addItem(data, QStringLiteral("personOrder"), QStringLiteral("Σειρά εμφάνισης των προσώπων"), {}, 8430);
    addSeparator(data, QStringLiteral("personOrderSeparator"));
    addItem(data, QStringLiteral("buildingId"), QStringLiteral("4. Αναγνωριστικό της πολυκατοικίας"));
    addItem(data, QStringLiteral("administrators"), QStringLiteral("5. Διαχειριστές"));
    addSeparator(data, QStringLiteral("administratorsSeparator"));
    addItem(data, QStringLiteral("owners"), QStringLiteral("6. Ιδιοκτήτες"));
    addItem(data, QStringLiteral("residents"), QStringLiteral("7. Ένοικοι"));
    addSeparator(data, QStringLiteral("residentsSeparator"));
    addItem(data, QStringLiteral("professionals"), QStringLiteral("Επαγγελματίες"));
    addItem(data, QStringLiteral("professionalOrder"), QStringLiteral("Σειρά εμφάνισης των Επαγγελματιών"));
    addSeparator(data, QStringLiteral("professionalOrderSeparator"));
    addItem(data, QStringLiteral("password"),
            QStringLiteral("Ορισμός/Αλλαγή κωδικού για την προσπέλαση των στοιχείων"), {}, 70);

    QMenu *shares = addMenu(QStringLiteral("perMille"), QStringLiteral("Χιλιοστά"));
    for (int k = 0; k < CategoryCount; ++k)
        addItem(shares, indexed(QStringLiteral("categoryPerMille"), k), QStringLiteral("Κοινή χρήση"));

    addBarItem(QStringLiteral("expenses"), QStringLiteral("Δαπάνες"));
    addBarItem(QStringLiteral("payments"), QStringLiteral("Πληρωμές"));

    QMenu *prints = addMenu(QStringLiteral("prints"), QStringLiteral("Εκδόσεις/Εκτυπώσεις"));
    addItem(prints, QStringLiteral("issues"), QStringLiteral("Έκδοση κοινοχρήστων"));
    addSeparator(prints, QStringLiteral("issuesSeparator"));
    addItem(prints, QStringLiteral("contactList"), QStringLiteral("Στοιχεία επικοινωνίας εμπλεκομένων προσώπων"));
    addItem(prints, QStringLiteral("perMilleTable"), QStringLiteral("Χιλιοστά"));
    addSeparator(prints, QStringLiteral("perMilleTableSeparator"));
    addItem(prints, QStringLiteral("selectPrinter"), QStringLiteral("Επιλογή Εκτυπωτή"), {}, 5005);
    addItem(prints, QStringLiteral("fonts"), QStringLiteral("Επισκόπηση γραμματοσειρών"), {}, 5010);
    addSeparator(prints, QStringLiteral("fontsSeparator"));
    addItem(prints, QStringLiteral("marginsCorrection"), QStringLiteral("Διόρθωση περιθωρίων εκτύπωσης"));

    QMenu *help = addMenu(QStringLiteral("help"), QStringLiteral("Βοήθεια"));
    addItem(help, QStringLiteral("helpOnHelp"), QStringLiteral("Βοήθεια στη βοήθεια"));
    addSeparator(help, QStringLiteral("helpOnHelpSeparator"));
    addItem(help, QStringLiteral("introduction"), QStringLiteral("Γνωριμία με το πρόγραμμα"));
    addSeparator(help, QStringLiteral("introductionSeparator"));
    addItem(help, QStringLiteral("printingHelp"), QStringLiteral("Εκτυπώσεις"));
    addSeparator(help, QStringLiteral("printingHelpSeparator"));
    addItem(help, QStringLiteral("about"), QStringLiteral("Περί ..."));
    addSeparator(help, QStringLiteral("aboutSeparator"));
    addItem(help, QStringLiteral("website"), QStringLiteral("Μετάβαση στην ιστοσελίδα της ") + MakerName());
    addItem(help, QStringLiteral("email"), QStringLiteral("Email στην ") + MakerName());

    // The windows of later parts of the program are bound as they come; until
    // then their commands are visible and disabled.
    const QStringList windowCommands = {
        QStringLiteral("expenseCategories"), QStringLiteral("expenseCategoryOrder"), QStringLiteral("flats"),
        QStringLiteral("flatOrder"), QStringLiteral("persons"), QStringLiteral("personOrder"),
        QStringLiteral("buildingId"), QStringLiteral("administrators"), QStringLiteral("owners"),
        QStringLiteral("residents"), QStringLiteral("professionals"), QStringLiteral("professionalOrder"),
        QStringLiteral("expenses"), QStringLiteral("payments"), QStringLiteral("issues"),
        QStringLiteral("contactList"), QStringLiteral("perMilleTable"), QStringLiteral("selectPrinter"),
        QStringLiteral("fonts"), QStringLiteral("marginsCorrection"), QStringLiteral("wallpaper")};
    for (const QString &name : windowCommands)
        actions_.value(name)->setEnabled(false);
    for (int k = 0; k < CategoryCount; ++k)
        actions_.value(indexed(QStringLiteral("categoryPerMille"), k))->setEnabled(false);

}

void MainMenus::enableCommand(const QString &command)
{
    if (command == QStringLiteral("categoryPerMille")) {
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
    caption("flats", QStringLiteral("2. Διαμερίσματα και αρχικά οικονομικά στοιχεία"), work.FlatCount());
    caption("persons", QStringLiteral("3. Εμπλεκόμενα πρόσωπα"), work.PersonCount());
    caption("administrators", QStringLiteral("5. Διαχειριστές"), work.AdministratorCount());
    caption("owners", QStringLiteral("6. Ιδιοκτήτες"), work.OwnerCount());
    caption("residents", QStringLiteral("7. Ένοικοι"), work.ResidentCount());
    caption("professionals", QStringLiteral("Επαγγελματίες"), work.ProfessionalCount());
    for (int k = 0; k < CategoryCount; ++k)
        actions_.value(indexed(QStringLiteral("categoryPerMille"), k))
            ->setText(menuText(work.CategoryLabels[size_t(k)].text()));
}

void MainMenus::showRecentFiles(const std::array<RecentFile, RecentFileCount> &recent)
{
    for (int k = 0; k < RecentFileCount; ++k) {
        const QString path = recent[size_t(k)].Folder.trimmed() + recent[size_t(k)].FileName.trimmed();
        QAction *item = actions_.value(indexed(QStringLiteral("recentFile"), k));
        item->setText(menuText(path));
        item->setVisible(!path.isEmpty());
    }
    actions_.value(QStringLiteral("recentFileSeparator"))
        ->setVisible(actions_.value(indexed(QStringLiteral("recentFile"), 0))->isVisible());
}

bool MainMenus::recentFileShown() const { return actions_.value(indexed(QStringLiteral("recentFile"), 0))->isVisible(); }

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
