#include "support_shellfixture.h"

#include "shell/datawindow.h"
#include "testprogram.h"

#include <QAction>
#include <QApplication>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace kelvarino;

namespace test_mainmenus {

namespace {

// A child window that remembers which item of its menu opened it.
class ProbeWindow : public DataWindow
{
public:
    ProbeWindow(AppContext &context, int index)
        : DataWindow(context), index(index), menu_(new QMenu(QStringLiteral("Δεδομένα"), this)),
          close_(new QMenu(QStringLiteral("Κλείσιμο"), this))
    {
        menu_->addAction(QStringLiteral("Αποθήκευση"));
        QObject::connect(close_->menuAction(), &QAction::triggered, this, [this] { close(); });
    }
    QList<QMenu *> menus() const override { return {menu_, close_}; }
    int helpTopic() const override { return 8400; }
    void showData() override { ++refreshed; }
    int index;
    int refreshed = 0;

private:
    QMenu *menu_;
    QMenu *close_;
};

bool activate(QWidget *window)
{
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

QStringList barCaptions(QMainWindow &window)
{
    QStringList captions;
    for (QAction *action : window.menuBar()->actions())
        captions.append(action->text());
    return captions;
}

} // namespace

class TestMainMenus : public QObject
{
    Q_OBJECT

private slots:
    void theMenuTreeWithCaptionsAndShortcuts()
    {
        ShellFixture f;
        QCOMPARE(barCaptions(*f.window),
                 (QStringList{QStringLiteral("Αρχεία"), QStringLiteral("Στοιχεία"), QStringLiteral("Χιλιοστά"),
                              QStringLiteral("Δαπάνες"), QStringLiteral("Πληρωμές"),
                              QStringLiteral("Εκδόσεις/Εκτυπώσεις"), QStringLiteral("Βοήθεια")}));
        QCOMPARE(f.window->menuAction(QStringLiteral("saveAs"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
        QCOMPARE(f.window->menuAction(QStringLiteral("exit"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F4));
        QCOMPARE(f.window->menuAction(QStringLiteral("newWork"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
        QCOMPARE(f.window->menuAction(QStringLiteral("open"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
        QCOMPARE(f.window->menuAction(QStringLiteral("save"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(f.window->menuAction(QStringLiteral("administrators"))->text(), QStringLiteral("5. Διαχειριστές (0)"));
        QCOMPARE(f.window->menuAction(QStringLiteral("professionals"))->text(), QStringLiteral("Επαγγελματίες (0)"));
        QCOMPARE(f.window->menuAction(QStringLiteral("categoryPerMille(2)"))->text().trimmed(),
                 QStringLiteral("ΘΕΡΜΑΝΣΗ"));
        QCOMPARE(f.window->menuAction(QStringLiteral("website"))->text(),
                 QStringLiteral("Μετάβαση στην ιστοσελίδα της Vornakel"));
    }

    void commandsWithoutTheirWindowAreVisibleAndDisabled()
    {
        ShellFixture f;
        for (const char *name : {"flats", "persons", "expenses", "issues", "contactList",
                                 "selectPrinter", "categoryPerMille(0)"}) {
            QAction *action = f.window->menuAction(QString::fromLatin1(name));
            QVERIFY2(action->isVisible() && !action->isEnabled(), name);
        }
        for (const char *name : {"newWork", "open", "save", "password", "about", "wallpaper"})
            QVERIFY2(f.window->menuAction(QString::fromLatin1(name))->isEnabled(), name);
    }

    void preconditionsRefuseWithTheirMessages_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("flats");
        QTest::addColumn<int>("persons");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("icon");
        QTest::newRow("order flats") << "flatOrder" << 1 << 0 << "Σειρά εμφάνισης των διαμερισμάτων"
                                     << int(MessageIcon::Exclamation);
        QTest::newRow("order persons") << "personOrder" << 0 << 1 << "Σειρά εμφάνισης των εμπλεκομένων προσώπων"
                                       << int(MessageIcon::Exclamation);
        QTest::newRow("owners") << "owners" << 2 << 0 << "Ορισμός ιδιοκτητών" << int(MessageIcon::Information);
        QTest::newRow("residents") << "residents" << 2 << 0 << "Ορισμός ενοίκων" << int(MessageIcon::Information);
        QTest::newRow("issues") << "issues" << 2 << 0 << "Πρόβλημα με την έκδοση κοινοχρήστων"
                                << int(MessageIcon::Critical);
        QTest::newRow("expenses") << "expenses" << 0 << 2 << "Καταχώριση εξόδων" << int(MessageIcon::Information);
        QTest::newRow("payments") << "payments" << 0 << 2 << "Καταχώριση πληρωμών" << int(MessageIcon::Information);
        QTest::newRow("persons list") << "contactList" << 1 << 0
                                      << "Συγκεντρωτική εκτύπωση στοιχείων επικοινωνίας εμπλεκομένων προσώπων"
                                      << int(MessageIcon::Critical);
        QTest::newRow("per-mille table") << "perMilleTable" << 0 << 1 << "Εκτύπωση χιλιοστών"
                                         << int(MessageIcon::Critical);
        QTest::newRow("order professionals") << "professionalOrder" << 0 << 0
                                             << "Σειρά εμφάνισης των επαγγελματιών" << int(MessageIcon::Exclamation);
    }

    void preconditionsRefuseWithTheirMessages()
    {
        QFETCH(QString, command);
        QFETCH(int, flats);
        QFETCH(int, persons);
        QFETCH(QString, title);
        QFETCH(int, icon);
        ShellFixture f;
        int opened = 0;
        f.window->bindChildWindow(command, [&](AppContext &context, int index) {
            ++opened;
            return new ProbeWindow(context, index);
        });
        f.state.Building = ShellFixture::work(flats, persons);
        f.window->runCommand(command);
        QCOMPARE(opened, 0);
        QCOMPARE(f.doubles.messages.shown.size(), 1);
        QCOMPARE(f.doubles.messages.shown.first().title, title);
        QCOMPARE(int(f.doubles.messages.shown.first().icon), icon);

        f.state.Building = ShellFixture::work(2, 2);
        f.state.Building.Professionals.resize(2);
        f.window->runCommand(command);
        QCOMPARE(opened, 1);
        QCOMPARE(f.doubles.messages.shown.size(), 1);
    }

    void aChildWindowBringsItsMenusAndOpensOnce()
    {
        ShellFixture f;
        f.window->show();
        QList<ProbeWindow *> made;
        f.window->bindChildWindow(QStringLiteral("categoryPerMille"), [&](AppContext &context, int index) {
            made.append(new ProbeWindow(context, index));
            return made.last();
        });
        QVERIFY(f.window->menuAction(QStringLiteral("categoryPerMille(3)"))->isEnabled());
        f.window->runCommand(QStringLiteral("categoryPerMille(3)"));
        QCOMPARE(made.size(), 1);
        QCOMPARE(made.first()->index, 3);
        QCOMPARE(barCaptions(*f.window), (QStringList{QStringLiteral("Δεδομένα"), QStringLiteral("Κλείσιμο")}));
        f.window->runCommand(QStringLiteral("categoryPerMille(3)"));
        QCOMPARE(made.size(), 1);
        f.window->runCommand(QStringLiteral("categoryPerMille(1)"));
        QCOMPARE(made.size(), 2);

        f.window->refreshOtherWindows(made.first());
        QCOMPARE(made.first()->refreshed, 0);
        QCOMPARE(made.last()->refreshed, 1);

        // F1 opens the active child's help topic.
        QVERIFY(activate(f.window.get()));
        QTest::keyClick(f.window.get(), Qt::Key_F1);
        QVERIFY(!f.doubles.help.topics.isEmpty());
        QCOMPARE(f.doubles.help.topics.last(), 8400);

        // The bar command "Κλείσιμο" closes the window through its frame.
        for (ProbeWindow *window : made) {
            QAction *closeCommand = nullptr;
            for (QAction *action : f.window->menuBar()->actions())
                if (action->text() == QStringLiteral("Κλείσιμο"))
                    closeCommand = action;
            QVERIFY(closeCommand);
            QVERIFY(!closeCommand->menu());
            Q_UNUSED(window);
            closeCommand->trigger();
        }
        QTRY_COMPARE(f.window->childWindows().size(), 0);
        QCOMPARE(barCaptions(*f.window).value(0), QStringLiteral("Αρχεία"));
    }

    void aWindowOpenedByAnotherBecomesAChild()
    {
        ShellFixture f;
        f.window->show();
        auto *window = new ProbeWindow(f.window->context(), 0);
        f.window->showChildWindow(window);
        QCOMPARE(f.window->childWindows(), QList<DataWindow *>{window});
        QCOMPARE(barCaptions(*f.window).first(), QStringLiteral("Δεδομένα"));
        QCOMPARE(window->parentWidget()->pos(), QPoint(0, 0));
    }

    void helpTopicsOfTheMainWindowAndItsItems()
    {
        ShellFixture f;
        f.window->show();
        QVERIFY(activate(f.window.get()));
        QTest::keyClick(f.window.get(), Qt::Key_F1);
        QCOMPARE(f.doubles.help.topics, QList<int>{15});
        QCOMPARE(f.window->menuAction(QStringLiteral("save"))->property("helpTopic").toInt(), 52);
        QCOMPARE(f.window->menuAction(QStringLiteral("recentFile(4)"))->property("helpTopic").toInt(), 53);
        QMenu *files = f.window->mainMenu(QStringLiteral("files"));
        files->popup(f.window->mapToGlobal(QPoint(0, 0)));
        files->setActiveAction(f.window->menuAction(QStringLiteral("save")));
        QTest::keyClick(files, Qt::Key_F1);
        QVERIFY(!files->isVisible());
        QCOMPARE(f.doubles.help.topics.last(), 52);
        for (const char *name : {"helpOnHelp", "introduction", "printingHelp"})
            f.window->runCommand(QString::fromLatin1(name));
        QCOMPARE(f.doubles.help.topics.mid(2), (QList<int>{15, 12015, 5000}));
    }

    void webAndMailCommandsOpenTheirAddresses()
    {
        ShellFixture f;
        f.window->runCommand(QStringLiteral("website"));
        f.window->runCommand(QStringLiteral("email"));
        QCOMPARE(f.doubles.desktop.opened.size(), 2);
        QVERIFY(f.doubles.desktop.opened.at(0).isLocalFile());
        QCOMPARE(f.doubles.desktop.opened.at(1).scheme(), QStringLiteral("mailto"));
    }

    void thePasswordCommandExplainsFirst()
    {
        ShellFixture f;
        f.doubles.messages.script = {MessageAnswer::Cancel};
        f.window->runCommand(QStringLiteral("password"));
        const MessageRequest &explanation = f.doubles.messages.shown.first();
        QCOMPARE(explanation.title, QStringLiteral("Πρόσθεση κωδικού προσπέλασης στα δεδομένα σας"));
        QVERIFY(explanation.text.startsWith(
            QStringLiteral("Αυτή τη στιγμή τα δεδομένα σας δεν είναι εφοδιασμένα με κωδικό προσπέλασης. Δηλαδή")));
        QVERIFY(explanation.text.endsWith(
            QStringLiteral("\n\nΠροχωρήστε για να προσθέσετε κωδικό προσπέλασης για τα δεδομένα σας.")));
        QCOMPARE(explanation.buttons, MessageButtons::OkCancel);
        QCOMPARE(explanation.defaultAnswer, MessageAnswer::Cancel);
        QCOMPARE(explanation.icon, MessageIcon::Information);

        f.state.PasswordSet = true;
        f.doubles.messages.script = {MessageAnswer::Cancel};
        f.window->runCommand(QStringLiteral("password"));
        QCOMPARE(f.doubles.messages.shown.last().title, QStringLiteral("Αλλαγή κωδικού προσπέλασης των δεδομένων σας"));
    }

    void aNewWorkWithChangesAsksAndSaves()
    {
        ShellFixture f;
        f.state.Building = ShellFixture::work(1, 1);
        f.state.DataChanged = true;
        f.doubles.messages.script = {MessageAnswer::Yes};
        f.window->runCommand(QStringLiteral("newWork"));
        // The save dialog was cancelled: the old work stays.
        QCOMPARE(f.doubles.fileDialogs.saveRequests.size(), 1);
        QCOMPARE(f.state.Building.FlatCount(), 1);
        QCOMPARE(f.messageTitles(), QStringList{QStringLiteral("Εργασία σε εκκρεμότητα")});

        f.doubles.messages.script = {MessageAnswer::No};
        f.window->runCommand(QStringLiteral("newWork"));
        QCOMPARE(f.state.Building.FlatCount(), 0);
        QVERIFY(!f.state.DataChanged);
        QCOMPARE(f.doubles.messages.shown.last().text,
                 QStringLiteral("Όλα είναι έτοιμα για να ξεκινήσετε τη νέα σας εργασία. Το πρώτο βήμα είναι ο ορισμός "
                                "των κατηγοριών των κοινών δαπανών."));
    }
};

KV_TEST_MAIN(TestMainMenus)

} // namespace test_mainmenus
#include "test_mainmenus.moc"
