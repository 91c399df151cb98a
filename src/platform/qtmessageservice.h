#pragma once

#include "platform/messageservice.h"

#include <QPointer>
#include <QWidget>

namespace kelvarino {

// Message boxes as the desktop shows them, modal over the owner window, each
// at least as wide as its title (within the screen): see titlewidth.h.
class QtMessageService final : public MessageService
{
public:
    MessageAnswer show(const MessageRequest &request) override;
    void setOwner(QWidget *owner) { owner_ = owner; }

private:
    QPointer<QWidget> owner_;
};

} // namespace kelvarino
