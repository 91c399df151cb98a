#include "core/datafile.h"
#include "core/workstate.h"
#include "support_buildings.h"
#include "testprogram.h"

#include <QtEndian>
#include <QtTest>

#include <functional>

using namespace kelvarino;

namespace test_damagedfiles {

using namespace kelvarino::testing;

namespace {

enum class Verdict { Foreign, Damaged, Accepted };

QByteArray richFile()
{
    return WriteDataFile(RichBuilding(), FixedText<8>(), QStringLiteral("Arial Greek"));
}

QByteArray with16(QByteArray bytes, int offset, qint16 value)
{
    qToLittleEndian(value, bytes.data() + offset);
    return bytes;
}

// Offsets in the rich building's file.
const std::vector<int> &counts()
{
    static const std::vector<int> offsets = CountOffsets(RichBuilding());
    return offsets;
}
enum CountIndex { Flats, Persons, Professionals, Administrators, Owners, Residents, Expenses, Payments,
                  Column0, Column5 = Column0 + 5, Issues };
int record(CountIndex list, int index, int recordBytes)
{
    return counts()[list] + 2 + index * recordBytes;
}
int owner(int index) { return record(Owners, index, FileSizes::Occupancy); }
int expense(int index) { return record(Expenses, index, FileSizes::Expense); }
constexpr int ExpenseCategory = 8;
constexpr int ExpenseFlat = 112;

} // namespace

class TestDamagedFiles : public QObject
{
    Q_OBJECT
private slots:
    void refusedAsAWhole_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Verdict>("verdict");
        const QByteArray good = richFile();
        const auto row = [](const char *name, const QByteArray &bytes, Verdict verdict) {
            QTest::newRow(name) << bytes << verdict;
        };

        row("intact", good, Verdict::Accepted);
        row("empty file", QByteArray(), Verdict::Foreign);
        row("magic in lower case", QByteArray(good).replace(0, 1, "q"), Verdict::Foreign);
        row("another version", QByteArray(good).replace(17, 1, "3"), Verdict::Foreign);
        row("text file", QByteArray("Quelbarinostrova_2"), Verdict::Foreign);

        for (int cut : {20, 26, 28, 400, 772, 800, counts()[Professionals] + 100, counts()[Expenses] + 50,
                        counts()[Column0] + 40, counts()[Issues] + 500, int(good.size()) - 201})
            row(qPrintable(QStringLiteral("cut at %1").arg(cut)), good.left(cut), Verdict::Damaged);
        row("font field cut short", good.chopped(120), Verdict::Accepted);

        const char *lists[] = {"flats", "persons", "professionals", "administrators", "owners", "residents",
                               "expenses", "payments"};
        for (int list = Flats; list <= Payments; ++list) {
            row(qPrintable(QStringLiteral("negative count of %1").arg(QLatin1String(lists[list]))),
                with16(good, counts()[list], -1), Verdict::Damaged);
            row(qPrintable(QStringLiteral("huge count of %1").arg(QLatin1String(lists[list]))),
                with16(good, counts()[list], 32767), Verdict::Damaged);
        }
        row("negative issue count", with16(good, counts()[Issues], -32768), Verdict::Damaged);
        row("huge issue count", with16(good, counts()[Issues], 32767), Verdict::Damaged);
        row("negative column count", with16(good, counts()[Column0 + 3], -2), Verdict::Damaged);
        row("huge column count", with16(good, counts()[Column0 + 1], 32767), Verdict::Damaged);
        row("category without columns", with16(good, counts()[Column5], 0), Verdict::Damaged);

        BuildingData noFlats;
        const QByteArray empty = WriteDataFile(noFlats, FixedText<8>(), QString());
        row("columns without flats", with16(empty, CountOffsets(noFlats)[Column0 + 2], 1), Verdict::Damaged);

        row("owner of a missing person", with16(good, owner(0), 3), Verdict::Damaged);
        row("owner of a negative person", with16(good, owner(1), -1), Verdict::Damaged);
        row("owner of a missing flat", with16(good, owner(2) + 2, 3), Verdict::Damaged);
        row("resident of flat -1", with16(good, record(Residents, 1, FileSizes::Occupancy) + 2, -1), Verdict::Damaged);
        row("administrator of a missing person",
            with16(good, record(Administrators, 1, FileSizes::Administrator), 99), Verdict::Damaged);
        row("payment of a missing flat", with16(good, record(Payments, 2, FileSizes::Payment) + 8, 3), Verdict::Damaged);
        row("expense category 6", with16(good, expense(0) + ExpenseCategory, 6), Verdict::Damaged);
        row("expense category -1", with16(good, expense(4) + ExpenseCategory, -1), Verdict::Damaged);
        row("individual charge without a flat", with16(good, expense(3) + ExpenseFlat, -1), Verdict::Damaged);
        row("common expense of a missing flat", with16(good, expense(0) + ExpenseFlat, 3), Verdict::Damaged);
        row("common expense naming a flat", with16(good, expense(0) + ExpenseFlat, 2), Verdict::Accepted);
    }

    void refusedAsAWhole()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Verdict, verdict);

        AppState state;
        state.Building = RichBuilding();
        state.Building.BuildingId.set(QStringLiteral("Η τρέχουσα εργασία"));
        state.Building.Persons.pop_back(); // differs from what the file holds
        state.Building.Owners.pop_back();
        state.Building.Administrators.pop_back();
        state.LoadedPrintSettings[3].Magnification = 1.5f;
        state.DataChanged = true;
        const BuildingData live = state.Building;
        const PrintSettingSlots loadedSettings = state.LoadedPrintSettings;

        DataFileReader reader(bytes);
        const int version = reader.CheckDataFileVersion();
        if (verdict == Verdict::Foreign) {
            QCOMPARE(version, -1);
            return;
        }
        QCOMPARE(version, 2);
        const bool read = ReadIntoStaging(state, reader, version);
        QCOMPARE(read, verdict == Verdict::Accepted);
        QCOMPARE(state.Building, live);
        QVERIFY(state.DataChanged);
        if (!read) {
            QVERIFY(state.Loaded.Flats.empty() && state.Loaded.Expenses.empty() && state.Loaded.Issues.empty());
            for (const auto &columns : state.Loaded.ShareColumns)
                QVERIFY(columns.empty());
            QCOMPARE(state.LoadedPrintSettings, loadedSettings);
        }
    }

    void passwordOfAFileCutInsideItIsBlank()
    {
        // The open sequence then asks for no password and reports the damage.
        const DataFileReader reader(richFile().left(24));
        QCOMPARE(reader.CheckDataFileVersion(), 2);
        QVERIFY(UnpackPassword(reader.PackedPassword()).isBlank());
    }

    void messagesReadAsTheUserSeesThem()
    {
        QCOMPARE(DataFileMessages::readTitle(), QStringLiteral("Πρόβλημα με την ανάγνωση του αρχείου"));
        QCOMPARE(DataFileMessages::foreignFile(QStringLiteral("/home/user/a.s43")),
                 QStringLiteral("Το αρχείο /home/user/a.s43 δεν είναι αρχείο του προγράμματος."));
        QCOMPARE(DataFileMessages::damaged(), QStringLiteral("Τα αποθηκευμένα δεδομένα μπορεί να είναι κατεστραμμένα."));
        QCOMPARE(DataFileMessages::damagedFile(QStringLiteral("/home/user/a.s43")),
                 QStringLiteral("Τα αποθηκευμένα δεδομένα μπορεί να είναι κατεστραμμένα.\n\nΑρχείο: /home/user/a.s43"));
        QCOMPARE(DataFileMessages::unreadableFile(QStringLiteral("/home/user/a.s43"), DataFileProblem::NoPermission),
                 QStringLiteral("Το αρχείο δεδομένων:\n\n/home/user/a.s43\n\nδεν μπορεί να διαβαστεί, διότι δεν "
                                "έχετε δικαίωμα να το διαβάσετε."));
    }
};

KV_TEST_APPLESS_MAIN(TestDamagedFiles)

} // namespace test_damagedfiles
#include "test_damagedfiles.moc"
