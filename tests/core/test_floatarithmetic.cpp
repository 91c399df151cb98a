#include "core/floatarithmetic.h"
#include "testprogram.h"

#include <QtTest>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

using namespace kelvarino;

namespace test_floatarithmetic {

namespace {

float ByTheFormula(float value, float factor, float divisor)
{
    return Stored(double(value) * double(factor) / double(divisor));
}

// The index of the first value whose part differs from the formula's in any bit, or -1.
int FirstDifference(const std::vector<float> &values, float factor, float divisor)
{
    std::vector<float> parts(values.size());
    ProportionalParts(values.data(), values.size(), factor, divisor, parts.data());
    for (std::size_t j = 0; j < values.size(); ++j) {
        if (std::bit_cast<std::uint32_t>(parts[j]) != std::bit_cast<std::uint32_t>(ByTheFormula(values[j], factor, divisor)))
            return int(j);
    }
    return -1;
}

} // namespace

class TestFloatArithmetic : public QObject
{
    Q_OBJECT
private slots:
    // (2^23 + 1) x 3 = 25165827 lies exactly halfway between two floats: the
    // formula rounds it to the even one, 25165828.
    void halfwayValueRoundsToEven()
    {
        const std::vector<float> values{8388609.0f, 1.0f, 0.0f, -8388609.0f};
        std::vector<float> parts(values.size());
        ProportionalParts(values.data(), values.size(), 3.0f, 1.0f, parts.data());
        QCOMPARE(parts[0], 25165828.0f);
        QCOMPARE(parts[1], 3.0f);
        QCOMPARE(parts[3], -25165828.0f);
        QCOMPARE(FirstDifference(values, 3.0f, 1.0f), -1);
    }

    // v x 10.5 / 7 of an odd 24-bit v lies exactly halfway between two floats,
    // while v / 7 x 10.5 computed in double often lands a unit beside it (and
    // then rounds the other way): only the exact division of the values near
    // halfway rounds them all to even.
    void quickPartsNearHalfwayAreDivided()
    {
        std::mt19937 random(11);
        std::vector<float> values(300);
        for (float &v : values)
            v = float(8388609 + 2 * int(random() % 4000000));
        const ProportionalRow row(values.data(), values.size(), 7.0f);
        std::vector<float> parts(values.size());
        row.parts(10.5f, parts.data());
        for (std::size_t j = 0; j < values.size(); ++j)
            QCOMPARE(std::bit_cast<std::uint32_t>(parts[j]), std::bit_cast<std::uint32_t>(ByTheFormula(values[j], 10.5f, 7.0f)));
    }

    // The same halfway values among the floats below the normal ones, where
    // the floats are spaced more widely: these parts are all divided.
    void partsBelowTheNormalFloatsAreDivided()
    {
        std::mt19937 random(13);
        std::vector<float> values(300);
        for (float &v : values)
            v = float(1 + 2 * int(random() % 2500000));
        const float divisor = std::ldexp(7.0f, 100);
        const float factor = std::ldexp(21.0f, -50); // parts 3v x 2^-150, halfway between two of those floats
        QCOMPARE(FirstDifference(values, factor, divisor), -1);
    }

    // Parts added to running sums as they are worked out are the formula's,
    // near halfway and below the normal floats too, each sum rounded once.
    void partsAddedToSumsEqualTheFormula()
    {
        std::mt19937 random(17);
        // Odd values from the first one: the halfway cases above.
        const struct { float factor, divisor; int firstValue; } cases[] = {
            {10.5f, 7.0f, 8388609}, {std::ldexp(21.0f, -50), std::ldexp(7.0f, 100), 1}, {1234.56f, 100000.0f, 1}};
        for (const auto &c : cases) {
            std::vector<float> values(300), start(300);
            for (std::size_t j = 0; j < values.size(); ++j) {
                values[j] = float(c.firstValue + 2 * int(random() % 2500000));
                start[j] = j % 2 ? 0.0f : float(int(random() % 2000000) - 1000000) / 100.0f;
            }
            const ProportionalRow row(values.data(), values.size(), c.divisor);
            RowSums sums(start);
            sums.addParts(row, c.factor);
            RowSums first(start), second(std::vector<float>(start.rbegin(), start.rend()));
            RowSums::AddPartsToBoth(row, c.factor, first, second);
            for (std::size_t j = 0; j < values.size(); ++j) {
                const float part = ByTheFormula(values[j], c.factor, c.divisor);
                float want = start[j];
                Accumulate(want, part);
                QCOMPARE(std::bit_cast<std::uint32_t>(sums.values()[j]), std::bit_cast<std::uint32_t>(want));
                QCOMPARE(std::bit_cast<std::uint32_t>(first.values()[j]), std::bit_cast<std::uint32_t>(want));
                float wantSecond = start[start.size() - 1 - j];
                Accumulate(wantSecond, part);
                QCOMPARE(std::bit_cast<std::uint32_t>(second.values()[j]), std::bit_cast<std::uint32_t>(wantSecond));
            }
        }
    }

    // Per-mille values, amounts and sums of every size the program meets, and
    // some it should never meet: every part equals the formula's bit for bit.
    void partsEqualTheFormula()
    {
        std::mt19937 random(7);
        std::uniform_int_distribution<int> cents(-2000000, 2000000);
        std::uniform_int_distribution<int> exponent(-60, 60);
        std::uniform_real_distribution<float> unit(0.5f, 1.0f);
        for (int round = 0; round < 2000; ++round) {
            std::vector<float> values(301);
            for (float &v : values)
                v = round % 2 ? float(cents(random) % 100000) / 100.0f : std::ldexp(unit(random), exponent(random));
            values[0] = 0.0f;
            const float factor = round % 3 ? float(cents(random)) / 100.0f : std::ldexp(unit(random), exponent(random));
            const float divisor = round % 5 ? float(1 + std::abs(cents(random))) / 100.0f : std::ldexp(unit(random), exponent(random));
            const int at = FirstDifference(values, factor, divisor);
            QVERIFY2(at < 0, qPrintable(QStringLiteral("%1 x %2 / %3").arg(double(values[std::size_t(std::max(at, 0))]), 0, 'g', 9)
                                            .arg(double(factor), 0, 'g', 9).arg(double(divisor), 0, 'g', 9)));
        }
    }

    // Values that are no numbers stay no numbers; infinities keep their sign.
    void oddValuesFollowTheFormula()
    {
        const float inf = std::numeric_limits<float>::infinity();
        const std::vector<float> values{std::numeric_limits<float>::quiet_NaN(), inf, -inf, 0.0f, -0.0f};
        std::vector<float> parts(values.size());
        ProportionalParts(values.data(), values.size(), 2.0f, 3.0f, parts.data());
        QVERIFY(std::isnan(parts[0]));
        QCOMPARE(parts[1], inf);
        QCOMPARE(parts[2], -inf);
        QVERIFY(!std::signbit(parts[3]));
        QVERIFY(std::signbit(parts[4]));
        QCOMPARE(FirstDifference({1.0f, 2.0f}, 0.0f, 7.0f), -1);
        QCOMPARE(FirstDifference({1.0f, -2.0f}, -0.0f, 7.0f), -1);
    }
};

KV_TEST_APPLESS_MAIN(TestFloatArithmetic)

} // namespace test_floatarithmetic
#include "test_floatarithmetic.moc"
