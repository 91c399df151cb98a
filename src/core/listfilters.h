#pragma once

#include "core/buildingdata.h"

#include <vector>

namespace kelvarino {

// The filters of the expense and payment lists. They live in the shared state
// for the whole run (never in the data file) and are reset whenever their list
// window opens, by its command that removes all filters and after its
// delete-all.
//
// Flats and Persons hold one switch per flat and person that existed at the
// last reset. A flat or person created later has no switch and counts as
// checked: it passes, and the filter dialog shows it checked.

struct ExpenseFilterRecord
{
    qint16 Status = 0; // 1 after the filter dialog closed with "Εφαρμογή", 0 otherwise
    double FromDate = NotSetDate; // not set: no lower bound
    double ToDate = NotSetDate;   // not set: no upper bound
    std::array<bool, CategoryCount> Types{};
    bool RefersToAll = true; // common expenses
    std::vector<bool> Flats; // individual charges of flat j
    std::vector<bool> Persons;
    bool Owner = true;
    bool Resident = true;
    bool Paid = true;
    bool NotPaid = true;
    friend bool operator==(const ExpenseFilterRecord &, const ExpenseFilterRecord &) = default;
};

struct PaymentFilterRecord
{
    qint16 Status = 0;
    double FromDate = NotSetDate;
    double ToDate = NotSetDate;
    std::vector<bool> Flats;
    std::vector<bool> Persons;
    friend bool operator==(const PaymentFilterRecord &, const PaymentFilterRecord &) = default;
};

// Lets everything pass; Status stays as it was.
void ResetFilter(ExpenseFilterRecord &filter, const BuildingData &building);
void ResetFilter(PaymentFilterRecord &filter, const BuildingData &building);

// A switch of a flat or person: one without a switch is checked.
bool IsChecked(const std::vector<bool> &switches, int index);

// The pass rules, for one record at a time (the list builders below do the
// same for a whole list, faster).
bool ExpensePasses(const ExpenseFilterRecord &filter, const BuildingData &building, const ExpenseRecord &expense);
bool PaymentPasses(const PaymentFilterRecord &filter, const BuildingData &building, const PaymentRecord &payment);

// The records of a list window: the indexes of the records that pass, latest
// date first and, on equal dates, the later entered (higher index) first; the
// first listed carries the number ListedCount, the last 1.
struct ListedExpenses
{
    std::vector<int> Indexes;
    float Total = 0; // the sum of the listed amounts, unpaid ones included
};

struct ListedPayments
{
    std::vector<int> Indexes;
    float OwnerTotal = 0;
    float ResidentTotal = 0;
    float total() const { return OwnerTotal + ResidentTotal; }
};

// The number (α/α) that a list window shows for the record at a position of
// its listing (0 the first listed), and the index of the record that a number
// names in a listing: -1 when no listed record carries it.
inline int ListedNumber(int listedCount, int position) { return listedCount - position; }
int RecordNumbered(const std::vector<int> &listed, qint64 number);

ListedExpenses ListExpenses(const BuildingData &building, const ExpenseFilterRecord &filter);
ListedPayments ListPayments(const BuildingData &building, const PaymentFilterRecord &filter);

// The list order on (date, index) pairs: a total order that gives, for every
// input, the result of the exchange sort that swaps the entries at j < k
// whenever the date at j is not later than the date at k. A damaged date that
// is not a number stands after every real date.
void SortLatestFirst(std::vector<std::pair<double, int>> &entries);

// The listed records without those at the given indexes, the others keeping
// their order (the result of removing them one by one from the highest index).
template <class Record>
void RemoveListed(std::vector<Record> &records, const std::vector<int> &listed)
{
    std::vector<bool> remove(records.size(), false);
    for (const int index : listed)
        if (index >= 0 && std::size_t(index) < records.size())
            remove[std::size_t(index)] = true;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < records.size(); ++i)
        if (!remove[i])
            records[kept++] = std::move(records[i]);
    records.resize(kept);
}

} // namespace kelvarino
