#include "shell/openexportedspreadsheet.h"
#include "testprogram.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvarino;

namespace test_openexportedspreadsheet {

namespace {

void touchFile(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class TestOpenExportedSpreadsheet : public QObject
{
    Q_OBJECT

private slots:
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

KV_TEST_MAIN(TestOpenExportedSpreadsheet)

} // namespace test_openexportedspreadsheet
#include "test_openexportedspreadsheet.moc"
