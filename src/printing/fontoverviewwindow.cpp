#include "printing/fontoverviewwindow.h"
#include "platform/waitcursor.h"

#include "printing/fontwindows.h"
#include "printing/previewwidgets.h"
#include "printing/printjob.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvarino {

FontOverviewWindow::FontOverviewWindow(const PrintingContext &context, QWidget *parent)
    : PrinterWindow(context, parent)
{
    setWindowTitle(QStringLiteral("Επισκόπηση Γραμματοσειρών (ASCII extended part)"));

    auto *bar = new QMenuBar(this);
    fontsMenu_ = bar->addMenu(QStringLiteral("Γραμματοσειρές"));
    connect(fontsMenu_->addAction(QStringLiteral("Αποδοχή της επιλεγμένης κοινής ως προτιμώμενης")), &QAction::triggered,
            this, [this] { acceptFont(); });
    connect(fontsMenu_->addAction(QStringLiteral("Επισκόπηση της προτιμώμενης")), &QAction::triggered, this,
            [this] { showCurrent(); });
    fontsMenu_->addSeparator();
    connect(fontsMenu_->addAction(QStringLiteral("Έξοδος")), &QAction::triggered, this, [this] {
        if (!busy_)
            close();
    });
    QAction *help = bar->addAction(QStringLiteral("Βοήθεια"));
    help->setShortcut(Qt::Key_F1);
    connect(help, &QAction::triggered, this, [this] { context_.platform.help->showTopic(5010); });

    screenFonts_ = new QComboBox(this);
    printerFonts_ = new QComboBox(this);
    commonFonts_ = new QComboBox(this);
    for (QComboBox *list : {screenFonts_, printerFonts_, commonFonts_})
        list->setMaxVisibleItems(20);
    screenLabel_ = new QLabel(QStringLiteral("Γραμματοσειρές Οθόνης"), this);
    printerLabel_ = new QLabel(QStringLiteral("Γραμματοσειρές Εκτυπωτή"), this);
    commonLabel_ = new QLabel(QStringLiteral("Κοινές Γραμματοσειρές"), this);
    printerNameLabel_ = new QLabel(this);
    screenLabel_->setObjectName(QStringLiteral("lscreen"));
    printerLabel_->setObjectName(QStringLiteral("lprinter"));
    commonLabel_->setObjectName(QStringLiteral("lmatched"));
    printerNameLabel_->setObjectName(QStringLiteral("lPrinterName"));
    auto *current = new ClickLabel(QStringLiteral("Προτιμώμενη Γραμματοσειρά: ") + context_.state.PreferredFont, this);
    current->setCursor(Qt::PointingHandCursor);
    current->onClick = [this] {
        if (!busy_)
            showCurrent();
    };
    current->setObjectName(QStringLiteral("lCurrentFont"));
    currentFontLabel_ = current;
    fontSample_ = new FontSample(this);
    fontSample_->setMinimumSize(660, 200);
    searchProgress_ = new ComparisonProgress(fontSample_);
    auto *accept = new QPushButton(QStringLiteral("Ορισμός"), this);
    connect(accept, &QPushButton::clicked, this, [this] { acceptFont(); });

    connect(screenFonts_, &QComboBox::activated, this, [this](int index) { clickScreen(index); });
    connect(printerFonts_, &QComboBox::activated, this, [this](int index) { clickPrinter(index); });
    connect(commonFonts_, &QComboBox::activated, this, [this](int index) { clickCommon(index); });

    auto *grid = new QGridLayout;
    grid->addWidget(printerNameLabel_, 0, 0, 1, 3);
    grid->addWidget(screenLabel_, 1, 0);
    grid->addWidget(printerLabel_, 1, 1);
    grid->addWidget(commonLabel_, 1, 2);
    grid->addWidget(screenFonts_, 2, 0);
    grid->addWidget(printerFonts_, 2, 1);
    grid->addWidget(commonFonts_, 2, 2);
    grid->addWidget(currentFontLabel_, 3, 0, 1, 2);
    grid->addWidget(accept, 3, 2);
    grid->addWidget(new QLabel(QStringLiteral("16 pt"), this), 4, 0);
    grid->addWidget(fontSample_, 5, 0, 1, 3);
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addLayout(grid);
    busyParts_ = {fontsMenu_};
}

FontOverviewWindow::~FontOverviewWindow() = default;

void FontOverviewWindow::firstTick()
{
    timer_.stop();
    if (busy_)
        return;
    setBusy(true);
    const WaitCursor hourglass;
    const AppState &state = context_.state;
    PrinterService &printers = *context_.platform.printers;
    // A program printer that is not installed (any more) counts as none; one
    // of a print system that does not answer is not known to be there.
    const PrinterList list = printers.listPrinters();
    const bool installed = !state.ProgramPrinter.isEmpty() && list.names.contains(state.ProgramPrinter);
    QStringList printerFonts;
    if (installed) {
        printerNameLabel_->setText(QStringLiteral("Εκτυπωτής: ") + state.ProgramPrinter);
        printers.setCurrentPrinter(state.ProgramPrinter);
        printerFonts = printers.printerFonts();
    } else {
        printerNameLabel_->setText(list.answered ? QStringLiteral("Δεν υπάρχει εκτυπωτής") : PrintSystemSilentText());
    }
    currentFontLabel_->setText(QStringLiteral("Προτιμώμενη Γραμματοσειρά: ") + state.PreferredFont);
    const QStringList screen = printers.screenFonts();
    searchProgress_->setGeometry(fontSample_->width() / 4, fontSample_->height() / 2 - 8, fontSample_->width() / 2, 16);
    searchProgress_->start(int(2 * printerFonts.size() + screen.size()));
    screenLabel_->setText(QStringLiteral("%1 Γραμματοσειρές Οθόνης").arg(screen.size()));
    screenFonts_->clear();
    for (const QString &name : SortedLikeList(screen)) {
        screenFonts_->addItem(name);
        searchProgress_->step();
    }
    printerLabel_->setText(QStringLiteral("%1 Γραμματοσειρές Εκτυπωτή").arg(printerFonts.size()));
    printerFonts_->clear();
    const QStringList sortedPrinter = SortedLikeList(printerFonts);
    for (const QString &name : sortedPrinter) {
        printerFonts_->addItem(name);
        searchProgress_->step();
    }
    const QStringList common = MatchPrinterFonts(sortedPrinter, screen, [this] { searchProgress_->step(); });
    commonFonts_->clear();
    const QStringList sortedCommon = SortedLikeList(common);
    commonFonts_->addItems(sortedCommon);
    for (QComboBox *list : {screenFonts_, printerFonts_, commonFonts_})
        list->setCurrentIndex(-1);
    searchProgress_->hide();
    commonLabel_->setText(QStringLiteral("%1 Κοινές Γραμματοσειρές").arg(common.size()));
    listSync_ = true;
    const qsizetype preferred = FontEntryOf(sortedCommon, state.PreferredFont);
    if (preferred >= 0)
        clickCommon(int(preferred));
    setBusy(false);
}

void FontOverviewWindow::selectFirst(QComboBox *list, const QString &name)
{
    list->setCurrentIndex(list->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void FontOverviewWindow::clickScreen(int index)
{
    fontSample_->clear();
    if (index >= 0)
        screenFonts_->setCurrentIndex(index);
    if (!listSync_ || screenFonts_->currentIndex() < 0)
        return;
    const QString name = screenFonts_->currentText();
    fontSample_->showFont(name);
    listSync_ = false;
    selectFirst(printerFonts_, name);
    selectFirst(commonFonts_, name);
    listSync_ = true;
}

void FontOverviewWindow::clickPrinter(int index)
{
    if (index >= 0)
        printerFonts_->setCurrentIndex(index);
    if (!listSync_ || printerFonts_->currentIndex() < 0)
        return;
    const int screen = screenFonts_->findText(printerFonts_->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (screen >= 0) {
        clickScreen(screen);
    } else {
        // A font of the printer only: no sample.
        fontSample_->clear();
        screenFonts_->setCurrentIndex(-1);
        commonFonts_->setCurrentIndex(-1);
    }
}

void FontOverviewWindow::clickCommon(int index)
{
    if (index >= 0)
        commonFonts_->setCurrentIndex(index);
    if (!listSync_ || commonFonts_->currentIndex() < 0)
        return;
    const QString name = commonFonts_->currentText();
    listSync_ = false;
    selectFirst(printerFonts_, name);
    listSync_ = true;
    const int screen = screenFonts_->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (screen >= 0)
        clickScreen(screen);
}

void FontOverviewWindow::acceptFont()
{
    if (busy_ || commonFonts_->currentIndex() < 0)
        return;
    AppState &state = context_.state;
    state.PreferredFont = commonFonts_->currentText();
    currentFontLabel_->setText(QStringLiteral("Προτιμώμενη Γραμματοσειρά: ") + state.PreferredFont);
    if (context_.captions)
        context_.captions->setFontsCaption(FontsCaptionOf(state.PreferredFont));
    state.PrintingPossible = true;
    WriteAutoloadFile(context_);
    context_.platform.messages->information(QStringLiteral("Εκτυπώσεις"),
                                            QStringLiteral("Προτιμώμενη γραμματοσειρά: ") + state.PreferredFont
                                                + QStringLiteral("\nΠροτιμώμενος εκτυπωτής: ") + state.ProgramPrinter
                                                + QStringLiteral("\nΜπορείτε να εκτυπώσετε."));
}

void FontOverviewWindow::showCurrent()
{
    const qsizetype found = FontEntryOf(ItemsOf(*commonFonts_), context_.state.PreferredFont);
    if (found < 0 || found == commonFonts_->currentIndex())
        return;
    listSync_ = true;
    clickCommon(int(found));
}

QString FontOverviewWindow::labelText(const QString &name) const
{
    for (const QLabel *label : {screenLabel_, printerLabel_, commonLabel_, printerNameLabel_, currentFontLabel_})
        if (label->objectName() == name)
            return label->text();
    return {};
}

QString FontOverviewWindow::sampleFont() const
{
    return fontSample_->fontName();
}


// ---------------------------------------------------------------- start-up check

FontCommonSearch::FontCommonSearch(const PrintingContext &context, QWidget *parent)
    : PrinterWindow(context, parent)
{
    setWindowTitle(QStringLiteral("Προετοιμασία ..."));
    auto *scalepic = new QWidget(this);
    scalepic->setFixedSize(300, 20);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(scalepic);
    auto *help = new QAction(this);
    help->setShortcut(Qt::Key_F1);
    addAction(help);
    connect(help, &QAction::triggered, this, [this] { context_.platform.help->showTopic(690); });

    // The list the start-up has just asked for: the print system is not
    // asked (and waited for) again.
    AppState &state = context_.state;
    PrinterService &printers = *context_.platform.printers;
    if (state.SystemPrinter != state.ProgramPrinter && printers.knownPrinters().names.contains(state.ProgramPrinter))
        printers.setCurrentPrinter(state.ProgramPrinter);
}

void FontCommonSearch::firstTick()
{
    timer_.stop();
    busy_ = true;
    CheckFontCounts(context_);
    busy_ = false;
    // Done: the window closes, also when the work ran before it showed.
    closeWhenShown();
}


} // namespace kelvarino
