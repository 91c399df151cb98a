#pragma once

#include "core/fixedtext.h"
#include "platform/dates.h"

#include <QtGlobal>

#include <array>
#include <vector>

namespace kelvarino {

// Flags are 16-bit integers: -1 true, 0 false; any non-zero value counts as true.
inline constexpr qint16 True16 = -1;
inline constexpr qint16 False16 = 0;

inline constexpr int CategoryCount = 6;
inline constexpr int PrintSlotCount = 16;
// Every list holds at most this many records (its count is a 16-bit number).
inline constexpr int MaxListCount = 32767;

// The fixed label of category 0 and the default labels of categories 1 to 5.
QString FixedCategoryLabel();
QString DefaultCategoryLabel(int category);

struct FlatRecord
{
    FixedText<5> ShortName;
    FixedText<30> Description;
    float OwnerInitialDebt = 0;
    float ResidentInitialDebt = 0;
    friend bool operator==(const FlatRecord &, const FlatRecord &) = default;
};

struct PersonRecord
{
    FixedText<30> Name;
    qint16 Female = 0; // 0 "Άρρεν", 1 "Θήλυ"
    FixedText<10> Salutation;
    FixedText<50> Street;
    FixedText<30> AreaPostcode;
    FixedText<15> Phone;
    FixedText<15> Mobile;
    FixedText<50> Email;
    friend bool operator==(const PersonRecord &, const PersonRecord &) = default;
};

struct ProfessionalRecord
{
    FixedText<30> Name;
    FixedText<20> Activity;
    FixedText<50> Street;
    FixedText<30> AreaPostcode;
    FixedText<15> Phone;
    FixedText<15> Mobile;
    FixedText<128> Email;
    FixedText<512> Web;
    FixedText<1024> Notes;
    friend bool operator==(const ProfessionalRecord &, const ProfessionalRecord &) = default;
};

struct AdministratorPeriod
{
    qint16 Person = 0;
    double FromDate = NotSetDate;
    double ToDate = NotSetDate;
    friend bool operator==(const AdministratorPeriod &, const AdministratorPeriod &) = default;
};

// One owner or resident period; the lists Owners and Residents share it.
struct OccupancyPeriod
{
    qint16 Person = 0;
    qint16 Flat = 0;
    double FromDate = NotSetDate;
    double ToDate = NotSetDate;
    friend bool operator==(const OccupancyPeriod &, const OccupancyPeriod &) = default;
};

// A common expense (AllFlats non-zero, Flat -1) shared by per-mille, or an
// individual charge of one flat (AllFlats 0).
struct ExpenseRecord
{
    double Date = NotSetDate;
    qint16 Category = 0;
    qint16 ChargedToOwner = 0; // -1 owner, 0 resident
    qint16 AllFlats = 0;
    qint16 Flat = -1;
    float Amount = 0;
    FixedText<100> Description;
    qint16 NotPaidYet = 0;
    friend bool operator==(const ExpenseRecord &, const ExpenseRecord &) = default;
};

struct PaymentRecord
{
    double Date = NotSetDate;
    qint16 Flat = 0;
    float OwnerAmount = 0;
    float ResidentAmount = 0;
    FixedText<50> ResidentNote;
    FixedText<50> OwnerNote;
    friend bool operator==(const PaymentRecord &, const PaymentRecord &) = default;
};

// One per-mille column of a category, valid for expenses dated up to EndDate;
// the open (current) column has EndDate NotSetDate. The arrays hold one entry
// per flat.
struct ShareColumn
{
    double EndDate = NotSetDate;
    std::vector<float> PerMille;
    std::vector<float> ResidentReduction;
    std::vector<float> OwnerReduction;
    FixedText<50> Comment;
    friend bool operator==(const ShareColumn &, const ShareColumn &) = default;

    // A column of zeros for the given number of flats.
    static ShareColumn zeros(int flatCount, double endDate = NotSetDate);
};

struct IssueRecord
{
    double PeriodFrom = NotSetDate;
    double PeriodTo = NotSetDate;
    double IssueDate = NotSetDate;
    FixedText<1024> Announcement;
    friend bool operator==(const IssueRecord &, const IssueRecord &) = default;
};

// The settings of one printout slot. Widths and Heights below 30 are "not set".
struct PrintSetting
{
    qint16 PaperSize = 0;
    qint16 Portrait = 0;
    float Magnification = 0;
    qint16 PageNumbers = 0;
    qint16 ExpenseColumnsPerPage = 0;
    qint16 PageIndependency = 0;
    qint16 ColouredPrint = 0;
    qint16 BoldTitles = 0;
    qint16 VariableLetterSize = 0;
    qint16 Reserved20 = 0;
    float MarginLeft = 0;
    float MarginRight = 0;
    float MarginTop = 0;
    float MarginBottom = 0;
    qint16 Reserved40 = 0;
    qint16 Reserved42 = 0;
    qint16 Reserved44 = 0;
    qint16 Reserved46 = 0;
    qint16 Reserved48 = 0;
    qint16 ReceiptsOnPage = 0;
    qint16 Reserved52 = 0;
    std::array<float, 6> Widths{};
    std::array<float, 6> Heights{};
    friend bool operator==(const PrintSetting &, const PrintSetting &) = default;
};

using PrintSettingSlots = std::array<PrintSetting, PrintSlotCount>;

// The persistent data of one building: exactly what the data file stores
// (besides the access password and the preferred-font field). The live work
// and the staging copy that the readers fill are two values of this type.
// Each list's size is its count.
struct BuildingData
{
    std::array<FixedText<30>, CategoryCount> CategoryLabels;
    FixedText<50> BuildingId;
    float InitialCash = 0;
    float PreviousPeriodCharges = 0;
    std::array<float, CategoryCount> Reserves{};
    FixedText<512> InitialNote;
    std::vector<FlatRecord> Flats;
    std::vector<PersonRecord> Persons;
    std::vector<ProfessionalRecord> Professionals;
    std::vector<AdministratorPeriod> Administrators;
    std::vector<OccupancyPeriod> Owners;
    std::vector<OccupancyPeriod> Residents;
    std::vector<ExpenseRecord> Expenses;
    std::vector<PaymentRecord> Payments;
    // Per category, its columns in order; with no flats every category has none.
    std::array<std::vector<ShareColumn>, CategoryCount> ShareColumns;
    std::vector<IssueRecord> Issues; // kept sorted by PeriodTo, latest first
    PrintSettingSlots PrintSettings{};

    BuildingData();

    int FlatCount() const { return int(Flats.size()); }
    int PersonCount() const { return int(Persons.size()); }
    int ProfessionalCount() const { return int(Professionals.size()); }
    int AdministratorCount() const { return int(Administrators.size()); }
    int OwnerCount() const { return int(Owners.size()); }
    int ResidentCount() const { return int(Residents.size()); }
    int ExpenseCount() const { return int(Expenses.size()); }
    int PaymentCount() const { return int(Payments.size()); }
    int IssueCount() const { return int(Issues.size()); }
    int ShareColumnCount(int category) const { return int(ShareColumns[category].size()); }

    // The label as shown: trimmed.
    QString CategoryLabel(int category) const { return CategoryLabels[category].trimmed(); }

    friend bool operator==(const BuildingData &, const BuildingData &) = default;
};

} // namespace kelvarino
