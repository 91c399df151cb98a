#pragma once

#include "printouts/flattable.h"

#include <QColor>

namespace kelvarino {

class PageSurface;

// The colours and cells of the two tables of flats (the cash statement and
// the per-mille table).
namespace TableDrawing {

inline const QColor FlatHeaderColoured{232, 232, 255};
inline const QColor FigureHeaderColoured{255, 232, 232};
inline const QColor Grey{240, 240, 240};
inline const QColor Red{255, 0, 0};

inline QColor FlatHeaderFill(bool coloured) { return coloured ? FlatHeaderColoured : Grey; }
inline QColor FigureHeaderFill(bool coloured) { return coloured ? FigureHeaderColoured : Grey; }

// Measures on the surface in the preferred font.
TextMeasure SurfaceMeasure(PageSurface &surface, const QString &fontName);

// A cell: filled when `fill` is valid, always with a black outline.
void Cell(PageSurface &surface, double x1, double y1, double x2, double y2, const QColor &fill = QColor());
// The cell of a flat's row: shaded for every second flat.
void FlatCell(PageSurface &surface, int flat, double x1, double y1, double x2, double y2);
// The black bar between two groups, `width` wide left of x.
void Bar(PageSurface &surface, double x, double y1, double y2, double width);

} // namespace TableDrawing
} // namespace kelvarino
