#pragma once

#include <QString>

namespace kelvarino {

// The title of every message about a printout that cannot be laid out.
QString LayoutProblemTitle();
// A layout message: what does not fit, an empty line, what to do about it.
QString TableMessage(const QString &problem, const QString &advice);
// Rows so tall that not one fits on a page.
QString RowTooTallMessage();

} // namespace kelvarino
