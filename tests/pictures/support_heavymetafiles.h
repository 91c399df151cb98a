#pragma once

#include <QByteArray>
#include <QSize>

// Metafiles at the edge of the work bound, for the tests and the benchmark.
namespace HeavyMetafiles {

// The size they are read at: a wallpaper's.
inline const QSize Size(1280, 720);

// Among the heaviest work per unit of the bound that the measurements found:
// flood fills over the whole picture, as many as the bound admits at Size,
// and `extra` more.
QByteArray wholePictureFloodFills(int extra = 0);

// The slowest of the hostile files: one ellipse across the whole 16-bit range
// of coordinates, without a frame, so drawn at the largest image allowed.
QByteArray wholeSixteenBitRange();

} // namespace HeavyMetafiles
