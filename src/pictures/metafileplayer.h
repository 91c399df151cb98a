#pragma once

#include "pictures/metafilebudget.h"
#include "pictures/metafilereader.h"
#include "pictures/metafilestate.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QSet>
#include <QSize>

#include <optional>
#include <vector>

namespace kelvarino {

// Plays a metafile's records with the toolkit's painter into an image. The
// same code reads the records twice: first only checking them (every record's
// parameters against its size, the objects, the saved states, the
// coordinates), then, when all of them passed, drawing them.
class MetafilePlayer
{
public:
    // The picture's frame in the file's units: a placeable file's bounds,
    // otherwise its first window. Empty when the file declares none.
    static std::optional<QRectF> frameOf(const MetafileReader &reader);
    // The frame of a file that declares none: the bounds of what its records
    // draw, checking them on the way, in its device units (pixels). Empty when
    // a record is damaged or nothing is drawn.
    static std::optional<QRectF> drawnFrameOf(const MetafileReader &reader, MetafileBudget &budget);
    // The size `frame` takes at `dotsPerInch`, kept within the image limits.
    static QSize naturalSize(const MetafileReader &reader, QRectF frame, double dotsPerInch);
    // The largest size of these proportions that the image limits allow (the
    // size itself when it is within them).
    static QSize withinImageLimits(double width, double height);

    // `budget` is the whole reading's, from its start.
    MetafilePlayer(const MetafileReader &reader, QRectF frame, QSize imageSize, MetafileBudget &budget);

    // Null when a record is damaged or the reading's work, memory or last
    // guard of time is spent. The work of every record is counted, at this
    // size, before anything is drawn; only flood fills count their runs as
    // they find them.
    QImage draw();

private:
    bool play(QPainter *painter);
    void reset();
    bool playRecord(const MetafileRecord &r);

    // State
    bool setColour(const MetafileRecord &r, QColor &colour);
    bool setMapping(const MetafileRecord &r);
    bool saveState();
    bool restoreState(const MetafileRecord &r);
    void updateTransform();

    // Objects
    bool createPen(const MetafileRecord &r);
    bool createBrush(const MetafileRecord &r);
    bool createPatternBrush(const MetafileRecord &r);
    bool createFont(const MetafileRecord &r);
    bool createRegion(const MetafileRecord &r);
    bool createPalette(const MetafileRecord &r);
    bool selectPalette(const MetafileRecord &r);
    bool createObject(MetafileObject object);
    bool withinHeldBitmaps() const;
    bool selectObject(const MetafileRecord &r);
    const MetafileRegion *regionAt(int slot) const;

    // Clipping
    bool clipRectangle(const MetafileRecord &r, bool exclude);
    bool offsetClip(const MetafileRecord &r);
    bool selectClipRegion(const MetafileRecord &r);
    QRegion deviceRegion(const MetafileRegion &region);
    void applyClip();

    // Shapes
    bool lineTo(const MetafileRecord &r);
    bool polygon(const MetafileRecord &r, bool closed);
    bool polyPolygon(const MetafileRecord &r);
    bool boxShape(const MetafileRecord &r);
    bool arcShape(const MetafileRecord &r);
    bool setPixel(const MetafileRecord &r);
    bool floodFill(const MetafileRecord &r);
    bool fillRegion(const MetafileRecord &r, bool withCurrentBrush);
    bool frameRegion(const MetafileRecord &r);
    bool invertRegion(const MetafileRecord &r);
    void paintRegion(const QRegion &area, const QBrush &brush, QPainter::CompositionMode mode);
    template <typename Draw> void paintShape(bool filled, Draw draw);
    double penPixels() const;

    // Work: what the drawing does, counted by the checking pass only, the one
    // that neither draws nor collects the drawn frame; and what every pass
    // does that does not draw (regions combined, fonts matched, text laid
    // out), counted by the collecting pass as well.
    bool counting() const { return !painter_ && !collecting_; }
    void count(double work);
    void countState(double work);
    void spend(double work);
    // Where a pen joins two segments of a shape's outlines (`joins`), and
    // where it caps an open one (`ends`): every point of a polygon or a line
    // is one or the other; a curve has none along it.
    struct Corners
    {
        double joins = 0, ends = 0;
        bool atPoints = false; // at the outlines' points (not along curves)
        static Corners ofPoints(const QList<QPolygonF> &outlines, bool closed);
    };
    void countShape(const QList<QPolygonF> &outlines, bool closed, Corners corners);
    void countPath(const QPainterPath &path, bool closed, Corners corners);
    void countRegion(const QRegion &region, int passes = 1);
    double coveredPixels(const QRectF &device) const;
    double fontPixels() const;

    // Text
    bool textOut(const MetafileRecord &r);
    bool extTextOut(const MetafileRecord &r);
    bool drawText(QPointF at, QByteArrayView bytes, const MetafileRecord *r, qint64 dxAt, int options,
                  std::optional<QRectF> box);
    std::optional<QFont> deviceFont() const;
    const std::optional<QFont> &textFont();
    QString fontKey() const;

    // Bitmaps
    bool bitmapBlt(const MetafileRecord &r);
    bool patternBlt(const MetafileRecord &r);
    bool setDibToDevice(const MetafileRecord &r);
    bool drawBitmap(quint32 rop, QRectF source, QRectF target, QByteArrayView dib, bool paletteIndices);
    bool drawBitmap16(quint32 rop, QRectF source, QRectF target, QByteArrayView bitmap);
    template <typename Decode>
    bool placeBitmap(quint32 rop, QRectF source, QRectF target, qint64 pixels, Decode decode);
    const QList<QRgb> *paletteFor(bool paletteIndices) const { return paletteIndices ? &state_.palette : nullptr; }
    void fillWithRop(quint32 rop, const QRectF &target);

    QPointF toDevice(QPointF logical);
    void touch(QPointF device);
    QRectF toDevice(const QRectF &logical);
    QPointF point(const MetafileRecord &r, qsizetype yWord);
    QRectF box(const MetafileRecord &r, qsizetype bottomWord);
    QPen devicePen() const;
    QBrush deviceBrush(const MetafileBrush &brush);
    void applyRop(int rop2);
    void setMode(QPainter::CompositionMode mode);

    const MetafileReader &reader_;
    QRectF frame_;
    QSize imageSize_;
    MetafileBudget &budget_;

    // The frame is the bounds of what the file draws: the mapping starts as
    // the system's, one logical unit to a pixel, and the frame stays put.
    bool drawnFrame_ = false;
    // Collecting those bounds (`drawnFrameOf`): the pass maps the frame one
    // to one onto the image, and counts only the work it does itself.
    bool collecting_ = false;
    bool touching_ = true; // the points mapped are drawn (not a clip's)
    std::optional<QRectF> drawn_;

    QPainter *painter_ = nullptr;
    const QImage *canvas_ = nullptr; // the image the painter draws, for flood fills
    MetafileState state_;
    std::vector<MetafileState> saved_;
    qint64 savedPatternBytes_ = 0; // what the saved states' brush patterns take
    std::optional<MetafileObjects> objects_;
    QPointF frameOrg_, frameExt_;
    double sx_ = 1, sy_ = 1, tx_ = 0, ty_ = 0;
    bool mapped_ = false;     // a record has used the mapping; the frame stays put
    bool outOfBounds_ = false; // a coordinate fell past the bounds
    bool overBudget_ = false;  // the reading's work passed its bound
    bool clipDirty_ = false;
    // The clip the painter was last given (none: unclipped); the same one is
    // not given again.
    std::optional<QRegion> usedClip_;
    // The pattern brushes created, and the one-bit pattern last turned into
    // the picture's colours, kept for the shapes that follow.
    quint64 patternsCreated_ = 0;
    struct ConvertedPattern
    {
        quint64 id = 0;
        QRgb text = 0, back = 0;
        QBrush brush;
    } converted_;
    // The fonts the reading's texts used, and the last one set up.
    QSet<QString> fontsUsed_;
    QString fontKey_;
    std::optional<QFont> font_;
};

} // namespace kelvarino
