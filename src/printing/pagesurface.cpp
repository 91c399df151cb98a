#include "printing/pagesurface.h"
#include "platform/fontfamilies.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <memory>
#include <unordered_map>

namespace kelvarino {

QString DrawingFamily(const QString &name)
{
    static QHash<QString, QString> resolved;
    const auto found = resolved.constFind(name);
    if (found != resolved.constEnd())
        return found.value();
    const QStringList installed = QFontDatabase::families();
    QString family = InstalledFontFamily(name);
    if (family.isEmpty()) {
        for (const QString &candidate : {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                         QStringLiteral("DejaVu Sans")}) {
            if (installed.contains(candidate, Qt::CaseSensitive)
                && QFontDatabase::writingSystems(candidate).contains(QFontDatabase::Greek)) {
                family = candidate;
                break;
            }
        }
        if (family.isEmpty())
            family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }
    resolved.insert(name, family);
    return family;
}

const FontReference::Glyph &FontReference::glyphOf(char16_t character) const
{
    auto found = glyphs_.find(character);
    if (found == glyphs_.end()) {
        Glyph glyph;
        const QList<quint32> indexes = raw.glyphIndexesForString(QString(QChar(character)));
        if (!indexes.isEmpty()) {
            glyph.index = indexes.first();
            const QList<QPointF> advances = raw.advancesForGlyphIndexes(indexes, QRawFont::UseDesignMetrics);
            glyph.advance = advances.isEmpty() ? 0 : advances.first().x();
        }
        found = glyphs_.insert(character, glyph);
    }
    return found.value();
}

double FontReference::layout(const QString &text, QList<quint32> *glyphs, QList<double> *advances) const
{
    double total = 0;
    if (glyphs) {
        glyphs->reserve(text.size());
        advances->reserve(text.size());
    }
    for (const QChar character : text) {
        const Glyph &glyph = glyphOf(character.unicode());
        total += glyph.advance;
        if (glyphs) {
            glyphs->append(glyph.index);
            advances->append(glyph.advance);
        }
    }
    return total;
}

double FontReference::width(const QString &text) const
{
    const auto found = widths_.constFind(text);
    if (found != widths_.constEnd())
        return found.value();
    // A bound on what one face keeps: the texts of a few large reports.
    if (widths_.size() >= 1 << 18)
        widths_.clear();
    const double measured = layout(text);
    widths_.insert(text, measured);
    return measured;
}

const QRawFont &FontReference::atPixelSize(double pixels) const
{
    const qint64 key = qint64(std::llround(pixels * 64));
    auto found = sized_.find(key);
    if (found == sized_.end()) {
        QRawFont font = raw;
        font.setPixelSize(double(key) / 64);
        found = sized_.insert(key, font);
    }
    return found.value();
}

const FontReference &ReferenceOf(const SurfaceFont &font)
{
    // Kept for the program's life; surfaces hold on to them.
    static std::unordered_map<QString, std::unique_ptr<FontReference>> references;
    const QString key = font.name + QLatin1Char('\n') + QChar(font.bold ? 'b' : '-') + QChar(font.italic ? 'i' : '-');
    const auto found = references.find(key);
    if (found != references.end())
        return *found->second;
    QFont face(DrawingFamily(font.name));
    face.setPixelSize(FontReferencePixels);
    face.setBold(font.bold);
    face.setItalic(font.italic);
    face.setHintingPreference(QFont::PreferNoHinting);
    face.setStyleStrategy(QFont::StyleStrategy(QFont::PreferOutline | QFont::NoFontMerging));
    auto reference = std::make_unique<FontReference>();
    reference->raw = QRawFont::fromFont(face);
    reference->raw.setPixelSize(FontReferencePixels);
    const QFontMetricsF metrics(face);
    reference->ascent = metrics.ascent();
    reference->height = metrics.height();
    return *references.emplace(key, std::move(reference)).first->second;
}

namespace {

// Twips per reference pixel of a font of the given size.
double referenceScale(const SurfaceFont &font)
{
    return font.points * 20.0 / FontReferencePixels;
}

} // namespace

const FontReference &PageSurface::reference() const
{
    if (!reference_)
        reference_ = &ReferenceOf(font_);
    return *reference_;
}

double PageSurface::textWidth(const QString &text) const
{
    if (text.isEmpty())
        return 0;
    return reference().width(text) * referenceScale(font_);
}

QList<double> PageSurface::prefixWidths(const QString &text) const
{
    QList<quint32> glyphs;
    QList<double> advances;
    reference().layout(text, &glyphs, &advances);
    // Summed in the order layout() sums them, so each start's width is the
    // one textWidth() gives it.
    const double k = referenceScale(font_);
    QList<double> widths;
    widths.reserve(advances.size());
    double total = 0;
    for (const double advance : std::as_const(advances)) {
        total += advance;
        widths.append(total * k);
    }
    return widths;
}

double PageSurface::textHeight(const QString &) const
{
    return reference().height * referenceScale(font_);
}

// ---------------------------------------------------------------- painter

PainterSurface::PainterSurface(QPainter &painter, double pixelsPerTwip, bool onPaper)
    : painter_(painter), k_(pixelsPerTwip), onPaper_(onPaper)
{
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setRenderHint(QPainter::TextAntialiasing);
}

// Twips are turned into device units here rather than by the painter's
// transformation: a painter left as the device set it up lets a PDF (also
// what the print system sends to a printer) hold its texts, rectangles and
// lines plainly, without a transformation for every item and without boxes
// turned into paths — a file nearly half the size, and as much quicker to
// compress.
QPointF PainterSurface::device(double x, double y) const
{
    return QPointF(x * k_, y * k_);
}

void PainterSurface::drawText(double x, double y, const QString &text)
{
    if (text.isEmpty() || font().points <= 0)
        return;
    const FontReference &reference = this->reference();
    // Device units per reference unit.
    const double k = referenceScale(font()) * k_;
    QList<quint32> glyphs;
    QList<double> advances;
    reference.layout(text, &glyphs, &advances);
    // Each glyph at its reference advance, scaled: the text ends where it was
    // measured to end, on every device.
    QList<QPointF> positions;
    positions.reserve(glyphs.size());
    double pen = x * k_;
    const double baseline = y * k_ + reference.ascent * k;
    for (const double step : std::as_const(advances)) {
        positions.append(QPointF(pen, baseline));
        pen += step * k;
    }
    QGlyphRun run;
    run.setRawFont(reference.atPixelSize(font().points * 20.0 * k_));
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    painter_.setPen(foreColour());
    painter_.drawGlyphRun(QPointF(0, 0), run);
}

void PainterSurface::useLinePen(const QColor &colour)
{
    QPen pen(colour);
    if (penWidth() > 0) {
        pen.setWidthF(penWidth() * k_);
    } else {
        pen.setWidth(0);
        pen.setCosmetic(true);
    }
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
}

void PainterSurface::drawLine(double x1, double y1, double x2, double y2, const QColor &colour)
{
    useLinePen(colour);
    painter_.drawLine(device(x1, y1), device(x2, y2));
}

void PainterSurface::drawBox(double x1, double y1, double x2, double y2, const QColor &colour)
{
    useLinePen(colour);
    painter_.drawRect(QRectF(device(x1, y1), device(x2, y2)).normalized());
}

void PainterSurface::fillBox(double x1, double y1, double x2, double y2, const QColor &colour)
{
    painter_.fillRect(QRectF(device(x1, y1), device(x2, y2)).normalized(), colour);
}

// ---------------------------------------------------------------- image

ImagePainter::ImagePainter(QImage &image) : painter(std::make_unique<QPainter>(&image)) {}

ImageSurface::ImageSurface(QImage &image, double dotsPerInch)
    : ImagePainter(image), PainterSurface(*painter, dotsPerInch / 1440.0)
{
    painter->setRenderHint(QPainter::Antialiasing, false);
}

ImageSurface::~ImageSurface()
{
    painter->end();
}

// ---------------------------------------------------------------- recording

double RecordingSurface::textWidth(const QString &text) const
{
    if (fixed_)
        return text.size() * font().points * fixed_->widthPerPoint;
    return PageSurface::textWidth(text);
}

QList<double> RecordingSurface::prefixWidths(const QString &text) const
{
    if (!fixed_)
        return PageSurface::prefixWidths(text);
    QList<double> widths;
    widths.reserve(text.size());
    for (qsizetype n = 1; n <= text.size(); ++n)
        widths.append(n * font().points * fixed_->widthPerPoint);
    return widths;
}

double RecordingSurface::textHeight(const QString &text) const
{
    if (fixed_)
        return font().points * fixed_->heightPerPoint;
    return PageSurface::textHeight(text);
}

void RecordingSurface::drawText(double x, double y, const QString &text)
{
    texts.append({text, x, y, textWidth(text), textHeight(text), font(), foreColour()});
}

void RecordingSurface::drawLine(double x1, double y1, double x2, double y2, const QColor &colour)
{
    Shape shape;
    shape.kind = Shape::Line;
    shape.line = QLineF(x1, y1, x2, y2);
    shape.colour = colour;
    shape.penWidth = penWidth();
    shapes.append(shape);
}

void RecordingSurface::drawBox(double x1, double y1, double x2, double y2, const QColor &colour)
{
    Shape shape;
    shape.kind = Shape::Box;
    shape.rect = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    shape.colour = colour;
    shape.penWidth = penWidth();
    shapes.append(shape);
}

void RecordingSurface::fillBox(double x1, double y1, double x2, double y2, const QColor &colour)
{
    Shape shape;
    shape.kind = Shape::Fill;
    shape.rect = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    shape.colour = colour;
    shapes.append(shape);
}

QStringList RecordingSurface::textStrings() const
{
    QStringList strings;
    for (const Text &text : texts)
        strings.append(text.text);
    return strings;
}

std::optional<RecordingSurface::Text> RecordingSurface::find(const QString &text) const
{
    for (const Text &item : texts)
        if (item.text == text)
            return item;
    return std::nullopt;
}

QList<RecordingSurface::Shape> RecordingSurface::shapesOf(Shape::Kind kind) const
{
    QList<Shape> found;
    for (const Shape &shape : shapes)
        if (shape.kind == kind)
            found.append(shape);
    return found;
}

} // namespace kelvarino
