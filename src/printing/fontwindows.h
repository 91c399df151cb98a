#pragma once

#include "printing/printingcontext.h"

#include <QDialog>
#include <QLabel>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

class QComboBox;

namespace kelvarino {

// The sample alphabet of the font windows: 67 Greek letters, each followed by
// one blank but the last.
QString SampleAlphabet();

// The screen fonts against the printer's, as the printer selection compares
// them: in the screen's order, each screen font is common when a printer font
// of exactly that name (whole, case-sensitive) is still unmatched (it is then
// used up), else screen-only. step runs once per screen font.
struct FontMatch
{
    QStringList common;
    QStringList screenOnly;
};
FontMatch MatchScreenFonts(const QStringList &screen, const QStringList &printer, const std::function<void()> &step);

// The font overview's direction: each printer font, in the given order, is
// common when an unmatched screen font has exactly its name (that screen font
// is then used up). step runs once per printer font.
QStringList MatchPrinterFonts(const QStringList &printer, const QStringList &screen, const std::function<void()> &step);

// Where a font name stands in a list of font names: at the name itself
// (whole, case-sensitive), else at the installed family that answers it
// ("Arial Greek" at Arial's family); -1 when at neither.
qsizetype FontEntryOf(const QStringList &list, const QString &name);

// The entries of a list control, in its order.
QStringList ItemsOf(const QComboBox &list);

// A list control's own order: alphabetical, letter case aside.
QStringList SortedLikeList(QStringList names);

// Rewrites the autoload parameter file (the current data file moved to the top
// of the recent files); a failure shows its message.
void WriteAutoloadFile(const PrintingContext &context);

// The main menu's font-overview caption for the preferred font.
QString FontsCaptionOf(const QString &preferredFont);
QString PrinterCaptionOf(const QString &programPrinter);

// The start-up's count of screen and printer fonts: sets PrintingPossible and
// the font-overview caption, with a message when either has none.
void CheckFontCounts(const PrintingContext &context);

// The printer selection, the font overview and the start-up font check: each
// does its work from the first tick of a 1 ms timer started when it first
// shows (so the work never runs before its window can be closed), and keeps a
// busy flag meanwhile. Closing closes the help windows, is refused while busy
// and makes the system printer current again.
//
// While busy the window repaints (its progress bar), but the user's clicks and
// keys wait until the work is done: none is handled half-way through it, and
// no second comparison starts inside the first.
class PrinterWindow : public QDialog
{
public:
    virtual void firstTick() = 0;
    bool busy() const { return busy_; }
    void done(int result) override;

protected:
    PrinterWindow(const PrintingContext &context, QWidget *parent);
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // For a window that closes itself when its work is done: closes now when
    // shown, else as soon as it shows (its work may have been run before).
    void closeWhenShown();
    // Busy: the busy parts are disabled. Done: they are enabled again and the
    // keyboard focus goes back to where it was (disabling took it away).
    void setBusy(bool busy);

    PrintingContext context_;
    bool busy_ = false;
    QTimer timer_;
    QList<QWidget *> busyParts_; // the controls that take no input while busy

private:
    QPointer<QWidget> focusBeforeBusy_;
    bool started_ = false;
    bool closeOnShow_ = false;
};

// picfonts: the sample alphabet in one font at 16 points, word-wrapped and
// centred; empty when no font is set.
class FontSample : public QWidget
{
public:
    explicit FontSample(QWidget *parent);
    void showFont(const QString &name);
    void clear() { showFont(QString()); }
    QString fontName() const { return font_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString font_;
};

// scalepic: the progress of a font comparison, a red bar from the left.
class ComparisonProgress : public QWidget
{
public:
    explicit ComparisonProgress(QWidget *parent);
    void start(int total);
    // One step: the bar grows and pending events run, but for the user's
    // input, which waits until the comparison is done.
    void step();
    double fraction() const { return total_ > 0 ? double(float(done_) / float(total_)) : 0; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int total_ = 0;
    int done_ = 0;
};

} // namespace kelvarino
