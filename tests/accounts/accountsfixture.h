#pragma once

#include "registerfixture.h"

#include "platform/localeservice.h"

#include "modalwindow.h"

#include <QApplication>
#include <QScreen>
#include <QtTest>

#include <functional>

namespace kelvarino {

inline double Day(int d, int m, int y)
{
    return LocaleService::dayNumber(QDate(y, m, d));
}

// A work with the given number of flats ("Δ1", "Δ2", ...) and persons, each
// category with one open column of zeros.
inline void AddFlatsAndPersons(AppState &state, int flats, int persons = 0)
{
    BuildingData &b = state.Building;
    for (int i = 0; i < flats; ++i)
        b.Flats.push_back(MakeFlat(QStringLiteral("Δ%1").arg(i + 1), QStringLiteral("Όροφος %1").arg(i)));
    for (int i = 0; i < persons; ++i)
        b.Persons.push_back(MakePerson(QStringLiteral("Πρόσωπο %1").arg(i + 1)));
    for (auto &columns : b.ShareColumns)
        columns.assign(1, ShareColumn::zeros(flats));
}

// Types into a box that gets the focus first, as the user does.
inline void TypeIntoBox(QWidget *box, const QString &text)
{
    box->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(box))
        edit->selectAll();
    TypeInto(box, text);
}

// Whether a shown dialog stands in the middle of the screen.
inline bool CentredOnScreen(const QWidget *dialog)
{
    const QPoint offset = dialog->frameGeometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
    return offset.manhattanLength() <= 8; // the window frame's few pixels
}

// Leaves the focused box for another one.
inline void Leave(QWidget *next)
{
    next->setFocus(Qt::TabFocusReason);
}

} // namespace kelvarino
