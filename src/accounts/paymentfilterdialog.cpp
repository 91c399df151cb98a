#include "accounts/paymentfilterdialog.h"

#include "accounts/recordchangedialog.h"

#include <QGroupBox>

#include <tuple>

namespace kelvarino {

PaymentFilterDialog::PaymentFilterDialog(AppState &state, const Platform &platform, QWidget *parent)
    : FilterDialog(platform, QStringLiteral("Πληρωμές-Φίλτρα-Ξετσεκάρετε αυτά που ΔΕΝ θέλετε"),
                   QSizeF(4980, 4875), QColor(255, 255, 224), parent),
      state_(state)
{
    state.PaymentFilter.Status = 0;
    FilterCopy = state.PaymentFilter;
    const BuildingData &b = state.Building;
    addDateBounds(FilterCopy.FromDate, FilterCopy.ToDate, 240, 2580);
    std::tie(flats_, persons_) = addFlatsAndPersons(this, b, FilterCopy.Flats, FilterCopy.Persons, 180, 2580, 600);
    placeButtons(780, 3120, 4260, 1115, 480);
    FinishDialogLayout(this);
}

PaymentFilterDialog::~PaymentFilterDialog() = default;

void PaymentFilterDialog::apply()
{
    state_.PaymentFilter = FilterCopy;
    state_.PaymentFilter.Status = 1;
}

} // namespace kelvarino
