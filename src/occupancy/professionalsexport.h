#pragma once

#include "core/appstate.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <optional>

namespace kelvarino {

// The professionals' directory as its two exports write it: nine columns
// (number, activity, name, address, phone, mobile, e-mail, web, notes) in the
// order of the list.

// "prnProfessionals_" + the data file's name without its extension, or "prnProfessionals_new".
std::optional<QString> ProfessionalsExportBaseName(const AppState &state);
// The text file: title, building, an empty line, the headings and one line per
// professional, each of the last 1838 characters, in the Greek code page with CR LF.
QByteArray ProfessionalsTextFile(const BuildingData &building);
// The workbook's cells: title, building, two empty rows, headings, one row per professional.
QList<QStringList> ProfessionalsMatrix(const BuildingData &building);

} // namespace kelvarino
