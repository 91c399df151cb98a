#pragma once

#include <QObject>

class QWidget;

namespace kelvarino {

// Makes a window cover the screen's available area with its frame: under a
// window manager the title bar and borders come off the window's own size,
// so no part of it (the bottom strip of a report window) lies off the screen.
// The frame is known only once the window manager has framed the window: the
// window is placed at once with the frame of the program's other windows, and
// placed again if its own frame turns out to differ.
class ScreenCover : public QObject
{
public:
    static void apply(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit ScreenCover(QWidget *window);
    // Places the window; true when its own frame was known.
    bool place();

    QWidget *window_;
};

} // namespace kelvarino
