#include "core/codepage1253.h"
#include "occupancy/professionalcontactwindow.h"
#include "occupancy/professionalorderwindow.h"
#include "occupancy/professionalswindow.h"
#include "register/windowopener.h"
#include "registerfixture.h"
#include "shell/mainwindow.h"
#include "shell/reportopeners.h"
#include "testprogram.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUrlQuery>

using namespace kelvarino;

namespace test_professionals {

namespace {

constexpr int Activity = ProfessionalsWindow::ActivityColumn;
constexpr int Name = ProfessionalsWindow::NameColumn;

ProfessionalRecord professional(const QString &name, const QString &activity = QString())
{
    ProfessionalRecord p;
    p.Name.set(name);
    p.Activity.set(activity);
    return p;
}

ProfessionalRecord fullProfessional()
{
    ProfessionalRecord p = professional(QStringLiteral("Μελισσοκαρπάκης Φιλαρόνος"), QStringLiteral("Υδραυλικός"));
    p.Street.set(QStringLiteral("Πατησίων 12"));
    p.AreaPostcode.set(QStringLiteral("Αθήνα 10434"));
    p.Phone.set(QStringLiteral("2101234567"));
    p.Mobile.set(QStringLiteral("6971234567"));
    p.Email.set(QStringLiteral("info@x.gr"));
    p.Web.set(QStringLiteral("https://x.gr"));
    p.Notes.set(QStringLiteral("Πρώτη γραμμή\r\nδεύτερη"));
    return p;
}

QStringList fieldsOf(const ProfessionalRecord &p)
{
    return {p.Street.text(), p.AreaPostcode.text(), p.Phone.text(), p.Mobile.text(),
            p.Email.text(),  p.Web.text(),          p.Notes.text()};
}

QStringList names(const BuildingData &b)
{
    QStringList list;
    for (const ProfessionalRecord &p : b.Professionals)
        list << p.Name.trimmed();
    return list;
}

} // namespace

class TestProfessionals : public QObject
{
    Q_OBJECT
private slots:
    void enterCreatesFromTheNameBoxOnly()
    {
        RegisterFixture f;
        ProfessionalsWindow window(f.context);
        ShowActive(&window);
        QCOMPARE(window.textCell(0, Activity)->text(), QStringLiteral("Υδραυλικός"));
        QCOMPARE(window.textCell(0, Name)->text(), QStringLiteral("Μελισσοκαρπάκης Φιλαρόνος"));
        QTest::keyClick(window.textCell(0, Activity), Qt::Key_Return);
        QCOMPARE(f.state.Building.ProfessionalCount(), 0);
        QTest::keyClick(window.textCell(0, Name), Qt::Key_Return);
        QCOMPARE(f.state.Building.ProfessionalCount(), 1);
        QCOMPARE(f.state.Building.Professionals[0].Activity.trimmed(), QStringLiteral("Υδραυλικός"));
        QVERIFY(f.state.Building.Professionals[0].Notes.isBlank());
        QVERIFY(window.textCell(1, Activity)->hasFocus());

        // A new record needs a name; the activity may be empty.
        window.acceptButton()->click();
        QCOMPARE(f.platform.messages.shown.last().title, QStringLiteral("Πρόβλημα με τη δημιουργία νέου επαγγελματία"));
        QCOMPARE(f.state.Building.ProfessionalCount(), 1);

        // A record's name left empty is refused when the box is left.
        QLineEdit *name = window.textCell(0, Name);
        FocusBox(name);
        ClearBox(name);
        FocusBox(window.textCell(0, Activity));
        QCOMPARE(f.platform.messages.shown.last().title, QStringLiteral("Μηδενικό μήκος πεδίου"));
        QCOMPARE(f.platform.messages.shown.last().icon, MessageIcon::Critical);
        QTRY_VERIFY(name->hasFocus());
    }

    void anEmptyNameBecomesTheRunningNumberAtClose()
    {
        RegisterFixture f;
        f.state.Building.Professionals = {professional(QStringLiteral("Α")), professional(QString())};
        ProfessionalsWindow window(f.context);
        QVERIFY(!window.close());
        QCOMPARE(f.state.Building.Professionals[1].Name.trimmed(), QStringLiteral("2"));
        QCOMPARE(window.textCell(1, Name)->text(), QStringLiteral("2"));
        QVERIFY(f.state.DataChanged);
        QCOMPARE(f.platform.messages.shown.last().title, QStringLiteral("Προβλήματα με τον ορισμό προσώπων"));
        QVERIFY(window.close());
        QCOMPARE(f.platform.messages.shown.size(), 1);
        QCOMPARE(f.shell.menuUpdates, 1);
    }

    void deletingAsksAndOnlyTheFirstOptionDeletes()
    {
        RegisterFixture f;
        f.state.Building.Professionals = {professional(QStringLiteral("Α"), QStringLiteral("Ηλεκτρολόγος")),
                                          professional(QStringLiteral("Β"))};
        ProfessionalsWindow window(f.context);
        f.platform.choices.script = {1, -1, 0};
        for (int i = 0; i < 3; ++i)
            window.deleteButton(0)->click();
        QCOMPARE(f.platform.choices.asked.size(), 3);
        const ChoiceRequest &q = f.platform.choices.asked[0];
        QCOMPARE(q.title, QStringLiteral("Διαγραφή ενός επαγγελματία"));
        QCOMPARE(q.lines[0], QStringLiteral("Πρόκειται να διαγράψετε τον επαγγελματία: Α(Ηλεκτρολόγος)."));
        QCOMPARE(q.defaultOption, 1);
        QVERIFY(q.items.isEmpty());
        QCOMPARE(names(f.state.Building), QStringList{QStringLiteral("Β")});

        // The new-record row's delete image empties it without a question.
        window.textCell(1, Name)->setText(QStringLiteral("Γ"));
        TypeInto(window.textCell(1, Name), QStringLiteral("x"));
        window.deleteButton(1)->click();
        QCOMPARE(window.textCell(1, Name)->text(), QString());
        QCOMPARE(f.platform.choices.asked.size(), 3);
    }

    void printOpensTheContactListOnlyWhenBound()
    {
        RegisterFixture f;
        {
            ProfessionalsWindow window(f.context);
            QVERIFY(!window.printAction()->isEnabled());
        }
        int opened = 0;
        ProgramReportOpeners().professionalsList = [&](AppContext &, QWidget *) { ++opened; };
        ProfessionalsWindow window(f.context);
        QVERIFY(window.printAction()->isEnabled());
        window.printAction()->trigger();
        QCOMPARE(opened, 0);
        QCOMPARE(f.platform.messages.shown.last().title,
                 QStringLiteral("Συγκεντρωτική εκτύπωση στοιχείων επικοινωνίας επαγγελματιών"));
        f.state.Building.Professionals = {professional(QStringLiteral("Α"))};
        window.printAction()->trigger();
        QCOMPARE(opened, 1);
        ProgramReportOpeners().professionalsList = nullptr;
    }

    void theContactWindow()
    {
        RegisterFixture f;
        ProfessionalRecord second = professional(QStringLiteral("Β"), QStringLiteral("Κηπουρός"));
        second.Email.set(QStringLiteral("info@x.gr?cc=y@z.gr"));
        ProfessionalRecord third = professional(QStringLiteral("Γ"));
        third.Email.set(QStringLiteral("χωρίς παπάκι"));
        f.state.Building.Professionals = {fullProfessional(), second, third};
        ProfessionalContactWindow contact(f.context, 0);
        QCOMPARE(contact.windowTitle(), QStringLiteral("Υδραυλικός/Μελισσοκαρπάκης Φιλαρόνος"));
        QVERIFY(!contact.backButton()->isEnabled());
        QVERIFY(contact.nextButton()->isEnabled());
        // Merely showing notes with line breaks changes nothing.
        QVERIFY(!f.state.DataChanged);
        QCOMPARE(contact.textArea(ProfessionalContactWindow::Notes)->toPlainText(),
                 QStringLiteral("Πρώτη γραμμή\nδεύτερη"));

        const QStringList before = fieldsOf(f.state.Building.Professionals[0]);
        contact.clearData();
        QVERIFY(f.state.Building.Professionals[0].Web.isBlank());
        QVERIFY(f.state.Building.Professionals[0].Notes.isBlank());
        QVERIFY(f.state.DataChanged);
        contact.undo();
        QCOMPARE(fieldsOf(f.state.Building.Professionals[0]), before);

        // A phone is cut to its 15 characters.
        PasteInto(contact.box(ProfessionalContactWindow::Phone), QStringLiteral("12345678901234567890"));
        QCOMPARE(f.state.Building.Professionals[0].Phone.text(), QStringLiteral("210123456712345"));

        contact.next();
        QCOMPARE(contact.windowTitle(), QStringLiteral("Κηπουρός/Β"));
        contact.mailTo();
        QCOMPARE(f.platform.desktop.opened.size(), 1);
        const QUrl mail = f.platform.desktop.opened[0];
        QCOMPARE(mail.scheme(), QStringLiteral("mailto"));
        QVERIFY(!mail.hasQuery());
        QCOMPARE(mail.path(), QStringLiteral("info@x.gr?cc=y@z.gr"));
        contact.next();
        QVERIFY(!contact.nextButton()->isEnabled());
        QVERIFY(contact.backButton()->isEnabled());
        contact.mailTo();
        QCOMPARE(f.platform.desktop.opened.size(), 1);
    }

    void theContactImageOpensTheRowsProfessional()
    {
        RegisterFixture f;
        f.state.Building.Professionals = {professional(QStringLiteral("Α")), professional(QStringLiteral("Β"))};
        ProfessionalsWindow window(f.context);
        int shown = -1;
        window.setContactWindowRunner([&](QDialog &dialog) {
            shown = static_cast<ProfessionalContactWindow &>(dialog).contactIndex();
        });
        window.actionButton(1)->click();
        QCOMPARE(shown, 1);
        QVERIFY(window.actionButton(2)->isHidden());
    }

    void orderWindow()
    {
        RegisterFixture f;
        for (const QString &n : {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")})
            f.state.Building.Professionals.push_back(professional(n));
        f.state.Building.Professionals[0] =
            professional(QStringLiteral("Ένα όνομα πολύ μεγάλο για τη γραμμή"), QStringLiteral("Υδραυλικός"));
        ProfessionalOrderWindow order(f.context);
        QCOMPARE(order.nameCell(0)->text(), QStringLiteral("Υδραυλικός           / Ένα όνομα πολύ μεγάλ"));
        QCOMPARE(order.nameCell(1)->text().indexOf(QStringLiteral(" / ")), 20);
        // "Βοήθεια" is a command on the bar, not a menu of one item.
        QMenu *help = order.menus().last();
        QCOMPARE(help->title(), QStringLiteral("Βοήθεια"));
        QVERIFY(help->isEmpty());
        help->menuAction()->trigger();
        QCOMPARE(f.platform.help.topics, QList<int>{8400});
        f.state.Building.Professionals[0] = professional(QStringLiteral("1"));

        // A professionals window open beside it redraws after a move.
        ProfessionalsWindow grid(f.context);
        order.clickRow(1);
        order.clickRow(1);
        QVERIFY(!f.state.DataChanged);
        QVERIFY(!order.isCarrying());
        order.clickRow(2);
        order.clickRow(0);
        QCOMPARE(names(f.state.Building),
                 (QStringList{QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4")}));
        QVERIFY(f.state.DataChanged);
        grid.deleteButton(0)->click(); // redraws first: nothing is deleted on a stale row
        QCOMPARE(f.state.Building.ProfessionalCount(), 4);
        QCOMPARE(grid.textCell(0, Name)->text(), QStringLiteral("3"));
    }

    // The list window and its order window may be open together, but each
    // only once: the command that opens one shows the open one again.
    void oneWindowOfEachKind()
    {
        RegisterFixture f;
        f.state.Building.Professionals = {professional(QStringLiteral("Α")), professional(QStringLiteral("Β"))};
        MainWindow main(f.state, f.platform.platform());
        main.bindChildWindow(QStringLiteral("professionals"),
                             [](AppContext &context, int) { return new ProfessionalsWindow(context); });
        main.bindChildWindow(QStringLiteral("professionalOrder"),
                             [](AppContext &context, int) { return new ProfessionalOrderWindow(context); });
        SetDataWindowOpener([&main](DataWindow *window) { main.showChildWindow(window); });
        const auto open = [&]<class W>(W *) {
            QList<W *> found;
            for (DataWindow *window : main.childWindows())
                if (auto *w = dynamic_cast<W *>(window); w && w->isVisible())
                    found << w;
            return found;
        };
        main.show();
        main.runCommand(QStringLiteral("professionals"));
        main.runCommand(QStringLiteral("professionalOrder"));
        auto professionals = open(static_cast<ProfessionalsWindow *>(nullptr));
        auto orders = open(static_cast<ProfessionalOrderWindow *>(nullptr));
        QCOMPARE(professionals.size(), 1);
        QCOMPARE(orders.size(), 1);

        // The order window's way back shows the open list window.
        orders[0]->dataMenu()->actions().at(3)->trigger();
        QTRY_COMPARE(open(static_cast<ProfessionalOrderWindow *>(nullptr)).size(), 0);
        QCOMPARE(open(static_cast<ProfessionalsWindow *>(nullptr)), professionals);

        // The list window's order command, then the main menu's, give one order window.
        main.runCommand(QStringLiteral("professionalOrder"));
        professionals[0]->orderAction()->trigger();
        QTRY_COMPARE(open(static_cast<ProfessionalsWindow *>(nullptr)).size(), 0);
        QCOMPARE(open(static_cast<ProfessionalOrderWindow *>(nullptr)).size(), 1);
        orders = open(static_cast<ProfessionalOrderWindow *>(nullptr));
        orders[0]->dataMenu()->actions().at(3)->trigger();
        main.runCommand(QStringLiteral("professionals"));
        QTRY_COMPARE(open(static_cast<ProfessionalsWindow *>(nullptr)).size(), 1);
        QCOMPARE(open(static_cast<ProfessionalOrderWindow *>(nullptr)).size(), 0);
        SetDataWindowOpener(nullptr);
    }

    void theTextFile()
    {
        QTemporaryDir folder;
        RegisterFixture f;
        f.state.DataFolder = folder.path() + QLatin1Char('/');
        f.state.DataFileName = QStringLiteral("N.s43");
        f.state.Building.BuildingId.set(QStringLiteral("Πατησίων 12"));
        ProfessionalsWindow window(f.context);
        QString viewed;
        window.setTextFileViewer([&](const QString &path) { viewed = path; });
        window.exportTXT();
        const QString path = folder.path() + QStringLiteral("/prnProfessionals_N.txt");
        QCOMPARE(viewed, path);
        QCOMPARE(f.platform.messages.shown.last().title, QStringLiteral("Εκτύπωση σε αρχείο TeXT"));
        const auto readLines = [&] {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                return QStringList();
            const QByteArray bytes = file.readAll();
            return Cp1253::decode(bytes.left(bytes.size() - 2)).split(QStringLiteral("\r\n"));
        };
        QCOMPARE(readLines().size(), 4);

        ProfessionalRecord bare = professional(QStringLiteral("Β"));
        ProfessionalRecord full = fullProfessional();
        full.Notes.set(QString(1010, QLatin1Char('x')) + QStringLiteral("\r\n\tend"));
        f.state.Building.Professionals = {full, bare};
        window.exportTXT();
        const QStringList lines = readLines();
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[0], QStringLiteral("ΣΤΟΙΧΕΙΑ ΕΠΑΓΓΕΛΜΑΤΙΩΝ"));
        QCOMPARE(lines[1], QStringLiteral("Πατησίων 12"));
        QCOMPARE(lines[2], QString());
        for (int i = 3; i < 6; ++i)
            QCOMPARE(lines[i].size(), 1838);
        QVERIFY(lines[3].startsWith(QStringLiteral("α/α  Δραστηριότητα")));
        QCOMPARE(lines[3].mid(172, 6), QStringLiteral("e-mail"));
        QCOMPARE(lines[4].mid(5, 21).trimmed(), QStringLiteral("Υδραυλικός"));
        QCOMPARE(lines[4].mid(57, 83).trimmed(), QStringLiteral("Πατησίων 12, Αθήνα 10434"));
        QCOMPARE(lines[4].mid(814), QString(1010, QLatin1Char('x')) + QStringLiteral("   end") + QString(8, QLatin1Char(' ')));
        QCOMPARE(lines[5].mid(57, 83).trimmed(), QStringLiteral(","));
        QVERIFY(!f.state.DataChanged);

        f.state.DataFileName.clear();
        window.exportTXT();
        QCOMPARE(viewed, folder.path() + QStringLiteral("/prnProfessionals_new.txt"));
    }

    void theWorkbook()
    {
        QTemporaryDir folder;
        RegisterFixture f;
        f.state.DataFolder = folder.path() + QLatin1Char('/');
        f.state.DataFileName = QStringLiteral("N.s43");
        f.platform.clock.set(QDateTime(QDate(2024, 5, 18), QTime(14, 30, 45)));
        ProfessionalsWindow window(f.context);
        window.exportXLS();
        QCOMPARE(f.platform.messages.shown.last().title, QStringLiteral("Πρόβλημα δημιουργίας αρχείου EXCEL"));
        QCOMPARE(f.platform.messages.shown.last().text, QStringLiteral("Δεν υπάρχουν δεδομένα για εξαγωγή."));

        f.state.Building.Professionals = {fullProfessional()};
        window.exportXLS();
        const QString path = folder.path() + QStringLiteral("/prnProfessionals_N_2136.xlsx");
        QVERIFY(QFile::exists(path));
        QCOMPARE(f.platform.messages.shown.last().title, QStringLiteral("Εκτύπωση σε αρχείο EXCEL"));
        QCOMPARE(f.platform.desktop.opened.value(0), QUrl::fromLocalFile(path));
        if (QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty())
            QSKIP("unzip is not installed");
        const QString strings = WorkbookStrings(path);
        for (const QString &text : {QStringLiteral("ΣΤΟΙΧΕΙΑ ΠΡΟΣΩΠΩΝ"), QStringLiteral("E-mail"),
                                    QStringLiteral("Σημείωση"), QStringLiteral("https://x.gr")})
            QVERIFY2(strings.contains(text), qPrintable(text));
        QVERIFY(!strings.contains(QStringLiteral("ΣΤΟΙΧΕΙΑ ΕΠΑΓΓΕΛΜΑΤΙΩΝ")));
    }
};

KV_TEST_MAIN(TestProfessionals)

} // namespace test_professionals
#include "test_professionals.moc"
