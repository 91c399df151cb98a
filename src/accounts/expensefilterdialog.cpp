#include "accounts/expensefilterdialog.h"

#include "accounts/recordchangedialog.h"
#include "platform/twips.h"

#include <QGroupBox>

#include <tuple>
#include <QPushButton>

namespace kelvarino {

ExpenseFilterDialog::ExpenseFilterDialog(AppState &state, const Platform &platform, QWidget *parent)
    : FilterDialog(platform, QStringLiteral("Δαπάνες/Χρεώσεις-Φίλτρα-Ξετσεκάρετε αυτά που ΔΕΝ θέλετε"),
                   QSizeF(8070, 6120), QColor(192, 255, 192), parent),
      state_(state)
{
    state.ExpenseFilter.Status = 0;
    FilterCopy = state.ExpenseFilter;
    const BuildingData &b = state.Building;
    addDateBounds(FilterCopy.FromDate, FilterCopy.ToDate, 240, 2820);
    checkOwner = addCheck(this, QStringLiteral("Ιδιοκτήτης"), FilterCopy.Owner, 1020, 660, 1395);
    CheckResident = addCheck(this, QStringLiteral("Ένοικος"), FilterCopy.Resident, 3600, 660, 1395);
    // Wide enough for its caption in the program's font.
    QGroupBox *commons = addFrame(this, QStringLiteral("Κοινές δαπάνες"), 5040, 120, 2955, 915);
    CheckRefersToAll = addCheck(commons, QStringLiteral("Σε όλα τα διαμερίσματα"), FilterCopy.RefersToAll, 120,
                                480, 2760);

    QGroupBox *typeFrame = addFrame(this, QStringLiteral("Είδος δαπάνης"), 180, 1080, 2835, 2775);
    CheckGroup::Binding typeSwitches{[] { return CategoryCount; },
                                     [this](int k) { return FilterCopy.Types[std::size_t(k)]; },
                                     [this](int k, bool checked) { FilterCopy.Types[std::size_t(k)] = checked; },
                                     [&b](int k) { return b.CategoryLabel(k); }};
    types_ = std::make_unique<CheckGroup>(typeFrame, typeSwitches, CategoryCount,
                                          CheckGroup::Place{420, 120, 900, 300, 2655});

    QGroupBox *individual = addFrame(this, QStringLiteral("Ατομικές δαπάνες"), 3120, 1080, 4875, 3975);
    std::tie(flats_, persons_) = addFlatsAndPersons(individual, b, FilterCopy.Flats, FilterCopy.Persons, 120, 2520, 360);

    QGroupBox *pending = addFrame(this, QStringLiteral("Εκκρεμότητες"), 3120, 5100, 4875, 915);
    CheckSpent = addCheck(pending, QStringLiteral("Έχουν πληρωθεί"), FilterCopy.Paid, 480, 420, 1815);
    CheckNotYetSpent = addCheck(pending, QStringLiteral("Δεν έχουν πληρωθεί"), FilterCopy.NotPaid, 2460, 420, 2115);

    cancelButton()->setGeometry(Twips::rect(840, 5040, 1470, 420));
    applyButton()->setGeometry(Twips::rect(840, 4500, 1470, 420));
    types_->show();
    FinishDialogLayout(this);
}

ExpenseFilterDialog::~ExpenseFilterDialog() = default;

void ExpenseFilterDialog::apply()
{
    state_.ExpenseFilter = FilterCopy;
    state_.ExpenseFilter.Status = 1;
}

} // namespace kelvarino
