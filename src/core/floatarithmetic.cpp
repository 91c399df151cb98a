#include "core/floatarithmetic.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace kelvarino {

namespace {

inline float Exact(float value, float factor, float divisor)
{
    return Stored(double(value) * double(factor) / double(divisor));
}

} // namespace

// The row helpers run once per expense and flat; on processors with wider
// vector registers the same operations, in the same order, run two or four
// times as wide. (None of them multiplies and adds in one formula, so no
// fused multiply-add can change a rounding.)
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__SANITIZE_ADDRESS__)
#define KV_WIDE_WHERE_AVAILABLE __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#else
#define KV_WIDE_WHERE_AVAILABLE
#endif

// How the quick parts are made exact.
//
// The formula rounds the exact quotient x = value * factor / divisor to a
// double (value * factor is exact in double: two 24-bit significands) and
// that double to a float. The quick part is ratio * factor with the ratio
// value / divisor rounded once: two roundings from x, so it lies within six
// units in the last place of a double (ulps) of the formula's double.
// Rounding to float keeps the top 24 of a double's 53 significand bits; where
// the 29 bits it drops hold exactly 2^28 the double is halfway between two
// floats. When the quick part's dropped bits lie more than NearMidpoint ulps
// away from that halfway pattern, no halfway point lies between the quick
// part and the formula's double, so both round to the same float. Only the
// parts within the band, about one in a quarter of a million, are divided
// themselves. This holds where the floats are evenly spaced: for parts of
// magnitude 2^-125 to 2^126, which quickPartsAreSafe makes sure of.
namespace {

constexpr std::uint64_t DroppedBits = (std::uint64_t(1) << 29) - 1;
constexpr std::uint64_t Halfway = std::uint64_t(1) << 28;
constexpr std::uint64_t NearMidpoint = 1024; // far wider than the six ulps the quick part may be off
constexpr std::uint64_t TopBit = std::uint64_t(1) << 63;

// Has the top bit set when the double lies within NearMidpoint ulps of
// halfway between two floats: its dropped bits, shifted so that the band
// starts at 0, less the band's width, fall below 0.
inline std::uint64_t NearHalfway(double value)
{
    return ((std::bit_cast<std::uint64_t>(value) + (NearMidpoint - Halfway)) & DroppedBits) - 2 * NearMidpoint;
}

// out[j] = ratios[j] * factor rounded to float; answers whether any of the
// products lay near a halfway point.
KV_WIDE_WHERE_AVAILABLE
bool QuickParts(const double *__restrict ratios, std::size_t n, double factor, float *__restrict out)
{
    std::uint64_t near = 0;
    for (std::size_t j = 0; j < n; ++j) {
        const double quick = ratios[j] * factor;
        out[j] = Stored(quick);
        near |= NearHalfway(quick);
    }
    return (near & TopBit) != 0;
}

// out[j] = sums[j] + ratios[j] * factor rounded to float; answers whether
// any of the products lay near a halfway point.
KV_WIDE_WHERE_AVAILABLE
bool AddQuickParts(const double *__restrict ratios, std::size_t n, double factor, const float *__restrict sums,
                   float *__restrict out)
{
    std::uint64_t near = 0;
    for (std::size_t j = 0; j < n; ++j) {
        const double quick = ratios[j] * factor;
        out[j] = sums[j] + Stored(quick);
        near |= NearHalfway(quick);
    }
    return (near & TopBit) != 0;
}

// out1[j] = sums1[j] + part and out2[j] = sums2[j] + part, the part being
// ratios[j] * factor rounded to float; answers whether any of the products
// lay near a halfway point.
KV_WIDE_WHERE_AVAILABLE
bool AddQuickPartsToBoth(const double *__restrict ratios, std::size_t n, double factor,
                         const float *__restrict sums1, const float *__restrict sums2, float *__restrict out1,
                         float *__restrict out2)
{
    std::uint64_t near = 0;
    for (std::size_t j = 0; j < n; ++j) {
        const double quick = ratios[j] * factor;
        const float part = Stored(quick);
        out1[j] = sums1[j] + part;
        out2[j] = sums2[j] + part;
        near |= NearHalfway(quick);
    }
    return (near & TopBit) != 0;
}

} // namespace

ProportionalRow::ProportionalRow(const float *values, std::size_t n, float divisor)
    : values_(values, values + n), ratios_(n), divisor_(divisor)
{
    for (std::size_t j = 0; j < n; ++j) {
        const double ratio = double(values[j]) / double(divisor);
        ratios_[j] = ratio;
        const double magnitude = std::fabs(ratio);
        if (!std::isfinite(ratio))
            finite_ = false;
        else if (magnitude != 0 && (smallestRatio_ == 0 || magnitude < smallestRatio_))
            smallestRatio_ = magnitude;
        largestRatio_ = std::max(largestRatio_, magnitude);
    }
}

// Whether every quick part lies where the floats are evenly spaced: neither
// below the normal floats nor near the largest. The bounds leave room for
// the rounding of the products tested here.
bool ProportionalRow::quickPartsAreSafe(float factor) const
{
    const double f = std::fabs(double(factor));
    if (!finite_ || !std::isfinite(f))
        return false;
    if (f == 0)
        return true; // every part is a zero of the formula's sign
    return largestRatio_ * f < 0x1p126 && (smallestRatio_ == 0 || smallestRatio_ * f >= 0x1p-124);
}

void ProportionalRow::exactParts(float factor, float *out) const
{
    for (std::size_t j = 0; j < values_.size(); ++j)
        out[j] = Exact(values_[j], factor, divisor_);
}

void ProportionalRow::parts(float factor, float *out) const
{
    if (!quickPartsAreSafe(factor)) {
        exactParts(factor, out);
        return;
    }
    const double f = double(factor);
    if (!QuickParts(ratios_.data(), ratios_.size(), f, out))
        return;
    for (std::size_t j = 0; j < ratios_.size(); ++j) {
        if (NearHalfway(ratios_[j] * f) & TopBit)
            out[j] = Exact(values_[j], factor, divisor_);
    }
}

void ProportionalRow::addParts(float factor, const float *sums, float *out) const
{
    if (!quickPartsAreSafe(factor)) {
        for (std::size_t j = 0; j < values_.size(); ++j)
            out[j] = sums[j] + Exact(values_[j], factor, divisor_);
        return;
    }
    const double f = double(factor);
    if (!AddQuickParts(ratios_.data(), ratios_.size(), f, sums, out))
        return;
    for (std::size_t j = 0; j < ratios_.size(); ++j) {
        if (NearHalfway(ratios_[j] * f) & TopBit)
            out[j] = sums[j] + Exact(values_[j], factor, divisor_);
    }
}

void ProportionalRow::addParts(float factor, const float *sums1, const float *sums2, float *out1,
                               float *out2) const
{
    const bool safe = quickPartsAreSafe(factor);
    const double f = double(factor);
    if (safe && !AddQuickPartsToBoth(ratios_.data(), ratios_.size(), f, sums1, sums2, out1, out2))
        return;
    for (std::size_t j = 0; j < ratios_.size(); ++j) {
        if (!safe || (NearHalfway(ratios_[j] * f) & TopBit)) {
            const float part = Exact(values_[j], factor, divisor_);
            out1[j] = sums1[j] + part;
            out2[j] = sums2[j] + part;
        }
    }
}

void RowSums::add(const float *terms)
{
    AccumulateEach(current_.data(), terms, current_.size());
}

void RowSums::addParts(const ProportionalRow &row, float factor)
{
    row.addParts(factor, current_.data(), next_.data());
    std::swap(current_, next_);
}

void RowSums::AddPartsToBoth(const ProportionalRow &row, float factor, RowSums &first, RowSums &second)
{
    row.addParts(factor, first.current_.data(), second.current_.data(), first.next_.data(), second.next_.data());
    std::swap(first.current_, first.next_);
    std::swap(second.current_, second.next_);
}

void ProportionalParts(const float *values, std::size_t n, float factor, float divisor, float *out)
{
    ProportionalRow(values, n, divisor).parts(factor, out);
}

KV_WIDE_WHERE_AVAILABLE
void AccumulateEach(float *__restrict sums, const float *__restrict terms, std::size_t n)
{
    for (std::size_t j = 0; j < n; ++j)
        Accumulate(sums[j], terms[j]);
}

KV_WIDE_WHERE_AVAILABLE
void AccumulateEachInto2(float *__restrict sums1, float *__restrict sums2, const float *__restrict terms,
                         std::size_t n)
{
    for (std::size_t j = 0; j < n; ++j) {
        Accumulate(sums1[j], terms[j]);
        Accumulate(sums2[j], terms[j]);
    }
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

// A float addition is the double sum rounded once (see Accumulate).
KV_WIDE_WHERE_AVAILABLE
void AddEach(const float *__restrict first, const float *__restrict second, std::size_t n, float *__restrict out)
{
    for (std::size_t j = 0; j < n; ++j)
        out[j] = first[j] + second[j];
}

} // namespace kelvarino
