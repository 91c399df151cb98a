#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>

#include <initializer_list>

// Writes Windows metafiles record by record from the format's public record
// layout, for tests to draw: every record is the function's parameters as
// 16-bit words, most of them in the format's own order (y before x, bottom
// before top).
class MetafileWriter
{
public:
    // A record of 16-bit words; `claimedWords` overrides the size the record
    // declares (a damaged record).
    MetafileWriter &record(int function, std::initializer_list<int> words);
    MetafileWriter &record(int function, const QByteArray &params, qint64 claimedWords = -1);

    MetafileWriter &window(QRect rect);
    MetafileWriter &mapMode(int mode);
    MetafileWriter &pen(int style, int width, QColor colour);
    MetafileWriter &brush(int style, QColor colour, int hatch = 0);
    MetafileWriter &font(int height, int charset, const QByteArray &face, int weight = 400, int escapement = 0);
    MetafileWriter &select(int slot);
    MetafileWriter &remove(int slot);
    MetafileWriter &rectangle(QRect rect);
    MetafileWriter &ellipse(QRect rect);
    MetafileWriter &polygon(const QList<QPoint> &points);
    MetafileWriter &textAlign(int align);
    MetafileWriter &textOut(QPoint at, const QByteArray &text);
    // StretchDIB of a whole bitmap onto `target`.
    MetafileWriter &stretchDib(QRect target, QSize source, const QByteArray &dib);

    // The metafile: a placeable header framing `bounds` at `unitsPerInch`
    // (none when `bounds` is empty), the standard header, the records, the end.
    QByteArray file(QRect bounds, int unitsPerInch = 96, int objects = 16) const;

    int recordCount() const { return count_; }

    // Parameter words and colours as a record holds them.
    static QByteArray words(std::initializer_list<int> values);
    static QByteArray colour(QColor colour);
    // A bitmap with a 40-byte header: rows bottom-up unless `topDown`,
    // 24 bits a pixel.
    static QByteArray dib24(const QImage &image, bool topDown = false);
    // A bitmap header only (no pixels), its fields as given.
    static QByteArray dibHeader(int headerSize, int width, int height, int bits, int compression = 0);
    // A device-dependent bitmap as BitBlt and StretchBlt hold it: type,
    // width, height, bytes a row, planes and bits a pixel, then `rows`.
    static QByteArray bitmap16(int width, int height, int rowBytes, int bits, const QByteArray &rows, int planes = 1);

private:
    QByteArray records_;
    int count_ = 0;
    qint64 largest_ = 3;
};
