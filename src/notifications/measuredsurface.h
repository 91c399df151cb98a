#pragma once

#include "printing/pagesurface.h"

#include <QHash>

#include <vector>

namespace kelvarino {

// Text widths already measured, by font and text. Every flat's sheet repeats
// the same captions, descriptions and many figures, and a cell that cuts its
// text measures it once for every character it drops: a print run over all
// flats measures the same texts thousands of times.
class TextWidthCache
{
public:
    // The width on the surface in its current font, measured there once.
    double width(const PageSurface &surface, const QString &text);
    // Forgets the widths when the surface measures otherwise than the one the
    // widths were taken on (a surface of fixed metrics in tests).
    void checkMetrics(PageSurface &surface);

private:
    struct FontWidths
    {
        SurfaceFont font;
        QHash<QString, double> widths;
    };
    QHash<QString, double> &widthsOf(const SurfaceFont &font);

    std::vector<FontWidths> fonts_; // a report uses a handful of fonts
    std::size_t last_ = 0;
    double probe_ = -1;
};

// A page surface that draws on another one and takes text widths from the
// cache; its font, colour and pen go with every drawing to the target.
class MeasuredSurface final : public PageSurface
{
public:
    MeasuredSurface(PageSurface &target, TextWidthCache &cache);

    double textWidth(const QString &text) const override;
    double textHeight(const QString &text = QString()) const override;
    void drawText(double x, double y, const QString &text) override;
    void drawLine(double x1, double y1, double x2, double y2, const QColor &colour) override;
    void drawBox(double x1, double y1, double x2, double y2, const QColor &colour) override;
    void fillBox(double x1, double y1, double x2, double y2, const QColor &colour) override;
    bool onPaper() const override { return target_.onPaper(); }

private:
    // The target takes this surface's state.
    void carryState() const;

    PageSurface &target_;
    TextWidthCache &cache_;
};

} // namespace kelvarino
