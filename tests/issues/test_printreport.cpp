// printreport collective ISSUE on the example building: every issue's
// statement printed to PDF through the window's layout and paint code, each
// named by its number in the issues window (1 the oldest).

#include "core/datafile.h"
#include "core/printsettings.h"
#include "examplebuilding.h"
#include "testprogram.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvarino;

namespace test_printreport {

namespace {

struct Run
{
    int exitCode = -1;
    QString standardError;
};

Run PrintReport(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(KV_PRINTREPORT), arguments);
    tool.waitForFinished(60000);
    return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardError())};
}

int PageCount(const QString &pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished();
    for (const QString &line : QString::fromUtf8(info.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    return 0;
}

QString PdfText(const QString &pdf)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    text.waitForFinished();
    return QString::fromUtf8(text.readAllStandardOutput());
}

} // namespace

class PrintReportTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(folder.isValid()); }

    void eachIssue_data()
    {
        QTest::addColumn<int>("issue");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("total");
        QTest::newRow("8") << 8 << 2 << "ΑΠΟ: 1/10/2025 ΕΩΣ: 31/12/2025" << "ΣΥΝΟΛΟ: 4306,15";
        QTest::newRow("7") << 7 << 1 << "ΑΠΟ: 1/7/2025 ΕΩΣ: 30/9/2025" << "ΣΥΝΟΛΟ: 891,50";
        QTest::newRow("6") << 6 << 2 << "ΑΠΟ: 1/4/2025 ΕΩΣ: 30/6/2025" << "ΣΥΝΟΛΟ: 3161,35";
        QTest::newRow("5") << 5 << 2 << "ΑΠΟ: 1/1/2025 ΕΩΣ: 31/3/2025" << "ΣΥΝΟΛΟ: 5274,55";
        QTest::newRow("4") << 4 << 2 << "ΑΠΟ: 1/10/2024 ΕΩΣ: 31/12/2024" << "ΣΥΝΟΛΟ: 4430,65";
        QTest::newRow("3") << 3 << 2 << "ΑΠΟ: 1/7/2024 ΕΩΣ: 30/9/2024" << "ΣΥΝΟΛΟ: 2071,90";
        QTest::newRow("2") << 2 << 1 << "ΑΠΟ: 1/4/2024 ΕΩΣ: 30/6/2024" << "ΣΥΝΟΛΟ: 789,15";
        QTest::newRow("1") << 1 << 2 << "ΑΠΟ: 1/1/2024 ΕΩΣ: 31/3/2024" << "ΣΥΝΟΛΟ: 5260,05";
    }
    void eachIssue()
    {
        QFETCH(int, issue);
        QFETCH(int, pages);
        QFETCH(QString, period);
        QFETCH(QString, total);
        const QString pdf = folder.filePath(QStringLiteral("collective%1.pdf").arg(issue));
        const Run run = PrintReport({example, QStringLiteral("collective"), QString::number(issue), pdf});
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        QCOMPARE(PageCount(pdf), pages);
        const QString text = PdfText(pdf);
        QVERIFY(text.contains(QStringLiteral("ΠΟΛΥΚΑΤΟΙΚΙΑ: Πολυκατοικία Οδού Αιόλου 12, Αθήνα")));
        QVERIFY(text.contains(QStringLiteral("ΔΙΑΧΕΙΡΙΣΤΙΚΗ ΠΕΡΙΟΔΟΣ ΚΟΙΝΩΝ ΔΑΠΑΝΩΝ ") + period));
        QVERIFY(text.contains(total));
        QVERIFY(text.contains(QStringLiteral("ΔΑΠΑΝΕΣ ΕΝΟΙΚΩΝ")));
        QVERIFY(text.contains(QStringLiteral("Γεώργιος Παπαδ"))); // the resident of flat Α1
    }

    // A statement that does not fit, or an issue that does not exist: exit 1
    // with the message.
    void refusals()
    {
        BuildingData building = MakeExampleBuilding();
        building.PrintSettings[SlotCollectiveStatement].Widths[1] = 60000;
        const QString tooWide = folder.filePath(QStringLiteral("too wide.s43"));
        QFile file(tooWide);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(WriteDataFile(building, FixedText<8>(), QString()));
        file.close();
        Run run = PrintReport({tooWide, QStringLiteral("collective"), QStringLiteral("8"),
                               folder.filePath(QStringLiteral("no.pdf"))});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.standardError.contains(QStringLiteral("Η στήλη με τα ονόματα των διαμερισμάτων")),
                 qPrintable(run.standardError));
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("no.pdf"))));

        run = PrintReport({example, QStringLiteral("collective"), QStringLiteral("9"),
                           folder.filePath(QStringLiteral("no.pdf"))});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.standardError.trimmed(), QStringLiteral("Δεν υπάρχει έκδοση με αριθμό 9."));
    }

private:
    QTemporaryDir folder;
    const QString example = QStringLiteral(KV_SOURCE_DIR "/examples/") + ExampleFileName();
};

KV_TEST_MAIN(PrintReportTest)

} // namespace test_printreport
#include "test_printreport.moc"
