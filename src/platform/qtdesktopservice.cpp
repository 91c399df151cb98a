#include "platform/qtdesktopservice.h"

#include <QDesktopServices>

namespace kelvarino {

bool QtDesktopService::openUrl(const QUrl &url) { return QDesktopServices::openUrl(url); }

} // namespace kelvarino
