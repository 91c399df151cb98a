#pragma once

#include "core/appstate.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QStringList>

#include <optional>

namespace kelvarino {

// What the exports of the contact lists share: the file's base name and
// folder, the workbook's stamp and the fixed-width lines of the text file.

// prefix + the data file's name without its last four characters, or prefix +
// "new" for a work never saved; nothing when the name is too short to lose its
// extension.
std::optional<QString> ExportBaseName(const AppState &state, const QString &prefix);
// One fixed-width line: each text left-aligned, padded and cut to its width.
// A line break or tab inside a field would break the columns: it becomes a blank.
QString FixedWidthLine(const QStringList &texts, const QList<int> &widths);
// The lines in the Greek code page, each ending with CR LF.
QByteArray TextFileBytes(const QStringList &lines);

// The persons' contact list as the two exports write it: six columns (number,
// name with salutation, address, phone, mobile, e-mail).

// "prnPersons_" + the data file's name without its extension, or "prnPersons_new".
std::optional<QString> PersonsExportBaseName(const AppState &state);
// The data file's folder, or the program folder for a work never saved (the
// user's documents folder when that one cannot be written); ends with '/'.
QString ExportFolder(const AppState &state);
// The number that tells workbooks apart: year + month + day + hour + minute + second.
QString WorkbookStamp(const QDateTime &moment);

// The text file: title, building, an empty line, the headings and one line per
// person in fixed-width columns, in the Greek code page with CR LF.
QByteArray PersonsTextFile(const BuildingData &building);
// The workbook's cells: title, building, two empty rows, headings, one row per person.
QList<QStringList> PersonsMatrix(const BuildingData &building);

} // namespace kelvarino
