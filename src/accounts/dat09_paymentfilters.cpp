#include "accounts/dat09_paymentfilters.h"

#include "accounts/filterbindings.h"

#include <QGroupBox>

namespace kelvarino {

dat09_PaymentFilters::dat09_PaymentFilters(AppState &state, const Platform &platform, QWidget *parent)
    : FilterDialog(platform, QStringLiteral("Πληρωμές-Φίλτρα-Ξετσεκάρετε αυτά που ΔΕΝ θέλετε"),
                   QSizeF(4980, 4875), QColor(255, 255, 224), parent),
      state_(state)
{
    state.PaymentFilter.Status = 0;
    FilterCopy = state.PaymentFilter;
    const BuildingData &b = state.Building;
    addDateBounds(FilterCopy.FromDate, FilterCopy.ToDate, 240, 2580);
    QGroupBox *flatFrame = addFrame(this, QStringLiteral("Διαμερίσματα"), 180, 600, 2235, 3495);
    flats_ = std::make_unique<CheckGroup>(flatFrame, FlatSwitches(b, FilterCopy.Flats), 10,
                                          CheckGroup::Place{180, 180, 900, 240, 1635});
    QGroupBox *personFrame = addFrame(this, QStringLiteral("Πρόσωπα"), 2580, 600, 2235, 3495);
    persons_ = std::make_unique<CheckGroup>(personFrame, PersonSwitches(b, FilterCopy.Persons), 10,
                                            CheckGroup::Place{180, 120, 900, 240, 1795});
    placeButtons(780, 3120, 4260, 1115, 480);
    flats_->show();
    persons_->show();
}

dat09_PaymentFilters::~dat09_PaymentFilters() = default;

void dat09_PaymentFilters::apply()
{
    state_.PaymentFilter = FilterCopy;
    state_.PaymentFilter.Status = 1;
}

} // namespace kelvarino
