#include "notificationswindow.h"

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

NotificationsWindow::NotificationsWindow(const PrintingContext &context, const NotificationSource &source,
                                         QWidget *parent)
    : context_(context)
    , source_(source)
    , painter_(source_, rows_, context.state.PreferredFont)
    , window_(std::make_unique<ReportPreview>(context, *this, parent))
{
}

NotificationsWindow::~NotificationsWindow() = default;

int NotificationsWindow::slot() const
{
    return SlotNotifications;
}

QString NotificationsWindow::title() const
{
    return QStringLiteral("Ειδοποιητήρια και Αποδείξεις πληρωμής");
}

int NotificationsWindow::helpTopic() const
{
    return 5020;
}

QString NotificationsWindow::helpSection() const
{
    return QStringLiteral("notifications");
}

QString NotificationsWindow::FitMessage()
{
    return QStringLiteral("Τα ειδοποιητήρια δεν χωράνε στο πλάτος τους σε 1 ολόκληρη σελίδα. Δοκιμάσαμε οριζόντια "
                          "διάταξη της σελίδας καθώς και σμίκρυνση 50%.\r\n"
                          "Αν θέλατε να εκτυπώνονται και οι αποδείξεις στην ίδια σελίδα, απενεργοποιήσαμε την "
                          "πριτίμησή σας αυτή.\r\n"
                          "Αλλάξτε το μέγεθος της σελίδας σε μεγαλύτερο μέγεθος 'η ελαττώστε τα περιθώρια και "
                          "επανέλθετε.");
}

// ---------------------------------------------------------------- opening and menus

void NotificationsWindow::setUpWindow(ReportPreview &window)
{
    receiptsItem_ = new QAction(QStringLiteral("Να περιλαμβάνονται και οι αποδείξεις"), &window);
    receiptsItem_->setObjectName(QStringLiteral("receiptsShownInPage"));
    receiptsItem_->setCheckable(true);
    QObject::connect(receiptsItem_, &QAction::triggered, &window, [this] { toggleReceipts(); });
    QMenu *options = window.optionsMenu();
    QAction *first = options->actions().value(0);
    options->insertAction(first, receiptsItem_);
    options->insertSeparator(first);

    buildFlatsMenu(window);

    QAction *current = window.action(QStringLiteral("sendToPrinter"));
    current->setText(QStringLiteral("Αποστολή στον εκτυπωτή του τρέχοντος διαμερίσματος"));
    QMenu *print = window.printMenu();
    print->addSeparator();
    QAction *all = print->addAction(QStringLiteral("Αποστολή στον εκτυπωτή όλων των διαμερισμάτων μαζί"));
    all->setObjectName(QStringLiteral("sendAllToPrinter"));
    QObject::connect(all, &QAction::triggered, &window, [this] { sendAllFlatsToPrinter(); });
}

void NotificationsWindow::buildFlatsMenu(ReportPreview &window)
{
    auto *menu = new QMenu(QStringLiteral("Διαμέρισμα"), &window);
    menu->setObjectName(QStringLiteral("flats"));
    const auto &flats = source_.building.Flats;
    for (int k = 0; k < int(flats.size()); ++k) {
        QAction *item = menu->addAction(flats[std::size_t(k)].ShortName.trimmed());
        item->setObjectName(QStringLiteral("flat%1").arg(k));
        item->setCheckable(true);
        QObject::connect(item, &QAction::triggered, &window, [this, k] {
            // A click on the ticked item must not untick it.
            flatItems_.value(k)->setChecked(currentFlat_ == k);
            showFlat(k);
        });
        flatItems_.append(item);
    }
    window.insertTopLevel(menu);
}

void NotificationsWindow::load()
{
    receiptsItem_->setChecked(window_->settings().ReceiptsOnPage != 0);
    // The window opens on flat 0; the preview's opening lays it out.
    currentFlat_ = 0;
    if (QAction *item = flatItems_.value(0))
        item->setChecked(true);
    window_->load();
}

int NotificationsWindow::showModal()
{
    load();
    return window_->exec();
}

void NotificationsWindow::showFlat(int flat)
{
    if (flat == currentFlat_ || flat < 0 || flat >= int(flatItems_.size()))
        return;
    if (QAction *shown = flatItems_.value(currentFlat_))
        shown->setChecked(false);
    currentFlat_ = flat;
    flatItems_.at(flat)->setChecked(true);
    window_->resizeAndLayout();
}

void NotificationsWindow::toggleReceipts()
{
    PrintSetting &slot = window_->settings();
    slot.ReceiptsOnPage = slot.ReceiptsOnPage != 0 ? 0 : -1;
    receiptsItem_->setChecked(slot.ReceiptsOnPage != 0);
    context_.state.DataChanged = true;
    window_->layoutPreview();
}

void NotificationsWindow::switchReceiptsOff()
{
    receiptsItem_->setChecked(false);
    context_.state.DataChanged = true;
}

// ---------------------------------------------------------------- sizes

ReportSizes NotificationsWindow::bestBoxSizes(PageSurface &target)
{
    target.setFont(context_.state.PreferredFont, 8, true);
    ReportSizes sizes;
    sizes.widths = {float(target.textWidth(ValueColumnSample)), float(target.textWidth(BalanceBoxSample)),
                    DefaultSplit};
    sizes.heights = {DefaultLineHeight};
    target.setBold(false);
    return sizes;
}

QStringList NotificationsWindow::widthNames() const
{
    QStringList names{QStringLiteral("Πλάτος Στηλών Δαπανών"), QStringLiteral("Πλάτος Στηλών Τίτλων")};
    if (window_ && window_->settings().ReceiptsOnPage != 0)
        names.append(QStringLiteral("Διαμερισμός σελίδας"));
    return names;
}

QStringList NotificationsWindow::heightNames() const
{
    return {QStringLiteral("Ύψος Γραμμών")};
}

SizeRule NotificationsWindow::widthRule(int index) const
{
    // A step of the split is always taken and stops on the bound it passes.
    if (index == 2)
        return SizeRule{SplitLargeStep, 0.01f, 1.0, double(MaximumSplit / DefaultSplit), true};
    return PreviewReport::widthRule(index);
}

void NotificationsWindow::readSizes(PrintSetting &slot, const ReportSizes &defaults) const
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

void NotificationsWindow::defaultPrintParameters(PrintSetting &slot)
{
    slot.Portrait = 0;
    slot.ColouredPrint = -1;
    slot.Magnification = 1.0f;
    slot.PageNumbers = -1;
    slot.ReceiptsOnPage = -1;
    receiptsItem_->setChecked(true);
}

// ---------------------------------------------------------------- layout and drawing

LayoutOutcome NotificationsWindow::preparePrint(ReportLayout &layout)
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

LayoutFailureText NotificationsWindow::failureText(int) const
{
    return {FitMessage(), QString()};
}

void NotificationsWindow::printPage(const PageRequest &page)
{
    painter_.printPage(page, currentFlat_);
}

QString NotificationsWindow::footerPagePart(int row, int, int rows, int) const
{
    return QStringLiteral(", Σελίδα %1 από %2").arg(row).arg(rows);
}

// ---------------------------------------------------------------- printing

void NotificationsWindow::sendShownFlatToPrinter()
{
    window_->sendToPrinter();
}

void NotificationsWindow::sendAllFlatsToPrinter()
{
    window_->sendToPrinter([this](PageSink &pages, bool allPages) { printEveryFlat(pages, allPages); });
}

bool NotificationsWindow::printAllFlats(const PrintChoice &choice)
{
    if (!window_->hasPages())
        return false;
    return PrintDocument(context_, window_->settings(), choice.copies,
                         [&](PageSink &pages) { printEveryFlat(pages, choice.allPages); });
}

void NotificationsWindow::printDocument(ReportPreview &, PageSink &pages, bool allPages)
{
    printCurrentFlat(pages, allPages);
}

void NotificationsWindow::printCurrentFlat(PageSink &pages, bool allPages)
{
    if (!allPages) {
        window_->paintPage(pages.nextPage(), 0, 0, window_->currentRow(), 1, 1);
        return;
    }
    for (int page = 1; page <= window_->pageRows(); ++page)
        window_->paintPage(pages.nextPage(), 0, 0, page, 1, 1);
}

void NotificationsWindow::printEveryFlat(PageSink &pages, bool allPages)
{
    if (!allPages) {
        printCurrentFlat(pages, false);
        return;
    }
    const int shown = currentFlat_;
    for (int flat = 0; flat < int(flatItems_.size()); ++flat) {
        // The preview follows the flat being printed; a flat that cannot be
        // laid out (its message shown) prints nothing.
        showFlat(flat);
        if (window_->hasPages())
            printCurrentFlat(pages, true);
    }
    showFlat(shown);
}

} // namespace kelvarino

namespace kelvarino {

void ShowNotifications(const PrintingContext &context, const PeriodResults &results, int issueIndex)
{
    const NotificationSource source{context.state.Building, results, issueIndex};
    NotificationsWindow window(context, source, context.owner);
    window.showModal();
}

} // namespace kelvarino
