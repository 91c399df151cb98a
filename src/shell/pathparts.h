#pragma once

#include <QFileInfo>
#include <QString>

namespace kelvarino {

// A folder as the program keeps it: ending with exactly one separator.
inline QString FolderWithSeparator(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// The folder (with its separator) and the name of a full path.
inline QString FolderOf(const QString &path) { return FolderWithSeparator(QFileInfo(path).absolutePath()); }

} // namespace kelvarino
