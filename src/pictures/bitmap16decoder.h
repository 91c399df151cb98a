#pragma once

#include <QByteArrayView>
#include <QColor>
#include <QImage>

namespace kelvarino {

// A device-dependent bitmap as the oldest metafile records hold it: type,
// width, height, bytes a row, planes and bits a pixel, then the rows, top row
// first, each as long as its bytes a row. Every field is checked against the
// record's bytes and the pixel cap before a pixel is read.
class Bitmap16Decoder
{
public:
    // Where the rows begin in the records that hold such a bitmap.
    enum class Layout {
        // BitBlt and StretchBlt: after the ten bytes of fields, or after the
        // four more of the in-memory pointer when the record holds them.
        Blt,
        // CreatePatternBrush: after fourteen bytes of fields and eighteen reserved.
        PatternBrush,
    };

    Bitmap16Decoder(QByteArrayView bytes, Layout layout);

    // False when a field is damaged, the rows lie past the bytes or the
    // bitmap passes the pixel cap.
    bool isValid() const { return valid_; }
    // True for the kinds whose colours the bitmap itself gives: one plane of
    // one bit (the device's text and background colours), 24 or 32 bits. The
    // others index the palette of the display that wrote the file.
    bool isDrawable() const { return valid_ && planes_ == 1 && (bits_ == 1 || bits_ == 24 || bits_ == 32); }
    qint64 decodedBytes() const { return qint64(width_) * height_ * 4; }
    bool isMonochrome() const { return bits_ == 1; }
    // The bitmap; a monochrome one is a one-bit image whose colour table holds
    // `zeros` and `ones`. Null when not drawable.
    QImage decode(QRgb zeros, QRgb ones) const;

private:
    bool read(QByteArrayView bytes, Layout layout);

    bool valid_ = false;
    int width_ = 0, height_ = 0, rowBytes_ = 0, planes_ = 0, bits_ = 0;
    QByteArrayView rows_;
};

} // namespace kelvarino
