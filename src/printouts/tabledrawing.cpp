#include "printouts/tabledrawing.h"

#include "printing/pagesurface.h"
#include "printouts/flattable.h"

namespace kelvarino::TableDrawing {

TextMeasure SurfaceMeasure(PageSurface &surface, const QString &fontName)
{
    return [&surface, fontName](const QString &text, double points, bool bold) {
        surface.setFont(fontName, points, bold);
        return QSizeF(surface.textWidth(text), surface.textHeight(text));
    };
}

void Cell(PageSurface &surface, double x1, double y1, double x2, double y2, const QColor &fill)
{
    if (fill.isValid())
        surface.fillBox(x1, y1, x2, y2, fill);
    surface.drawBox(x1, y1, x2, y2, Qt::black);
}

void FlatCell(PageSurface &surface, int flat, double x1, double y1, double x2, double y2)
{
    Cell(surface, x1, y1, x2, y2, IsShadedFlat(flat) ? Grey : QColor());
}

void Bar(PageSurface &surface, double x, double y1, double y2, double width)
{
    surface.fillBox(x - width, y1, x, y2, Qt::black);
}

} // namespace kelvarino::TableDrawing
