#include "shell/autoloadplace.h"

#include "core/autoloadfile.h"
#include "core/datafile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kelvarino {

QString AutoloadPlace::path(const QString &programFolder)
{
    const QFileInfo folder(programFolder);
    if (folder.isDir() && folder.isWritable())
        return QDir(programFolder).filePath(AutoloadFile::fileName());
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(AutoloadFile::fileName());
}

AutoloadPlace::Read AutoloadPlace::read(AppState &state)
{
    QFile file(path(state.ProgramFolder));
    if (!file.exists())
        return Read::Missing;
    // Read-only and hidden marks do not stop the program from rewriting it later.
    file.setPermissions(file.permissions() | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
    if (!file.open(QIODevice::ReadOnly))
        return Read::Refused;
    return AutoloadFile::read(file.readAll(), state) ? Read::Accepted : Read::Refused;
}

bool AutoloadPlace::write(const AppState &state)
{
    const QString target = path(state.ProgramFolder);
    QDir().mkpath(QFileInfo(target).absolutePath());
    return SaveFileAtomically(target, AutoloadFile::write(state)) == SaveOutcome::Saved;
}

} // namespace kelvarino
