#include "printing/previewwidgets.h"

#include "platform/twips.h"
#include "printing/pagesurface.h"
#include "printing/reportpreview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace kelvarino {

PreviewCanvas::PreviewCanvas(ReportPreview &preview, QWidget *parent) : QWidget(parent), preview_(preview)
{
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

void PreviewCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PainterSurface surface(painter, Twips::pixelsPerTwip(this));
    preview_.paintView(surface);
}

void PreviewCanvas::mousePressEvent(QMouseEvent *event)
{
    if (onPress)
        onPress(QPointF(event->position().x() / Twips::pixelsPerTwip(this),
                        event->position().y() / Twips::pixelsPerTwip(this)),
                event->button(), event->modifiers());
}

void PreviewCanvas::mouseMoveEvent(QMouseEvent *)
{
    if (onHover)
        onHover();
}

namespace {

QPixmap drawShape(PreviewImage::Shape shape)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 128), 2));
    painter.setBrush(QColor(0, 0, 160));
    QPainterPath path;
    switch (shape) {
    case PreviewImage::ArrowLeft:
        path.addPolygon(QPolygonF({{4, 12}, {16, 4}, {16, 20}}));
        break;
    case PreviewImage::ArrowRight:
        path.addPolygon(QPolygonF({{20, 12}, {8, 4}, {8, 20}}));
        break;
    case PreviewImage::ArrowUp:
        path.addPolygon(QPolygonF({{12, 4}, {4, 16}, {20, 16}}));
        break;
    case PreviewImage::ArrowDown:
        path.addPolygon(QPolygonF({{12, 20}, {4, 8}, {20, 8}}));
        break;
    case PreviewImage::Magnifier:
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(10, 10), 6, 6);
        painter.drawLine(QPointF(14.5, 14.5), QPointF(21, 21));
        return pixmap;
    case PreviewImage::Plus:
        painter.drawLine(QPointF(5, 12), QPointF(19, 12));
        painter.drawLine(QPointF(12, 5), QPointF(12, 19));
        return pixmap;
    case PreviewImage::Minus:
        painter.drawLine(QPointF(5, 12), QPointF(19, 12));
        return pixmap;
    }
    path.closeSubpath();
    painter.drawPath(path);
    return pixmap;
}

} // namespace

PreviewImage::PreviewImage(Shape shape, const QString &toolTip, QWidget *parent) : QLabel(parent)
{
    setPixmap(drawShape(shape));
    setToolTip(toolTip);
    setFixedSize(28, 28);
    setAlignment(Qt::AlignCenter);
    setMouseTracking(true);
}

void PreviewImage::setBorder(bool on)
{
    setFrameStyle(on ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
}

void PreviewImage::mousePressEvent(QMouseEvent *event)
{
    if (onPress)
        onPress(event->button(), event->modifiers());
}

void PreviewImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (onRelease)
        onRelease();
    if (onClick && rect().contains(event->position().toPoint()))
        onClick();
}

void PreviewImage::enterEvent(QEnterEvent *)
{
    if (onHover)
        onHover();
}

void ClickLabel::mousePressEvent(QMouseEvent *)
{
    if (onClick)
        onClick();
}

void ClickLabel::enterEvent(QEnterEvent *)
{
    if (onHover)
        onHover();
}

} // namespace kelvarino
