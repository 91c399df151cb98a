#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kelvarino {

// Writes a workbook whose first sheet holds texts cell by cell: row r, column c
// of the rows goes to the sheet's row r + 1, column c + 1. Empty texts leave
// their cell empty.
class SpreadsheetWriter
{
public:
    virtual ~SpreadsheetWriter() = default;
    // The extension (without the point) that writeWorkbook's files carry.
    virtual QString extension() const = 0;
    // True only once the whole file is written and closed.
    virtual bool writeWorkbook(const QString &path, const QList<QStringList> &rows) = 0;
};

// The workbook format of today's spreadsheet programs (".xlsx").
class XlsxSpreadsheetWriter final : public SpreadsheetWriter
{
public:
    QString extension() const override { return QStringLiteral("xlsx"); }
    bool writeWorkbook(const QString &path, const QList<QStringList> &rows) override;
};

} // namespace kelvarino
