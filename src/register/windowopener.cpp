#include "register/windowopener.h"

#include "shell/datawindow.h"

#include <QCloseEvent>

#include <QMdiSubWindow>

namespace kelvarino {

namespace {
DataWindowOpener &opener()
{
    static DataWindowOpener current;
    return current;
}
} // namespace

void SetDataWindowOpener(DataWindowOpener newOpener)
{
    opener() = std::move(newOpener);
}

void OpenDataWindow(DataWindow *window)
{
    if (opener()) {
        opener()(window);
        return;
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

bool CloseDataWindow(QWidget *window)
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(window->parentWidget()))
        return frame->close();
    return window->close();
}

void CheckedClose(QCloseEvent *event, bool &approved, const std::function<bool()> &check, ShellServices *shell)
{
    if (!approved && !check()) {
        event->ignore();
        return;
    }
    approved = false;
    if (shell)
        shell->updateMenuCounts();
    event->accept();
}

} // namespace kelvarino
