#pragma once

#include "core/appstate.h"
#include "platform/messageservice.h"

namespace kelvarino {

// What a menu command needs of the work before it opens its window (flats,
// persons, professionals, a printer); when it is missing the user gets the
// command's own message and nothing opens.
class CommandPreconditions
{
public:
    // True when the command may go on (commands without a condition always may).
    static bool check(const QString &command, const AppState &state, MessageService &messages);
};

} // namespace kelvarino
