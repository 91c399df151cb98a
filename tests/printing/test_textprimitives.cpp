// The text primitives, the paper table and the surface's measuring, on the
// recording surface (fixed metrics where a rule is about widths).

#include "printing/pagegeometry.h"
#include "printing/pagesurface.h"
#include "printing/textprimitives.h"
#include "testprogram.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QtTest>

using namespace kelvarino;

namespace test_textprimitives {

namespace {

// 10 twips per character and point, 20 twips of height per point: at 1 point
// a character is 10 twips wide.
RecordingSurface fixedSurface(double points = 1)
{
    RecordingSurface surface;
    surface.useFixedMetrics({10, 20});
    surface.setFont(QStringLiteral("Arial Greek"), points);
    return surface;
}

// A surface whose characters have widths of their own, one of them negative:
// the widths of a text's starts do not grow with its length.
class UnevenSurface : public RecordingSurface
{
public:
    static double widthOf(QChar c)
    {
        switch (c.unicode()) {
        case 'W': return 300;
        case 'i': return 40;
        case '-': return -250;
        default: return 100;
        }
    }
    double textWidth(const QString &text) const override
    {
        double total = 0;
        for (const QChar c : text)
            total += widthOf(c);
        return total;
    }
    QList<double> prefixWidths(const QString &text) const override
    {
        QList<double> widths;
        for (qsizetype n = 1; n <= text.size(); ++n)
            widths.append(textWidth(text.left(n)));
        return widths;
    }
};

// The rule of draw1 and draw2, word for word: drop the last character while
// the text, centred, starts left of the padding.
QString CutOneByOne(const PageSurface &surface, QString text, double x1, double x2, double padding)
{
    while ((x1 + x2) / 2 - surface.textWidth(text) / 2 < x1 + padding && !text.isEmpty())
        text.chop(1);
    return text;
}

} // namespace

class TestTextPrimitives : public QObject
{
    Q_OBJECT

private slots:
    void textInBoxIsCutToTheBoxLessItsPadding()
    {
        RecordingSurface surface = fixedSurface();
        QString text = QStringLiteral("ABCDEFGHIJ"); // 100 twips
        PrintTextInBox(text, 0, 0, 100, 40, surface, AlignLeft, true, false, Qt::red);
        QCOMPARE(text, QStringLiteral("ABCD")); // at most 100 - 60 = 40 wide
        QCOMPARE(surface.texts.size(), 1);
        QCOMPARE(surface.texts[0].x, 30.0);
        QCOMPARE(surface.texts[0].y, 10.0);
        QVERIFY(surface.texts[0].font.bold);
        QCOMPARE(surface.texts[0].colour, QColor(Qt::red));

        QString right = QStringLiteral("AB");
        PrintTextInBox(right, 0, 0, 100, 40, surface, AlignRight, false, false, Qt::black);
        QCOMPARE(surface.texts.last().x, 100.0 - 30 - 20);

        QString none = QStringLiteral("A");
        PrintTextInBox(none, 0, 0, 60, 40, surface, AlignCentre, false, false, Qt::black);
        QVERIFY(none.isEmpty());
        QCOMPARE(surface.texts.size(), 2);
    }

    void fittedCellGrowsShrinksAndCuts()
    {
        // A short text in a large cell grows from step 25 to step 0 (10 points).
        RecordingSurface surface = fixedSurface();
        int step = 25;
        PrintFittedCell(step, surface, QStringLiteral("  ab "), 0, 0, 2000, 1000, AlignLeft, 1, false, false, Qt::blue,
                        QStringLiteral("Arial Greek"));
        QCOMPARE(step, 0);
        QCOMPARE(surface.texts.last().text, QStringLiteral("ab"));
        QCOMPARE(surface.texts.last().font.points, 10.0);
        QCOMPARE(surface.texts.last().x, 15.0);
        QCOMPARE(surface.foreColour(), QColor(Qt::black));

        // Too wide even at step 50 (5 points): step 50 and cut, one character kept.
        step = 10;
        PrintFittedCell(step, surface, QStringLiteral("abcdef"), 0, 0, 60, 1000, AlignLeft, 1, false, false, Qt::black,
                        QStringLiteral("Arial Greek"));
        QCOMPARE(step, 50);
        QCOMPARE(surface.texts.last().text, QStringLiteral("a"));
        QCOMPARE(surface.texts.last().font.points, 5.0);

        // Blanks only: nothing drawn, the step stays.
        const auto drawn = surface.texts.size();
        step = 7;
        PrintFittedCell(step, surface, QStringLiteral("   "), 0, 0, 60, 1000, AlignLeft, 1, false, false, Qt::black,
                        QStringLiteral("Arial Greek"));
        QCOMPARE(step, 7);
        QCOMPARE(surface.texts.size(), drawn);
    }

    void wrappedTextAdvancesByLines()
    {
        RecordingSurface surface = fixedSurface();
        double y = 100;
        PrintWrappedText(QString(), 0, y, 500, 50, surface, AlignLeft, false, false, Qt::black);
        QCOMPARE(y, 150.0);
        QVERIFY(surface.texts.isEmpty());

        // Room 300 - 60 = 240 (24 characters): the first two words (16 + 1 + 10)
        // do not fit together, the last two do.
        y = 0;
        PrintWrappedText(QStringLiteral("ABCDEFGHIJKLMNOP   QRSTUVWXYZ TU"), 0, y, 300, 50, surface, AlignLeft, false,
                         false, Qt::black);
        QCOMPARE(surface.textStrings(), QStringList({"ABCDEFGHIJKLMNOP", "QRSTUVWXYZ TU"}));
        QCOMPARE(y, 100.0);
        QCOMPARE(surface.texts[1].y, 50 + 25 - 10.0);
    }

    void draw1CutsWithoutChangingTheCallersText()
    {
        RecordingSurface surface = fixedSurface();
        const QString text = QStringLiteral("ABCDEFGHIJ");
        draw1(surface, text, 0, 0, 100, 40, AlignRight, 1); // padding 15: at most 70 wide
        QCOMPARE(text, QStringLiteral("ABCDEFGHIJ"));
        QCOMPARE(surface.texts.last().text, QStringLiteral("ABCDEFG"));
        QCOMPARE(surface.texts.last().right(), 85.0);

        // A cell narrower than twice the padding: the loop ends, nothing is drawn.
        surface.clear();
        draw1(surface, text, 0, 0, 20, 40, AlignLeft, 1);
        draw2(surface, text, text, 0, 0, 20, 40, AlignLeft, 1);
        QVERIFY(surface.texts.isEmpty());
    }

    // draw1 and draw2 give the start that dropping one character at a time
    // gives, also where a longer start is narrower than a shorter one (there
    // halving would stop early) and with the real font's uneven widths.
    void cellsCutLikeDroppingOneCharacterAtATime()
    {
        UnevenSurface uneven;
        uneven.setFont(QStringLiteral("Arial Greek"), 1);
        RecordingSurface real;
        real.setFont(QStringLiteral("Arial Greek"), 8);
        const QString texts[] = {QStringLiteral("aaW-iiWaa-W"), QStringLiteral("WWWW--aaaa"),
                                 QStringLiteral("ΠΟΛΥΚΑΤΟΙΚΙΑ: Λεωφόρος Μιχαλακοπούλου 112, Αθήνα"),
                                 QStringLiteral("iiiWWWlll..1.234.567,89 €")};
        for (RecordingSurface *surface : {static_cast<RecordingSurface *>(&uneven), &real})
            for (const QString &text : texts)
                for (double right = 0; right <= 4000; right += 23) {
                    surface->clear();
                    draw1(*surface, text, 0, 0, right, 300, AlignLeft, 1);
                    draw2(*surface, text, text, 0, 0, right, 600, AlignRight, 1);
                    const QString expected = CutOneByOne(*surface, text, 0, right, PadUnit / 2.0);
                    const QStringList drawn = surface->textStrings();
                    QCOMPARE(drawn, expected.isEmpty() ? QStringList() : QStringList(3, expected));
                }
        // Where halving parts from the rule: "aaW-" fits a cell where "aaW" does not.
        uneven.clear();
        draw1(uneven, QStringLiteral("aaW-ii"), 0, 0, 340, 300, AlignLeft, 1); // room 310
        QCOMPARE(uneven.textStrings(), QStringList{QStringLiteral("aaW-i")});
    }

    // A text's width is the same measured first, again, or as a start of a
    // longer text: cutting, wrapping and placing agree on every page.
    void widthsAreKeptExactly()
    {
        RecordingSurface surface;
        const QString text = QStringLiteral("Μελισσοκαρπάκης 1.234,56 ΣΥΝΟΛΑ");
        for (double points : {5.0, 8.0, 13.3})
            for (bool bold : {false, true}) {
                surface.setFont(QStringLiteral("Arial Greek"), points, bold);
                const QList<double> starts = surface.prefixWidths(text);
                QCOMPARE(starts.size(), text.size());
                for (qsizetype n = 1; n <= text.size(); ++n) {
                    const double first = surface.textWidth(text.left(n));
                    QCOMPARE(surface.textWidth(text.left(n)), first);
                    QCOMPARE(starts.at(n - 1), first);
                }
            }
        RecordingSurface fixed = fixedSurface(2);
        QCOMPARE(fixed.prefixWidths(QStringLiteral("abc")), (QList<double>{20, 40, 60}));
    }

    void draw2PlacesTheTextsAtTheirQuarters()
    {
        RecordingSurface surface = fixedSurface();
        draw2(surface, QStringLiteral("AB"), QStringLiteral("CD"), 0, 0, 200, 260, AlignLeft, 2);
        // p = 30; a = 60, b = 200: centres at 95 and 165; height 20.
        QCOMPARE(surface.texts.size(), 2);
        QCOMPARE(surface.texts[0].x, 60.0);
        QCOMPARE(surface.texts[0].y, 85.0);
        QCOMPARE(surface.texts[1].y, 155.0);
    }

    void fitTextInCellShrinksByAtMostFivePoints()
    {
        RecordingSurface surface = fixedSurface(8);
        FitTextInCell(8, surface, QStringLiteral("  "), 0, 0, 100, 100, AlignLeft, 1, false, false, Qt::red);
        QVERIFY(surface.texts.isEmpty());

        FitTextInCell(8, surface, QStringLiteral("ABCDEFGHIJKLMNOP"), 0, 0, 130, 200, AlignLeft, 1, true, false,
                      Qt::red);
        const RecordingSurface::Text drawn = surface.texts.last();
        QCOMPARE(drawn.font.points, 3.0);
        QCOMPARE(drawn.text, QStringLiteral("ABC")); // 3 x 30 <= 100
        QCOMPARE(drawn.colour, QColor(Qt::red));
        QCOMPARE(surface.foreColour(), QColor(Qt::black));
        QCOMPARE(surface.font().points, 8.0);
    }

    void wrappedTitleKeepsThreeLines()
    {
        RecordingSurface surface = fixedSurface();
        // Room 100 - 15 = 85: every word of 6 characters (60) needs its own line.
        DrawWrappedTitle(surface, QStringLiteral("AAAAAA BBBBBB CCCCCC DDDDDD"), 0, 0, 100, 300, AlignLeft, 1);
        QCOMPARE(surface.textStrings(), QStringList({"AAAAAA", "BBBBBB", "CCCCCC "}));
        QCOMPARE(surface.texts[2].y, 200 + 50 - 10.0);

        // A first word wider than the room starts on line 1 (one line, cut).
        surface.clear();
        DrawWrappedTitle(surface, QStringLiteral("AAAAAAAAAAAA"), 0, 0, 100, 300, AlignLeft, 1);
        QCOMPARE(surface.texts.size(), 1);
        QCOMPARE(surface.texts[0].y, 150 - 10.0);
    }

    void paperTable()
    {
        std::array<float, 2> w{1, 1}, h{2, 2};
        QVERIFY(PaperSizeTwips(9, w, h));
        QCOMPARE(w[0], 11905.511f);
        QCOMPARE(h[0], 16837.793f);
        QCOMPARE(w[1], 16837.793f);
        QCOMPARE(h[1], 11905.511f);
        std::array<float, 2> w2{5, 7}, h2{6, 8};
        QVERIFY(!PaperSizeTwips(2, w2, h2));
        QCOMPARE(w2[0], 5.0f);
        QCOMPARE(w2[1], 6.0f);
        QCOMPARE(h2[1], 5.0f);

        PrintSetting slot;
        slot.PaperSize = 2; // unknown: laid out as A4
        slot.MarginLeft = -9;
        slot.MarginRight = -1;
        const PageGeometry g = PageGeometry::of(slot);
        QCOMPARE(g.PaperWidth[0], 11905.511f);
        QCOMPARE(g.PrintableLeft[0], float(-5 * TwipsPerCentimetre));
        QCOMPARE(g.PrintableRight[0], float(11905.511f - float(TwipsPerCentimetre)));
    }

    void metricsDependOnNeitherSizeNorDevice()
    {
        RecordingSurface a;
        a.setFont(QStringLiteral("Arial Greek"), 8);
        RecordingSurface b;
        b.setFont(QStringLiteral("Arial Greek"), 16);
        const QString text = QStringLiteral("Μελισσοκαρπάκης 1.234,56");
        QCOMPARE(b.textWidth(text), 2 * a.textWidth(text));
        QImage image(100, 100, QImage::Format_RGB32);
        ImageSurface picture(image, 600);
        picture.setFont(QStringLiteral("Arial Greek"), 8);
        QCOMPARE(picture.textWidth(text), a.textWidth(text));
    }

    // The surface turns twips into device units itself and leaves the
    // painter's transformation as the device set it (a PDF then holds plain
    // rectangles and texts): shapes, pen widths and texts land where the
    // twips say at 144 dots per inch (a tenth of a dot per twip).
    void painterSurfaceDrawsInDeviceUnits()
    {
        QImage image(60, 60, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterSurface surface(painter, 0.1, true);
        surface.fillBox(100, 100, 300, 200, Qt::black);
        surface.setPenWidth(20);
        surface.drawLine(0, 450, 600, 450, Qt::black);
        surface.setFont(QStringLiteral("Arial Greek"), 10);
        surface.setForeColour(Qt::black);
        surface.drawText(50, 300, QStringLiteral("Ι"));
        QCOMPARE(painter.transform(), QTransform());
        painter.end();
        auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
        QVERIFY(dark(10, 10) && dark(29, 19) && !dark(31, 10) && !dark(10, 21) && !dark(9, 10));
        QVERIFY(dark(30, 44) && dark(30, 45) && !dark(30, 42) && !dark(30, 47));
        // A capital iota 10 points high: its stroke within the text's box.
        const double height = surface.textHeight();
        bool inked = false;
        for (int y = 30; y < 30 + int(height / 10); ++y)
            for (int x = 5; x < 5 + int(surface.textWidth(QStringLiteral("Ι")) / 10) + 1; ++x)
                inked = inked || dark(x, y);
        QVERIFY(inked);
        QVERIFY(!dark(20, 32));
    }

    void missingFontsDrawInAnInstalledGreekFont()
    {
        const QString family = DrawingFamily(QStringLiteral("Nowhere Sans"));
        QVERIFY(QFontDatabase::families().contains(family));
        QVERIFY(QFontDatabase::writingSystems(family).contains(QFontDatabase::Greek));
        // Names match whole and exactly: a name differing in case is not the font.
        QCOMPARE(DrawingFamily(QStringLiteral("dejavu sans")), family);
        QCOMPARE(DrawingFamily(QStringLiteral("DejaVu Sans")), QStringLiteral("DejaVu Sans"));
        QCOMPARE(DrawingFamily(QStringLiteral("D")), family);
        // The other system's name of a family with its Greek letters draws
        // with that family, here through the font system's alias.
        QCOMPARE(DrawingFamily(QStringLiteral("Arial Greek")), DrawingFamily(QStringLiteral("Arial")));
        QCOMPARE(DrawingFamily(QStringLiteral("Times New Roman Greek")), QStringLiteral("Liberation Serif"));
        QCOMPARE(DrawingFamily(QStringLiteral("DejaVu Serif Greek")), QStringLiteral("DejaVu Serif"));
    }
};

KV_TEST_MAIN(TestTextPrimitives)

} // namespace test_textprimitives
#include "test_textprimitives.moc"
