#pragma once

#include "core/buildingdata.h"
#include "core/periodbalances.h"
#include "printouts/flattable.h"
#include "printouts/tablemessages.h"
#include "printouts/tablepaging.h"

#include <QString>

namespace kelvarino {

// The cash statement of an issue: per flat its previous balance, individual
// charges, shares of the common expenses, payments and new balance, each by
// side, with the totals, the cash and the reserves.
namespace CashStatement {

inline constexpr int GroupCount = 5;

// A group's title (one or two lines) and its number of sub-columns.
struct Group
{
    QString title1;
    QString title2; // empty for a one-line title
    int subColumns = 3;
};
const Group &GroupOf(int group);
int ColumnSubCount(int group);
// "Ένοικος", "Ιδιοκτήτης", "Και οι δύο".
QString SubColumnTitle(int sub);

float FlatValue(const FlatBalance &balance, int group, int sub);
float TotalValue(const PeriodBalances &period, int group, int sub);
// A flat's cell is blank only when the value is exactly 0; a total always
// shows its two decimals.
QString FlatText(float value);
QString TotalText(float value);

// The header texts.
QString BuildingLine(const BuildingData &building);
QString CashStartLine(const PeriodBalances &period);
QString CashEndLine(const PeriodBalances &period);
QString ReservesText(const PeriodBalances &period);
QString PeriodLine(const IssueRecord &issue);
QString IssueDateLine(const IssueRecord &issue);

// The table's measures for the paging, from the slot's sizes.
TableMeasures Measures(const FlatTableSamples &samples, const PrintSetting &slot, int flatCount);

TableProblem LayoutProblem(int code);

} // namespace CashStatement
} // namespace kelvarino
