#pragma once

#include "accounts/recordfields.h"
#include "accounts/paymentchangedialog.h"
#include "accounts/paymentfilterdialog.h"
#include "accounts/typedlistwindow.h"

#include <memory>

class QLabel;

namespace kelvarino {

// "Πληρωμές": the payments of owners and residents, entered in the frame
// "ΝΕΑ ΠΛΗΡΩΜΗ" and listed newest first with the owners', residents' and
// overall totals. Every listed row has the button "Απόδειξη", enabled when the
// program has a receipt window to open.
class PaymentsWindow : public TypedListWindow<PaymentRecord, PaymentFilterRecord, PaymentChangeDialog, PaymentFilterDialog>
{
public:
    explicit PaymentsWindow(AppContext &context, QWidget *parent = nullptr);
    ~PaymentsWindow() override;

    PaymentFields &frameFields() { return *fields_; }
    const PaymentRecord &newEntry() const { return NewEntry; }
    QLabel *ownerTotal() const { return ownerTotal_; }
    QLabel *residentTotal() const { return residentTotal_; }
    QLabel *total() const { return total_; }

protected:
    std::vector<int> listRecords() override;
    QString cellText(int index, int column) const override;
    bool newRecordMayBeStored() override;
    void clearEntryFrame() override;
    void fillEntryLists(bool flatsChanged) override;
    bool rowButtonEnabled(int button) const override;
    void rowButtonClicked(int button, int index) override;

private:
    std::unique_ptr<PaymentFields> fields_;
    QLabel *ownerTotal_ = nullptr;
    QLabel *residentTotal_ = nullptr;
    QLabel *total_ = nullptr;
};

} // namespace kelvarino
