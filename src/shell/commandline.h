#pragma once

#include <QStringList>

namespace kelvarino {

// What the program takes from its start: its folder and a data file named on
// the command line.
namespace CommandLine {

// The program's folder, ending with its separator.
QString programFolder(const QString &applicationDirPath);
// The first argument when it names a data file (ending in ".s43", letter case
// as written), made absolute; empty otherwise.
QString dataFilePath(const QStringList &arguments);

} // namespace CommandLine
} // namespace kelvarino
