#include "core/administratorlines.h"
#include "core/sharetimeline.h"

#include "support_periodbuilding.h"
#include "testprogram.h"

#include <algorithm>
#include <limits>
#include <random>

using namespace kelvarino;

namespace test_sharetimeline {

using namespace kelvarino::testing;

namespace {

// Category 1 ends columns on 31 March and 30 June, category 2 on 31 May
// and category 3 on 30 June too: three boundaries, one per distinct date.
PeriodBuilding ThreeBoundaries()
{
    PeriodBuilding b(1);
    auto &c1 = b.data.ShareColumns[1];
    c1.insert(c1.begin(), {ShareColumn::zeros(1, Day(2024, 3, 31)), ShareColumn::zeros(1, Day(2024, 6, 30))});
    auto &c2 = b.data.ShareColumns[2];
    c2.insert(c2.begin(), ShareColumn::zeros(1, Day(2024, 5, 31)));
    auto &c3 = b.data.ShareColumns[3];
    c3.insert(c3.begin(), ShareColumn::zeros(1, Day(2024, 6, 30)));
    return b;
}

} // namespace

class TestShareTimeline : public QObject
{
    Q_OBJECT
private slots:
    void singleOpenColumnsGiveOneSlice()
    {
        PeriodBuilding b(2);
        const ShareTimeline t = BuildShareTimeline(b.data);
        QCOMPARE(t.Slices.size(), std::size_t(1));
        QCOMPARE(t.Slices[0].Boundary, NotSetDate);
        QCOMPARE(ShareSliceOfDate(t, Day(2024, 5, 1)), 0);
        QCOMPARE(t.ColumnAt(3, Day(1990, 1, 1)), 0);
    }

    void noFlatsGiveNoColumns()
    {
        const ShareTimeline t = BuildShareTimeline(BuildingData());
        QCOMPARE(t.Slices.size(), std::size_t(1));
        for (int c = 0; c < CategoryCount; ++c)
            QCOMPARE(t.Slices[0].ColumnOf[std::size_t(c)], -1);
    }

    // Three boundaries, one per distinct date, across the categories.
    void boundariesMergeAcrossCategories()
    {
        const ShareTimeline t = BuildShareTimeline(ThreeBoundaries().data);
        QCOMPARE(t.LastSlice(), 3);
        QCOMPARE(t.Slices[1].Boundary, Day(2024, 6, 30));
        QCOMPARE(t.Slices[2].Boundary, Day(2024, 5, 31));
        QCOMPARE(t.Slices[3].Boundary, Day(2024, 3, 31));

        const struct { double date; int slice, cat1, cat2, cat3; } cases[] = {
            {Day(2024, 7, 1), 0, 2, 1, 1},   // after every end date: the open columns
            {Day(2024, 6, 30), 1, 1, 1, 0},  // on a boundary: still under the column that ends there
            {Day(2024, 4, 15), 2, 1, 0, 0},
            {Day(2024, 3, 31), 3, 0, 0, 0},
            {Day(1999, 1, 1), 3, 0, 0, 0},   // before every end date: the last slice
        };
        for (const auto &c : cases) {
            QCOMPARE(ShareSliceOfDate(t, c.date), c.slice);
            QCOMPARE(t.ColumnAt(1, c.date), c.cat1);
            QCOMPARE(t.ColumnAt(2, c.date), c.cat2);
            QCOMPARE(t.ColumnAt(3, c.date), c.cat3);
            QCOMPARE(t.ColumnAt(0, c.date), 0);
        }
    }

    // A file saved while the per-mille window was open may hold the columns
    // out of end-date order; the column in force at a date must not change.
    void columnsOutOfOrderFindTheColumnInForce()
    {
        PeriodBuilding inOrder(1);
        auto &ordered = inOrder.data.ShareColumns[1];
        ordered.insert(ordered.begin(),
                       {ShareColumn::zeros(1, Day(2024, 1, 31)), ShareColumn::zeros(1, Day(2024, 2, 29))});
        // Stored as: open, 29 February, 31 January.
        PeriodBuilding shuffled(1);
        auto &columns = shuffled.data.ShareColumns[1];
        columns = {ordered[2], ordered[1], ordered[0]};

        const ShareTimeline t = BuildShareTimeline(shuffled.data);
        const struct { double date; int column; } cases[] = {
            {Day(2024, 3, 1), 0}, {Day(2024, 2, 29), 1}, {Day(2024, 2, 1), 1},
            {Day(2024, 1, 31), 2}, {Day(2023, 1, 1), 2},
        };
        for (const auto &c : cases)
            QCOMPARE(t.ColumnAt(1, c.date), c.column);
        QCOMPARE(ColumnsByEndDate(columns), (std::vector<int>{2, 1, 0}));
        QCOMPARE(ColumnsByEndDate(ordered), (std::vector<int>{0, 1, 2}));
    }

    // The cursor finds the slice the search finds, whatever the order of the
    // dates: on, before and after every boundary, and a date that is no number.
    void cursorFindsTheSliceOfEveryDate()
    {
        const ShareTimeline t = BuildShareTimeline(ThreeBoundaries().data);
        std::vector<double> dates{std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::infinity()};
        for (const TimelineSlice &slice : t.Slices) {
            for (double offset : {-1.0, -0.5, 0.0, 0.5, 1.0})
                dates.push_back(slice.Boundary + offset);
        }
        std::mt19937 random(3);
        for (int round = 0; round < 20; ++round) {
            std::shuffle(dates.begin(), dates.end(), random);
            SliceCursor cursor(t);
            for (double date : dates) {
                QCOMPARE(cursor.sliceOf(date), ShareSliceOfDate(t, date));
                QCOMPARE(cursor.columnAt(1, date), t.ColumnAt(1, date));
            }
        }
        const ShareTimeline open = BuildShareTimeline(PeriodBuilding(1).data);
        SliceCursor onlyOpen(open);
        QCOMPARE(onlyOpen.sliceOf(Day(2024, 1, 1)), 0);
        QCOMPARE(onlyOpen.columnAt(9, Day(2024, 1, 1)), -1);
    }

    void administratorAtADate()
    {
        PeriodBuilding b(1);
        const int maria = b.person(QStringLiteral("Μαρία Παππά"), true);
        const int nikos = b.person(QStringLiteral("Νίκος Ζήσης"));
        b.data.Persons[std::size_t(maria)].Mobile.set(QStringLiteral("6944000000"));
        b.data.Persons[std::size_t(nikos)].Phone.set(QStringLiteral(" 2101234567 "));
        b.data.Persons[std::size_t(nikos)].Email.set(QStringLiteral("n@example.org"));
        b.data.Administrators = {
            {qint16(nikos), Day(2024, 1, 1), Day(2024, 6, 30)},
            {qint16(maria), Day(2024, 3, 1), NotSetDate}, // overlaps: the earlier period wins
        };

        AdministratorLines a = FindAdministrator(b.data, Day(2024, 6, 30)); // the last day is covered
        QCOMPARE(a.AdministratorIndex, nikos);
        QCOMPARE(a.AdministratorCaption, QStringLiteral("ΔΙΑΧΕΙΡΙΣΤΗΣ: Νίκος Ζήσης"));
        QCOMPARE(a.AdministratorContact, QStringLiteral("Τηλ: 2101234567"));

        a = FindAdministrator(b.data, Day(2024, 7, 1));
        QCOMPARE(a.AdministratorIndex, maria);
        QCOMPARE(a.AdministratorCaption, QStringLiteral("ΔΙΑΧΕΙΡΙΣΤΡΙΑ: Μαρία Παππά"));
        QCOMPARE(a.AdministratorContact, QStringLiteral("Κινητό: 6944000000"));

        a = FindAdministrator(b.data, Day(2023, 12, 31)); // in no period
        QCOMPARE(a.AdministratorIndex, -1);
        QCOMPARE(a.AdministratorCaption, QStringLiteral("ΔΙΑΧΕΙΡΙΣΤΗΣ:"));
        QCOMPARE(a.AdministratorContact, QString());

        b.data.Persons[std::size_t(nikos)].Phone.set(QString());
        b.data.Persons[std::size_t(nikos)].Email.set(QString());
        b.data.Administrators = {{qint16(nikos), NotSetDate, NotSetDate}}; // covers every date
        a = FindAdministrator(b.data, Day(1950, 1, 1));
        QCOMPARE(a.AdministratorIndex, nikos);
        QCOMPARE(a.AdministratorContact, QString());

        b.data.Administrators = {{qint16(7), NotSetDate, NotSetDate}}; // a person that does not exist
        QCOMPARE(FindAdministrator(b.data, Day(2024, 1, 1)).AdministratorIndex, -1);
    }

    void occupantNameAtADate()
    {
        PeriodBuilding b(2);
        const int a = b.person(QStringLiteral("Άννα"));
        const int k = b.person(QStringLiteral("Κώστας"));
        b.owner(0, a, NotSetDate, Day(2024, 2, 29));
        b.owner(1, k); // another flat's owner never answers for flat 0
        b.resident(0, k, Day(2024, 3, 1));

        QCOMPARE(OccupantNameAt(b.data, 0, Side::Owner, Day(2024, 2, 29)), QStringLiteral("Άννα"));
        QCOMPARE(OccupantNameAt(b.data, 0, Side::Owner, Day(2024, 3, 1)), QString());
        QCOMPARE(OccupantNameAt(b.data, 0, Side::Resident, Day(2024, 2, 29)), QString());
        QCOMPARE(OccupantNameAt(b.data, 0, Side::Resident, Day(2024, 3, 1)), QStringLiteral("Κώστας"));
        b.owner(0, k, Day(2024, 3, 1));
        QCOMPARE(OccupantNameAt(b.data, 0, Side::Owner, Day(2024, 3, 1)), QStringLiteral("Κώστας"));
    }

    // The names of all flats at once are each flat's own, also with periods
    // that overlap, lie outside the flats or name no person.
    void occupantNamesOfAllFlatsAtOnce()
    {
        std::mt19937 random(5);
        PeriodBuilding b(6);
        for (int p = 0; p < 4; ++p)
            b.person(QStringLiteral(" Πρόσωπο %1 ").arg(p));
        const double start = Day(2024, 1, 1);
        for (int i = 0; i < 60; ++i) {
            const int flat = int(random() % 8) - 1; // -1 and 6 lie outside the flats
            const int person = int(random() % 5);   // 4 names no person
            const double from = random() % 4 ? start + double(random() % 60) : NotSetDate;
            const double to = random() % 4 ? from + double(random() % 60) : NotSetDate;
            (random() % 2 ? b.data.Owners : b.data.Residents).push_back({qint16(person), qint16(flat), from, to});
        }
        for (int day = -5; day < 130; day += 3) {
            for (Side side : {Side::Owner, Side::Resident}) {
                const std::vector<QString> names = OccupantNamesAt(b.data, 6, side, start + day);
                QCOMPARE(names.size(), std::size_t(6));
                for (int f = 0; f < 6; ++f)
                    QCOMPARE(names[std::size_t(f)], OccupantNameAt(b.data, f, side, start + day));
            }
        }
    }
};

KV_TEST_APPLESS_MAIN(TestShareTimeline)

} // namespace test_sharetimeline
#include "test_sharetimeline.moc"
