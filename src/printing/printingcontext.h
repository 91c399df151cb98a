#pragma once

#include "core/appstate.h"
#include "platform/platform.h"

#include <QList>
#include <QString>

#include <functional>

class QWidget;

namespace kelvarino {

// The main window's two printer captions, which the printer selection, the
// start-up font check and the font overview rewrite. Without a main window
// (tests, tools) they go nowhere.
class PrinterMenuCaptions
{
public:
    virtual ~PrinterMenuCaptions() = default;
    virtual void setFontsCaption(const QString &) {}
    virtual void setPrinterCaption(const QString &) {}
    // The autoload parameter file was rewritten (its recent files may have
    // moved).
    virtual void recentFilesChanged() {}
};

// The answers of the print-parameters dialog.
struct PrintChoice
{
    bool confirmed = false;
    int copies = 1;
    bool allPages = false;
};

// The modal dialogs of the report windows. The program shows the real ones
// (QtPrintingDialogs); tests script them (ScriptedPrintingDialogs).
class PrintingDialogs
{
public:
    virtual ~PrintingDialogs() = default;
    // The print-parameters dialog for a page grid: on confirmation the program
    // printer is current. Keeps the pages choice in the state.
    virtual PrintChoice askPrintParameters(int pageRows, int pageColumns) = 0;
    // The page setup of a slot; true when confirmed (the slot written,
    // DataChanged set).
    virtual bool pageSetup(int slot) = 0;
    // The real-magnification dialog of a slot; true when confirmed.
    virtual bool realMagnification(int slot) = 0;
    // The expense-columns dialog of a slot; true when confirmed.
    virtual bool expenseColumns(int slot) = 0;
    // The font overview; the preferred font may change.
    virtual void fontOverview() = 0;
};

// Everything the printing windows are handed: the shared state, the platform,
// the dialogs (null: the real ones) and the main window's captions (null:
// none, as in tests and tools).
struct PrintingContext
{
    AppState &state;
    Platform platform;
    PrintingDialogs *dialogs = nullptr;
    PrinterMenuCaptions *captions = nullptr;
    QWidget *owner = nullptr;
};

// A test double of the dialogs: answers from scripts and records what was
// asked. A confirmed print choice makes the program printer current, as the
// real dialog does; a scripted settings change is applied to the slot.
class ScriptedPrintingDialogs final : public PrintingDialogs
{
public:
    explicit ScriptedPrintingDialogs(AppState &state, Platform platform) : state_(state), platform_(platform) {}

    PrintChoice askPrintParameters(int pageRows, int pageColumns) override
    {
        asked.append({pageRows, pageColumns});
        PrintChoice choice = printChoices.isEmpty() ? PrintChoice{} : printChoices.takeFirst();
        if (choice.confirmed) {
            state_.PrintAllPages = choice.allPages;
            if (platform_.printers && platform_.printers->currentPrinterName() != state_.ProgramPrinter)
                platform_.printers->setCurrentPrinter(state_.ProgramPrinter);
        }
        return choice;
    }
    bool pageSetup(int slot) override { return settingsAnswer(slot); }
    bool realMagnification(int slot) override { return settingsAnswer(slot); }
    bool expenseColumns(int slot) override { return settingsAnswer(slot); }
    void fontOverview() override
    {
        ++fontOverviews;
        if (!fontAnswers.isEmpty())
            state_.PreferredFont = fontAnswers.takeFirst();
    }

    struct Grid
    {
        int rows, columns;
    };
    QList<PrintChoice> printChoices;
    QList<Grid> asked;
    // Each settings dialog takes the next change (applied, then confirmed);
    // with none left it is cancelled.
    QList<std::function<void(PrintSetting &)>> settingsChanges;
    QList<int> settingsSlots;
    QStringList fontAnswers;
    int fontOverviews = 0;

private:
    bool settingsAnswer(int slot)
    {
        settingsSlots.append(slot);
        if (settingsChanges.isEmpty())
            return false;
        settingsChanges.takeFirst()(state_.Building.PrintSettings[slot]);
        state_.DataChanged = true;
        return true;
    }

    AppState &state_;
    Platform platform_;
};

} // namespace kelvarino
