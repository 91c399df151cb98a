#pragma once

#include "platform/platform.h"
#include "shell/datawindow.h"
#include "shell/mainwindow.h"

#include <QObject>
#include <QSize>
#include <QTemporaryDir>

#include <memory>

namespace kelvarino {

// The base of a test that drives the program through its real main window,
// with the program's windows bound, over a work whose program folder is a
// temporary one.
class ProgramTest : public QObject
{
protected:
    // Opens the main window as the program starts (at `size`, when given) and
    // makes it the active one.
    void startProgram(QSize size = {});
    // Closes the main window and forgets the opener of the data windows.
    void stopProgram();

    // The open data window of type W; nullptr when none is open.
    template <class W>
    W *openWindow() const
    {
        for (DataWindow *open : window_->childWindows())
            if (auto *w = dynamic_cast<W *>(open))
                return w;
        return nullptr;
    }

    QTemporaryDir dir_;
    TestPlatform doubles_;
    AppState state_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace kelvarino
