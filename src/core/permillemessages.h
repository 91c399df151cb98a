#pragma once

#include <QString>

namespace kelvarino {

// The messages about per-mille columns that cannot split an expense. The
// label is the category's label as stored, with its padding blanks.
namespace PerMilleMessages {
QString title(); // "Πρόβλημα με τα χιλιοστά"
// The column's per-mille values sum to zero.
QString allZero(const QString &storedLabel);
// The flats without a reduction have no per-mille, as the period balances word it.
QString nothingLeftForBalances(const QString &storedLabel);
// The same, as the statements' split words it for an owners' or residents' expense.
QString nothingLeftForOwners(const QString &storedLabel);
QString nothingLeftForResidents(const QString &storedLabel);
} // namespace PerMilleMessages

} // namespace kelvarino
