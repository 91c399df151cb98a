#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;

namespace kelvarino {

// The look shared by the register windows: coloured header labels, bordered
// row numbers, flat cells and the small image buttons.

void ApplyWindowBackground(QWidget *window, const QColor &colour);
// White bold centred text on the colour, with a thin border.
QLabel *MakeHeaderLabel(QWidget *parent, const QString &text, const QColor &colour, double pointSize = 8.25);
QLabel *MakeRowNumberLabel(QWidget *parent);
QString RowNumberStyle(bool focused); // yellow while a box of the row has the focus
QLineEdit *MakeCellEdit(QWidget *parent, const QColor &textColour = Qt::black, bool bold = false);
// An image that shows a border while the pointer is over it.
QToolButton *MakeImageButton(QWidget *parent, const QIcon &icon, const QString &toolTip);

QIcon DeleteIcon();  // a waste bin
QIcon CreateIcon();  // a pencil over a sheet
QIcon ContactIcon(); // an address card

} // namespace kelvarino
