#pragma once

namespace kelvarino {

// Amounts, per-mille values and percentages are 32-bit floats. A formula is
// evaluated in double on its float operands and rounded to float once, when
// its result is stored; a running sum is rounded after every addition. These
// two helpers make that rule visible wherever a figure is computed.

// The value of a formula evaluated in double, as it is stored.
inline float Stored(double value)
{
    return static_cast<float>(value);
}

// Adds one term to a running sum, rounding the sum as it is stored.
inline void Accumulate(float &sum, float term)
{
    sum = Stored(double(sum) + double(term));
}

} // namespace kelvarino
