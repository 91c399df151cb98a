#include "shell/childframe.h"

#include "shell/datawindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFocusEvent>
#include <QMouseEvent>

namespace kelvarino {

ChildFrame::ChildFrame(DataWindow *window, std::function<void(ChildFrame *)> closed)
    : window_(window), closed_(std::move(closed))
{
    // A window of fixed size has nothing to gain from a maximized frame,
    // which would only surround it with empty space.
    if (window->minimumSize() == window->maximumSize())
        setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                       | Qt::WindowCloseButtonHint);
    setWidget(window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(window->windowTitle());
    connect(window, &QWidget::windowTitleChanged, this, &QWidget::setWindowTitle);
    window->installEventFilter(this);
}

bool ChildFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window_ && event->type() == QEvent::Close && !closing_) {
        event->ignore();
        close();
        return true;
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

void ChildFrame::closeUnchecked()
{
    unchecked_ = true;
    close();
}

void ChildFrame::closeEvent(QCloseEvent *event)
{
    if (!unchecked_ && !window_->canClose()) {
        event->ignore();
        followPointer();
        return;
    }
    closing_ = true;
    QMdiSubWindow::closeEvent(event);
    closing_ = false;
    if (event->isAccepted()) {
        isClosed_ = true;
        if (closed_)
            closed_(this);
    }
}

void ChildFrame::followPointer()
{
    // A message box of the closing steps took the pointer from the frame (it
    // heard the pointer leave). Answered by keyboard, the box closes under a
    // pointer that never moves, so the frame hears of no move: it would take
    // the next press on its close box for a press on nothing, and only the
    // release would tell it where the pointer is. It is told now.
    const QPoint global = QCursor::pos();
    const QPoint at = mapFromGlobal(global);
    if (!isVisible() || !rect().contains(at))
        return;
    QMouseEvent move(QEvent::MouseMove, at, global, Qt::NoButton, QGuiApplication::mouseButtons(),
                     QGuiApplication::keyboardModifiers());
    QCoreApplication::sendEvent(this, &move);
}

bool LeavesBox(const QWidget *box, const QFocusEvent *event)
{
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
        return false;
    // The focus has moved already when the box hears that it lost it.
    const auto *frame = qobject_cast<const QMdiSubWindow *>(QApplication::focusWidget());
    return !frame || !frame->isAncestorOf(box);
}

} // namespace kelvarino
