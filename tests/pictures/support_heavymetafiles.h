#pragma once

#include <QByteArray>
#include <QSize>

#include <functional>
#include <vector>

// Metafiles at the edge of the work bound, for the tests and the benchmark.
namespace HeavyMetafiles {

// The size they are read at: a wallpaper's, and the natural size of those
// that declare a frame.
inline const QSize Size(1276, 797);

// One kind of work, as dear to draw for the work it counts as a file can make
// it: a file holding `count` times what makes it dear.
struct Kind
{
    const char *name;
    std::function<QByteArray(int count)> file;
};
const std::vector<Kind> &dearKinds();

// A kind's file with as many copies as the work bound admits at Size, and
// `extra` more.
QByteArray atTheBound(const Kind &kind, int extra = 0);
// The work a file counts when read at `size`.
double workOf(const QByteArray &file, QSize size = Size);

// Flood fills over the whole picture, as many as the bound admits and `extra`
// more; polygons zigzagging across every row drawn in XOR, among the quickest
// to draw for their work (drawn in a moment however busy the machine).
QByteArray wholePictureFloodFills(int extra = 0);
QByteArray xorZigzags(int extra = 0);

// The slowest of the hostile files: one ellipse across the whole 16-bit range
// of coordinates, without a frame, so drawn at the largest image allowed.
QByteArray wholeSixteenBitRange();

// A plan as drawing programs export it: 2,500 large ellipses outlined by pens
// one unit wide, framed for a smaller size than Size (the pens come to a
// pixel and a quarter there).
QByteArray thinPenPlan();

} // namespace HeavyMetafiles
