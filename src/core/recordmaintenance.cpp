#include "core/recordmaintenance.h"

#include <algorithm>

namespace kelvarino {
namespace {

bool IsIndexIn(int index, std::size_t size)
{
    return index >= 0 && std::size_t(index) < size;
}

// Removes from the list every record the predicate names as a dependant of the
// removed record x, then lowers every remaining reference above x by one. The
// remaining records keep their order.
template <typename Record, typename IsDependant>
void RemoveDependants(std::vector<Record> &list, qint16 Record::*reference, int x, IsDependant isDependant)
{
    std::erase_if(list, isDependant);
    for (Record &record : list) {
        if (record.*reference > x)
            --(record.*reference);
    }
}

template <typename Record>
void RemoveDependants(std::vector<Record> &list, qint16 Record::*reference, int x)
{
    RemoveDependants(list, reference, x, [&](const Record &r) { return r.*reference == x; });
}

// Moves the element at `from` to `to`; the ones in between each step one place
// toward `from`.
template <typename RandomIt>
void RotateElement(RandomIt first, int from, int to)
{
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else if (to < from)
        std::rotate(first + to, first + from, first + from + 1);
}

// Where a reference points after the element at `from` moved to `to`.
int MovedReference(int h, int from, int to)
{
    if (h < std::min(from, to) || h > std::max(from, to))
        return h;
    if (h == from)
        return to;
    return from < to ? h - 1 : h + 1;
}

template <typename Record>
void RenumberAfterMove(std::vector<Record> &list, qint16 Record::*reference, int from, int to)
{
    for (Record &record : list)
        record.*reference = qint16(MovedReference(record.*reference, from, to));
}

// The three per-flat arrays of every column of every category, in one walk.
template <typename Action>
void ForEachPerFlatArray(BuildingData &b, Action action)
{
    for (auto &columns : b.ShareColumns) {
        for (ShareColumn &column : columns) {
            action(column.PerMille);
            action(column.ResidentReduction);
            action(column.OwnerReduction);
        }
    }
}

bool IsIndividualChargeOf(const ExpenseRecord &e, int flat)
{
    return e.AllFlats == 0 && e.Flat == flat;
}

// The state of a building without flats: nothing that hangs on a flat remains.
void RemoveLastFlat(BuildingData &b)
{
    b.Flats.clear();
    b.Owners.clear();
    b.Residents.clear();
    b.Payments.clear();
    for (auto &columns : b.ShareColumns)
        columns.clear();
}

// Removes one record that nothing refers to.
template <typename Record>
void EraseRecord(AppState &state, std::vector<Record> &list, int index)
{
    if (!IsIndexIn(index, list.size()))
        return;
    list.erase(list.begin() + index);
    state.DataChanged = true;
}

// Two different positions of a list of the given size.
bool IsMoveWithin(int from, int to, std::size_t size)
{
    return IsIndexIn(from, size) && IsIndexIn(to, size) && from != to;
}

} // namespace

void DeleteExpense(AppState &state, int index)
{
    EraseRecord(state, state.Building.Expenses, index);
}

void DeletePayment(AppState &state, int index)
{
    EraseRecord(state, state.Building.Payments, index);
}

void DeleteProfessional(AppState &state, int index)
{
    EraseRecord(state, state.Building.Professionals, index);
}

void DeletePerson(AppState &state, int index)
{
    BuildingData &b = state.Building;
    if (!IsIndexIn(index, b.Persons.size()))
        return;
    state.DataChanged = true;
    if (b.Persons.size() == 1) {
        b.Persons.clear();
        b.Administrators.clear();
        b.Owners.clear();
        b.Residents.clear();
        return;
    }
    b.Persons.erase(b.Persons.begin() + index);
    RemoveDependants(b.Administrators, &AdministratorPeriod::Person, index);
    RemoveDependants(b.Owners, &OccupancyPeriod::Person, index);
    RemoveDependants(b.Residents, &OccupancyPeriod::Person, index);
}

void DeleteFlat(AppState &state, int index)
{
    BuildingData &b = state.Building;
    if (!IsIndexIn(index, b.Flats.size()))
        return;
    state.DataChanged = true;
    if (b.Flats.size() == 1) {
        RemoveLastFlat(b);
    } else {
        b.Flats.erase(b.Flats.begin() + index);
        const std::size_t flatCount = b.Flats.size();
        ForEachPerFlatArray(b, [&](std::vector<float> &entries) {
            if (std::size_t(index) < entries.size())
                entries.erase(entries.begin() + index);
            entries.resize(flatCount, 0.0f);
        });
        RemoveDependants(b.Owners, &OccupancyPeriod::Flat, index);
        RemoveDependants(b.Residents, &OccupancyPeriod::Flat, index);
        RemoveDependants(b.Payments, &PaymentRecord::Flat, index);
    }
    // Common expenses stay and are shared among the remaining flats from now on.
    RemoveDependants(b.Expenses, &ExpenseRecord::Flat, index,
                     [&](const ExpenseRecord &e) { return IsIndividualChargeOf(e, index); });
}

void DeleteAllFlats(AppState &state)
{
    BuildingData &b = state.Building;
    if (b.Flats.empty())
        return;
    state.DataChanged = true;
    RemoveLastFlat(b);
    // Common expenses stay; every individual charge goes with its flat.
    std::erase_if(b.Expenses, [](const ExpenseRecord &e) { return e.AllFlats == 0; });
}

void MoveFlat(AppState &state, int from, int to)
{
    BuildingData &b = state.Building;
    if (!IsMoveWithin(from, to, b.Flats.size()))
        return;
    state.DataChanged = true;
    RotateElement(b.Flats.begin(), from, to);
    ForEachPerFlatArray(b, [&](std::vector<float> &entries) {
        if (IsIndexIn(std::max(from, to), entries.size()))
            RotateElement(entries.begin(), from, to);
    });
    RenumberAfterMove(b.Owners, &OccupancyPeriod::Flat, from, to);
    RenumberAfterMove(b.Residents, &OccupancyPeriod::Flat, from, to);
    RenumberAfterMove(b.Payments, &PaymentRecord::Flat, from, to);
    RenumberAfterMove(b.Expenses, &ExpenseRecord::Flat, from, to);
}

void MovePerson(AppState &state, int from, int to)
{
    BuildingData &b = state.Building;
    if (!IsMoveWithin(from, to, b.Persons.size()))
        return;
    state.DataChanged = true;
    RotateElement(b.Persons.begin(), from, to);
    RenumberAfterMove(b.Owners, &OccupancyPeriod::Person, from, to);
    RenumberAfterMove(b.Residents, &OccupancyPeriod::Person, from, to);
    RenumberAfterMove(b.Administrators, &AdministratorPeriod::Person, from, to);
}

void MoveProfessional(AppState &state, int from, int to)
{
    auto &list = state.Building.Professionals;
    if (!IsMoveWithin(from, to, list.size()))
        return;
    state.DataChanged = true;
    RotateElement(list.begin(), from, to);
}

void MoveCategory(AppState &state, int from, int to)
{
    // Category 0 keeps its place: only 1 to 5 move, among themselves.
    if (!IsMoveWithin(from - 1, to - 1, CategoryCount - 1))
        return;
    BuildingData &b = state.Building;
    state.DataChanged = true;
    RotateElement(b.CategoryLabels.begin(), from, to);
    RotateElement(b.Reserves.begin(), from, to);
    RenumberAfterMove(b.Expenses, &ExpenseRecord::Category, from, to);
    if (!b.Flats.empty())
        RotateElement(b.ShareColumns.begin(), from, to);
}

} // namespace kelvarino
