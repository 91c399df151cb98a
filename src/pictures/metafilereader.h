#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QRect>

#include <optional>
#include <vector>

namespace kelvarino {

// The bounds a Windows metafile must keep to be drawn. Each is far past what a
// real picture needs, and each keeps a damaged or hostile file from costing
// more than a few seconds or a few hundred MB.
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
// The painter's work for one record, in pixels: the rows each edge of a
// shape crosses plus the pen's width, or each character's square. A record is
// drawn whole or not at all, so the time budget cannot stop it half-way; a
// map's polygon of 10,000 points across a whole wallpaper needs 7 million.
inline constexpr double MaxRecordWork = 32.0 * 1024 * 1024;
// A region's rectangles: the regions metafiles hold have a handful.
inline constexpr int MaxRegionRectangles = 2000;
// The image drawn: a side, and its area (128 MB at four bytes a pixel).
inline constexpr int MaxImageSide = 8192;
inline constexpr qint64 MaxImagePixels = 32LL * 1024 * 1024;
// The time one reading may take, checking and drawing together.
inline constexpr qint64 MaxMilliseconds = 3000;
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
