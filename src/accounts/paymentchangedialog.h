#pragma once

#include "accounts/recordchangedialog.h"
#include "accounts/recordfields.h"
#include "core/appstate.h"

namespace kelvarino {

// "Πληρωμή": one listed payment changed in a copy and written back on "ΟΚ"
// after the checks of the new-payment frame.
class PaymentChangeDialog : public RecordChangeDialog
{
public:
    PaymentChangeDialog(AppState &state, const Platform &platform, int selectedIndex, QWidget *parent = nullptr);

    PaymentFields &fields() { return fields_; }
    const PaymentRecord &editCopy() const { return EditCopy; }

protected:
    bool mayStore() override;
    void writeBack() override;

private:
    AppState &state_;
    int selectedIndex_;
    PaymentRecord EditCopy;
    PaymentFields fields_;
};

} // namespace kelvarino
