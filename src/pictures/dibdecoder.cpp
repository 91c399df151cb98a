#include "pictures/dibdecoder.h"

#include "pictures/metafilereader.h"

#include <QtEndian>

#include <array>
#include <bit>

namespace kelvarino {

namespace {

enum Compression : quint32 { Plain = 0, RunLength8 = 1, RunLength4 = 2, Bitfields = 3 };

constexpr qsizetype CoreHeaderBytes = 12;
constexpr qsizetype InfoHeaderBytes = 40;
constexpr qint64 MaxColourEntries = 65536;

quint32 read32(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

quint16 read16(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

// One colour channel of a bitfields pixel, scaled to eight bits.
int channel(quint32 value, quint32 mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const quint64 top = (quint64(mask) >> shift);
    return int(((value & mask) >> shift) * 255 / top);
}

} // namespace

DibDecoder::DibDecoder(QByteArrayView bytes, const QList<QRgb> *palette) : bytes_(bytes), palette_(palette)
{
    valid_ = readHeader() && readColourTable();
}

bool DibDecoder::readHeader()
{
    if (bytes_.size() < 4)
        return false;
    const quint32 headerBytes = read32(bytes_, 0);
    qint64 width = 0, height = 0;
    int planes = 0;
    if (headerBytes == CoreHeaderBytes) {
        if (bytes_.size() < CoreHeaderBytes)
            return false;
        width = read16(bytes_, 4);
        height = read16(bytes_, 6);
        planes = read16(bytes_, 8);
        bits_ = read16(bytes_, 10);
        pixelsAt_ = CoreHeaderBytes;
    } else {
        if (headerBytes < InfoHeaderBytes || headerBytes > quint32(bytes_.size()))
            return false;
        width = qint32(read32(bytes_, 4));
        height = qint32(read32(bytes_, 8));
        planes = read16(bytes_, 12);
        bits_ = read16(bytes_, 14);
        compression_ = read32(bytes_, 16);
        pixelsAt_ = headerBytes;
        if (compression_ == Bitfields) {
            // The three masks follow a 40-byte header and are part of a longer one.
            if (bytes_.size() < InfoHeaderBytes + 12)
                return false;
            pixelsAt_ = std::max<qsizetype>(pixelsAt_, InfoHeaderBytes + 12);
            for (int i = 0; i < 3; ++i)
                masks_[i] = read32(bytes_, InfoHeaderBytes + 4 * i);
        }
    }
    topDown_ = height < 0;
    height = std::abs(height);
    if (planes != 1 || width <= 0 || height <= 0 || width * height > MetafileLimits::MaxBitmapPixels)
        return false;
    width_ = int(width);
    height_ = int(height);
    switch (compression_) {
    case Plain:
        return bits_ == 1 || bits_ == 4 || bits_ == 8 || bits_ == 16 || bits_ == 24 || bits_ == 32;
    case RunLength8:
        return bits_ == 8 && !topDown_;
    case RunLength4:
        return bits_ == 4 && !topDown_;
    case Bitfields:
        return bits_ == 16 || bits_ == 32;
    default:
        return false;
    }
}

bool DibDecoder::readColourTable()
{
    const bool core = read32(bytes_, 0) == CoreHeaderBytes;
    qint64 entries = core ? 0 : read32(bytes_, 32);
    if (entries == 0 && bits_ <= 8)
        entries = qint64(1) << bits_;
    if (entries > MaxColourEntries)
        return false;
    const qint64 entryBytes = palette_ ? 2 : core ? 3 : 4;
    if (entries * entryBytes > bytes_.size() - pixelsAt_)
        return false;
    if (bits_ <= 8) {
        colours_.reserve(qsizetype(std::min<qint64>(entries, 256)));
        for (qint64 i = 0; i < entries && i < 256; ++i) {
            const qsizetype at = pixelsAt_ + qsizetype(i * entryBytes);
            if (palette_)
                colours_.append(palette_->value(read16(bytes_, at), qRgb(0, 0, 0)));
            else
                colours_.append(qRgb(quint8(bytes_[at + 2]), quint8(bytes_[at + 1]), quint8(bytes_[at])));
        }
    }
    pixelsAt_ += qsizetype(entries * entryBytes);
    if (compression_ == RunLength8 || compression_ == RunLength4)
        return true;
    const qint64 stride = (qint64(width_) * bits_ + 31) / 32 * 4;
    return stride * height_ <= bytes_.size() - pixelsAt_;
}

QImage DibDecoder::decode() const
{
    if (!valid_)
        return {};
    if (compression_ == RunLength8 || compression_ == RunLength4)
        return decodeRunLengths();
    return decodeRows();
}

QRgb DibDecoder::bitfieldColour(quint32 value) const
{
    return qRgb(channel(value, masks_[0]), channel(value, masks_[1]), channel(value, masks_[2]));
}

QImage DibDecoder::decodeRows() const
{
    QImage image(width_, height_, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const qsizetype stride = qsizetype((qint64(width_) * bits_ + 31) / 32 * 4);
    // Every index a pixel of 8 bits or fewer can hold, to its colour: black
    // past the colour table.
    std::array<QRgb, 256> table;
    for (unsigned index = 0; index < table.size(); ++index)
        table[index] = index < unsigned(colours_.size()) ? colours_[index] : qRgb(0, 0, 0);
    const auto colour = [&table](unsigned index) { return table[index & 0xFF]; };
    // One loop for each depth: the depth is chosen once, not at every pixel.
    const auto eachRow = [&](auto pixel) {
        for (int row = 0; row < height_; ++row) {
            const auto *in = reinterpret_cast<const uchar *>(bytes_.data() + pixelsAt_ + row * stride);
            auto *out = reinterpret_cast<QRgb *>(image.scanLine(topDown_ ? row : height_ - 1 - row));
            for (int x = 0; x < width_; ++x)
                out[x] = pixel(in, x);
        }
    };
    switch (bits_) {
    case 1:
        eachRow([&](const uchar *in, int x) { return colour((in[x / 8] >> (7 - x % 8)) & 1); });
        break;
    case 4:
        eachRow([&](const uchar *in, int x) { return colour((in[x / 2] >> (x % 2 ? 0 : 4)) & 0xF); });
        break;
    case 8:
        eachRow([&](const uchar *in, int x) { return colour(in[x]); });
        break;
    case 16:
        eachRow([&](const uchar *in, int x) {
            const quint16 value = quint16(in[2 * x] | in[2 * x + 1] << 8);
            return compression_ == Bitfields ? bitfieldColour(value)
                                             : qRgb(channel(value, 0x7C00), channel(value, 0x03E0), channel(value, 0x001F));
        });
        break;
    case 24:
        eachRow([](const uchar *in, int x) { return qRgb(in[3 * x + 2], in[3 * x + 1], in[3 * x]); });
        break;
    default:
        eachRow([&](const uchar *in, int x) {
            const quint32 value = qFromLittleEndian<quint32>(in + 4 * x);
            return compression_ == Bitfields ? bitfieldColour(value) : qRgb(in[4 * x + 2], in[4 * x + 1], in[4 * x]);
        });
        break;
    }
    return image;
}

// Run-length pixels, bottom row first. Every pixel written is checked against
// the image, and the loop ends with the data: a damaged run can neither write
// outside the image nor run on.
QImage DibDecoder::decodeRunLengths() const
{
    QImage image(width_, height_, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const QRgb first = colours_.isEmpty() ? qRgb(0, 0, 0) : colours_[0];
    image.fill(first);
    const bool four = compression_ == RunLength4;
    const QByteArrayView data = bytes_.sliced(pixelsAt_);
    const auto at = [&data](qsizetype i) { return quint8(data[i]); };
    qint64 x = 0, y = 0;
    const auto put = [&](unsigned index) {
        if (x < width_ && y < height_)
            reinterpret_cast<QRgb *>(image.scanLine(int(height_ - 1 - y)))[x] =
                index < unsigned(colours_.size()) ? colours_[index] : qRgb(0, 0, 0);
        ++x;
    };
    qsizetype i = 0;
    while (i + 1 < data.size() && y < height_) {
        const int count = at(i), value = at(i + 1);
        i += 2;
        if (count > 0) {
            for (int n = 0; n < count && x < width_; ++n)
                put(four ? (n % 2 ? value & 0xF : value >> 4) : unsigned(value));
            continue;
        }
        if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (i + 1 >= data.size())
                break;
            x += at(i);
            y += at(i + 1);
            i += 2;
        } else {
            const qsizetype runBytes = four ? (value + 1) / 2 : value;
            if (runBytes > data.size() - i)
                break;
            for (int n = 0; n < value && x < width_; ++n)
                put(four ? (n % 2 ? at(i + n / 2) & 0xF : at(i + n / 2) >> 4) : at(i + n));
            i += runBytes + runBytes % 2;
        }
    }
    return image;
}

} // namespace kelvarino
