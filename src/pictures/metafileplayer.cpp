#include "pictures/metafileplayer.h"

#include "pictures/bitmap16decoder.h"
#include "pictures/dibdecoder.h"
#include "pictures/metafilefloodfill.h"
#include "pictures/metafiletext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kelvarino {

namespace {

// Record functions.
enum Function : quint16 {
    SetBkColor = 0x0201, SetBkMode = 0x0102, SetMapMode = 0x0103, SetRop2 = 0x0104, SetPolyFillMode = 0x0106,
    SetTextCharExtra = 0x0108, SetTextColor = 0x0209, SetWindowOrg = 0x020B, SetWindowExt = 0x020C,
    SetViewportOrg = 0x020D, SetViewportExt = 0x020E, OffsetWindowOrg = 0x020F, ScaleWindowExt = 0x0410,
    OffsetViewportOrg = 0x0211, ScaleViewportExt = 0x0412, LineTo = 0x0213, MoveTo = 0x0214,
    ExcludeClipRect = 0x0415, IntersectClipRect = 0x0416, Arc = 0x0817, Ellipse = 0x0418, Pie = 0x081A,
    Rectangle = 0x041B, RoundRect = 0x061C, PatBlt = 0x061D, SaveDC = 0x001E, SetPixel = 0x041F,
    FloodFill = 0x0419, ExtFloodFill = 0x0548, BitBlt = 0x0922, StretchBlt = 0x0B23,
    OffsetClipRgn = 0x0220, TextOut = 0x0521, Polygon = 0x0324, Polyline = 0x0325, RestoreDC = 0x0127,
    FillRegion = 0x0228, FrameRegion = 0x0429, InvertRegion = 0x012A, PaintRegion = 0x012B, SetDibToDev = 0x0D33, SelectClipRegion = 0x012C, SelectObject = 0x012D,
    SetTextAlign = 0x012E, Chord = 0x0830, ExtTextOut = 0x0A32, PolyPolygon = 0x0538, DibBitBlt = 0x0940,
    DibStretchBlt = 0x0B41, DibCreatePatternBrush = 0x0142, StretchDib = 0x0F43, DeleteObject = 0x01F0,
    CreatePalette = 0x00F7, SelectPalette = 0x0234, CreatePatternBrush = 0x01F9, CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB, CreateBrushIndirect = 0x02FC, CreateRegion = 0x06FF,
};

enum BrushStyle { SolidBrush = 0, NullBrush = 1, HatchedBrush = 2 };
enum TextAlign { UpdateCp = 1, AlignRight = 2, AlignCenter = 6, AlignBottom = 8, AlignBaseline = 24 };
enum TextOptions { Opaque = 2, Clipped = 4 };

// Raster operations of the bitmap records that draw with more than a copy.
enum Rop : quint32 {
    SrcCopy = 0x00CC0020, SrcAnd = 0x008800C6, SrcPaint = 0x00EE0086, SrcInvert = 0x00660046,
    NotSrcCopy = 0x00330008, PatInvert = 0x005A0049, DstInvert = 0x00550009,
    Blackness = 0x00000042, Whiteness = 0x00FF0062, NoOperation = 0x00AA0029,
};

QColor colourAt(const MetafileRecord &r, qsizetype word)
{
    return QColor(r.u16(word) & 0xFF, r.u16(word) >> 8, r.u16(word + 1) & 0xFF);
}

Qt::BrushStyle hatchPattern(int hatch)
{
    static constexpr Qt::BrushStyle Patterns[] = {Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
                                                  Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    return hatch >= 0 && hatch < 6 ? Patterns[hatch] : Qt::SolidPattern;
}

// True when a point in the image's pixels lies within the coordinates'
// bounds; false for one past them, and for one not a number.
bool withinBounds(QPointF p)
{
    return std::abs(p.x()) <= MetafileLimits::MaxDeviceCoordinate && std::abs(p.y()) <= MetafileLimits::MaxDeviceCoordinate;
}

// How many edges of one shape cross each row of the image, for the
// rasterizer's work: each crossing, and within a row their number squared.
class RowCrossings
{
public:
    RowCrossings(double top, double bottom, int imageHeight)
        : first_(int(std::clamp(std::floor(top), 0.0, double(imageHeight)))),
          last_(int(std::clamp(std::floor(bottom), -1.0, double(imageHeight - 1))))
    {
        if (last_ >= first_)
            changes_.assign(std::size_t(last_ - first_ + 2), 0);
    }

    // An edge from `y0` to `y1`, crossing each row `times` over.
    void add(double y0, double y1, double times)
    {
        const auto [from, to] = span(std::min(y0, y1), std::max(y0, y1));
        if (from > to)
            return;
        changes_[std::size_t(from - first_)] += times;
        changes_[std::size_t(to - first_ + 1)] -= times;
    }

    // Each crossing, and each pair of crossings within a row, weighing
    // `pair`: pairs of each crossing with at most `partners` others, past the
    // `alone` crossings any row has (the two sides of a plain shape cost as
    // their crossings only).
    double work(double each, double pair, double partners, double alone) const
    {
        double crossing = 0, crossings = 0, pairs = 0;
        for (std::size_t row = 0; row + 1 < changes_.size(); ++row) {
            crossing += changes_[row];
            crossings += crossing;
            pairs += crossing * std::clamp(crossing - alone, 0.0, partners);
        }
        return crossings * each + pairs * pair;
    }

    // The rows from `top` to `bottom`.
    int rows(double top, double bottom) const
    {
        const auto [from, to] = span(top, bottom);
        return std::max(0, to - from + 1);
    }

private:
    // The first and last row from `top` to `bottom`: a row the span only
    // touches at its edge is not crossed (a row ending where the next starts
    // is crossed by the edge that runs on).
    std::pair<int, int> span(double top, double bottom) const
    {
        const double last = std::max(std::floor(top), std::ceil(bottom) - 1);
        return {int(std::max(double(first_), std::floor(top))), int(std::min(double(last_), last))};
    }

    int first_, last_;
    std::vector<double> changes_;
};

// A rectangle in the image's pixels moved to whole pixels, each edge to the
// nearest: rectangles that share an edge share its rounding too.
QRectF wholePixels(const QRectF &rect)
{
    return QRectF(QPointF(std::round(rect.left()), std::round(rect.top())),
                  QPointF(std::round(rect.right()), std::round(rect.bottom())));
}

// The angle of a point seen from an ellipse's centre, as the painter counts
// angles on that ellipse.
qreal angleOn(const QRectF &ellipse, QPointF p)
{
    const QPointF c = ellipse.center();
    return qRadiansToDegrees(std::atan2(-(p.y() - c.y()) / ellipse.height(), (p.x() - c.x()) / ellipse.width()));
}

} // namespace

std::optional<QRectF> MetafilePlayer::frameOf(const MetafileReader &reader)
{
    if (reader.header().placeable)
        return QRectF(reader.header().bounds);
    std::optional<QPointF> org, ext;
    for (const MetafileRecord &r : reader.records()) {
        if (r.function() == SetWindowOrg && !org && r.hasWords(2))
            org = QPointF(r.s16(1), r.s16(0));
        if (r.function() == SetWindowExt && !ext && r.hasWords(2) && r.s16(0) != 0 && r.s16(1) != 0)
            ext = QPointF(r.s16(1), r.s16(0));
    }
    if (!ext)
        return std::nullopt;
    return QRectF(org.value_or(QPointF()), QSizeF(ext->x(), ext->y()));
}

std::optional<QRectF> MetafilePlayer::drawnFrameOf(const MetafileReader &reader, MetafileBudget &budget)
{
    // The frame mapped one to one onto an image as large as any drawn.
    const int side = MetafileLimits::MaxImageSide;
    MetafilePlayer player(reader, QRectF(0, 0, side, side), QSize(side, side), budget);
    player.collecting_ = true;
    if (!player.play(nullptr) || !player.drawn_)
        return std::nullopt;
    // A line along an axis, or a single point, still takes a pixel across.
    QRectF frame = *player.drawn_;
    frame.setWidth(std::max(1.0, frame.width()));
    frame.setHeight(std::max(1.0, frame.height()));
    return frame;
}

QSize MetafilePlayer::naturalSize(const MetafileReader &reader, QRectF frame, double dotsPerInch)
{
    // A file without a placeable header counts its units as pixels.
    const double inch = reader.header().placeable ? reader.header().unitsPerInch : dotsPerInch;
    const double width = std::abs(frame.width()) * dotsPerInch / inch;
    const double height = std::abs(frame.height()) * dotsPerInch / inch;
    if (width <= 0 || height <= 0)
        return {};
    return withinImageLimits(width, height);
}

QSize MetafilePlayer::withinImageLimits(double width, double height)
{
    const double side = MetafileLimits::MaxImageSide;
    const double shrink = std::min({1.0, side / width, side / height,
                                    std::sqrt(double(MetafileLimits::MaxImagePixels) / (width * height))});
    return QSize(std::max(1, int(width * shrink)), std::max(1, int(height * shrink)));
}

MetafilePlayer::MetafilePlayer(const MetafileReader &reader, QRectF frame, QSize imageSize, MetafileBudget &budget)
    : reader_(reader), frame_(frame), imageSize_(imageSize), budget_(budget), drawnFrame_(!frameOf(reader))
{
}

QImage MetafilePlayer::draw()
{
    if (imageSize_.isEmpty() || frame_.width() == 0 || frame_.height() == 0)
        return {};
    if (!play(nullptr))
        return {};
    QImage image(imageSize_, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    canvas_ = &image;
    const bool played = play(&painter);
    canvas_ = nullptr;
    painter.end();
    return played ? image : QImage();
}

void MetafilePlayer::reset()
{
    state_ = MetafileState{};
    if (drawnFrame_) {
        state_.mapMode = MetafileState::Text;
        state_.windowExt = state_.viewportExt = QPointF(1, 1);
        frameOrg_ = frame_.topLeft();
        frameExt_ = QPointF(frame_.width(), frame_.height());
    } else {
        // The window and the viewport both start as the frame: a file that sets
        // only its window sees it fill the picture, as a picture viewer shows it.
        state_.windowOrg = state_.viewportOrg = frameOrg_ = frame_.topLeft();
        state_.windowExt = state_.viewportExt = frameExt_ = QPointF(frame_.width(), frame_.height());
    }
    drawn_.reset();
    touching_ = true;
    saved_.clear();
    savedPatternBytes_ = 0;
    objects_.emplace(reader_.header().objectCount);
    mapped_ = outOfBounds_ = overBudget_ = false;
    clipDirty_ = true;
    usedClip_.reset();
    patternsCreated_ = 0;
    converted_ = ConvertedPattern{};
    fontsUsed_.clear();
    fontKey_.clear();
    font_.reset();
    updateTransform();
}

bool MetafilePlayer::play(QPainter *painter)
{
    painter_ = painter;
    reset();
    for (const MetafileRecord &r : reader_.records()) {
        if (!budget_.inTime())
            return false;
        // Every pass that does not draw reads the records again.
        if (!painter_ && !budget_.spend(MetafileLimits::Work::Record))
            return false;
        if (!playRecord(r) || outOfBounds_ || overBudget_)
            return false;
    }
    return true;
}

bool MetafilePlayer::playRecord(const MetafileRecord &r)
{
    switch (r.function()) {
    case SetBkColor:
        return setColour(r, state_.backColour);
    case SetTextColor:
        return setColour(r, state_.textColour);
    case SetBkMode:
        state_.opaqueBackground = r.u16(0) == 2;
        return r.hasWords(1);
    case SetMapMode:
        if (r.u16(0) >= MetafileState::Text && r.u16(0) <= MetafileState::Anisotropic)
            state_.mapMode = r.u16(0);
        updateTransform();
        return r.hasWords(1);
    case SetRop2:
        state_.rop2 = r.u16(0);
        return r.hasWords(1);
    case SetPolyFillMode:
        state_.windingFill = r.u16(0) == 2;
        return r.hasWords(1);
    case SetTextAlign:
        state_.textAlign = r.u16(0);
        return r.hasWords(1);
    case SetTextCharExtra:
        state_.textExtra = r.s16(0);
        return r.hasWords(1);
    case SetWindowOrg: case SetWindowExt: case SetViewportOrg: case SetViewportExt: case OffsetWindowOrg:
    case OffsetViewportOrg: case ScaleWindowExt: case ScaleViewportExt:
        return setMapping(r);
    case MoveTo:
        state_.position = point(r, 0);
        return r.hasWords(2);
    case LineTo:
        return lineTo(r);
    case ExcludeClipRect:
        return clipRectangle(r, true);
    case IntersectClipRect:
        return clipRectangle(r, false);
    case OffsetClipRgn:
        return offsetClip(r);
    case SelectClipRegion:
        return selectClipRegion(r);
    case Rectangle: case Ellipse: case RoundRect:
        return boxShape(r);
    case Arc: case Pie: case Chord:
        return arcShape(r);
    case Polygon:
        return polygon(r, true);
    case Polyline:
        return polygon(r, false);
    case PolyPolygon:
        return polyPolygon(r);
    case SetPixel:
        return setPixel(r);
    case FloodFill: case ExtFloodFill:
        return floodFill(r);
    case FillRegion:
        return fillRegion(r, false);
    case PaintRegion:
        return fillRegion(r, true);
    case FrameRegion:
        return frameRegion(r);
    case InvertRegion:
        return invertRegion(r);
    case TextOut:
        return textOut(r);
    case ExtTextOut:
        return extTextOut(r);
    case PatBlt:
        return patternBlt(r);
    case DibBitBlt: case DibStretchBlt: case StretchDib: case BitBlt: case StretchBlt:
        return bitmapBlt(r);
    case SetDibToDev:
        return setDibToDevice(r);
    case SaveDC:
        return saveState();
    case RestoreDC:
        return restoreState(r);
    case CreatePenIndirect:
        return createPen(r);
    case CreateBrushIndirect:
        return createBrush(r);
    case DibCreatePatternBrush: case CreatePatternBrush:
        return createPatternBrush(r);
    case CreateFontIndirect:
        return createFont(r);
    case CreateRegion:
        return createRegion(r);
    case CreatePalette:
        return createPalette(r);
    case SelectPalette:
        return selectPalette(r);
    case SelectObject:
        return selectObject(r);
    case DeleteObject:
        objects_->remove(r.u16(0));
        return r.hasWords(1);
    default:
        // Records that change nothing drawn here (palettes, escapes, which
        // are data for a printer, the mapper's flags) are passed over; their
        // size was checked.
        return true;
    }
}

// ---- State -----------------------------------------------------------------

bool MetafilePlayer::setColour(const MetafileRecord &r, QColor &colour)
{
    colour = colourAt(r, 0);
    return r.hasWords(2);
}

bool MetafilePlayer::setMapping(const MetafileRecord &r)
{
    const bool scale = r.function() == ScaleWindowExt || r.function() == ScaleViewportExt;
    if (!r.hasWords(scale ? 4 : 2))
        return false;
    const QPointF value(r.s16(1), r.s16(0));
    QPointF &org = r.function() == SetWindowOrg || r.function() == OffsetWindowOrg ? state_.windowOrg : state_.viewportOrg;
    QPointF &ext = r.function() == SetWindowExt || r.function() == ScaleWindowExt ? state_.windowExt : state_.viewportExt;
    switch (r.function()) {
    case SetWindowOrg: case SetViewportOrg:
        org = value;
        break;
    case OffsetWindowOrg: case OffsetViewportOrg:
        org += value;
        break;
    case SetWindowExt: case SetViewportExt:
        // An extent of zero is refused, as the system refuses it.
        if (value.x() != 0 && value.y() != 0)
            ext = value;
        break;
    default: {
        // Scale: x numerator, x denominator, y numerator, y denominator, last first.
        const qreal xNum = r.s16(3), xDen = r.s16(2), yNum = r.s16(1), yDen = r.s16(0);
        if (xNum != 0 && xDen != 0 && yNum != 0 && yDen != 0)
            ext = QPointF(ext.x() * xNum / xDen, ext.y() * yNum / yDen);
        break;
    }
    }
    updateTransform();
    return true;
}

void MetafilePlayer::updateTransform()
{
    // Logical units to the frame's units: D = (L - windowOrg) * a + viewportOrg.
    const MetafileState &s = state_;
    const bool scaled = s.mapMode == MetafileState::Isotropic || s.mapMode == MetafileState::Anisotropic;
    // Until something is drawn, the viewport is where the picture goes: the
    // frame moves with it, so that the window keeps filling the picture
    // whatever device units the file's viewport was written in. Only the
    // scaled mapping modes give the viewport an extent.
    if (!mapped_ && !drawnFrame_) {
        frameOrg_ = s.viewportOrg;
        frameExt_ = scaled ? s.viewportExt : QPointF(frame_.width(), frame_.height());
    }
    QPointF a(1, 1);
    const double inch = reader_.header().placeable ? reader_.header().unitsPerInch : 96.0;
    const auto metric = [&](double perInch) { a = QPointF(inch / perInch, -inch / perInch); };
    switch (s.mapMode) {
    case MetafileState::Text: break;
    case MetafileState::LowMetric: metric(254); break;
    case MetafileState::HighMetric: metric(2540); break;
    case MetafileState::LowEnglish: metric(100); break;
    case MetafileState::HighEnglish: metric(1000); break;
    case MetafileState::Twips: metric(1440); break;
    default: {
        a = QPointF(s.viewportExt.x() / s.windowExt.x(), s.viewportExt.y() / s.windowExt.y());
        if (s.mapMode == MetafileState::Isotropic) {
            const double scale = std::min(std::abs(a.x()), std::abs(a.y()));
            a = QPointF(std::copysign(scale, a.x()), std::copysign(scale, a.y()));
        }
    }
    }
    // Then the frame onto the image.
    const double kx = imageSize_.width() / frameExt_.x(), ky = imageSize_.height() / frameExt_.y();
    sx_ = a.x() * kx;
    sy_ = a.y() * ky;
    tx_ = (s.viewportOrg.x() - s.windowOrg.x() * a.x() - frameOrg_.x()) * kx;
    ty_ = (s.viewportOrg.y() - s.windowOrg.y() * a.y() - frameOrg_.y()) * ky;
}

bool MetafilePlayer::saveState()
{
    if (int(saved_.size()) >= MetafileLimits::MaxSavedStates)
        return false;
    saved_.push_back(state_);
    savedPatternBytes_ += state_.brush.patternBytes;
    return withinHeldBitmaps();
}

bool MetafilePlayer::restoreState(const MetafileRecord &r)
{
    if (!r.hasWords(1))
        return false;
    // Negative: that many states back; positive: the state saved as that number.
    const int which = r.s16(0);
    const qint64 keep = which < 0 ? qint64(saved_.size()) + which : qint64(which) - 1;
    if (which == 0 || keep < 0 || keep >= qint64(saved_.size()))
        return true; // the system refuses it and nothing changes
    state_ = saved_[std::size_t(keep)];
    for (auto dropped = saved_.begin() + std::ptrdiff_t(keep); dropped != saved_.end(); ++dropped)
        savedPatternBytes_ -= dropped->brush.patternBytes;
    saved_.resize(std::size_t(keep));
    clipDirty_ = true;
    updateTransform();
    return true;
}

// ---- Objects ---------------------------------------------------------------

bool MetafilePlayer::createObject(MetafileObject object)
{
    // A table already full leaves the object out, as the system does.
    objects_->create(std::move(object));
    return withinHeldBitmaps();
}

// The brush patterns the object table and the saved states hold, against
// their bound. A pattern a saved state keeps counts again even while the
// table still holds it: the patterns of real pictures are a few pixels.
bool MetafilePlayer::withinHeldBitmaps() const
{
    return objects_->heldBitmapBytes() + savedPatternBytes_ <= MetafileLimits::MaxHeldBitmapBytes;
}

bool MetafilePlayer::createPen(const MetafileRecord &r)
{
    if (!r.hasWords(5))
        return false;
    return createObject(MetafilePen{r.u16(0), r.s16(1), colourAt(r, 3)});
}

bool MetafilePlayer::createBrush(const MetafileRecord &r)
{
    if (!r.hasWords(4))
        return false;
    MetafileBrush brush;
    brush.style = r.u16(0);
    brush.colour = colourAt(r, 1);
    brush.hatch = r.u16(3);
    return createObject(brush);
}

bool MetafilePlayer::createPatternBrush(const MetafileRecord &r)
{
    MetafileBrush brush;
    brush.style = 3;
    // A pattern whose colours are not in the file is shown as gray.
    brush.colour = Qt::gray;
    if (r.function() == CreatePatternBrush) {
        const Bitmap16Decoder bitmap(r.rest(0), Bitmap16Decoder::Layout::PatternBrush);
        if (!bitmap.isValid())
            return false;
        if (!bitmap.isDrawable())
            return createObject(brush);
        // A monochrome pattern takes its colours when it paints (see deviceBrush).
        count(double(bitmap.decodedBytes() / 4) * MetafileLimits::Work::DecodedPixel);
        if (painter_)
            brush.pattern = bitmap.decode(0, 1);
        brush.patternBytes = bitmap.decodedBytes();
        brush.monochrome = bitmap.isMonochrome();
        brush.patternId = ++patternsCreated_;
        return createObject(brush);
    }
    if (r.u16(0) == 3)
        return createObject(brush);
    if (!r.hasWords(2))
        return false;
    const DibDecoder dib(r.rest(4), paletteFor(r.u16(1) == 1));
    if (!dib.isValid())
        return false;
    count(double(dib.decodedBytes() / 4) * MetafileLimits::Work::DecodedPixel);
    if (painter_)
        brush.pattern = dib.decode();
    brush.patternBytes = dib.decodedBytes();
    brush.patternId = ++patternsCreated_;
    return createObject(brush);
}

bool MetafilePlayer::createFont(const MetafileRecord &r)
{
    if (!r.hasWords(9))
        return false;
    MetafileFont font;
    font.height = r.s16(0);
    font.width = r.s16(1);
    font.escapement = r.s16(2);
    font.weight = r.s16(4);
    font.italic = r.u16(5) & 0xFF;
    font.underline = r.u16(5) >> 8;
    font.strikeOut = r.u16(6) & 0xFF;
    font.charset = r.u16(6) >> 8;
    const QByteArrayView face = r.rest(18);
    const QByteArrayView name = face.first(std::min<qsizetype>({face.size(), 32, face.indexOf('\0') < 0 ? face.size() : face.indexOf('\0')}));
    font.face = QString::fromLatin1(name).trimmed();
    return createObject(font);
}

bool MetafilePlayer::createRegion(const MetafileRecord &r)
{
    // Header: next, type, object count (2 words), size, scan count, largest
    // scan, bounds (4 words); then each scan: count, top, bottom, `count`
    // coordinates (left and right in pairs), count again.
    if (!r.hasWords(11))
        return false;
    MetafileRegion region;
    const int scans = r.u16(5);
    qsizetype at = 11;
    for (int i = 0; i < scans; ++i) {
        if (!r.hasWords(at + 3))
            return false;
        const int count = r.u16(at);
        const int top = r.s16(at + 1), bottom = r.s16(at + 2);
        if (!r.hasWords(qint64(at) + 4 + count))
            return false;
        for (int k = 0; k + 1 < count; k += 2)
            region.rectangles.append(QRect(QPoint(r.s16(at + 3 + k), top), QPoint(r.s16(at + 4 + k), bottom)));
        if (region.rectangles.size() > MetafileLimits::MaxRegionRectangles)
            return false;
        at += 4 + count;
    }
    return createObject(region);
}

bool MetafilePlayer::createPalette(const MetafileRecord &r)
{
    // Version, entry count, then the entries: red, green, blue and flags.
    const qint64 count = r.u16(1);
    if (!r.hasWords(2 + 2 * count))
        return false;
    MetafilePalette palette;
    palette.colours.reserve(qsizetype(count));
    for (qsizetype i = 0; i < count; ++i)
        palette.colours.append(qRgb(r.u16(2 + 2 * i) & 0xFF, r.u16(2 + 2 * i) >> 8, r.u16(3 + 2 * i) & 0xFF));
    return createObject(palette);
}

bool MetafilePlayer::selectPalette(const MetafileRecord &r)
{
    if (!r.hasWords(1))
        return false;
    const MetafileObject *object = objects_->at(r.u16(0));
    if (const auto *palette = object ? std::get_if<MetafilePalette>(object) : nullptr)
        state_.palette = palette->colours;
    return true;
}

bool MetafilePlayer::selectObject(const MetafileRecord &r)
{
    if (!r.hasWords(1))
        return false;
    const MetafileObject *object = objects_->at(r.u16(0));
    if (!object)
        return true;
    if (const auto *pen = std::get_if<MetafilePen>(object))
        state_.pen = *pen;
    else if (const auto *brush = std::get_if<MetafileBrush>(object))
        state_.brush = *brush;
    else if (const auto *font = std::get_if<MetafileFont>(object))
        state_.font = *font;
    else if (const auto *region = std::get_if<MetafileRegion>(object)) {
        touching_ = false;
        state_.clip = deviceRegion(*region);
        touching_ = true;
        clipDirty_ = true;
    }
    return true;
}

const MetafileRegion *MetafilePlayer::regionAt(int slot) const
{
    const MetafileObject *object = objects_->at(slot);
    return object ? std::get_if<MetafileRegion>(object) : nullptr;
}

// ---- Clipping --------------------------------------------------------------

QRegion MetafilePlayer::deviceRegion(const MetafileRegion &region)
{
    countState(double(region.rectangles.size()) * MetafileLimits::Work::RegionRectangle);
    QRegion result;
    for (const QRect &rect : region.rectangles) {
        const QRectF device = toDevice(QRectF(rect));
        if (outOfBounds_)
            return {};
        result += device.toAlignedRect();
    }
    return result;
}

bool MetafilePlayer::clipRectangle(const MetafileRecord &r, bool exclude)
{
    if (!r.hasWords(4))
        return false;
    touching_ = false;
    const QRectF device = box(r, 0);
    touching_ = true;
    if (outOfBounds_)
        return false;
    const QRect rect = device.toAlignedRect();
    const QRegion current = state_.clip.value_or(QRegion(QRect(QPoint(), imageSize_)));
    state_.clip = exclude ? current.subtracted(rect) : current.intersected(rect);
    countRegion(*state_.clip);
    clipDirty_ = true;
    return true;
}

bool MetafilePlayer::offsetClip(const MetafileRecord &r)
{
    if (!r.hasWords(2))
        return false;
    const QPointF by(r.s16(1) * sx_, r.s16(0) * sy_);
    if (!withinBounds(by))
        return false;
    if (state_.clip) {
        // Moved again and again, a clip would pass the range of the region's
        // integer coordinates; it stays within the coordinates' bounds.
        state_.clip->translate(by.toPoint());
        countRegion(*state_.clip);
        const QRect reach = state_.clip->boundingRect();
        if (!withinBounds(reach.topLeft()) || !withinBounds(reach.bottomRight()))
            return false;
    }
    clipDirty_ = true;
    return true;
}

bool MetafilePlayer::selectClipRegion(const MetafileRecord &r)
{
    if (!r.hasWords(1))
        return false;
    const MetafileRegion *region = regionAt(r.u16(0));
    touching_ = false;
    state_.clip = region ? std::optional<QRegion>(deviceRegion(*region)) : std::nullopt;
    touching_ = true;
    clipDirty_ = true;
    return true;
}

// Gives the painter the clip before it draws, in every pass at the same
// records (the passes that do not draw count it). The painter takes a region
// a rectangle at a time, each time it is given one: a clip restored as it
// was when last given is not given again.
void MetafilePlayer::applyClip()
{
    if (!clipDirty_)
        return;
    clipDirty_ = false;
    if (state_.clip == usedClip_)
        return;
    usedClip_ = state_.clip;
    count(double(state_.clip ? state_.clip->rectCount() : 0) * MetafileLimits::Work::ClipRectangle);
    if (!painter_)
        return;
    if (state_.clip)
        painter_->setClipRegion(*state_.clip);
    else
        painter_->setClipping(false);
}

// ---- Mapping ---------------------------------------------------------------

QPointF MetafilePlayer::toDevice(QPointF logical)
{
    mapped_ = true;
    const QPointF p(logical.x() * sx_ + tx_, logical.y() * sy_ + ty_);
    if (!withinBounds(p))
        outOfBounds_ = true;
    else if (collecting_ && touching_)
        touch(p);
    return p;
}

// Adds a point the drawing reaches to the bounds of what is drawn, while
// collecting them; a point past the coordinates' bounds refuses the file as
// in any other pass.
void MetafilePlayer::touch(QPointF device)
{
    if (!withinBounds(device)) {
        outOfBounds_ = true;
        return;
    }
    // An outline reaches half the pen's width past its points.
    const double pen = penPixels() / 2;
    const QRectF reached(device - QPointF(pen, pen), device + QPointF(pen, pen));
    if (!drawn_) {
        drawn_ = reached;
        return;
    }
    drawn_->setLeft(std::min(drawn_->left(), reached.left()));
    drawn_->setRight(std::max(drawn_->right(), reached.right()));
    drawn_->setTop(std::min(drawn_->top(), reached.top()));
    drawn_->setBottom(std::max(drawn_->bottom(), reached.bottom()));
}

QRectF MetafilePlayer::toDevice(const QRectF &logical)
{
    return QRectF(toDevice(logical.topLeft()), toDevice(logical.bottomRight())).normalized();
}

QPointF MetafilePlayer::point(const MetafileRecord &r, qsizetype yWord)
{
    return QPointF(r.s16(yWord + 1), r.s16(yWord));
}

// A rectangle given as bottom, right, top, left from `bottomWord` on.
QRectF MetafilePlayer::box(const MetafileRecord &r, qsizetype bottomWord)
{
    const QPointF topLeft(r.s16(bottomWord + 3), r.s16(bottomWord + 2));
    const QPointF bottomRight(r.s16(bottomWord + 1), r.s16(bottomWord));
    return toDevice(QRectF(topLeft, bottomRight));
}

// The pen's width in the image's pixels; zero for the null pen. A pen that
// comes to less than a pixel and a half is drawn one pixel wide, as the
// system draws it (and the painter draws that as a thin line, not as an
// outline filled); a pen wider than the picture's diagonal covers no more
// than that.
double MetafilePlayer::penPixels() const
{
    if ((state_.pen.style & 0xF) == 5)
        return 0;
    const double most = std::hypot(imageSize_.width(), imageSize_.height());
    const double pixels = std::min(most, std::abs(state_.pen.width) * std::abs(sx_));
    return pixels < 1.5 ? 1.0 : pixels;
}

QPen MetafilePlayer::devicePen() const
{
    const MetafilePen &p = state_.pen;
    const int style = p.style & 0xF;
    if (style == 5)
        return Qt::NoPen;
    QPen pen(p.colour, penPixels());
    // Dashed styles are drawn dashed only by pens one pixel wide.
    static constexpr Qt::PenStyle Dashes[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine};
    if (std::abs(p.width) <= 1 && style < 5)
        pen.setStyle(Dashes[style]);
    const int cap = p.style & 0x0F00, join = p.style & 0xF000;
    pen.setCapStyle(cap == 0x0100 ? Qt::SquareCap : cap == 0x0200 ? Qt::FlatCap : Qt::RoundCap);
    pen.setJoinStyle(join == 0x1000 ? Qt::BevelJoin : join == 0x2000 ? Qt::MiterJoin : Qt::RoundJoin);
    return pen;
}

QBrush MetafilePlayer::deviceBrush(const MetafileBrush &brush)
{
    switch (brush.style) {
    case SolidBrush:
        return brush.colour;
    case NullBrush:
        return Qt::NoBrush;
    case HatchedBrush:
        return QBrush(brush.colour, hatchPattern(brush.hatch));
    default:
        break;
    }
    // A pattern the file's colours cannot show (see createPatternBrush).
    if (brush.patternId == 0)
        return brush.colour;
    // The pattern is made into the painter's brush once for as long as it
    // stays the brush, the painter keeping what it derives from it. A
    // monochrome pattern on a colour picture takes the colours too: its 0
    // bits the text colour, its 1 bits the background colour, turned into
    // them again when they change (in every pass, so that the passes that do
    // not draw count each time it is done).
    const QRgb text = brush.monochrome ? state_.textColour.rgb() : 0;
    const QRgb back = brush.monochrome ? state_.backColour.rgb() : 0;
    if (brush.patternId != converted_.id || text != converted_.text || back != converted_.back) {
        converted_ = ConvertedPattern{brush.patternId, text, back, {}};
        if (brush.monochrome)
            count(double(brush.patternBytes / 4) * MetafileLimits::Work::ConvertedPixel);
        if (!brush.pattern.isNull() && brush.monochrome) {
            QImage pattern = brush.pattern;
            pattern.setColorTable({text, back});
            converted_.brush = QBrush(pattern.convertToFormat(QImage::Format_RGB32));
        } else if (!brush.pattern.isNull()) {
            converted_.brush = QBrush(brush.pattern);
        }
    }
    return brush.pattern.isNull() ? QBrush(brush.colour) : converted_.brush;
}

void MetafilePlayer::applyRop(int rop2)
{
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (rop2) {
    case 1: case 16: case 13: break; // black and white (see paintShape) and copy
    case 6: mode = QPainter::RasterOp_NotDestination; break;
    case 7: mode = QPainter::RasterOp_SourceXorDestination; break;
    case 9: mode = QPainter::RasterOp_SourceAndDestination; break;
    case 15: mode = QPainter::RasterOp_SourceOrDestination; break;
    case 4: mode = QPainter::RasterOp_NotSource; break;
    default: break;
    }
    setMode(mode);
}

// Copies are drawn smoothed. Every other raster operation is drawn on whole
// pixels, as the system draws them all: two shapes sharing an edge each own
// its pixels once, so that drawing in XOR twice gives back the picture exactly
// (a gradient is written as strips XORed, a fill, and the strips XORed again).
void MetafilePlayer::setMode(QPainter::CompositionMode mode)
{
    painter_->setCompositionMode(mode);
    painter_->setRenderHint(QPainter::Antialiasing, mode == QPainter::CompositionMode_SourceOver);
}

// ---- Shapes ----------------------------------------------------------------

template <typename Draw> void MetafilePlayer::paintShape(bool filled, Draw draw)
{
    if (state_.rop2 == 11) // drawing with "no operation" leaves the picture as it is
        return;
    applyClip();
    if (!painter_) {
        // What drawing does before it paints, counted.
        if (filled)
            deviceBrush(state_.brush);
        return;
    }
    applyRop(state_.rop2);
    if (filled && state_.brush.style == HatchedBrush && state_.opaqueBackground) {
        painter_->setPen(Qt::NoPen);
        painter_->setBrush(state_.backColour);
        draw();
    }
    QPen pen = devicePen();
    QBrush brush = filled ? deviceBrush(state_.brush) : QBrush(Qt::NoBrush);
    // Drawing in black or in white paints that colour whatever the pen and brush hold.
    if (state_.rop2 == 1 || state_.rop2 == 16) {
        const QColor only = state_.rop2 == 1 ? Qt::black : Qt::white;
        pen.setColor(only);
        if (brush.style() != Qt::NoBrush)
            brush = QBrush(only);
    }
    painter_->setPen(pen);
    painter_->setBrush(brush);
    draw();
}

// ---- Work ------------------------------------------------------------------

// Adds a record's work to the reading's. The drawing's work is counted while
// checking, at the size drawn; the drawing that follows does the same work
// and counts nothing (but a flood fill's runs). Collecting the drawn bounds
// maps the records one to one, not as they are drawn, and counts the records
// read and what it does with them as every pass does: regions combined,
// fonts matched, text laid out (countState).
void MetafilePlayer::count(double work)
{
    if (counting())
        spend(work);
}

void MetafilePlayer::countState(double work)
{
    if (!painter_)
        spend(work);
}

void MetafilePlayer::spend(double work)
{
    if (!budget_.spend(work))
        overBudget_ = true;
}

MetafilePlayer::Corners MetafilePlayer::Corners::ofPoints(const QList<QPolygonF> &outlines, bool closed)
{
    Corners corners;
    corners.atPoints = true;
    for (const QPolygonF &points : outlines) {
        const double n = double(points.size());
        if (closed)
            corners.joins += n;
        else if (n >= 2) {
            corners.joins += n - 2;
            corners.ends += 2;
        }
    }
    return corners;
}

// What the painter does for a shape. Filling it, each edge costs as it
// crosses rows, and more in a row crossed by more than the shape's two sides
// (the rasterizer keeps each row's crossings in order); then the pixels it
// covers, solid, or from a pattern, which costs for each row too. Any pen
// costs for each outline it strokes. A pen one pixel wide costs by its
// points, and by the columns or rows it runs along (a column of a shallow
// line costs more than a row of a steep one). A wider one costs again for
// each outline, each join and each end, where the stroker builds the pen's
// shape; its outline's two sides touch about twice the pixels of each
// segment, spread over the segment's rows and the pen's (costing with their
// number in a row squared; around a closed shape each costs less than on an
// open line), and so do those of each join and end at a point, which go round
// the pen's width; on an open line each segment's round ends and joins cost as
// the pixels of its box, around a closed shape the pixels of the shape's.
// (Measured in a Release build against the painter over small and large
// shapes; bench/bench_metafile keeps the heaviest cases.)
void MetafilePlayer::countShape(const QList<QPolygonF> &outlines, bool closed, Corners corners)
{
    if (!counting() || outOfBounds_)
        return;
    using namespace MetafileLimits;
    QRectF bounds;
    double work = Work::Shape;
    for (const QPolygonF &points : outlines) {
        bounds |= points.boundingRect();
        work += Work::Edge * double(points.size());
    }
    const auto forEachSegment = [&](auto segment) {
        for (const QPolygonF &points : outlines)
            for (qsizetype i = 1; i < points.size() + (closed ? 1 : 0); ++i)
                segment(points[i - 1], points[i % points.size()]);
    };
    if (closed && state_.brush.style != NullBrush) {
        RowCrossings rows(bounds.top(), bounds.bottom(), imageSize_.height());
        forEachSegment([&](QPointF a, QPointF b) { rows.add(a.y(), b.y(), 1); });
        const bool solid = state_.brush.style == SolidBrush;
        const int passes = state_.brush.style == HatchedBrush && state_.opaqueBackground ? 2 : 1;
        work += rows.work(Work::EdgeCrossing, Work::CrossingPair, Work::CrossingPartners, Work::ShapeSides) +
                passes * coveredPixels(bounds) * (solid ? Work::SolidPixel : Work::PatternPixel);
        if (!solid)
            work += Work::PatternRow * rows.rows(bounds.top(), bounds.bottom());
    }
    const double pen = penPixels();
    if (pen > 0)
        work += Work::PenOutline * double(outlines.size());
    if (pen > 0 && pen <= 1) {
        work += Work::ThinPenPoint * (corners.joins + corners.ends);
        forEachSegment([&](QPointF a, QPointF b) {
            const double across = std::abs(b.x() - a.x()), down = std::abs(b.y() - a.y());
            work += across >= down ? Work::ThinPenColumn * across : Work::ThinPenRow * down;
        });
    } else if (pen > 1) {
        const double half = pen / 2;
        work += (Work::WidePenOutline + Work::PenWidthPixel * pen) * double(outlines.size()) +
                (Work::PenJoin + Work::PenWidthPixel * pen) * corners.joins +
                (Work::PenEnd + Work::PenWidthPixel * pen) * corners.ends;
        RowCrossings rows(bounds.top() - half, bounds.bottom() + half, imageSize_.height());
        forEachSegment([&](QPointF a, QPointF b) {
            const double top = std::min(a.y(), b.y()) - half, bottom = std::max(a.y(), b.y()) + half;
            const double touched = 2 * std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
            rows.add(top, bottom, touched / std::max(1, rows.rows(top, bottom)));
            if (!closed) {
                const QRectF ends = QRectF(a, b).normalized().adjusted(-half, -half, half, half);
                work += Work::CoveredPixel * coveredPixels(ends);
            }
        });
        // A join's or an end's outline goes round the pen's width: about
        // three of its pixels in each row it crosses.
        if (corners.atPoints)
            for (const QPolygonF &points : outlines)
                for (const QPointF &p : points)
                    rows.add(p.y() - half, p.y() + half, M_PI);
        if (closed)
            work += Work::WidePenPixel * coveredPixels(bounds.adjusted(-half, -half, half, half));
        const double touch = closed ? Work::ClosedOutlinePixel : Work::EdgeCrossing;
        work += rows.work(touch, Work::OutlinePixelPair, std::numeric_limits<double>::infinity(), 0);
    }
    count(work);
}

void MetafilePlayer::countPath(const QPainterPath &path, bool closed, Corners corners)
{
    if (counting())
        countShape(path.toSubpathPolygons(), closed, corners);
}

// A region built or combined, in every pass: its rectangles, `passes` times over.
void MetafilePlayer::countRegion(const QRegion &region, int passes)
{
    countState(double(passes) * region.rectCount() * MetafileLimits::Work::RegionRectangle);
}

// The pixels of the image a rectangle in its pixels covers.
double MetafilePlayer::coveredPixels(const QRectF &device) const
{
    const QRectF within = device.normalized().intersected(QRectF(QPointF(), QSizeF(imageSize_)));
    return within.isEmpty() ? 0 : (within.width() + 1) * (within.height() + 1);
}

bool MetafilePlayer::lineTo(const MetafileRecord &r)
{
    if (!r.hasWords(2))
        return false;
    const QPointF from = toDevice(state_.position);
    state_.position = point(r, 0);
    const QPointF to = toDevice(state_.position);
    countShape({QPolygonF{from, to}}, false, {0, 2, true});
    paintShape(false, [&] { painter_->drawLine(from, to); });
    return true;
}

bool MetafilePlayer::polygon(const MetafileRecord &r, bool closed)
{
    const qint64 count = r.u16(0);
    if (!r.hasWords(1 + 2 * count))
        return false;
    QPolygonF points;
    points.reserve(qsizetype(count));
    for (qsizetype i = 0; i < count; ++i)
        points.append(toDevice(QPointF(r.s16(1 + 2 * i), r.s16(2 + 2 * i))));
    countShape({points}, closed, Corners::ofPoints({points}, closed));
    const Qt::FillRule rule = state_.windingFill ? Qt::WindingFill : Qt::OddEvenFill;
    if (closed)
        paintShape(true, [&] { painter_->drawPolygon(points, rule); });
    else
        paintShape(false, [&] { painter_->drawPolyline(points); });
    return true;
}

bool MetafilePlayer::polyPolygon(const MetafileRecord &r)
{
    // The polygons' count, each one's point count, then all the points; the
    // total is summed wide, so that no count can wrap it.
    const qint64 polygons = r.u16(0);
    if (!r.hasWords(1 + polygons))
        return false;
    qint64 total = 0;
    for (qsizetype i = 0; i < polygons; ++i)
        total += r.u16(1 + i);
    if (!r.hasWords(1 + polygons + 2 * total))
        return false;
    QPainterPath path;
    path.setFillRule(state_.windingFill ? Qt::WindingFill : Qt::OddEvenFill);
    qsizetype at = qsizetype(1 + polygons);
    QList<QPolygonF> outlines;
    for (qsizetype i = 0; i < polygons; ++i) {
        QPolygonF points;
        for (int k = 0; k < r.u16(1 + i); ++k, at += 2)
            points.append(toDevice(QPointF(r.s16(at), r.s16(at + 1))));
        path.addPolygon(points);
        path.closeSubpath();
        outlines.append(std::move(points));
    }
    countShape(outlines, true, Corners::ofPoints(outlines, true));
    paintShape(true, [&] { painter_->drawPath(path); });
    return true;
}

bool MetafilePlayer::boxShape(const MetafileRecord &r)
{
    const bool rounded = r.function() == RoundRect;
    if (!r.hasWords(rounded ? 6 : 4))
        return false;
    const QRectF rect = box(r, rounded ? 2 : 0);
    if (r.function() == Ellipse) {
        if (counting()) {
            QPainterPath outline;
            outline.addEllipse(rect);
            countPath(outline, true, {});
        }
        paintShape(true, [&] { painter_->drawEllipse(rect); });
    } else if (rounded) {
        const qreal rx = std::min(rect.width(), std::abs(r.s16(1) * sx_)) / 2;
        const qreal ry = std::min(rect.height(), std::abs(r.s16(0) * sy_)) / 2;
        if (counting()) {
            QPainterPath outline;
            outline.addRoundedRect(rect, rx, ry);
            countPath(outline, true, {});
        }
        paintShape(true, [&] { painter_->drawRoundedRect(rect, rx, ry); });
    } else {
        countShape({QPolygonF(rect)}, true, {4, 0});
        paintShape(true, [&] { painter_->drawRect(rect); });
    }
    return true;
}

bool MetafilePlayer::arcShape(const MetafileRecord &r)
{
    // End point, start point, then the ellipse's box.
    if (!r.hasWords(8))
        return false;
    const QPointF end = toDevice(point(r, 0)), start = toDevice(point(r, 2));
    const QRectF rect = box(r, 4);
    if (rect.width() <= 0 || rect.height() <= 0)
        return true;
    const qreal from = angleOn(rect, start);
    qreal sweep = angleOn(rect, end) - from;
    while (sweep <= 0)
        sweep += 360; // counterclockwise from start to end; the same point: all round
    QPainterPath path;
    if (r.function() == Pie) {
        path.moveTo(rect.center());
        path.arcTo(rect, from, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(rect, from);
        path.arcTo(rect, from, sweep);
        if (r.function() == Chord)
            path.closeSubpath();
    }
    // A pie joins its two radii at the centre and to the arc; a chord joins
    // its line to the arc; an arc has two ends.
    const Corners corners = r.function() == Pie     ? Corners{3, 0}
                            : r.function() == Chord ? Corners{2, 0}
                                                    : Corners{0, 2};
    countPath(path, r.function() != Arc, corners);
    paintShape(r.function() != Arc, [&] { painter_->drawPath(path); });
    return true;
}

bool MetafilePlayer::setPixel(const MetafileRecord &r)
{
    if (!r.hasWords(4))
        return false;
    const QPointF at = toDevice(point(r, 2));
    count(MetafileLimits::Work::PainterCall +
          MetafileLimits::Work::CoveredPixel * std::max(1.0, std::abs(sx_)) * std::max(1.0, std::abs(sy_)));
    applyClip();
    if (painter_) {
        setMode(QPainter::CompositionMode_SourceOver);
        painter_->fillRect(QRectF(at, QSizeF(std::max(1.0, std::abs(sx_)), std::max(1.0, std::abs(sy_)))), colourAt(r, 0));
    }
    return true;
}

bool MetafilePlayer::floodFill(const MetafileRecord &r)
{
    // FloodFill: the border colour, y and x; ExtFloodFill: the mode first,
    // then the colour (of the border or of the surface), y and x.
    const bool extended = r.function() == ExtFloodFill;
    const qsizetype first = extended ? 1 : 0;
    if (!r.hasWords(first + 4))
        return false;
    const auto mode = extended && r.u16(0) == MetafileFloodFill::OfSurface ? MetafileFloodFill::OfSurface
                                                                           : MetafileFloodFill::UntilBorder;
    const QPointF at = toDevice(point(r, first + 2));
    // The fill goes over the whole picture, whatever it covers.
    count(MetafileLimits::Work::FloodFillPixel * imageSize_.width() * imageSize_.height());
    if (!painter_ || !canvas_ || state_.rop2 == 11) {
        paintShape(true, [] {});
        return true;
    }
    const QPoint seed(int(std::floor(at.x())), int(std::floor(at.y())));
    MetafileFloodFill fill(*canvas_, state_.clip);
    if (!fill.fill(seed, colourAt(r, first).rgb(), mode, budget_))
        return false;
    // Painting the fill stops at the last guard of time as finding it does.
    bool inTime = true;
    paintShape(true, [&] {
        const auto paintSpan = [&](const QRect &span) { painter_->fillRect(span, painter_->brush()); };
        inTime = inTime && fill.forEachSpan(paintSpan, budget_);
    });
    if (!inTime)
        return false;
    // A solid fill copied over the surface takes its border's smoothing too.
    if (state_.brush.style == SolidBrush && state_.rop2 == 13) {
        setMode(QPainter::CompositionMode_SourceOver);
        return fill.forEachBorderBlend(state_.brush.colour.rgb(), [&](QPoint at, QRgb colour) {
            painter_->fillRect(QRect(at, QSize(1, 1)), QColor(colour));
        }, budget_);
    }
    return true;
}

bool MetafilePlayer::fillRegion(const MetafileRecord &r, bool withCurrentBrush)
{
    if (!r.hasWords(withCurrentBrush ? 1 : 2))
        return false;
    const MetafileRegion *region = regionAt(r.u16(0));
    const MetafileObject *object = withCurrentBrush ? nullptr : objects_->at(r.u16(1));
    const MetafileBrush *brush = withCurrentBrush ? &state_.brush : object ? std::get_if<MetafileBrush>(object) : nullptr;
    if (!region || !brush)
        return true;
    paintRegion(deviceRegion(*region), deviceBrush(*brush), QPainter::CompositionMode_SourceOver);
    return true;
}

bool MetafilePlayer::frameRegion(const MetafileRecord &r)
{
    // Region, brush, then the frame's height and width.
    if (!r.hasWords(4))
        return false;
    const MetafileRegion *region = regionAt(r.u16(0));
    const MetafileObject *object = objects_->at(r.u16(1));
    const MetafileBrush *brush = object ? std::get_if<MetafileBrush>(object) : nullptr;
    if (!region || !brush)
        return true;
    const QRegion area = deviceRegion(*region);
    const int across = std::max(1, int(std::lround(std::min(std::abs(r.s16(3) * sx_), double(imageSize_.width())))));
    const int down = std::max(1, int(std::lround(std::min(std::abs(r.s16(2) * sy_), double(imageSize_.height())))));
    // What stays of the region when each side moves in by the frame's width.
    countRegion(area, 4);
    const QRegion inner = area.intersected(area.translated(across, 0))
                              .intersected(area.translated(-across, 0))
                              .intersected(area.translated(0, down))
                              .intersected(area.translated(0, -down));
    paintRegion(area.subtracted(inner), deviceBrush(*brush), QPainter::CompositionMode_SourceOver);
    return true;
}

bool MetafilePlayer::invertRegion(const MetafileRecord &r)
{
    if (!r.hasWords(1))
        return false;
    if (const MetafileRegion *region = regionAt(r.u16(0)))
        paintRegion(deviceRegion(*region), QBrush(Qt::black), QPainter::RasterOp_NotDestination);
    return true;
}

void MetafilePlayer::paintRegion(const QRegion &area, const QBrush &brush, QPainter::CompositionMode mode)
{
    count(MetafileLimits::Work::PainterCall + double(area.rectCount()) * MetafileLimits::Work::RegionRectangle +
          coveredPixels(area.boundingRect()) * MetafileLimits::Work::CoveredPixel);
    applyClip();
    if (!painter_)
        return;
    setMode(mode);
    int painted = 0;
    for (const QRect &rect : area) {
        painter_->fillRect(rect, brush);
        // The last guard of time acts within the region too.
        if (++painted % 256 == 0 && !budget_.inTime()) {
            overBudget_ = true;
            return;
        }
    }
}

// ---- Text ------------------------------------------------------------------

// The font's height in the image's pixels, as the record gives it.
double MetafilePlayer::fontPixels() const
{
    return state_.font.height == 0 ? 16.0 : std::abs(state_.font.height * sy_);
}

std::optional<QFont> MetafilePlayer::deviceFont() const
{
    const MetafileFont &f = state_.font;
    QFont font(f.face.isEmpty() ? QStringLiteral("Liberation Sans") : f.face);
    font.setWeight(QFont::Weight(f.weight <= 0 ? 400 : std::min(f.weight, 1000)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    // Negative heights give the characters' height, positive ones the
    // character cell's, which holds the font's leading as well.
    double pixels = fontPixels();
    if (f.height > 0) {
        font.setPixelSize(1000);
        const QFontMetricsF cell(font);
        pixels *= 1000 / std::max(1.0, cell.ascent() + cell.descent());
    }
    // Characters larger than the picture show nothing readable.
    const double most = 2.0 * std::max(imageSize_.width(), imageSize_.height());
    if (pixels < 1 || pixels > most)
        return std::nullopt;
    font.setPixelSize(int(std::lround(pixels)));
    if (f.width != 0) {
        const double average = QFontMetricsF(font).averageCharWidth();
        if (average > 0)
            font.setStretch(int(std::lround(std::clamp(std::abs(f.width * sx_) / average * 100, 1.0, 4000.0))));
    }
    if (state_.textExtra != 0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, state_.textExtra * std::abs(sx_));
    return font;
}

// What sets a text's font apart: the record's font and what maps it to pixels.
QString MetafilePlayer::fontKey() const
{
    const MetafileFont &f = state_.font;
    const QChar separator(u'|');
    return f.face + separator + QString::number(f.height) + separator + QString::number(f.width) + separator +
           QString::number(f.weight) + separator + QString::number(int(f.italic) | int(f.underline) << 1 | int(f.strikeOut) << 2) +
           separator + QString::number(sx_) + separator + QString::number(sy_) + separator + QString::number(state_.textExtra);
}

// The font of the texts that follow, set up once while it stays the same. A
// font the reading has not used before is counted in every pass that does not
// draw: the system matches a face to it and loads it.
const std::optional<QFont> &MetafilePlayer::textFont()
{
    const QString key = fontKey();
    if (key != fontKey_) {
        fontKey_ = key;
        if (!fontsUsed_.contains(key)) {
            fontsUsed_.insert(key);
            countState(MetafileLimits::Work::NewFont);
        }
        font_ = deviceFont();
    }
    return font_;
}

bool MetafilePlayer::textOut(const MetafileRecord &r)
{
    // Length, the characters (padded to a word), then y and x.
    const qint64 length = r.u16(0);
    const qint64 textWords = (length + 1) / 2;
    if (!r.hasWords(1 + textWords + 2))
        return false;
    return drawText(point(r, qsizetype(1 + textWords)), r.bytes(2, length), nullptr, 0, 0, std::nullopt);
}

bool MetafilePlayer::extTextOut(const MetafileRecord &r)
{
    // y, x, length, options, the rectangle when the options name it, the
    // characters (padded to a word), then each character's advance if given.
    if (!r.hasWords(4))
        return false;
    const qint64 length = r.u16(2);
    const int options = r.u16(3);
    std::optional<QRectF> rect;
    qint64 textAt = 8;
    if (options & (Opaque | Clipped)) {
        if (!r.hasWords(8))
            return false;
        rect = toDevice(QRectF(QPointF(r.s16(4), r.s16(5)), QPointF(r.s16(6), r.s16(7))));
        textAt = 16;
    }
    const QByteArrayView text = r.bytes(textAt, length);
    if (text.size() != length)
        return false;
    const qint64 dxAt = textAt + length + length % 2;
    const bool hasAdvances = r.size() - dxAt >= 2 * length;
    return drawText(point(r, 0), text, hasAdvances ? &r : nullptr, dxAt, options, rect);
}

bool MetafilePlayer::drawText(QPointF at, QByteArrayView bytes, const MetafileRecord *r, qint64 dxAt, int options,
                              std::optional<QRectF> box)
{
    const bool updateCp = state_.textAlign & UpdateCp;
    const QPointF origin = toDevice(updateCp ? state_.position : at);
    using namespace MetafileLimits;
    // Each character may cover its square, wherever the advances put it.
    const double glyph = std::min(fontPixels() * fontPixels(), double(imageSize_.width()) * imageSize_.height());
    count(double(bytes.size()) * glyph * Work::GlyphPixel);
    if (box && (options & Opaque))
        count(coveredPixels(*box) * Work::CoveredPixel);
    applyClip();
    if (painter_) {
        setMode(QPainter::CompositionMode_SourceOver);
        if (box && (options & Opaque))
            painter_->fillRect(*box, state_.backColour);
    }
    const std::optional<QFont> font = textFont();
    if (!font || bytes.isEmpty())
        return true;
    const QString text = MetafileText::decode(bytes, state_.font.charset);
    // The characters are laid out as one run, or each drawn alone at the
    // advance the record gives it; collecting the frame lays out a run too.
    const bool placed = r && text.size() == bytes.size();
    const double characters = double(text.size());
    count(Work::Text + characters * (placed ? Work::PlacedGlyph : Work::Glyph));
    if (box && (options & Clipped) && state_.clip)
        count(double(state_.clip->rectCount()) * Work::ClipRectangle);
    if (collecting_ && !placed)
        spend(characters * Work::Glyph);
    if (!painter_ && !collecting_)
        return true;
    const QFontMetricsF metrics(*font);
    // Each character's advance, from the record when it gives them for every
    // character, otherwise the font's own.
    QList<qreal> advances;
    qreal width = 0;
    if (placed) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            advances.append(r->s16(qsizetype(dxAt / 2 + i)) * std::abs(sx_));
            width += advances.last();
        }
    } else {
        width = metrics.horizontalAdvance(text);
    }
    const int align = state_.textAlign;
    const qreal x = (align & AlignCenter) == AlignCenter ? -width / 2 : (align & AlignRight) ? -width : 0;
    const qreal baseline = (align & AlignBaseline) == AlignBaseline ? 0
                           : (align & AlignBottom)                 ? -metrics.descent()
                                                                   : metrics.ascent();
    const QRectF cell(x, baseline - metrics.ascent(), width, metrics.ascent() + metrics.descent());
    if (!painter_) {
        // The characters' cells, turned with the text, are part of what is drawn.
        const QTransform placed = QTransform().translate(origin.x(), origin.y()).rotate(-state_.font.escapement / 10.0);
        for (const QPointF &corner : placed.map(QPolygonF(cell)))
            touch(corner);
        return true;
    }
    painter_->save();
    if (box && (options & Clipped))
        painter_->setClipRect(*box, Qt::IntersectClip);
    painter_->translate(origin);
    painter_->rotate(-state_.font.escapement / 10.0);
    if (state_.opaqueBackground)
        painter_->fillRect(cell, state_.backColour);
    painter_->setFont(*font);
    painter_->setPen(state_.textColour);
    if (advances.isEmpty()) {
        painter_->drawText(QPointF(x, baseline), text);
    } else {
        qreal along = x;
        for (qsizetype i = 0; i < text.size(); ++i) {
            painter_->drawText(QPointF(along, baseline), QString(text[i]));
            along += advances[i];
            // The last guard of time acts between the characters too.
            if ((i + 1) % 256 == 0 && !budget_.inTime()) {
                overBudget_ = true;
                break;
            }
        }
    }
    painter_->restore();
    if (updateCp && sx_ != 0) {
        // The current position moves past the text, as far as it was aligned away from it.
        const qreal moved = (align & AlignCenter) == AlignCenter ? 0 : (align & AlignRight) ? -width : width;
        state_.position.rx() += moved / sx_;
    }
    return true;
}

// ---- Bitmaps ---------------------------------------------------------------

bool MetafilePlayer::bitmapBlt(const MetafileRecord &r)
{
    // The raster operation, then (for StretchDIB) how the colour table is
    // read, the source's size and place (the BitBlt kinds: the destination's
    // size stands for both), the destination, then the bitmap: a
    // device-independent one, or in BitBlt and StretchBlt a device-dependent
    // one. A record without a bitmap only paints its destination with the brush.
    const quint16 f = r.function();
    const quint32 rop = r.u32(0);
    const bool stretched = f != DibBitBlt && f != BitBlt;
    const bool paletteIndices = f == StretchDib && r.u16(2) == 1;
    const qsizetype first = f == StretchDib ? 3 : 2;
    const qsizetype fields = stretched ? 8 : 6;
    // Without a bitmap the record has exactly the words its function names.
    const bool withoutBitmap = f != StretchDib && r.words() == (f >> 8);
    if (!r.hasWords(first + fields))
        return false;
    qsizetype at = first;
    QSizeF sourceSize;
    if (stretched) {
        sourceSize = QSizeF(r.s16(at + 1), r.s16(at));
        at += 2;
    }
    const QPointF sourceAt(r.s16(at + 1), r.s16(at));
    at += withoutBitmap ? 3 : 2;
    if (!r.hasWords(at + 4))
        return false;
    const QSizeF targetSize(r.s16(at + 1), r.s16(at));
    const QPointF targetAt(r.s16(at + 3), r.s16(at + 2));
    if (!stretched)
        sourceSize = targetSize;
    const QRectF target(targetAt, targetSize);
    if (withoutBitmap) {
        fillWithRop(rop, toDevice(target));
        return true;
    }
    const QRectF source(sourceAt, sourceSize);
    if (f == BitBlt || f == StretchBlt)
        return drawBitmap16(rop, source, target, r.rest(2 * (at + 4)));
    return drawBitmap(rop, source, target, r.rest(2 * (at + 4)), paletteIndices);
}

bool MetafilePlayer::setDibToDevice(const MetafileRecord &r)
{
    // Colour usage, the rows given (count and first), the source's y and x,
    // height, width, the destination's y and x, then the bitmap; the bitmap's
    // pixels are drawn one to a unit.
    if (!r.hasWords(9))
        return false;
    const QSizeF size(r.s16(6), r.s16(5));
    return drawBitmap(SrcCopy, QRectF(QPointF(r.s16(4), r.s16(3)), size), QRectF(QPointF(r.s16(8), r.s16(7)), size),
                      r.rest(18), r.u16(0) == 1);
}

bool MetafilePlayer::patternBlt(const MetafileRecord &r)
{
    // The raster operation, height, width, y, x.
    if (!r.hasWords(6))
        return false;
    const QRectF target(QPointF(r.s16(5), r.s16(4)), QSizeF(r.s16(3), r.s16(2)));
    fillWithRop(r.u32(0), toDevice(target));
    return true;
}

void MetafilePlayer::fillWithRop(quint32 rop, const QRectF &target)
{
    count(MetafileLimits::Work::PainterCall + coveredPixels(target) * MetafileLimits::Work::CoveredPixel);
    if (rop == NoOperation)
        return;
    applyClip();
    QBrush brush = deviceBrush(state_.brush);
    if (!painter_)
        return;
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    if (rop == Blackness)
        brush = QBrush(Qt::black);
    else if (rop == Whiteness)
        brush = QBrush(Qt::white);
    else if (rop == DstInvert)
        mode = QPainter::RasterOp_NotDestination, brush = QBrush(Qt::black);
    else if (rop == PatInvert)
        mode = QPainter::RasterOp_SourceXorDestination;
    setMode(mode);
    painter_->fillRect(mode == QPainter::CompositionMode_SourceOver ? target : wholePixels(target), brush);
}

bool MetafilePlayer::drawBitmap(quint32 rop, QRectF source, QRectF target, QByteArrayView dib, bool paletteIndices)
{
    const DibDecoder decoder(dib, paletteFor(paletteIndices));
    if (!decoder.isValid())
        return false;
    // A bottom-up bitmap counts its source rows from the bottom.
    if (!decoder.topDown())
        source.moveTop(decoder.height() - source.top() - source.height());
    return placeBitmap(rop, source, target, decoder.decodedBytes() / 4, [&] { return decoder.decode(); });
}

bool MetafilePlayer::drawBitmap16(quint32 rop, QRectF source, QRectF target, QByteArrayView bitmap)
{
    const Bitmap16Decoder decoder(bitmap, Bitmap16Decoder::Layout::Blt);
    if (!decoder.isValid())
        return false;
    // Bitmaps whose pixels index the writing display's palette, which the
    // file does not hold, are left out.
    if (!decoder.isDrawable())
        return true;
    // A monochrome bitmap meets a colour picture: its 0 bits take the text
    // colour, its 1 bits the background colour.
    return placeBitmap(rop, source, target, decoder.decodedBytes() / 4,
                       [&] { return decoder.decode(state_.textColour.rgb(), state_.backColour.rgb()); });
}

// Draws `source`, in the bitmap's pixels counted from its top row, onto
// `target`; `decode` gives the bitmap of `pixels` pixels, and is called only
// when drawing.
template <typename Decode>
bool MetafilePlayer::placeBitmap(quint32 rop, QRectF source, QRectF target, qint64 pixels, Decode decode)
{
    const QPointF a = toDevice(target.topLeft()), b = toDevice(target.bottomRight());
    count(MetafileLimits::Work::PainterCall + double(pixels) * MetafileLimits::Work::DecodedPixel +
          coveredPixels(QRectF(a, b)) * MetafileLimits::Work::CoveredPixel);
    if (rop == NoOperation)
        return true;
    applyClip();
    if (!painter_)
        return true;
    QImage image = decode();
    if (image.isNull())
        return false;
    const bool mirrorX = (b.x() < a.x()) != (source.width() < 0);
    const bool mirrorY = (b.y() < a.y()) != (source.height() < 0);
    source = source.normalized().intersected(QRectF(image.rect()));
    if (source.isEmpty())
        return true;
    if (mirrorX || mirrorY) {
        image = image.copy(source.toAlignedRect()).mirrored(mirrorX, mirrorY);
        source = QRectF(image.rect());
    }
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (rop) {
    case SrcAnd: mode = QPainter::RasterOp_SourceAndDestination; break;
    case SrcPaint: mode = QPainter::RasterOp_SourceOrDestination; break;
    case SrcInvert: mode = QPainter::RasterOp_SourceXorDestination; break;
    case NotSrcCopy: mode = QPainter::RasterOp_NotSource; break;
    default: break; // the others are drawn as a copy
    }
    setMode(mode);
    const QRectF placed = QRectF(a, b).normalized();
    painter_->drawImage(mode == QPainter::CompositionMode_SourceOver ? placed : wholePixels(placed), image, source);
    return true;
}

} // namespace kelvarino
