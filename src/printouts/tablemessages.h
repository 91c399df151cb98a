#pragma once

#include <QString>

namespace kelvarino {

// The title of every message about a printout that cannot be laid out.
QString LayoutProblemTitle();

// A layout message in its two paragraphs: what does not fit, and what to do
// about it. The preview shows them with an empty line between.
struct TableProblem
{
    QString problem;
    QString advice;
};

// Rows so tall that not one fits on a page.
TableProblem RowTooTallProblem();

} // namespace kelvarino
