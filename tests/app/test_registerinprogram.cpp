#include "programtest.h"
#include "register/flatorderwindow.h"
#include "register/flatswindow.h"
#include "register/personcontactwindow.h"
#include "register/personorderwindow.h"
#include "register/personswindow.h"
#include "register/windowopener.h"
#include "registerfixture.h"

#include "modalwindow.h"
#include "testprogram.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace kelvarino;

namespace test_registerinprogram {

namespace {

struct Flat
{
    QString name;
    QString description;
    QString residentDebt; // as typed
    QString ownerDebt;
    float resident;
    float owner;
};

struct Person
{
    QString name;
    int female;
};

const QList<Flat> TypedFlats = {
    {QStringLiteral("Α1"), QStringLiteral("Κατάστημα ισογείου"), QStringLiteral("12,5"), QStringLiteral("0"), 12.5f, 0},
    {QStringLiteral("Β2"), QStringLiteral("Δεύτερος όροφος, 80 τμ"), QStringLiteral("0"), QStringLiteral("1234,56"), 0,
     1234.56f},
    {QStringLiteral("Γ3"), QStringLiteral("Ρετιρέ"), QStringLiteral("-40,1"), QStringLiteral("7,05"), -40.1f, 7.05f},
};

const QList<Person> TypedPersons = {
    {QStringLiteral("Παπαδόπουλος Γεώργιος"), 0},
    {QStringLiteral("Ιωάννου Μαρία"), 1},
    {QStringLiteral("Νικολάου Κώστας"), 0},
    {QStringLiteral("Δημητρίου Ελένη"), 1},
};

// Clicks into a box, empties it and types the text, as the user does.
void retype(QLineEdit *box, const QString &text)
{
    QVERIFY(box && box->isVisible());
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY2(box->hasFocus(), qPrintable(text));
    ClearBox(box);
    TypeInto(box, text);
}

QAction *actionCaptioned(const QMenu *menu, const QString &caption)
{
    for (QAction *action : menu->actions())
        if (action->text() == caption)
            return action;
    return nullptr;
}

} // namespace

// The register windows driven through the real main window: typed in, reordered,
// saved, and read back from the file.
class TestRegisterInProgram : public ProgramTest
{
    Q_OBJECT

private:
    QString savedPath_;

    template <class W>
    W *activeWindow() const
    {
        const QList<DataWindow *> open = window_->childWindows();
        return open.size() == 1 ? dynamic_cast<W *>(open.first()) : nullptr;
    }

    // The main menu bar shows exactly the menus of the window.
    void verifyMenusOf(const DataWindow *window) const
    {
        const QList<QAction *> bar = window_->menuBar()->actions();
        QCOMPARE(bar.size(), window->menus().size());
        for (int i = 0; i < bar.size(); ++i) {
            QCOMPARE(bar[i]->text(), window->menus()[i]->title());
            QCOMPARE(bar[i]->isEnabled(), window->menus()[i]->menuAction()->isEnabled());
        }
        QVERIFY(!bar.contains(window_->mainMenu(QStringLiteral("files"))->menuAction()));
    }

    void closeChild(DataWindow *window)
    {
        QVERIFY(CloseDataWindow(window));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window_->childWindows().isEmpty());
        QVERIFY(window_->menuBar()->actions().contains(window_->mainMenu(QStringLiteral("files"))->menuAction()));
    }

    void verifyCounts(int flats, int persons) const
    {
        QCOMPARE(window_->menuAction(QStringLiteral("flats"))->text(),
                 QStringLiteral("2. Διαμερίσματα και αρχικά οικονομικά στοιχεία (%1)").arg(flats));
        QCOMPARE(window_->menuAction(QStringLiteral("persons"))->text(),
                 QStringLiteral("3. Εμπλεκόμενα πρόσωπα (%1)").arg(persons));
    }

    // Moves the record in `from` to `to` by a click on each row's name.
    static void moveInOrderWindow(OrderWindow *order, int from, int to)
    {
        QTest::mouseClick(order->nameCell(from), Qt::LeftButton);
        QVERIFY(order->isCarrying());
        QTest::mouseClick(order->nameCell(to), Qt::LeftButton);
        QVERIFY(!order->isCarrying());
    }

    void verifyWork(const QList<int> &flatOrder, const QList<int> &personOrder) const
    {
        const BuildingData &b = state_.Building;
        QCOMPARE(b.FlatCount(), int(flatOrder.size()));
        for (int i = 0; i < flatOrder.size(); ++i) {
            const Flat &typed = TypedFlats[flatOrder[i]];
            const FlatRecord &flat = b.Flats[std::size_t(i)];
            QCOMPARE(flat.ShortName.trimmed(), typed.name);
            QCOMPARE(flat.Description.trimmed(), typed.description);
            QCOMPARE(flat.ResidentInitialDebt, typed.resident);
            QCOMPARE(flat.OwnerInitialDebt, typed.owner);
        }
        QCOMPARE(b.PersonCount(), int(personOrder.size()));
        for (int i = 0; i < personOrder.size(); ++i) {
            const Person &typed = TypedPersons[personOrder[i]];
            QCOMPARE(b.Persons[std::size_t(i)].Name.trimmed(), typed.name);
            QCOMPARE(int(b.Persons[std::size_t(i)].Female), typed.female);
        }
    }

private slots:
    void initTestCase()
    {
        startProgram();
        QVERIFY(doubles_.messages.shown.isEmpty());
        verifyCounts(0, 0);
    }

    void cleanupTestCase() { stopProgram(); }

    void threeFlatsAreTypedInTheFlatsWindow()
    {
        window_->runCommand(QStringLiteral("flats"));
        auto *flats = activeWindow<FlatsWindow>();
        QVERIFY(flats);
        verifyMenusOf(flats);
        // A window of fixed size is not offered a maximized frame.
        QVERIFY(!(flats->parentWidget()->windowFlags() & Qt::WindowMaximizeButtonHint));
        for (int i = 0; i < TypedFlats.size(); ++i) {
            const Flat &typed = TypedFlats[i];
            retype(flats->textCell(i, 0), typed.name);
            retype(flats->textCell(i, 1), typed.description);
            retype(flats->textCell(i, 2), typed.residentDebt);
            retype(flats->textCell(i, 3), typed.ownerDebt);
            QTest::mouseClick(flats->acceptButton(), Qt::LeftButton);
        }
        verifyWork({0, 1, 2}, {});
        QCOMPARE(flats->textCell(0, 2)->text(), QStringLiteral("12,50"));
        QCOMPARE(flats->textCell(1, 3)->text(), QStringLiteral("1234,56"));
        QCOMPARE(flats->textCell(2, 2)->text(), QStringLiteral("-40,10"));
        QVERIFY(state_.DataChanged);
        // Every category has one per-mille column with a zero for every flat.
        for (const auto &columns : state_.Building.ShareColumns) {
            QCOMPARE(int(columns.size()), 1);
            QCOMPARE(int(columns.front().PerMille.size()), 3);
        }
        closeChild(flats);
        verifyCounts(3, 0);
    }

    void fourPersonsAreTypedWithAContactWindow()
    {
        window_->runCommand(QStringLiteral("persons"));
        auto *persons = activeWindow<PersonsWindow>();
        QVERIFY(persons);
        verifyMenusOf(persons);
        // The print command opens the contact list: enabled on the bar too.
        QVERIFY(window_->menuBar()->actions().last()->isEnabled());
        for (int i = 0; i < TypedPersons.size(); ++i) {
            retype(persons->textCell(i, 0), TypedPersons[i].name);
            if (TypedPersons[i].female) {
                QComboBox *sex = persons->choiceCell(i, 1);
                sex->setFocus(Qt::TabFocusReason);
                QTest::keyClick(sex, Qt::Key_Down);
                QCOMPARE(sex->currentText(), QStringLiteral("Θήλυ"));
            }
            QTest::mouseClick(persons->acceptButton(), Qt::LeftButton);
        }
        verifyWork({0, 1, 2}, {0, 1, 2, 3});

        // The window's menu shortcut wins over the name box's own use of the keys.
        QTest::mouseClick(persons->textCell(0, 0), Qt::LeftButton);
        QTest::keyClick(persons->textCell(0, 0), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(doubles_.fileDialogs.saveRequests.size(), 1);
        QVERIFY(!persons->textCell(0, 0)->hasSelectedText());

        // The contact data of the second person, typed in its modal window.
        const auto modal = OnModal<PersonContactWindow>([](PersonContactWindow *contact) {
            retype(contact->box(1), QStringLiteral("Πατησίων 112"));
            retype(contact->box(5), QStringLiteral("maria@example.gr"));
        });
        QTest::mouseClick(persons->actionButton(1), Qt::LeftButton);
        QCOMPARE(state_.Building.Persons[1].Street.trimmed(), QStringLiteral("Πατησίων 112"));
        // The persons window is again the active child with its menus.
        verifyMenusOf(persons);
        closeChild(persons);
        verifyCounts(3, 4);
    }

    void theOrderWindowsReorderInsideTheMainWindow()
    {
        // The flats' order from the main menu: the first flat goes third.
        window_->runCommand(QStringLiteral("flatOrder"));
        auto *flatOrder = activeWindow<FlatOrderWindow>();
        QVERIFY(flatOrder);
        verifyMenusOf(flatOrder);
        moveInOrderWindow(flatOrder, 0, 2);
        verifyWork({1, 2, 0}, {0, 1, 2, 3});
        QVERIFY(flatOrder->nameCell(0)->text().startsWith(QStringLiteral("Β2")));
        closeChild(flatOrder);

        // The persons' order from the persons window's menu: it closes and
        // the order window opens in its place inside the main window.
        window_->runCommand(QStringLiteral("persons"));
        auto *persons = activeWindow<PersonsWindow>();
        QVERIFY(persons);
        persons->orderAction()->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        auto *personOrder = activeWindow<PersonOrderWindow>();
        QVERIFY(personOrder);
        QVERIFY(personOrder->parentWidget() && personOrder->window() == window_.get());
        verifyMenusOf(personOrder);
        moveInOrderWindow(personOrder, 3, 0);
        verifyWork({1, 2, 0}, {3, 0, 1, 2});
        // The contact data travelled with its person.
        QCOMPARE(state_.Building.Persons[2].Street.trimmed(), QStringLiteral("Πατησίων 112"));

        // Saved under a new name from the order window's own menu.
        savedPath_ = dir_.filePath(QStringLiteral("πολυκατοικία.s43"));
        doubles_.fileDialogs.saveAnswers = {savedPath_};
        QAction *saveAs = actionCaptioned(personOrder->dataMenu(), QStringLiteral("Αποθήκευση ως ..."));
        QVERIFY(saveAs);
        saveAs->trigger();
        QVERIFY(QFile::exists(savedPath_));
        QVERIFY(!state_.DataChanged);
        QCOMPARE(window_->windowTitle(), QStringLiteral("Κελβαρίνο/v2.2/2016 - πολυκατοικία.s43"));
        closeChild(personOrder);
    }

    void theSavedWorkComesBackFromItsFile()
    {
        QVERIFY(!savedPath_.isEmpty());
        window_->runCommand(QStringLiteral("newWork"));
        verifyWork({}, {});
        verifyCounts(0, 0);

        doubles_.fileDialogs.openAnswers = {savedPath_};
        window_->runCommand(QStringLiteral("open"));
        QCOMPARE(doubles_.fileDialogs.openAnswers.size(), 0);
        verifyWork({1, 2, 0}, {3, 0, 1, 2});
        const PersonRecord &maria = state_.Building.Persons[2];
        QCOMPARE(maria.Street.trimmed(), QStringLiteral("Πατησίων 112"));
        QCOMPARE(maria.Email.trimmed(), QStringLiteral("maria@example.gr"));
        verifyCounts(3, 4);
        QVERIFY(!state_.DataChanged);

        // The flats window shows the file's flats in their new order.
        window_->runCommand(QStringLiteral("flats"));
        auto *flats = activeWindow<FlatsWindow>();
        QVERIFY(flats);
        QCOMPARE(flats->textCell(0, 0)->text(), QStringLiteral("Β2"));
        QCOMPARE(flats->textCell(0, 3)->text(), QStringLiteral("1234,56"));
        QCOMPARE(flats->textCell(2, 0)->text(), QStringLiteral("Α1"));
        QCOMPARE(flats->textCell(2, 2)->text(), QStringLiteral("12,50"));
        QCOMPARE(flats->textCell(3, 0)->text(), QString()); // the new-record row
        closeChild(flats);
        QVERIFY(!state_.DataChanged);
    }
};

KV_TEST_MAIN(TestRegisterInProgram)

} // namespace test_registerinprogram
#include "test_registerinprogram.moc"
