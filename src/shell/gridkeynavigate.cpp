#include "shell/gridkeynavigate.h"

#include <QLineEdit>
#include <QScrollBar>

namespace kelvarino {

namespace {

void focusAt(QLineEdit *box, int caret)
{
    if (!box)
        return;
    box->setFocus();
    box->setCursorPosition(caret);
}

// Moves the bar by `step`; true when its value changed.
bool scrollBy(QScrollBar *bar, int step)
{
    if (!bar || !bar->isVisibleTo(bar->parentWidget() ? bar->parentWidget() : bar))
        return false;
    const int value = std::clamp(bar->value() + step, bar->minimum(), bar->maximum());
    if (value == bar->value())
        return false;
    bar->setValue(value);
    return true;
}

} // namespace

bool GridKeyNavigate(const QList<QLineEdit *> &boxes, int row, int key, QScrollBar *scrollBar)
{
    const int n = int(boxes.size());
    if (row < 0 || row >= n)
        return false;
    const int caret = boxes.at(row) ? boxes.at(row)->cursorPosition() : 0;
    QLineEdit *first = boxes.first();
    QLineEdit *last = boxes.last();
    switch (key) {
    case Qt::Key_Down:
        if (row < n - 1)
            focusAt(boxes.at(row + 1), caret);
        else if (scrollBy(scrollBar, scrollBar ? scrollBar->singleStep() : 0))
            focusAt(last, caret);
        return true;
    case Qt::Key_Up:
        if (row > 0)
            focusAt(boxes.at(row - 1), caret);
        else if (scrollBy(scrollBar, scrollBar ? -scrollBar->singleStep() : 0))
            focusAt(first, caret);
        return true;
    case Qt::Key_PageDown:
        if (scrollBy(scrollBar, scrollBar ? scrollBar->pageStep() : 0))
            focusAt(last, caret);
        return true;
    case Qt::Key_PageUp:
        if (scrollBy(scrollBar, scrollBar ? -scrollBar->pageStep() : 0))
            focusAt(first, caret);
        return true;
    default: return false;
    }
}

} // namespace kelvarino
