#pragma once

#include "core/buildingdata.h"

namespace kelvarino {

// Who bears an expense or a payment, and whose name a flat shows: its
// resident or its owner.
enum class Side { Resident, Owner };

inline Side SideOf(const ExpenseRecord &expense)
{
    return expense.ChargedToOwner != 0 ? Side::Owner : Side::Resident;
}

// The side's reduction percents of a column.
inline const std::vector<float> &Reductions(const ShareColumn &column, Side side)
{
    return side == Side::Owner ? column.OwnerReduction : column.ResidentReduction;
}

} // namespace kelvarino
