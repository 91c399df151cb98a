#pragma once

#include <cstddef>

namespace kelvarino {

// Amounts, per-mille values and percentages are 32-bit floats. A formula is
// evaluated in double on its float operands and rounded to float once, when
// its result is stored; a running sum is rounded after every addition. These
// helpers make that rule visible wherever a figure is computed.

// The value of a formula evaluated in double, as it is stored.
inline float Stored(double value)
{
    return static_cast<float>(value);
}

// Adds one term to a running sum, rounding the sum as it is stored. The float
// addition gives exactly the double sum rounded to float: a double carries
// more than twice a float's precision plus two bits, and with that much room
// rounding twice never differs from rounding once.
inline void Accumulate(float &sum, float term)
{
    sum = sum + term;
}

// out[j] = Stored(double(values[j]) * double(factor) / double(divisor)) for
// every j < n: the formula of the shares by per-mille and of the carried
// parts, for a whole row of flats at a time. The divisor is not 0.
void ProportionalParts(const float *values, std::size_t n, float factor, float divisor, float *out);

// sums[j] += terms[j], each sum rounded as stored, for every j < n.
void AccumulateEach(float *sums, const float *terms, std::size_t n);

// The same terms added to three running sums at once.
void AccumulateEachInto3(float *sums1, float *sums2, float *sums3, const float *terms, std::size_t n);

// out[j] = (first[j] + second[j]) - third[j], as stored, for every j < n (the
// total a flat bears of a split expense).
void AddThenSubtract(const float *first, const float *second, const float *third, std::size_t n, float *out);

// sums[j] = (sums[j] + carried[j]) - discount[j], as stored, for every j < n.
void AccumulateCarriedLessDiscount(float *sums, const float *carried, const float *discount, std::size_t n);

} // namespace kelvarino
