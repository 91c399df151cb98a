#pragma once

#include "core/buildingdata.h"

#include <QByteArray>

#include <vector>

namespace kelvarino::testing {

// A small building in which every list and every kind of field holds
// something: Greek texts, a byte the code page leaves undefined, unpaid and
// paid expenses, common expenses with and without a flat, several per-mille
// columns with reductions, issues and changed print settings.
BuildingData RichBuilding();

// Record sizes of the format 2.0 file, written down independently of the
// program's own layout code.
namespace FileSizes {
inline constexpr int Header = 772;
inline constexpr int Flat = 43;
inline constexpr int Person = 202;
inline constexpr int Professional = 1824;
inline constexpr int Administrator = 18;
inline constexpr int Occupancy = 20;
inline constexpr int Expense = 122;
inline constexpr int ExpenseV1 = 120;
inline constexpr int Payment = 118;
inline constexpr int Issue = 1048;
inline int Column(int flats) { return 58 + 12 * flats; }
} // namespace FileSizes

// Where the 16-bit counts stand in the format 2.0 file of the work: the eight
// lists, the six column counts and the issues, in file order.
std::vector<int> CountOffsets(const BuildingData &work);

// The format 1.0 file of a work without professionals, made from its 2.0 file
// by dropping the professionals count and every expense's unpaid flag.
QByteArray FormatOneFile(const BuildingData &work, const QByteArray &formatTwoFile);

} // namespace kelvarino::testing
