#pragma once

#include <cstddef>
#include <utility>
#include <vector>

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

// A fixed row of values over a fixed divisor (a column's per-mille over its
// total, or over the per-mille of its unreduced flats), whose parts
// Stored(double(value) * double(factor) / double(divisor)) are wanted for one
// factor after another (the amounts of the expenses). Each part equals that
// formula bit for bit; the row keeps what the factors share so that a part
// costs one multiplication instead of a division.
class ProportionalRow
{
public:
    ProportionalRow() = default;
    ProportionalRow(const float *values, std::size_t n, float divisor);

    std::size_t size() const { return values_.size(); }
    // out[j] = the part of values[j], for every j < size().
    void parts(float factor, float *out) const;
    // out[j] = sums[j] + the part of values[j], as stored, for every j <
    // size(): a running sum's next value without storing the parts first.
    void addParts(float factor, const float *sums, float *out) const;
    // The same for two running sums at once.
    void addParts(float factor, const float *sums1, const float *sums2, float *out1, float *out2) const;

private:
    bool quickPartsAreSafe(float factor) const;
    void exactParts(float factor, float *out) const;

    std::vector<float> values_;
    std::vector<double> ratios_; // double(value) / double(divisor), rounded once
    float divisor_ = 1;
    bool finite_ = true;          // every ratio is a finite number
    double smallestRatio_ = 0;    // the least magnitude of the ratios other than 0 (0 when none)
    double largestRatio_ = 0;     // the greatest magnitude of the ratios
};

// A running sum per flat that whole rows of terms are added to, each sum
// rounded as stored. Each addition writes the new sums beside the old ones
// and then takes them as current: so proportional parts can be added as they
// are worked out, and a part that needs correcting is still added to the sum
// before it.
class RowSums
{
public:
    RowSums() = default;
    explicit RowSums(std::vector<float> initial) : current_(std::move(initial)), next_(current_.size()) {}

    const std::vector<float> &values() const { return current_; }
    // The current sums, for helpers that add terms in place.
    float *data() { return current_.data(); }
    // sums[j] += terms[j] for every flat.
    void add(const float *terms);
    // sums[j] += the row's part of flat j for the factor.
    void addParts(const ProportionalRow &row, float factor);
    // The same parts added to two rows of sums.
    static void AddPartsToBoth(const ProportionalRow &row, float factor, RowSums &first, RowSums &second);

private:
    std::vector<float> current_, next_;
};

// out[j] = Stored(double(values[j]) * double(factor) / double(divisor)) for
// every j < n: the formula of the shares by per-mille and of the carried
// parts, for a whole row of flats at a time. The divisor is not 0.
void ProportionalParts(const float *values, std::size_t n, float factor, float divisor, float *out);

// sums[j] += terms[j], each sum rounded as stored, for every j < n.
void AccumulateEach(float *sums, const float *terms, std::size_t n);

// The same terms added to two or three running sums at once.
void AccumulateEachInto2(float *sums1, float *sums2, const float *terms, std::size_t n);
void AccumulateEachInto3(float *sums1, float *sums2, float *sums3, const float *terms, std::size_t n);

// out[j] = first[j] + second[j], as stored, for every j < n. Where the
// formula subtracts a third term that is exactly 0, this is its value too:
// subtracting a zero changes no sum (and keeps the sign of a zero one).
void AddEach(const float *first, const float *second, std::size_t n, float *out);

} // namespace kelvarino
