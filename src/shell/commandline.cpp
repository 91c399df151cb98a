#include "shell/commandline.h"

#include "core/fixedtext.h"
#include "shell/pathparts.h"

#include <QFileInfo>

namespace kelvarino {

QString CommandLine::programFolder(const QString &applicationDirPath) { return FolderWithSeparator(applicationDirPath); }

QString CommandLine::dataFilePath(const QStringList &arguments)
{
    if (arguments.size() < 2)
        return {};
    const QString path = TrimBlanks(arguments.at(1));
    if (!path.endsWith(QStringLiteral(".s43")) || path == QStringLiteral(".s43"))
        return {};
    return QFileInfo(path).absoluteFilePath();
}

} // namespace kelvarino
