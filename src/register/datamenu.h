#pragma once

#include <functional>

class QMenu;
class QWidget;

namespace kelvarino {

class ShellServices;

// The menu "Δεδομένα" that every register window begins with: "Αποθήκευση"
// (Ctrl+S) and "Αποθήκευση ως ..." (Ctrl+A where the window offers it).
// beforeSave, when given, runs first (a window stores the box being typed).
QMenu *NewDataMenu(QWidget *window, ShellServices *shell, bool saveAsShortcut,
                   std::function<void()> beforeSave = {});
// "Κλείσιμο του παραθύρου" (Ctrl+F4), which closes the window through its closing check.
void AddCloseItem(QMenu *menu, QWidget *window);

} // namespace kelvarino
