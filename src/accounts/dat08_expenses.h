#pragma once

#include "accounts/recordfields.h"
#include "accounts/dat08_expensechanges.h"
#include "accounts/dat08_expensefilters.h"
#include "accounts/typedlistwindow.h"

#include <memory>

class QLabel;

namespace kelvarino {

// "Δαπάνες/Χρεώσεις": the expenses and individual charges, entered in the
// frame "ΝΕΑ ΔΑΠΑΝΗ/ΧΡΕΩΣΗ" and listed newest first with their total.
class dat08_Expenses : public TypedListWindow<ExpenseRecord, ExpenseFilterRecord, dat08_ExpenseChanges, dat08_ExpenseFilters>
{
public:
    explicit dat08_Expenses(AppContext &context, QWidget *parent = nullptr);
    ~dat08_Expenses() override;

    ExpenseFields &frameFields() { return *fields_; }
    const ExpenseRecord &newEntry() const { return NewEntry; }
    QLabel *totalLabel() const { return xTotal_; }

protected:
    std::vector<int> listRecords() override;
    QString cellText(int index, int column) const override;
    std::pair<QColor, QColor> cellColours(int index, int column) const override;
    bool newRecordMayBeStored() override;
    void clearEntryFrame() override;
    void fillEntryLists(bool flatsChanged) override;

private:
    std::unique_ptr<ExpenseFields> fields_;
    QLabel *xTotal_ = nullptr;
};

} // namespace kelvarino
