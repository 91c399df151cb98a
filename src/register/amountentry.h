#pragma once

#include <QString>

namespace kelvarino {

// The rules of the amount boxes of the register windows.

// A typed amount (decimal comma or point) as a 32-bit float; text without a
// number reads 0. False when the number does not fit a 32-bit float.
bool ReadTypedAmount(const QString &text, float &value);

// A typed amount is stored only when it differs from the stored one by more
// than half a cent (computed in 32-bit floats).
bool DiffersEnough(float stored, float typed);

// An amount as its box shows it: two decimals, or nothing for exactly 0.
QString AmountDisplay(float value);

} // namespace kelvarino
