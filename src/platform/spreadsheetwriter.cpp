#include "platform/spreadsheetwriter.h"

#include <QFile>
#include <QFileInfo>

#include <xlsxwriter.h>

namespace kelvarino {

bool XlsxSpreadsheetWriter::writeWorkbook(const QString &path, const QList<QStringList> &rows)
{
    const QByteArray fileName = QFile::encodeName(path);
    lxw_workbook *workbook = workbook_new(fileName.constData());
    if (!workbook)
        return false;
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, nullptr);
    bool ok = sheet != nullptr;
    for (int r = 0; ok && r < rows.size(); ++r) {
        const QStringList &row = rows.at(r);
        for (int c = 0; ok && c < row.size(); ++c) {
            if (row.at(c).isEmpty())
                continue;
            const QByteArray text = row.at(c).toUtf8();
            ok = worksheet_write_string(sheet, lxw_row_t(r), lxw_col_t(c), text.constData(), nullptr) == LXW_NO_ERROR;
        }
    }
    // Closing writes the file; it also frees the workbook when something failed.
    const bool closed = workbook_close(workbook) == LXW_NO_ERROR;
    if (!ok || !closed) {
        QFile::remove(path);
        return false;
    }
    return QFileInfo(path).isFile();
}

} // namespace kelvarino
