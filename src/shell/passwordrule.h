#pragma once

#include "core/codepage1253.h"
#include "core/fixedtext.h"

namespace kelvarino {

// How a typed password is taken: blanks at both ends removed, then cut after
// the 8th character or padded with blanks. Passwords compare as the 8 code-page
// bytes the data file stores, upper and lower case differing.
namespace PasswordRule {

inline QString typedPart(const QString &typed) { return TrimBlanks(typed).left(8); }

inline FixedText<8> fit(const QString &typed) { return FixedText<8>(typedPart(typed)); }

// Whether every character that counts can be stored in the data file.
inline bool storable(const QString &typed) { return Cp1253::canEncode(typedPart(typed)); }

} // namespace PasswordRule
} // namespace kelvarino
