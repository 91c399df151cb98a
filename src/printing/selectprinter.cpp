#include "printing/selectprinter.h"
#include "platform/waitcursor.h"

#include "printing/fontwindows.h"
#include "printing/printjob.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvarino {

SelectPrinter::SelectPrinter(const PrintingContext &context, QWidget *parent)
    : PrinterWindow(context, parent)
{
    setWindowTitle(QStringLiteral("Επιλογή εκτυπωτή"));
    const AppState &state = context_.state;

    auto *bar = new QMenuBar(this);
    printersMenu_ = bar->addMenu(QStringLiteral("Εκτυπωτές"));
    connect(printersMenu_->addAction(QStringLiteral("Ορισμός του επιλεγμένου εκτυπωτή ως εκτυπωτή του προγράμματος")),
            &QAction::triggered, this, [this] { makeProgramPrinter(); });
    connect(printersMenu_->addAction(QStringLiteral("Ορισμός του επιλεγμένου εκτυπωτή ως εκτυπωτή του συστήματος")),
            &QAction::triggered, this, [this] { makeSystemPrinter(); });
    printersMenu_->addSeparator();
    connect(printersMenu_->addAction(QStringLiteral("Έξοδος")), &QAction::triggered, this, [this] {
        if (!busy_)
            close();
    });
    QAction *help = bar->addAction(QStringLiteral("Βοήθεια"));
    help->setShortcut(Qt::Key_F1);
    connect(help, &QAction::triggered, this, [this] { context_.platform.help->showTopic(5005); });

    printerList_ = new QComboBox(this);
    commonFontList_ = new QComboBox(this);
    screenFontList_ = new QComboBox(this);
    commonFontList_->setMaxVisibleItems(20);
    screenFontList_->setMaxVisibleItems(20);
    commonFontsLabel_ = new QLabel(QStringLiteral("Κοινές γραμματοσειρές οθόνης/εκτυπωτή"), this);
    screenFontsLabel_ = new QLabel(QStringLiteral("Γραμματοσειρές μόνο οθόνης"), this);
    systemPrinterLabel_ = new QLabel(QStringLiteral("Εκτυπωτής Συστήματος: ") + state.SystemPrinter, this);
    preferredFontLabel_ = new QLabel(QStringLiteral("Προτιμώμενη Γραμματοσειρά: ") + state.PreferredFont, this);
    acceptFont_ = new QPushButton(QStringLiteral("Ορισμός προτιμώμενων: γραμματοσειράς και εκτυπωτή προγράμματος"), this);
    printSystemMessage_ = new QLabel(this);
    printSystemMessage_->setWordWrap(true);
    printSystemMessage_->setStyleSheet(QStringLiteral("color: #b00000"));
    printSystemMessage_->hide();
    picfonts_ = new FontSample(this);
    picfonts_->setMinimumSize(560, 200);
    scalepic_ = new ComparisonProgress(picfonts_);

    connect(printerList_, &QComboBox::activated, this, [this](int index) { choosePrinter(index); });
    connect(commonFontList_, &QComboBox::activated, this, [this](int index) { chooseCommonFont(index); });
    connect(screenFontList_, &QComboBox::activated, this, [this](int index) { chooseScreenFont(index); });
    connect(acceptFont_, &QPushButton::clicked, this, [this] { acceptFont(); });

    auto *grid = new QGridLayout;
    grid->addWidget(printSystemMessage_, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Προγράμματος:"), this), 1, 0);
    grid->addWidget(printerList_, 1, 1);
    grid->addWidget(systemPrinterLabel_, 2, 0, 1, 2);
    grid->addWidget(commonFontsLabel_, 3, 0, 1, 2);
    grid->addWidget(commonFontList_, 4, 0, 1, 2);
    grid->addWidget(screenFontsLabel_, 5, 0, 1, 2);
    grid->addWidget(screenFontList_, 6, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("16 pt"), this), 7, 0);
    grid->addWidget(picfonts_, 8, 0, 1, 2);
    grid->addWidget(preferredFontLabel_, 9, 0, 1, 2);
    grid->addWidget(acceptFont_, 10, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addLayout(grid);

    busyParts_ = {acceptFont_, printerList_, screenFontList_, commonFontList_, printersMenu_};
}

SelectPrinter::~SelectPrinter() = default;

void SelectPrinter::firstTick()
{
    timer_.stop();
    if (busy_)
        return;
    // The print system is asked once the window shows, which says it waits.
    PrinterList installed;
    {
        const WaitCursor hourglass;
        setBusy(true);
        installed = context_.platform.printers->listPrinters();
        setBusy(false);
    }
    showPrinters(installed);
    if (printerList_->count() == 0)
        return;
    choosePrinter(std::min(programPrinterIndex_, printerList_->count() - 1));
}

void SelectPrinter::showPrinters(const PrinterList &installed)
{
    printerList_->clear();
    printerList_->addItems(installed.names);
    // A program printer that is no longer installed, or of a print system
    // that does not answer: the first printer, the stored choice unchanged
    // until another is made.
    programPrinterIndex_ = std::max<qsizetype>(0, installed.names.indexOf(context_.state.ProgramPrinter));
    printerList_->setCurrentIndex(-1);
    printSystemMessage_->setText(installed.answered ? QString() : PrintSystemSilentText());
    printSystemMessage_->setVisible(!installed.answered);
    // The window grows by the wrapped lines of the word, which its minimum
    // size does not count.
    layout()->activate();
    if (const int needed = layout()->totalHeightForWidth(width()); needed > height())
        resize(width(), needed);
}

void SelectPrinter::choosePrinter(int index)
{
    // One comparison at a time: the list keeps showing the printer compared.
    if (busy_ || index < 0 || index >= printerList_->count())
        return;
    printerList_->setCurrentIndex(index);
    compare();
}

void SelectPrinter::compare()
{
    const WaitCursor hourglass;
    setBusy(true);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    screenFontList_->clear();
    commonFontList_->clear();
    picfonts_->clear();
    screenFontsLabel_->setText(QStringLiteral("Γραμματοσειρές μόνο οθόνης"));
    commonFontsLabel_->setText(QStringLiteral("Κοινές γραμματοσειρές οθόνης/εκτυπωτή"));
    PrinterService &printers = *context_.platform.printers;
    printers.setCurrentPrinter(printerList_->currentText());
    const QStringList printer = printers.printerFonts();
    const QStringList screen = printers.screenFonts();
    scalepic_->setGeometry(picfonts_->width() / 4, picfonts_->height() / 2 - 8, picfonts_->width() / 2, 16);
    scalepic_->start(int(2 * screen.size() + printer.size()));
    // Reading the names: one step per screen font and per printer font.
    for (qsizetype i = 0; i < screen.size() + printer.size(); ++i)
        scalepic_->step();
    const FontMatch match = MatchScreenFonts(screen, printer, [this] { scalepic_->step(); });
    scalepic_->hide();
    screenFontsLabel_->setText(QStringLiteral("%1 γραμματοσειρές μόνο οθόνης").arg(match.screenOnly.size()));
    const QStringList screenOnly = SortedLikeList(match.screenOnly);
    screenFontList_->addItems(screenOnly);
    commonFontsLabel_->setText(QStringLiteral("%1 κοινές γραμματοσειρές οθόνης/εκτυπωτή").arg(match.common.size()));
    const QStringList common = SortedLikeList(match.common);
    commonFontList_->addItems(common);
    screenFontList_->setCurrentIndex(-1);
    commonFontList_->setCurrentIndex(-1);
    const QString preferred = context_.state.PreferredFont;
    const qsizetype inCommon = FontEntryOf(common, preferred);
    if (inCommon >= 0) {
        chooseCommonFont(int(inCommon));
    } else {
        const qsizetype inScreenOnly = FontEntryOf(screenOnly, preferred);
        if (inScreenOnly >= 0)
            chooseScreenFont(int(inScreenOnly));
    }
    setBusy(false);
}

void SelectPrinter::chooseCommonFont(int index)
{
    if (index < 0)
        return;
    commonFontList_->setCurrentIndex(index);
    screenFontList_->setCurrentIndex(-1);
    picfonts_->showFont(commonFontList_->itemText(index));
}

void SelectPrinter::chooseScreenFont(int index)
{
    if (index < 0)
        return;
    screenFontList_->setCurrentIndex(index);
    commonFontList_->setCurrentIndex(-1);
    picfonts_->showFont(screenFontList_->itemText(index));
}

void SelectPrinter::makeProgramPrinter()
{
    const int selected = printerList_->currentIndex();
    if (selected < 0)
        return;
    AppState &state = context_.state;
    QStringList common = ItemsOf(*commonFontList_);
    for (QString &name : common)
        name = name.trimmed();
    if (FontEntryOf(common, state.PreferredFont.trimmed()) < 0) {
        context_.platform.messages->exclamation(
            QStringLiteral("Επιλογή νέου εκτυπωτή"),
            QStringLiteral("Η προτιμώμενη γραμματοσειρά ") + state.PreferredFont
                + QStringLiteral(" δεν είναι μεταξύ των γραμματοσειρών του εκτυπωτή που θέλετε.") + QStringLiteral("\n\n")
                + QStringLiteral("Επιλέξτε μια συμβατή γραμματοσειρά."));
        return;
    }
    programPrinterIndex_ = selected;
    state.ProgramPrinter = printerList_->itemText(selected);
    if (context_.captions)
        context_.captions->setPrinterCaption(PrinterCaptionOf(state.ProgramPrinter));
    WriteAutoloadFile(context_);
    state.PrintingPossible = true;
    context_.platform.messages->information(QStringLiteral("Εκτυπώσεις"),
                                            QStringLiteral("Προτιμώμενη γραμματοσειρά: ") + state.PreferredFont
                                                + QStringLiteral("\nΠροτιμώμενος εκτυπωτής: ") + state.ProgramPrinter
                                                + QStringLiteral("\nΜπορείτε να εκτυπώσετε."));
}

void SelectPrinter::makeSystemPrinter()
{
    const int selected = printerList_->currentIndex();
    if (selected < 0)
        return;
    context_.state.SystemPrinter = printerList_->itemText(selected);
    systemPrinterLabel_->setText(QStringLiteral("Εκτυπωτής Συστήματος: ") + context_.state.SystemPrinter);
}

void SelectPrinter::acceptFont()
{
    if (busy_)
        return;
    if (commonFontList_->currentIndex() < 0) {
        context_.platform.messages->exclamation(QStringLiteral("Ορισμός γραμματοσειράς εκτυπώσεων"),
                                                QStringLiteral("Επιλέξτε κοινή γραμματοσειρά οθόνης/εκτυπωτή."));
        return;
    }
    AppState &state = context_.state;
    state.PreferredFont = commonFontList_->currentText().trimmed();
    preferredFontLabel_->setText(QStringLiteral("Προτιμώμενη γραμματοσειρά: ") + state.PreferredFont);
    if (context_.captions)
        context_.captions->setFontsCaption(FontsCaptionOf(state.PreferredFont));
    makeProgramPrinter();
}

QString SelectPrinter::labelText(const QString &name) const
{
    if (name == QStringLiteral("lmatched"))
        return commonFontsLabel_->text();
    if (name == QStringLiteral("lscreen"))
        return screenFontsLabel_->text();
    if (name == QStringLiteral("lSystemPrinter"))
        return systemPrinterLabel_->text();
    if (name == QStringLiteral("lPreferedFont"))
        return preferredFontLabel_->text();
    if (name == QStringLiteral("lPrintSystem"))
        return printSystemMessage_->text();
    return {};
}

QString SelectPrinter::sampleFont() const
{
    return picfonts_->fontName();
}


} // namespace kelvarino
