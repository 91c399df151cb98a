#include "shell/gridkeynavigate.h"
#include "shell/openexportedspreadsheet.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

using namespace kelvarino;

namespace {

// Three shown rows over ten records.
struct Grid
{
    Grid()
    {
        auto *layout = new QVBoxLayout(&window);
        for (int i = 0; i < 3; ++i) {
            boxes.append(new QLineEdit(QStringLiteral("κείμενο"), &window));
            layout->addWidget(boxes.last());
        }
        bar = new QScrollBar(Qt::Vertical, &window);
        bar->setRange(0, 7);
        bar->setSingleStep(1);
        bar->setPageStep(3);
        layout->addWidget(bar);
        window.show();
        QApplication::setActiveWindow(&window);
    }
    QWidget window;
    QList<QLineEdit *> boxes;
    QScrollBar *bar;
};

void touchFile(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class TestSharedHelpers : public QObject
{
    Q_OBJECT

private slots:
    void arrowsMoveBetweenRowsKeepingTheCaret()
    {
        Grid grid;
        grid.boxes[0]->setCursorPosition(4);
        QVERIFY(GridKeyNavigate(grid.boxes, 0, Qt::Key_Down, grid.bar));
        QCOMPARE(QApplication::focusWidget(), grid.boxes[1]);
        QCOMPARE(grid.boxes[1]->cursorPosition(), 4);
        QCOMPARE(grid.bar->value(), 0);
        GridKeyNavigate(grid.boxes, 1, Qt::Key_Up, grid.bar);
        QCOMPARE(QApplication::focusWidget(), grid.boxes[0]);
        QVERIFY(!GridKeyNavigate(grid.boxes, 0, Qt::Key_Left, grid.bar));
    }

    void pastTheEdgesTheRecordsScroll()
    {
        Grid grid;
        grid.boxes[2]->setCursorPosition(2);
        GridKeyNavigate(grid.boxes, 2, Qt::Key_Down, grid.bar);
        QCOMPARE(grid.bar->value(), 1);
        QCOMPARE(QApplication::focusWidget(), grid.boxes[2]);
        QCOMPARE(grid.boxes[2]->cursorPosition(), 2);
        GridKeyNavigate(grid.boxes, 0, Qt::Key_PageDown, grid.bar);
        QCOMPARE(grid.bar->value(), 4);
        QCOMPARE(QApplication::focusWidget(), grid.boxes[2]);
        GridKeyNavigate(grid.boxes, 2, Qt::Key_PageDown, grid.bar);
        GridKeyNavigate(grid.boxes, 2, Qt::Key_PageDown, grid.bar);
        QCOMPARE(grid.bar->value(), 7); // at the end nothing more happens
        GridKeyNavigate(grid.boxes, 1, Qt::Key_PageUp, grid.bar);
        QCOMPARE(grid.bar->value(), 4);
        QCOMPARE(QApplication::focusWidget(), grid.boxes[0]);
        GridKeyNavigate(grid.boxes, 0, Qt::Key_Up, grid.bar);
        QCOMPARE(grid.bar->value(), 3);
    }

    void withoutAScrollBarTheEdgesStay()
    {
        Grid grid;
        grid.bar->hide();
        grid.boxes[2]->setFocus();
        GridKeyNavigate(grid.boxes, 2, Qt::Key_Down, grid.bar);
        GridKeyNavigate(grid.boxes, 2, Qt::Key_PageDown, nullptr);
        QCOMPARE(grid.bar->value(), 0);
    }

    void theLongestSpreadsheetExtensionIsOpened()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        touchFile(folder + QStringLiteral("prnPersons_work_4078.xls"));
        touchFile(folder + QStringLiteral("prnPersons_work_4078.xlsx"));
        touchFile(folder + QStringLiteral("prnPersons_work_4078.txt"));
        TestPlatform doubles;
        OpenExportedSpreadsheet(doubles.platform(), folder, QStringLiteral("prnPersons_work_4078"));
        QCOMPARE(doubles.desktop.opened,
                 QList<QUrl>{QUrl::fromLocalFile(folder + QStringLiteral("prnPersons_work_4078.xlsx"))});
        QVERIFY(doubles.messages.shown.isEmpty());
    }

    void withoutASpreadsheetTheUserIsTold()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        touchFile(folder + QStringLiteral("prnPersons_x.txt"));
        TestPlatform doubles;
        OpenExportedSpreadsheet(doubles.platform(), folder, QStringLiteral("prnPersons_x"));
        OpenExportedSpreadsheet(doubles.platform(), folder + QStringLiteral("missing/"), QStringLiteral("a"));
        QVERIFY(doubles.desktop.opened.isEmpty());
        QCOMPARE(doubles.messages.shown.size(), 2);
        QCOMPARE(doubles.messages.shown.first().title, QStringLiteral("Ανάγνωση αρχείου EXCEL"));
        QCOMPARE(doubles.messages.shown.first().text,
                 QStringLiteral("Δεν μπορέσαμε να ξεκινήσουμε το EXCEL. Κάντε το εσείς χειροκίνητα."));
    }
};

QTEST_MAIN(TestSharedHelpers)
#include "test_sharedhelpers.moc"
