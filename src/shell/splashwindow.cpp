#include "shell/splashwindow.h"

#include "platform/twips.h"
#include "shell/builtinpictures.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace kelvarino {

SplashWindow::SplashWindow(bool enterByItself, std::function<void()> enter, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      prism_(new QLabel(this)),
      clickArea_(new QWidget(this)),
      portrait_(new QLabel(this)),
      enter_(std::move(enter))
{
    setWindowTitle(QStringLiteral("Κελβαρίνο"));
    // The splash picture, painted when the program was built.
    const QPixmap picture(QStringLiteral(":/pictures/splash.png"));
    prism_->setPixmap(picture);
    prism_->setGeometry(0, 0, picture.width(), picture.height());
    prism_->installEventFilter(this);
    setFixedSize(picture.size());
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center().x() - width() / 2, area.center().y() - height() / 2);
    }

    // The click area covers the picture right of the width D; the portrait is
    // a square of side D at the left edge, vertically centred.
    const int d = width() - Twips::toPixels(4990 + 150, this);
    clickArea_->setGeometry(d, 0, width() - d, height());
    clickArea_->setCursor(Qt::PointingHandCursor);
    clickArea_->setToolTip(QStringLiteral("κλικ για είσοδο"));
    clickArea_->installEventFilter(this);
    portrait_->setScaledContents(true);
    portrait_->setGeometry(0, height() / 2 - d / 2, d, d);
    portrait_->hide();
    portrait_->installEventFilter(this);

    enterTimer_.setInterval(30);
    connect(&enterTimer_, &QTimer::timeout, this, &SplashWindow::enterProgram);
    if (enterByItself)
        enterTimer_.start();
}

void SplashWindow::enterProgram()
{
    enterTimer_.stop();
    if (!enter_)
        return;
    auto enter = std::move(enter_);
    enter_ = nullptr;
    close();
    enter();
}

bool SplashWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return QWidget::eventFilter(watched, event);
    if (watched == clickArea_) {
        enterProgram();
        return true;
    }
    if (watched == portrait_) {
        portrait_->hide();
        return true;
    }
    if (watched == prism_ && static_cast<QMouseEvent *>(event)->modifiers() == Qt::ShiftModifier) {
        // Painted the first time it is shown.
        if (portrait_->pixmap().isNull())
            portrait_->setPixmap(QPixmap::fromImage(BuiltInPictures::portrait()));
        portrait_->show();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kelvarino
