#pragma once

#include "core/appstate.h"

#include <QString>

namespace kelvarino {

// Where this installation keeps its autoload parameter file: beside the
// program when that folder is writable, otherwise in the user's
// configuration folder.
class AutoloadPlace
{
public:
    static QString path(const QString &programFolder);
    enum class Read { Missing, Refused, Accepted };
    static Read read(AppState &state);
    // False when the file could not be written.
    static bool write(const AppState &state);
};

} // namespace kelvarino
