#include "issues/collectivestatementreport.h"

#include "core/appstate.h"
#include "core/printsettings.h"
#include "issues/collectivepage.h"
#include "printing/pagesurface.h"
#include "printing/reportpreview.h"
#include "shell/appcontext.h"

#include <QAction>

#include <algorithm>
#include <cmath>

namespace kelvarino {

namespace {

// Sizes of the slot that the statement uses.
constexpr int WidthCount = 4;
constexpr int HeightCount = 2;
constexpr float DefaultRowHeight = 355;
constexpr double MinimumScale = 0.5;

// The codes of a statement that does not fit.
enum : int { FlatsTooWide = -1, CategoryTooWide = -2, RowsTooHigh = -3 };

// The list columns per page a stored count gives: out of range it is taken
// as the nearest of 1 to 6, as the columns dialog would show it.
int ExpenseColumnsOf(const PrintSetting &slot)
{
    return std::clamp<int>(slot.ExpenseColumnsPerPage, 1, 6);
}

const IssueRecord &IssueAt(const BuildingData &building, int index)
{
    static const IssueRecord none;
    return index >= 0 && index < building.IssueCount() ? building.Issues[std::size_t(index)] : none;
}

} // namespace

CollectiveStatementReport::CollectiveStatementReport(const AppState &state, const PeriodResults &results,
                                                               int issueIndex)
    : state_(state), results_(results), issueIndex_(issueIndex),
      listRows_(BuildExpenseList(state.Building, results.Workspace))
{
}

int CollectiveStatementReport::slot() const
{
    return SlotCollectiveStatement;
}

QString CollectiveStatementReport::title() const
{
    return QStringLiteral("Συγκεντρωτική κατάσταση δαπανών-χρεώσεων");
}

ReportSizes CollectiveStatementReport::bestBoxSizes(PageSurface &target)
{
    ReportSizes sizes;
    for (const char *sample : {"AAΔιαμέρισμαAA", "AAΜελισσοκαρπάκηςAA", "AAΙδιοκτήτηςAA", "100,000,00"})
        sizes.widths.append(float(target.textWidth(QString::fromUtf8(sample))));
    sizes.heights = {DefaultRowHeight, DefaultRowHeight};
    serialColumnWidth_ = target.textWidth(QStringLiteral("Αα/αΑ"));
    return sizes;
}

QStringList CollectiveStatementReport::widthNames() const
{
    return {QStringLiteral("Πλάτος διαμερίσματος"), QStringLiteral("Πλάτος προσώπου"),
            QStringLiteral("Πλάτος στηλών ποσών"), QStringLiteral("Πλάτος ποσών δαπανών")};
}

QStringList CollectiveStatementReport::heightNames() const
{
    return {QStringLiteral("Ύψος διαμερισμάτων"), QStringLiteral("Ύψος δαπανών")};
}

void CollectiveStatementReport::readSizes(PrintSetting &slot, const ReportSizes &defaults) const
{
    // A stored size that is no finite number counts as not set.
    for (float &width : slot.Widths)
        if (!std::isfinite(width))
            width = 0;
    for (float &height : slot.Heights)
        if (!std::isfinite(height))
            height = 0;
    PreviewReport::readSizes(slot, defaults);
}

void CollectiveStatementReport::restoreDefaultSizes(PrintSetting &slot, const ReportSizes &defaults) const
{
    // The list's amount box (width 3) keeps its size.
    for (int i = 0; i < 3 && i < defaults.widths.size(); ++i)
        slot.Widths[std::size_t(i)] = defaults.widths[i];
    for (int j = 0; j < HeightCount && j < defaults.heights.size(); ++j)
        slot.Heights[std::size_t(j)] = defaults.heights[j];
}

void CollectiveStatementReport::defaultPrintParameters(PrintSetting &slot)
{
    slot.Portrait = 0;
    slot.ColouredPrint = -1;
    slot.Magnification = 1.0f;
    slot.PageNumbers = -1;
    slot.ExpenseColumnsPerPage = 2;
    if (expenseColumns_)
        expenseColumns_->setText(ExpenseColumnsCaption(slot));
}

QString CollectiveStatementReport::ExpenseColumnsCaption(const PrintSetting &slot)
{
    return QStringLiteral("Αριθμός στηλών δαπανών ανά σελίδα = ") + QString::number(ExpenseColumnsOf(slot));
}

StatementGeometry CollectiveStatementReport::geometryOf(const PrintSetting &slot, double printableWidth,
                                                             double printableHeight) const
{
    StatementGeometry g;
    g.PrintableWidth = printableWidth;
    g.PrintableHeight = printableHeight;
    g.Magnification = slot.Magnification;
    g.ExpenseColumnsPerPage = ExpenseColumnsOf(slot);
    for (int i = 0; i < WidthCount; ++i)
        g.Widths[std::size_t(i)] = slot.Widths[std::size_t(i)];
    for (int j = 0; j < HeightCount; ++j)
        g.Heights[std::size_t(j)] = slot.Heights[std::size_t(j)];
    g.SerialColumnWidth = serialColumnWidth_;
    return g;
}

LayoutOutcome CollectiveStatementReport::preparePrint(ReportLayout &layout)
{
    PrintSetting &slot = layout.settings;
    // After a failure nothing is drawn until a layout succeeds.
    laidOut_ = false;
    const IssueWorkspace &w = results_.Workspace;
    const StatementGeometry sizes = geometryOf(slot, 0, 0);
    if (!layout.fitWidth(LeftBlockWidth(w, sizes), MinimumScale))
        return LayoutOutcome::failure(FlatsTooWide);
    if (const double widest = WidestCategoryBlock(w, sizes); widest > 0 && !layout.fitWidth(widest, MinimumScale))
        return LayoutOutcome::failure(CategoryTooWide);
    const StatementGeometry g = geometryOf(slot, layout.printableWidth(), layout.printableHeight());
    if (!PlaceStatement(w, g, state_.Building.FlatCount(), listRows_, placement_)) {
        layout.restore();
        return LayoutOutcome::failure(RowsTooHigh);
    }
    laidOut_ = true;
    return LayoutOutcome::pages(placement_.PageRows, placement_.PageColumns);
}

LayoutFailureText CollectiveStatementReport::failureText(int code) const
{
    switch (code) {
    case FlatsTooWide:
        return {QStringLiteral("Η στήλη με τα ονόματα των διαμερισμάτων και τα συνολικά ποσά για το καθένα είναι τόσο "
                               "φαρδιά που δε χωράει στο χαρτί με οριζόντιο προσανατολισμό και με τη μεγαλύτερη "
                               "δυνατή σμύκρινση 50%."),
                QStringLiteral("Διορθώστε το πρόβλημα (μικρύνατε το εύρος των στηλών ή τα περιθώρια) και επανέλθετε.")};
    case CategoryTooWide:
        return {QStringLiteral("Η στήλη με την ανάλυση συγκεκριμένης κοινής δαπάνης είναι τόσο φαρδιά που δε χωράει "
                               "ούτε σε οριζόντιο προσανατολισμό."),
                QStringLiteral("Διορθώστε το πρόβλημα (ελαττώστε το εύρος των στηλών ή τα περιθώρια) και επανέλθετε.")};
    default:
        return {QStringLiteral("Οι γραμμές της κατάστασης είναι τόσο ψηλές που δε χωράει ούτε μία σε μια σελίδα."),
                QStringLiteral("Διορθώστε το πρόβλημα (μειώστε το ύψος των γραμμών ή τα περιθώρια) και επανέλθετε.")};
    }
}

void CollectiveStatementReport::printPage(const PageRequest &page)
{
    if (!laidOut_)
        return;
    const CollectiveStatementPages statement{state_.Building,
                                             results_.Workspace,
                                             IssueAt(state_.Building, issueIndex_),
                                             results_.Administrator.AdministratorCaption,
                                             placement_,
                                             listRows_,
                                             geometryOf(page.settings, 0, 0),
                                             state_.PreferredFont};
    DrawCollectivePage(statement, page, fittedCellStep_);
}

void CollectiveStatementReport::setUpWindow(ReportPreview &window)
{
    window_ = &window;
    expenseColumns_ = new QAction(ExpenseColumnsCaption(window.settings()), &window);
    expenseColumns_->setObjectName(QStringLiteral("expenseColumns"));
    QObject::connect(expenseColumns_, &QAction::triggered, &window, [this] { expenseColumnsClicked(); });
    window.insertTopLevel(expenseColumns_);
}

void CollectiveStatementReport::expenseColumnsClicked()
{
    ReportPreview &window = *window_;
    const bool confirmed = window.dialogs().expenseColumns(slot());
    expenseColumns_->setText(ExpenseColumnsCaption(window.settings()));
    if (confirmed)
        window.resizeAndLayout();
}

void OpenCollectiveStatement(AppContext &context, QWidget *owner, const PeriodResults &results, int issueIndex)
{
    CollectiveStatementReport report(context.state, results, issueIndex);
    ReportPreview window(PrintingContextOf(context, owner), report, owner);
    window.showModal();
}

} // namespace kelvarino
