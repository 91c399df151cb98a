#pragma once

#include "accounts/recordfields.h"
#include "accounts/dat09_paymentchanges.h"
#include "accounts/dat09_paymentfilters.h"
#include "accounts/typedlistwindow.h"

#include <memory>

class QLabel;

namespace kelvarino {

// "Πληρωμές": the payments of owners and residents, entered in the frame
// "ΝΕΑ ΠΛΗΡΩΜΗ" and listed newest first with the owners', residents' and
// overall totals. Every listed row has the button "Απόδειξη", enabled when the
// program has a receipt window to open.
class dat09_Payments : public TypedListWindow<PaymentRecord, PaymentFilterRecord, dat09_PaymentChanges, dat09_PaymentFilters>
{
public:
    explicit dat09_Payments(AppContext &context, QWidget *parent = nullptr);
    ~dat09_Payments() override;

    PaymentFields &frameFields() { return *fields_; }
    const PaymentRecord &newEntry() const { return NewEntry; }
    QLabel *ownerTotal() const { return xOwnerTotal_; }
    QLabel *residentTotal() const { return xResidentTotal_; }
    QLabel *total() const { return xTotal_; }

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
    QLabel *xOwnerTotal_ = nullptr;
    QLabel *xResidentTotal_ = nullptr;
    QLabel *xTotal_ = nullptr;
};

} // namespace kelvarino
