#pragma once

#include "issues/collectivelayout.h"

#include <QString>

namespace kelvarino {

struct PageRequest;

// What one page of the collective statement is drawn from.
struct CollectiveStatementPages
{
    const BuildingData &building;
    const IssueWorkspace &workspace;
    const IssueRecord &issue;
    const QString &administratorCaption;
    const StatementPlacement &placement;
    const std::vector<ExpenseListRow> &listRows;
    StatementGeometry geometry; // sizes at magnification 1
    QString fontName;
};

// Draws page (row, column) of the statement; `fittedCellStep` is the font
// step its fitted cells keep from one to the next.
void DrawCollectivePage(const CollectiveStatementPages &statement, const PageRequest &page, int &fittedCellStep);

} // namespace kelvarino
