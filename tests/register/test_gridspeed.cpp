#include "register/flatswindow.h"
#include "register/personswindow.h"
#include "registerfixture.h"
#include "testprogram.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

using namespace kelvarino;

namespace test_gridspeed {

// The cost of a keystroke and of a redraw must not grow with the list: run
// with -tickcounter or plain to compare the rows of each table.
class TestGridSpeed : public QObject
{
    Q_OBJECT
private slots:
    void typingANameStoresIt_data()
    {
        QTest::addColumn<int>("persons");
        QTest::newRow("20 persons") << 20;
        QTest::newRow("32767 persons") << MaxListCount;
    }
    void typingANameStoresIt()
    {
        QFETCH(int, persons);
        RegisterFixture f;
        f.state.Building.Persons.assign(std::size_t(persons), MakePerson(QStringLiteral("Όνομα")));
        PersonsWindow window(f.context);
        QLineEdit *box = window.textCell(0, 0);
        bool toggle = false;
        QBENCHMARK {
            toggle = !toggle;
            PasteInto(box, toggle ? QStringLiteral("α") : QStringLiteral("β"));
        }
        QVERIFY(f.state.DataChanged);
    }

    void scrollingRedrawsTheVisibleRows_data()
    {
        QTest::addColumn<int>("persons");
        QTest::newRow("40 persons") << 40;
        QTest::newRow("32767 persons") << MaxListCount;
    }
    void scrollingRedrawsTheVisibleRows()
    {
        QFETCH(int, persons);
        RegisterFixture f;
        f.state.Building.Persons.assign(std::size_t(persons), MakePerson(QStringLiteral("Όνομα")));
        PersonsWindow window(f.context);
        QScrollBar *bar = window.scrollBar();
        QVERIFY(!bar->isHidden());
        int value = 0;
        QBENCHMARK {
            value = value == 0 ? bar->maximum() : 0;
            bar->setValue(value);
        }
    }

    void typingAnAmountInThreeHundredFlats_data()
    {
        QTest::addColumn<int>("flats");
        QTest::newRow("3 flats") << 3;
        QTest::newRow("300 flats") << 300;
    }
    void typingAnAmountInThreeHundredFlats()
    {
        QFETCH(int, flats);
        RegisterFixture f;
        f.state.Building.Flats.assign(std::size_t(flats), MakeFlat(QStringLiteral("Χ")));
        FlatsWindow window(f.context);
        ShowActive(&window);
        QLineEdit *box = window.textCell(0, 2);
        FocusBox(box);
        bool toggle = false;
        QBENCHMARK {
            toggle = !toggle;
            box->selectAll();
            PasteInto(box, toggle ? QStringLiteral("12,5") : QStringLiteral("7"));
        }
        QVERIFY(f.state.Building.Flats[0].ResidentInitialDebt != 0.0f);
    }
};

KV_TEST_MAIN(TestGridSpeed)

} // namespace test_gridspeed
#include "test_gridspeed.moc"
