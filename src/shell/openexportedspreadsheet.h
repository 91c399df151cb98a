#pragma once

#include "platform/platform.h"

#include <QString>

namespace kelvarino {

// Opens a workbook just exported under `base` in `folder` (ending with its
// separator) with the desktop's program. The file's extension is found among
// the folder's files whose names contain the base: the longest extension that
// contains "xls". When there is none, or the folder cannot be listed, the user
// is told to open it by hand.
void OpenExportedSpreadsheet(const Platform &platform, const QString &folder, const QString &base);

} // namespace kelvarino
