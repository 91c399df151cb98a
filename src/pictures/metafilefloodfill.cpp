#include "pictures/metafilefloodfill.h"

#include <cmath>
#include <cstring>

namespace kelvarino {

namespace {

// How often, in spans or pixels painted, the fill looks at the clock.
constexpr int CallsBetweenClockChecks = 1024;

} // namespace

MetafileFloodFill::MetafileFloodFill(const QImage &image, const std::optional<QRegion> &area)
    : image_(image), width_(image.width()), height_(image.height()),
      marks_(std::size_t(width_) * std::size_t(height_), area ? Outside : Open)
{
    if (!area)
        return;
    for (const QRect &rect : *area) {
        const QRect inside = rect.intersected(image.rect());
        for (int y = inside.top(); y <= inside.bottom() && !inside.isEmpty(); ++y)
            std::memset(&marks_[std::size_t(y) * std::size_t(width_) + std::size_t(inside.left())], Open,
                        std::size_t(inside.width()));
    }
}

// The painter smooths its edges, so a border drawn in the border colour is
// framed by pixels blended from the surface towards it, and a thin one may
// have no pixel of its exact colour. Those blends, a quarter of the way or
// more, stop the fill as the border does; other colours are filled over.
bool MetafileFloodFill::blocksAsBorder(QRgb pixel) const
{
    return pixel == colour_ || towardsBorder(pixel) >= 0.25;
}

// How far a pixel is blended from the surface's colour towards the border's,
// 0 to 1; -1 when it is not such a blend.
double MetafileFloodFill::towardsBorder(QRgb pixel) const
{
    const int dr = qRed(colour_) - qRed(seedColour_), dg = qGreen(colour_) - qGreen(seedColour_),
              db = qBlue(colour_) - qBlue(seedColour_);
    const int er = qRed(pixel) - qRed(seedColour_), eg = qGreen(pixel) - qGreen(seedColour_),
              eb = qBlue(pixel) - qBlue(seedColour_);
    const double length = double(dr * dr + dg * dg + db * db);
    const double t = (er * dr + eg * dg + eb * db) / length;
    if (t < 0 || t > 1)
        return -1;
    const double ar = er - t * dr, ag = eg - t * dg, ab = eb - t * db;
    constexpr double Tolerance = 12;
    return ar * ar + ag * ag + ab * ab <= Tolerance * Tolerance ? t : -1;
}

bool MetafileFloodFill::touchesFill(int x, int y) const
{
    if (mark(x, y) != Open)
        return false;
    const bool beside = (x > 0 && mark(x - 1, y) == Filled) || (x + 1 < width_ && mark(x + 1, y) == Filled) ||
                        (y > 0 && mark(x, y - 1) == Filled) || (y + 1 < height_ && mark(x, y + 1) == Filled);
    if (!beside)
        return false;
    const QRgb pixel = reinterpret_cast<const QRgb *>(image_.constScanLine(y))[x] & RGB_MASK;
    return pixel != colour_ && towardsBorder(pixel) > 0;
}

QRgb MetafileFloodFill::reblended(int x, int y, QRgb fill) const
{
    const double t = towardsBorder(reinterpret_cast<const QRgb *>(image_.constScanLine(y))[x] & RGB_MASK);
    const auto blend = [t](int from, int to) { return int(std::lround(from + t * (to - from))); };
    return qRgb(blend(qRed(fill), qRed(colour_)), blend(qGreen(fill), qGreen(colour_)), blend(qBlue(fill), qBlue(colour_)));
}

bool MetafileFloodFill::fillable(int x, int y) const
{
    if (marks_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] != Open)
        return false;
    const QRgb pixel = reinterpret_cast<const QRgb *>(image_.constScanLine(y))[x] & RGB_MASK;
    if (mode_ == OfSurface)
        return pixel == colour_;
    return pixel == seedColour_ || !blocksAsBorder(pixel);
}

bool MetafileFloodFill::goOn(int calls, double work, MetafileBudget &budget)
{
    return budget.spend(work) && (calls % CallsBetweenClockChecks != 0 || budget.inTime());
}

bool MetafileFloodFill::fill(QPoint seed, QRgb colour, Mode mode, MetafileBudget &budget)
{
    if (!image_.rect().contains(seed) || image_.depth() != 32)
        return true;
    colour_ = colour & RGB_MASK;
    mode_ = mode;
    seedColour_ = image_.pixel(seed) & RGB_MASK;
    if (mode_ == UntilBorder && seedColour_ == colour_)
        return true;
    // Each seed is a pixel's index; spans of pixels each push at most one
    // seed for a run above or below, and no more are kept than a quarter of
    // the pixels.
    const std::size_t mostSeeds = std::max<std::size_t>(1024, marks_.size() / 4);
    std::vector<quint32> seeds{quint32(seed.y()) * quint32(width_) + quint32(seed.x())};
    int spans = 0;
    while (!seeds.empty()) {
        const int y = int(seeds.back() / quint32(width_)), x = int(seeds.back() % quint32(width_));
        seeds.pop_back();
        if (!fillable(x, y))
            continue;
        int left = x, right = x;
        while (left > 0 && fillable(left - 1, y))
            --left;
        while (right + 1 < width_ && fillable(right + 1, y))
            ++right;
        std::memset(&marks_[std::size_t(y) * std::size_t(width_) + std::size_t(left)], Filled,
                    std::size_t(right - left + 1));
        for (const int row : {y - 1, y + 1}) {
            if (row < 0 || row >= height_)
                continue;
            for (int at = left; at <= right; ++at) {
                if (!fillable(at, row))
                    continue;
                if (seeds.size() >= mostSeeds)
                    return false;
                seeds.push_back(quint32(row) * quint32(width_) + quint32(at));
                while (at + 1 <= right && fillable(at + 1, row))
                    ++at;
            }
        }
        if (!goOn(++spans, MetafileLimits::Work::FloodFillSpan, budget))
            return false;
    }
    return true;
}

} // namespace kelvarino
