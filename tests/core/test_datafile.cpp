#include "core/codepage1253.h"
#include "core/datafile.h"
#include "core/workstate.h"
#include "support_buildings.h"
#include "testprogram.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace kelvarino;

namespace test_datafile {

using namespace kelvarino::testing;

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray floatBytes(float value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// Opens the bytes as the program does: check, read into the staging copy,
// commit. Fails the test when the file is refused.
bool openInto(AppState &state, const QByteArray &bytes, int expectedVersion = 2)
{
    DataFileReader reader(bytes);
    const int version = reader.CheckDataFileVersion();
    if (version != expectedVersion)
        return false;
    if (!ReadIntoStaging(state, reader, version))
        return false;
    CommitLoaded(state);
    return true;
}

QByteArray fileOf(const BuildingData &work, const QString &font = QString())
{
    return WriteDataFile(work, FixedText<8>(), font);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestDataFile : public QObject
{
    Q_OBJECT
private slots:
    void emptyWorkIs2602Bytes()
    {
        AppState state;
        ResetToNewWork(state);
        const QByteArray bytes = fileOf(state.Building);
        QCOMPARE(bytes.size(), 2602);
        QCOMPARE(bytes.left(20), QByteArray("Quelbarinostrova_2.0"));
        QCOMPARE(bytes.right(200), QByteArray(200, ' '));
    }

    void newWorkWithOneFlatHasTheFileLayout()
    {
        AppState state;
        ResetToNewWork(state);
        FlatRecord flat;
        flat.ShortName.set(QStringLiteral("A1"));
        flat.Description.set(QStringLiteral("54 τμ"));
        flat.ResidentInitialDebt = 5;
        flat.OwnerInitialDebt = 10;
        state.Building.Flats.push_back(flat);
        for (auto &columns : state.Building.ShareColumns)
            columns.push_back(ShareColumn::zeros(1));

        const QByteArray bytes = fileOf(state.Building);
        QCOMPARE(bytes.size(), 3065);
        QCOMPARE(bytes.left(20), QByteArray("Quelbarinostrova_2.0"));
        QCOMPARE(bytes.mid(20, 8), hex("A09F9F9FA09F9F9F")); // the blank password
        QCOMPARE(bytes.mid(28, 30), Cp1253::encode(DefaultCategoryLabel(1)).leftJustified(30, ' '));
        QCOMPARE(bytes.mid(772, 2), hex("0100"));
        const QByteArray flatBytes = QByteArray("A1   ") + Cp1253::encode(QStringLiteral("54 τμ")).leftJustified(30, ' ')
            + floatBytes(5) + floatBytes(10); // the resident's debt first
        QCOMPARE(bytes.mid(774, 43), flatBytes);
        // Seven empty lists, then the six column counts, then the first column.
        const int counts = 774 + 43 + 7 * 2;
        QCOMPARE(bytes.mid(counts, 12), hex("010001000100010001000100"));
        QCOMPARE(bytes.mid(counts + 12, 8), hex("00000000301014C1")); // the open column's end date: not set
        QCOMPARE(bytes.mid(counts + 12 + 8, 12), QByteArray(12, '\0'));
        QCOMPARE(bytes.mid(counts + 12 + 20, 50), QByteArray(50, ' '));
    }

    void passwordsPackAsStored()
    {
        FixedText<8> abc(QStringLiteral("abc"));
        QCOMPARE(WriteDataFile(BuildingData(), abc, QString()).mid(20, 8), hex("E1E1E29FA09F9F9F"));
        const PackedPasswordPair blank = PackPassword(FixedText<8>());
        QCOMPARE(blank[0], -1616928864);
        QCOMPARE(blank[1], -1616928864);
        QVERIFY(UnpackPassword(blank).isBlank());

        const FixedText<8> greek(QStringLiteral("Αθήνα€ώ"));
        QCOMPARE(UnpackPassword(PackPassword(greek)), greek);
    }

    void passwordPackingIsExactForEveryCode()
    {
        // Codes 0 and 255 at the top byte are the extremes; 64-bit packing keeps
        // them from overflowing, and unpacking gives back every byte.
        for (const QByteArray &codes : {QByteArray(8, '\0'), QByteArray(8, '\xFF'), hex("00FF7F80017E81FE")}) {
            FixedText<8> password;
            password.setBytes(codes);
            QCOMPARE(UnpackPassword(PackPassword(password)).toByteArray(), codes);
        }
        // And any pair of stored numbers survives unpacking and packing again.
        QRandomGenerator random(7);
        for (int k = 0; k < 2000; ++k) {
            const PackedPasswordPair packed{qint32(random.generate()), qint32(random.generate())};
            QCOMPARE(PackPassword(UnpackPassword(packed)), packed);
        }
        for (qint32 extreme : {qint32(INT_MIN), qint32(INT_MAX), 0, -1}) {
            const PackedPasswordPair packed{extreme, extreme};
            QCOMPARE(PackPassword(UnpackPassword(packed)), packed);
        }
    }

    void richWorkRoundTripsByteForByte()
    {
        const BuildingData rich = RichBuilding();
        const QString font = QStringLiteral("Arial Greek");
        FixedText<8> password(QStringLiteral("κλειδί"));
        const QByteArray first = WriteDataFile(rich, password, font);
        QVERIFY(!first.isEmpty());

        AppState state;
        DataFileReader reader(first);
        QCOMPARE(reader.CheckDataFileVersion(), 2);
        QCOMPARE(UnpackPassword(reader.PackedPassword()), password);
        QVERIFY(ReadIntoStaging(state, reader, 2));
        CommitLoaded(state);
        QCOMPARE(state.Building, rich);
        QCOMPARE(state.Building.CategoryLabel(0), QStringLiteral("ΙΣΟΠΟΣΑ"));
        QCOMPARE(state.LoadedPrintSettings, rich.PrintSettings);
        QCOMPARE(reader.storedFontField(), Cp1253::encode(font).leftJustified(200, ' '));
        QCOMPARE(WriteDataFile(state.Building, password, font), first);
    }

    void readFieldsLandInTheirPlaces()
    {
        // Fields whose file order differs from memory order come back where they belong.
        const BuildingData rich = RichBuilding();
        AppState state;
        QVERIFY(openInto(state, fileOf(rich)));
        QCOMPARE(state.Building.Flats[2].OwnerInitialDebt, 30.0f);
        QCOMPARE(state.Building.Flats[2].ResidentInitialDebt, 5.0f);
        QCOMPARE(state.Building.Issues[0].IssueDate, rich.Issues[0].IssueDate);
        QCOMPARE(state.Building.Issues[0].PeriodFrom, rich.Issues[0].PeriodFrom);
        QCOMPARE(state.Building.Expenses[3].NotPaidYet, True16);
        QCOMPARE(state.Building.PrintSettings[5].Widths[3], 45.5f);
        QCOMPARE(state.Building.ShareColumns[2][2].OwnerReduction[2], 12.5f);
    }

    void workWithoutFlatsHasNoColumnBlock()
    {
        BuildingData work = RichBuilding();
        work.Flats.clear();
        work.Owners.clear();
        work.Residents.clear();
        work.Payments.clear();
        for (auto &columns : work.ShareColumns)
            columns.clear();
        work.Expenses.erase(std::remove_if(work.Expenses.begin(), work.Expenses.end(),
                                           [](const ExpenseRecord &e) { return e.Flat != -1; }),
                            work.Expenses.end());
        const QByteArray bytes = fileOf(work);
        QCOMPARE(bytes.size(), 2602 + 3 * 202 + 2 * 1824 + 2 * 18 + 2 * 122 + 2 * 1048);
        AppState state;
        QVERIFY(openInto(state, bytes));
        QCOMPARE(state.Building, work);
    }

    void formatOneFileOpensWithEveryExpensePaid()
    {
        BuildingData work = RichBuilding();
        work.Professionals.clear();
        const QByteArray v1 = FormatOneFile(work, fileOf(work));
        AppState state;
        state.Building = RichBuilding(); // a live work with professionals
        QVERIFY(openInto(state, v1, 1));
        QVERIFY(state.Building.Professionals.empty());
        for (ExpenseRecord &e : work.Expenses)
            e.NotPaidYet = False16;
        QCOMPARE(state.Building, work);
        const QByteArray v2 = fileOf(state.Building);
        QCOMPARE(v2.size(), v1.size() + 2 + 2 * work.ExpenseCount());
        QCOMPARE(v2, fileOf(work));
    }

    void fontTrailerMayBeShortAndTheTailIsIgnored()
    {
        const BuildingData rich = RichBuilding();
        const QByteArray bytes = fileOf(rich, QStringLiteral("DejaVu Sans"));
        for (const QByteArray &variant : {bytes.chopped(150), bytes.chopped(200), bytes + "trailing bytes"}) {
            AppState state;
            DataFileReader reader(variant);
            QVERIFY(ReadIntoStaging(state, reader, 2));
            QCOMPARE(state.Loaded, rich);
            QCOMPARE(reader.storedFontField(), bytes.right(200).left(std::min(200, int(variant.size()) - (int(bytes.size()) - 200))));
        }
    }

    void unstorableWorkIsNotWritten()
    {
        BuildingData tooMany = RichBuilding();
        tooMany.Payments.resize(MaxListCount + 1, tooMany.Payments.front());
        QVERIFY(WriteDataFile(tooMany, FixedText<8>(), QString()).isEmpty());

        BuildingData danglingOwner = RichBuilding();
        danglingOwner.Owners.back().Person = 3;
        QVERIFY(!IsStorableWork(danglingOwner));
        QVERIFY(WriteDataFile(danglingOwner, FixedText<8>(), QString()).isEmpty());

        BuildingData shortColumn = RichBuilding();
        shortColumn.ShareColumns[4][0].PerMille.pop_back();
        QVERIFY(WriteDataFile(shortColumn, FixedText<8>(), QString()).isEmpty());

        BuildingData categoryWithoutColumns = RichBuilding();
        categoryWithoutColumns.ShareColumns[5].clear();
        QVERIFY(WriteDataFile(categoryWithoutColumns, FixedText<8>(), QString()).isEmpty());

        QVERIFY(IsStorableWork(RichBuilding()));
    }

    void savingReplacesTheFileWhole()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("πολυκατοικία.s43"));
        const QByteArray first = fileOf(RichBuilding());
        QCOMPARE(SaveFileAtomically(path, first), SaveOutcome::Saved);
        QCOMPARE(readFile(path), first);

        const QByteArray second = fileOf(BuildingData());
        QCOMPARE(SaveFileAtomically(path, second), SaveOutcome::Saved);
        QCOMPARE(readFile(path), second); // shorter: nothing of the old file is left
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("πολυκατοικία.s43")});

        // Empty bytes (a work that cannot be stored) never replace a file.
        QCOMPARE(SaveFileAtomically(path, QByteArray()), SaveOutcome::WriteFailed);
        QCOMPARE(readFile(path), second);
    }

    void savingWhereNoFileCanBeCreatedFails()
    {
        QTemporaryDir dir;
        const QString notAFolder = dir.filePath(QStringLiteral("plain-file"));
        QVERIFY(writeFile(notAFolder, "x"));
        QCOMPARE(SaveFileAtomically(notAFolder + QStringLiteral("/work.s43"), fileOf(BuildingData())),
                 SaveOutcome::OpenFailed);
        QCOMPARE(SaveFileAtomically(dir.filePath(QStringLiteral("missing/work.s43")), fileOf(BuildingData())),
                 SaveOutcome::OpenFailed);
    }

    void savingIntoReadOnlyFolderLeavesOldFile()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("readonly"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/work.s43");
        const QByteArray old = fileOf(RichBuilding());
        QVERIFY(writeFile(path, old));
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const auto restore = qScopeGuard([&] {
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        });
        if (writeFile(folder + QStringLiteral("/probe"), "x"))
            QSKIP("This account may write into read-only folders");
        QCOMPARE(SaveFileAtomically(path, fileOf(BuildingData())), SaveOutcome::OpenFailed);
        QCOMPARE(readFile(path), old);
    }

    void readOnlyFileIsNotReplaced()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("work.s43"));
        const QByteArray old = fileOf(RichBuilding());
        QVERIFY(writeFile(path, old));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        if (QFileInfo(path).isWritable())
            QSKIP("This account may write into read-only files");
        QCOMPARE(SaveFileAtomically(path, fileOf(BuildingData())), SaveOutcome::OpenFailed);
        QCOMPARE(readFile(path), old);
    }
};

KV_TEST_APPLESS_MAIN(TestDataFile)

} // namespace test_datafile
#include "test_datafile.moc"
