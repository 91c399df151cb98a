#include "platform/qthelpservice.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QScreen>
#include <QUrl>
#include <QWindow>

namespace kelvarino {

namespace {

// The desktop keeps only a dialog-type window above the window it belongs to
// (a plain window's owner is not told to it); the help window is not modal
// and keeps the buttons of a window.
constexpr Qt::WindowFlags HelpWindowFlags =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;

} // namespace

QtHelpService::QtHelpService(QString helpFolder) : folder_(std::move(helpFolder)) {}

QtHelpService::~QtHelpService()
{
    if (modalHolder_)
        modalHolder_->removeEventFilter(&watch_);
    closeAll();
}

QString QtHelpService::pagePath(int topic) const
{
    return QDir(folder_).filePath(QString::number(topic) + QStringLiteral(".html"));
}

QTextBrowser *QtHelpService::ensureWindow()
{
    if (!window_) {
        window_ = new QTextBrowser;
        window_->setAttribute(Qt::WA_DeleteOnClose);
        window_->setOpenExternalLinks(true);
        window_->setWindowTitle(QStringLiteral("Βοήθεια του Κελβαρίνο"));
        window_->resize(640, 560);
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            window_->move(area.right() - window_->width() - 20, area.top() + 40);
        }
    }
    return window_;
}

void QtHelpService::showTopic(int topic)
{
    QTextBrowser *window = ensureWindow();
    moveTo(currentHolder());
    const QString path = pagePath(topic);
    if (QFileInfo::exists(path)) {
        window->setSearchPaths({folder_});
        window->setSource(QUrl::fromLocalFile(path));
    } else {
        window->setHtml(QStringLiteral("<p>Δεν υπάρχει σελίδα βοήθειας για το θέμα %1.</p>").arg(topic));
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void QtHelpService::closeAll()
{
    if (window_)
        window_->close();
}

QWidget *QtHelpService::currentHolder() const
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return owner_;
}

// A window's own dialog-type child stands above it and is not blocked by it.
// Changing the parent hides a window, so an open help window is shown again
// where it stood.
void QtHelpService::moveTo(QWidget *holder)
{
    if (modalHolder_ && modalHolder_ != holder)
        modalHolder_->removeEventFilter(&watch_);
    modalHolder_ = holder != owner_ ? holder : nullptr;
    if (modalHolder_)
        modalHolder_->installEventFilter(&watch_);
    if (!window_ || window_->parentWidget() == holder)
        return;
    if (window_->isHidden()) {
        window_->setParent(holder, HelpWindowFlags);
        return;
    }
    const QRect place = window_->geometry(); // the page's area, without the desktop's frame
    window_->setParent(holder, HelpWindowFlags);
    // The hidden window was left by the desktop where its frame stood, which
    // the toolkit does not hear of: its place is set anew, through a
    // different one so that it reaches the desktop.
    if (QWindow *handle = window_->windowHandle()) {
        handle->setGeometry(place.translated(1, 0));
        handle->setGeometry(place);
    }
    window_->show();
}

// Closing a modal window hides it before it returns from its event loop and
// before it may be destroyed, and by then it is no longer the active modal
// window; the help window leaves it then, so it is neither hidden nor
// destroyed with it. (A minimised window's hiding is the desktop's and
// changes nothing.)
bool QtHelpService::HolderWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide && !event->spontaneous() && watched == service_.modalHolder_) {
        QWidget *next = service_.currentHolder();
        service_.moveTo(next != watched ? next : service_.owner_.data());
    }
    return false;
}

} // namespace kelvarino
