#pragma once

#include "platform/messageservice.h"

#include <QPointer>
#include <QWidget>

namespace kelvarino {

// The width a message box needs for a window manager's title bar to show its
// whole title: the title in the application's font and the bar's buttons.
int MessageBoxWidthForTitle(const QString &title);

// Message boxes as the desktop shows them, modal over the owner window, each
// at least as wide as its title (within the screen).
class QtMessageService final : public MessageService
{
public:
    MessageAnswer show(const MessageRequest &request) override;
    void setOwner(QWidget *owner) { owner_ = owner; }

private:
    QPointer<QWidget> owner_;
};

} // namespace kelvarino
