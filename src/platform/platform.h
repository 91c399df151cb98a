#pragma once

#include "platform/clock.h"
#include "platform/desktopservices.h"
#include "platform/messageservice.h"
#include "platform/printerservice.h"

namespace kelvarino {

// The program's only door to the desktop: every window is handed this set of
// services. The program fills it with the Qt implementations; tests fill it
// with the recording doubles (see TestPlatform).
struct Platform
{
    MessageService *messages = nullptr;
    ChoiceService *choices = nullptr;
    ClipboardService *clipboard = nullptr;
    DesktopService *desktop = nullptr;
    FileDialogService *fileDialogs = nullptr;
    HelpService *help = nullptr;
    const Clock *clock = nullptr;
    PrinterService *printers = nullptr;
};

// Every service as a test double, wired into one Platform.
struct TestPlatform
{
    RecordingMessageService messages;
    ScriptedChoiceService choices;
    MemoryClipboard clipboard;
    RecordingDesktopService desktop;
    ScriptedFileDialogs fileDialogs;
    RecordingHelpService help;
    FixedClock clock{QDateTime(QDate(2026, 1, 15), QTime(10, 30, 0))};
    FixedPrinterService printers;

    Platform platform()
    {
        return Platform{&messages, &choices, &clipboard, &desktop, &fileDialogs, &help, &clock, &printers};
    }
};

} // namespace kelvarino
