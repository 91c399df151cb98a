#include "core/codepage1253.h"
#include "platform/spreadsheetwriter.h"
#include "platform/textviewer.h"
#include "register/contactblock.h"
#include "register/personcontactwindow.h"
#include "register/personsexport.h"
#include "register/personswindow.h"
#include "registerfixture.h"
#include "testprogram.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <QToolButton>

using namespace kelvarino;

namespace test_persons {

namespace {

PersonRecord fullPerson()
{
    PersonRecord p = MakePerson(QStringLiteral("Μελισσοκαρπάκης Φιλαρόνος"));
    p.Salutation.set(QStringLiteral("κ."));
    p.Street.set(QStringLiteral("Πατησίων 12"));
    p.AreaPostcode.set(QStringLiteral("Αθήνα 10434"));
    p.Phone.set(QStringLiteral("2101234567"));
    p.Mobile.set(QStringLiteral("6971234567"));
    p.Email.set(QStringLiteral("filaronos@example.gr"));
    return p;
}

} // namespace

class TestPersons : public QObject
{
    Q_OBJECT
private slots:
    void anEmptyListOffersTheSampleNameAndEnterCreatesIt()
    {
        RegisterFixture f;
        PersonsWindow window(f.context);
        ShowActive(&window);
        QCOMPARE(window.textCell(0, 0)->text(), QStringLiteral("Μελισσοκαρπάκης Φιλαρόνος"));
        QCOMPARE(window.choiceCell(0, 0 + 1)->currentText(), QStringLiteral("Άρρεν"));
        QVERIFY(window.actionButton(0)->isHidden());
        QTest::keyClick(window.textCell(0, 0), Qt::Key_Return);
        QCOMPARE(f.state.Building.PersonCount(), 1);
        QCOMPARE(f.state.Building.Persons[0].Name.trimmed(), QStringLiteral("Μελισσοκαρπάκης Φιλαρόνος"));
        QVERIFY(f.state.Building.Persons[0].Email.isBlank());
        QCOMPARE(window.textCell(1, 0)->text(), QString());
        QVERIFY(!window.actionButton(0)->isHidden());
        QVERIFY(!window.printAction()->isEnabled());

        // A name is cut at 30 characters; the sex is a choice from the list.
        QLineEdit *name = window.textCell(0, 0);
        FocusBox(name);
        ClearBox(name);
        TypeInto(name, QStringLiteral(" Ένα όνομα που είναι πολύ μεγάλο για το πεδίο"));
        QCOMPARE(name->text().size(), 30);
        QVERIFY(name->text().startsWith(QStringLiteral("Ένα όνομα")));
        QCOMPARE(f.state.Building.Persons[0].Name.text(), name->text());
        emit window.choiceCell(0, 1)->activated(1);
        QCOMPARE(f.state.Building.Persons[0].Female, qint16(1));
    }

    // Keys as the desktop sends them: an emoji is one key whose text is two
    // UTF-16 units, a combining accent a key of its own after the letter.
    // Each character is one "?" or its own letter, and the caret follows.
    void typedCharactersAreComposedAndEachIsOneQuestionMark()
    {
        RegisterFixture f;
        f.state.Building.Persons.push_back(MakePerson(QStringLiteral("Α")));
        PersonsWindow window(f.context);
        ShowActive(&window);
        QLineEdit *name = window.textCell(0, 0);
        FocusBox(name);
        ClearBox(name);
        const QStringList keys{"Z", "o", QStringLiteral("ë"), " ", QStringLiteral("Ł"), "x", " ", QStringLiteral("😀"),
                               " ", QStringLiteral("α"), QStringLiteral("\u0301"), QStringLiteral("κ")};
        for (const QString &key : keys)
            QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, key, Qt::NoModifier);
        QCOMPARE(name->text(), QStringLiteral("Zo? ?x ? άκ"));
        QCOMPARE(f.state.Building.Persons[0].Name.trimmed(), QStringLiteral("Zo? ?x ? άκ"));
        // Typed in the middle: the caret stays after what it followed.
        name->setCursorPosition(2);
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QStringLiteral("😀"), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QStringLiteral("ε"), Qt::NoModifier);
        QCOMPARE(name->text(), QStringLiteral("Zo?ε? ?x ? άκ"));
        QCOMPARE(name->cursorPosition(), 4);
    }

    void theWheelScrollsTheRecordsAndNeverTurnsASexBox()
    {
        RegisterFixture f;
        f.state.Building.Persons.assign(30, MakePerson(QStringLiteral("Π")));
        PersonsWindow window(f.context);
        QComboBox *sex = window.choiceCell(0, 1);
        QWheelEvent wheel(QPointF(5, 5), sex->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(sex, &wheel);
        QVERIFY(window.topOffset() < 0);
        QCOMPARE(f.state.Building.Persons[0].Female, qint16(0));
        QVERIFY(!f.state.DataChanged);
    }

    void deletingAPersonListsTheKindsOfPeriods()
    {
        RegisterFixture f;
        BuildingData &b = f.state.Building;
        b.Persons = {MakePerson(QStringLiteral("Α")), MakePerson(QStringLiteral("Β")), MakePerson(QStringLiteral("Γ"))};
        b.Administrators = {AdministratorPeriod{1, NotSetDate, NotSetDate}, AdministratorPeriod{2, NotSetDate, NotSetDate}};
        b.Residents = {OccupancyPeriod{1, 0, NotSetDate, NotSetDate}};
        PersonsWindow window(f.context);
        f.platform.choices.script = {0};
        window.deleteButton(1)->click();
        QCOMPARE(f.platform.choices.asked[0].items,
                 (QStringList{QStringLiteral("Διαχειριστές"), QStringLiteral("Ένοικοι")}));
        QCOMPARE(f.platform.choices.asked[0].lines[0], QStringLiteral("Πρόκειται να διαγράψετε το πρόσωπο: Β."));
        QCOMPARE(b.PersonCount(), 2);
        QCOMPARE(b.Administrators.size(), std::size_t(1));
        QCOMPARE(b.Administrators[0].Person, qint16(1));
        QVERIFY(b.Residents.empty());

        // A person without periods goes at once.
        window.deleteButton(0)->click();
        QCOMPARE(f.platform.choices.asked.size(), 1);
        QCOMPARE(b.PersonCount(), 1);
    }

    void deleteAllEmptiesThePeriodsOnlyAfterTheQuestion()
    {
        RegisterFixture f;
        BuildingData &b = f.state.Building;
        b.Persons = {MakePerson(QStringLiteral("Α"))};
        b.Owners = {OccupancyPeriod{0, 0, NotSetDate, NotSetDate}};
        PersonsWindow window(f.context);
        f.platform.choices.script = {1};
        window.deleteAllPersons();
        QCOMPARE(b.PersonCount(), 1);
        f.platform.choices.script = {0};
        window.deleteAllPersons();
        QCOMPARE(f.platform.choices.asked.last().items, QStringList{QStringLiteral("Ιδιοκτήτες")});
        QVERIFY(b.Persons.empty() && b.Owners.empty());
    }

    void theContactWindowEditsStepsAndUndoes()
    {
        RegisterFixture f;
        f.state.Building.Persons = {fullPerson(), MakePerson(QStringLiteral("Β")), MakePerson(QStringLiteral("Γ"))};
        f.state.Building.Persons[1].Street.set(QStringLiteral("  Οδός"));
        PersonContactWindow contact(f.context, 0);
        QCOMPARE(contact.windowTitle(), QStringLiteral("Μελισσοκαρπάκης Φιλαρόνος"));
        QVERIFY(!contact.backButton()->isEnabled());
        QVERIFY(contact.nextButton()->isEnabled());
        QVERIFY(!f.state.DataChanged);

        TypeInto(contact.box(0), QStringLiteral("123456789012"));
        QCOMPARE(f.state.Building.Persons[0].Salutation.text(), QStringLiteral("κ.12345678"));
        QCOMPARE(contact.box(0)->text(), QStringLiteral("κ.12345678"));
        QVERIFY(f.state.DataChanged);
        contact.undo();
        QCOMPARE(f.state.Building.Persons[0].Salutation.trimmed(), QStringLiteral("κ."));

        // Arriving at a person whose field begins with blanks stores it without them.
        f.state.DataChanged = false;
        contact.next();
        QCOMPARE(f.state.Building.Persons[1].Street.trimmed(), QStringLiteral("Οδός"));
        QVERIFY(f.state.Building.Persons[1].Street.text().startsWith(QStringLiteral("Οδός")));
        QVERIFY(f.state.DataChanged);
        contact.next();
        QVERIFY(!contact.nextButton()->isEnabled());
        contact.clearData();
        QVERIFY(f.state.Building.Persons[2].Street.isBlank());
    }

    void theContactBlockCarriesTheFieldsBetweenPersons()
    {
        RegisterFixture f;
        PersonRecord from = fullPerson();
        const QString longMail = QStringLiteral("abcdefghij.abcdefghij.abcdefghij.abcdefg@example.g"); // 50
        QCOMPARE(longMail.size(), 50);
        from.Email.set(longMail);
        PersonRecord to = MakePerson(QStringLiteral("Β"));
        to.Phone.set(QStringLiteral("999"));
        f.state.Building.Persons = {from, to};

        PersonContactWindow contact(f.context, 0);
        contact.sendToClipboard();
        const QString block = f.platform.clipboard.content;
        QCOMPARE(block.size(), ContactBlockLength);
        QVERIFY(block.startsWith(QStringLiteral("MirdostaPersonExtraData")));
        QCOMPARE(block.mid(23, 10), QStringLiteral("κ.        "));

        contact.next();
        contact.getFromClipboard();
        const PersonRecord &pasted = f.state.Building.Persons[1];
        QCOMPARE(pasted.Email.trimmed(), longMail.left(48));
        QCOMPARE(pasted.Phone.trimmed(), QStringLiteral("2101234567"));
        QCOMPARE(pasted.Street.trimmed(), QStringLiteral("Πατησίων 12"));
        QCOMPARE(pasted.Name.trimmed(), QStringLiteral("Β"));

        // A tag in another letter case is ignored.
        contact.clearData();
        f.platform.clipboard.content = QStringLiteral("MIRDOSTAPERSONEXTRADATA") + block.mid(23);
        contact.getFromClipboard();
        QVERIFY(f.state.Building.Persons[1].Phone.isBlank());
    }

    void theMailAddressOpensAsAMailtoAddressAlone()
    {
        RegisterFixture f;
        PersonRecord p = fullPerson();
        f.state.Building.Persons = {p};
        PersonContactWindow contact(f.context, 0);
        contact.mailTo();
        QCOMPARE(f.platform.desktop.opened.size(), 1);
        QCOMPARE(f.platform.desktop.opened[0].toString(), QStringLiteral("mailto:filaronos@example.gr"));

        f.state.Building.Persons[0].Email.set(QStringLiteral("a b@x.gr?cc=other@y.gr"));
        contact.mailTo();
        const QUrl url = f.platform.desktop.opened.last();
        QVERIFY(!url.hasQuery());
        QCOMPARE(QString::fromLatin1(url.toEncoded()), QStringLiteral("mailto:a%20b@x.gr%3Fcc%3Dother@y.gr"));

        f.state.Building.Persons[0].Email.set(QStringLiteral("no address"));
        contact.mailTo();
        QCOMPARE(f.platform.desktop.opened.size(), 2);
    }

    void theContactImageOpensTheRowsPerson()
    {
        RegisterFixture f;
        f.state.Building.Persons = {MakePerson(QStringLiteral("Α")), MakePerson(QStringLiteral("Β"))};
        PersonsWindow window(f.context);
        int shown = -1;
        window.setContactWindowRunner([&](QDialog &dialog) {
            shown = static_cast<PersonContactWindow &>(dialog).contactIndex();
        });
        window.actionButton(1)->click();
        QCOMPARE(shown, 1);
    }

    void theTextExportWritesFixedColumnsInTheGreekCodePage()
    {
        QTemporaryDir folder;
        RegisterFixture f;
        f.state.DataFolder = folder.path() + QLatin1Char('/');
        f.state.DataFileName = QStringLiteral("Πολυκατοικία.s43");
        f.state.Building.BuildingId.set(QStringLiteral("Πατησίων 12"));
        PersonRecord street = MakePerson(QStringLiteral("Β"));
        street.Street.set(QStringLiteral("Οδός\r\nδεύτερη"));
        f.state.Building.Persons = {fullPerson(), street};
        PersonsWindow window(f.context);
        QString viewed;
        window.setTextFileViewer([&](const QString &path) { viewed = path; });
        window.exportTextFile();

        const QString path = folder.path() + QStringLiteral("/prnPersons_Πολυκατοικία.txt");
        QCOMPARE(viewed, path);
        QCOMPARE(f.platform.messages.shown.last().title, QStringLiteral("Εκτύπωση σε αρχείο TeXT"));
        QCOMPARE(f.platform.messages.shown.last().text, QStringLiteral("Τα δεδομένα μεταφέρθηκαν στο αρχείο:\n\n") + path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.endsWith("\r\n"));
        const QStringList lines = Cp1253::decode(bytes.left(bytes.size() - 2)).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[0], QStringLiteral("ΣΤΟΙΧΕΙΑ ΠΡΟΣΩΠΩΝ"));
        QCOMPARE(lines[1], QStringLiteral("Πατησίων 12"));
        QCOMPARE(lines[2], QString());
        for (int i = 3; i < 6; ++i)
            QCOMPARE(lines[i].size(), 211);
        QVERIFY(lines[3].startsWith(QStringLiteral("α/α  Ονοματεπώνυμο")));
        QCOMPARE(lines[4].mid(5, 42).trimmed(), QStringLiteral("κ. Μελισσοκαρπάκης Φιλαρόνος"));
        QCOMPARE(lines[4].mid(47, 82).trimmed(), QStringLiteral("Πατησίων 12, Αθήνα 10434"));
        QCOMPARE(lines[4].mid(161, 50).trimmed(), QStringLiteral("filaronos@example.gr"));
        QCOMPARE(lines[5].mid(47, 82).trimmed(), QStringLiteral("Οδός  δεύτερη,"));
        QVERIFY(!f.state.DataChanged);

        // The program's own viewer shows the file's Greek as Greek.
        TextViewer viewer;
        QVERIFY(viewer.loadFile(path));
        QCOMPARE(viewer.text().split(QLatin1Char('\n')).value(4), lines[4]);

        // A work never saved exports under "new".
        f.state.DataFileName.clear();
        window.exportTextFile();
        QCOMPARE(viewed, folder.path() + QStringLiteral("/prnPersons_new.txt"));
    }

    void theWorkbookIsNamedByTheMomentAndHoldsTheSameColumns()
    {
        QTemporaryDir folder;
        RegisterFixture f;
        f.state.DataFolder = folder.path() + QLatin1Char('/');
        f.state.DataFileName = QStringLiteral("Πολυκατοικία.s43");
        f.state.Building.BuildingId.set(QStringLiteral("Πατησίων 12"));
        f.platform.clock.set(QDateTime(QDate(2026, 12, 9), QTime(0, 10, 0)));
        PersonsWindow window(f.context);
        window.exportWorkbook();
        QCOMPARE(f.platform.messages.shown.last().text, QStringLiteral("Δεν υπάρχουν δεδομένα για εξαγωγή."));
        QVERIFY(f.platform.desktop.opened.isEmpty());

        f.state.Building.Persons = {fullPerson()};
        window.exportWorkbook();
        const QString path = folder.path() + QStringLiteral("/prnPersons_Πολυκατοικία_2057.xlsx");
        QVERIFY(QFile::exists(path));
        QCOMPARE(f.platform.messages.shown.last().title, QStringLiteral("Εκτύπωση σε αρχείο EXCEL"));
        QCOMPARE(f.platform.desktop.opened.value(0), QUrl::fromLocalFile(path));
        if (QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty())
            QSKIP("unzip is not installed");
        const QString strings = WorkbookStrings(path);
        for (const QString &text : {QStringLiteral("ΣΤΟΙΧΕΙΑ ΠΡΟΣΩΠΩΝ"), QStringLiteral("Πατησίων 12"),
                                    QStringLiteral("Ονοματεπώνυμο"), QStringLiteral("e-mail"),
                                    QStringLiteral("κ. Μελισσοκαρπάκης Φιλαρόνος"), QStringLiteral("6971234567")})
            QVERIFY2(strings.contains(text), qPrintable(text));
    }

    // A desktop without a program for workbooks: the file stays, and the
    // user is told where it is.
    void aWorkbookTheDesktopCannotOpenIsNamedWithItsPath()
    {
        QTemporaryDir folder;
        RegisterFixture f;
        f.state.DataFolder = folder.path() + QLatin1Char('/');
        f.state.DataFileName = QStringLiteral("Πολυκατοικία.s43");
        f.state.Building.Persons = {fullPerson()};
        f.platform.clock.set(QDateTime(QDate(2026, 12, 9), QTime(0, 10, 0)));
        f.platform.desktop.refuses = true;
        PersonsWindow window(f.context);
        window.exportWorkbook();
        const QString path = folder.path() + QStringLiteral("/prnPersons_Πολυκατοικία_2057.xlsx");
        QVERIFY(QFile::exists(path));
        QCOMPARE(f.platform.desktop.opened.value(0), QUrl::fromLocalFile(path));
        QCOMPARE(f.platform.messages.shown.size(), 2);
        const MessageRequest &said = f.platform.messages.shown.last();
        QCOMPARE(said.icon, MessageIcon::Information);
        QVERIFY2(said.text.contains(QStringLiteral("Δεν μπορέσαμε να ανοίξουμε το αρχείο")), qPrintable(said.text));
        QVERIFY2(said.text.contains(QStringLiteral(":\n\n") + path + QStringLiteral("\n\n")), qPrintable(said.text));
    }

    void aWorkbookThatCannotBeWrittenIsReportedAsAFailure()
    {
        RegisterFixture f;
        f.state.Building.Persons = {fullPerson()};
        struct FailingWriter final : SpreadsheetWriter {
            QString extension() const override { return QStringLiteral("xlsx"); }
            bool writeWorkbook(const QString &, const QList<QStringList> &) override { return false; }
        } failing;
        PersonsWindow window(f.context);
        window.setSpreadsheetWriter(&failing);
        window.exportWorkbook();
        QCOMPARE(f.platform.messages.shown.last().title, QStringLiteral("Πρόβλημα δημιουργίας αρχείου EXCEL"));
        QVERIFY(f.platform.messages.shown.last().text.startsWith(
            QStringLiteral("Πρόβλημα παρουσιάστηκε κατά τη δημιουργία του αρχείου EXCEL με όνομα: ")));
        QVERIFY(f.platform.desktop.opened.isEmpty());

        XlsxSpreadsheetWriter real;
        QVERIFY(!real.writeWorkbook(QStringLiteral("/nonexistent-folder/x.xlsx"), {{QStringLiteral("a")}}));
    }

    void exportNamesFollowTheDataFile()
    {
        AppState state;
        QCOMPARE(PersonsExportBaseName(state).value(), QStringLiteral("prnPersons_new"));
        state.DataFileName = QStringLiteral("Πολυκατοικία.s43");
        QCOMPARE(PersonsExportBaseName(state).value(), QStringLiteral("prnPersons_Πολυκατοικία"));
        state.DataFileName = QStringLiteral("a.s");
        QVERIFY(!PersonsExportBaseName(state).has_value());
        QCOMPARE(WorkbookStamp(QDateTime(QDate(2026, 12, 9), QTime(0, 10, 0))), QStringLiteral("2057"));
        QCOMPARE(WorkbookStamp(QDateTime(QDate(2026, 12, 9), QTime(0, 9, 1))), QStringLiteral("2057"));
    }
};

KV_TEST_MAIN(TestPersons)

} // namespace test_persons
#include "test_persons.moc"
