#pragma once

#include "printing/printingcontext.h"

#include <QDialog>
#include <QTimer>

class QComboBox;
class QLabel;
class QMenu;
class QPushButton;

namespace kelvarino {

class ComparisonProgress;
class FontSample;

// "Επιλογή εκτυπωτή": the installed printers; for the one chosen, the fonts
// common to screen and printer and the screen-only ones, each with a sample.
// Makes the chosen printer the program printer (kept in the autoload file) or
// the system printer, and takes a common font as the preferred font.
class SelectPrinter : public QDialog
{
public:
    SelectPrinter(const PrintingContext &context, QWidget *parent = nullptr);
    ~SelectPrinter() override;

    // The first tick of the timer: the program printer (the first printer when
    // it is no longer installed) is chosen and compared.
    void firstTick();
    // A printer chosen in the list: its fonts are compared with the screen's.
    void choosePrinter(int index);
    void chooseCommonFont(int index);
    void chooseScreenFont(int index);
    void makeProgramPrinter();
    void makeSystemPrinter();
    void acceptFont();
    bool busy() const { return busy_; }

    QComboBox *printers() const { return cbProgramPrinter_; }
    QComboBox *commonFonts() const { return cbmatched_; }
    QComboBox *screenFonts() const { return cbscreen_; }
    QString labelText(const QString &name) const;
    QString sampleFont() const;

    // Closing: the help windows close; refused while busy; the system
    // printer becomes current again.
    void done(int result) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void compare();
    void setBusy(bool busy);

    PrintingContext context_;
    bool busy_ = false;
    QTimer timer_;
    QMenu *printersMenu_ = nullptr;
    QComboBox *cbProgramPrinter_ = nullptr;
    QComboBox *cbmatched_ = nullptr;
    QComboBox *cbscreen_ = nullptr;
    QLabel *lmatched_ = nullptr;
    QLabel *lscreen_ = nullptr;
    QLabel *lSystemPrinter_ = nullptr;
    QLabel *lPreferedFont_ = nullptr;
    QPushButton *acceptFont_ = nullptr;
    FontSample *picfonts_ = nullptr;
    ComparisonProgress *scalepic_ = nullptr;
    int programPrinterIndex_ = 0;
};

} // namespace kelvarino
