#pragma once

#include "platform/desktopservices.h"

namespace kelvarino {

// Opens files, mail addresses and web pages with the desktop's programs.
class QtDesktopService final : public DesktopService
{
public:
    bool openUrl(const QUrl &url) override;
};

} // namespace kelvarino
