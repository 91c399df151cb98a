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

// An ordinary window with the buttons of one; the stays-on-top hint comes and
// goes with updateStacking().
constexpr Qt::WindowFlags HelpWindowFlags =
    Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;

} // namespace

QtHelpService::Watch::Watch(QtHelpService &service) : service_(service)
{
    if (qApp)
        connect(qApp, &QGuiApplication::applicationStateChanged, this, [this] { service_.updateStacking(); });
}

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
        window_->setWindowFlags(HelpWindowFlags);
        window_->setAttribute(Qt::WA_DeleteOnClose);
        window_->setOpenExternalLinks(true);
        window_->setWindowTitle(QStringLiteral("Βοήθεια του Κελβαρίνο"));
        window_->resize(640, 560);
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            window_->move(area.right() - window_->width() - 20, area.top() + 40);
        }
        window_->installEventFilter(&watch_);
    }
    return window_;
}

void QtHelpService::showTopic(int topic, const QString &section)
{
    QTextBrowser *window = ensureWindow();
    moveTo(currentHolder());
    const QString path = pagePath(topic);
    if (QFileInfo::exists(path)) {
        QUrl page = QUrl::fromLocalFile(path);
        if (!section.isEmpty())
            page.setFragment(section);
        window->setSearchPaths({folder_});
        window->setSource(page);
    } else {
        window->setHtml(QStringLiteral("<p>Δεν υπάρχει σελίδα βοήθειας για το θέμα %1.</p>").arg(topic));
    }
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    updateStacking();
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

// The window's place among the program's windows is its transient parent:
// the toolkit lets a modal window's own windows take input, and tells the
// desktop nothing of the tie for an ordinary window. Changing the parent
// hides a window, so an open help window is shown again where it stood.
void QtHelpService::moveTo(QWidget *holder)
{
    if (modalHolder_ && modalHolder_ != holder)
        modalHolder_->removeEventFilter(&watch_);
    modalHolder_ = holder != owner_ ? holder : nullptr;
    if (modalHolder_)
        modalHolder_->installEventFilter(&watch_);
    if (!window_ || window_->parentWidget() == holder)
        return;
    const Qt::WindowFlags flags = window_->windowFlags();
    if (window_->isHidden()) {
        window_->setParent(holder, flags);
        return;
    }
    const QRect place = window_->geometry(); // the page's area, without the desktop's frame
    window_->setParent(holder, flags);
    // The hidden window was left by the desktop where its frame stood, which
    // the toolkit does not hear of: its place is set anew, through a
    // different one so that it reaches the desktop.
    if (QWindow *handle = window_->windowHandle()) {
        handle->setGeometry(place.translated(1, 0));
        handle->setGeometry(place);
    }
    window_->show();
    updateStacking();
}

bool QtHelpService::blocked() const
{
    const QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !window_)
        return false;
    for (const QWindow *w = window_->windowHandle(); w; w = w->transientParent())
        if (w == modal->windowHandle())
            return false;
    return true;
}

// The desktop keeps a window that asks to stay on top above all ordinary
// windows, whichever of them is clicked or raised; the hint changes on the
// shown window without hiding it.
void QtHelpService::updateStacking()
{
    if (!window_)
        return;
    const bool above = !blocked() && QGuiApplication::applicationState() == Qt::ApplicationActive;
    Qt::WindowFlags flags = window_->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, above);
    if (flags == window_->windowFlags())
        return;
    window_->overrideWindowFlags(flags);
    if (QWindow *handle = window_->windowHandle())
        handle->setFlags(flags);
}

// Closing a modal window hides it before it returns from its event loop and
// before it may be destroyed, and by then it is no longer the active modal
// window; the help window leaves it then, so it is neither hidden nor
// destroyed with it. (A minimised window's hiding is the desktop's and
// changes nothing.)
bool QtHelpService::Watch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide && !event->spontaneous() && watched == service_.modalHolder_) {
        QWidget *next = service_.currentHolder();
        service_.moveTo(next != watched ? next : service_.owner_.data());
    } else if ((event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowUnblocked)
               && watched == service_.window_) {
        service_.updateStacking();
    }
    return false;
}

} // namespace kelvarino
