// The two contact lists: rows per page, pages, cell height, cells and the
// print job.
#include "printoutsfixture.h"

#include "printing/pagesurface.h"
#include "printouts/contactlistpage.h"
#include "testprogram.h"

#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvarino;

namespace test_contactlists {

using namespace kelvarino::testing;

namespace {

void AddPersons(BuildingData &building, int count)
{
    building.Persons.clear();
    for (int i = 0; i < count; ++i) {
        PersonRecord p;
        p.Name.set(QStringLiteral("Πρόσωπο %1").arg(i + 1));
        building.Persons.push_back(p);
    }
}

RecordingSurface Page(const ContactListPage &list, int page)
{
    RecordingSurface surface;
    list.drawListPage(surface, 1, 0, 0, page);
    return surface;
}

} // namespace

class TestContactLists : public QObject
{
    Q_OBJECT

private slots:
    void pagesOfFortyFourRows()
    {
        PrintoutsFixture f;
        AddPersons(f.state.Building, 44);
        {
            ContactListPage list(f.printing(), ContactListKind::Persons);
            QCOMPARE(list.windowTitle(), QStringLiteral("/Στοιχεία εμπλεκομένων προσώπων"));
            QCOMPARE(list.cellHeight(), 235.0f);
            QCOMPARE(list.rowCapacity(), 44);
            QCOMPARE(list.pageRows(), 1);
            QVERIFY(list.scrollBar()->isHidden());
            const RecordingSurface page = Page(list, 1);
            QVERIFY(page.find(QStringLiteral("44")));
            QVERIFY(page.find(QStringLiteral("ΣΤΟΙΧΕΙΑ ΕΠΙΚΟΙΝΩΝΙΑΣ ΠΡΟΣΩΠΩΝ")));
            QVERIFY(page.find(QStringLiteral("Ημερομηνία: 15/1/2026")));
            for (const QString &text : page.textStrings())
                QVERIFY(!text.startsWith(QStringLiteral("Σελίδα")));
        }
        AddPersons(f.state.Building, 45);
        ContactListPage list(f.printing(), ContactListKind::Persons);
        QCOMPARE(list.pageRows(), 2);
        QVERIFY(!list.scrollBar()->isHidden());
        QCOMPARE(list.scrollBar()->maximum(), 1);
        const RecordingSurface second = Page(list, 2);
        QVERIFY(second.find(QStringLiteral("45")));
        QVERIFY(second.find(QStringLiteral("Πρόσωπο 45")));
        QVERIFY(!second.find(QStringLiteral("Πρόσωπο 44")));
        QVERIFY(second.find(QStringLiteral("Σελίδα 2 από 2")));
        // A person without street and area shows the separator alone.
        QVERIFY(second.find(QStringLiteral(", ")));
        // The scroll bar pages and shows the whole page.
        list.pagePressed(QPointF(5000, 4000), Qt::LeftButton);
        QCOMPARE(list.previewZoom(), 2);
        QCOMPARE(list.zoomOrigin(), QPointF(5000, 4000));
        list.scrollBar()->setValue(1);
        QCOMPARE(list.currentPage(), 2);
        QCOMPARE(list.previewZoom(), 1);

        // The keys page and magnify as the scroll bar and a click do.
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const auto press = [&list](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QWidget *focused = QApplication::focusWidget();
            QTest::keyClick(focused ? focused : static_cast<QWidget *>(&list), key, modifiers);
        };
        press(Qt::Key_PageUp);
        QCOMPARE(list.currentPage(), 1);
        press(Qt::Key_Up); // no page before the first
        QCOMPARE(list.currentPage(), 1);
        press(Qt::Key_Down);
        QCOMPARE(list.currentPage(), 2);
        press(Qt::Key_Plus, Qt::ShiftModifier);
        QCOMPARE(list.previewZoom(), 2);
        press(Qt::Key_Minus);
        QCOMPARE(list.previewZoom(), 1);
        QCOMPARE(list.currentPage(), 2);
        list.close();
    }

    void cellHeightBounds()
    {
        const std::pair<float, float> cases[] = {{0, 235}, {89, 235}, {90, 90}, {501, 500}};
        for (auto [stored, opened] : cases) {
            PrintoutsFixture f;
            f.slot(2).Heights[0] = stored;
            ContactListPage list(f.printing(), ContactListKind::Persons);
            QCOMPARE(list.cellHeight(), opened);
        }
        PrintoutsFixture f;
        f.slot(2).Heights[0] = 500;
        ContactListPage list(f.printing(), ContactListKind::Persons);
        list.action(QStringLiteral("increaseHeight"))->trigger();
        QCOMPARE(list.cellHeight(), 500.0f);
        QVERIFY(!f.state.DataChanged);
        list.action(QStringLiteral("decreaseHeight"))->trigger();
        QCOMPARE(list.cellHeight(), 499.0f);
        QCOMPARE(f.slot(2).Heights[0], 499.0f);
        QCOMPARE(f.slot(7).Heights[0], 0.0f);
        QVERIFY(f.state.DataChanged);
    }

    void professionalsInTheirColumns()
    {
        PrintoutsFixture f;
        ProfessionalRecord p;
        p.Name.set(QStringLiteral("Νίκος"));
        p.Activity.set(QStringLiteral("Ηλεκτρολόγος"));
        p.Email.set(QStringLiteral("n@example.com"));
        f.state.Building.Professionals = {p};
        f.state.DataFileName = QStringLiteral("a.s43");
        ContactListPage list(f.printing(), ContactListKind::Professionals);
        QCOMPARE(list.windowTitle(), QStringLiteral("a.s43/Στοιχεία Επαγγεματιών"));
        QCOMPARE(list.action(QStringLiteral("alphabeticalOrder"))->text(),
                 QStringLiteral("Διάταξη προσώπων σε αλφαβητική σειρά της δραστηριότητας"));
        const RecordingSurface page = Page(list, 1);
        const auto activity = page.find(QStringLiteral("Ηλεκτρολόγος"));
        const auto name = page.find(QStringLiteral("Νίκος"));
        const auto header = page.find(QStringLiteral("ΔΡΑΣΤΗΡΙΟΤΗΤΑ"));
        QVERIFY(activity && name && header && page.find(QStringLiteral("EMAIL")));
        QVERIFY(activity->x < name->x);
        // Seven boxes a row, 45 column units across.
        QCOMPARE(page.shapesOf(RecordingSurface::Shape::Box).size(), 14);
        QCOMPARE(page.shapesOf(RecordingSurface::Shape::Box).last().rect.right() - 168.9, 45.0 * 360);
    }

    // A running number shows whole however many digits it has, in the
    // installed font (where "245" is just wider than a 360 column less its
    // margins) and in wide fixed metrics; other texts are still cut to their
    // cells, and the table stays within the frame.
    void runningNumbersAreNeverCut_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("widthPerPoint"); // 0: the installed font
        QTest::newRow("245, installed font") << 245 << 0.0;
        QTest::newRow("300, installed font") << 300 << 0.0;
        QTest::newRow("245, wide digits") << 245 << 12.0;
        QTest::newRow("10000, wider than the room") << 10000 << 20.0;
    }
    void runningNumbersAreNeverCut()
    {
        QFETCH(int, count);
        QFETCH(double, widthPerPoint);
        PrintoutsFixture f;
        AddPersons(f.state.Building, count);
        const QString email = QString(50, QChar(0x3A9)); // far wider than its column
        f.state.Building.Persons.back().Email.set(email);
        f.slot(2).Heights[0] = 90;
        ContactListPage list(f.printing(), ContactListKind::Persons);
        RecordingSurface page;
        if (widthPerPoint > 0)
            page.useFixedMetrics({widthPerPoint, 20});
        list.drawListPage(page, 1, 0, 0, list.pageRows());

        const auto number = page.find(QString::number(count));
        QVERIFY(number);
        // Inside its own box, clear of the box's edges by the text margin.
        bool inBox = false;
        double tableRight = 0;
        for (const RecordingSurface::Shape &box : page.shapesOf(RecordingSurface::Shape::Box)) {
            tableRight = std::max(tableRight, box.rect.right());
            const double middle = number->y + number->height / 2; // rows may be lower than a line
            if (box.rect.left() <= number->x && number->x < box.rect.right() && box.rect.top() <= middle
                && middle <= box.rect.bottom())
                inBox = number->x >= box.rect.left() + 30 && number->right() <= box.rect.right() - 30;
        }
        QVERIFY(inBox);
        QVERIFY(tableRight <= ContactPage::Width - ContactPage::MarginX + 1e-6);

        QString cut;
        for (const RecordingSurface::Text &text : page.texts)
            if (text.text.startsWith(QChar(0x3A9)))
                cut = text.text;
        QVERIFY(!cut.isEmpty() && cut.size() < email.size());
        if (widthPerPoint == 12)
            QCOMPARE(cut.size(), 26); // 8 columns of 360, less 60, at 108 a letter
    }

    void printsEveryPageOnLandscapeA4()
    {
        PrintoutsFixture f;
        AddPersons(f.state.Building, 45);
        ContactListPage list(f.printing(), ContactListKind::Persons);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("persons.pdf"));
        f.dialogs.printChoices = {PrintChoice{true, 1, true}};
        f.doubles.fileDialogs.saveAnswers = {pdf};
        list.sendToPrinter();
        QCOMPARE(f.dialogs.asked.size(), 1);
        QCOMPARE(f.dialogs.asked[0].rows, 2);
        QCOMPARE(f.doubles.printers.jobs.size(), 1);
        QCOMPARE(f.doubles.printers.jobs[0].pages, 2);
        QVERIFY(QFile::exists(pdf));
        // A job that cannot start says so.
        f.dialogs.printChoices = {PrintChoice{true, 1, false}};
        f.doubles.fileDialogs.saveAnswers = {pdf};
        f.doubles.printers.failJobStart = true;
        list.sendToPrinter();
        QCOMPARE(f.doubles.messages.shown.last().text, QStringLiteral("Έχετε κάποιο πρόβλημα με τον εκτυπωτή σας."));
    }
};

KV_TEST_MAIN(TestContactLists)

} // namespace test_contactlists
#include "test_contactlists.moc"
