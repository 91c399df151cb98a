#include "core/floatarithmetic.h"

#include <bit>
#include <cstdint>

namespace kelvarino {

namespace {

// Far wider than the error of the quick product below (a few units in the
// last place of a double, about 2^-51 of the value).
constexpr double Margin = 0x1p-40;

inline float Exact(float value, float factor, float divisor)
{
    return Stored(double(value) * double(factor) / double(divisor));
}

} // namespace

// The row helpers run once per expense and flat; on processors with wider
// vector registers the same operations, in the same order, run twice as wide.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__SANITIZE_ADDRESS__)
#define KV_WIDE_WHERE_AVAILABLE __attribute__((target_clones("avx2", "default")))
#else
#define KV_WIDE_WHERE_AVAILABLE
#endif

// A division per value would dominate the statements of a large building, so
// each value is multiplied by factor / divisor instead. That product lies
// within 2^-51 of the exact quotient, so when the whole band of +-2^-40 around
// it rounds to one float, the exact quotient rounded to double and then to
// float (rounding is monotonic) is that same float. Only a value whose band
// holds a rounding boundary, about one in thirty thousand, is divided itself.
KV_WIDE_WHERE_AVAILABLE
void ProportionalParts(const float *values, std::size_t n, float factor, float divisor, float *out)
{
    const double scale = double(factor) * (1.0 / double(divisor));
    std::uint32_t differ = 0; // stays 0 while every band rounds to one float
    for (std::size_t j = 0; j < n; ++j) {
        const double quick = double(values[j]) * scale;
        const float above = Stored(quick * (1 + Margin));
        const float below = Stored(quick * (1 - Margin));
        out[j] = above;
        differ |= std::bit_cast<std::uint32_t>(above) ^ std::bit_cast<std::uint32_t>(below);
    }
    if (differ == 0)
        return;
    for (std::size_t j = 0; j < n; ++j) {
        const double quick = double(values[j]) * scale;
        if (!(Stored(quick * (1 + Margin)) == Stored(quick * (1 - Margin))))
            out[j] = Exact(values[j], factor, divisor);
    }
}

KV_WIDE_WHERE_AVAILABLE
void AccumulateEach(float *__restrict sums, const float *__restrict terms, std::size_t n)
{
    for (std::size_t j = 0; j < n; ++j)
        Accumulate(sums[j], terms[j]);
}

KV_WIDE_WHERE_AVAILABLE
void AccumulateEachInto3(float *__restrict sums1, float *__restrict sums2, float *__restrict sums3,
                         const float *__restrict terms, std::size_t n)
{
    for (std::size_t j = 0; j < n; ++j) {
        Accumulate(sums1[j], terms[j]);
        Accumulate(sums2[j], terms[j]);
        Accumulate(sums3[j], terms[j]);
    }
}

KV_WIDE_WHERE_AVAILABLE
void AddThenSubtract(const float *__restrict first, const float *__restrict second, const float *__restrict third,
                     std::size_t n, float *__restrict out)
{
    for (std::size_t j = 0; j < n; ++j)
        out[j] = Stored((double(first[j]) + double(second[j])) - double(third[j]));
}

KV_WIDE_WHERE_AVAILABLE
void AccumulateCarriedLessDiscount(float *__restrict sums, const float *__restrict carried,
                                   const float *__restrict discount, std::size_t n)
{
    for (std::size_t j = 0; j < n; ++j)
        sums[j] = Stored(double(sums[j]) + double(carried[j]) - double(discount[j]));
}

} // namespace kelvarino
