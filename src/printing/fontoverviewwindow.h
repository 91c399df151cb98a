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
class FontOverviewWindow : public PrinterWindow
{
public:
    FontOverviewWindow(const PrintingContext &context, QWidget *parent = nullptr);
    ~FontOverviewWindow() override;

    // The first tick of the timer: the lists are filled and compared.
    void firstTick() override;
    void clickScreen(int index);
    void clickPrinter(int index);
    void clickCommon(int index);
    void acceptFont();
    void showCurrent();

    QComboBox *screenList() const { return screenFonts_; }
    QComboBox *printerList() const { return printerFonts_; }
    QComboBox *commonList() const { return commonFonts_; }
    QString labelText(const QString &name) const;
    QString sampleFont() const;

private:
    static void selectFirst(QComboBox *list, const QString &name);

    bool listSync_ = false;
    QMenu *fontsMenu_ = nullptr;
    QComboBox *screenFonts_ = nullptr;
    QComboBox *printerFonts_ = nullptr;
    QComboBox *commonFonts_ = nullptr;
    QLabel *screenLabel_ = nullptr;
    QLabel *printerLabel_ = nullptr;
    QLabel *commonLabel_ = nullptr;
    QLabel *printerNameLabel_ = nullptr;
    QLabel *currentFontLabel_ = nullptr;
    FontSample *fontSample_ = nullptr;
    ComparisonProgress *searchProgress_ = nullptr;
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
