#include "register/buildingidwindow.h"
#include "register/expensecategorieswindow.h"
#include "register/expensecategoryorderwindow.h"
#include "registerfixture.h"
#include "testprogram.h"

#include <QLineEdit>
#include <QTest>

using namespace kelvarino;

namespace test_labels {

class TestLabels : public QObject
{
    Q_OBJECT
private slots:
    void categoryLabelsAreTypedStoredAndRestored()
    {
        RegisterFixture f;
        ExpenseCategoriesWindow window(f.context);
        ShowActive(&window);
        QVERIFY(!window.labelBox(0)->isEnabled());
        QCOMPARE(window.labelBox(0)->text(), QStringLiteral("ΙΣΟΠΟΣΑ"));
        QLineEdit *box = window.labelBox(1);
        FocusBox(box);
        // Up from category 1 stays: category 0 cannot take the focus.
        QTest::keyClick(box, Qt::Key_Up);
        QVERIFY(box->hasFocus());
        box->home(false);
        TypeInto(box, QStringLiteral(" "));
        QCOMPARE(f.state.Building.CategoryLabels[1].text().left(12), QStringLiteral(" ΚΟΙΝΗ ΧΡΗΣΗ"));
        QVERIFY(f.state.DataChanged);
        f.state.DataChanged = false;
        QTest::keyClick(box, Qt::Key_Escape);
        QCOMPARE(f.state.Building.CategoryLabel(1), QStringLiteral("ΚΟΙΝΗ ΧΡΗΣΗ"));
        QCOMPARE(f.state.Building.CategoryLabels[1].text().left(1), QStringLiteral("Κ"));
        QVERIFY(f.state.DataChanged);
        QTest::keyClick(box, Qt::Key_Down);
        QVERIFY(window.labelBox(2)->hasFocus());
    }

    void anEmptyLabelIsRestoredAndTheCloseRefusedOnce()
    {
        RegisterFixture f;
        ExpenseCategoriesWindow window(f.context);
        ShowActive(&window);
        QLineEdit *box = window.labelBox(3);
        FocusBox(box);
        ClearBox(box);
        QVERIFY(f.state.Building.CategoryLabel(3).isEmpty());
        QVERIFY(!window.close());
        QCOMPARE(f.state.Building.CategoryLabel(3), QStringLiteral("ΑΝΕΛΚΥΣΤΗΡΑΣ"));
        QCOMPARE(f.platform.messages.shown.last().icon, MessageIcon::Exclamation);
        QCOMPARE(f.shell.menuUpdates, 0);
        QVERIFY(window.close());
        QCOMPARE(f.shell.menuUpdates, 1);
    }

    void labelsReorderedElsewhereAreReadAgainBeforeTyping()
    {
        RegisterFixture f;
        ExpenseCategoriesWindow labels(f.context);
        ExpenseCategoryOrderWindow order(f.context);
        order.clickRow(1);
        order.clickRow(2);
        QCOMPARE(f.state.Building.CategoryLabel(2), QStringLiteral("ΚΟΙΝΗ ΧΡΗΣΗ"));
        TypeInto(labels.labelBox(1), QStringLiteral("Χ"));
        QCOMPARE(labels.labelBox(1)->text(), QStringLiteral("ΘΕΡΜΑΝΣΗ"));
        QCOMPARE(f.state.Building.CategoryLabel(2), QStringLiteral("ΚΟΙΝΗ ΧΡΗΣΗ"));
        TypeInto(labels.labelBox(1), QStringLiteral("Χ"));
        QCOMPARE(f.state.Building.CategoryLabel(1), QStringLiteral("ΘΕΡΜΑΝΣΗΧ"));
    }

    void theBuildingIdentifierLosesALeadingBlankAtOnce()
    {
        RegisterFixture f;
        f.state.Building.BuildingId.set(QStringLiteral("Οδός 1"));
        BuildingIdWindow window(f.context);
        ShowActive(&window);
        QLineEdit *box = window.buildingBox();
        FocusBox(box);
        box->home(false);
        TypeInto(box, QStringLiteral(" "));
        QCOMPARE(box->text(), QStringLiteral("Οδός 1"));
        QCOMPARE(box->cursorPosition(), 1);
        box->end(false);
        TypeInto(box, QStringLiteral("2"));
        QCOMPARE(f.state.Building.BuildingId.trimmed(), QStringLiteral("Οδός 12"));
        QTest::keyClick(box, Qt::Key_Escape);
        QCOMPARE(f.state.Building.BuildingId.trimmed(), QStringLiteral("Οδός 1"));
        ClearBox(box);
        QVERIFY(window.close());
        QVERIFY(f.state.Building.BuildingId.isBlank());
    }
};

KV_TEST_MAIN(TestLabels)

} // namespace test_labels
#include "test_labels.moc"
