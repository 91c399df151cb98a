#pragma once

class QLineEdit;
class QWidget;

namespace kelvarino {

// Date boxes wide enough for their dates. A window is laid out in twips for
// one font; with the fonts of another desktop a date box may be narrower than
// the dates typed into it, and the user would read a date cut at one end.

// Marks the box as a date box of its window, for FitDateBoxes.
void MarkDateBox(QLineEdit *box);

// The width in twips of a column of cell boxes (MakeCellEdit) that takes
// dates: the width it was laid out with, or more when a cell in the
// program's font needs more for the widest date. For windows that lay out
// their columns in twips before they make the boxes.
double DateCellWidthTwips(double designTwips);

// Makes every marked date box among the window's widgets wide enough to show
// the widest date whole in its own font. Each widening is a strip as wide as what is missing, put into
// the window just inside the box's right edge, from top to bottom: what
// stands to the right of it moves along, what reaches across it (the box, the
// boxes and headers of its column, the frames around it) widens with it, and
// the window grows by as much. Call it once the window is laid out.
void FitDateBoxes(QWidget *window);

} // namespace kelvarino
