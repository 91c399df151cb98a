#pragma once

#include <QStringList>

namespace kelvarino {

// The names in a column copied from a spreadsheet or another program, as
// they will be stored (not yet cut to the field's width): the text trimmed
// and split at every line end (CR LF, LF or CR); a line's name is its first
// cell, the text before its first tab, without its leading blanks (those
// before its end stay), and characters the data file cannot hold show as "?".
// A name never holds a line break or a tab; lines with no name give none.
QStringList SplitPastedNames(const QString &clipboardText);

} // namespace kelvarino
