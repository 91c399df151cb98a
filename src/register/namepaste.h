#pragma once

#include <QStringList>

namespace kelvarino {

// The names in a column copied from a spreadsheet: the text trimmed and split
// at CR LF only; each name loses its leading blanks but keeps those before its
// CR LF; empty lines and lines of blanks give no name.
QStringList SplitPastedNames(const QString &clipboardText);

} // namespace kelvarino
