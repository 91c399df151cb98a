#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QRect>
#include <QRegion>

#include <optional>
#include <vector>

namespace kelvarino {

// Finds the pixels a flood fill covers in an image, a row's span at a time
// and without recursion: it keeps one byte a pixel and the seeds of the spans
// still to fill, and gives up past a cap on those.
class MetafileFloodFill
{
public:
    enum Mode {
        UntilBorder = 0, // every pixel up to the border colour
        OfSurface = 1,   // the pixels of the given colour
    };

    // `area`: where the fill may go, in the image's pixels; none: everywhere.
    MetafileFloodFill(const QImage &image, const std::optional<QRegion> &area);

    // Fills from `seed`. False when the time budget counted by `clock` ran
    // out or the seeds passed their cap; a seed outside the image or the
    // area, or on the border itself, fills nothing.
    bool fill(QPoint seed, QRgb colour, Mode mode, const QElapsedTimer &clock);

    // Calls `span(QRect)` for each row's run of filled pixels.
    template <typename Span> void forEachSpan(Span span) const
    {
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
            }
        }
    }

private:
    enum Mark : quint8 { Open = 0, Outside = 1, Filled = 2 };

    bool fillable(int x, int y) const;
    bool blocksAsBorder(QRgb pixel) const;

    const QImage &image_;
    int width_, height_;
    std::vector<quint8> marks_;
    QRgb colour_ = 0, seedColour_ = 0;
    Mode mode_ = UntilBorder;
};

} // namespace kelvarino
