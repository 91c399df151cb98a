#include "measuredsurface.h"

namespace kelvarino {

QHash<QString, double> &TextWidthCache::widthsOf(const SurfaceFont &font)
{
    if (last_ < fonts_.size() && fonts_[last_].font == font)
        return fonts_[last_].widths;
    for (last_ = 0; last_ < fonts_.size(); ++last_)
        if (fonts_[last_].font == font)
            return fonts_[last_].widths;
    fonts_.push_back({font, {}});
    return fonts_.back().widths;
}

double TextWidthCache::width(const PageSurface &surface, const QString &text)
{
    QHash<QString, double> &widths = widthsOf(surface.font());
    const auto found = widths.constFind(text);
    if (found != widths.constEnd())
        return *found;
    const double measured = surface.textWidth(text);
    widths.insert(text, measured);
    return measured;
}

void TextWidthCache::checkMetrics(PageSurface &surface)
{
    // One measure per page: a sample at a fixed font.
    const SurfaceFont font = surface.font();
    surface.setFont(QStringLiteral("Arial Greek"), 8);
    const double probe = surface.textWidth(QStringLiteral("ΔΑΠΑΝΗ 1234,56"));
    surface.setFont(font);
    if (probe != probe_)
        fonts_.clear();
    probe_ = probe;
}

MeasuredSurface::MeasuredSurface(PageSurface &target, TextWidthCache &cache)
    : target_(target)
    , cache_(cache)
{
    setFont(target.font());
    setForeColour(target.foreColour());
    setPenWidth(target.penWidth());
}

void MeasuredSurface::carryState() const
{
    target_.setFont(font());
    target_.setForeColour(foreColour());
    target_.setPenWidth(penWidth());
}

double MeasuredSurface::textWidth(const QString &text) const
{
    if (text.isEmpty())
        return 0;
    target_.setFont(font());
    return cache_.width(target_, text);
}

double MeasuredSurface::textHeight(const QString &text) const
{
    target_.setFont(font());
    return target_.textHeight(text);
}

void MeasuredSurface::drawText(double x, double y, const QString &text)
{
    carryState();
    target_.drawText(x, y, text);
}

void MeasuredSurface::drawLine(double x1, double y1, double x2, double y2, const QColor &colour)
{
    carryState();
    target_.drawLine(x1, y1, x2, y2, colour);
}

void MeasuredSurface::drawBox(double x1, double y1, double x2, double y2, const QColor &colour)
{
    carryState();
    target_.drawBox(x1, y1, x2, y2, colour);
}

void MeasuredSurface::fillBox(double x1, double y1, double x2, double y2, const QColor &colour)
{
    carryState();
    target_.fillBox(x1, y1, x2, y2, colour);
}

} // namespace kelvarino
