#include "platform/screencover.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace kelvarino {

namespace {

QMargins FrameOf(const QWidget *window)
{
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// The frame the window manager gives the program's windows, as one shown
// window has it; none before any is framed (or without a window manager).
QMargins FrameOfShownWindows(const QWidget *except)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget *window : windows) {
        if (window == except || !window->isVisible())
            continue;
        const QMargins frame = FrameOf(window);
        if (!frame.isNull())
            return frame;
    }
    return {};
}

} // namespace

ScreenCover::ScreenCover(QWidget *window) : QObject(window), window_(window) {}

void ScreenCover::apply(QWidget *window)
{
    auto *cover = new ScreenCover(window);
    if (!cover->place())
        window->installEventFilter(cover);
    else
        cover->deleteLater();
}

bool ScreenCover::place()
{
    const QScreen *screen = window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return true;
    const QMargins own = window_->isVisible() ? FrameOf(window_) : QMargins();
    const QMargins frame = own.isNull() ? FrameOfShownWindows(window_) : own;
    // The window's own rectangle that, with its frame, fills the available area.
    const QRect wanted = screen->availableGeometry().marginsRemoved(frame);
    if (own.isNull() && !window_->testAttribute(Qt::WA_WState_Created)) {
        // Not framed yet: the window asks for the place of its frame's corner.
        // The window manager puts the frame there and moves the window in by
        // the frame, which places it once more, now with its own frame. (A
        // window placed by its own corner would stay where it is, and its
        // title bar would lie above the screen's edge.)
        window_->resize(wanted.size());
        window_->move(wanted.topLeft() - QPoint(frame.left(), frame.top()));
    } else if (window_->geometry() != wanted) {
        window_->setGeometry(wanted);
    }
    return !own.isNull();
}

bool ScreenCover::eventFilter(QObject *watched, QEvent *event)
{
    // The window manager frames a shown window, and moves it by the frame,
    // some time after it is shown: the first event that finds the frame
    // places the window once more, for good. Without a window manager there
    // is no frame, and the window keeps the place and size it was given.
    if (watched == window_
        && (event->type() == QEvent::Show || event->type() == QEvent::Move || event->type() == QEvent::Resize)
        && window_->isVisible() && !FrameOf(window_).isNull()) {
        window_->removeEventFilter(this);
        place();
        deleteLater();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kelvarino
