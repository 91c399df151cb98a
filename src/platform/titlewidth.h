#pragma once

#include <QMessageBox>
#include <QObject>

#include <optional>

class QWidget;

namespace kelvarino {

// Every dialog and message box of the program is at least as wide as its
// title needs in a window manager's title bar (within the screen). The rule
// is WindowWidthForTitle; WidenToTitle applies it to a shown window. Message
// boxes size themselves when they show and at every layout change, so
// TitledMessageBox widens after each of those; every other dialog is widened
// by DialogTitleWidths, which the desktop's platform installs on the
// application once.

// The width a window needs for a window manager's title bar to show its whole
// title: the title in the bold face title bars commonly use, and the bar's
// icon and buttons.
int WindowWidthForTitle(const QString &title);

// Widens the top-level window to its title's width, never beyond the screen.
// With a centre, the window keeps it as closely as the screen allows; without
// one its placement is left to the toolkit (a dialog about to show is centred
// on its owner at its new width).
void WidenToTitle(QWidget &window, std::optional<int> centreX);

// A message box as wide as its title.
class TitledMessageBox final : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    void widen();

    std::optional<int> centreX_;
};

// Widens every dialog other than a message box to its title as it shows and
// when its title changes.
class DialogTitleWidths final : public QObject
{
public:
    // Watches the application's dialogs while it lives.
    DialogTitleWidths();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace kelvarino
