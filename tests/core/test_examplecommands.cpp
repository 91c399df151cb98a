#include "core/datafile.h"
#include "core/issuecommands.h"
#include "core/workstate.h"
#include "platform/messageservice.h"
#include "testprogram.h"

#include <QtTest>

#include <cmath>

using namespace kelvarino;

namespace test_examplecommands {

namespace {

bool WithinACent(float a, float b)
{
    return std::fabs(double(a) - double(b)) <= 0.005;
}

} // namespace

// The three print commands of every issue of the example building that the
// program ships, run end to end on the file as a user opens it.
class TestExampleCommands : public QObject
{
    Q_OBJECT
private:
    AppState state;

private slots:
    void initTestCase()
    {
        QFile file(QString::fromUtf8(KV_SOURCE_DIR "/examples/Πολυκατοικία Παραδείγματος.s43"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        DataFileReader reader(file.readAll());
        const int version = reader.CheckDataFileVersion();
        QVERIFY(version > 0);
        QVERIFY(ReadIntoStaging(state, reader, version));
        CommitLoaded(state);
        QVERIFY(state.Building.IssueCount() >= 2);
    }

    void everyIssueRunsWithoutAStop()
    {
        const BuildingData &b = state.Building;
        for (int i = 0; i < b.IssueCount(); ++i) {
            RecordingMessageService messages;
            PeriodResults results;
            QCOMPARE(PrepareCollectiveStatement(b, i, messages, results), CommandOutcome::OpenReport);
            QCOMPARE(PrepareNotifications(b, i, messages, results), CommandOutcome::OpenReport);
            QCOMPARE(PrepareCashStatement(b, i, messages, results), CommandOutcome::OpenReport);
            QVERIFY2(messages.shown.isEmpty(), qPrintable(messages.shown.value(0).text));
            QVERIFY(results.Administrator.AdministratorIndex >= 0);
        }
    }

    // The statements and the balances compute the period's dues apart, each
    // in its own order of rounding: they agree to the cent, and the flats'
    // totals add up to the period's expenses.
    void statementsAgreeWithTheBalances()
    {
        const BuildingData &b = state.Building;
        for (int i = 0; i < b.IssueCount(); ++i) {
            RecordingMessageService messages;
            PeriodResults r;
            QCOMPARE(PrepareNotifications(b, i, messages, r), CommandOutcome::OpenReport);
            const IssueWorkspace &w = r.Workspace;
            for (int f = 0; f < b.FlatCount(); ++f) {
                const FlatBalance &balance = r.Period.Balances[std::size_t(f)];
                const FlatRow &row = w.FlatRows[std::size_t(f)];
                QVERIFY(WithinACent(row.ResidentTotal, balance.ResidentShared + balance.ResidentCharges));
                QVERIFY(WithinACent(row.OwnerTotal, balance.OwnerShared + balance.OwnerCharges));
            }
            QVERIFY(WithinACent(w.StatementTotal, w.CommonTotal + w.ChargeTotal));
            QVERIFY(WithinACent(r.Period.TotalShared, w.CommonTotal));
        }
    }

    // Each quarter brings forward what the quarter before it left due.
    void balancesCarryOverFromQuarterToQuarter()
    {
        const BuildingData &b = state.Building;
        int compared = 0;
        for (int i = 0; i + 1 < b.IssueCount(); ++i) {
            const IssueRecord &later = b.Issues[std::size_t(i)];
            const IssueRecord &earlier = b.Issues[std::size_t(i) + 1];
            if (earlier.PeriodTo + 1 != later.PeriodFrom)
                continue;
            RecordingMessageService messages;
            PeriodResults before, after;
            QCOMPARE(PrepareCashStatement(b, i + 1, messages, before), CommandOutcome::OpenReport);
            QCOMPARE(PrepareCashStatement(b, i, messages, after), CommandOutcome::OpenReport);
            for (int f = 0; f < b.FlatCount(); ++f) {
                QVERIFY(WithinACent(after.Period.Balances[std::size_t(f)].ResidentPrevious,
                                    before.Period.Balances[std::size_t(f)].ResidentDue));
                QVERIFY(WithinACent(after.Period.Balances[std::size_t(f)].OwnerPrevious,
                                    before.Period.Balances[std::size_t(f)].OwnerDue));
            }
            QVERIFY(WithinACent(after.Period.CashAtStart, before.Period.CashAtEnd));
            ++compared;
        }
        QVERIFY(compared >= 1);
    }
};

KV_TEST_APPLESS_MAIN(TestExampleCommands)

} // namespace test_examplecommands
#include "test_examplecommands.moc"
