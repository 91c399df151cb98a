#pragma once

#include "pictures/metafilebudget.h"

#include <QImage>
#include <QRect>
#include <QRegion>

#include <optional>
#include <vector>

namespace kelvarino {

// Finds the pixels a flood fill covers in an image, a row's span at a time
// and without recursion: it keeps one byte a pixel and the seeds of the spans
// still to fill, and gives up past a cap on those. What a fill costs depends
// on the picture drawn before it, so it is counted as it goes: each span found
// and painted, and each pixel of the border blended, spends its work from the
// reading's budget (MetafileLimits::Work::FloodFillSpan, FloodFillBlend).
class MetafileFloodFill
{
public:
    enum Mode {
        UntilBorder = 0, // every pixel up to the border colour
        OfSurface = 1,   // the pixels of the given colour
    };

    // `area`: where the fill may go, in the image's pixels; none: everywhere.
    MetafileFloodFill(const QImage &image, const std::optional<QRegion> &area);

    // Fills from `seed`. False when the reading's work or its last guard of
    // time ran out, or the seeds passed their cap; a seed outside the image
    // or the area, or on the border itself, fills nothing.
    bool fill(QPoint seed, QRgb colour, Mode mode, MetafileBudget &budget);

    // Calls `span(QRect)` for each row's run of filled pixels. False when
    // the work or the last guard of time ran out on the way: a fill may hold
    // millions of runs a pixel long.
    template <typename Span> bool forEachSpan(Span span, MetafileBudget &budget) const
    {
        int calls = 0;
        for (int y = 0; y < height_; ++y) {
            const quint8 *row = &marks_[std::size_t(y) * std::size_t(width_)];
            for (int x = 0; x < width_;) {
                if (row[x] != Filled) {
                    ++x;
                    continue;
                }
                const int from = x;
                while (x < width_ && row[x] == Filled)
                    ++x;
                span(QRect(from, y, x - from, 1));
                if (!goOn(++calls, MetafileLimits::Work::FloodFillSpan, budget))
                    return false;
            }
        }
        return true;
    }

    // Calls `pixel(QPoint, QRgb)` for each smoothed pixel of the border
    // that a fill up to it touched, with its colour blended from `fill`
    // rather than from the surface it covered: the border stays smooth
    // against the new colour, without a rim of the old one. False when the
    // work or the last guard of time ran out on the way.
    template <typename Pixel> bool forEachBorderBlend(QRgb fill, Pixel pixel, MetafileBudget &budget) const
    {
        if (mode_ != UntilBorder)
            return true;
        int calls = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (touchesFill(x, y)) {
                    pixel(QPoint(x, y), reblended(x, y, fill));
                    if (!goOn(++calls, MetafileLimits::Work::FloodFillBlend, budget))
                        return false;
                }
        return true;
    }

private:
    enum Mark : quint8 { Open = 0, Outside = 1, Filled = 2 };

    // Spends `work`; false once the reading's work is spent or, at every so
    // many `calls`, the clock shows the last guard passed.
    static bool goOn(int calls, double work, MetafileBudget &budget);

    bool touchesFill(int x, int y) const;
    QRgb reblended(int x, int y, QRgb fill) const;
    double towardsBorder(QRgb pixel) const;
    quint8 mark(int x, int y) const { return marks_[std::size_t(y) * std::size_t(width_) + std::size_t(x)]; }

    bool fillable(int x, int y) const;
    bool blocksAsBorder(QRgb pixel) const;

    const QImage &image_;
    int width_, height_;
    std::vector<quint8> marks_;
    QRgb colour_ = 0, seedColour_ = 0;
    Mode mode_ = UntilBorder;
};

} // namespace kelvarino
