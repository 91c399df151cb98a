#pragma once

#include <QByteArray>
#include <QSize>

// Metafiles at the edge of the work bound, for the tests and the benchmark.
namespace HeavyMetafiles {

// The size they are read at: a wallpaper's.
inline const QSize Size(1280, 720);

// As many copies of one record as the work bound admits at Size, and `extra`
// more. Flood fills over the whole picture are among the slowest to draw for
// the work they count (the benchmark's heaviest file); polygons zigzagging
// across every row drawn in XOR among the quickest (the tests' file, drawn in
// a moment however busy the machine).
QByteArray wholePictureFloodFills(int extra = 0);
QByteArray xorZigzags(int extra = 0);

// The slowest of the hostile files: one ellipse across the whole 16-bit range
// of coordinates, without a frame, so drawn at the largest image allowed.
QByteArray wholeSixteenBitRange();

} // namespace HeavyMetafiles
