#include "prn02_notifications.h"

#include "core/issuecommands.h"
#include "core/printsettings.h"
#include "notifications/notificationfit.h"
#include "printing/pagesurface.h"
#include "printing/printjob.h"
#include "printing/reportpreview.h"

#include <QAction>
#include <QMenu>

#include <algorithm>
#include <cmath>

namespace kelvarino {

namespace {

// The samples the defaults are measured on, 8 points bold; the framing
// letters are capital alphas.
const QString ValueColumnSample = QStringLiteral("ΑΑΕΠΙΜΕΡΙΣΜΟΣΑΑ");
const QString BalanceBoxSample = QStringLiteral("ΑΠροηγούμενο υπόλοιπο: 10000,00Α");
// The width the sheet's fit is measured on, 10 points bold.
const QString FitSample = QStringLiteral("ΔΙΑΧΕΙΡΙΣΤΗΣ: ΜΕΛΙΣΣΟΚΑΡΠΑΚΗΣ");

constexpr float DefaultSplit = 0.5f;
constexpr float MaximumSplit = 0.75f;
constexpr float SplitLargeStep = 0.05f;
constexpr float DefaultLineHeight = 270;

} // namespace

prn02_Notifications::prn02_Notifications(const PrintingContext &context, const NotificationSource &source,
                                         QWidget *parent)
    : context_(context)
    , source_(source)
    , painter_(source_, rows_, context.state.PreferredFont)
    , window_(std::make_unique<ReportPreview>(context, *this, parent))
{
}

prn02_Notifications::~prn02_Notifications() = default;

int prn02_Notifications::slot() const
{
    return SlotNotifications;
}

QString prn02_Notifications::title() const
{
    return QStringLiteral("Ειδοποιητήρια και Αποδείξεις πληρωμής");
}

int prn02_Notifications::helpTopic() const
{
    return 5020;
}

QString prn02_Notifications::helpSection() const
{
    return QStringLiteral("notifications");
}

QString prn02_Notifications::FitMessage()
{
    return QStringLiteral("Τα ειδοποιητήρια δεν χωράνε στο πλάτος τους σε 1 ολόκληρη σελίδα. Δοκιμάσαμε οριζόντια "
                          "διάταξη της σελίδας καθώς και σμίκρυνση 50%.\r\n"
                          "Αν θέλατε να εκτυπώνονται και οι αποδείξεις στην ίδια σελίδα, απενεργοποιήσαμε την "
                          "πριτίμησή σας αυτή.\r\n"
                          "Αλλάξτε το μέγεθος της σελίδας σε μεγαλύτερο μέγεθος 'η ελαττώστε τα περιθώρια και "
                          "επανέλθετε.");
}

// ---------------------------------------------------------------- opening and menus

void prn02_Notifications::setUpWindow(ReportPreview &window)
{
    receiptsItem_ = new QAction(QStringLiteral("Να περιλαμβάνονται και οι αποδείξεις"), &window);
    receiptsItem_->setObjectName(QStringLiteral("mnuReceiptsShownInPage"));
    receiptsItem_->setCheckable(true);
    QObject::connect(receiptsItem_, &QAction::triggered, &window, [this] { mnuReceiptsShownInPage_Click(); });
    QMenu *options = window.optionsMenu();
    QAction *first = options->actions().value(0);
    options->insertAction(first, receiptsItem_);
    options->insertSeparator(first);

    buildFlatsMenu(window);

    QAction *current = window.action(QStringLiteral("mnuSendToPrinter"));
    current->setText(QStringLiteral("Αποστολή στον εκτυπωτή του τρέχοντος διαμερίσματος"));
    QMenu *print = window.printMenu();
    print->addSeparator();
    QAction *all = print->addAction(QStringLiteral("Αποστολή στον εκτυπωτή όλων των διαμερισμάτων μαζί"));
    all->setObjectName(QStringLiteral("mnuSendToPrinterAll"));
    QObject::connect(all, &QAction::triggered, &window, [this] { mnuSendToPrinterAll_Click(); });
}

void prn02_Notifications::buildFlatsMenu(ReportPreview &window)
{
    auto *menu = new QMenu(QStringLiteral("Διαμέρισμα"), &window);
    menu->setObjectName(QStringLiteral("mnuFlats"));
    const auto &flats = source_.building.Flats;
    for (int k = 0; k < int(flats.size()); ++k) {
        QAction *item = menu->addAction(flats[std::size_t(k)].ShortName.trimmed());
        item->setObjectName(QStringLiteral("mnuFlat%1").arg(k));
        item->setCheckable(true);
        QObject::connect(item, &QAction::triggered, &window, [this, k] {
            // A click on the ticked item must not untick it.
            flatItems_.value(k)->setChecked(currentFlat_ == k);
            mnuFlat_Click(k);
        });
        flatItems_.append(item);
    }
    window.insertTopLevel(menu);
}

void prn02_Notifications::load()
{
    receiptsItem_->setChecked(window_->settings().ReceiptsOnPage != 0);
    // The window opens on flat 0; the preview's opening lays it out.
    currentFlat_ = 0;
    if (QAction *item = flatItems_.value(0))
        item->setChecked(true);
    window_->load();
}

int prn02_Notifications::showModal()
{
    load();
    return window_->exec();
}

void prn02_Notifications::mnuFlat_Click(int flat)
{
    if (flat == currentFlat_ || flat < 0 || flat >= int(flatItems_.size()))
        return;
    if (QAction *shown = flatItems_.value(currentFlat_))
        shown->setChecked(false);
    currentFlat_ = flat;
    flatItems_.at(flat)->setChecked(true);
    window_->resizeAndLayout();
}

void prn02_Notifications::mnuReceiptsShownInPage_Click()
{
    PrintSetting &slot = window_->settings();
    slot.ReceiptsOnPage = slot.ReceiptsOnPage != 0 ? 0 : -1;
    receiptsItem_->setChecked(slot.ReceiptsOnPage != 0);
    context_.state.DataChanged = true;
    window_->layoutPreview();
}

void prn02_Notifications::switchReceiptsOff()
{
    receiptsItem_->setChecked(false);
    context_.state.DataChanged = true;
}

// ---------------------------------------------------------------- sizes

ReportSizes prn02_Notifications::bestBoxSizes(PageSurface &target)
{
    target.setFont(context_.state.PreferredFont, 8, true);
    ReportSizes sizes;
    sizes.widths = {float(target.textWidth(ValueColumnSample)), float(target.textWidth(BalanceBoxSample)),
                    DefaultSplit};
    sizes.heights = {DefaultLineHeight};
    target.setBold(false);
    return sizes;
}

QStringList prn02_Notifications::widthNames() const
{
    QStringList names{QStringLiteral("Πλάτος Στηλών Δαπανών"), QStringLiteral("Πλάτος Στηλών Τίτλων")};
    if (window_ && window_->settings().ReceiptsOnPage != 0)
        names.append(QStringLiteral("Διαμερισμός σελίδας"));
    return names;
}

QStringList prn02_Notifications::heightNames() const
{
    return {QStringLiteral("Ύψος Γραμμών")};
}

SizeRule prn02_Notifications::widthRule(int index) const
{
    // A step of the split is always taken and stops on the bound it passes.
    if (index == 2)
        return SizeRule{SplitLargeStep, 0.01f, 1.0, double(MaximumSplit / DefaultSplit), true};
    return PreviewReport::widthRule(index);
}

void prn02_Notifications::readSizes(PrintSetting &slot, const ReportSizes &defaults) const
{
    // A size that is not a finite number counts as not set.
    for (float *size : {&slot.Widths[0], &slot.Widths[1], &slot.Heights[0]})
        if (!std::isfinite(*size))
            *size = 0;
    PreviewReport::readSizes(slot, {defaults.widths.mid(0, 2), defaults.heights});
    // The split is a fraction: anything outside its range (or not a number)
    // takes the default.
    const float split = slot.Widths[2];
    if (!(split >= DefaultSplit && split <= MaximumSplit))
        slot.Widths[2] = defaults.widths.value(2, DefaultSplit);
}

void prn02_Notifications::defaultPrintParameters(PrintSetting &slot)
{
    slot.Portrait = 0;
    slot.ColouredPrint = -1;
    slot.Magnification = 1.0f;
    slot.PageNumbers = -1;
    slot.ReceiptsOnPage = -1;
    receiptsItem_->setChecked(true);
}

// ---------------------------------------------------------------- layout and drawing

LayoutOutcome prn02_Notifications::preparePrint(ReportLayout &layout)
{
    PrintSetting &slot = layout.settings;
    layout.measure.setFont(context_.state.PreferredFont, 10, true);
    const NotificationFit fit = FitNotification(layout, layout.measure.textWidth(FitSample));
    if (fit.receiptsSwitchedOff)
        switchReceiptsOff();
    if (!fit.fits)
        return LayoutOutcome::failure(-1);
    NotificationRows rows = BuildNotificationRows(source_.results.Workspace);
    const int pages = PageNotificationRows(rows, {layout.printableHeight(), slot.Heights[0], slot.Magnification});
    if (pages <= 0) {
        // The page holds too few lines: nothing of this layout stays.
        layout.restore();
        return LayoutOutcome::failure(-1);
    }
    rows_ = std::move(rows);
    pageCount_ = pages;
    return LayoutOutcome::pages(pages, 1);
}

LayoutFailureText prn02_Notifications::failureText(int) const
{
    return {FitMessage(), QString()};
}

void prn02_Notifications::printPage(const PageRequest &page)
{
    painter_.printPage(page, currentFlat_);
}

QString prn02_Notifications::footerPagePart(int row, int, int rows, int) const
{
    return QStringLiteral(", Σελίδα %1 από %2").arg(row).arg(rows);
}

// ---------------------------------------------------------------- printing

void prn02_Notifications::mnuSendToPrinter_Click()
{
    window_->sendToPrinter();
}

void prn02_Notifications::mnuSendToPrinterAll_Click()
{
    window_->sendToPrinter([this](PageSink &pages, bool allPages) { printEveryFlat(pages, allPages); });
}

bool prn02_Notifications::printAllFlats(const PrintChoice &choice)
{
    if (!window_->hasPages())
        return false;
    return PrintDocument(context_, window_->settings(), choice.copies,
                         [&](PageSink &pages) { printEveryFlat(pages, choice.allPages); });
}

void prn02_Notifications::printDocument(ReportPreview &, PageSink &pages, bool allPages)
{
    printCurrentFlat(pages, allPages);
}

void prn02_Notifications::printCurrentFlat(PageSink &pages, bool allPages)
{
    if (!allPages) {
        window_->paintPage(pages.nextPage(), 0, 0, window_->currentRow(), 1, 1);
        return;
    }
    for (int page = 1; page <= window_->pageRows(); ++page)
        window_->paintPage(pages.nextPage(), 0, 0, page, 1, 1);
}

void prn02_Notifications::printEveryFlat(PageSink &pages, bool allPages)
{
    if (!allPages) {
        printCurrentFlat(pages, false);
        return;
    }
    const int shown = currentFlat_;
    for (int flat = 0; flat < int(flatItems_.size()); ++flat) {
        // The preview follows the flat being printed; a flat that cannot be
        // laid out (its message shown) prints nothing.
        mnuFlat_Click(flat);
        if (window_->hasPages())
            printCurrentFlat(pages, true);
    }
    mnuFlat_Click(shown);
}

} // namespace kelvarino

namespace kelvarino {

void ShowNotifications(const PrintingContext &context, const PeriodResults &results, int issueIndex)
{
    const NotificationSource source{context.state.Building, results, issueIndex};
    prn02_Notifications window(context, source, context.owner);
    window.showModal();
}

} // namespace kelvarino
