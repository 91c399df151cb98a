#include "support_periodbuilding.h"

namespace kelvarino::testing {

double Day(int year, int month, int day)
{
    return double(QDate(1899, 12, 30).daysTo(QDate(year, month, day)));
}

PeriodBuilding::PeriodBuilding(int flatCount)
{
    for (int f = 0; f < flatCount; ++f) {
        FlatRecord flat;
        flat.ShortName.set(QStringLiteral("F%1").arg(f + 1));
        data.Flats.push_back(flat);
    }
    for (auto &columns : data.ShareColumns)
        columns.push_back(ShareColumn::zeros(flatCount));
}

void PeriodBuilding::perMille(int category, int column, std::initializer_list<float> values)
{
    data.ShareColumns[std::size_t(category)][std::size_t(column)].PerMille.assign(values);
}

void PeriodBuilding::residentReduction(int category, int column, std::initializer_list<float> values)
{
    data.ShareColumns[std::size_t(category)][std::size_t(column)].ResidentReduction.assign(values);
}

void PeriodBuilding::ownerReduction(int category, int column, std::initializer_list<float> values)
{
    data.ShareColumns[std::size_t(category)][std::size_t(column)].OwnerReduction.assign(values);
}

int PeriodBuilding::addColumn(int category, double endDate)
{
    auto &columns = data.ShareColumns[std::size_t(category)];
    columns.push_back(ShareColumn::zeros(data.FlatCount(), endDate));
    return int(columns.size()) - 1;
}

int PeriodBuilding::common(double date, int category, float amount, bool owner, bool unpaid)
{
    ExpenseRecord e;
    e.Date = date;
    e.Category = qint16(category);
    e.ChargedToOwner = owner ? True16 : False16;
    e.AllFlats = True16;
    e.Flat = -1;
    e.Amount = amount;
    e.NotPaidYet = unpaid ? True16 : False16;
    data.Expenses.push_back(e);
    return data.ExpenseCount() - 1;
}

int PeriodBuilding::charge(double date, int flat, float amount, bool owner, bool unpaid)
{
    ExpenseRecord e;
    e.Date = date;
    e.ChargedToOwner = owner ? True16 : False16;
    e.AllFlats = False16;
    e.Flat = qint16(flat);
    e.Amount = amount;
    e.NotPaidYet = unpaid ? True16 : False16;
    data.Expenses.push_back(e);
    return data.ExpenseCount() - 1;
}

int PeriodBuilding::payment(double date, int flat, float ownerAmount, float residentAmount)
{
    PaymentRecord p;
    p.Date = date;
    p.Flat = qint16(flat);
    p.OwnerAmount = ownerAmount;
    p.ResidentAmount = residentAmount;
    data.Payments.push_back(p);
    return data.PaymentCount() - 1;
}

int PeriodBuilding::issue(double from, double to, double issueDate)
{
    IssueRecord i;
    i.PeriodFrom = from;
    i.PeriodTo = to;
    i.IssueDate = issueDate;
    data.Issues.push_back(i);
    return data.IssueCount() - 1;
}

int PeriodBuilding::person(const QString &name, bool female)
{
    PersonRecord p;
    p.Name.set(name);
    p.Female = female ? 1 : 0;
    data.Persons.push_back(p);
    return data.PersonCount() - 1;
}

void PeriodBuilding::owner(int flat, int person, double from, double to)
{
    data.Owners.push_back({qint16(person), qint16(flat), from, to});
}

void PeriodBuilding::resident(int flat, int person, double from, double to)
{
    data.Residents.push_back({qint16(person), qint16(flat), from, to});
}

QString StoredLabel(const QString &label)
{
    return label.leftJustified(30, QLatin1Char(' '));
}

} // namespace kelvarino::testing
