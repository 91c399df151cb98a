#pragma once

#include "printing/fontwindows.h"

class QComboBox;
class QLabel;
class QMenu;
class QPushButton;

namespace kelvarino {

// "Επιλογή εκτυπωτή": the installed printers; for the one chosen, the fonts
// common to screen and printer and the screen-only ones, each with a sample.
// Makes the chosen printer the program printer (kept in the autoload file) or
// the system printer, and takes a common font as the preferred font.
class SelectPrinter : public PrinterWindow
{
public:
    SelectPrinter(const PrintingContext &context, QWidget *parent = nullptr);
    ~SelectPrinter() override;

    // The first tick of the timer: the print system's printers are listed
    // (with a word when it does not answer), and the program printer (the
    // first printer when it is not in the list) is chosen and compared.
    void firstTick() override;
    // A printer chosen in the list: its fonts are compared with the screen's.
    void choosePrinter(int index);
    void chooseCommonFont(int index);
    void chooseScreenFont(int index);
    void makeProgramPrinter();
    void makeSystemPrinter();
    void acceptFont();

    QComboBox *printers() const { return printerList_; }
    QComboBox *commonFonts() const { return commonFontList_; }
    QComboBox *screenFonts() const { return screenFontList_; }
    QString labelText(const QString &name) const;
    QString sampleFont() const;

private:
    void showPrinters(const PrinterList &installed);
    void compare();

    QMenu *printersMenu_ = nullptr;
    QComboBox *printerList_ = nullptr;
    QComboBox *commonFontList_ = nullptr;
    QComboBox *screenFontList_ = nullptr;
    QLabel *commonFontsLabel_ = nullptr;
    QLabel *screenFontsLabel_ = nullptr;
    QLabel *systemPrinterLabel_ = nullptr;
    QLabel *preferredFontLabel_ = nullptr;
    QLabel *printSystemMessage_ = nullptr; // the print system's silence, when it is silent
    QPushButton *acceptFont_ = nullptr;
    FontSample *picfonts_ = nullptr;
    ComparisonProgress *scalepic_ = nullptr;
    int programPrinterIndex_ = 0;
};

} // namespace kelvarino
