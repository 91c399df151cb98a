#include "core/codepage1253.h"
#include "core/datafile.h"
#include "core/workstate.h"
#include "support_buildings.h"
#include "testprogram.h"

#include <QtEndian>
#include <QtTest>

#include <random>

using namespace kelvarino;

namespace test_datafilemutation {

using namespace kelvarino::testing;

namespace {

// Damages a copy of the file in one to three ways: a flipped bit, a cut, a
// count or any other 16-bit number overwritten with a value that tends to
// break readers, or random bytes appended.
class Mutator
{
public:
    Mutator(const QByteArray &original, std::vector<int> countOffsets)
        : original_(original), counts_(std::move(countOffsets))
    {
    }

    QByteArray next()
    {
        QByteArray bytes = original_;
        const int steps = 1 + int(random_() % 3);
        for (int k = 0; k < steps && !bytes.isEmpty(); ++k) {
            switch (random_() % 5) {
            case 0:
                bytes[pick(bytes.size())] ^= char(1 << (random_() % 8));
                break;
            case 1:
                bytes.truncate(pick(bytes.size() + 1));
                break;
            case 2:
                write16(bytes, counts_[random_() % counts_.size()]);
                break;
            case 3:
                write16(bytes, pick(bytes.size()));
                break;
            default:
                for (int n = int(random_() % 300); n > 0; --n)
                    bytes.append(char(random_()));
            }
        }
        return bytes;
    }

private:
    int pick(qsizetype limit) { return int(random_() % quint64(limit)); }
    void write16(QByteArray &bytes, int offset)
    {
        static const qint16 values[] = {-32768, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7, 255, 1000, 32767};
        if (offset + 2 > bytes.size())
            return;
        qToLittleEndian(values[random_() % std::size(values)], bytes.data() + offset);
    }

    QByteArray original_;
    std::vector<int> counts_;
    std::mt19937_64 random_{20150401};
};

// Feeds damaged copies of the file to the reader. Refused files leave the live
// work untouched; opened files save again without loss: byte for byte as read
// when the file was already format 2.0 (up to the end of the shorter one, as a
// short font field comes back padded), and the saved file opens and saves to
// the same bytes again.
void runMutations(Mutator &mutator, int cases, int expectedVersion)
{
    const BuildingData live = RichBuilding();
    int accepted = 0;
    int refused = 0;
    for (int k = 0; k < cases; ++k) {
        const QByteArray bytes = mutator.next();
        const QByteArray where = QByteArray("case ") + QByteArray::number(k);
        AppState state;
        state.Building = live;
        DataFileReader reader(bytes);
        const int version = reader.CheckDataFileVersion();
        if (version < 0)
            continue;
        if (!ReadIntoStaging(state, reader, version)) {
            ++refused;
            QVERIFY2(state.Building == live, where);
            QVERIFY2(state.Loaded.Flats.empty() && state.Loaded.Payments.empty(), where);
            continue;
        }
        ++accepted;
        CommitLoaded(state);

        const FixedText<8> password = UnpackPassword(reader.PackedPassword());
        const QString font = Cp1253::decode(reader.storedFontField());
        const QByteArray saved = WriteDataFile(state.Building, password, font);
        QVERIFY2(!saved.isEmpty(), where);
        if (version == 2) {
            const qsizetype common = std::min(saved.size(), bytes.size());
            QVERIFY2(saved.left(common) == bytes.left(common), where);
        }
        // Compared as bytes: a flipped bit may have made a number NaN, unequal
        // to itself.
        AppState again;
        DataFileReader rereader(saved);
        QVERIFY2(ReadIntoStaging(again, rereader, 2), where);
        CommitLoaded(again);
        QVERIFY2(WriteDataFile(again.Building, password, font) == saved, where);
    }
    // Both outcomes must be well represented for the run to mean something.
    QVERIFY2(accepted > cases / 20, qPrintable(QString::number(accepted)));
    QVERIFY2(refused > cases / 4, qPrintable(QString::number(refused)));
    qInfo("format %d: %d files opened, %d refused", expectedVersion, accepted, refused);
}

} // namespace

class TestDataFileMutation : public QObject
{
    Q_OBJECT
private slots:
    void damagedFilesNeverHurt()
    {
        const BuildingData rich = RichBuilding();
        const QByteArray original = WriteDataFile(rich, FixedText<8>(QStringLiteral("πύλη")), QStringLiteral("Tahoma"));
        Mutator mutator(original, CountOffsets(rich));
        runMutations(mutator, 3000, 2);
    }

    void damagedExampleFilesNeverHurt()
    {
        const QDir examples(QString::fromUtf8(KV_SOURCE_DIR "/examples"));
        const QStringList files = examples.entryList({QStringLiteral("*.s43")}, QDir::Files, QDir::Name);
        if (files.isEmpty())
            QSKIP("No example building");
        QFile file(examples.filePath(files.first()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray original = file.readAll();
        DataFileReader reader(original);
        BuildingData example;
        QVERIFY(reader.CheckDataFileVersion() == 2 && reader.ReadDataFile(2, example));
        Mutator mutator(original, CountOffsets(example));
        runMutations(mutator, 1000, 2);
    }

    void damagedFormatOneFilesNeverHurt()
    {
        BuildingData work = RichBuilding();
        work.Professionals.clear();
        const QByteArray original = FormatOneFile(work, WriteDataFile(work, FixedText<8>(), QString()));
        // The counts stand where they do in format 2.0, less the professionals
        // count and the unpaid flags of the expenses before them.
        std::vector<int> counts;
        const std::vector<int> formatTwo = CountOffsets(work);
        for (std::size_t k = 0; k < formatTwo.size(); ++k) {
            if (k == 2)
                continue;
            counts.push_back(formatTwo[k] - (k > 2 ? 2 : 0) - (k > 6 ? 2 * work.ExpenseCount() : 0));
        }
        Mutator mutator(original, counts);
        runMutations(mutator, 1500, 1);
    }
};

KV_TEST_APPLESS_MAIN(TestDataFileMutation)

} // namespace test_datafilemutation
#include "test_datafilemutation.moc"
