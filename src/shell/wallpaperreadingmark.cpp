#include "shell/wallpaperreadingmark.h"

#include "core/autoloadfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kelvarino {

WallpaperReadingMark::WallpaperReadingMark(const QString &programFolder) : path_(path(programFolder)) {}

QString WallpaperReadingMark::path(const QString &programFolder)
{
    const QFileInfo autoload(AutoloadFilePath(programFolder));
    return autoload.dir().filePath(autoload.completeBaseName() + QStringLiteral(".wallpaper-reading"));
}

bool WallpaperReadingMark::leftBehind() const { return QFileInfo::exists(path_); }

bool WallpaperReadingMark::begin(const QString &picturePath)
{
    if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
        return false;
    QFile mark(path_);
    if (!mark.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    // The picture's path is kept only for whoever looks at the folder.
    const QByteArray text = picturePath.toUtf8() + '\n';
    const bool written = mark.write(text) == text.size() && mark.flush();
    mark.close();
    return written;
}

void WallpaperReadingMark::clear() { QFile::remove(path_); }

} // namespace kelvarino
