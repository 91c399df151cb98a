#include "platform/qthelpservice.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>

namespace kelvarino {

QtHelpService::QtHelpService(QString helpFolder) : folder_(std::move(helpFolder)) {}

QtHelpService::~QtHelpService() { closeAll(); }

QString QtHelpService::pagePath(int topic) const
{
    return QDir(folder_).filePath(QString::number(topic) + QStringLiteral(".html"));
}

void QtHelpService::showTopic(int topic)
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
    const QString path = pagePath(topic);
    if (QFileInfo::exists(path)) {
        window_->setSearchPaths({folder_});
        window_->setSource(QUrl::fromLocalFile(path));
    } else {
        window_->setHtml(QStringLiteral("<p>Δεν υπάρχει σελίδα βοήθειας για το θέμα %1.</p>").arg(topic));
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void QtHelpService::closeAll()
{
    if (window_)
        window_->close();
}

} // namespace kelvarino
