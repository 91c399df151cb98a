#pragma once

#include "accounts/filterdialog.h"
#include "core/appstate.h"

#include <memory>

namespace kelvarino {

// "Δαπάνες/Χρεώσεις-Φίλτρα-...": the filter of the expense list. Opening sets
// the shared record's Status to 0; "Εφαρμογή" writes the copy back with Status 1.
class ExpenseFilterDialog : public FilterDialog
{
public:
    ExpenseFilterDialog(AppState &state, const Platform &platform, QWidget *parent = nullptr);
    ~ExpenseFilterDialog() override;

    CheckGroup &types() { return *types_; }
    CheckGroup &flats() { return *flats_; }
    CheckGroup &persons() { return *persons_; }
    QCheckBox *checkOwner = nullptr;
    QCheckBox *CheckResident = nullptr;
    QCheckBox *CheckRefersToAll = nullptr;
    QCheckBox *CheckSpent = nullptr;
    QCheckBox *CheckNotYetSpent = nullptr;

protected:
    void apply() override;

private:
    AppState &state_;
    ExpenseFilterRecord FilterCopy;
    std::unique_ptr<CheckGroup> types_;
    std::unique_ptr<CheckGroup> flats_;
    std::unique_ptr<CheckGroup> persons_;
};

} // namespace kelvarino
