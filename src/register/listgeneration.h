#pragma once

#include <QtGlobal>

namespace kelvarino {

// Counts the changes of the register lists' shape and order (records created,
// deleted, pasted, moved) made by the register windows. A window notes the
// count at its redraw; when it differs later, another window changed a list
// behind it and it rebuilds from the data before acting on a row.
quint64 ListGeneration();
quint64 NextListGeneration();

} // namespace kelvarino
