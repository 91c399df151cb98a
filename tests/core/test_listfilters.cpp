#include "core/listfilters.h"
#include "platform/localeservice.h"
#include "testprogram.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace kelvarino;

namespace test_listfilters {

namespace {

double Day(int d, int m, int y)
{
    return LocaleService::dayNumber(QDate(y, m, d));
}

ExpenseRecord Charge(int flat, double date, bool owner = true)
{
    ExpenseRecord e;
    e.Date = date;
    e.AllFlats = flat < 0 ? True16 : False16;
    e.Flat = qint16(flat);
    e.ChargedToOwner = owner ? True16 : False16;
    e.Amount = 10;
    return e;
}

PaymentRecord Payment(int flat, double date)
{
    PaymentRecord p;
    p.Flat = qint16(flat);
    p.Date = date;
    p.OwnerAmount = 1;
    return p;
}

OccupancyPeriod Period(int person, int flat, double from, double to = NotSetDate)
{
    return {qint16(person), qint16(flat), from, to};
}

// Two flats; person 0 owns flat 0 from 1/3/2024 on, person 1 lives in flat 0
// from 1/1/2024 to 30/6/2024; person 2 owns flat 1 throughout.
BuildingData Building()
{
    BuildingData b;
    b.Flats.resize(2);
    b.Persons.resize(3);
    b.Owners = {Period(0, 0, Day(1, 3, 2024)), Period(2, 1, NotSetDate)};
    b.Residents = {Period(1, 0, Day(1, 1, 2024), Day(30, 6, 2024))};
    return b;
}

// The exchange sort that the list order stands for.
std::vector<int> ExchangeSorted(const std::vector<double> &dates)
{
    std::vector<int> order(dates.size());
    std::iota(order.begin(), order.end(), 0);
    for (std::size_t j = 0; j + 1 < order.size(); ++j)
        for (std::size_t k = j + 1; k < order.size(); ++k)
            if (!(dates[std::size_t(order[j])] > dates[std::size_t(order[k])]))
                std::swap(order[j], order[k]);
    return order;
}

} // namespace

class TestListFilters : public QObject
{
    Q_OBJECT

private slots:
    void orderIsTheExchangeSorts()
    {
        BuildingData b = Building();
        const double d5 = Day(5, 1, 2024), d10 = Day(10, 1, 2024);
        b.Expenses = {Charge(-1, d5), Charge(-1, d10), Charge(-1, d5), Charge(-1, d10)};
        ExpenseFilterRecord filter;
        ResetFilter(filter, b);
        QCOMPARE(ListExpenses(b, filter).Indexes, (std::vector<int>{3, 1, 2, 0}));

        QRandomGenerator random(43);
        for (int round = 0; round < 50; ++round) {
            std::vector<double> dates(std::size_t(random.bounded(1, 60)));
            for (double &d : dates)
                d = d5 + random.bounded(5); // many equal dates
            std::vector<std::pair<double, int>> entries;
            for (std::size_t i = 0; i < dates.size(); ++i)
                entries.emplace_back(dates[i], int(i));
            SortLatestFirst(entries);
            std::vector<int> sorted;
            for (const auto &e : entries)
                sorted.push_back(e.second);
            QCOMPARE(sorted, ExchangeSorted(dates));
        }
    }

    void totalsCountEveryListedRecord()
    {
        BuildingData b = Building();
        b.Expenses = {Charge(-1, Day(1, 1, 2024)), Charge(0, Day(2, 1, 2024))};
        b.Expenses[1].NotPaidYet = True16;
        b.Expenses[1].Amount = 2.5f;
        ExpenseFilterRecord ef;
        ResetFilter(ef, b);
        QCOMPARE(ListExpenses(b, ef).Total, 12.5f);
        b.Payments = {Payment(0, Day(1, 1, 2024)), Payment(1, Day(1, 1, 2024))};
        b.Payments[1].ResidentAmount = 4;
        PaymentFilterRecord pf;
        ResetFilter(pf, b);
        const ListedPayments listed = ListPayments(b, pf);
        QCOMPARE(listed.OwnerTotal, 2.0f);
        QCOMPARE(listed.ResidentTotal, 4.0f);
        QCOMPARE(listed.total(), 6.0f);
    }

    void expensePassRule_data()
    {
        QTest::addColumn<int>("flat");
        QTest::addColumn<double>("date");
        QTest::addColumn<bool>("owner");
        QTest::addColumn<bool>("passes");
        // Bounds 1/1/2024 to 31/12/2024; every person unchecked.
        QTest::newRow("common expense passes whatever the persons") << -1 << Day(5, 5, 2024) << true << true;
        QTest::newRow("on the from-date") << -1 << Day(1, 1, 2024) << true << true;
        QTest::newRow("on the to-date") << -1 << Day(31, 12, 2024) << true << true;
        QTest::newRow("after the to-date") << -1 << Day(1, 1, 2025) << true << false;
        QTest::newRow("owner charge before every owner period") << 0 << Day(1, 2, 2024) << true << true;
        QTest::newRow("owner charge on the start of an open period") << 0 << Day(1, 3, 2024) << true << false;
        QTest::newRow("resident charge after the resident's end") << 0 << Day(1, 7, 2024) << false << true;
        QTest::newRow("resident charge inside the resident's period") << 0 << Day(30, 6, 2024) << false << false;
        QTest::newRow("owner charge of a period open at both ends") << 1 << Day(1, 2, 2024) << true << false;
        QTest::newRow("resident charge of a flat without residents") << 1 << Day(1, 2, 2024) << false << true;
    }

    void expensePassRule()
    {
        QFETCH(int, flat);
        QFETCH(double, date);
        QFETCH(bool, owner);
        QFETCH(bool, passes);
        const BuildingData b = Building();
        ExpenseFilterRecord filter;
        ResetFilter(filter, b);
        filter.FromDate = Day(1, 1, 2024);
        filter.ToDate = Day(31, 12, 2024);
        filter.Persons.assign(3, false);
        QCOMPARE(ExpensePasses(filter, b, Charge(flat, date, owner)), passes);
    }

    void fromAfterToListsNothing()
    {
        BuildingData b = Building();
        b.Expenses = {Charge(-1, Day(5, 5, 2024))};
        b.Payments = {Payment(0, Day(5, 5, 2024))};
        ExpenseFilterRecord ef;
        ResetFilter(ef, b);
        ef.FromDate = Day(6, 5, 2024);
        ef.ToDate = Day(4, 5, 2024);
        QVERIFY(ListExpenses(b, ef).Indexes.empty());
        PaymentFilterRecord pf;
        ResetFilter(pf, b);
        pf.FromDate = ef.FromDate;
        pf.ToDate = ef.ToDate;
        QVERIFY(ListPayments(b, pf).Indexes.empty());
    }

    void paymentHiddenOnlyWhenOwnerAndResidentAreUnchecked_data()
    {
        QTest::addColumn<bool>("ownerChecked");
        QTest::addColumn<bool>("residentChecked");
        QTest::addColumn<double>("date");
        QTest::addColumn<bool>("passes");
        QTest::newRow("owner unchecked, resident checked") << false << true << Day(1, 4, 2024) << true;
        QTest::newRow("both unchecked") << false << false << Day(1, 4, 2024) << false;
        QTest::newRow("both unchecked, no resident at that date") << false << false << Day(1, 8, 2024) << true;
        QTest::newRow("both checked") << true << true << Day(1, 4, 2024) << true;
    }

    void paymentHiddenOnlyWhenOwnerAndResidentAreUnchecked()
    {
        QFETCH(bool, ownerChecked);
        QFETCH(bool, residentChecked);
        QFETCH(double, date);
        QFETCH(bool, passes);
        const BuildingData b = Building();
        PaymentFilterRecord filter;
        ResetFilter(filter, b);
        filter.Persons = {ownerChecked, residentChecked, true};
        QCOMPARE(PaymentPasses(filter, b, Payment(0, date)), passes);
    }

    void recordsCreatedAfterTheResetPass()
    {
        BuildingData b = Building();
        ExpenseFilterRecord ef;
        ResetFilter(ef, b);
        ef.Flats.assign(2, false);
        ef.Persons.assign(3, false);
        b.Flats.resize(3);
        b.Persons.resize(4);
        b.Owners.push_back(Period(3, 2, NotSetDate));
        QVERIFY(ExpensePasses(ef, b, Charge(2, Day(1, 1, 2024))));
        QVERIFY(!ExpensePasses(ef, b, Charge(1, Day(1, 1, 2024))));
    }

    void resetWithoutPersonsEmptiesTheirSwitches()
    {
        BuildingData b = Building();
        PaymentFilterRecord filter;
        filter.Persons.assign(5, false);
        filter.Status = 1;
        b.Persons.clear();
        ResetFilter(filter, b);
        QVERIFY(filter.Persons.empty());
        QCOMPARE(filter.Status, qint16(1));
        QCOMPARE(filter.Flats, std::vector<bool>(2, true));
    }

    void removeListedKeepsTheOthersInOrder()
    {
        std::vector<int> records{10, 11, 12, 13, 14, 15};
        RemoveListed(records, {4, 1, 5});
        QCOMPARE(records, (std::vector<int>{10, 12, 13}));
    }
};

KV_TEST_APPLESS_MAIN(TestListFilters)

} // namespace test_listfilters
#include "test_listfilters.moc"
