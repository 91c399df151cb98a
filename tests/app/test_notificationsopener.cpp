#include "app/programwindows.h"
#include "core/datafile.h"
#include "core/issuecommands.h"
#include "core/workstate.h"
#include "printing/reportpreview.h"
#include "shell/appcontext.h"
#include "shell/mainwindow.h"
#include "shell/reportopeners.h"

#include "modalwindow.h"
#include "testprogram.h"

#include <QApplication>
#include <QtTest>

using namespace kelvarino;

namespace test_notificationsopener {

// The issues window's "Ειδοποιητήρια": the notifications' command, then the
// program's opener shows the notifications window modally.
class TestNotificationsOpener : public QObject
{
    Q_OBJECT
private:
    AppState state;
    TestPlatform doubles;

private slots:
    void initTestCase()
    {
        ResetToNewWork(state);
        QFile file(QString::fromUtf8(KV_SOURCE_DIR "/examples/Πολυκατοικία Παραδείγματος.s43"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        DataFileReader reader(file.readAll());
        QVERIFY(ReadIntoStaging(state, reader, reader.CheckDataFileVersion()));
        CommitLoaded(state);
        state.DataFileName = QStringLiteral("Παράδειγμα.s43");
        state.PreferredFont = QStringLiteral("Arial Greek");
    }

    void cleanupTestCase() { ProgramReportOpeners() = {}; }

    void opensTheWindowModally()
    {
        MainWindow main(state, doubles.platform());
        QVERIFY(!ProgramReportOpeners().notifications);
        BindProgramWindows(main);
        QVERIFY(ProgramReportOpeners().notifications);

        PeriodResults results;
        QCOMPARE(PrepareNotifications(state.Building, 0, doubles.messages, results), CommandOutcome::OpenReport);
        QString caption;
        int pages = 0;
        const auto modal = OnModal<ReportPreview>([&](ReportPreview *preview) {
            caption = preview->windowTitle();
            pages = preview->pageRows();
        });
        AppContext context{state, doubles.platform()};
        ProgramReportOpeners().notifications(context, &main, results, 0);
        QCOMPARE(caption, QStringLiteral("Παράδειγμα.s43/Ειδοποιητήρια και Αποδείξεις πληρωμής"));
        QVERIFY(pages >= 1);
        QVERIFY(doubles.messages.shown.isEmpty());
    }

    // A period without expenses stops the command with its message: the
    // issues window opens nothing.
    void periodWithoutExpenses()
    {
        BuildingData building = state.Building;
        IssueRecord empty;
        empty.PeriodFrom = 80000; // in the 2110s
        empty.PeriodTo = 80090;
        empty.IssueDate = 80100;
        building.Issues.insert(building.Issues.begin(), empty);
        RecordingMessageService messages;
        PeriodResults results;
        QCOMPARE(PrepareNotifications(building, 0, messages, results), CommandOutcome::Stopped);
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, QStringLiteral("Δεν υπάρχουν κοινές ή ατομικές δαπάνες στην περίοδο που ζητήσατε."));
    }
};

KV_TEST_MAIN(TestNotificationsOpener)

} // namespace test_notificationsopener
#include "test_notificationsopener.moc"
