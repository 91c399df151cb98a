#include "shell/openexportedspreadsheet.h"

#include "core/formatting.h"
#include "platform/desktopopening.h"

#include <QDir>

namespace kelvarino {

void OpenExportedSpreadsheet(const Platform &platform, const QString &folder, const QString &base)
{
    const QDir dir(folder);
    QString chosen;
    bool found = false;
    if (dir.exists() && dir.isReadable()) {
        for (const QString &name : dir.entryList(QDir::Files, QDir::Unsorted)) {
            if (!name.contains(base))
                continue;
            const QString extension = FileExtension(name);
            if (extension.contains(QStringLiteral("xls")) && (!found || extension.size() > chosen.size())) {
                chosen = extension;
                found = true;
            }
        }
    }
    if (!found) {
        platform.messages->error(QStringLiteral("Ανάγνωση αρχείου EXCEL"),
                                 QStringLiteral("Δεν μπορέσαμε να ξεκινήσουμε το EXCEL. Κάντε το εσείς χειροκίνητα."));
        return;
    }
    OpenSavedFileOnDesktop(platform, folder + base + QLatin1Char('.') + chosen);
}

} // namespace kelvarino
