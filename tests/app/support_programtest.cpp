#include "programtest.h"

#include "app/programwindows.h"
#include "register/windowopener.h"
#include "shell/pathparts.h"

#include <QApplication>
#include <QTest>

namespace kelvarino {

void ProgramTest::startProgram(QSize size)
{
    QVERIFY(dir_.isValid());
    state_.ProgramFolder = FolderWithSeparator(dir_.path());
    window_ = std::make_unique<MainWindow>(state_, doubles_.platform());
    BindProgramWindows(*window_);
    window_->finishStartUp();
    if (size.isValid())
        window_->resize(size);
    QApplication::setActiveWindow(window_.get());
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void ProgramTest::stopProgram()
{
    window_.reset();
    SetDataWindowOpener({});
}

} // namespace kelvarino
