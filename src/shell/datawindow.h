#pragma once

#include "shell/appcontext.h"

#include <QList>
#include <QWidget>

class QMenu;

namespace kelvarino {

// A child window of the main window (flats, persons, per-mille, expenses, ...).
// While it is the active child, its own menus replace the main window's.
class DataWindow : public QWidget
{
public:
    explicit DataWindow(AppContext &context, QWidget *parent = nullptr) : QWidget(parent), context_(context) {}

    // The window's own menus, in menu-bar order; the window owns them.
    virtual QList<QMenu *> menus() const = 0;
    // The closing check: false refuses the close (the window has shown its own
    // message). The main window asks it before it closes the window and at shutdown.
    virtual bool canClose() { return true; }
    // Rebuilds the window from the shared data.
    virtual void showData() {}
    // The help topic of F1, 0 for none, and the section of its page that F1
    // opens (an anchor of the page), empty for the page's top.
    virtual int helpTopic() const { return 0; }
    virtual QString helpSection() const { return {}; }

protected:
    AppContext &context() const { return context_; }
    AppState &state() const { return context_.state; }
    const Platform &platform() const { return context_.platform; }

private:
    AppContext &context_;
};

} // namespace kelvarino
