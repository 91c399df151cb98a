#pragma once

#include <QList>

class QLineEdit;
class QScrollBar;

namespace kelvarino {

// Up, Down, Page Up and Page Down in a grid's column of text boxes (one box
// per shown row, rows 0 to n - 1). Moving past the first or last row, and the
// page keys, scroll the records under the rows with the window's vertical
// scroll bar (its value change redraws the rows). The caret keeps its position
// in whichever box has the focus afterwards. True when the key was one of the
// four (whether or not anything moved).
bool GridKeyNavigate(const QList<QLineEdit *> &boxes, int row, int key, QScrollBar *scrollBar);

} // namespace kelvarino
