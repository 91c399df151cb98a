#include "support_notificationsfixture.h"

#include "core/datafile.h"
#include "core/workstate.h"
#include "printingfixture.h" // PdfPages
#include "printing/reportpreview.h"
#include "testprogram.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvarino;

namespace test_printreport {

namespace {

const QString Example = QString::fromUtf8(KV_SOURCE_DIR "/examples/Πολυκατοικία Παραδείγματος.s43");

struct ToolRun
{
    int exitCode = -1;
    QString errors;
};

ToolRun PrintReport(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(KV_PRINTREPORT), arguments);
    tool.waitForFinished(60000);
    return {tool.exitCode(), QString::fromLocal8Bit(tool.readAllStandardError())};
}

} // namespace

// The developer tool prints the example building's notifications through the
// window's own layout and painting.
class TestPrintReport : public QObject
{
    Q_OBJECT
private slots:
    void exampleIssue()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("notifications.pdf"));
        // The issues window numbers the latest of the eight issues 8.
        const ToolRun run = PrintReport({Example, QStringLiteral("notifications"), QStringLiteral("8"), pdf});
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));

        // The pages of one sheet, as the window lays the example out.
        AppState state;
        ResetToNewWork(state);
        QFile file(Example);
        QVERIFY(file.open(QIODevice::ReadOnly));
        DataFileReader reader(file.readAll());
        QVERIFY(ReadIntoStaging(state, reader, reader.CheckDataFileVersion()));
        CommitLoaded(state);
        state.PreferredFont = QStringLiteral("Arial Greek");
        TestPlatform doubles;
        PeriodResults results;
        QCOMPARE(PrepareNotifications(state.Building, 0, doubles.messages, results), CommandOutcome::OpenReport);
        NotificationsWindow window(PrintingContext{state, doubles.platform()}, {state.Building, results, 0});
        window.load();
        const int sheetPages = window.window().pageRows();
        const int flats = state.Building.FlatCount();
        QCOMPARE(flats, 12);

        const QStringList pages = PdfPages(pdf);
        QCOMPARE(pages.size(), flats * sheetPages);
        for (int i = 0; i < pages.size(); ++i) {
            QVERIFY2(!pages[i].trimmed().isEmpty(), qPrintable(QStringLiteral("page %1 is blank").arg(i + 1)));
            if (i % sheetPages == 0) {
                const QString flat = state.Building.Flats[std::size_t(i / sheetPages)].ShortName.trimmed();
                QVERIFY2(pages[i].contains(QStringLiteral("ΔΙΑΜΕΡΙΣΜΑ: ") + flat), qPrintable(flat));
                QVERIFY(pages[i].contains(QStringLiteral("ΕΙΔΟΠΟΙΗΤΗΡΙΟ")));
            }
        }
        const QString all = pages.join(QLatin1Char('\n'));
        QVERIFY(all.contains(QStringLiteral("Χρεώσεις ΕΝΟΙΚΟΥ")));
        QVERIFY(all.contains(QStringLiteral("Χρεώσεις ΙΔΙΟΚΤΗΤΗ")));
    }

    // Number 1 is the oldest issue, as the issues window numbers it.
    void theFirstIssue()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("first.pdf"));
        const ToolRun run = PrintReport({Example, QStringLiteral("notifications"), QStringLiteral("1"), pdf});
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        const QStringList pages = PdfPages(pdf);
        QVERIFY(!pages.isEmpty());
        QVERIFY(pages[0].contains(QStringLiteral("ΑΠΟ: 1/1/2024 ΕΩΣ: 31/3/2024")));
    }

    void stops()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("none.pdf"));
        const ToolRun beyond = PrintReport({Example, QStringLiteral("notifications"), QStringLiteral("99"), pdf});
        QCOMPARE(beyond.exitCode, 1);
        QVERIFY(beyond.errors.contains(QStringLiteral("99")));
        QVERIFY(!QFile::exists(pdf));
    }
};

KV_TEST_MAIN(TestPrintReport)

} // namespace test_printreport
#include "test_printreport.moc"
