#pragma once

#include "shell/appcontext.h"

#include <QLineEdit>
#include <QString>
#include <QWidget>

namespace kelvarino {

// The main window's services as the register windows see them, recording what
// they were asked.
class FakeShell final : public ShellServices
{
public:
    bool saveDataFile(QWidget *) override
    {
        ++saves;
        return true;
    }
    bool saveDataFileAs(QWidget *) override
    {
        ++savesAs;
        return true;
    }
    void updateMenuCounts() override { ++menuUpdates; }
    int clientHeightTwips() const override { return clientHeight; }
    void refreshOtherWindows(QWidget *) override { ++refreshes; }

    int saves = 0;
    int savesAs = 0;
    int menuUpdates = 0;
    int refreshes = 0;
    int clientHeight = 9000;
};

// A work, the platform doubles and a shell for one test.
struct RegisterFixture
{
    AppState state;
    TestPlatform platform;
    FakeShell shell;
    AppContext context{state, platform.platform(), &shell};
};

FlatRecord MakeFlat(const QString &name, const QString &description = QString());
PersonRecord MakePerson(const QString &name);

// Shows the window and makes it the active one, so that focus changes reach its boxes.
void ShowActive(QWidget *window);
// Types text into the focused box, one key at a time (Greek included).
void TypeInto(QWidget *box, const QString &text);
// Puts the text in at the caret in one edit, as a paste does.
void PasteInto(QWidget *box, const QString &text);
// Gives the box the focus (its focus-in rules run).
void FocusBox(QWidget *box);
// Empties the box as the user would: select all, then Backspace.
void ClearBox(QLineEdit *box);
// The shared strings of a workbook, read back with the system's unzip (empty
// when it cannot be read).
QString WorkbookStrings(const QString &path);

} // namespace kelvarino
