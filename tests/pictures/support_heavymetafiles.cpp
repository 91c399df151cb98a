#include "support_heavymetafiles.h"

#include "pictures/metafileplayer.h"
#include "support_metafilewriter.h"

#include <cmath>

namespace HeavyMetafiles {

namespace {

using kelvarino::MetafileLimits::MaxWork;

// Framed for Size at 96 units an inch: drawn one unit to a pixel at Size,
// which is their natural size too.
const QRect Frame(QPoint(), Size);

enum Function {
    SaveDc = 0x001E, RestoreDc = 0x0127, SetPixel = 0x041F, SelectClipRegion = 0x012C, CreateRegion = 0x06FF,
    ExcludeClipRect = 0x0415, FloodFill = 0x0419, SetTextColor = 0x0209, PatBlt = 0x061D,
    CreatePatternBrush = 0x01F9, Polyline = 0x0325, ExtTextOut = 0x0A32,
};
enum { PenNull = 5, PenRoundJoin = 0 };

// A region record of `rows` x `columns` squares of 4 units, 8 apart.
QByteArray gridRegion(int rows, int columns)
{
    QByteArray scans;
    for (int row = 0; row < rows; ++row) {
        scans += MetafileWriter::words({2 * columns, 8 * row, 8 * row + 4});
        for (int column = 0; column < columns; ++column)
            scans += MetafileWriter::words({8 * column, 8 * column + 4});
        scans += MetafileWriter::words({2 * columns});
    }
    return MetafileWriter::words({0, 6, 0, 0, 0, rows, 2 * columns, 0, 0, 8 * columns, 8 * rows}) + scans;
}

// Flood fills in two colours by turns (brushes 1 and 2), stopped by no
// border but what `prepare` draws in black.
MetafileWriter floodFills(int count, QPoint seed, const std::function<void(MetafileWriter &)> &prepare = {})
{
    MetafileWriter w;
    w.pen(PenNull, 0, Qt::black).select(0);
    w.brush(0, QColor(200, 40, 90)).select(1).brush(0, QColor(20, 90, 200)).select(2);
    if (prepare)
        prepare(w);
    for (int i = 0; i < count; ++i)
        w.select(1 + i % 2).record(FloodFill, MetafileWriter::colour(Qt::black) + MetafileWriter::words({seed.y(), seed.x()}));
    return w;
}

// A one-bit bitmap with a 40-byte header and two colours, of stripes.
QByteArray oneBitDib(int width, int height)
{
    const int rowBytes = (width + 31) / 32 * 4;
    return MetafileWriter::dibHeader(40, width, height, 1) + MetafileWriter::colour(Qt::black) +
           MetafileWriter::colour(Qt::white) + QByteArray(qsizetype(rowBytes) * height, '\x55');
}

std::vector<Kind> kinds()
{
    std::vector<Kind> all;
    // A clip of 2,000 rectangles selected for a pixel, then none for the
    // next: built again and given to the painter again each time.
    all.push_back({"a clip of 2,000 rectangles selected again", [](int count) {
        MetafileWriter w;
        w.record(CreateRegion, gridRegion(40, 50));
        for (int i = 0; i < count; ++i) {
            w.record(SelectClipRegion, {0}).record(SetPixel, {0, 0, 2, 2});
            w.record(SelectClipRegion, {1}).record(SetPixel, {0, 0, 1, 1});
        }
        return w.file(Frame);
    }});
    // Without a frame: a clip cut into 2,000 strips, then cut across while the
    // frame is collected, where the coordinates are taken one to a pixel.
    all.push_back({"clip cut across while the frame is collected", [](int count) {
        MetafileWriter w;
        for (int i = 0; i < 2000; ++i)
            w.record(ExcludeClipRect, {8000, 4 * i + 2, 0, 4 * i});
        for (int i = 0; i < count; ++i)
            w.record(SaveDc, {}).record(ExcludeClipRect, {4 * (i % 190) + 6, 8000, 4 * (i % 190) + 4, 0}).record(RestoreDc, {-1});
        w.rectangle(Frame);
        return w.file(QRect());
    }});
    // Fills of a picture striped one pixel in two: each row is 638 runs.
    all.push_back({"flood fills over stripes", [](int count) {
        return floodFills(count, QPoint(1, 400), [](MetafileWriter &w) {
                   w.brush(0, Qt::black).select(3);
                   for (int x = 0; x < Size.width(); x += 2) {
                       const int top = x % 4 ? 0 : 2;
                       w.rectangle(QRect(x, top, 1, Size.height() - 2));
                   }
               }).file(Frame);
    }});
    // Pixels filled one a record: what each record and each call to the
    // painter costs, whatever it draws.
    all.push_back({"a pixel filled by each record", [](int count) {
        MetafileWriter w;
        w.brush(0, QColor(200, 40, 90)).select(0);
        for (int i = 0; i < count; ++i)
            w.record(PatBlt, {0x0021, 0x00F0, 1, 1, i % 700, i % 1200});
        return w.file(Frame);
    }});
    // A one-bit pattern of 4096 x 2048 painting single pixels, its colours
    // changed each time.
    all.push_back({"a large one-bit pattern in new colours", [](int count) {
        MetafileWriter w;
        const int width = 4096, height = 2048;
        w.record(CreatePatternBrush, MetafileWriter::bitmap16(width, height, width / 8, 1, {}) + QByteArray(22, '\0') +
                                         QByteArray(width / 8 * height, '\x0F'));
        w.select(0);
        for (int i = 0; i < count; ++i) {
            w.record(SetTextColor, MetafileWriter::colour(QColor(i % 256, 0, 0)));
            w.record(PatBlt, {0x0021, 0x00F0, 1, 1, i % 700, i % 1200});
        }
        return w.file(Frame);
    }});
    // A pen 40 pixels wide with round joins, along lines of 200 points
    // zigzagging within a few pixels.
    all.push_back({"a wide pen's joins along tiny zigzags", [](int count) {
        MetafileWriter w;
        w.pen(PenRoundJoin, 40, Qt::black).select(0);
        QByteArray points = MetafileWriter::words({200});
        for (int i = 0; i < 200; ++i)
            points += MetafileWriter::words({300 + i % 600, 400 + 3 * (i % 2)});
        for (int i = 0; i < count; ++i)
            w.record(Polyline, points);
        return w.file(Frame);
    }});
    // A new face for each text of one character.
    all.push_back({"a new face for each character", [](int count) {
        MetafileWriter w;
        for (int i = 0; i < count; ++i) {
            w.font(-12, 0, "Face " + QByteArray::number(i)).select(0);
            w.textOut(QPoint(i % 1200, 20 + i % 700), "W").remove(0);
        }
        return w.file(Frame);
    }});
    // Characters a pixel high, each placed at the advance the record gives.
    all.push_back({"characters a pixel high at their advances", [](int count) {
        MetafileWriter w;
        w.font(-1, 0, "Arial").select(0);
        const int length = 10000;
        const QByteArray advances = MetafileWriter::words({1}).repeated(length);
        for (int i = 0; i < count; ++i)
            w.record(ExtTextOut, MetafileWriter::words({10 + i % 700, 10, length, 0}) + QByteArray(length, 'W') + advances);
        return w.file(Frame);
    }});
    // One-bit bitmaps of 4096 x 4096 stretched over the picture.
    all.push_back({"one-bit bitmaps of 4096 x 4096", [](int count) {
        MetafileWriter w;
        const QByteArray dib = oneBitDib(4096, 4096);
        for (int i = 0; i < count; ++i)
            w.stretchDib(Frame, QSize(4096, 4096), dib);
        return w.file(Frame);
    }});
    return all;
}

} // namespace

const std::vector<Kind> &dearKinds()
{
    static const std::vector<Kind> all = kinds();
    return all;
}

double workOf(const QByteArray &file, QSize size)
{
    using namespace kelvarino;
    MetafileBudget budget;
    const std::optional<MetafileReader> reader = MetafileReader::open(file);
    std::optional<QRectF> frame = MetafilePlayer::frameOf(*reader);
    if (!frame)
        frame = MetafilePlayer::drawnFrameOf(*reader, budget);
    MetafilePlayer(*reader, *frame, size, budget).draw();
    return budget.spent();
}

QByteArray atTheBound(const Kind &kind, int extra)
{
    // The kinds' work grows by the same for each copy after the first (which
    // may set up what the others find ready: a font, a converted pattern).
    const double one = workOf(kind.file(1));
    const double each = workOf(kind.file(2)) - one;
    const int admitted = 1 + int(std::floor((MaxWork - one) / each));
    return kind.file(admitted + extra);
}

QByteArray wholePictureFloodFills(int extra)
{
    return atTheBound({"flood fills over the whole picture",
                       [](int count) { return floodFills(count, QPoint(500, 500)).file(Frame); }},
                      extra);
}

QByteArray xorZigzags(int extra)
{
    QList<QPoint> zigzag;
    for (int i = 0; i < 20; ++i)
        zigzag.append(QPoint((i * 37) % 1000, i % 2 ? 796 : 0));
    return atTheBound({"XOR zigzags", [&zigzag](int count) {
                           MetafileWriter w;
                           w.record(0x0104, {7}).pen(5, 0, Qt::black).select(0).brush(0, QColor(200, 40, 90)).select(1);
                           for (int i = 0; i < count; ++i)
                               w.polygon(zigzag);
                           return w.file(Frame);
                       }},
                      extra);
}

QByteArray wholeSixteenBitRange()
{
    MetafileWriter w;
    w.brush(0, QColor(200, 40, 90)).select(0).ellipse(QRect(-32000, -32000, 64000, 64000));
    return w.file(QRect());
}

QByteArray thinPenPlan()
{
    MetafileWriter w;
    w.pen(0, 1, Qt::black).select(0).brush(1, Qt::white).select(1);
    for (int i = 0; i < 2500; ++i)
        w.ellipse(QRect((i * 7) % 200, (i * 11) % 120, 800, 500));
    return w.file(QRect(0, 0, 1000, 625));
}

} // namespace HeavyMetafiles
