#include "pictures/picturereader.h"
#include "platform/codepage1253.h"

#include "support_heavymetafiles.h"
#include "support_metafilewriter.h"
#include "testprogram.h"

#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QPainter>
#include <QStringEncoder>
#include <QTest>

using namespace kelvarino;

namespace test_metafiles {

namespace {

// Most pictures here frame 400 x 300 units at 96 an inch: one unit, one pixel.
const QRect Frame(0, 0, 400, 300);
const QColor Fill(200, 40, 90);
const QColor Ink(20, 90, 200);

enum { PenSolid = 0, PenNull = 5, PenFlatCap = 0x0200, BrushSolid = 0, BrushNull = 1, BrushHatched = 2 };
enum { AlignBaseline = 24 };
enum Outcome { Refused, Drawn };
constexpr int StretchDib = 0x0F43, DibStretchBlt = 0x0B41, BitBlt = 0x0922, StretchBlt = 0x0B23;
constexpr int PaletteStretchDib = 1; // StretchDIB whose colour table indexes the palette

// A region of one rectangle, as CreateRegion holds it: the header (next,
// type, object count, size, scan count, largest scan, bounds), then one scan
// (count, top, bottom, left, right, count).
QByteArray regionRecord(QRect r)
{
    const int right = r.right() + 1, bottom = r.bottom() + 1;
    return MetafileWriter::words({0, 6, 0, 0, 34, 1, 2, r.left(), r.top(), right, bottom, 2, r.top(), bottom, r.left(),
                                  right, 2});
}

// A metafile that selects a black pen of `penStyle` and `penWidth` and a
// solid brush of Fill, then holds `add`'s records; framed by `frame`, or
// without a placeable header when `frame` is empty.
template <typename Add> QByteArray filledWith(int penStyle, int penWidth, QRect frame, Add add)
{
    MetafileWriter w;
    w.pen(penStyle, penWidth, Qt::black).select(0).brush(BrushSolid, Fill).select(1);
    add(w);
    return w.file(frame);
}

QImage draw(const MetafileWriter &w, QRect frame = Frame, int unitsPerInch = 96, QSize size = {})
{
    return PictureReader::readMetafile(w.file(frame, unitsPerInch), size);
}

bool near(QColor a, QColor b, int tolerance = 24)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// The box around everything not white.
QRect inkBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                box |= QRect(x, y, 1, 1);
    return box;
}

QFont pixelFont(const QString &family, int pixels)
{
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

} // namespace

class TestMetafiles : public QObject
{
    Q_OBJECT

private slots:
    void filledShapesTakeTheBrushInside_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QPoint>("inside");
        QTest::addColumn<QPoint>("outside");
        const auto shape = [](auto add) { return filledWith(PenSolid, 3, Frame, add); };
        QTest::newRow("ellipse") << shape([](MetafileWriter &w) { w.ellipse(QRect(100, 50, 200, 200)); })
                                 << QPoint(200, 150) << QPoint(105, 55);
        // A chord of the circle's upper half: start at the right, end at the left.
        QTest::newRow("chord") << shape([](MetafileWriter &w) {
            w.record(0x0830, {150, 0, 150, 400, 250, 300, 50, 100});
        }) << QPoint(200, 100) << QPoint(200, 200);
        QTest::newRow("pie, a quarter") << shape([](MetafileWriter &w) {
            w.record(0x081A, {0, 200, 150, 400, 250, 300, 50, 100});
        }) << QPoint(240, 110) << QPoint(160, 110);
        QTest::newRow("polygon") << shape([](MetafileWriter &w) {
            w.polygon({{50, 250}, {200, 20}, {350, 250}});
        }) << QPoint(200, 200) << QPoint(60, 30);
        QTest::newRow("rounded rectangle") << shape([](MetafileWriter &w) {
            w.record(0x061C, {60, 60, 250, 300, 50, 100});
        }) << QPoint(200, 150) << QPoint(102, 52);
        QTest::newRow("poly-polygon with a hole") << shape([](MetafileWriter &w) {
            w.record(0x0538, MetafileWriter::words({2, 4, 4, 50, 50, 350, 50, 350, 250, 50, 250, 150, 100, 250, 100,
                                                    250, 200, 150, 200}));
        }) << QPoint(80, 80) << QPoint(200, 150);
    }

    void filledShapesTakeTheBrushInside()
    {
        QFETCH(QByteArray, file);
        QFETCH(QPoint, inside);
        QFETCH(QPoint, outside);
        const QImage image = PictureReader::readMetafile(file);
        QCOMPARE(image.size(), Frame.size());
        QCOMPARE(image.pixelColor(inside), Fill);
        QCOMPARE(image.pixelColor(outside), QColor(Qt::white));
    }

    void aHatchedBrushDrawsItsLinesOnTheBackground_data()
    {
        QTest::addColumn<int>("backgroundMode");
        QTest::addColumn<QColor>("between");
        QTest::newRow("opaque") << 2 << QColor(Qt::yellow);
        QTest::newRow("transparent") << 1 << QColor(Qt::white);
    }

    void aHatchedBrushDrawsItsLinesOnTheBackground()
    {
        QFETCH(int, backgroundMode);
        QFETCH(QColor, between);
        MetafileWriter w;
        w.record(0x0102, {backgroundMode}).record(0x0201, MetafileWriter::colour(Qt::yellow));
        w.pen(PenNull, 0, Qt::black).select(0).brush(BrushHatched, Fill, 4 /* cross */).select(1);
        w.rectangle(QRect(100, 100, 100, 100));
        const QImage image = draw(w);
        int lines = 0, gaps = 0, other = 0;
        for (int y = 110; y < 190; ++y)
            for (int x = 110; x < 190; ++x) {
                const QColor c = image.pixelColor(x, y);
                (c == Fill ? lines : c == between ? gaps : other)++;
            }
        QVERIFY2(lines > 800 && gaps > 3000 && other == 0, qPrintable(QStringLiteral("%1 %2 %3").arg(lines).arg(gaps).arg(other)));
        QCOMPARE(image.pixelColor(50, 50), QColor(Qt::white));
    }

    void aPenIsAsWideAsItsWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("unitsPerInch");
        QTest::newRow("12 units, one pixel each") << 12 << 96;
        QTest::newRow("12 units, two pixels each") << 12 << 48;
    }

    void aPenIsAsWideAsItsWidth()
    {
        QFETCH(int, width);
        QFETCH(int, unitsPerInch);
        MetafileWriter w;
        w.pen(PenSolid | PenFlatCap, width, Ink).select(0);
        w.record(0x0214, {150, 50}).record(0x0213, {150, 350}); // MoveTo, LineTo (y, x)
        const QImage image = draw(w, Frame, unitsPerInch);
        const int scale = 96 / unitsPerInch;
        int column = 0;
        for (int y = 0; y < image.height(); ++y)
            column += near(image.pixelColor(200 * scale, y), Ink, 60);
        QVERIFY2(std::abs(column - width * scale) <= 1, qPrintable(QString::number(column)));
    }

    void textIsAsWideAsItsFont_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("charset");
        QTest::addColumn<QByteArray>("face");
        QTest::addColumn<int>("weight");
        QTest::newRow("Latin, bold Arial") << QStringLiteral("Kelvarino WMF 1") << 0 << QByteArray("Arial") << 700;
        QTest::newRow("Greek, Times New Roman") << QStringLiteral("Καλημέρα, Ελλάδα") << 161
                                                << QByteArray("Times New Roman") << 400;
        QTest::newRow("Greek, Courier New") << QStringLiteral("Κοινόχρηστα") << 161 << QByteArray("Courier New") << 400;
        QTest::newRow("Cyrillic, Arial") << QStringLiteral("Управление домом") << 204 << QByteArray("Arial") << 400;
    }

    void textIsAsWideAsItsFont()
    {
        QFETCH(QString, text);
        QFETCH(int, charset);
        QFETCH(QByteArray, face);
        QFETCH(int, weight);
        MetafileWriter w;
        const QByteArray bytes = charset == 161   ? Cp1253::encode(text)
                                 : charset == 204 ? QByteArray(QStringEncoder("windows-1251")(text))
                                                  : text.toLatin1();
        w.font(-40, charset, face, weight).select(0).textOut(QPoint(10, 100), bytes);
        const QImage image = draw(w, QRect(0, 0, 600, 200));
        const QRect ink = inkBox(image);
        QFont font = pixelFont(QString::fromLatin1(face), 40);
        font.setWeight(QFont::Weight(weight));
        const qreal expected = QFontMetricsF(font).boundingRect(text).width();
        QVERIFY2(std::abs(ink.width() - expected) <= 0.1 * expected,
                 qPrintable(QStringLiteral("ink %1, font %2").arg(ink.width()).arg(expected)));
        QVERIFY(ink.right() < image.width() - 1);
    }

    void textIsPlacedAsTheRecordSays_data()
    {
        // "HHHH" in Arial 40 pixels high, drawn at x = 300; the ink's box
        // says where it went.
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected");
        const auto text = [](auto add) {
            MetafileWriter w;
            w.font(-40, 0, "Arial").select(0);
            add(w);
            return w.file(QRect(0, 0, 600, 400));
        };
        QTest::newRow("centred") << text([](MetafileWriter &w) { w.textAlign(6).textOut({300, 100}, "HHHH"); })
                                 << QStringLiteral("centre x 300");
        QTest::newRow("right-aligned") << text([](MetafileWriter &w) { w.textAlign(2).textOut({300, 100}, "HHHH"); })
                                       << QStringLiteral("right 300");
        QTest::newRow("advances of 60") << text([](MetafileWriter &w) {
            w.record(0x0A32, MetafileWriter::words({100, 300, 4, 0}) + "HHHH" + MetafileWriter::words({60, 60, 60, 60}));
        }) << QStringLiteral("left 300, width 180+");
        QTest::newRow("turned a quarter") << text([](MetafileWriter &w) {
            w.font(-40, 0, "Arial", 400, 900).select(1).textOut({300, 300}, "HHHH");
        }) << QStringLiteral("taller");
        QTest::newRow("from the current position") << text([](MetafileWriter &w) {
            w.textAlign(1).record(0x0214, {100, 300}).textOut({0, 0}, "HH").textOut({0, 0}, "HH");
        }) << QStringLiteral("left 300, width 4 H");
    }

    void textIsPlacedAsTheRecordSays()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        const QImage image = PictureReader::readMetafile(file);
        const QRect ink = inkBox(image);
        const qreal h = QFontMetricsF(pixelFont(QStringLiteral("Arial"), 40)).horizontalAdvance(QStringLiteral("HHHH"));
        QVERIFY(!ink.isEmpty());
        if (expected == QLatin1String("centre x 300"))
            QVERIFY2(std::abs(ink.center().x() - 300) <= 3, qPrintable(QString::number(ink.center().x())));
        else if (expected == QLatin1String("right 300"))
            QVERIFY2(std::abs(ink.right() - 300) <= 6, qPrintable(QString::number(ink.right())));
        else if (expected == QLatin1String("left 300, width 180+"))
            QVERIFY2(ink.left() >= 300 && ink.left() <= 306 && ink.width() > 180 && ink.width() < 180 + h / 4,
                     qPrintable(QStringLiteral("%1 %2").arg(ink.left()).arg(ink.width())));
        else if (expected == QLatin1String("taller"))
            QVERIFY2(ink.height() > 2 * ink.width() && ink.bottom() <= 305,
                     qPrintable(QStringLiteral("%1 x %2").arg(ink.width()).arg(ink.height())));
        else
            QVERIFY2(ink.left() >= 300 && ink.left() <= 306 && std::abs(ink.width() - h) <= 0.1 * h,
                     qPrintable(QStringLiteral("%1 %2").arg(ink.left()).arg(ink.width())));
    }

    void greekTextLooksAsThePainterDrawsIt()
    {
        const QString text = QStringLiteral("Διαχείριση πολυκατοικίας");
        MetafileWriter w;
        w.font(-32, 161, "Arial").select(0).textAlign(AlignBaseline).textOut(QPoint(20, 100), Cp1253::encode(text));
        const QImage played = draw(w, QRect(0, 0, 500, 150));

        QImage direct(played.size(), QImage::Format_RGB32);
        direct.fill(Qt::white);
        QPainter painter(&direct);
        painter.setFont(pixelFont(QStringLiteral("Arial"), 32));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(20, 100), text);
        painter.end();

        int inked = 0, differing = 0;
        for (int y = 0; y < direct.height(); ++y)
            for (int x = 0; x < direct.width(); ++x) {
                inked += direct.pixel(x, y) != qRgb(255, 255, 255);
                differing += !near(direct.pixelColor(x, y), played.pixelColor(x, y), 40);
            }
        QVERIFY(inked > 1000);
        QVERIFY2(differing <= inked / 50, qPrintable(QStringLiteral("%1 of %2").arg(differing).arg(inked)));
    }

    void bitmapsKeepTheirPixels_data()
    {
        // A 2 x 2 bitmap, stretched over 200 x 200: its top row red and green,
        // its bottom row blue and yellow.
        QImage four(2, 2, QImage::Format_RGB32);
        four.setPixel(0, 0, qRgb(255, 0, 0));
        four.setPixel(1, 0, qRgb(0, 255, 0));
        four.setPixel(0, 1, qRgb(0, 0, 255));
        four.setPixel(1, 1, qRgb(255, 255, 0));
        QTest::addColumn<QByteArray>("dib");
        QTest::addColumn<int>("function");
        QTest::newRow("24 bits, bottom-up") << MetafileWriter::dib24(four) << StretchDib;
        QTest::newRow("24 bits, bottom-up, DIBStretchBlt") << MetafileWriter::dib24(four) << DibStretchBlt;
        QTest::newRow("24 bits, top-down") << MetafileWriter::dib24(four, true) << StretchDib;
        // 8 bits with a colour table; rows of 4 bytes, bottom row first.
        QByteArray indexed = MetafileWriter::dibHeader(40, 2, 2, 8);
        for (QRgb c : {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)})
            indexed.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
        indexed.replace(32, 4, QByteArray("\x04\0\0\0", 4)); // colours used
        const QByteArray pixels("\x02\x03\0\0\x00\x01\0\0", 8);
        QTest::newRow("8 bits, colour table") << indexed + pixels << StretchDib;
        QByteArray indices = MetafileWriter::dibHeader(40, 2, 2, 8);
        indices.replace(32, 4, QByteArray("\x04\0\0\0", 4));
        QTest::newRow("8 bits, palette indices") << indices + MetafileWriter::words({3, 2, 1, 0}) + pixels
                                                 << PaletteStretchDib;
        // The same run-length coded: two pixels, end of line, two, end of bitmap.
        QByteArray runs = indexed;
        runs.replace(16, 4, QByteArray("\x01\0\0\0", 4));
        QTest::newRow("8 bits, run-length") << runs + QByteArray("\x01\x02\x01\x03\0\0\x01\0\x01\x01\0\x01", 12)
                                            << StretchDib;
        // 16 bits, 5-6-5 bit fields, top-down.
        QByteArray fields = MetafileWriter::dibHeader(40, 2, -2, 16, 3);
        for (quint32 mask : {0xF800u, 0x07E0u, 0x001Fu})
            fields.append(reinterpret_cast<const char *>(&mask), 4);
        fields += QByteArray("\x00\xF8\xE0\x07\x1F\x00\xE0\xFF", 8);
        QTest::newRow("16 bits, bit fields") << fields << StretchDib;
        // The oldest records' bitmaps: rows top-down, each padded to a word.
        const QByteArray rows24("\x00\x00\xFF\x00\xFF\x00\xFF\x00\x00\x00\xFF\xFF", 12);
        const QByteArray bitmap24 = MetafileWriter::bitmap16(2, 2, 6, 24, rows24);
        QTest::newRow("StretchBlt, 24 bits") << bitmap24 << StretchBlt;
        QTest::newRow("StretchBlt, 24 bits, with the in-memory pointer")
            << QByteArray(bitmap24).insert(10, QByteArray(4, '\0')) << StretchBlt;
        const QByteArray rows32("\x00\x00\xFF\0\x00\xFF\x00\0\xFF\x00\x00\0\x00\xFF\xFF\0", 16);
        QTest::newRow("StretchBlt, 32 bits") << MetafileWriter::bitmap16(2, 2, 8, 32, rows32) << StretchBlt;
    }

    void bitmapsKeepTheirPixels()
    {
        QFETCH(QByteArray, dib);
        QFETCH(int, function);
        MetafileWriter w;
        if (function == StretchDib) {
            w.stretchDib(QRect(100, 50, 200, 200), QSize(2, 2), dib);
        } else if (function == PaletteStretchDib) {
            // A palette of the four colours backwards, selected; colour usage 1.
            QByteArray palette = MetafileWriter::words({0x0300, 4});
            for (QColor c : {Qt::yellow, Qt::blue, Qt::green, Qt::red})
                palette += MetafileWriter::colour(c);
            w.record(0x00F7, palette).record(0x0234, {0});
            w.record(StretchDib, MetafileWriter::words({0x0020, 0x00CC, 1, 2, 2, 0, 0, 200, 200, 50, 100}) + dib);
        }
        else // copy; source height, width, y, x; destination height, width, y, x
            w.record(function, MetafileWriter::words({0x0020, 0x00CC, 2, 2, 0, 0, 200, 200, 50, 100}) + dib);
        const QImage image = draw(w);
        QVERIFY(!image.isNull());
        QCOMPARE(image.pixelColor(150, 100), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(250, 100), QColor(0, 255, 0));
        QCOMPARE(image.pixelColor(150, 200), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(250, 200), QColor(255, 255, 0));
        QCOMPARE(image.pixelColor(50, 150), QColor(Qt::white));
    }

    void clippingHidesWhatLiesOutside()
    {
        MetafileWriter w;
        w.pen(PenNull, 0, Qt::black).select(0).brush(BrushSolid, Fill).select(1);
        w.record(0x001E, {});                            // SaveDC
        w.record(0x0416, {200, 300, 100, 100});          // IntersectClipRect (bottom, right, top, left)
        w.record(0x0415, {160, 160, 140, 140});          // ExcludeClipRect
        w.rectangle(QRect(0, 0, 400, 150));
        w.record(0x0127, {-1});                          // RestoreDC: the whole picture again
        w.rectangle(QRect(0, 250, 400, 50));
        const QImage image = draw(w);
        QCOMPARE(image.pixelColor(120, 120), Fill);     // inside the clip
        QCOMPARE(image.pixelColor(150, 145), QColor(Qt::white)); // excluded
        QCOMPARE(image.pixelColor(50, 120), QColor(Qt::white));  // left of the clip
        QCOMPARE(image.pixelColor(350, 120), QColor(Qt::white)); // right of it
        QCOMPARE(image.pixelColor(50, 280), Fill);      // after the restore
    }

    void regionsClipFillAndFrame_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<QColor>("centre");
        QTest::addColumn<QColor>("edge");
        QTest::newRow("SelectClipRegion") << 0x012C << Fill << Fill;
        QTest::newRow("FillRegion") << 0x0228 << Ink << Ink;
        QTest::newRow("FrameRegion") << 0x0429 << QColor(Qt::white) << Ink;
    }

    void regionsClipFillAndFrame()
    {
        QFETCH(int, function);
        QFETCH(QColor, centre);
        QFETCH(QColor, edge);
        MetafileWriter w;
        w.pen(PenNull, 0, Qt::black).select(0).brush(BrushSolid, Fill).select(1).brush(BrushSolid, Ink);
        w.record(0x06FF, regionRecord(QRect(100, 100, 100, 100)));
        if (function == 0x012C)
            w.record(function, {3}).rectangle(Frame);
        else if (function == 0x0228)
            w.record(function, {3, 2});
        else
            w.record(function, {3, 2, 10, 10});
        const QImage image = draw(w);
        QCOMPARE(image.pixelColor(150, 150), centre);
        QCOMPARE(image.pixelColor(104, 150), edge);
        QCOMPARE(image.pixelColor(50, 50), QColor(Qt::white));
        QCOMPARE(image.pixelColor(250, 150), QColor(Qt::white));
    }

    void floodFillsPaintUpToTheirBorder_data()
    {
        // An outline in Ink, then the brush Fill and the fill from the middle
        // of the rectangle 100..300 x 100..200.
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QColor>("inside");
        const auto outlined = [](auto add, bool ellipse = false) {
            MetafileWriter w;
            w.pen(PenSolid, 1, Ink).select(0).brush(BrushNull, Qt::black).select(1);
            ellipse ? w.ellipse(QRect(100, 100, 200, 100)) : w.rectangle(QRect(100, 100, 200, 100));
            w.brush(BrushSolid, Fill).select(2);
            add(w);
            return w.file(Frame);
        };
        const QByteArray ink = MetafileWriter::colour(Ink);
        QTest::newRow("FloodFill, a rectangle's border") << outlined([&](MetafileWriter &w) {
            w.record(0x0419, ink + MetafileWriter::words({150, 200}));
        }) << Fill;
        QTest::newRow("ExtFloodFill, an ellipse's smoothed border") << outlined([&](MetafileWriter &w) {
            w.record(0x0548, MetafileWriter::words({0}) + ink + MetafileWriter::words({150, 200}));
        }, true) << Fill;
        QTest::newRow("ExtFloodFill of a surface") << outlined([&](MetafileWriter &w) {
            w.pen(PenNull, 0, Qt::black).select(3).brush(BrushSolid, Ink).select(4).rectangle(QRect(100, 100, 200, 100));
            w.select(2).record(0x0548, MetafileWriter::words({1}) + ink + MetafileWriter::words({150, 200}));
        }) << Fill;
        QTest::newRow("clipped to the left half") << outlined([&](MetafileWriter &w) {
            w.record(0x0416, {300, 200, 0, 0}).record(0x0419, ink + MetafileWriter::words({150, 150}));
        }) << Fill;
        QTest::newRow("from outside the picture") << outlined([&](MetafileWriter &w) {
            w.record(0x0419, ink + MetafileWriter::words({-10, -10}));
        }) << QColor(Qt::white);
        QTest::newRow("from a pixel of the border's colour") << outlined([&](MetafileWriter &w) {
            w.pen(PenNull, 0, Qt::black).select(3).brush(BrushSolid, Ink).select(4).rectangle(QRect(190, 140, 20, 20));
            w.select(2).record(0x0548, MetafileWriter::words({0}) + ink + MetafileWriter::words({150, 200}));
        }) << QColor(Qt::white);
    }

    void floodFillsPaintUpToTheirBorder()
    {
        QFETCH(QByteArray, file);
        QFETCH(QColor, inside);
        const QImage image = PictureReader::readMetafile(file);
        QVERIFY(!image.isNull());
        QCOMPARE(image.pixelColor(120, 120), inside);
        QCOMPARE(image.pixelColor(180, 180), inside);
        QCOMPARE(image.pixelColor(50, 50), QColor(Qt::white));
        const bool clipped = QLatin1String(QTest::currentDataTag()).startsWith(QLatin1String("clipped"));
        QCOMPARE(image.pixelColor(250, 150), clipped ? QColor(Qt::white) : inside);
        // The fill reaches its smoothed border: no light rim of the old surface.
        if (inside != QColor(Qt::white)) {
            int light = 0;
            for (int x = 100; x < 200; ++x)
                light += image.pixelColor(x, 150).lightness() > 150; // both colours are darker
            QCOMPARE(light, 0);
        }
    }

    void theOldestBitmapsTakeTheColoursTheyHold_data()
    {
        // The text colour Ink and the background colour Fill; the picture is
        // checked at (104, 108) and (112, 108) (a 16 x 16 bitmap at 100, 100)
        // or, for the brushes, on the rows 220 and 221 of a rectangle.
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QPoint>("first");
        QTest::addColumn<QColor>("firstColour");
        QTest::addColumn<QPoint>("second");
        QTest::addColumn<QColor>("secondColour");
        const auto file = [](auto add) {
            MetafileWriter w;
            w.record(0x0209, MetafileWriter::colour(Ink)).record(0x0201, MetafileWriter::colour(Fill));
            w.pen(PenNull, 0, Qt::black).select(0);
            add(w);
            return w.file(Frame);
        };
        // rop (copy), the source's y and x, height, width, the destination's y and x
        const QByteArray blt = MetafileWriter::words({0x0020, 0x00CC, 0, 0, 16, 16, 100, 100});
        QByteArray halves; // each row: eight 0 bits, eight 1 bits
        for (int row = 0; row < 16; ++row)
            halves += QByteArray("\x00\xFF", 2);
        const QPoint left(104, 108), right(112, 108), even(250, 220), odd(250, 221);
        QTest::newRow("BitBlt, monochrome") << file([&](MetafileWriter &w) {
            w.record(BitBlt, blt + MetafileWriter::bitmap16(16, 16, 2, 1, halves));
        }) << left << Ink << right << Fill;
        QTest::newRow("BitBlt, 8 bits a pixel: left out") << file([&](MetafileWriter &w) {
            w.record(BitBlt, blt + MetafileWriter::bitmap16(16, 16, 16, 8, QByteArray(256, '\x07')));
        }) << left << QColor(Qt::white) << right << QColor(Qt::white);
        QTest::newRow("BitBlt, four planes: left out") << file([&](MetafileWriter &w) {
            w.record(BitBlt, blt + MetafileWriter::bitmap16(16, 16, 2, 1, halves.repeated(4), 4));
        }) << left << QColor(Qt::white) << right << QColor(Qt::white);
        QTest::newRow("BitBlt without a bitmap: the brush") << file([&](MetafileWriter &w) {
            w.brush(BrushSolid, Qt::darkGreen).select(1);
            w.record(BitBlt, MetafileWriter::words({0x0021, 0x00F0, 0, 0, 0, 16, 16, 100, 100}));
        }) << left << QColor(Qt::darkGreen) << QPoint(120, 108) << QColor(Qt::white);
        // CreatePatternBrush: the fields, four bytes of pointer, eighteen
        // reserved, then the rows: 0 bits on even rows, 1 bits on odd ones.
        const auto pattern = [](int bits, const QByteArray &rows) {
            QByteArray record = MetafileWriter::bitmap16(8, 8, bits == 1 ? 2 : 8, bits, {});
            return record + QByteArray(22, '\0') + rows;
        };
        QTest::newRow("a monochrome pattern brush") << file([&](MetafileWriter &w) {
            w.record(0x01F9, pattern(1, QByteArray("\x00\x00\xFF\xFF", 4).repeated(4))).select(1);
            w.rectangle(QRect(200, 200, 100, 50));
        }) << even << Ink << odd << Fill;
        QTest::newRow("an 8-bit pattern brush: gray") << file([&](MetafileWriter &w) {
            w.record(0x01F9, pattern(8, QByteArray(64, '\x03'))).select(1);
            w.rectangle(QRect(200, 200, 100, 50));
        }) << even << QColor(Qt::gray) << odd << QColor(Qt::gray);
    }

    void theOldestBitmapsTakeTheColoursTheyHold()
    {
        QFETCH(QByteArray, file);
        QFETCH(QPoint, first);
        QFETCH(QColor, firstColour);
        QFETCH(QPoint, second);
        QFETCH(QColor, secondColour);
        const QImage image = PictureReader::readMetafile(file);
        QVERIFY(!image.isNull());
        QCOMPARE(image.pixelColor(first), firstColour);
        QCOMPARE(image.pixelColor(second), secondColour);
        QCOMPARE(image.pixelColor(50, 50), QColor(Qt::white));
    }

    void anisotropicMappingFillsTheFrame_data()
    {
        QTest::addColumn<bool>("viewport");
        QTest::addColumn<QSize>("size");
        QTest::newRow("window only, natural size") << false << QSize();
        QTest::newRow("window only, wallpaper size") << false << QSize(1280, 720);
        QTest::newRow("window and viewport, natural size") << true << QSize();
        QTest::newRow("window and viewport, wallpaper size") << true << QSize(1280, 720);
    }

    void anisotropicMappingFillsTheFrame()
    {
        QFETCH(bool, viewport);
        QFETCH(QSize, size);
        // 2000 x 1000 units at 1000 an inch (192 x 96 pixels); the window
        // counts from -500, -250 in units of its own, twice the frame's.
        MetafileWriter w;
        w.mapMode(8).window(QRect(-500, -250, 4000, 2000));
        if (viewport)
            w.record(0x020D, {0, 0}).record(0x020E, {96, 192}); // the exporting screen's pixels
        w.pen(PenNull, 0, Qt::black).select(0).brush(BrushSolid, Fill).select(1);
        w.rectangle(QRect(-500, -250, 2000, 2000)); // the window's left half
        const QImage image = PictureReader::readMetafile(w.file(QRect(0, 0, 2000, 1000), 1000), size);
        const QSize expected = size.isEmpty() ? QSize(192, 96) : size;
        QCOMPARE(image.size(), expected);
        const int width = expected.width(), height = expected.height();
        QCOMPARE(image.pixelColor(2, 2), Fill);
        QCOMPARE(image.pixelColor(width / 2 - 3, height - 3), Fill);
        QCOMPARE(image.pixelColor(width / 2 + 3, height / 2), QColor(Qt::white));
        QCOMPARE(image.pixelColor(width - 2, 2), QColor(Qt::white));
    }

    void aMetafileWithoutPlaceableHeaderIsFramedByItsWindow()
    {
        MetafileWriter w;
        w.mapMode(8).window(QRect(1000, 500, 300, 200));
        w.pen(PenNull, 0, Qt::black).select(0).brush(BrushSolid, Fill).select(1);
        w.rectangle(QRect(1000, 500, 150, 200));
        const QImage image = PictureReader::readMetafile(w.file(QRect()));
        QCOMPARE(image.size(), QSize(300, 200));
        QCOMPARE(image.pixelColor(2, 2), Fill);
        QCOMPARE(image.pixelColor(140, 190), Fill);
        QCOMPARE(image.pixelColor(160, 100), QColor(Qt::white));
    }

    void aMetafileWithoutFrameIsFramedByWhatItDraws_data()
    {
        // Neither a placeable header nor a window: the picture is the box of
        // what the records draw, one unit a pixel unless the file maps them
        // otherwise. A size of nothing: refused; a width of -1: not known.
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QSize>("size");
        const auto bare = [](auto add) { return filledWith(PenNull, 0, QRect(), add); };
        QTest::newRow("two rectangles") << bare([](MetafileWriter &w) {
            w.rectangle(QRect(100, 50, 100, 40)).rectangle(QRect(250, 120, 50, 30));
        }) << QSize(200, 100);
        QTest::newRow("a polygon, negative coordinates") << bare([](MetafileWriter &w) {
            w.polygon({{-50, -20}, {50, -20}, {50, 60}, {-50, 60}});
        }) << QSize(100, 80);
        // Tenths of a millimetre, y upwards: 254 of them an inch.
        QTest::newRow("low metric") << bare([](MetafileWriter &w) {
            w.mapMode(2).record(0x041B, {-254, 508, 0, 0});
        }) << QSize(192, 96);
        QTest::newRow("a viewport of twice the window") << bare([](MetafileWriter &w) {
            w.mapMode(8).record(0x020E, {2, 2}).rectangle(QRect(10, 10, 60, 40));
        }) << QSize(120, 80);
        QTest::newRow("text only") << bare([](MetafileWriter &w) {
            w.font(-40, 0, "Arial").select(2).record(0x0102, {1}).textOut({1000, 1000}, "HHHH");
        }) << QSize(-1, 46);
        QTest::newRow("nothing drawn") << bare([](MetafileWriter &) {}) << QSize(0, 0);
        QTest::newRow("a clip rectangle only") << bare([](MetafileWriter &w) {
            w.record(0x0416, {200, 300, 100, 100});
        }) << QSize(0, 0);
    }

    void aMetafileWithoutFrameIsFramedByWhatItDraws()
    {
        QFETCH(QByteArray, file);
        QFETCH(QSize, size);
        const QImage image = PictureReader::readMetafile(file);
        if (size == QSize(0, 0)) {
            QVERIFY(image.isNull());
            return;
        }
        QVERIFY(!image.isNull());
        if (size.width() < 0) {
            // Text: as high as its cell, and its ink whole inside the picture.
            QVERIFY2(std::abs(image.height() - size.height()) <= 2, qPrintable(QString::number(image.height())));
            const QRect ink = inkBox(image);
            QVERIFY(ink.left() > 0 && ink.right() < image.width() - 1 && ink.width() > image.width() * 3 / 4);
            return;
        }
        QCOMPARE(image.size(), size);
        // The drawing reaches the picture's corners.
        QCOMPARE(image.pixelColor(1, 1), Fill);
        QCOMPARE(image.pixelColor(size.width() - 2, size.height() - 2), Fill);
    }

    void aLargeFrameIsDrawnWithinTheImageLimits_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QSize>("expected");
        // 30000 x 30000 units at 100 an inch: 28800 pixels a side, kept to 128 MB.
        QTest::newRow("square") << QRect(0, 0, 30000, 30000) << QSize(5792, 5792);
        QTest::newRow("wide") << QRect(0, 0, 30000, 3000) << QSize(8192, 819);
    }

    void aLargeFrameIsDrawnWithinTheImageLimits()
    {
        QFETCH(QRect, frame);
        QFETCH(QSize, expected);
        MetafileWriter w;
        w.pen(PenNull, 0, Qt::black).select(0).brush(BrushSolid, Fill).select(1);
        w.rectangle(QRect(0, 0, frame.width() / 2, frame.height()));
        const QImage image = draw(w, frame, 100);
        QCOMPARE(image.size(), expected);
        QCOMPARE(image.pixelColor(2, expected.height() / 2), Fill);
        QCOMPARE(image.pixelColor(expected.width() - 3, expected.height() / 2), QColor(Qt::white));
    }

    void aSizeAskedPastTheImageLimitsIsStretchedToIt()
    {
        // A wallpaper for a very wide screen is drawn within the limits and
        // then stretched, as any other picture is, rather than refused.
        MetafileWriter w;
        w.pen(PenNull, 0, Qt::black).select(0).brush(BrushSolid, Fill).select(1);
        w.rectangle(QRect(0, 0, 500, 1000));
        const QSize asked(8192 + 200, 60); // wider than the widest image drawn
        const QImage image = PictureReader::readMetafile(w.file(QRect(0, 0, 1000, 1000), 96), asked);
        QCOMPARE(image.size(), asked);
        QCOMPARE(image.pixelColor(100, 30), Fill);
        QCOMPARE(image.pixelColor(asked.width() - 100, 30), QColor(Qt::white));
    }

    void rasterOperationsCombineEachPixelOnce_data()
    {
        // Eight strips, slanted, each sharing an edge with the next, drawn
        // with the raster operation over a background: at natural size, and
        // stretched so that every edge falls on fractional pixels. A strip's
        // red is one bit (or all bits but one), so that a pixel combined with
        // two strips, or with none, has a colour no single strip gives.
        QTest::addColumn<int>("rop");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<bool>("oneCold");
        QTest::addColumn<QSize>("size");
        const struct { const char *name; int rop; QColor background; bool oneCold; } rops[] = {
            {"copy", 13, QColor(0xFF, 0xA5, 0x3C), false},
            {"XOR", 7, QColor(0xFF, 0xA5, 0x3C), false},
            {"AND", 9, QColor(0xFF, 0xA5, 0x3C), true},
            {"OR", 15, QColor(0x00, 0xA5, 0x3C), false},
            {"NOT", 6, QColor(0xFF, 0xA5, 0x3C), false},
        };
        for (const auto &r : rops) {
            QTest::addRow("%s, whole pixels", r.name) << r.rop << r.background << r.oneCold << QSize();
            QTest::addRow("%s, fractional pixels", r.name) << r.rop << r.background << r.oneCold << QSize(1000, 700);
        }
    }

    void rasterOperationsCombineEachPixelOnce()
    {
        QFETCH(int, rop);
        QFETCH(QColor, background);
        QFETCH(bool, oneCold);
        QFETCH(QSize, size);
        const auto stripColour = [oneCold](int i) {
            return oneCold ? QColor(0xFF & ~(1 << i), 0xFF, 0xFF) : QColor(1 << i, 0, 0);
        };
        const auto combined = [&](QColor c) -> QRgb {
            const QRgb bg = background.rgb(), src = c.rgb();
            switch (rop) {
            case 7: return 0xFF000000 | (bg ^ src);
            case 9: return bg & src;
            case 15: return bg | src;
            case 6: return 0xFF000000 | ~bg;
            default: return src;
            }
        };
        const auto file = [&](int passes) {
            MetafileWriter w;
            w.pen(PenNull, 0, Qt::black).select(0).brush(BrushSolid, background).select(1).rectangle(Frame);
            w.record(0x0104, {rop}); // SetROP2
            for (int pass = 0; pass < passes; ++pass)
                for (int i = 0; i < 8; ++i) {
                    const int x = 40 + 37 * i;
                    w.brush(BrushSolid, stripColour(i)).select(2);
                    w.polygon({{x, 40}, {x + 37, 40}, {x + 67, 260}, {x + 30, 260}}).remove(2);
                }
            return w.file(Frame);
        };
        const QImage once = PictureReader::readMetafile(file(1), size);
        const QImage twice = PictureReader::readMetafile(file(2), size);
        QVERIFY(!once.isNull() && !twice.isNull());
        const double sx = once.width() / 400.0, sy = once.height() / 300.0;

        // Along rows across the strips, away from their outer ends.
        QList<QRgb> strips;
        for (int i = 0; i < 8; ++i)
            strips.append(combined(stripColour(i)));
        int blends = 0;
        for (const int row : {60, 150, 240}) {
            const int y = int(row * sy);
            const double shift = 30.0 * (row - 40) / 220;
            for (int x = int((40 + shift) * sx) + 3; x < int((40 + 8 * 37 + shift) * sx) - 3; ++x) {
                const QRgb pixel = once.pixel(x, y);
                if (!strips.contains(pixel)) {
                    QVERIFY2(rop == 13, qPrintable(QStringLiteral("%1 at %2, %3").arg(pixel, 0, 16).arg(x).arg(y)));
                    ++blends;
                }
            }
        }
        QCOMPARE(once.pixel(int(10 * sx), int(10 * sy)), background.rgb());

        if (rop == 13) {
            // A copy stays smoothed: its shared edges are blends.
            QVERIFY(blends > 0);
        } else if (rop == 7 || rop == 6) {
            // Drawn twice, XOR and NOT give back the background exactly.
            for (int y = 0; y < twice.height(); ++y)
                for (int x = 0; x < twice.width(); ++x)
                    QVERIFY2(twice.pixel(x, y) == background.rgb(), qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
        } else {
            QCOMPARE(twice, once); // AND and OR drawn again change nothing
        }
    }

    void aGradientOfXorStripsIsDrawnInItsColours_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("natural size") << QSize();
        QTest::newRow("stretched to a wallpaper") << QSize(1280, 720);
    }

    void aGradientOfXorStripsIsDrawnInItsColours()
    {
        // As a drawing program writes a gradient clipped to a shape: the
        // strips XORed, the shape filled black, the strips XORed again.
        QFETCH(QSize, size);
        const auto stripColour = [](int i) { return QColor(255 - 5 * i, 0, 5 * i); };
        MetafileWriter w;
        w.pen(PenNull, 0, Qt::black).select(0);
        const auto strips = [&] {
            w.record(0x0104, {7});
            for (int i = 0; i < 50; ++i) {
                w.brush(BrushSolid, stripColour(i)).select(1);
                w.polygon({{20 + 7 * i, 20}, {27 + 7 * i, 20}, {27 + 7 * i, 280}, {20 + 7 * i, 280}}).remove(1);
            }
        };
        strips();
        w.record(0x0104, {13}).brush(BrushSolid, Qt::black).select(1).ellipse(QRect(40, 40, 320, 220)).remove(1);
        strips();
        const QImage image = PictureReader::readMetafile(w.file(Frame), size);
        QVERIFY(!image.isNull());
        const double sx = image.width() / 400.0, sy = image.height() / 300.0;
        // Inside the ellipse each column has its strip's colour; outside it,
        // the strips are gone; only the ellipse's smoothed rim is a blend.
        const QRectF ellipse(40 * sx, 40 * sy, 320 * sx, 220 * sy);
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QPointF p = (QPointF(x + 0.5, y + 0.5) - ellipse.center());
                const double r = std::hypot(p.x() / (ellipse.width() / 2), p.y() / (ellipse.height() / 2));
                const QRgb pixel = image.pixel(x, y);
                dark += qGray(pixel) < 20;
                if (r > 1.02 || x < 21 * sx) {
                    QVERIFY2(pixel == qRgb(255, 255, 255), qPrintable(QStringLiteral("outside %1, %2").arg(x).arg(y)));
                } else if (r < 0.98) {
                    const int strip = std::clamp(int((x + 0.5) / sx - 20) / 7, 0, 49);
                    const QList<QRgb> near = {stripColour(std::max(0, strip - 1)).rgb(), stripColour(strip).rgb(),
                                              stripColour(std::min(49, strip + 1)).rgb()};
                    QVERIFY2(near.contains(pixel),
                             qPrintable(QStringLiteral("inside %1, %2: %3").arg(x).arg(y).arg(pixel, 0, 16)));
                }
            }
        QVERIFY2(dark < image.width() * image.height() / 100, qPrintable(QString::number(dark)));
    }

    void damagedAndHostileFilesAreDrawnOrRefused_data()
    {
        // Each is refused, or drawn when every record is sound and its work
        // within the bound: the same answer on any machine, however busy.
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QList<QSize>>("sizes");
        const QRect frame(0, 0, 1000, 1000);
        const auto file = [&frame](auto add) {
            MetafileWriter w;
            add(w);
            return w.file(frame, 96);
        };
        // Read at their natural size and a wallpaper's.
        const auto both = [](const char *name, const QByteArray &bytes, int outcome) {
            QTest::newRow(name) << bytes << outcome << QList<QSize>{QSize(), QSize(1280, 720)};
        };
        both("poly-polygon counts past 65535 in a small record", file([](MetafileWriter &w) {
                 w.record(0x0538, MetafileWriter::words({3, 40000, 40000, 3, 0, 0, 10, 10, 0, 10}));
             }), Refused);
        both("poly-polygon counts past 65535, every point there", file([](MetafileWriter &w) {
                 QByteArray params = MetafileWriter::words({2, 33000, 33000});
                 for (int i = 0; i < 66000; ++i)
                     params += MetafileWriter::words({(i * 7) % 1000, i / 66});
                 w.brush(BrushSolid, Fill).select(0).record(0x0538, params);
             }), Drawn);
        both("bitmap of width x height x bits past 2^32", file([](MetafileWriter &w) {
                 w.stretchDib(QRect(0, 0, 100, 100), QSize(65536, 65536),
                              MetafileWriter::dibHeader(40, 65536, 65536, 32) + QByteArray(64, '\x11'));
             }), Refused);
        both("bitmap header of 20 bytes", file([](MetafileWriter &w) {
                 w.stretchDib(QRect(0, 0, 100, 100), QSize(4, 4),
                              MetafileWriter::dibHeader(20, 4, 4, 24).left(20) + QByteArray(96, '\x11'));
             }), Refused);
        both("run-length bitmap of 65535 x 65535", file([](MetafileWriter &w) {
                 w.stretchDib(QRect(0, 0, 100, 100), QSize(65535, 65535),
                              MetafileWriter::dibHeader(40, 65535, 65535, 8, 1) + QByteArray(1024, '\0') +
                                  QByteArray("\x10\x01\0\x01", 4));
             }), Refused);
        both("100,000 saved states", file([](MetafileWriter &w) {
                 for (int i = 0; i < 100000; ++i)
                     w.record(0x001E, {});
             }), Refused);
        both("3,000 large bitmaps", file([](MetafileWriter &w) {
                 QImage tile(64, 64, QImage::Format_RGB32);
                 tile.fill(Fill);
                 const QByteArray dib = MetafileWriter::dib24(tile);
                 for (int i = 0; i < 3000; ++i)
                     w.stretchDib(QRect(-2000, -2000, 5000, 5000), QSize(64, 64), dib);
             }), Refused);
        both("20,000 ellipses", file([](MetafileWriter &w) {
                 w.pen(PenSolid, 300, Ink).select(0).brush(BrushHatched, Fill, 5).select(1);
                 for (int i = 0; i < 20000; ++i)
                     w.ellipse(QRect(-3000, -3000, 7000, 7000));
             }), Refused);
        // A plan as drawings are exported: many small shapes with pens of two pixels.
        both("50,000 small circles with pens two pixels wide", file([](MetafileWriter &w) {
                 w.pen(PenSolid, 2, Ink).select(0).brush(BrushSolid, Fill).select(1);
                 for (int i = 0; i < 50000; ++i)
                     w.ellipse(QRect((i * 37) % 980, (i * 53) % 980, 12, 12));
             }), Drawn);
        both("pens 32767 units wide", file([](MetafileWriter &w) {
                 w.pen(PenSolid | 0x2000, 32767, Ink).select(0);
                 for (int i = 0; i < 20; ++i)
                     w.polygon({{0, 0}, {1000, 1}, {0, 2}, {1000, 3}});
             }), Drawn);
        both("polyline of 60,000 points, its pen as wide as the picture", file([](MetafileWriter &w) {
                 QByteArray params = MetafileWriter::words({60000});
                 for (int i = 0; i < 60000; ++i)
                     params += MetafileWriter::words({i % 2 ? 1000 : 0, (i * 37) % 1000});
                 w.pen(PenSolid, 2000, Ink).select(0).record(0x0325, params);
             }), Refused);
        both("30,000 characters on one spot, a picture high", file([](MetafileWriter &w) {
                 w.font(-1000, 0, "Arial").select(0);
                 w.record(0x0A32, MetafileWriter::words({500, 0, 30000, 0}) + QByteArray(30000, 'W') +
                                      QByteArray(60000, '\0'));
             }), Refused);
        both("region of 25,000 rectangles", file([](MetafileWriter &w) {
                 QByteArray scan = MetafileWriter::words({0, 6, 0, 0, 0, 1, 0, 0, 0, 1000, 1000, 50000, 0, 1000});
                 for (int i = 0; i < 50000; ++i)
                     scan += MetafileWriter::words({i % 1000, i % 1000 + 1});
                 w.record(0x06FF, scan + MetafileWriter::words({50000}));
             }), Refused);
        both("polygon of 65535 points holding 3", file([](MetafileWriter &w) {
                 w.record(0x0324, MetafileWriter::words({65535, 0, 0, 10, 10, 0, 10}));
             }), Refused);
        both("text of 65535 characters holding 4", file([](MetafileWriter &w) {
                 w.record(0x0521, MetafileWriter::words({65535}) + "abcd" + MetafileWriter::words({10, 10}));
             }), Refused);
        both("extended text of 60000 characters holding 4", file([](MetafileWriter &w) {
                 w.record(0x0A32, MetafileWriter::words({10, 10, 60000, 0}) + "abcd");
             }), Refused);
        both("bitmap of 4000 x 4000 holding 16 bytes", file([](MetafileWriter &w) {
                 w.stretchDib(QRect(0, 0, 100, 100), QSize(4000, 4000),
                              MetafileWriter::dibHeader(40, 4000, 4000, 24) + QByteArray(16, '\x22'));
             }), Refused);
        both("record longer than the file", file([](MetafileWriter &w) {
                 w.record(0x041B, MetafileWriter::words({10, 10, 0, 0}), 0x7FFFFFFF);
             }), Refused);
        both("record of two words", file([](MetafileWriter &w) {
                 w.record(0x041B, MetafileWriter::words({10, 10, 0, 0}), 2);
             }), Refused);
        both("coordinates far past the frame", file([](MetafileWriter &w) {
                 w.mapMode(8).window(QRect(0, 0, 1, 1)).ellipse(QRect(-32000, -32000, 64000, 64000));
             }), Refused);
        const QByteArray blt = MetafileWriter::words({0x0020, 0x00CC, 0, 0, 100, 100, 0, 0});
        both("old bitmap of 30000 x 30000 holding 16 bytes", file([&blt](MetafileWriter &w) {
                 w.record(0x0922, blt + MetafileWriter::bitmap16(30000, 30000, 3750, 1, QByteArray(16, '\x55')));
             }), Refused);
        both("old bitmap of 2000 x 2000, 24 bits, holding 16 bytes", file([&blt](MetafileWriter &w) {
                 w.record(0x0922, blt + MetafileWriter::bitmap16(2000, 2000, 6000, 24, QByteArray(16, '\x55')));
             }), Refused);
        both("old bitmap whose rows are shorter than its width", file([&blt](MetafileWriter &w) {
                 w.record(0x0922, blt + MetafileWriter::bitmap16(100, 4, 2, 1, QByteArray(8, '\x55')));
             }), Refused);
        both("old pattern brush of 30000 x 30000 holding 16 bytes", file([](MetafileWriter &w) {
                 w.record(0x01F9, MetafileWriter::bitmap16(30000, 30000, 3750, 1, QByteArray(38, '\0')));
             }), Refused);
        both("pattern brushes of 31 MB each kept by saved states", file([](MetafileWriter &w) {
                 // A run-length bitmap of 2800 x 2800 ending at once: a few bytes, 31 MB decoded.
                 const QByteArray pattern = MetafileWriter::words({5, 0}) +
                                            MetafileWriter::dibHeader(40, 2800, 2800, 8, 1) + QByteArray(1024, '\0') +
                                            QByteArray("\0\x01", 2);
                 for (int i = 0; i < 6; ++i)
                     w.record(0x0142, pattern).select(0).record(0x001E, {}).remove(0);
                 w.rectangle(QRect(0, 0, 100, 100));
             }), Refused);
        both("a clip moved 30000 units 80,000 times", file([](MetafileWriter &w) {
                 w.record(0x0416, {100, 100, 0, 0});
                 for (int i = 0; i < 80000; ++i)
                     w.record(0x0220, {0, 30000});
                 w.rectangle(QRect(0, 0, 100, 100));
             }), Refused);
        // Each fill covers the whole picture again: no pixel is of the border's colour.
        both("2,000 flood fills over 5000 x 5000 pixels", [] {
                 MetafileWriter w;
                 w.brush(BrushSolid, Fill).select(0).brush(BrushSolid, Ink).select(1);
                 for (int i = 0; i < 2000; ++i)
                     w.select(i % 2).record(0x0419, MetafileWriter::colour(Qt::green) + MetafileWriter::words({2500, 2500}));
                 return w.file(QRect(0, 0, 5000, 5000), 96);
             }(), Refused);
        const auto bare = [](auto add) {
            MetafileWriter w;
            add(w);
            return w.file(QRect());
        };
        both("no frame, drawing 32000 units out at 16 pixels a unit", bare([](MetafileWriter &w) {
                 w.mapMode(8).record(0x020E, {16, 16}).rectangle(QRect(0, 0, 32000, 32000));
             }), Refused);
        both("no frame, drawing across the whole 16-bit range", HeavyMetafiles::wholeSixteenBitRange(), Drawn);
        // Each kind of work as dear to draw for what it counts as a file can
        // make it: the heaviest file the bound admits is drawn (in about a
        // second), one more copy of the dear records is refused.
        const QList<QSize> atTheBound{HeavyMetafiles::Size};
        for (const HeavyMetafiles::Kind &kind : HeavyMetafiles::dearKinds()) {
            QTest::addRow("%s, the heaviest admitted", kind.name) << HeavyMetafiles::atTheBound(kind) << int(Drawn) << atTheBound;
            QTest::addRow("%s, the first refused", kind.name) << HeavyMetafiles::atTheBound(kind, 1) << int(Refused) << atTheBound;
        }
        // A plan drawn quickly, its pens thin at either size.
        QTest::newRow("2,500 large ellipses with pens a unit wide") << HeavyMetafiles::thinPenPlan() << int(Drawn)
                                                                    << QList<QSize>{QSize(), HeavyMetafiles::Size};
    }

    void damagedAndHostileFilesAreDrawnOrRefused()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, outcome);
        QFETCH(QList<QSize>, sizes);
        for (const QSize size : sizes) {
            QElapsedTimer clock;
            clock.start();
            const QImage image = PictureReader::readMetafile(file, size);
            // For reading only: the answer never depends on the time.
            qInfo("%s at %dx%d: %lld ms", QTest::currentDataTag(), size.width(), size.height(), clock.elapsed());
            QCOMPARE(!image.isNull(), outcome == Drawn);
        }
    }

    void theWorkBoundDrawsUpToItsEdgeAndRefusesPastIt()
    {
        // As many records as the bound admits are drawn; one more is refused,
        // before anything is drawn. (The file is quick to draw for its work,
        // so that the test never nears the last guard of time.)
        QVERIFY(!PictureReader::readMetafile(HeavyMetafiles::xorZigzags(), HeavyMetafiles::Size).isNull());
        QVERIFY(PictureReader::readMetafile(HeavyMetafiles::xorZigzags(1), HeavyMetafiles::Size).isNull());
    }
};

KV_TEST_MAIN(TestMetafiles)

} // namespace test_metafiles
#include "test_metafiles.moc"
