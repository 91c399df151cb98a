#pragma once

#include "platform/desktopservices.h"

namespace kelvarino {

// The desktop's clipboard (text only).
class QtClipboardService final : public ClipboardService
{
public:
    bool hasText() const override;
    QString text() const override;
    void setText(const QString &text) override;
    void clear() override;
};

} // namespace kelvarino
