#pragma once

#include "accounts/recordchangedialog.h"
#include "accounts/recordfields.h"
#include "core/appstate.h"

namespace kelvarino {

// "Δαπάνη/Χρέωση": one listed expense changed in a copy and written back on
// "ΟΚ" after the checks of the new-expense frame.
class ExpenseChangeDialog : public RecordChangeDialog
{
public:
    ExpenseChangeDialog(AppState &state, const Platform &platform, int selectedIndex, QWidget *parent = nullptr);

    ExpenseFields &fields() { return fields_; }
    const ExpenseRecord &editCopy() const { return EditCopy; }

protected:
    bool mayStore() override;
    void writeBack() override;

private:
    AppState &state_;
    int selectedIndex_;
    ExpenseRecord EditCopy;
    ExpenseFields fields_;
};

} // namespace kelvarino
