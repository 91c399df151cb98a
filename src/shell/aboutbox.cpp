#include "shell/aboutbox.h"

#include "platform/desktopopening.h"
#include "shell/builtinpictures.h"
#include "shell/programtitle.h"

#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace kelvarino {

QUrl AboutBox::makerPage(const QString &programFolder)
{
    return QUrl::fromLocalFile(programFolder + QStringLiteral("help/about.html"));
}

AboutBox::AboutBox(const AppContext &context, QWidget *parent)
    : QDialog(parent), context_(context), picture_(new QLabel), closeButton_(new QPushButton(QStringLiteral("OK")))
{
    setWindowTitle(MakerName() + QLatin1Char('/') + ProgramTitle());
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(64, 64, 64));
    setPalette(colours);

    auto *menus = new QMenuBar(this);
    QAction *warranty = menus->addAction(QStringLiteral("Εγγύηση"));
    connect(warranty, &QAction::triggered, this, [this] { context_.platform.help->showTopic(37); });

    // The picture is shown at three quarters of its size, which keeps the
    // box within small screens.
    const QImage art = BuiltInPictures::about();
    picture_->setPixmap(QPixmap::fromImage(art.scaled(art.size() * 3 / 4, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    picture_->setCursor(Qt::PointingHandCursor);
    picture_->setToolTip(QStringLiteral("κλικ για μετάβαση στην ιστοσελίδα της ") + MakerName());
    picture_->installEventFilter(this);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->addWidget(picture_);
    layout->addWidget(closeButton_);
    setFixedSize(sizeHint());
    if (parent) {
        const QRect owner = parent->frameGeometry();
        move(owner.center().x() - width() / 2, owner.center().y() - height() / 2);
    }
}

bool AboutBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == picture_ && event->type() == QEvent::MouseButtonPress) {
        OpenPageOnDesktop(context_.platform, makerPage(context_.state.ProgramFolder));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kelvarino
