#include "examplebuilding.h"

#include "core/datafile.h"
#include "testprogram.h"

#include <QtTest>

#include <algorithm>
#include <numeric>

using namespace kelvarino;

namespace test_examplebuilding {

namespace {

float Sum(const std::vector<float> &values)
{
    return std::accumulate(values.begin(), values.end(), 0.0f);
}

const ShareColumn &ColumnAt(const BuildingData &b, int category, double date)
{
    for (const ShareColumn &column : b.ShareColumns[category]) {
        if (IsDateSet(column.EndDate) && date <= column.EndDate)
            return column;
    }
    return b.ShareColumns[category].back();
}

} // namespace

class TestExampleBuilding : public QObject
{
    Q_OBJECT
private slots:
    // The file the program ships (and the run script opens) is exactly what
    // the generator writes today: change the example, then run makeexample.
    void committedFileIsWhatTheGeneratorWrites()
    {
        QFile file(QString::fromUtf8(KV_SOURCE_DIR "/examples/") + ExampleFileName());
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray committed = file.readAll();
        const QByteArray generated = ExampleFileBytes();
        QVERIFY(!generated.isEmpty());
        const auto firstDifference = std::mismatch(committed.begin(), committed.end(), generated.begin(), generated.end());
        QVERIFY2(committed == generated,
                 qPrintable(QStringLiteral("sizes %1 and %2, first difference at byte %3")
                                .arg(committed.size())
                                .arg(generated.size())
                                .arg(firstDifference.first - committed.begin())));
    }

    void fileReadsBackAsBuilt()
    {
        DataFileReader reader(ExampleFileBytes());
        QCOMPARE(reader.CheckDataFileVersion(), 2);
        BuildingData staging;
        QVERIFY(reader.ReadDataFile(2, staging));
        QVERIFY(staging == MakeExampleBuilding());
    }

    void sameBuildingOnEveryRun()
    {
        QVERIFY(MakeExampleBuilding() == MakeExampleBuilding());
    }

    // What the program relies on in every building it loads.
    void keepsTheDataInvariants()
    {
        const BuildingData b = MakeExampleBuilding();
        const int flats = b.FlatCount();
        QCOMPARE(flats, 12);
        for (int c = 0; c < CategoryCount; ++c) {
            const auto &columns = b.ShareColumns[c];
            QVERIFY(!columns.empty());
            QVERIFY2(!IsDateSet(columns.back().EndDate), "the last column is the open one");
            for (std::size_t k = 0; k < columns.size(); ++k) {
                QCOMPARE(columns[k].PerMille.size(), std::size_t(flats));
                QCOMPARE(columns[k].ResidentReduction.size(), std::size_t(flats));
                QCOMPARE(columns[k].OwnerReduction.size(), std::size_t(flats));
                if (k + 1 < columns.size()) {
                    QVERIFY(IsDateSet(columns[k].EndDate));
                    QVERIFY(k == 0 || columns[k - 1].EndDate < columns[k].EndDate);
                }
            }
        }
        const auto validFlat = [&](int j) { return j >= 0 && j < flats; };
        const auto validPerson = [&](int p) { return p >= 0 && p < b.PersonCount(); };
        for (const auto &a : b.Administrators)
            QVERIFY(validPerson(a.Person));
        for (const auto *periods : {&b.Owners, &b.Residents}) {
            std::vector<int> count(std::size_t(flats), 0), withoutStart(std::size_t(flats), 0);
            for (const auto &p : *periods) {
                QVERIFY(validPerson(p.Person) && validFlat(p.Flat));
                QVERIFY(!IsDateSet(p.FromDate) || !IsDateSet(p.ToDate) || p.FromDate <= p.ToDate);
                ++count[std::size_t(p.Flat)];
                withoutStart[std::size_t(p.Flat)] += IsDateSet(p.FromDate) ? 0 : 1;
            }
            // The owners' and residents' windows close only when a flat with
            // two or more periods gives every one its start.
            for (int j = 0; j < flats; ++j)
                QVERIFY2(count[std::size_t(j)] < 2 || withoutStart[std::size_t(j)] == 0, "a start date is missing");
        }
        for (const auto &p : b.Payments)
            QVERIFY(validFlat(p.Flat));
        for (const auto &e : b.Expenses) {
            QVERIFY(e.Category >= 0 && e.Category < CategoryCount);
            QVERIFY(e.AllFlats ? e.Flat == -1 : validFlat(e.Flat));
        }
        for (int i = 1; i < b.IssueCount(); ++i)
            QVERIFY2(b.Issues[i - 1].PeriodTo > b.Issues[i].PeriodTo, "issues latest first");
    }

    // The statements stop on a common expense whose per-mille column sums to
    // zero, or whose unreduced flats hold no per-mille: the example must
    // never run into either.
    void everyCommonExpenseCanBeShared()
    {
        const BuildingData b = MakeExampleBuilding();
        for (const ExpenseRecord &e : b.Expenses) {
            if (!e.AllFlats)
                continue;
            const ShareColumn &column = ColumnAt(b, e.Category, e.Date);
            QVERIFY2(Sum(column.PerMille) > 0, qPrintable(e.Description.trimmed()));
            const auto &reduction = e.ChargedToOwner ? column.OwnerReduction : column.ResidentReduction;
            float unreduced = 0;
            for (std::size_t j = 0; j < column.PerMille.size(); ++j)
                unreduced += reduction[j] > 0 ? 0.0f : column.PerMille[j];
            QVERIFY2(unreduced > 0, qPrintable(e.Description.trimmed()));
        }
    }

    void coversTwoYearsWithEightQuarterlyIssues()
    {
        const BuildingData b = MakeExampleBuilding();
        QCOMPARE(b.IssueCount(), 8);
        QCOMPARE(b.Issues.front().PeriodTo, 46022.0); // 31/12/2025
        QCOMPARE(b.Issues.back().PeriodFrom, 45292.0); // 1/1/2024
        int unpaid = 0;
        int charges = 0;
        for (const ExpenseRecord &e : b.Expenses) {
            QVERIFY(e.Date >= 45292.0 && e.Date <= 46022.0);
            unpaid += e.NotPaidYet != 0;
            charges += e.AllFlats == 0;
        }
        QVERIFY(unpaid > 0 && charges > 0);
        QVERIFY(b.PaymentCount() > 0);
        QVERIFY(std::is_sorted(b.Payments.begin(), b.Payments.end(),
                               [](const auto &x, const auto &y) { return x.Date < y.Date; }));
    }
};

KV_TEST_APPLESS_MAIN(TestExampleBuilding)

} // namespace test_examplebuilding
#include "test_examplebuilding.moc"
