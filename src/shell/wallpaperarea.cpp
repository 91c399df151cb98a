#include "shell/wallpaperarea.h"

#include <QPaintEvent>
#include <QPainter>

namespace kelvarino {

WallpaperArea::WallpaperArea(QWidget *parent) : QMdiArea(parent), background_(0, 128, 128) {}

void WallpaperArea::setWallpaper(const QImage &picture, const QColor &background)
{
    picture_ = picture;
    background_ = background;
    viewport()->update();
}

void WallpaperArea::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), background_);
    if (!picture_.isNull())
        painter.drawImage(QPoint(0, 0), picture_);
}

} // namespace kelvarino
