#pragma once

#include "platform/desktopservices.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTextBrowser>


namespace kelvarino {

// Shows the program's own help pages, one HTML page per topic number
// ("<topic>.html" in the help folder), in one help window, at the section
// asked for.
//
// The help window is an ordinary window of the desktop, tied to no other
// window there, so that minimising it minimises nothing else (a desktop
// minimises a dialog-type window together with the windows it belongs to).
// Within the program it belongs to the window that asked for it: to the modal
// window that is open (whose modality does not block its own windows),
// otherwise to the owner (the main window). When that modal window closes,
// the help window goes back to the next modal window or the owner, where it
// stays open as it was.
//
// It stands above every window of the program while it takes input, whatever
// is clicked: above its modal window and whatever lies below it (a preview
// that covers the screen included). A modal window opened after it, such as a
// message box, blocks it and comes above it; when that closes, the help
// window stands above again. While another program is active it stands as
// any window does.
class QtHelpService final : public HelpService
{
public:
    explicit QtHelpService(QString helpFolder);
    ~QtHelpService() override;

    using HelpService::showTopic;
    void showTopic(int topic, const QString &section) override;
    void closeAll() override;

    // The window the help window belongs to while no modal window is open.
    void setOwner(QWidget *owner) { owner_ = owner; }

    QString pagePath(int topic) const;
    // The open help window, if any.
    QTextBrowser *window() const { return window_; }

private:
    // Hears the modal window that holds the help window closing, the help
    // window being blocked or freed by a modal window, and the program being
    // activated or left.
    class Watch final : public QObject
    {
    public:
        explicit Watch(QtHelpService &service);
        bool eventFilter(QObject *watched, QEvent *event) override;

    private:
        QtHelpService &service_;
    };

    QTextBrowser *ensureWindow();
    // The modal window open now, else the owner.
    QWidget *currentHolder() const;
    void moveTo(QWidget *holder);
    // Whether a modal window of the program blocks the help window's input.
    bool blocked() const;
    // Keeps the help window above the program's windows while it takes input
    // and the program is active.
    void updateStacking();

    QString folder_;
    QPointer<QWidget> owner_;
    QPointer<QTextBrowser> window_;
    QPointer<QWidget> modalHolder_; // the modal window that holds the help window, if one does
    Watch watch_{*this};
};

} // namespace kelvarino
