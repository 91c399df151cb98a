#include "shell/passworddialog.h"

#include "platform/twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace kelvarino {

namespace {

// The surface below the menu is the window's outer size less a typical frame,
// title bar and menu bar.
constexpr int FrameTwips = 120;
constexpr int CaptionAndMenuTwips = 690;

} // namespace

PasswordDialog::PasswordDialog(const Platform &platform, int widthTwips, int heightTwips, QWidget *parent)
    : QDialog(parent), platform_(platform), surface_(new QWidget(this))
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    setFont(font);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(192, 255, 255));
    setPalette(colours);

    auto *menus = new QMenuBar(this);
    QAction *help = menus->addAction(QStringLiteral("Βοήθεια"));
    QAction *exit = menus->addAction(QStringLiteral("Έξοδος"));
    connect(help, &QAction::triggered, this, [this] {
        if (platform_.help)
            platform_.help->showTopic(HelpTopic);
    });
    connect(exit, &QAction::triggered, this, &QDialog::reject);
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, help, &QAction::trigger);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menus);
    layout->addWidget(surface_);
    surface_->setFixedSize(Twips::toPixels(widthTwips - FrameTwips, this),
                           Twips::toPixels(heightTwips - CaptionAndMenuTwips, this));
    setFixedSize(sizeHint());
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center().x() - width() / 2, area.center().y() - height() / 2);
    }
}

QLabel *PasswordDialog::addLabel(const QString &text, int left, int top, int width, int height,
                                 Qt::Alignment alignment, QColor textColour, QColor background)
{
    auto *label = new QLabel(text, surface_);
    label->setGeometry(Twips::toPixels(left, this), Twips::toPixels(top, this), Twips::toPixels(width, this),
                       Twips::toPixels(height, this));
    label->setAlignment(alignment | Qt::AlignVCenter);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, textColour);
    if (background.isValid()) {
        colours.setColor(QPalette::Window, background);
        label->setAutoFillBackground(true);
    }
    label->setPalette(colours);
    return label;
}

QLineEdit *PasswordDialog::addPasswordBox(int left, int top, int width, int height)
{
    auto *box = new QLineEdit(surface_);
    box->setEchoMode(QLineEdit::Password);
    box->setGeometry(Twips::toPixels(left, this), Twips::toPixels(top, this), Twips::toPixels(width, this),
                     std::max(Twips::toPixels(height, this), box->sizeHint().height()));
    return box;
}

QPushButton *PasswordDialog::addButton(const QString &text, int left, int top, int width, int height)
{
    auto *button = new QPushButton(text, surface_);
    button->setGeometry(Twips::toPixels(left, this), Twips::toPixels(top, this), Twips::toPixels(width, this),
                        Twips::toPixels(height, this));
    button->setDefault(true);
    button->setAutoDefault(true);
    return button;
}

void PasswordDialog::done(int result)
{
    if (platform_.help)
        platform_.help->closeAll();
    QDialog::done(result);
}

} // namespace kelvarino
