#pragma once

#include "platform/desktopservices.h"

#include <QString>

namespace kelvarino {

// Clipboard text with every lone LF read as CR LF.
QString ClipboardLinesAsCrLf(const QString &text);

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
