#include "occupancy/administratorswindow.h"
#include "occupancy/occupancywindow.h"
#include "occupancy/periodrules.h"
#include "platform/localeservice.h"
#include "register/flatswindow.h"
#include "register/personswindow.h"
#include "registerfixture.h"
#include "testprogram.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace kelvarino;

namespace test_periods {

namespace {

double day(int y, int m, int d)
{
    return double(QDate(1899, 12, 30).daysTo(QDate(y, m, d)));
}

OccupancyPeriod period(int person, int flat, double from = NotSetDate, double to = NotSetDate)
{
    return OccupancyPeriod{qint16(person), qint16(flat), from, to};
}

void addFlatsAndPersons(AppState &state, int flats, int persons)
{
    for (int i = 0; i < flats; ++i)
        state.Building.Flats.push_back(MakeFlat(QStringLiteral("F%1").arg(i + 1)));
    for (int i = 0; i < persons; ++i)
        state.Building.Persons.push_back(MakePerson(QStringLiteral("Πρόσωπο %1").arg(i + 1)));
}

// Types the text into a date box and leaves it.
void typeDate(QLineEdit *box, const QString &text)
{
    FocusBox(box);
    box->selectAll();
    TypeInto(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}

} // namespace

class TestPeriods : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { LocaleService::installGreekLocale(); }

    // One table of typed dates for the date boxes of every period window.
    void dateBoxes_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("wasSet");
        QTest::addColumn<bool>("changed");
        const char *names[] = {"administrators", "owners", "residents"};
        for (int w = 0; w < 3; ++w) {
            const QByteArray n(names[w]);
            QTest::newRow(n + " short year") << w << "1/3/20" << "1/3/2020" << false << true;
            QTest::newRow(n + " impossible day") << w << "31/2/2020" << "" << true << true;
            QTest::newRow(n + " letters") << w << "abc" << "" << false << false;
            QTest::newRow(n + " before 1000") << w << "5/5/0999" << "" << true << true;
            QTest::newRow(n + " empty") << w << "" << "" << false << false;
        }
    }
    void dateBoxes()
    {
        QFETCH(int, window);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, wasSet);
        QFETCH(bool, changed);
        RegisterFixture f;
        addFlatsAndPersons(f.state, 1, 2);
        const double stored = wasSet ? day(2019, 6, 1) : NotSetDate;
        f.state.Building.Administrators = {AdministratorPeriod{0, stored, NotSetDate}};
        f.state.Building.Owners = {period(0, 0, stored)};
        f.state.Building.Residents = {period(0, 0, stored)};
        std::unique_ptr<GridEditor> w;
        double *from = nullptr;
        if (window == 0) {
            w = std::make_unique<AdministratorsWindow>(f.context);
            from = &f.state.Building.Administrators[0].FromDate;
        } else if (window == 1) {
            w = std::make_unique<OwnersWindow>(f.context);
            from = &f.state.Building.Owners[0].FromDate;
        } else {
            w = std::make_unique<ResidentsWindow>(f.context);
            from = &f.state.Building.Residents[0].FromDate;
        }
        ShowActive(w.get());
        typeDate(w->dateCell(0, 1), typed);
        QCOMPARE(w->dateCell(0, 1)->text(), shown);
        QCOMPARE(*from, shown.isEmpty() ? NotSetDate : day(2020, 3, 1));
        QCOMPARE(f.state.DataChanged, changed);

        // Esc after leaving brings back what was stored then (a cleared date comes back).
        f.state.DataChanged = false;
        FocusBox(w->dateCell(0, 1));
        TypeInto(w->dateCell(0, 1), QStringLiteral("7/7/2021"));
        QTest::keyClick(w->dateCell(0, 1), Qt::Key_Escape);
        const double expected = shown.isEmpty() ? stored : day(2020, 3, 1);
        QCOMPARE(*from, expected);
        QCOMPARE(w->dateCell(0, 1)->text(), IsDateSet(expected) ? LocaleService::formatDate(expected) : QString());
        QCOMPARE(f.state.DataChanged, shown.isEmpty() && wasSet);
    }

    void ownersClosingCheck()
    {
        RegisterFixture f;
        addFlatsAndPersons(f.state, 3, 2);
        std::vector<OccupancyPeriod> &owners = f.state.Building.Owners;
        owners = {period(0, 0), period(1, 1, day(2020, 1, 1), day(2020, 1, 1)), period(0, 2)};
        OwnersWindow w(f.context);
        ShowActive(&w);
        QVERIFY(!w.close());
        QCOMPARE(f.platform.messages.shown.size(), 1);
        QCOMPARE(f.platform.messages.shown[0].title, QStringLiteral("Προβλήματα με τον ορισμό ιδιοκτητών"));
        QCOMPARE(f.platform.messages.shown[0].icon, MessageIcon::Exclamation);
        QCOMPARE(f.platform.messages.shown[0].text,
                 QStringLiteral("Δεν μπορεί μια ιδιοκτησία να τελείωσε πριν αρχίσει. Διορθώσετε την κατάσταση "
                                "πριν κλείσετε το παράθυρο ορισμού ιδιοκτητών."));
        QCOMPARE(w.chosenFlat(), 1);
        QCOMPARE(w.flatSelector()->currentIndex(), 1);
        QCOMPARE(f.shell.menuUpdates, 0);

        // The day after passes; a flat with two periods, one without start, is refused next.
        typeDate(w.dateCell(0, 2), QStringLiteral("2/1/2020"));
        owners.push_back(period(1, 0, day(2021, 1, 1)));
        f.platform.messages.shown.clear();
        QVERIFY(!w.close());
        QCOMPARE(f.platform.messages.shown.size(), 1);
        QVERIFY(f.platform.messages.shown[0].text.startsWith(
            QStringLiteral("Αφού έχετε ορίσει περισσότερους από ένα ιδιοκτήτες, θα πρέπει να ορίσετε και "
                           "ημερομηνίες αρχής/τέλους ιδιοκτησίας. Διορθώσετε")));
        QCOMPARE(w.chosenFlat(), 0);
        QCOMPARE(w.listedPeriods(), (std::vector<int>{0, 3}));
        QCOMPARE(owners.size(), std::size_t(4)); // unchanged, not regrouped

        // Fixed: the close goes through, grouped by flat and sorted by start.
        typeDate(w.dateCell(0, 1), QStringLiteral("1/1/2022"));
        f.state.DataChanged = false;
        QVERIFY(w.close());
        QCOMPARE(owners[0].FromDate, day(2021, 1, 1));
        QCOMPARE(owners[1].FromDate, day(2022, 1, 1));
        QCOMPARE(owners[2].Flat, qint16(1));
        QCOMPARE(owners[3].Flat, qint16(2));
        QVERIFY(f.state.DataChanged); // the sort exchanged two periods
        QCOMPARE(f.shell.menuUpdates, 1);
        QCOMPARE(f.platform.choices.asked.size(), 0);
    }

    void flatsWithoutPeriodsAreListedAtClose()
    {
        RegisterFixture f;
        addFlatsAndPersons(f.state, 6, 1);
        f.state.Building.Flats[4].ShortName.set(QStringLiteral("E5"));
        for (int flat : {0, 2, 3, 5}) // flats 1 and 4 have none
            f.state.Building.Owners.push_back(period(0, flat));
        OwnersWindow w(f.context);
        ShowActive(&w);
        f.platform.choices.script = {0, -1};
        QVERIFY(!w.close());
        QCOMPARE(f.platform.choices.asked.size(), 1);
        const ChoiceRequest &q = f.platform.choices.asked[0];
        QCOMPARE(q.title, QStringLiteral("Ιδιοκτήτες και διαμερίσματα"));
        QCOMPARE(q.icon, int(ChoiceRequest::Exclamation));
        QCOMPARE(q.items, (QStringList{QStringLiteral("F2   "), QStringLiteral("E5   ")}));
        QCOMPARE(q.defaultOption, 1);
        QCOMPARE(q.options[0], QStringLiteral("Θέλω να προσθέσω ιδιοκτήτες"));
        QCOMPARE(w.chosenFlat(), 4);
        QVERIFY(f.platform.messages.shown.isEmpty());

        // Closing the dialog without OK lets the close go on; grouping alone changes nothing.
        f.state.DataChanged = false;
        QVERIFY(w.close());
        QVERIFY(!f.state.DataChanged);
    }

    void theExchangeSortIsNotStable()
    {
        std::vector<AdministratorPeriod> list = {AdministratorPeriod{0, day(2020, 3, 1), NotSetDate},
                                                 AdministratorPeriod{1, day(2020, 1, 1), NotSetDate},
                                                 AdministratorPeriod{2, day(2020, 1, 1), NotSetDate}};
        QVERIFY(ExchangeSortByStart(list));
        QCOMPARE(list[0].Person, qint16(1));
        QCOMPARE(list[1].Person, qint16(2));
        QCOMPARE(list[2].Person, qint16(0));
        QVERIFY(!ExchangeSortByStart(list));

        std::vector<OccupancyPeriod> occupancy = {period(0, 2), period(1, 0), period(2, 2), period(3, 7)};
        QVERIFY(!GroupAndSortOccupancy(occupancy, 3));
        QCOMPARE(occupancy[0].Person, qint16(1));
        QCOMPARE(occupancy[1].Person, qint16(0));
        QCOMPARE(occupancy[2].Person, qint16(2));
        QCOMPARE(occupancy[3].Person, qint16(3)); // a period of no existing flat is kept
    }

    void newEntryRowCreatesOnChoosingAPerson()
    {
        RegisterFixture f;
        addFlatsAndPersons(f.state, 2, 3);
        f.state.Building.Owners = {period(0, 1), period(1, 0), period(2, 1)};
        OwnersWindow w(f.context);
        ShowActive(&w);
        QCOMPARE(w.listedPeriods(), (std::vector<int>{1}));
        QCOMPARE(w.rowNumber(1)->text(), QStringLiteral("2"));
        QVERIFY(w.scrollBar()->isHidden());

        // A date still being typed goes with the create image.
        typeDate(w.dateCell(1, 1), QStringLiteral("1/2/2020"));
        FocusBox(w.dateCell(1, 2));
        TypeInto(w.dateCell(1, 2), QStringLiteral("3/4/2021"));
        emit w.choiceCell(1, 0)->activated(2);
        QCOMPARE(f.state.Building.OwnerCount(), 4);
        QCOMPARE(f.state.Building.Owners[3], period(2, 0, day(2020, 2, 1), day(2021, 4, 3)));
        QVERIFY(f.state.DataChanged);
        QCOMPARE(w.listedPeriods(), (std::vector<int>{1, 3}));
        QCOMPARE(w.choiceCell(2, 0)->currentIndex(), -1);
        QCOMPARE(w.dateCell(2, 1)->text(), QString());

        // Without a person the create image refuses; switching flats drops the row's dates.
        typeDate(w.dateCell(2, 1), QStringLiteral("5/5/2022"));
        w.acceptButton()->click();
        QCOMPARE(f.platform.messages.shown.last().title, QStringLiteral("Πρόβλημα με τη δημιουργία νέου ιδιοκτήτη"));
        QCOMPARE(f.platform.messages.shown.last().text,
                 QStringLiteral("Επιλέξτε πρόσωπο και συμπληρώστε τουλάχιστον την ημερομηνία αρχής ξανά."));
        emit w.flatSelector()->activated(1);
        emit w.flatSelector()->activated(0);
        QCOMPARE(w.dateCell(2, 1)->text(), QString());

        // The row's delete image empties it for good: Esc brings no date back.
        typeDate(w.dateCell(2, 1), QStringLiteral("6/6/2022"));
        w.deleteButton(2)->click();
        QCOMPARE(w.dateCell(2, 1)->text(), QString());
        FocusBox(w.dateCell(2, 1));
        QTest::keyClick(w.dateCell(2, 1), Qt::Key_Escape);
        QCOMPARE(w.dateCell(2, 1)->text(), QString());
        emit w.choiceCell(2, 0)->activated(0);
        QCOMPARE(f.state.Building.Owners[4], period(0, 0));
    }

    void deletingAPeriodKeepsTheListingOnTheSamePeriods()
    {
        RegisterFixture f;
        addFlatsAndPersons(f.state, 2, 3);
        f.state.Building.Owners = {period(0, 0), period(1, 1), period(2, 0), period(1, 0)};
        OwnersWindow w(f.context);
        f.platform.messages.script = {MessageAnswer::No, MessageAnswer::Yes};
        w.deleteButton(1)->click();
        QCOMPARE(f.state.Building.OwnerCount(), 4);
        QCOMPARE(f.platform.messages.shown[0].title, QStringLiteral("Διαγραφή ενός ιδιοκτήτη"));
        QCOMPARE(f.platform.messages.shown[0].buttons, MessageButtons::YesNo);
        w.deleteButton(1)->click();
        QCOMPARE(f.state.Building.OwnerCount(), 3);
        QCOMPARE(w.listedPeriods(), (std::vector<int>{0, 2}));
        QCOMPARE(w.choiceCell(1, 0)->currentIndex(), 1);
        QCOMPARE(f.state.Building.Owners[1], period(1, 1));
    }

    void deleteAllRemovesThePeriodsOfEveryFlat()
    {
        RegisterFixture f;
        addFlatsAndPersons(f.state, 2, 1);
        for (int i = 0; i < 50; ++i)
            f.state.Building.Owners.push_back(period(0, i % 2 ? 1 : 0));
        OwnersWindow w(f.context);
        QVERIFY(!w.scrollBar()->isHidden());
        QCOMPARE(w.scrollBar()->maximum(), 25 + 1 - w.rowCount());
        // A deletion answered No still steps the view back by one.
        w.scrollBar()->setValue(2);
        f.platform.messages.script = {MessageAnswer::No};
        w.deleteButton(3)->click();
        QCOMPARE(f.state.Building.OwnerCount(), 50);
        QCOMPARE(w.scrollBar()->value(), 1);
        f.platform.messages.script = {MessageAnswer::No};
        w.dataMenu()->actions().at(3)->trigger();
        QCOMPARE(f.state.Building.OwnerCount(), 50);
        w.dataMenu()->actions().at(3)->trigger();
        QVERIFY(f.state.Building.Owners.empty());
        QCOMPARE(f.platform.messages.shown[1].title, QStringLiteral("Διαγραφή όλων των ιδιοκτητών"));
        QVERIFY(w.scrollBar()->isHidden());
        QCOMPARE(w.rowNumber(0)->text(), QStringLiteral("1"));
        w.dataMenu()->actions().at(3)->trigger();
        QCOMPARE(f.platform.messages.shown.last().text, QStringLiteral("Δεν υπάρχουν ιδιοκτήτες για διαγραφή"));
        QCOMPARE(f.platform.messages.shown.last().icon, MessageIcon::Information);
        // Enter in a date box of the new-entry row stores the date and tries to create.
        ShowActive(&w);
        FocusBox(w.dateCell(0, 1));
        TypeInto(w.dateCell(0, 1), QStringLiteral("1/1/2020"));
        QTest::keyClick(w.dateCell(0, 1), Qt::Key_Return);
        QCOMPARE(f.platform.messages.shown.last().title, QStringLiteral("Πρόβλημα με τη δημιουργία νέου ιδιοκτήτη"));
        emit w.choiceCell(0, 0)->activated(0);
        QCOMPARE(f.state.Building.Owners.at(0), period(0, 0, day(2020, 1, 1)));
    }

    void personsChangedElsewhereAreReadBeforeActing()
    {
        RegisterFixture f;
        addFlatsAndPersons(f.state, 1, 2);
        f.state.Building.Owners = {period(1, 0, day(2020, 1, 1))};
        OwnersWindow w(f.context);
        ShowActive(&w);
        FocusBox(w.choiceCell(1, 0));
        w.choiceCell(1, 0)->setCurrentIndex(0);
        {
            PersonsWindow persons(f.context);
            f.platform.choices.script = {0};
            persons.deleteButton(1)->click(); // person 1 goes with its period
            f.platform.choices.script = {};
            persons.deleteButton(0)->click();
        }
        QVERIFY(f.state.Building.Persons.empty());
        emit w.choiceCell(0, 0)->activated(0); // a row that no longer holds a period
        QVERIFY(f.state.Building.Owners.empty());
        w.acceptButton()->click();
        QVERIFY(f.state.Building.Owners.empty());
        QCOMPARE(w.choiceCell(0, 0)->count(), 0);
        QCOMPARE(w.listedPeriods().size(), std::size_t(0));
        QVERIFY(w.close());
    }

    void administrators()
    {
        RegisterFixture f;
        AdministratorsWindow w(f.context);
        ShowActive(&w);
        // Without persons nothing can be created.
        w.acceptButton()->click();
        QCOMPARE(f.platform.messages.shown.last().text,
                 QStringLiteral("Επιλέξτε πρόσωπο και συμπληρώστε τουλάχιστον την ημερομηνία αρχής ξανά."));
        QCOMPARE(f.platform.messages.shown.last().title, QStringLiteral("Πρόβλημα με τη δημιουργία νέου διαχειριστή"));

        f.state.Building.Administrators = {AdministratorPeriod{0, NotSetDate, NotSetDate}};
        f.state.Building.Persons = {MakePerson(QStringLiteral("Α"))};
        AdministratorsWindow one(f.context);
        QVERIFY(one.close());
        f.state.Building.Administrators[0].ToDate = day(2020, 1, 1);
        AdministratorsWindow endOnly(f.context);
        f.platform.messages.shown.clear();
        QVERIFY(!endOnly.close());
        QCOMPARE(f.platform.messages.shown[0].text,
                 QStringLiteral("Πρέπει να ορίσετε όλες τις ημερομηνίες αρχής διαχείρισης. Διορθώσετε την "
                                "κατάσταση πριν κλείσετε το παράθυρο ορισμού διαχειριστών."));
    }

    void creatingPastTheLimitIsRefused()
    {
        RegisterFixture f;
        addFlatsAndPersons(f.state, 1, 1);
        f.state.Building.Residents.assign(MaxListCount, period(0, 0));
        f.state.Building.Flats.push_back(MakeFlat(QStringLiteral("F2")));
        ResidentsWindow w(f.context);
        emit w.flatSelector()->activated(1);
        emit w.choiceCell(0, 0)->activated(0);
        QCOMPARE(f.state.Building.ResidentCount(), MaxListCount);
        QCOMPARE(f.platform.messages.shown.last().title, QStringLiteral("Πρόβλημα με τη δημιουργία νέου ενοίκου"));
        QCOMPARE(f.platform.messages.shown.last().icon, MessageIcon::Exclamation);
    }

    void residentsSpeakOfResidents()
    {
        RegisterFixture f;
        addFlatsAndPersons(f.state, 1, 1);
        f.state.Building.Residents = {period(0, 0, day(2020, 5, 1), day(2020, 4, 1))};
        ResidentsWindow w(f.context);
        QCOMPARE(w.helpTopic(), 0);
        QVERIFY(!w.close());
        QCOMPARE(f.platform.messages.shown.last().title, QStringLiteral("Προβλήματα με τον ορισμό ενοίκων"));
        QCOMPARE(f.platform.messages.shown.last().text,
                 QStringLiteral("Δεν μπορεί μια κατοίκηση να τελείωσε πριν αρχίσει. Διορθώσετε την κατάσταση πριν "
                                "κλείσετε το παράθυρο ορισμού ενοίκων."));
        f.platform.messages.script = {MessageAnswer::No};
        w.deleteButton(0)->click();
        QCOMPARE(f.platform.messages.shown.last().title, QStringLiteral("Διαγραφή ενός ενοίκου"));
        QCOMPARE(f.platform.messages.shown.last().text, QStringLiteral("Είστε σίγουροι ότι θέλετε να διαγράψετε τον ένοικο;"));
    }

    void flatsChangedElsewhereStartTheSelectorAgain()
    {
        RegisterFixture f;
        addFlatsAndPersons(f.state, 3, 1);
        f.state.Building.Owners = {period(0, 2, day(2020, 1, 1))};
        OwnersWindow w(f.context);
        ShowActive(&w);
        emit w.flatSelector()->activated(2);
        typeDate(w.dateCell(1, 1), QStringLiteral("1/1/2021"));
        QCOMPARE(w.listedPeriods(), std::vector<int>{0});
        {
            FlatsWindow flats(f.context);
            f.platform.choices.script = {0};
            flats.deleteButton(0)->click(); // flat 0 goes; the others move up
        }
        w.deleteButton(0)->click(); // acts only after the window was rebuilt
        QCOMPARE(f.state.Building.OwnerCount(), 1);
        QCOMPARE(w.flatSelector()->count(), 2);
        QCOMPARE(w.chosenFlat(), 0);
        QVERIFY(w.listedPeriods().empty());
        emit w.flatSelector()->activated(1);
        QCOMPARE(w.listedPeriods(), std::vector<int>{0});
        QCOMPARE(w.dateCell(0, 1)->text(), QStringLiteral("1/1/2020"));
    }
};

KV_TEST_MAIN(TestPeriods)

} // namespace test_periods
#include "test_periods.moc"
