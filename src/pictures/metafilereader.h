#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QRect>

#include <optional>
#include <vector>

namespace kelvarino {

// The bounds a Windows metafile must keep to be drawn. Each is far past what a
// real picture needs, and each keeps a damaged or hostile file from costing
// more than about a second of work or a few hundred MB.
namespace MetafileLimits {
// The file itself: a drawing exported as a metafile is a few MB at most.
inline constexpr qsizetype MaxFileBytes = 64 * 1024 * 1024;
// Records of any kind: exported plans hold tens of thousands.
inline constexpr qsizetype MaxRecords = 1'000'000;
// Nested saved states: programs nest a handful.
inline constexpr int MaxSavedStates = 1024;
// One bitmap's pixels (4096 x 4096, 64 MB decoded): a page scanned at 300 dpi
// has 8.7 million.
inline constexpr qint64 MaxBitmapPixels = 4096LL * 4096;
// The bitmaps held as brush patterns, decoded, together: the object table's
// and the saved states'.
inline constexpr qint64 MaxHeldBitmapBytes = 32LL * 1024 * 1024;
// A drawing coordinate, in pixels of the image drawn: a real picture draws
// within its frame, a few image widths at most outside it.
inline constexpr double MaxDeviceCoordinate = 262144.0;
// A region's rectangles: the regions metafiles hold have a handful.
inline constexpr int MaxRegionRectangles = 2000;
// The image drawn: a side, and its area (128 MB at four bytes a pixel).
inline constexpr int MaxImageSide = 8192;
inline constexpr qint64 MaxImagePixels = 32LL * 1024 * 1024;

// The work one reading may do: what alone decides between drawn and refused.
// Every record is counted, at the size asked for, before anything is drawn
// (but a flood fill, whose cost depends on what was drawn before it, counts
// its spans as it goes), and so is the work of collecting the frame of a file
// that declares none; each kind of work weighs at least what it costs the
// painter, in units of about a nanosecond of a Release build (a pixel filled
// from a pattern), measured in bench/bench_metafile. The heaviest file the
// bound admits, of any kind, reads in about a second; 92,000 records of short
// lines count about a sixth of it, a wallpaper-sized photograph a hundredth,
// 50,000 small circles with pens two pixels wide three quarters at 1280 x 720.
inline constexpr double MaxWork = 1e9;
namespace Work {
// Reading and playing one record, whatever it draws; and asking the painter
// for a fill, a pixel, a bitmap or a region (with what it sets up for it).
inline constexpr double Record = 300;
inline constexpr double PainterCall = 1000;
// A shape drawn, and each of its points.
inline constexpr double Shape = 500;
inline constexpr double Edge = 20;
// Each row an edge of a shape, or of a wide pen's outline, crosses. Within a
// row, each pair of the edges filled crossing it past the shape's two sides
// (counting for each edge at most 64 others: past that the cost of a crossing
// stops growing), and each pair of the pixels a wide pen's outline touches in
// it.
inline constexpr double EdgeCrossing = 60;
inline constexpr double CrossingPair = 66;
inline constexpr double CrossingPartners = 64;
inline constexpr double ShapeSides = 2;
inline constexpr double OutlinePixelPair = 2;
// Each pixel a wide pen's outline touches around a closed shape (on an open
// line, each costs as an edge's crossing).
inline constexpr double ClosedOutlinePixel = 20;
// Each outline a pen strokes, and a pen wider than a pixel again; each join
// of two segments, and each end of an open line, such a pen draws; for each
// of those, each pixel of that pen's width.
inline constexpr double PenOutline = 1000;
inline constexpr double WidePenOutline = 2500;
inline constexpr double PenJoin = 3000;
inline constexpr double PenEnd = 1000;
inline constexpr double PenWidthPixel = 150;
// Each join and end a pen one pixel wide draws.
inline constexpr double ThinPenPoint = 250;
// Each pixel of the box around a closed shape outlined by a wide pen.
inline constexpr double WidePenPixel = 4;
// Each pixel a shape covers, filled with a solid colour or from a pattern
// (hatches, pattern brushes).
inline constexpr double SolidPixel = 0.25;
inline constexpr double PatternPixel = 1;
// Each row a shape filled from a pattern covers.
inline constexpr double PatternRow = 1200;
// Each column a pen one pixel wide runs along, on a line more across than
// down; each row, on one more down than across.
inline constexpr double ThinPenColumn = 110;
inline constexpr double ThinPenRow = 30;
// Each pixel a bitmap, a text's box, a region or a wide pen's round ends cover.
inline constexpr double CoveredPixel = 1;
// Each pixel of a character's square: the glyph drawn at that size.
inline constexpr double GlyphPixel = 6;
// Each pixel of a bitmap decoded, as a whole bitmap or a brush's pattern
// (into memory the system gives the image anew each time).
inline constexpr double DecodedPixel = 12;
// Each pixel of the image a flood fill goes over: it marks, fills and
// smooths against the whole picture; then, as it fills, each run of a row it
// finds and paints, and each pixel of the border it smooths.
inline constexpr double FloodFillPixel = 13;
inline constexpr double FloodFillSpan = 300;
inline constexpr double FloodFillBlend = 300;
// Each rectangle of a region built, combined with the clip, or painted; and
// each rectangle of the clip the painter is given, each time it is given one.
inline constexpr double RegionRectangle = 80;
inline constexpr double ClipRectangle = 250;
// Each pixel of a one-bit pattern turned into the picture's colours (done
// again only when the pattern or the colours change).
inline constexpr double ConvertedPixel = 20;
// Each text drawn; each font it needs that the reading has not used before
// (the system matches a face to it and loads it); each character laid out
// in a run, and each one drawn alone at the advance the record gives it.
inline constexpr double Text = 5000;
inline constexpr double NewFont = 500000;
inline constexpr double Glyph = 150;
inline constexpr double PlacedGlyph = 2000;
} // namespace Work
// The processor time one reading may take, checking and drawing together: a
// last guard only, well above what the work bound admits, looked at between
// records and within the long ones (between a fill's runs, a region's
// rectangles, a text's characters).
#ifdef QT_NO_DEBUG
inline constexpr qint64 MaxMilliseconds = 15000;
#else
// A build without optimization (with the toolkit's checks, and the tests'
// sanitizers) runs the reader's own loops many times slower.
inline constexpr qint64 MaxMilliseconds = 150000;
#endif
} // namespace MetafileLimits

// One record's parameters, read only within the record: a read past its end
// gives zero and never touches the bytes after it.
class MetafileRecord
{
public:
    MetafileRecord(quint16 function, QByteArrayView params) : function_(function), params_(params) {}

    quint16 function() const { return function_; }
    // The parameters' length, in 16-bit words and in bytes.
    qsizetype words() const { return params_.size() / 2; }
    qsizetype size() const { return params_.size(); }
    bool hasWords(qint64 count) const { return count >= 0 && count <= words(); }

    qint16 s16(qsizetype word) const { return qint16(u16(word)); }
    quint16 u16(qsizetype word) const;
    quint32 u32(qsizetype word) const { return u16(word) | quint32(u16(word + 1)) << 16; }
    // `count` bytes from byte `from`; empty when they are not all inside.
    QByteArrayView bytes(qint64 from, qint64 count) const;
    QByteArrayView rest(qint64 from) const { return bytes(from, params_.size() - from); }

private:
    quint16 function_;
    QByteArrayView params_;
};

// A metafile's headers and the place of every record, each checked to lie
// whole inside the file, up to the end-of-file record.
class MetafileReader
{
public:
    struct Header
    {
        bool placeable = false;
        QRect bounds;          // the placeable header's frame, in the file's units
        int unitsPerInch = 0;  // the placeable header's units an inch
        int objectCount = 0;   // slots in the object table
    };

    // True when the bytes start like a metafile: a placeable header's key, or
    // the standard header. Six bytes are enough to tell.
    static bool recognises(QByteArrayView bytes);
    // Empty when the headers or the records' sizes are damaged.
    static std::optional<MetafileReader> open(QByteArrayView bytes);

    const Header &header() const { return header_; }
    const std::vector<MetafileRecord> &records() const { return records_; }

private:
    Header header_;
    std::vector<MetafileRecord> records_;
};

} // namespace kelvarino
