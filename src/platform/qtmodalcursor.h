#pragma once

#include <QApplication>

namespace kelvarino {

// While a command shows the hourglass, a modal window opened by it gets the
// normal pointer for as long as this object lives.
class QtModalCursor
{
public:
    QtModalCursor() : active_(QApplication::overrideCursor() != nullptr)
    {
        if (active_)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~QtModalCursor()
    {
        if (active_)
            QApplication::restoreOverrideCursor();
    }
    QtModalCursor(const QtModalCursor &) = delete;
    QtModalCursor &operator=(const QtModalCursor &) = delete;

private:
    bool active_;
};

} // namespace kelvarino
