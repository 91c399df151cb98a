#pragma once

#include <functional>

class QLineEdit;
class QScrollBar;

namespace kelvarino {

// Up, Down, Page Up and Page Down in a column of text boxes, one per shown row
// (rows 0 to rowCount - 1), with the records scrolled under the rows by the
// window's scroll bar (none, or hidden, for a grid that does not scroll).
// The caret keeps its position in whichever box holds the focus afterwards.
// Returns true when the key is one of the four (the caller then consumes it).
bool GridKeyNavigate(const std::function<QLineEdit *(int row)> &box, int row, int key, int rowCount,
                     QScrollBar *scrollBar);

} // namespace kelvarino
