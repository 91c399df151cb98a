#include "core/recordmaintenance.h"
#include "testprogram.h"

#include <QtTest>

#include <functional>

using namespace kelvarino;

namespace test_recordmaintenance {

namespace {

FlatRecord Flat(const QString &name)
{
    FlatRecord f;
    f.ShortName.set(name);
    return f;
}

PersonRecord Person(const QString &name)
{
    PersonRecord p;
    p.Name.set(name);
    return p;
}

ExpenseRecord Expense(int category, int flat, float amount)
{
    ExpenseRecord e;
    e.Category = qint16(category);
    e.AllFlats = flat < 0 ? True16 : False16;
    e.Flat = qint16(flat);
    e.Amount = amount;
    return e;
}

PaymentRecord Payment(int flat, float amount)
{
    PaymentRecord p;
    p.Flat = qint16(flat);
    p.OwnerAmount = amount;
    return p;
}

// A column whose entries tell their flat and category apart:
// per-mille 100c + 10k + j, reductions j + 0.25 and j + 0.5.
ShareColumn NumberedColumn(int category, int column, int flatCount, double endDate)
{
    ShareColumn col = ShareColumn::zeros(flatCount, endDate);
    for (int j = 0; j < flatCount; ++j) {
        col.PerMille[j] = float(100 * category + 10 * column + j);
        col.ResidentReduction[j] = float(j) + 0.25f;
        col.OwnerReduction[j] = float(j) + 0.5f;
    }
    col.Comment.set(QStringLiteral("στήλη %1/%2").arg(category).arg(column));
    return col;
}

// Flats A..E, persons P0..P4, every category with a closed and an open column.
AppState FiveFlats()
{
    AppState state;
    BuildingData &b = state.Building;
    for (const char *name : {"A", "B", "C", "D", "E"})
        b.Flats.push_back(Flat(QString::fromLatin1(name)));
    for (int p = 0; p < 5; ++p)
        b.Persons.push_back(Person(QStringLiteral("P%1").arg(p)));
    for (int c = 0; c < CategoryCount; ++c) {
        b.ShareColumns[c].push_back(NumberedColumn(c, 0, 5, 45000));
        b.ShareColumns[c].push_back(NumberedColumn(c, 1, 5, NotSetDate));
        b.Reserves[c] = float(c) * 10;
    }
    return state;
}

QList<int> Flats(const std::vector<OccupancyPeriod> &periods)
{
    QList<int> out;
    for (const auto &p : periods)
        out << p.Flat;
    return out;
}

template <typename Record>
QList<int> References(const std::vector<Record> &list, qint16 Record::*field)
{
    QList<int> out;
    for (const auto &r : list)
        out << r.*field;
    return out;
}

QList<float> PerMilleOf(const ShareColumn &column)
{
    return QList<float>(column.PerMille.begin(), column.PerMille.end());
}

} // namespace

class TestRecordMaintenance : public QObject
{
    Q_OBJECT
private slots:
    void deletingAFlatRemovesItsDependantsAndLowersLaterFlats()
    {
        AppState state = FiveFlats();
        BuildingData &b = state.Building;
        for (int flat : {1, 2, 2, 4})
            b.Owners.push_back({0, qint16(flat), NotSetDate, NotSetDate});
        for (int flat : {2, 3})
            b.Residents.push_back({1, qint16(flat), NotSetDate, NotSetDate});
        for (int flat : {0, 2, 4})
            b.Payments.push_back(Payment(flat, float(flat)));
        b.Expenses = {Expense(1, -1, 100), Expense(0, 2, 20), Expense(0, 3, 30), Expense(2, -1, 50)};

        DeleteFlat(state, 2);

        QVERIFY(state.DataChanged);
        QCOMPARE(b.FlatCount(), 4);
        QCOMPARE(b.Flats[2].ShortName.trimmed(), QStringLiteral("D"));
        QCOMPARE(Flats(b.Owners), (QList<int>{1, 3}));
        QCOMPARE(Flats(b.Residents), (QList<int>{2}));
        QCOMPARE(References(b.Payments, &PaymentRecord::Flat), (QList<int>{0, 3}));
        QCOMPARE(b.Payments[1].OwnerAmount, 4.0f);
        // Both common expenses stay; the charge of flat 2 goes, flat 3's is now flat 2's.
        QCOMPARE(b.ExpenseCount(), 3);
        QCOMPARE(References(b.Expenses, &ExpenseRecord::Flat), (QList<int>{-1, 2, -1}));
        QCOMPARE(b.Expenses[1].Amount, 30.0f);
        for (int c = 0; c < CategoryCount; ++c) {
            QCOMPARE(b.ShareColumnCount(c), 2);
            for (int k = 0; k < 2; ++k) {
                const ShareColumn &col = b.ShareColumns[c][k];
                const float base = float(100 * c + 10 * k);
                QCOMPARE(PerMilleOf(col), (QList<float>{base, base + 1, base + 3, base + 4}));
                QCOMPARE(col.ResidentReduction[2], 3.25f);
                QCOMPARE(col.OwnerReduction.size(), std::size_t(4));
            }
            QCOMPARE(b.ShareColumns[c][0].EndDate, 45000.0);
            QCOMPARE(b.ShareColumns[c][1].EndDate, NotSetDate);
        }
    }

    void deletingTheOnlyFlatLeavesTheNoFlatsState()
    {
        AppState state;
        BuildingData &b = state.Building;
        b.Flats.push_back(Flat(QStringLiteral("Α1")));
        b.Persons.push_back(Person(QStringLiteral("Π")));
        for (int c = 0; c < CategoryCount; ++c)
            b.ShareColumns[c].push_back(NumberedColumn(c, 0, 1, NotSetDate));
        b.Owners.push_back({0, 0, NotSetDate, NotSetDate});
        b.Residents.push_back({0, 0, NotSetDate, NotSetDate});
        b.Payments.push_back(Payment(0, 5));
        b.Expenses = {Expense(0, 0, 1), Expense(3, -1, 2), Expense(1, 0, 3)};

        DeleteFlat(state, 0);

        QVERIFY(state.DataChanged);
        QVERIFY(b.Flats.empty() && b.Owners.empty() && b.Residents.empty() && b.Payments.empty());
        for (int c = 0; c < CategoryCount; ++c)
            QCOMPARE(b.ShareColumnCount(c), 0);
        QCOMPARE(b.ExpenseCount(), 1);
        QCOMPARE(b.Expenses[0].Amount, 2.0f);
        QCOMPARE(b.PersonCount(), 1);
    }

    void deletingAPersonRemovesTheirPeriodsAndLowersLaterPersons()
    {
        AppState state = FiveFlats();
        BuildingData &b = state.Building;
        b.Administrators = {{1, NotSetDate, 44000}, {3, 44001, NotSetDate}, {1, 45000, NotSetDate}};
        b.Owners = {{0, 0, NotSetDate, NotSetDate}, {1, 1, NotSetDate, NotSetDate}, {4, 2, NotSetDate, NotSetDate}};
        b.Residents = {{1, 3, NotSetDate, NotSetDate}, {1, 4, NotSetDate, NotSetDate}, {2, 4, NotSetDate, NotSetDate}};
        b.Payments.push_back(Payment(1, 1));

        DeletePerson(state, 1);

        QVERIFY(state.DataChanged);
        QCOMPARE(b.PersonCount(), 4);
        QCOMPARE(b.Persons[1].Name.trimmed(), QStringLiteral("P2"));
        QCOMPARE(References(b.Administrators, &AdministratorPeriod::Person), (QList<int>{2}));
        QCOMPARE(b.Administrators[0].FromDate, 44001.0);
        QCOMPARE(References(b.Owners, &OccupancyPeriod::Person), (QList<int>{0, 3}));
        QCOMPARE(Flats(b.Owners), (QList<int>{0, 2}));
        QCOMPARE(References(b.Residents, &OccupancyPeriod::Person), (QList<int>{1}));
        QCOMPARE(b.PaymentCount(), 1);
    }

    void deletingTheOnlyPersonEmptiesThePeriodLists()
    {
        AppState state;
        BuildingData &b = state.Building;
        b.Persons.push_back(Person(QStringLiteral("Π")));
        b.Administrators = {{0, NotSetDate, NotSetDate}};
        b.Owners = {{0, 0, NotSetDate, NotSetDate}};
        b.Residents = {{0, 0, NotSetDate, NotSetDate}};
        DeletePerson(state, 0);
        QVERIFY(state.DataChanged);
        QVERIFY(b.Persons.empty() && b.Administrators.empty() && b.Owners.empty() && b.Residents.empty());
    }

    void deletingExpensesPaymentsAndProfessionals()
    {
        AppState state;
        BuildingData &b = state.Building;
        b.Expenses = {Expense(0, -1, 1), Expense(0, -1, 2)};
        b.Payments = {Payment(0, 1), Payment(0, 2)};
        b.Professionals.resize(2);
        b.Professionals[1].Name.set(QStringLiteral("Υδραυλικός"));

        DeleteExpense(state, 0);
        DeletePayment(state, 1);
        DeleteProfessional(state, 0);
        QVERIFY(state.DataChanged);
        QCOMPARE(b.Expenses[0].Amount, 2.0f);
        QCOMPARE(b.Payments[0].OwnerAmount, 1.0f);
        QCOMPARE(b.Professionals[0].Name.trimmed(), QStringLiteral("Υδραυλικός"));

        DeleteExpense(state, 0);
        QCOMPARE(b.ExpenseCount(), 0);
        state.DataChanged = false;
        DeleteExpense(state, 0); // from the empty list
        QVERIFY(!state.DataChanged);
    }

    // Every operation given an index outside its list, or a move onto its own
    // place, changes nothing and leaves the work unchanged.
    void badIndexesChangeNothing_data()
    {
        QTest::addColumn<std::function<void(AppState &)>>("operation");
        using Op = std::function<void(AppState &)>;
        QTest::newRow("expense past the end") << Op([](AppState &s) { DeleteExpense(s, 1); });
        QTest::newRow("negative payment") << Op([](AppState &s) { DeletePayment(s, -1); });
        QTest::newRow("professional past the end") << Op([](AppState &s) { DeleteProfessional(s, 0); });
        QTest::newRow("person past the end") << Op([](AppState &s) { DeletePerson(s, 5); });
        QTest::newRow("negative flat") << Op([](AppState &s) { DeleteFlat(s, -1); });
        QTest::newRow("flat past the end") << Op([](AppState &s) { DeleteFlat(s, 5); });
        QTest::newRow("flat onto itself") << Op([](AppState &s) { MoveFlat(s, 3, 3); });
        QTest::newRow("flat to outside") << Op([](AppState &s) { MoveFlat(s, 0, 5); });
        QTest::newRow("flat from outside") << Op([](AppState &s) { MoveFlat(s, -1, 2); });
        QTest::newRow("person to outside") << Op([](AppState &s) { MovePerson(s, 4, 32767); });
        QTest::newRow("professional of an empty list") << Op([](AppState &s) { MoveProfessional(s, 0, 1); });
        QTest::newRow("category 0 moves not") << Op([](AppState &s) { MoveCategory(s, 0, 3); });
        QTest::newRow("category to 0 moves not") << Op([](AppState &s) { MoveCategory(s, 3, 0); });
        QTest::newRow("category past 5") << Op([](AppState &s) { MoveCategory(s, 2, 6); });
        QTest::newRow("category onto itself") << Op([](AppState &s) { MoveCategory(s, 4, 4); });
    }
    void badIndexesChangeNothing()
    {
        QFETCH(std::function<void(AppState &)>, operation);
        AppState state = FiveFlats();
        state.Building.Expenses = {Expense(2, -1, 7)};
        state.Building.Payments = {Payment(1, 3)};
        const BuildingData before = state.Building;
        operation(state);
        QVERIFY(state.Building == before);
        QVERIFY(!state.DataChanged);
    }

    void movingFlatZeroToTheEndCarriesItsPerMille()
    {
        AppState state = FiveFlats();
        BuildingData &b = state.Building;
        b.Owners = {{0, 0, NotSetDate, NotSetDate}, {1, 3, NotSetDate, NotSetDate}};
        b.Residents = {{2, 4, NotSetDate, NotSetDate}};
        b.Payments = {Payment(0, 1), Payment(2, 2)};
        b.Expenses = {Expense(1, -1, 9), Expense(0, 0, 1), Expense(0, 1, 1)};

        MoveFlat(state, 0, 4);

        QVERIFY(state.DataChanged);
        QStringList names;
        for (const auto &f : b.Flats)
            names << f.ShortName.trimmed();
        QCOMPARE(names, (QStringList{"B", "C", "D", "E", "A"}));
        QCOMPARE(Flats(b.Owners), (QList<int>{4, 2}));
        QCOMPARE(Flats(b.Residents), (QList<int>{3}));
        QCOMPARE(References(b.Payments, &PaymentRecord::Flat), (QList<int>{4, 1}));
        QCOMPARE(References(b.Expenses, &ExpenseRecord::Flat), (QList<int>{-1, 4, 0}));
        for (int c = 0; c < CategoryCount; ++c) {
            for (int k = 0; k < 2; ++k) {
                const ShareColumn &col = b.ShareColumns[c][k];
                const float base = float(100 * c + 10 * k);
                QCOMPARE(PerMilleOf(col), (QList<float>{base + 1, base + 2, base + 3, base + 4, base}));
                QCOMPARE(col.ResidentReduction[4], 0.25f);
                QCOMPARE(col.OwnerReduction[4], 0.5f);
            }
        }
    }

    // The rotation and its renumbering, checked on the persons: the order of
    // the names after the move, and where the references 0..5 point.
    void movingAPersonRotatesAndRenumbers_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QList<int>>("references");
        QTest::newRow("forward") << 1 << 4 << "ACDEBF" << QList<int>{0, 4, 1, 2, 3, 5};
        QTest::newRow("backward") << 4 << 1 << "AEBCDF" << QList<int>{0, 2, 3, 4, 1, 5};
        QTest::newRow("neighbours") << 2 << 3 << "ABDCEF" << QList<int>{0, 1, 3, 2, 4, 5};
        QTest::newRow("whole list") << 5 << 0 << "FABCDE" << QList<int>{1, 2, 3, 4, 5, 0};
    }
    void movingAPersonRotatesAndRenumbers()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, order);
        QFETCH(QList<int>, references);
        AppState state;
        BuildingData &b = state.Building;
        for (int p = 0; p < 6; ++p) {
            b.Persons.push_back(Person(QString(QChar(u'A' + p))));
            b.Owners.push_back({qint16(p), 0, NotSetDate, NotSetDate});
            b.Residents.push_back({qint16(p), 0, NotSetDate, NotSetDate});
            b.Administrators.push_back({qint16(p), NotSetDate, NotSetDate});
        }
        MovePerson(state, from, to);
        QVERIFY(state.DataChanged);
        QString names;
        for (const auto &p : b.Persons)
            names += p.Name.trimmed();
        QCOMPARE(names, order);
        QCOMPARE(References(b.Owners, &OccupancyPeriod::Person), references);
        QCOMPARE(References(b.Residents, &OccupancyPeriod::Person), references);
        QCOMPARE(References(b.Administrators, &AdministratorPeriod::Person), references);
    }

    void movingAProfessional()
    {
        AppState state;
        for (const char *name : {"Α", "Β", "Γ"})
            state.Building.Professionals.emplace_back().Name.set(QString::fromUtf8(name));
        MoveProfessional(state, 2, 0);
        QVERIFY(state.DataChanged);
        QCOMPARE(state.Building.Professionals[0].Name.trimmed(), QStringLiteral("Γ"));
        QCOMPARE(state.Building.Professionals[2].Name.trimmed(), QStringLiteral("Β"));
    }

    void movingCategoryTwoToFiveCarriesLabelReserveAndColumns()
    {
        AppState state = FiveFlats();
        BuildingData &b = state.Building;
        for (int c = 0; c < CategoryCount; ++c)
            b.Expenses.push_back(Expense(c, -1, float(c)));
        const BuildingData before = b;

        MoveCategory(state, 2, 5);

        QVERIFY(state.DataChanged);
        QCOMPARE(References(b.Expenses, &ExpenseRecord::Category), (QList<int>{0, 1, 5, 2, 3, 4}));
        const int oldOf[CategoryCount] = {0, 1, 3, 4, 5, 2}; // the category now at each place
        for (int c = 0; c < CategoryCount; ++c) {
            QCOMPARE(b.CategoryLabels[c], before.CategoryLabels[oldOf[c]]);
            QCOMPARE(b.Reserves[c], before.Reserves[oldOf[c]]);
            QVERIFY(b.ShareColumns[c] == before.ShareColumns[oldOf[c]]);
        }
        QCOMPARE(b.CategoryLabel(5), QStringLiteral("ΘΕΡΜΑΝΣΗ"));
        QCOMPARE(b.CategoryLabel(0), QStringLiteral("ΙΣΟΠΟΣΑ"));
    }

    void movingACategoryWithoutFlatsMovesNoColumns()
    {
        AppState state;
        BuildingData &b = state.Building;
        b.Reserves = {0, 1, 2, 3, 4, 5};
        b.Expenses = {Expense(4, -1, 1), Expense(1, -1, 1)};
        MoveCategory(state, 4, 1);
        QVERIFY(state.DataChanged);
        QCOMPARE(b.CategoryLabel(1), QStringLiteral("ΣΥΝΤΗΡΗΣΗ ΚΤΙΡΙΟΥ"));
        QCOMPARE(b.CategoryLabel(2), QStringLiteral("ΚΟΙΝΗ ΧΡΗΣΗ"));
        QCOMPARE(b.Reserves, (std::array<float, 6>{0, 4, 1, 2, 3, 5}));
        QCOMPARE(References(b.Expenses, &ExpenseRecord::Category), (QList<int>{1, 2}));
        for (int c = 0; c < CategoryCount; ++c)
            QCOMPARE(b.ShareColumnCount(c), 0);
    }

    void listsAreCappedAt32767Records()
    {
        QVERIFY(CanAddRecord(0));
        QVERIFY(CanAddRecord(32766));
        QVERIFY(!CanAddRecord(32767));
    }
};

KV_TEST_APPLESS_MAIN(TestRecordMaintenance)

} // namespace test_recordmaintenance
#include "test_recordmaintenance.moc"
