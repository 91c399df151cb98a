#include "register/gridkeynavigate.h"

#include <QLineEdit>
#include <QScrollBar>

namespace kelvarino {

namespace {

void focusWithCaret(QWidget *box, int caret)
{
    if (!box || !box->isVisible() || !box->isEnabled())
        return;
    box->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(box))
        edit->setCursorPosition(caret);
}

// Moves a shown scroll bar by one small or large step, up (-1) or down (+1),
// within its range; true when it moved.
bool scrollBy(QScrollBar *bar, int direction, bool page)
{
    if (!bar || !bar->isVisible())
        return false;
    const int step = direction * (page ? bar->pageStep() : bar->singleStep());
    const int v = qBound(bar->minimum(), bar->value() + step, bar->maximum());
    if (v == bar->value())
        return false;
    bar->setValue(v);
    return true;
}

} // namespace

bool GridKeyNavigate(const std::function<QWidget *(int row)> &box, int row, int key, int rowCount,
                     QScrollBar *scrollBar)
{
    if (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_PageUp && key != Qt::Key_PageDown)
        return false;
    const auto *current = qobject_cast<QLineEdit *>(box(row));
    const int caret = current ? current->cursorPosition() : 0;
    const int last = rowCount - 1;
    switch (key) {
    case Qt::Key_Down:
        if (row < last)
            focusWithCaret(box(row + 1), caret);
        else if (scrollBy(scrollBar, 1, false))
            focusWithCaret(box(last), caret);
        break;
    case Qt::Key_Up:
        if (row > 0)
            focusWithCaret(box(row - 1), caret);
        else if (scrollBy(scrollBar, -1, false))
            focusWithCaret(box(0), caret);
        break;
    case Qt::Key_PageDown:
        if (scrollBy(scrollBar, 1, true))
            focusWithCaret(box(last), caret);
        break;
    case Qt::Key_PageUp:
        if (scrollBy(scrollBar, -1, true))
            focusWithCaret(box(0), caret);
        break;
    default:
        break;
    }
    return true;
}

} // namespace kelvarino
