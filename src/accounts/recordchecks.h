#pragma once

#include "core/buildingdata.h"

#include <QString>

namespace kelvarino {

class MessageService;

// The checks that an expense or a payment passes before it is stored, shared
// by the entry frame of its list window and its change dialog (which word a
// few messages differently). Each shows its own message and answers whether
// the record may be stored.
enum class EntryPlace { Frame, ChangeDialog };

// The four refusals in order, then the question about an amount not above 0
// (No preselected); false when refused or answered No.
bool ExpenseMayBeStored(const ExpenseRecord &expense, EntryPlace place, MessageService &messages);
bool PaymentMayBeStored(const PaymentRecord &payment, EntryPlace place, MessageService &messages);

} // namespace kelvarino
