#pragma once

#include "platform/platform.h"
#include "platform/qtclipboardservice.h"
#include "platform/qtdesktopservice.h"
#include "platform/qtfiledialogservice.h"
#include "platform/qthelpservice.h"
#include "platform/qtmessageservice.h"
#include "platform/qtprinterservice.h"
#include "platform/titlewidth.h"

namespace kelvarino {

// The desktop's services, wired into one Platform. The choice dialog is the
// shell's own window, so its service is handed in. While it lives, every
// dialog is as wide as its title.
class QtPlatform
{
public:
    explicit QtPlatform(const QString &helpFolder) : help_(helpFolder) {}

    // The window over which message boxes, dialogs and help stand.
    void setOwner(QWidget *owner)
    {
        messages_.setOwner(owner);
        fileDialogs_.setOwner(owner);
        help_.setOwner(owner);
    }

    // Work the start-up will need, begun on other threads while the splash shows.
    void prepare() { printers_.prepare(); }

    Platform platform(ChoiceService *choices)
    {
        return Platform{&messages_, choices, &clipboard_, &desktop_, &fileDialogs_, &help_, &clock_, &printers_};
    }

private:
    DialogTitleWidths titleWidths_;
    QtMessageService messages_;
    QtClipboardService clipboard_;
    QtDesktopService desktop_;
    QtFileDialogService fileDialogs_;
    QtHelpService help_;
    SystemClock clock_;
    QtPrinterService printers_;
};

} // namespace kelvarino
