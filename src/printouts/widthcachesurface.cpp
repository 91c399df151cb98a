#include "printouts/widthcachesurface.h"

namespace kelvarino {

double TableWidthCache::width(PageSurface &surface, const QString &text)
{
    if (text.isEmpty())
        return 0;
    const SurfaceFont &font = surface.font();
    if (!(font.points > 0))
        return surface.textWidth(text);
    const QString key = font.name + QLatin1Char(font.bold ? '\1' : '\2') + QLatin1Char(font.italic ? '\1' : '\2') + text;
    auto found = perPoint_.constFind(key);
    if (found == perPoint_.constEnd())
        found = perPoint_.insert(key, surface.textWidth(text) / font.points);
    return found.value() * font.points;
}

WidthCacheSurface::WidthCacheSurface(PageSurface &target, TableWidthCache &cache) : target_(target), cache_(cache)
{
    setFont(target.font());
    setForeColour(target.foreColour());
    setPenWidth(target.penWidth());
}

void WidthCacheSurface::pass() const
{
    target_.setFont(font());
    target_.setForeColour(foreColour());
    target_.setPenWidth(penWidth());
}

double WidthCacheSurface::textWidth(const QString &text) const
{
    pass();
    return cache_.width(target_, text);
}

double WidthCacheSurface::textHeight(const QString &text) const
{
    pass();
    return target_.textHeight(text);
}

void WidthCacheSurface::drawText(double x, double y, const QString &text)
{
    pass();
    target_.drawText(x, y, text);
}

void WidthCacheSurface::drawLine(double x1, double y1, double x2, double y2, const QColor &colour)
{
    pass();
    target_.drawLine(x1, y1, x2, y2, colour);
}

void WidthCacheSurface::drawBox(double x1, double y1, double x2, double y2, const QColor &colour)
{
    pass();
    target_.drawBox(x1, y1, x2, y2, colour);
}

void WidthCacheSurface::fillBox(double x1, double y1, double x2, double y2, const QColor &colour)
{
    pass();
    target_.fillBox(x1, y1, x2, y2, colour);
}

} // namespace kelvarino
