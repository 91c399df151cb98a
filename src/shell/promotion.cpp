#include "shell/promotion.h"

#include "platform/twips.h"
#include "shell/builtinpictures.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace kelvarino {

promotion::promotion(bool enterByItself, std::function<void()> enter, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      prism_(new QLabel(this)),
      image1_(new QWidget(this)),
      myface_(new QLabel(this)),
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
    image1_->setGeometry(d, 0, width() - d, height());
    image1_->setCursor(Qt::PointingHandCursor);
    image1_->setToolTip(QStringLiteral("κλικ για είσοδο"));
    image1_->installEventFilter(this);
    myface_->setScaledContents(true);
    myface_->setGeometry(0, height() / 2 - d / 2, d, d);
    myface_->hide();
    myface_->installEventFilter(this);

    timer1_.setInterval(30);
    connect(&timer1_, &QTimer::timeout, this, &promotion::Image1_Click);
    if (enterByItself)
        timer1_.start();
}

void promotion::Image1_Click()
{
    timer1_.stop();
    if (!enter_)
        return;
    auto enter = std::move(enter_);
    enter_ = nullptr;
    close();
    enter();
}

bool promotion::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return QWidget::eventFilter(watched, event);
    if (watched == image1_) {
        Image1_Click();
        return true;
    }
    if (watched == myface_) {
        myface_->hide();
        return true;
    }
    if (watched == prism_ && static_cast<QMouseEvent *>(event)->modifiers() == Qt::ShiftModifier) {
        // Painted the first time it is shown.
        if (myface_->pixmap().isNull())
            myface_->setPixmap(QPixmap::fromImage(BuiltInPictures::portrait()));
        myface_->show();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kelvarino
