#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace kelvarino {

// Reads the picture files the program shows (the wallpaper and its preview):
// the toolkit's image formats, and Windows metafiles (.wmf), which are drawn
// rather than decoded. A null image means the file cannot be read as a picture.
namespace PictureReader {

// The resolution at which a metafile's own size becomes pixels.
inline constexpr double MetafileDotsPerInch = 96.0;

// The picture in a file, recognised by its content, not by its name. With an
// empty size, at its natural size (a metafile's at MetafileDotsPerInch);
// otherwise stretched to exactly `size`, a metafile drawn at that size.
QImage read(const QString &path, const QSize &size = QSize());

// True when the bytes start like a Windows metafile (placeable or not).
bool looksLikeMetafile(const QByteArray &bytes);

// Draws the metafile held in `bytes`, at its natural size when `size` is empty,
// otherwise stretched to `size`. Null when the bytes are not a metafile that
// can be drawn whole within the bounds of MetafileLimits (pictures/metafilereader.h).
QImage readMetafile(const QByteArray &bytes, const QSize &size = QSize());

} // namespace PictureReader

} // namespace kelvarino
