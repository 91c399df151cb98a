#pragma once

#include "core/appstate.h"

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>

#include <array>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace kelvarino {

// The main window's menu tree: every item with its name, caption, shortcut
// and help topic (F1 on a highlighted item opens it), and the captions that
// follow the data (record counts, category labels, recent files).
class MainMenus : public QObject
{
public:
    // `run` receives the item's name when it is chosen ("recentFile(3)" for
    // the items of the two arrays); `showHelp` a help topic.
    MainMenus(QWidget *owner, std::function<void(const QString &)> run, std::function<void(int)> showHelp);

    QAction *action(const QString &name) const { return actions_.value(name); }
    QMenu *menu(const QString &name) const { return menus_.value(name); }
    // The menus and commands of the menu bar, in order.
    const QList<QAction *> &barActions() const { return bar_; }

    // Enables a command whose window now exists (all six items of the per-mille menu).
    void enableCommand(const QString &command);
    void showCounts(const BuildingData &work);
    void showRecentFiles(const std::array<RecentFile, RecentFileCount> &recent);
    bool recentFileShown() const;

    static QString indexed(const QString &name, int index);
    // Text from the data shown as a caption: '&' is no mnemonic there.
    static QString menuText(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();
    QMenu *addMenu(const QString &name, const QString &caption, int helpTopic = 0);
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &key = {},
                     int helpTopic = 0);
    QAction *addBarItem(const QString &name, const QString &caption);
    void addSeparator(QMenu *menu, const QString &name);

    QWidget *owner_;
    std::function<void(const QString &)> run_;
    std::function<void(int)> showHelp_;
    QHash<QString, QAction *> actions_;
    QHash<QString, QMenu *> menus_;
    QList<QAction *> bar_;
};

} // namespace kelvarino
