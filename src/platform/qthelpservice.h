#pragma once

#include "platform/desktopservices.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTextBrowser>


namespace kelvarino {

// Shows the program's own help pages, one HTML page per topic number
// ("<topic>.html" in the help folder), in one help window.
//
// The help window belongs to the window that asked for it, so that it stands
// above that window: to the modal window that is open (as its own dialog-type
// child, which the modal window does not block), otherwise to the owner (the
// main window). When that modal window closes, the help window goes back to
// the next modal window or the owner, where it stays open as it was.
class QtHelpService final : public HelpService
{
public:
    explicit QtHelpService(QString helpFolder);
    ~QtHelpService() override;

    void showTopic(int topic) override;
    void closeAll() override;

    // The window the help window belongs to while no modal window is open.
    void setOwner(QWidget *owner) { owner_ = owner; }

    QString pagePath(int topic) const;
    // The open help window, if any.
    QTextBrowser *window() const { return window_; }

private:
    // Hears the modal window that holds the help window closing.
    class HolderWatch final : public QObject
    {
    public:
        explicit HolderWatch(QtHelpService &service) : service_(service) {}
        bool eventFilter(QObject *watched, QEvent *event) override;

    private:
        QtHelpService &service_;
    };

    QTextBrowser *ensureWindow();
    // The modal window open now, else the owner.
    QWidget *currentHolder() const;
    void moveTo(QWidget *holder);

    QString folder_;
    QPointer<QWidget> owner_;
    QPointer<QTextBrowser> window_;
    QPointer<QWidget> modalHolder_; // the modal window that holds the help window, if one does
    HolderWatch watch_{*this};
};

} // namespace kelvarino
