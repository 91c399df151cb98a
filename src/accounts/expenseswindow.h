#pragma once

#include "accounts/recordfields.h"
#include "accounts/expensechangedialog.h"
#include "accounts/expensefilterdialog.h"
#include "accounts/typedlistwindow.h"

#include <memory>

class QLabel;

namespace kelvarino {

// "Δαπάνες/Χρεώσεις": the expenses and individual charges, entered in the
// frame "ΝΕΑ ΔΑΠΑΝΗ/ΧΡΕΩΣΗ" and listed newest first with their total.
class ExpensesWindow : public TypedListWindow<ExpenseRecord, ExpenseFilterRecord, ExpenseChangeDialog, ExpenseFilterDialog>
{
public:
    explicit ExpensesWindow(AppContext &context, QWidget *parent = nullptr);
    ~ExpensesWindow() override;

    ExpenseFields &frameFields() { return *fields_; }
    const ExpenseRecord &newEntry() const { return NewEntry; }
    QLabel *totalLabel() const { return totalLabel_; }

protected:
    std::vector<int> listRecords() override;
    QString cellText(int index, int column) const override;
    std::pair<QColor, QColor> cellColours(int index, int column) const override;
    bool newRecordMayBeStored() override;
    void clearEntryFrame() override;
    void fillEntryLists(bool flatsChanged) override;

private:
    std::unique_ptr<ExpenseFields> fields_;
    QLabel *totalLabel_ = nullptr;
};

} // namespace kelvarino
