#pragma once

#include "platform/desktopservices.h"

#include <QPointer>
#include <QWidget>

namespace kelvarino {

// The choice service of the running program: shows the choice dialog modally
// over the owner window.
class DialogChoiceService final : public ChoiceService
{
public:
    int ask(const ChoiceRequest &request) override;
    void setOwner(QWidget *owner) { owner_ = owner; }
    void setHelp(HelpService *help) { help_ = help; }

private:
    QPointer<QWidget> owner_;
    HelpService *help_ = nullptr;
};

} // namespace kelvarino
