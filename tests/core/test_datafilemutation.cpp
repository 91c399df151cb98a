#include "core/codepage1253.h"
#include "core/datafile.h"
#include "core/workstate.h"
#include "support_buildings.h"

#include <QtEndian>
#include <QtTest>

#include <random>

using namespace kelvarino;
using namespace kelvarino::testing;

namespace {

constexpr int Cases = 4000;

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
        int accepted = 0;
        int refused = 0;

        for (int k = 0; k < Cases; ++k) {
            const QByteArray bytes = mutator.next();
            AppState state;
            state.Building = rich;
            DataFileReader reader(bytes);
            const int version = reader.CheckDataFileVersion();
            if (version < 0)
                continue;
            if (!ReadIntoStaging(state, reader, version)) {
                ++refused;
                QCOMPARE(state.Building, rich);
                QVERIFY(state.Loaded.Flats.empty() && state.Loaded.Payments.empty());
                continue;
            }
            ++accepted;
            CommitLoaded(state);
            const BuildingData &loaded = state.Building;

            // Whatever opens saves again: byte for byte as read, as far as both go
            // (a short font field comes back padded).
            const FixedText<8> password = UnpackPassword(reader.PackedPassword());
            const QString font = Cp1253::decode(reader.storedFontField());
            const QByteArray saved = WriteDataFile(loaded, password, font);
            QVERIFY2(!saved.isEmpty(), qPrintable(QStringLiteral("case %1").arg(k)));
            const qsizetype common = std::min(saved.size(), bytes.size());
            QVERIFY2(saved.left(common) == bytes.left(common), qPrintable(QStringLiteral("case %1").arg(k)));

            // ... and that file opens and saves to the same bytes (compared as
            // bytes: a flipped bit may have made a number NaN, unequal to itself).
            AppState again;
            DataFileReader rereader(saved);
            QVERIFY(ReadIntoStaging(again, rereader, 2));
            CommitLoaded(again);
            QCOMPARE(WriteDataFile(again.Building, password, font), saved);
        }
        // Both outcomes must be well represented for the run to mean something.
        QVERIFY2(accepted > Cases / 20, qPrintable(QString::number(accepted)));
        QVERIFY2(refused > Cases / 4, qPrintable(QString::number(refused)));
        qInfo("%d files opened, %d refused", accepted, refused);
    }
};

QTEST_APPLESS_MAIN(TestDataFileMutation)
#include "test_datafilemutation.moc"
