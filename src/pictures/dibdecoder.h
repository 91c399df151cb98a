#pragma once

#include <QByteArrayView>
#include <QColor>
#include <QImage>
#include <QList>

namespace kelvarino {

// A device-independent bitmap as a metafile holds it (its header, colour
// table and pixels, without a file header), checked field by field before a
// pixel is read.
class DibDecoder
{
public:
    // Reads the header; `isValid()` is false when any field is damaged, the
    // pixels claimed lie past `bytes` or the bitmap passes the pixel cap.
    // With a `palette`, the colour table holds 16-bit indices into it, not
    // colours.
    explicit DibDecoder(QByteArrayView bytes, const QList<QRgb> *palette = nullptr);

    bool isValid() const { return valid_; }
    int height() const { return height_; }
    // The first row is the top one (a negative height in the header).
    bool topDown() const { return topDown_; }
    // Bytes the decoded image takes.
    qint64 decodedBytes() const { return qint64(width_) * height_ * 4; }
    // The bitmap with its first row at the top; null when not valid.
    QImage decode() const;

private:
    bool readHeader();
    bool readColourTable();
    QImage decodeRows() const;
    QImage decodeRunLengths() const;
    QRgb bitfieldColour(quint32 value) const;

    QByteArrayView bytes_;
    const QList<QRgb> *palette_;
    bool valid_ = false;
    int width_ = 0, height_ = 0;
    bool topDown_ = false;
    int bits_ = 0;
    quint32 compression_ = 0;
    quint32 masks_[3] = {};
    qsizetype pixelsAt_ = 0;
    QList<QRgb> colours_;
};

} // namespace kelvarino
