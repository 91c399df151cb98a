#pragma once

#include <QColor>
#include <QString>

namespace kelvarino {

class PageSurface;

// Alignment codes of the text primitives: -1 left, 1 right, any other value
// centred.
inline constexpr int AlignLeft = -1;
inline constexpr int AlignRight = 1;
inline constexpr int AlignCentre = 0;

// The padding unit of the cells (twips at scale 1).
inline constexpr double PadUnit = 30;

// One line in the box, 30 twips from its sides whatever the scale, vertically
// centred; the surface's bold, italic and fore colour are set first (and stay
// set). The text is cut from its end until it fits and left as printed (empty
// when nothing fitted).
void PrintTextInBox(QString &text, double left, double top, double right, double bottom, PageSurface &surface,
                    int alignment, bool bold, bool italic, const QColor &colour);

// A cell's text in the preferred font at the font step (0 to 50: 10 - 0.1 x
// step points, times the magnification) that fits, searched from the caller's
// step, which is left at the step chosen; then cut when even step 50 is too
// wide. A blank text changes nothing.
void PrintFittedCell(int &step, PageSurface &surface, const QString &text, double left, double top, double right,
                     double bottom, int alignment, double magnification, bool bold, bool italic,
                     const QColor &colour, const QString &fontName);

// The text word-wrapped between left and right (60 twips of padding), one
// line per line height from y; y is left below the last line.
void PrintWrappedText(const QString &text, double left, double &y, double right, double lineHeight,
                      PageSurface &surface, int alignment, bool bold, bool italic, const QColor &colour);

// One text in the cell in the surface's current font, padded by PadUnit x
// scale / 2 (scale: the content scale, magnification x zoom), cut from its end
// while it does not fit; the caller's text is not changed. A cell too narrow
// for even an empty text draws nothing.
void draw1(PageSurface &surface, const QString &text, double x1, double y1, double x2, double y2, int alignment,
           double scale);

// Two texts one above the other in one cell, each cut by draw1's rule.
void draw2(PageSurface &surface, const QString &text1, const QString &text2, double x1, double y1, double x2,
           double y2, int alignment, double scale);

// A text in the cell at size points x scale, shrunk by tenths of a point (at
// most 5 points) and then cut until it fits; at least one character stays.
// The fore colour goes back to black and the size to size x scale afterwards.
void FitTextInCell(double size, PageSurface &surface, const QString &text, double x1, double y1, double x2,
                   double y2, int alignment, double scale, bool bold, bool italic, const QColor &colour);

// A text of up to three lines broken at blanks, drawn with draw1 in the whole
// cell, its halves or its thirds; later words than the third line's are
// dropped. A first word wider than the room starts on line 1.
void DrawWrappedTitle(PageSurface &surface, const QString &text, double x1, double y1, double x2, double y2,
                      int alignment, double scale);

} // namespace kelvarino
