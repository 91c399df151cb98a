#pragma once

#include "core/appstate.h"

namespace kelvarino {

// The one place where records are deleted or moved: a deletion removes the
// dependants that cannot live without the record and lowers the references
// above it; a move rotates the record and renumbers every reference in the
// range. Every operation sets DataChanged when it changes anything, and only
// then. An index outside its list changes nothing.

void DeleteExpense(AppState &state, int index);
void DeletePayment(AppState &state, int index);
void DeleteProfessional(AppState &state, int index);
void DeletePerson(AppState &state, int index);
void DeleteFlat(AppState &state, int index);
// Every flat with everything that hangs on a flat (occupancy, payments,
// individual charges, per-mille columns); common expenses stay.
void DeleteAllFlats(AppState &state);

void MoveFlat(AppState &state, int from, int to);
void MovePerson(AppState &state, int from, int to);
void MoveProfessional(AppState &state, int from, int to);
// Categories 1 to 5 only; category 0 keeps its place. The label, reserve,
// per-mille columns and expense references travel with the category; the
// caller refreshes the main window's per-mille menu captions afterwards.
void MoveCategory(AppState &state, int from, int to);

// Whether one more record fits in a list of the given size.
inline bool CanAddRecord(std::size_t currentCount) { return currentCount < std::size_t(MaxListCount); }

} // namespace kelvarino
