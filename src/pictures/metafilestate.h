#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace kelvarino {

// The drawing objects a metafile creates, as its records describe them; the
// player turns them into the painter's pens, brushes and fonts when it draws.
struct MetafilePen
{
    int style = 0; // line style, end cap and join, as the record gives them
    int width = 0; // in logical units; 0 is one pixel whatever the mapping
    QColor colour = Qt::black;
};

struct MetafileBrush
{
    int style = 0; // solid, null, hatched or pattern
    QColor colour = Qt::white;
    int hatch = 0;
    QImage pattern;
    // What the pattern takes decoded; counted in the checking pass too,
    // where the pattern itself is not decoded.
    qint64 patternBytes = 0;
    // A one-bit pattern, which takes the text and background colours each
    // time it paints; and which pattern of the reading it is, the same in
    // every pass (1 for the first created), for the converted pattern kept.
    bool monochrome = false;
    quint64 patternId = 0;
};

struct MetafileFont
{
    int height = 0; // negative: the characters' height; positive: the cell's
    int width = 0;
    int escapement = 0; // tenths of a degree, counterclockwise
    int weight = 0;
    bool italic = false, underline = false, strikeOut = false;
    int charset = 0;
    QString face;
};

// A region's rectangles in logical units.
struct MetafileRegion
{
    QList<QRect> rectangles;
};

// A palette's colours, for the bitmaps whose colour tables index it.
struct MetafilePalette
{
    QList<QRgb> colours;
};

using MetafileObject = std::variant<std::monostate, MetafilePen, MetafileBrush, MetafileFont, MetafileRegion, MetafilePalette>;

// The metafile's object table: a created object takes the lowest free slot.
class MetafileObjects
{
public:
    explicit MetafileObjects(int count) : slots_(std::size_t(count)) {}

    // False when every slot is taken (the object is then left out).
    bool create(MetafileObject object);
    const MetafileObject *at(int slot) const;
    void remove(int slot);
    // Bytes of the brush patterns held.
    qint64 heldBitmapBytes() const { return heldBytes_; }

private:
    std::vector<MetafileObject> slots_;
    std::size_t lowestFree_ = 0;
    qint64 heldBytes_ = 0;
};

// Everything a saved state keeps and a restore brings back.
struct MetafileState
{
    enum MapMode { Text = 1, LowMetric, HighMetric, LowEnglish, HighEnglish, Twips, Isotropic, Anisotropic };

    MetafilePen pen;
    MetafileBrush brush;
    MetafileFont font;
    QColor textColour = Qt::black;
    QColor backColour = Qt::white;
    bool opaqueBackground = true;
    bool windingFill = false;
    int textAlign = 0;
    int textExtra = 0;
    QList<QRgb> palette;
    int rop2 = 13; // copy the pen
    int mapMode = Anisotropic;
    QPointF windowOrg, windowExt, viewportOrg, viewportExt;
    QPointF position;
    std::optional<QRegion> clip; // in the image's pixels; none: the whole image
};

} // namespace kelvarino
