#include "register/datamenu.h"

#include "shell/appcontext.h"
#include "register/windowopener.h"

#include <QMenu>

namespace kelvarino {

QMenu *NewDataMenu(QWidget *window, ShellServices *shell, bool saveAsShortcut, std::function<void()> beforeSave)
{
    auto *menu = new QMenu(QStringLiteral("Δεδομένα"), window);
    QAction *save = menu->addAction(QStringLiteral("Αποθήκευση"));
    save->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    QObject::connect(save, &QAction::triggered, window, [window, shell, beforeSave] {
        if (beforeSave)
            beforeSave();
        if (shell)
            shell->saveDataFile(window);
    });
    QAction *saveAs = menu->addAction(QStringLiteral("Αποθήκευση ως ..."));
    if (saveAsShortcut)
        saveAs->setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));
    QObject::connect(saveAs, &QAction::triggered, window, [window, shell, beforeSave] {
        if (beforeSave)
            beforeSave();
        if (shell)
            shell->saveDataFileAs(window);
    });
    menu->addSeparator();
    return menu;
}

void AddCloseItem(QMenu *menu, QWidget *window)
{
    QAction *close = menu->addAction(QStringLiteral("Κλείσιμο του παραθύρου"));
    close->setShortcut(QKeySequence(QStringLiteral("Ctrl+F4")));
    QObject::connect(close, &QAction::triggered, window, [window] { CloseDataWindow(window); });
}

} // namespace kelvarino
