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

QByteArray wholePictureFloodFills(int extra)
{
    const double none = workOf(floodFills(0).file(Frame));
    const double each = workOf(floodFills(1).file(Frame)) - none;
    const int admitted = int(std::floor((kelvarino::MetafileLimits::MaxWork - none) / each));
    return floodFills(admitted + extra).file(Frame);
}

QByteArray wholeSixteenBitRange()
{
    MetafileWriter w;
    w.brush(0, QColor(200, 40, 90)).select(0).ellipse(QRect(-32000, -32000, 64000, 64000));
    return w.file(QRect());
}

} // namespace HeavyMetafiles
