#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <memory>
#include <optional>

class QPainter;
class QImage;

namespace kelvarino {

// The font of a page surface: a family name as the user chose it (it need not
// be installed, see DrawingFamily), a size in points and the style.
struct SurfaceFont
{
    QString name;
    double points = 8;
    bool bold = false;
    bool italic = false;
    friend bool operator==(const SurfaceFont &, const SurfaceFont &) = default;
};

// The installed family that stands for a font name: the family that answers
// the name (InstalledFontFamily: "Arial Greek" draws as Arial does), else the
// first installed of Arial, Liberation Sans and DejaVu Sans that has Greek
// letters.
QString DrawingFamily(const QString &name);

struct FontReference;

// Where a report page is drawn, measured in twips (1440 per inch) from the
// surface's own origin. Text is placed by the top-left corner of its box and
// measured with metrics that depend on neither the device nor the size: one
// unhinted reference size, scaled. So the preview, the printer and a picture
// cut and wrap a text at the same character.
class PageSurface
{
public:
    virtual ~PageSurface() = default;

    // Font state, as the reports set it piece by piece.
    void setFont(const SurfaceFont &font)
    {
        font_ = font;
        reference_ = nullptr;
    }
    void setFont(const QString &name, double points, bool bold = false, bool italic = false)
    {
        setFont(SurfaceFont{name, points, bold, italic});
    }
    void setFontName(const QString &name)
    {
        if (name != font_.name)
            reference_ = nullptr;
        font_.name = name;
    }
    void setFontSize(double points) { font_.points = points; }
    void setBold(bool bold)
    {
        if (bold != font_.bold)
            reference_ = nullptr;
        font_.bold = bold;
    }
    void setItalic(bool italic)
    {
        if (italic != font_.italic)
            reference_ = nullptr;
        font_.italic = italic;
    }
    const SurfaceFont &font() const { return font_; }

    // The colour of text ("fore colour"); black at first.
    void setForeColour(const QColor &colour) { foreColour_ = colour; }
    QColor foreColour() const { return foreColour_; }
    // The width of lines and box outlines in twips; 0 draws the thinnest line
    // the device has (the default).
    void setPenWidth(double twips) { penWidth_ = twips; }
    double penWidth() const { return penWidth_; }

    // The width and height of a text in the current font, in twips. Widths
    // are kept per face for the program's life: a report measures the same
    // captions and figures on every page and in every cell it cuts.
    virtual double textWidth(const QString &text) const;
    virtual double textHeight(const QString &text = QString()) const;
    // The widths of the text's starts, measured in one pass: element i is
    // exactly textWidth(text.left(i + 1)). A surface that measures otherwise
    // overrides both.
    virtual QList<double> prefixWidths(const QString &text) const;

    // A text in the current font and fore colour, its box's top-left corner at
    // (x, y); the background stays as it is.
    virtual void drawText(double x, double y, const QString &text) = 0;
    virtual void drawLine(double x1, double y1, double x2, double y2, const QColor &colour = Qt::black) = 0;
    // The outline of the box from (x1, y1) to (x2, y2).
    virtual void drawBox(double x1, double y1, double x2, double y2, const QColor &colour = Qt::black) = 0;
    // The box filled, without an outline.
    virtual void fillBox(double x1, double y1, double x2, double y2, const QColor &colour) = 0;

    // True on a printer or PDF, false on the preview, a picture or a record.
    virtual bool onPaper() const { return false; }

protected:
    // The reference metrics of the current face (size aside).
    const FontReference &reference() const;

private:
    SurfaceFont font_;
    mutable const FontReference *reference_ = nullptr;
    QColor foreColour_ = Qt::black;
    double penWidth_ = 0;
};

// The reference metrics of one font, shared by every surface: the installed
// face at one unhinted size. A text's width is the sum of its glyphs' design
// advances at that size, scaled; surfaces place each glyph at exactly those
// advances, so no device or size changes where a text ends.
struct FontReference
{
    QRawFont raw;      // the face at the reference pixel size
    double ascent = 0; // at the reference size
    double height = 0;
    // The glyphs of a text and their advances at the reference size (the
    // advances of each character are read from the face once).
    double layout(const QString &text, QList<quint32> *glyphs = nullptr, QList<double> *advances = nullptr) const;
    // layout(text) of a text, kept once measured.
    double width(const QString &text) const;
    // The face at a size, kept for the sizes in use.
    const QRawFont &atPixelSize(double pixels) const;

private:
    struct Glyph
    {
        quint32 index = 0;
        double advance = 0;
    };
    const Glyph &glyphOf(char16_t character) const;
    mutable QHash<char16_t, Glyph> glyphs_;
    mutable QHash<QString, double> widths_;
    mutable QHash<qint64, QRawFont> sized_;
};
inline constexpr int FontReferencePixels = 1200;
const FontReference &ReferenceOf(const SurfaceFont &font);

// A surface over a QPainter: the preview, a printer, a PDF writer, a picture.
// The painter's device is given in pixels per twip; the painter's own
// transform (for example the widget's scroll) stays under it.
class PainterSurface : public PageSurface
{
public:
    PainterSurface(QPainter &painter, double pixelsPerTwip, bool onPaper = false);
    void drawText(double x, double y, const QString &text) override;
    void drawLine(double x1, double y1, double x2, double y2, const QColor &colour) override;
    void drawBox(double x1, double y1, double x2, double y2, const QColor &colour) override;
    void fillBox(double x1, double y1, double x2, double y2, const QColor &colour) override;
    bool onPaper() const override { return onPaper_; }

private:
    void useLinePen(const QColor &colour);
    QPointF device(double x, double y) const;

    QPainter &painter_;
    double k_; // device units per twip
    bool onPaper_;
};

// Holds the painter of an ImageSurface, made before the surface over it.
struct ImagePainter
{
    explicit ImagePainter(QImage &image);
    std::unique_ptr<QPainter> painter;
};

// A picture of a page (tests, screenshots, benchmarks): the image is painted
// at the given resolution in dots per inch.
class ImageSurface : private ImagePainter, public PainterSurface
{
public:
    ImageSurface(QImage &image, double dotsPerInch);
    ~ImageSurface() override;
};

// The surface of the tests: it keeps every text, line and box drawn, in order.
// It measures like every other surface unless fixed metrics are set: then a
// text is (characters x points x widthPerPoint) wide and (points x
// heightPerPoint) high, which makes cutting rules easy to state.
class RecordingSurface : public PageSurface
{
public:
    struct Text
    {
        QString text;
        double x = 0, y = 0, width = 0, height = 0;
        SurfaceFont font;
        QColor colour;
        double right() const { return x + width; }
        double bottom() const { return y + height; }
    };
    struct Shape
    {
        enum Kind { Line, Box, Fill } kind = Line;
        QLineF line;  // Line
        QRectF rect;  // Box, Fill
        QColor colour;
        double penWidth = 0;
    };
    struct FixedMetrics
    {
        double widthPerPoint = 10;  // twips per character and point
        double heightPerPoint = 20; // twips per point
    };

    void useFixedMetrics(FixedMetrics metrics) { fixed_ = metrics; }
    double textWidth(const QString &text) const override;
    QList<double> prefixWidths(const QString &text) const override;
    double textHeight(const QString &text = QString()) const override;

    void drawText(double x, double y, const QString &text) override;
    void drawLine(double x1, double y1, double x2, double y2, const QColor &colour) override;
    void drawBox(double x1, double y1, double x2, double y2, const QColor &colour) override;
    void fillBox(double x1, double y1, double x2, double y2, const QColor &colour) override;
    bool onPaper() const override { return paper_; }
    void setOnPaper(bool paper) { paper_ = paper; }

    void clear()
    {
        texts.clear();
        shapes.clear();
    }
    // The texts drawn, in order, as plain strings.
    QStringList textStrings() const;
    // The first text equal to the given one; nothing when none was drawn.
    std::optional<Text> find(const QString &text) const;
    QList<Shape> shapesOf(Shape::Kind kind) const;

    QList<Text> texts;
    QList<Shape> shapes;

private:
    std::optional<FixedMetrics> fixed_;
    bool paper_ = false;
};

} // namespace kelvarino
