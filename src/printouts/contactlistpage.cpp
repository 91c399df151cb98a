#include "printouts/contactlistpage.h"

#include "core/formatting.h"
#include "platform/localeservice.h"
#include "platform/screencover.h"
#include "shell/waitcursor.h"
#include "platform/twips.h"
#include "printing/pagesurface.h"
#include "printing/printingdialogs.h"
#include "printing/printjob.h"
#include "printing/textprimitives.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cmath>

namespace kelvarino {

using namespace ContactPage;

// the canvas: the whole surface is the page, whatever its size in pixels.
class ContactListPage::Canvas : public QWidget
{
public:
    explicit Canvas(ContactListPage &page, QWidget *parent) : QWidget(parent), page_(page)
    {
        setAutoFillBackground(true);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, Qt::white);
        setPalette(palette);
        setToolTip(QStringLiteral("Αριστερό click για μεγένθυση-σμίκρυνση"));
    }
    double pixelsPerUnit() const { return width() / Width; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        PainterSurface surface(painter, pixelsPerUnit());
        page_.drawListPage(surface, page_.zoom_, page_.origin_.x(), page_.origin_.y(), page_.currentPage_);
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        page_.pagePressed(event->position() / pixelsPerUnit(), event->button());
    }

private:
    ContactListPage &page_;
};

ContactListPage::ContactListPage(const PrintingContext &context, ContactListKind kind, QWidget *parent)
    : QDialog(parent), context_(context), spec_(ContactListSpecOf(kind))
{
    setWindowTitle(context_.state.DataFileName + spec_.captionTitle);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    buildMenus();
    auto *client = new QWidget(this);
    layout->addWidget(client, 1);
    canvas_ = new Canvas(*this, client);
    scroll_ = new QScrollBar(Qt::Vertical, canvas_);
    scroll_->setFocusPolicy(Qt::NoFocus); // the window's own keys page (pageKey)
    scroll_->hide();
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int position) { scrolledTo(position); });

    cellHeight_ = ContactCellHeight(slot().Heights[0]);
    ScreenCover::apply(this);
    placeCanvas();
    currentPage_ = 1;
    order_ = ContactDisplayOrder(context_.state.Building, spec_.kind, false);
    rowsPerPage();
    paginate();
}

ContactListPage::~ContactListPage() = default;

PrintSetting &ContactListPage::slot() const
{
    return context_.state.Building.PrintSettings[std::size_t(spec_.slot)];
}

QAction *ContactListPage::action(const QString &name) const
{
    return findChild<QAction *>(name);
}

PrintingDialogs &ContactListPage::dialogs()
{
    if (context_.dialogs)
        return *context_.dialogs;
    if (!ownDialogs_) {
        PrintingContext own = context_;
        own.owner = this;
        ownDialogs_ = std::make_unique<QtPrintingDialogs>(own);
    }
    return *ownDialogs_;
}

void ContactListPage::buildMenus()
{
    auto *bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    const auto add = [this](QMenu *menu, const QString &name, const QString &caption, const QKeySequence &key) {
        QAction *item = menu->addAction(caption);
        item->setObjectName(name);
        item->setShortcut(key);
        return item;
    };
    QMenu *options = bar->addMenu(QStringLiteral("Επιλογές"));
    orderAction_ = add(options, QStringLiteral("alphabeticalOrder"), spec_.orderCaption, {});
    orderAction_->setCheckable(true);
    connect(orderAction_, &QAction::triggered, this, [this](bool on) { setAlphabetical(on); });
    options->addSeparator();
    connect(add(options, QStringLiteral("chooseFont"), QStringLiteral("Γραμματοσειρά"), {}), &QAction::triggered,
            this, [this] { chooseFont(); });
    options->addSeparator();
    connect(add(options, QStringLiteral("exit"), QStringLiteral("Κλείσιμο του παραθύρου"),
                QKeySequence(Qt::CTRL | Qt::Key_F4)),
            &QAction::triggered, this, &QDialog::close);
    QMenu *cells = bar->addMenu(QStringLiteral("Κελιά"));
    connect(add(cells, QStringLiteral("increaseHeight"), QStringLiteral("Αύξηση του ύψους των κελιών"),
                QKeySequence(Qt::Key_F5)),
            &QAction::triggered, this, [this] { increaseHeight(); });
    connect(add(cells, QStringLiteral("decreaseHeight"), QStringLiteral("Μείωση του ύψους των κελιών"),
                QKeySequence(Qt::SHIFT | Qt::Key_F5)),
            &QAction::triggered, this, [this] { decreaseHeight(); });
    QMenu *print = bar->addMenu(QStringLiteral("Εκτύπωση"));
    connect(add(print, QStringLiteral("sendToPrinter"), QStringLiteral("Αποστολή στον εκτυπωτή"),
                QKeySequence(Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, [this] { sendToPrinter(); });
    connect(add(print, QStringLiteral("pageSetup"), QStringLiteral("Διαμόρφωση σελίδας"), {}), &QAction::triggered,
            this, [this] { showPageSetupNote(); });
    auto *help = new QAction(this);
    help->setShortcut(Qt::Key_F1);
    addAction(help);
    connect(help, &QAction::triggered, this, [this] { context_.platform.help->showTopic(5015); });
}

void ContactListPage::placeCanvas()
{
    // The largest page of whole millimetres' proportions that leaves a margin
    // of three units on each axis, centred in the window.
    const QWidget *client = canvas_->parentWidget();
    const double innerWidth = Twips::fromPixels(client->width(), this);
    const double innerHeight = Twips::fromPixels(client->height(), this);
    const int k = std::max(std::min(int(innerWidth / 297) - 3, int(innerHeight / 210) - 3), 1);
    const QSize size(Twips::toPixels(297.0 * k, this), Twips::toPixels(210.0 * k, this));
    canvas_->setGeometry(QRect(QPoint((client->width() - size.width()) / 2, (client->height() - size.height()) / 2),
                               size));
    const int barWidth = scroll_->sizeHint().width();
    scroll_->setGeometry(canvas_->width() - barWidth, 0, barWidth, canvas_->height());
}

void ContactListPage::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    placeCanvas();
}

void ContactListPage::rowsPerPage()
{
    // The title's height on the sheet, at printed size: the same on every
    // screen and on paper.
    RecordingSurface sheet;
    sheet.setFont(context_.state.PreferredFont, 10, true);
    rowCapacity_ = ContactRowCapacity(sheet.textHeight(), cellHeight_);
}

void ContactListPage::paginate()
{
    pageRows_ = ContactPageCount(ContactEntryCount(context_.state.Building, spec_.kind), rowCapacity_);
    currentPage_ = std::clamp(currentPage_, 1, pageRows_);
    const QSignalBlocker quiet(scroll_);
    scroll_->hide();
    scroll_->setValue(currentPage_ - 1);
    if (pageRows_ > 1) {
        scroll_->setRange(0, pageRows_ - 1);
        scroll_->setValue(currentPage_ - 1);
        scroll_->show();
    }
    zoom_ = 1;
    origin_ = QPointF();
    canvas_->update();
}

void ContactListPage::drawListPage(PageSurface &target, int zoom, double r, double s, int page) const
{
    PageSurface &surface = target;
    const BuildingData &building = context_.state.Building;
    const int count = ContactEntryCount(building, spec_.kind);
    const int first = rowCapacity_ * (page - 1);
    const int last = std::min(rowCapacity_ * page - 1, count - 1);
    const double z = zoom;
    double x0 = MarginX * z - Width * (z - 1) / 2;
    double y0 = MarginY * z - Height * (z - 1) / 2;
    double x1 = Width * z - MarginX * z - Width * (z - 1) / 2;
    double y1 = Height * z - MarginY * z - Height * (z - 1) / 2;
    if (zoom != 1) {
        x0 -= (r - Width / 2) * z;
        x1 -= (r - Width / 2) * z;
        y0 -= (s - Height / 2) * z;
        y1 -= (s - Height / 2) * z;
    }
    const double u = ColumnUnit * z;
    const double h = cellHeight_ * z;
    const QString &font = context_.state.PreferredFont;
    surface.setForeColour(Qt::black);

    surface.setFont(font, 10 * z, true);
    surface.drawText((x0 + x1) / 2 - surface.textWidth(spec_.title) / 2, y0, spec_.title);
    surface.drawText(x0, y0, building.BuildingId.trimmed());
    const QString date =
        QStringLiteral("Ημερομηνία: ") + LocaleService::formatDate(LocaleService::today(*context_.platform.clock));
    surface.drawText(x1 - surface.textWidth(date), y0, date);
    const double y = y0 + surface.textHeight(date);

    // Cell texts are cut to their cells, but a cut running number would name
    // another entry: its column takes the width the list's longest number
    // needs in the rows' font, whatever digits it has (one page unit spare
    // against rounding).
    surface.setFont(font, 9 * z, false);
    const int digits = int(QString::number(count).size());
    const double widestNumber =
        WidestNumberWidth(digits, [&surface](const QString &text) { return surface.textWidth(text); });
    const std::vector<double> widths = ContactColumnWidths(spec_, u, widestNumber + 2 * TextInset + 1, x1 - x0);

    const auto row = [&](double top, const QStringList &texts, bool bold, bool header) {
        double x = x0;
        for (std::size_t c = 0; c < spec_.columns.size(); ++c) {
            const ContactColumn &column = spec_.columns[c];
            const double right = x + widths[c];
            surface.drawBox(x, top, right, top + h, Qt::black);
            QString text = texts[qsizetype(c)];
            PrintTextInBox(text, x, top, right, top + h, surface, header || column.centred ? AlignCentre : AlignLeft,
                           bold, false, Qt::black);
            x = right;
        }
    };
    QStringList headers;
    for (const ContactColumn &column : spec_.columns)
        headers << column.header;
    row(y + h, headers, true, true);
    for (int p = first; p <= last; ++p) {
        const QStringList texts =
            QStringList{QString::number(p + 1)} + ContactCellTexts(building, spec_.kind, order_[std::size_t(p)]);
        row(y + 2 * h + (p - first) * h, texts, false, false);
    }
    if (pageRows_ >= 2) {
        surface.setFont(font, 6 * z, false);
        const QString footer = QStringLiteral("Σελίδα %1 από %2").arg(page).arg(pageRows_);
        surface.drawText(x1 - surface.textWidth(footer), y1 - surface.textHeight(footer), footer);
    }
}

void ContactListPage::storeCellHeight(float height)
{
    cellHeight_ = height;
    slot().Heights[0] = height;
    context_.state.DataChanged = true;
    rowsPerPage();
    paginate();
}

void ContactListPage::increaseHeight()
{
    if (cellHeight_ < MaxCellHeight)
        storeCellHeight(cellHeight_ + 1);
}

void ContactListPage::decreaseHeight()
{
    if (cellHeight_ >= MinCellHeight + 1)
        storeCellHeight(cellHeight_ - 1);
}

void ContactListPage::setAlphabetical(bool alphabetical)
{
    orderAction_->setChecked(alphabetical);
    order_ = ContactDisplayOrder(context_.state.Building, spec_.kind, alphabetical);
    canvas_->update();
}

void ContactListPage::chooseFont()
{
    const QString before = context_.state.PreferredFont;
    dialogs().fontOverview();
    if (context_.state.PreferredFont.compare(before, Qt::CaseInsensitive) != 0) {
        context_.state.DataChanged = true;
        canvas_->update();
    }
}

void ContactListPage::showPageSetupNote()
{
    context_.platform.messages->information(
        QStringLiteral("Διαμόρφωση σελίδας για τη συγκεκριμένη εκτύπωση"),
        QStringLiteral("Η συγκεκριμένη εκτύπωση έχει σχεδιασθεί για σελίδα Α4 σε οριζόντιο προσανατολισμό. ")
            + QStringLiteral("\r\n\r\n") + QStringLiteral("Για να ολοκληρωθεί η εκτύπωση, θα πρέπει ο εκτυπωτής σας, ")
            + QStringLiteral("είτε αυτός είναι πραγματικός είτε είναι προσομοιωτής εκτυπωτή, ")
            + QStringLiteral("να υποστηρίζει το συγκεκριμένο μέγεθος σελίδας με το συγκεκριμένο προσανατολισμό."));
}

void ContactListPage::sendToPrinter()
{
    const QString before = context_.state.PreferredFont;
    if (!context_.state.PrintingPossible) {
        ShowPrinterProblem(context_.platform);
        return;
    }
    const PrintChoice choice = dialogs().askPrintParameters(pageRows_, 1);
    if (context_.state.PreferredFont.compare(before, Qt::CaseInsensitive) != 0)
        canvas_->update();
    if (choice.confirmed)
        printList(choice.copies, choice.allPages);
}

bool ContactListPage::printList(int copies, bool allPages)
{
    const WaitCursor busy;
    PrintSetting sheet;
    sheet.PaperSize = 9;
    sheet.Portrait = False16;
    return PrintDocument(context_, sheet, copies, [this, allPages](PageSink &pages) {
        if (!allPages) {
            drawListPage(pages.nextPage(), 1, 0, 0, currentPage_);
            return;
        }
        for (int page = 1; page <= pageRows_; ++page)
            drawListPage(pages.nextPage(), 1, 0, 0, page);
    });
}

void ContactListPage::pagePressed(QPointF point, Qt::MouseButton button)
{
    if (button == Qt::RightButton) {
        close();
        return;
    }
    if (button != Qt::LeftButton)
        return;
    zoom_ = zoom_ == 1 ? 2 : 1;
    currentPage_ = scroll_->value() + 1;
    origin_ = zoom_ == 1 ? QPointF() : point;
    canvas_->update();
}

void ContactListPage::keyPressEvent(QKeyEvent *event)
{
    if (pageKey(event->key(), event->modifiers()))
        event->accept();
    else
        QDialog::keyPressEvent(event);
}

bool ContactListPage::pageKey(int key, Qt::KeyboardModifiers modifiers)
{
    // Shift may be needed to type "+"; with Ctrl or Alt a key belongs to the menus.
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (key) {
    case Qt::Key_PageDown:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_Up: {
        // The scroll bar pages, as its own arrows do.
        const bool forward = key == Qt::Key_PageDown || key == Qt::Key_Down;
        if (!scroll_->isHidden())
            scroll_->setValue(scroll_->value() + (forward ? 1 : -1));
        return true;
    }
    case Qt::Key_Plus:
        if (zoom_ == 1)
            pagePressed(QPointF(ContactPage::Width / 2, ContactPage::Height / 2), Qt::LeftButton);
        return true;
    case Qt::Key_Minus:
        if (zoom_ != 1)
            pagePressed(origin_, Qt::LeftButton);
        return true;
    default: return false;
    }
}

void ContactListPage::scrolledTo(int position)
{
    if (!scroll_->isVisible() && !scroll_->isVisibleTo(canvas_))
        return;
    zoom_ = 1;
    currentPage_ = position + 1;
    origin_ = QPointF();
    canvas_->update();
}

} // namespace kelvarino
