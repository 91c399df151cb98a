#pragma once

// Small buildings for the period computations' tests, built in code.

#include "core/buildingdata.h"

#include <QDate>
#include <QString>
#include <QtTest>

#include <bit>
#include <cstdint>
#include <initializer_list>

namespace kelvarino::testing {

// The day number of a calendar date.
double Day(int year, int month, int day);

// Flats F1..Fn, every category with one open column of zeros.
class PeriodBuilding
{
public:
    explicit PeriodBuilding(int flatCount);

    BuildingData data;

    // Per-mille and reductions of one column of a category.
    void perMille(int category, int column, std::initializer_list<float> values);
    void residentReduction(int category, int column, std::initializer_list<float> values);
    void ownerReduction(int category, int column, std::initializer_list<float> values);
    // Adds a column of zeros ending on the date at the end of the category's list
    // (the tests order the columns themselves) and answers its index.
    int addColumn(int category, double endDate);

    int common(double date, int category, float amount, bool owner = false, bool unpaid = false);
    int charge(double date, int flat, float amount, bool owner = false, bool unpaid = false);
    int payment(double date, int flat, float ownerAmount, float residentAmount);
    int issue(double from, double to, double issueDate);
    int person(const QString &name, bool female = false);
    void owner(int flat, int person, double from = NotSetDate, double to = NotSetDate);
    void resident(int flat, int person, double from = NotSetDate, double to = NotSetDate);
};

// The category's label as stored: 30 characters with its padding blanks.
QString StoredLabel(const QString &label);

} // namespace kelvarino::testing

// Compares two floats bit for bit (QCOMPARE on floats is fuzzy).
#define KV_COMPARE_FLOAT(actual, expected)                                                                         \
    do {                                                                                                           \
        const float kvActual_ = (actual);                                                                          \
        const float kvExpected_ = (expected);                                                                      \
        QVERIFY2(std::bit_cast<std::uint32_t>(kvActual_) == std::bit_cast<std::uint32_t>(kvExpected_),            \
                 qPrintable(QStringLiteral("%1 is %2, expected %3")                                                \
                                .arg(QStringLiteral(#actual))                                                      \
                                .arg(double(kvActual_), 0, 'g', 12)                                                \
                                .arg(double(kvExpected_), 0, 'g', 12)));                                           \
    } while (false)
