#pragma once

#include <functional>

class QScrollBar;
class QWidget;

namespace kelvarino {

// Up, Down, Page Up and Page Down in a column of text boxes (or of other
// widgets that take the focus), one per shown row (rows 0 to rowCount - 1),
// with the records scrolled under the rows by the window's scroll bar (none,
// or hidden, for a grid that does not scroll). In text boxes the caret keeps
// its position in whichever box holds the focus afterwards. Returns true when
// the key is one of the four (the caller then consumes it).
bool GridKeyNavigate(const std::function<QWidget *(int row)> &box, int row, int key, int rowCount,
                     QScrollBar *scrollBar);

} // namespace kelvarino
