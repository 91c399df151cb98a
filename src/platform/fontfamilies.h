#pragma once

#include <QString>

namespace kelvarino {

// The installed family that a font name draws with, or empty when no family
// answers the name:
// - an installed family's own name, matched whole and exactly;
// - a name the font system's aliases give to an installed family, such as
//   "Arial" for its metric-compatible Liberation Sans;
// - "<family> Greek", the other system's name of a family with its Greek
//   characters, as the family.
// A name that only falls back to the font system's default family is not
// answered.
QString InstalledFontFamily(const QString &name);

} // namespace kelvarino
