#pragma once

#include "printing/fontwindows.h"

class QComboBox;
class QLabel;
class QMenu;

namespace kelvarino {

// "Επισκόπηση Γραμματοσειρών (ASCII extended part)": every screen font, every
// font of the program printer and the fonts common to both, kept on one name,
// with a sample; a common font can be taken as the preferred font. The
// printer is not changed.
class fontsfrm : public PrinterWindow
{
public:
    fontsfrm(const PrintingContext &context, QWidget *parent = nullptr);
    ~fontsfrm() override;

    // The first tick of the timer: the lists are filled and compared.
    void firstTick() override;
    void clickScreen(int index);
    void clickPrinter(int index);
    void clickCommon(int index);
    void acceptFont();
    void showCurrent();

    QComboBox *screenList() const { return cbscreen_; }
    QComboBox *printerList() const { return cbprinter_; }
    QComboBox *commonList() const { return cbmatched_; }
    QString labelText(const QString &name) const;
    QString sampleFont() const;

private:
    static void selectFirst(QComboBox *list, const QString &name);

    bool listSync_ = false;
    QMenu *fontsMenu_ = nullptr;
    QComboBox *cbscreen_ = nullptr;
    QComboBox *cbprinter_ = nullptr;
    QComboBox *cbmatched_ = nullptr;
    QLabel *lscreen_ = nullptr;
    QLabel *lprinter_ = nullptr;
    QLabel *lmatched_ = nullptr;
    QLabel *lPrinterName_ = nullptr;
    QLabel *lCurrentFont_ = nullptr;
    FontSample *picfonts_ = nullptr;
    ComparisonProgress *scalepic_ = nullptr;
};

// "Προετοιμασία ...": the start-up font check. The program printer is made
// current, the fonts counted (CheckFontCounts) at the first tick, and the
// window closes itself with the system printer current again.
class FontCommonSearch : public PrinterWindow
{
public:
    FontCommonSearch(const PrintingContext &context, QWidget *parent = nullptr);
    void firstTick() override;
};

} // namespace kelvarino
