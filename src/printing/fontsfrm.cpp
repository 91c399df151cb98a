#include "printing/fontsfrm.h"
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

fontsfrm::fontsfrm(const PrintingContext &context, QWidget *parent)
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

    cbscreen_ = new QComboBox(this);
    cbprinter_ = new QComboBox(this);
    cbmatched_ = new QComboBox(this);
    for (QComboBox *list : {cbscreen_, cbprinter_, cbmatched_})
        list->setMaxVisibleItems(20);
    lscreen_ = new QLabel(QStringLiteral("Γραμματοσειρές Οθόνης"), this);
    lprinter_ = new QLabel(QStringLiteral("Γραμματοσειρές Εκτυπωτή"), this);
    lmatched_ = new QLabel(QStringLiteral("Κοινές Γραμματοσειρές"), this);
    lPrinterName_ = new QLabel(this);
    lscreen_->setObjectName(QStringLiteral("lscreen"));
    lprinter_->setObjectName(QStringLiteral("lprinter"));
    lmatched_->setObjectName(QStringLiteral("lmatched"));
    lPrinterName_->setObjectName(QStringLiteral("lPrinterName"));
    auto *current = new ClickLabel(QStringLiteral("Προτιμώμενη Γραμματοσειρά: ") + context_.state.PreferredFont, this);
    current->setCursor(Qt::PointingHandCursor);
    current->onClick = [this] {
        if (!busy_)
            showCurrent();
    };
    current->setObjectName(QStringLiteral("lCurrentFont"));
    lCurrentFont_ = current;
    picfonts_ = new FontSample(this);
    picfonts_->setMinimumSize(660, 200);
    scalepic_ = new ComparisonProgress(picfonts_);
    auto *accept = new QPushButton(QStringLiteral("Ορισμός"), this);
    connect(accept, &QPushButton::clicked, this, [this] { acceptFont(); });

    connect(cbscreen_, &QComboBox::activated, this, [this](int index) { clickScreen(index); });
    connect(cbprinter_, &QComboBox::activated, this, [this](int index) { clickPrinter(index); });
    connect(cbmatched_, &QComboBox::activated, this, [this](int index) { clickCommon(index); });

    auto *grid = new QGridLayout;
    grid->addWidget(lPrinterName_, 0, 0, 1, 3);
    grid->addWidget(lscreen_, 1, 0);
    grid->addWidget(lprinter_, 1, 1);
    grid->addWidget(lmatched_, 1, 2);
    grid->addWidget(cbscreen_, 2, 0);
    grid->addWidget(cbprinter_, 2, 1);
    grid->addWidget(cbmatched_, 2, 2);
    grid->addWidget(lCurrentFont_, 3, 0, 1, 2);
    grid->addWidget(accept, 3, 2);
    grid->addWidget(new QLabel(QStringLiteral("16 pt"), this), 4, 0);
    grid->addWidget(picfonts_, 5, 0, 1, 3);
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addLayout(grid);
    busyParts_ = {fontsMenu_};
}

fontsfrm::~fontsfrm() = default;

void fontsfrm::firstTick()
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
        lPrinterName_->setText(QStringLiteral("Εκτυπωτής: ") + state.ProgramPrinter);
        printers.setCurrentPrinter(state.ProgramPrinter);
        printerFonts = printers.printerFonts();
    } else {
        lPrinterName_->setText(list.answered ? QStringLiteral("Δεν υπάρχει εκτυπωτής") : PrintSystemSilentText());
    }
    lCurrentFont_->setText(QStringLiteral("Προτιμώμενη Γραμματοσειρά: ") + state.PreferredFont);
    const QStringList screen = printers.screenFonts();
    scalepic_->setGeometry(picfonts_->width() / 4, picfonts_->height() / 2 - 8, picfonts_->width() / 2, 16);
    scalepic_->start(int(2 * printerFonts.size() + screen.size()));
    lscreen_->setText(QStringLiteral("%1 Γραμματοσειρές Οθόνης").arg(screen.size()));
    cbscreen_->clear();
    for (const QString &name : SortedLikeList(screen)) {
        cbscreen_->addItem(name);
        scalepic_->step();
    }
    lprinter_->setText(QStringLiteral("%1 Γραμματοσειρές Εκτυπωτή").arg(printerFonts.size()));
    cbprinter_->clear();
    const QStringList sortedPrinter = SortedLikeList(printerFonts);
    for (const QString &name : sortedPrinter) {
        cbprinter_->addItem(name);
        scalepic_->step();
    }
    const QStringList common = MatchPrinterFonts(sortedPrinter, screen, [this] { scalepic_->step(); });
    cbmatched_->clear();
    const QStringList sortedCommon = SortedLikeList(common);
    cbmatched_->addItems(sortedCommon);
    for (QComboBox *list : {cbscreen_, cbprinter_, cbmatched_})
        list->setCurrentIndex(-1);
    scalepic_->hide();
    lmatched_->setText(QStringLiteral("%1 Κοινές Γραμματοσειρές").arg(common.size()));
    listSync_ = true;
    const qsizetype preferred = FontEntryOf(sortedCommon, state.PreferredFont);
    if (preferred >= 0)
        clickCommon(int(preferred));
    setBusy(false);
}

void fontsfrm::selectFirst(QComboBox *list, const QString &name)
{
    list->setCurrentIndex(list->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void fontsfrm::clickScreen(int index)
{
    picfonts_->clear();
    if (index >= 0)
        cbscreen_->setCurrentIndex(index);
    if (!listSync_ || cbscreen_->currentIndex() < 0)
        return;
    const QString name = cbscreen_->currentText();
    picfonts_->showFont(name);
    listSync_ = false;
    selectFirst(cbprinter_, name);
    selectFirst(cbmatched_, name);
    listSync_ = true;
}

void fontsfrm::clickPrinter(int index)
{
    if (index >= 0)
        cbprinter_->setCurrentIndex(index);
    if (!listSync_ || cbprinter_->currentIndex() < 0)
        return;
    const int screen = cbscreen_->findText(cbprinter_->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (screen >= 0) {
        clickScreen(screen);
    } else {
        // A font of the printer only: no sample.
        picfonts_->clear();
        cbscreen_->setCurrentIndex(-1);
        cbmatched_->setCurrentIndex(-1);
    }
}

void fontsfrm::clickCommon(int index)
{
    if (index >= 0)
        cbmatched_->setCurrentIndex(index);
    if (!listSync_ || cbmatched_->currentIndex() < 0)
        return;
    const QString name = cbmatched_->currentText();
    listSync_ = false;
    selectFirst(cbprinter_, name);
    listSync_ = true;
    const int screen = cbscreen_->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (screen >= 0)
        clickScreen(screen);
}

void fontsfrm::acceptFont()
{
    if (busy_ || cbmatched_->currentIndex() < 0)
        return;
    AppState &state = context_.state;
    state.PreferredFont = cbmatched_->currentText();
    lCurrentFont_->setText(QStringLiteral("Προτιμώμενη Γραμματοσειρά: ") + state.PreferredFont);
    if (context_.captions)
        context_.captions->setFontsCaption(FontsCaptionOf(state.PreferredFont));
    state.PrintingPossible = true;
    WriteAutoloadFile(context_);
    context_.platform.messages->information(QStringLiteral("Εκτυπώσεις"),
                                            QStringLiteral("Προτιμώμενη γραμματοσειρά: ") + state.PreferredFont
                                                + QStringLiteral("\nΠροτιμώμενος εκτυπωτής: ") + state.ProgramPrinter
                                                + QStringLiteral("\nΜπορείτε να εκτυπώσετε."));
}

void fontsfrm::showCurrent()
{
    const qsizetype found = FontEntryOf(ItemsOf(*cbmatched_), context_.state.PreferredFont);
    if (found < 0 || found == cbmatched_->currentIndex())
        return;
    listSync_ = true;
    clickCommon(int(found));
}

QString fontsfrm::labelText(const QString &name) const
{
    for (const QLabel *label : {lscreen_, lprinter_, lmatched_, lPrinterName_, lCurrentFont_})
        if (label->objectName() == name)
            return label->text();
    return {};
}

QString fontsfrm::sampleFont() const
{
    return picfonts_->fontName();
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
