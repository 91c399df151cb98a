#include "register/flatswindow.h"
#include "register/namepaste.h"
#include "register/personswindow.h"
#include "registerfixture.h"
#include "testprogram.h"

#include <QLineEdit>
#include <QComboBox>
#include <QScrollBar>
#include <QTest>

#include <type_traits>
#include <utility>

using namespace kelvarino;

namespace test_paste {

namespace {

const QString SpreadsheetColumn = QStringLiteral("  A1 \r\nA2\r\n\r\n   \r\nΑ 1 ΝΟΤΙΟ");

QStringList shortNames(const AppState &state)
{
    QStringList names;
    for (const FlatRecord &flat : state.Building.Flats)
        names << flat.ShortName.trimmed();
    return names;
}

QStringList personNames(const AppState &state)
{
    QStringList names;
    for (const PersonRecord &person : state.Building.Persons)
        names << person.Name.trimmed();
    return names;
}

// Pastes the text into the window W over an empty work and goes ahead: the
// names the confirmation listed, and the names of the records created.
template <class W>
std::pair<QStringList, QStringList> PasteIntoEmpty(const QString &text)
{
    RegisterFixture f;
    f.platform.clipboard.content = text;
    f.platform.choices.script = {0};
    W window(f.context);
    window.pasteNames();
    const QStringList created =
        std::is_same_v<W, FlatsWindow> ? shortNames(f.state) : personNames(f.state);
    return {f.platform.choices.asked.value(0).items, created};
}

} // namespace

class TestPaste : public QObject
{
    Q_OBJECT
private slots:
    // Clipboard texts as spreadsheets and the other programs of a desktop
    // write them, the names the confirmation lists, and the names created in
    // the flats window (5 characters) and in the persons window (30).
    void pastedTextsBecomeNames_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("flats");
        QTest::addColumn<QStringList>("persons");
        QTest::newRow("spreadsheet column, CR LF")
            << SpreadsheetColumn << QStringList{"A1 ", "A2", QStringLiteral("Α 1 ΝΟΤΙΟ")}
            << QStringList{"A1", "A2", QStringLiteral("Α 1 Ν")}
            << QStringList{"A1", "A2", QStringLiteral("Α 1 ΝΟΤΙΟ")};
        const QStringList people{QStringLiteral("Παπαδόπουλος Γιώργος"), QStringLiteral("Κωνσταντινίδου Αικατερίνη")};
        QTest::newRow("text editor column, LF")
            << QStringLiteral("Παπαδόπουλος Γιώργος\nΚωνσταντινίδου Αικατερίνη\n") << people
            << QStringList{QStringLiteral("Παπαδ"), QStringLiteral("Κωνστ")} << people;
        QTest::newRow("CR") << QStringLiteral("A1\rA2\r") << QStringList{"A1", "A2"} << QStringList{"A1", "A2"}
                            << QStringList{"A1", "A2"};
        QTest::newRow("mixed ends and blank lines")
            << QStringLiteral("\n  A1\r\n\n   \r\rA2 \nA3") << QStringList{"A1", "A2 ", "A3"}
            << QStringList{"A1", "A2", "A3"} << QStringList{"A1", "A2", "A3"};
        QTest::newRow("rows of several cells")
            << QStringLiteral("Πέτρος Ζαφειρίου\tΑθηνάς 5\tΑθήνα\t2101234567\n"
                              "  Μαρία Λάμπρου\tΣόλωνος 12\r\n\tΚενό όνομα\t\n")
            << QStringList{QStringLiteral("Πέτρος Ζαφειρίου"), QStringLiteral("Μαρία Λάμπρου")}
            << QStringList{QStringLiteral("Πέτρο"), QStringLiteral("Μαρία")}
            << QStringList{QStringLiteral("Πέτρος Ζαφειρίου"), QStringLiteral("Μαρία Λάμπρου")};
        QTest::newRow("outside the code page")
            << QStringLiteral("Ζωή Κοντού 😀\nΑ→1 €") << QStringList{QStringLiteral("Ζωή Κοντού ?"), QStringLiteral("Α?1 €")}
            << QStringList{QStringLiteral("Ζωή Κ"), QStringLiteral("Α?1 €")}
            << QStringList{QStringLiteral("Ζωή Κοντού ?"), QStringLiteral("Α?1 €")};
        // One "?" for each character, whatever its length; an accent after its
        // letter joins it where the code page has the pair.
        QTest::newRow("Latin accents, emoji, combining accents")
            << QStringLiteral("Zoë Łukasz 😀\nΖωη\u0301 Κα\u0301λλη") << QStringList{QStringLiteral("Zo? ?ukasz ?"), QStringLiteral("Ζωή Κάλλη")}
            << QStringList{QStringLiteral("Zo? ?"), QStringLiteral("Ζωή Κ")}
            << QStringList{QStringLiteral("Zo? ?ukasz ?"), QStringLiteral("Ζωή Κάλλη")};
        QTest::newRow("longer than a person's name")
            << QStringLiteral("Αναστασία Χατζηπαναγιώτου-Οικονόμου\n")
            << QStringList{QStringLiteral("Αναστασία Χατζηπαναγιώτου-Οικονόμου")}
            << QStringList{QStringLiteral("Αναστ")}
            << QStringList{QStringLiteral("Αναστασία Χατζηπαναγιώτου-Οικο")};
    }
    void pastedTextsBecomeNames()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, flats);
        QFETCH(QStringList, persons);
        QCOMPARE(PasteIntoEmpty<FlatsWindow>(text), std::make_pair(listed, flats));
        QCOMPARE(PasteIntoEmpty<PersonsWindow>(text), std::make_pair(listed, persons));
    }

    void namesPastedIntoAnEmptyListAreAppendedAsTypedFlats()
    {
        RegisterFixture f;
        f.platform.clipboard.content = SpreadsheetColumn;
        FlatsWindow window(f.context);
        f.platform.choices.script = {0};
        window.pasteNames();
        const ChoiceRequest &q = f.platform.choices.asked.value(0);
        QCOMPARE(q.title, QStringLiteral("Εισαγωγή διαμερισμάτων"));
        QCOMPARE(q.lines, QStringList{QStringLiteral("Πρόκειται να προσθέσετε τα παρακάτω 3 διαμερίσματα στο τέλος "
                                                     "της υπάρχουσας λίστας διαμερισμάτων.")});
        QCOMPARE(q.items.last(), QStringLiteral("Α 1 ΝΟΤΙΟ"));
        QCOMPARE(q.defaultOption, 1);
        QCOMPARE(shortNames(f.state), (QStringList{"A1", "A2", QStringLiteral("Α 1 Ν")}));
        // Only the first takes what the new-record row offered.
        QCOMPARE(f.state.Building.Flats[0].Description.trimmed(), QStringLiteral("54 τμ"));
        QVERIFY(f.state.Building.Flats[1].Description.trimmed().isEmpty());
        QCOMPARE(f.state.Building.ShareColumns[5][0].PerMille.size(), std::size_t(3));
        QVERIFY(f.state.DataChanged);
    }

    void namesReplacingInsideKeepTheFlatsAfterThem()
    {
        RegisterFixture f;
        BuildingData &b = f.state.Building;
        for (const char *name : {"F0", "F1", "F2", "F3", "F4"})
            b.Flats.push_back(MakeFlat(QString::fromLatin1(name)));
        b.Owners = {OccupancyPeriod{0, 2, NotSetDate, NotSetDate}, OccupancyPeriod{0, 4, NotSetDate, NotSetDate}};
        f.platform.clipboard.content = QStringLiteral("N1\r\nN2");
        FlatsWindow window(f.context);
        ShowActive(&window);
        FocusBox(window.textCell(2, 1));
        QCOMPARE(window.currentRecord(), 2);
        f.platform.choices.script = {0};
        window.pasteNames();
        const ChoiceRequest &q = f.platform.choices.asked.value(0);
        QCOMPARE(q.lines.size(), 2);
        QCOMPARE(q.lines[0], QStringLiteral("Πρόκειται να προσθέσετε τα παρακάτω 2 διαμερίσματα."));
        QVERIFY(q.lines[1].contains(QStringLiteral("από τη θέση #3 και μετέπειτα. Αν δεν θέλετε")));
        QCOMPARE(shortNames(f.state), (QStringList{"F0", "F1", "N1", "N2", "F4"}));
        // The owner of the deleted flat 2 went with it; the owner of flat 4 still names it.
        QCOMPARE(b.Owners.size(), std::size_t(1));
        QCOMPARE(b.Owners[0].Flat, qint16(4));
        QCOMPARE(window.topOffset(), 0);
    }

    void namesReplacingToTheEndDeleteTheRest()
    {
        RegisterFixture f;
        for (const char *name : {"F0", "F1", "F2", "F3", "F4"})
            f.state.Building.Flats.push_back(MakeFlat(QString::fromLatin1(name)));
        f.platform.clipboard.content = QStringLiteral("N1\r\nN2\r\nN3");
        FlatsWindow window(f.context);
        ShowActive(&window);
        FocusBox(window.textCell(2, 0));
        f.platform.choices.script = {0};
        window.pasteNames();
        QCOMPARE(shortNames(f.state), (QStringList{"F0", "F1", "N1", "N2", "N3"}));
    }

    void refusalsAndEmptyClipboardsChangeNothing()
    {
        RegisterFixture f;
        f.state.Building.Flats = {MakeFlat(QStringLiteral("F0"))};
        FlatsWindow window(f.context);
        f.platform.clipboard.content = QStringLiteral(" \r\n  \r\n");
        window.pasteNames();
        QVERIFY(f.platform.choices.asked.isEmpty());
        QCOMPARE(f.platform.messages.shown.last().text, QStringLiteral("Ο clipboard είναι κενός."));
        QCOMPARE(f.platform.messages.shown.last().title, QStringLiteral("Εισαγωγή διαμερισμάτων"));

        ShowActive(&window);
        FocusBox(window.textCell(1, 0)); // the new-record row: an append
        f.platform.clipboard.content = QStringLiteral("N1");
        f.platform.choices.script = {-1};
        window.pasteNames();
        QCOMPARE(f.platform.choices.asked.last().lines[0],
                 QStringLiteral("Πρόκειται να προσθέσετε ένα διαμέρισμα στο τέλος της υπάρχουσας λίστας "
                                "διαμερισμάτων."));
        QCOMPARE(shortNames(f.state), QStringList{"F0"});
        QVERIFY(!f.state.DataChanged);
    }

    void aPasteThatWouldOverfillTheListIsRefused()
    {
        RegisterFixture f;
        f.state.Building.Persons.assign(MaxListCount - 1, MakePerson(QStringLiteral("Π")));
        f.platform.clipboard.content = QStringLiteral("Α\r\nΒ");
        PersonsWindow window(f.context);
        ShowActive(&window);
        window.scrollBar()->setValue(window.scrollBar()->maximum());
        FocusBox(window.textCell(window.rowCount() - 1, 0));
        QCOMPARE(window.currentRecord(), MaxListCount - 1);
        window.pasteNames();
        QVERIFY(f.platform.choices.asked.isEmpty());
        QCOMPARE(f.platform.messages.shown.last().text,
                 QStringLiteral("Δεν μπορείτε να ορίσετε περισσότερα από 32767 πρόσωπα."));
        QCOMPARE(f.state.Building.PersonCount(), MaxListCount - 1);
    }

    void personsPastedIntoAnEmptyListTakeTheOfferedSex()
    {
        RegisterFixture f;
        f.platform.clipboard.content = QStringLiteral("Παπαδοπούλου Μαρία\r\nΓεωργίου Νίκος");
        PersonsWindow window(f.context);
        window.choiceCell(0, 1)->setCurrentIndex(1);
        emit window.choiceCell(0, 1)->activated(1);
        f.platform.choices.script = {0};
        window.pasteNames();
        QCOMPARE(f.platform.choices.asked[0].title, QStringLiteral("Εισαγωγή προσώπων"));
        QCOMPARE(f.state.Building.PersonCount(), 2);
        QCOMPARE(f.state.Building.Persons[0].Name.trimmed(), QStringLiteral("Παπαδοπούλου Μαρία"));
        QCOMPARE(f.state.Building.Persons[0].Female, qint16(1));
        QCOMPARE(f.state.Building.Persons[1].Female, qint16(0));
    }
};

KV_TEST_MAIN(TestPaste)

} // namespace test_paste
#include "test_paste.moc"
