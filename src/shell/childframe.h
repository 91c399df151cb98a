#pragma once

#include <QMdiSubWindow>

#include <functional>

class QFocusEvent;

namespace kelvarino {

class DataWindow;

// The frame of one child window in the main window's client area. It closes
// only when the window's closing check lets it.
class ChildFrame : public QMdiSubWindow
{
public:
    ChildFrame(DataWindow *window, std::function<void(ChildFrame *)> closed);

    DataWindow *window() const { return window_; }
    // True once the frame has closed (it is deleted later).
    bool isClosed() const { return isClosed_; }
    // Closes without asking the window (the program is ending).
    void closeUnchecked();

protected:
    void closeEvent(QCloseEvent *event) override;
    // A window that closes itself goes through the frame's closing.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Tells the frame where the pointer stands after a refused closing.
    void followPointer();

    DataWindow *window_;
    std::function<void(ChildFrame *)> closed_;
    bool unchecked_ = false;
    bool closing_ = false;
    bool isClosed_ = false;
};

// Whether a box that lost the focus was left for another control, so that the
// rules of leaving it (storing, an empty-name refusal) are to run. It was not
// when a menu or a list opened over it, when another program or a message box
// took the focus, or when its own window's frame was pressed (the title bar,
// its buttons, the borders, the window's background): the frame hands the
// focus back to the box, and its close box goes on to the window's closing
// steps.
bool LeavesBox(const QWidget *box, const QFocusEvent *event);

} // namespace kelvarino
