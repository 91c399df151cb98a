#include "support_heavymetafiles.h"

#include "pictures/metafileplayer.h"
#include "support_metafilewriter.h"

#include <cmath>

namespace HeavyMetafiles {

namespace {

const QRect Frame(0, 0, 1000, 1000);

// Fills of the whole picture in two colours by turns, none stopped by a
// border: no pixel has the border's colour.
MetafileWriter floodFills(int count)
{
    MetafileWriter w;
    w.brush(0, QColor(200, 40, 90)).select(0).brush(0, QColor(20, 90, 200)).select(1);
    for (int i = 0; i < count; ++i)
        w.select(i % 2).record(0x0419, MetafileWriter::colour(Qt::green) + MetafileWriter::words({500, 500}));
    return w;
}

// The work a file counts at Size.
double workOf(const QByteArray &file)
{
    using namespace kelvarino;
    const std::optional<MetafileReader> reader = MetafileReader::open(file);
    MetafileBudget budget;
    MetafilePlayer(*reader, *MetafilePlayer::frameOf(*reader), Size, budget).draw();
    return budget.spent();
}

} // namespace

// `count` copies of a record (with what comes before them), as many as the
// bound admits and `extra` more.
template <typename Copies> QByteArray atTheBound(Copies copies, int extra)
{
    const double none = workOf(copies(0));
    const double each = workOf(copies(1)) - none;
    const int admitted = int(std::floor((kelvarino::MetafileLimits::MaxWork - none) / each));
    return copies(admitted + extra);
}

QByteArray wholePictureFloodFills(int extra)
{
    return atTheBound([](int count) { return floodFills(count).file(Frame); }, extra);
}

QByteArray xorZigzags(int extra)
{
    QList<QPoint> zigzag;
    for (int i = 0; i < 20; ++i)
        zigzag.append(QPoint((i * 37) % 1000, i % 2 ? 999 : 0));
    return atTheBound([&zigzag](int count) {
        MetafileWriter w;
        w.record(0x0104, {7}).pen(5, 0, Qt::black).select(0).brush(0, QColor(200, 40, 90)).select(1);
        for (int i = 0; i < count; ++i)
            w.polygon(zigzag);
        return w.file(Frame);
    }, extra);
}

QByteArray wholeSixteenBitRange()
{
    MetafileWriter w;
    w.brush(0, QColor(200, 40, 90)).select(0).ellipse(QRect(-32000, -32000, 64000, 64000));
    return w.file(QRect());
}

} // namespace HeavyMetafiles
