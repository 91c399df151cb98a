#pragma once

#include <QString>

namespace kelvarino {

inline QString ProgramName() { return QStringLiteral("Κελβαρίνο"); }
inline QString ProgramTitle() { return ProgramName() + QStringLiteral("/v2.2/2016"); }
// The main window's caption for a work with this file name (empty: a new work).
inline QString WorkCaption(const QString &dataFileName)
{
    return ProgramTitle() + QStringLiteral(" - ") + (dataFileName.isEmpty() ? QStringLiteral("Νέο") : dataFileName);
}
inline QString MakerName() { return QStringLiteral("Vornakel"); }
inline QString MakerMailAddress() { return QStringLiteral("vornakel@kelvarino.example"); }

} // namespace kelvarino
