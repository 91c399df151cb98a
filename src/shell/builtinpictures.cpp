#include "shell/builtinpictures.h"
#include "shell/programtitle.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace kelvarino {

namespace {

void paintSky(QPainter &p, const QRectF &area, QColor top, QColor bottom)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, top);
    sky.setColorAt(1, bottom);
    p.fillRect(area, sky);
}

void paintSun(QPainter &p, QPointF centre, qreal radius)
{
    QRadialGradient glow(centre, radius * 2.2);
    glow.setColorAt(0, QColor(255, 236, 170, 200));
    glow.setColorAt(1, QColor(255, 236, 170, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius * 2.2, radius * 2.2);
    p.setBrush(QColor(255, 214, 120));
    p.drawEllipse(centre, radius, radius);
}

// A block of flats standing on the bottom edge of its rectangle: floors of
// windows with balconies, a flat roof with a water tank, an entrance.
void paintBuilding(QPainter &p, const QRectF &body, int floors, int columns, QColor wall, quint32 seed)
{
    p.setPen(Qt::NoPen);
    p.setBrush(wall.darker(115));
    p.drawRect(QRectF(body.left() - body.width() * 0.02, body.top() - body.height() * 0.02, body.width() * 1.04,
                      body.height() * 0.025));
    p.setBrush(wall);
    p.drawRect(body);
    // Shade on the right side gives the block some depth.
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRect(QRectF(body.right() - body.width() * 0.12, body.top(), body.width() * 0.12, body.height()));

    const qreal floorHeight = body.height() / (floors + 0.6);
    const qreal cell = body.width() / columns;
    for (int f = 0; f < floors; ++f) {
        const qreal top = body.top() + floorHeight * (f + 0.35);
        for (int c = 0; c < columns; ++c) {
            seed = seed * 1103515245u + 12345u;
            const bool lit = (seed >> 16) % 5 < 2;
            const QRectF window(body.left() + cell * c + cell * 0.2, top, cell * 0.6, floorHeight * 0.55);
            p.setBrush(lit ? QColor(255, 222, 140) : QColor(70, 96, 130));
            p.drawRect(window);
            p.setBrush(QColor(255, 255, 255, 70));
            p.drawRect(QRectF(window.left(), window.top(), window.width() * 0.5, window.height()));
        }
        // A balcony rail along the floor.
        p.setBrush(wall.darker(135));
        p.drawRect(QRectF(body.left() - cell * 0.05, top + floorHeight * 0.6, body.width() + cell * 0.1,
                          floorHeight * 0.07));
    }
    // Entrance.
    p.setBrush(QColor(90, 60, 40));
    const qreal doorWidth = cell * 0.8;
    p.drawRect(QRectF(body.center().x() - doorWidth / 2, body.bottom() - floorHeight * 0.55, doorWidth,
                      floorHeight * 0.55));
    // Water tank and solar panel on the roof.
    p.setBrush(QColor(220, 220, 225));
    p.drawEllipse(QRectF(body.left() + body.width() * 0.15, body.top() - floorHeight * 0.45, cell * 0.9,
                         floorHeight * 0.4));
    p.setBrush(QColor(40, 60, 110));
    QPainterPath panel;
    panel.moveTo(body.left() + body.width() * 0.55, body.top() - body.height() * 0.02);
    panel.lineTo(body.left() + body.width() * 0.85, body.top() - body.height() * 0.02);
    panel.lineTo(body.left() + body.width() * 0.8, body.top() - floorHeight * 0.5);
    panel.lineTo(body.left() + body.width() * 0.6, body.top() - floorHeight * 0.5);
    panel.closeSubpath();
    p.drawPath(panel);
}

void paintStreet(QPainter &p, const QRectF &area)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 62, 66));
    p.drawRect(area);
    p.setBrush(QColor(200, 200, 190));
    for (qreal x = area.left() + 10; x < area.right(); x += area.width() / 12)
        p.drawRect(QRectF(x, area.center().y() - 2, area.width() / 24, 4));
}

void paintTitle(QPainter &p, const QRectF &area, const QString &text, int pixelSize, QColor colour)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(area.translated(2, 2), Qt::AlignCenter, text);
    p.setPen(colour);
    p.drawText(area, Qt::AlignCenter, text);
}

void paintTown(QPainter &p, const QRectF &area)
{
    const qreal w = area.width();
    const qreal h = area.height();
    const qreal ground = area.top() + h * 0.86;
    paintBuilding(p, QRectF(area.left() + w * 0.05, area.top() + h * 0.42, w * 0.2, ground - area.top() - h * 0.42),
                  6, 4, QColor(214, 196, 170), 7);
    paintBuilding(p, QRectF(area.left() + w * 0.38, area.top() + h * 0.22, w * 0.26, ground - area.top() - h * 0.22),
                  9, 5, QColor(236, 226, 206), 11);
    paintBuilding(p, QRectF(area.left() + w * 0.74, area.top() + h * 0.5, w * 0.2, ground - area.top() - h * 0.5),
                  5, 4, QColor(196, 210, 214), 23);
    paintStreet(p, QRectF(area.left(), ground, w, area.bottom() - ground));
}

} // namespace

QImage BuiltInPictures::wallpaper() { return wallpaper(QSize(1023, 769)); }

QImage BuiltInPictures::wallpaper(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on the design's 1023 x 769 grid, stretched to the size asked for.
    p.scale(size.width() / 1023.0, size.height() / 769.0);
    const QRectF area(0, 0, 1023, 769);
    paintSky(p, area, QColor(38, 110, 150), QColor(170, 214, 222));
    paintSun(p, QPointF(area.width() * 0.85, area.height() * 0.15), 34);
    paintTown(p, area);
    paintTitle(p, QRectF(0, area.height() * 0.04, area.width(), 70), ProgramName(), 52, QColor(255, 255, 255));
    p.end();
    return image;
}

QImage BuiltInPictures::splash()
{
    QImage image(600, 360, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(image.rect());
    paintSky(p, area, QColor(24, 70, 110), QColor(120, 180, 200));
    paintSun(p, QPointF(90, 70), 24);
    paintTown(p, QRectF(0, 60, 340, 300));
    paintStreet(p, QRectF(0, 318, area.width(), 42));
    paintTitle(p, QRectF(330, 90, 260, 60), ProgramName(), 40, QColor(255, 255, 255));
    paintTitle(p, QRectF(330, 150, 260, 30), QStringLiteral("v2.2/2016"), 20, QColor(230, 240, 250));
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(15);
    p.setFont(small);
    p.setPen(QColor(255, 250, 220));
    p.drawText(QRectF(330, 200, 260, 60), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Κοινόχρηστα πολυκατοικίας"));
    p.drawText(QRectF(330, 262, 260, 40), Qt::AlignCenter, QStringLiteral("κλικ για είσοδο"));
    return image;
}

QImage BuiltInPictures::portrait()
{
    QImage image(256, 256, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintSky(p, QRectF(image.rect()), QColor(250, 230, 180), QColor(240, 180, 120));
    // A smiling face: the program's friendly side.
    p.setPen(QPen(QColor(90, 50, 20), 6));
    p.setBrush(QColor(255, 220, 170));
    p.drawEllipse(QPointF(128, 128), 90, 100);
    p.setBrush(QColor(60, 40, 20));
    p.drawEllipse(QPointF(96, 110), 9, 12);
    p.drawEllipse(QPointF(160, 110), 9, 12);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(80, 120, 96, 70), 200 * 16, 140 * 16);
    return image;
}

QImage BuiltInPictures::about()
{
    QImage image(620, 612, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(image.rect());
    paintSky(p, area, QColor(30, 40, 70), QColor(150, 120, 160));
    paintSun(p, QPointF(500, 130), 40);
    paintTown(p, QRectF(0, 200, 620, 412));
    paintTitle(p, QRectF(0, 30, 620, 80), ProgramName(), 60, QColor(255, 255, 255));
    paintTitle(p, QRectF(0, 110, 620, 40), QStringLiteral("v2.2/2016"), 28, QColor(230, 230, 250));
    return image;
}

QImage BuiltInPictures::icon()
{
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath frame;
    frame.addRoundedRect(QRectF(1, 1, 62, 62), 10, 10);
    p.setClipPath(frame);
    paintSky(p, QRectF(image.rect()), QColor(38, 110, 150), QColor(170, 214, 222));
    paintBuilding(p, QRectF(16, 14, 32, 50), 4, 3, QColor(236, 226, 206), 11);
    return image;
}

} // namespace kelvarino
