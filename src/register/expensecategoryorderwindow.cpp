#include "register/expensecategoryorderwindow.h"

#include "core/recordmaintenance.h"

namespace kelvarino {

namespace {
OrderSpec categoriesSpec()
{
    OrderSpec spec;
    spec.caption = QStringLiteral("Σειρά εμφάνισης των Κατηγοριών Κοινών Δαπανών");
    spec.clientWidthTwips = 6090;
    spec.nameHeader = QStringLiteral("Κατηγορία Κοινών Δαπανών");
    spec.nameWidthTwips = 5175;
    spec.rowHeightTwips = 360;
    spec.cellPointSize = 9.75;
    spec.fixedRows = true;
    spec.firstRowFixed = true;
    return spec;
}
} // namespace

ExpenseCategoryOrderWindow::ExpenseCategoryOrderWindow(AppContext &context, QWidget *parent)
    : OrderWindow(context, categoriesSpec(), parent)
{
    buildRows();
}

void ExpenseCategoryOrderWindow::move(int from, int to)
{
    MoveCategory(state(), from, to);
    // The main menu's per-mille items carry the category labels.
    if (context().shell)
        context().shell->updateMenuCounts();
}

QFont ExpenseCategoryOrderWindow::floatingFont() const
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9.75);
    return font;
}

} // namespace kelvarino
