#include "support_metafilewriter.h"

#include <QtEndian>

namespace {

void put(QByteArray &to, quint32 value, int bytes)
{
    char buffer[4];
    qToLittleEndian<quint32>(value, buffer);
    to.append(buffer, bytes);
}

} // namespace

QByteArray MetafileWriter::words(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values)
        put(bytes, quint32(v) & 0xFFFF, 2);
    return bytes;
}

QByteArray MetafileWriter::colour(QColor c)
{
    QByteArray bytes;
    put(bytes, quint32(c.red() | c.green() << 8 | c.blue() << 16), 4);
    return bytes;
}

MetafileWriter &MetafileWriter::record(int function, std::initializer_list<int> values)
{
    return record(function, words(values));
}

MetafileWriter &MetafileWriter::record(int function, const QByteArray &params, qint64 claimedWords)
{
    QByteArray padded = params;
    if (padded.size() % 2)
        padded.append('\0');
    const qint64 size = claimedWords >= 0 ? claimedWords : 3 + padded.size() / 2;
    put(records_, quint32(size), 4);
    put(records_, quint32(function), 2);
    records_ += padded;
    largest_ = std::max<qint64>(largest_, 3 + padded.size() / 2);
    ++count_;
    return *this;
}

MetafileWriter &MetafileWriter::window(QRect rect)
{
    record(0x020B, {rect.top(), rect.left()});
    return record(0x020C, {rect.height(), rect.width()});
}

MetafileWriter &MetafileWriter::mapMode(int mode)
{
    return record(0x0103, {mode});
}

MetafileWriter &MetafileWriter::pen(int style, int width, QColor c)
{
    return record(0x02FA, words({style, width, 0}) + colour(c));
}

MetafileWriter &MetafileWriter::brush(int style, QColor c, int hatch)
{
    return record(0x02FC, words({style}) + colour(c) + words({hatch}));
}

MetafileWriter &MetafileWriter::font(int height, int charset, const QByteArray &face, int weight, int escapement)
{
    // Height, width, escapement, orientation, weight, italic and underline,
    // strike-out and character set, precisions, quality and pitch, the face.
    QByteArray params = words({height, 0, escapement, escapement, weight, 0, charset << 8, 0, 0});
    params += face;
    params.append('\0');
    return record(0x02FB, params);
}

MetafileWriter &MetafileWriter::select(int slot)
{
    return record(0x012D, {slot});
}

MetafileWriter &MetafileWriter::remove(int slot)
{
    return record(0x01F0, {slot});
}

MetafileWriter &MetafileWriter::rectangle(QRect r)
{
    return record(0x041B, {r.bottom() + 1, r.right() + 1, r.top(), r.left()});
}

MetafileWriter &MetafileWriter::ellipse(QRect r)
{
    return record(0x0418, {r.bottom() + 1, r.right() + 1, r.top(), r.left()});
}

MetafileWriter &MetafileWriter::polygon(const QList<QPoint> &points)
{
    QByteArray params = words({int(points.size())});
    for (const QPoint &p : points)
        params += words({p.x(), p.y()});
    return record(0x0324, params);
}

MetafileWriter &MetafileWriter::textAlign(int align)
{
    return record(0x012E, {align});
}

MetafileWriter &MetafileWriter::textOut(QPoint at, const QByteArray &text)
{
    QByteArray params = words({int(text.size())}) + text;
    if (text.size() % 2)
        params.append('\0');
    return record(0x0521, params + words({at.y(), at.x()}));
}

MetafileWriter &MetafileWriter::stretchDib(QRect target, QSize source, const QByteArray &dib)
{
    // Raster operation (copy), colour usage, source height, width, y, x,
    // destination height, width, y, x, the bitmap.
    const QByteArray params = words({0x0020, 0x00CC, 0, source.height(), source.width(), 0, 0, target.height(),
                                     target.width(), target.top(), target.left()});
    return record(0x0F43, params + dib);
}

QByteArray MetafileWriter::file(QRect bounds, int unitsPerInch, int objects) const
{
    QByteArray bytes;
    if (!bounds.isEmpty()) {
        put(bytes, 0x9AC6CDD7, 4);
        for (int v : {0, bounds.left(), bounds.top(), bounds.right() + 1, bounds.bottom() + 1, unitsPerInch})
            put(bytes, quint32(v) & 0xFFFF, 2);
        put(bytes, 0, 4);
        quint16 checksum = 0;
        for (int i = 0; i < 20; i += 2)
            checksum ^= qFromLittleEndian<quint16>(bytes.constData() + i);
        put(bytes, checksum, 2);
    }
    const QByteArray end = words({3, 0, 0});
    put(bytes, 1, 2);
    put(bytes, 9, 2);
    put(bytes, 0x0300, 2);
    put(bytes, quint32(9 + (records_.size() + end.size()) / 2), 4);
    put(bytes, quint32(objects), 2);
    put(bytes, quint32(largest_), 4);
    put(bytes, 0, 2);
    return bytes + records_ + end;
}

QByteArray MetafileWriter::dibHeader(int headerSize, int width, int height, int bits, int compression)
{
    QByteArray bytes;
    put(bytes, quint32(headerSize), 4);
    put(bytes, quint32(width), 4);
    put(bytes, quint32(height), 4);
    put(bytes, 1, 2);
    put(bytes, quint32(bits), 2);
    put(bytes, quint32(compression), 4);
    for (int i = 0; i < 5; ++i)
        put(bytes, 0, 4);
    return bytes;
}

QByteArray MetafileWriter::dib24(const QImage &image, bool topDown)
{
    QByteArray bytes = dibHeader(40, image.width(), topDown ? -image.height() : image.height(), 24);
    const int stride = (image.width() * 3 + 3) / 4 * 4;
    for (int row = 0; row < image.height(); ++row) {
        const int y = topDown ? row : image.height() - 1 - row;
        QByteArray line;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            line.append(char(qBlue(p))).append(char(qGreen(p))).append(char(qRed(p)));
        }
        line.append(QByteArray(stride - line.size(), '\0'));
        bytes += line;
    }
    return bytes;
}

QByteArray MetafileWriter::bitmap16(int width, int height, int rowBytes, int bits, const QByteArray &rows, int planes)
{
    QByteArray bytes = words({0, width, height, rowBytes});
    bytes.append(char(planes)).append(char(bits));
    return bytes + rows;
}
