#pragma once

#include "accounts/filterdialog.h"
#include "core/appstate.h"

#include <memory>

namespace kelvarino {

// "Πληρωμές-Φίλτρα-...": the filter of the payment list (dates, flats, persons).
class PaymentFilterDialog : public FilterDialog
{
public:
    PaymentFilterDialog(AppState &state, const Platform &platform, QWidget *parent = nullptr);
    ~PaymentFilterDialog() override;

    CheckGroup &flats() { return *flats_; }
    CheckGroup &persons() { return *persons_; }

protected:
    void apply() override;

private:
    AppState &state_;
    PaymentFilterRecord FilterCopy;
    std::unique_ptr<CheckGroup> flats_;
    std::unique_ptr<CheckGroup> persons_;
};

} // namespace kelvarino
