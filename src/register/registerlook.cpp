#include "register/registerlook.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QToolButton>

namespace kelvarino {

void ApplyWindowBackground(QWidget *window, const QColor &colour)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, colour);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

QLabel *MakeHeaderLabel(QWidget *parent, const QString &text, const QColor &colour, double pointSize)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("QLabel { color: white; background-color: %1; border: 1px solid black;"
                                        " font-weight: bold; font-size: %2pt; }")
                             .arg(colour.name())
                             .arg(pointSize));
    return label;
}

QString RowNumberStyle(bool focused)
{
    return QStringLiteral("QLabel { color: #0000ff; background-color: %1; border: 1px solid black; }")
        .arg(focused ? QStringLiteral("#ffff00") : QStringLiteral("#ffffff"));
}

QLabel *MakeRowNumberLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(RowNumberStyle(false));
    return label;
}

QLineEdit *MakeCellEdit(QWidget *parent, const QColor &textColour, bool bold)
{
    auto *box = new QLineEdit(parent);
    box->setStyleSheet(QStringLiteral("QLineEdit { color: %1; background-color: white; border: 1px solid #808080;"
                                      " padding: 0px 2px; %2 }"
                                      " QLineEdit:disabled { color: #808080; background-color: #f0f0f0; }")
                           .arg(textColour.name(), bold ? QStringLiteral("font-weight: bold;") : QString()));
    return box;
}

QToolButton *MakeImageButton(QWidget *parent, const QIcon &icon, const QString &toolTip)
{
    auto *button = new QToolButton(parent);
    button->setIcon(icon);
    button->setAutoRaise(true);
    button->setToolTip(toolTip);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

namespace {

QPixmap canvas()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QIcon DeleteIcon()
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(6, 7, 20, 3);                // lid
    p.drawRect(13, 3, 6, 4);                // handle
    QPainterPath bin;
    bin.moveTo(8, 11);
    bin.lineTo(24, 11);
    bin.lineTo(22, 29);
    bin.lineTo(10, 29);
    bin.closeSubpath();
    p.drawPath(bin);
    p.drawLine(13, 14, 13, 26);
    p.drawLine(16, 14, 16, 26);
    p.drawLine(19, 14, 19, 26);
    return QIcon(pixmap);
}

QIcon CreateIcon()
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(80, 80, 80), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(4, 3, 18, 25); // the sheet
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (int y = 9; y <= 23; y += 4)
        p.drawLine(7, y, 19, y);
    p.translate(20, 16);
    p.rotate(45);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(240, 190, 40));
    p.drawRect(-3, -14, 6, 20); // the pencil
    p.setBrush(QColor(230, 180, 140));
    QPainterPath tip;
    tip.moveTo(-3, 6);
    tip.lineTo(3, 6);
    tip.lineTo(0, 12);
    tip.closeSubpath();
    p.drawPath(tip);
    return QIcon(pixmap);
}

QIcon ContactIcon()
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 70, 140), 1.5));
    p.setBrush(QColor(225, 235, 255));
    p.drawRoundedRect(2, 6, 28, 20, 3, 3); // the card
    p.setBrush(QColor(40, 70, 140));
    p.drawEllipse(6, 10, 7, 7); // head
    p.drawChord(4, 17, 11, 10, 0, 180 * 16);
    p.setPen(QPen(QColor(40, 70, 140), 2));
    p.drawLine(17, 12, 26, 12);
    p.drawLine(17, 17, 26, 17);
    p.drawLine(17, 22, 23, 22);
    return QIcon(pixmap);
}

} // namespace kelvarino
