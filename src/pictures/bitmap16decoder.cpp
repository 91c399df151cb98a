#include "pictures/bitmap16decoder.h"

#include "pictures/metafilereader.h"

#include <QtEndian>

#include <cstring>

namespace kelvarino {

namespace {

constexpr qsizetype FieldBytes = 10;
constexpr qsizetype PointerBytes = 4;
constexpr qsizetype PatternBrushRowsAt = 32;

} // namespace

Bitmap16Decoder::Bitmap16Decoder(QByteArrayView bytes, Layout layout)
{
    valid_ = read(bytes, layout);
}

bool Bitmap16Decoder::read(QByteArrayView bytes, Layout layout)
{
    if (bytes.size() < FieldBytes)
        return false;
    const auto field = [&bytes](qsizetype at) { return int(qFromLittleEndian<qint16>(bytes.data() + at)); };
    width_ = field(2);
    height_ = field(4);
    rowBytes_ = field(6);
    planes_ = quint8(bytes[8]);
    bits_ = quint8(bytes[9]);
    if (width_ <= 0 || height_ <= 0 || planes_ == 0 || bits_ == 0 ||
        qint64(width_) * height_ > MetafileLimits::MaxBitmapPixels)
        return false;
    // Each plane's row holds its pixels' bits, padded to a word.
    const qint64 leastRowBytes = (qint64(width_) * bits_ + 15) / 16 * 2;
    if (rowBytes_ < leastRowBytes)
        return false;
    const qint64 rowsBytes = qint64(rowBytes_) * height_ * planes_;
    qint64 at = FieldBytes;
    if (layout == Layout::PatternBrush)
        at = PatternBrushRowsAt;
    else if (bytes.size() - FieldBytes >= PointerBytes + rowsBytes)
        at = FieldBytes + PointerBytes;
    if (rowsBytes > bytes.size() - at)
        return false;
    rows_ = bytes.sliced(qsizetype(at), qsizetype(rowsBytes));
    return true;
}

QImage Bitmap16Decoder::decode(QRgb zeros, QRgb ones) const
{
    if (!isDrawable())
        return {};
    const auto row = [this](int y) { return reinterpret_cast<const uchar *>(rows_.data()) + qsizetype(y) * rowBytes_; };
    if (bits_ == 1) {
        QImage image(width_, height_, QImage::Format_Mono);
        if (image.isNull())
            return {};
        image.setColorTable({zeros, ones});
        const qsizetype bytes = (width_ + 7) / 8;
        for (int y = 0; y < height_; ++y)
            std::memcpy(image.scanLine(y), row(y), std::size_t(bytes));
        return image;
    }
    QImage image(width_, height_, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const int step = bits_ / 8;
    for (int y = 0; y < height_; ++y) {
        const uchar *in = row(y);
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width_; ++x, in += step)
            out[x] = qRgb(in[2], in[1], in[0]);
    }
    return image;
}

} // namespace kelvarino
