#include "register/orderwindow.h"

#include "platform/twips.h"
#include "register/datamenu.h"
#include "register/listgeneration.h"
#include "register/registerlook.h"
#include "register/windowopener.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPalette>
#include <QScrollBar>

#include <cmath>

namespace kelvarino {

namespace {

constexpr double HeaderTop = 60;
constexpr double NumberLeft = 60;
constexpr double NumberWidth = 375;
constexpr double NameLeft = 420;
constexpr double ScrollWidth = 180;

const char *RowProperty = "orderRow";
const char *NameProperty = "orderName";

QString cellStyle(const QColor &background, bool enabled)
{
    return QStringLiteral("QLabel { color: %1; background-color: %2; border: 1px solid #808080; }")
        .arg(enabled ? QStringLiteral("black") : QStringLiteral("#a0a0a0"), background.name());
}

} // namespace

OrderWindow::OrderWindow(AppContext &context, OrderSpec spec, QWidget *parent)
    : DataWindow(context, parent), spec_(std::move(spec))
{
    setWindowTitle(spec_.caption);
    ApplyWindowBackground(this, palette().color(QPalette::ToolTipBase));
    buildMenu();
}

OrderWindow::~OrderWindow() = default;

void OrderWindow::buildMenu()
{
    dataMenu_ = NewDataMenu(this, context().shell, true);
    if (!spec_.dataWindowCaption.isEmpty()) {
        connect(dataMenu_->addAction(spec_.dataWindowCaption), &QAction::triggered, this, [this] {
            if (CloseDataWindow(this))
                openDataWindow();
        });
        dataMenu_->addSeparator();
    }
    AddCloseItem(dataMenu_, this);
    menus_.append(dataMenu_);
    // "Βοήθεια" is a command on the menu bar itself.
    auto *help = new QMenu(QStringLiteral("Βοήθεια"), this);
    connect(help->menuAction(), &QAction::triggered, this, [this] {
        if (platform().help)
            platform().help->showTopic(8400);
    });
    menus_.append(help);
}

QFont OrderWindow::floatingFont() const
{
    QFont font;
    if (!state().PreferredFont.isEmpty())
        font.setFamily(state().PreferredFont);
    font.setPointSizeF(8);
    return font;
}

void OrderWindow::buildRows()
{
    const double rowHeight = spec_.rowHeightTwips;
    QFont numberFont(QStringLiteral("Arial"));
    numberFont.setPointSizeF(spec_.cellPointSize);
    QFont nameFont(QStringLiteral("Courier New"));
    nameFont.setStyleHint(QFont::TypeWriter);
    nameFont.setPointSizeF(spec_.cellPointSize);

    if (!numberHeader_) {
        numberHeader_ = MakeHeaderLabel(this, QStringLiteral("α/α"), QColor(0, 0, 255), 6.75);
        nameHeader_ = MakeHeaderLabel(this, spec_.nameHeader, QColor(0, 0, 255), 6.75);
        scroll_ = new QScrollBar(Qt::Vertical, this);
        scroll_->setSingleStep(1);
        scroll_->setPageStep(spec_.pageStep);
        connect(scroll_, &QScrollBar::valueChanged, this, [this](int value) {
            if (scroll_->isHidden())
                return;
            topOffset_ = -value;
            showData();
        });
        floating_ = new QLabel(this);
        floating_->setAutoFillBackground(true);
        QPalette palette = floating_->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::HighlightedText));
        palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
        floating_->setPalette(palette);
        floating_->setAttribute(Qt::WA_TransparentForMouseEvents);
        floating_->hide();
    }
    numberHeader_->setGeometry(Twips::rect(NumberLeft, HeaderTop, NumberWidth, rowHeight));
    nameHeader_->setGeometry(Twips::rect(NameLeft, HeaderTop, spec_.nameWidthTwips, rowHeight));
    const double firstTop = HeaderTop + rowHeight;

    const int count = recordCount();
    int rows = 0;
    double clientHeight = 0;
    scroll_->hide();
    if (spec_.fixedRows) {
        rows = count;
        clientHeight = 2 * HeaderTop + (rows + 1) * rowHeight;
    } else {
        const double mainHeight = context().shell ? context().shell->clientHeightTwips() : 9000;
        clientHeight = mainHeight - ChildFrameTwips;
        rows = std::max(1, int(std::floor((clientHeight - rowHeight - firstTop) / rowHeight)));
        scroll_->setGeometry(Twips::rect(spec_.clientWidthTwips - ScrollWidth, firstTop, ScrollWidth, rows * rowHeight));
        if (rows < count) {
            scroll_->setRange(0, count - rows);
            scroll_->setValue(0);
            scroll_->show();
        } else {
            rows = count;
            clientHeight = 2 * HeaderTop + (count + 1) * rowHeight;
        }
    }
    clearRows();
    for (int r = 0; r < rows; ++r) {
        Row row;
        row.number = new QLabel(this);
        row.number->setAlignment(Qt::AlignCenter);
        row.number->setFont(numberFont);
        row.name = new QLabel(this);
        row.name->setFont(nameFont);
        row.name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        row.name->setTextFormat(Qt::PlainText);
        const double top = firstTop + r * rowHeight;
        row.number->setGeometry(Twips::rect(NumberLeft, top, NumberWidth, rowHeight));
        row.name->setGeometry(Twips::rect(NameLeft, top, spec_.nameWidthTwips, rowHeight));
        for (QLabel *cell : {row.number, row.name}) {
            cell->setProperty(RowProperty, r);
            cell->setProperty(NameProperty, cell == row.name);
            cell->setMouseTracking(true);
            cell->installEventFilter(this);
            cell->show();
        }
        rows_.push_back(row);
    }
    floating_->raise();
    setFixedSize(Twips::toPixels(spec_.clientWidthTwips), Twips::toPixels(clientHeight));
    builtCount_ = count;
    topOffset_ = 0;
    showData();
}

void OrderWindow::clearRows()
{
    // The filter comes off first: a label's own destruction sends events that
    // must not reach the window while the label is half destroyed.
    for (Row &row : rows_)
        for (QLabel *cell : {row.number, row.name}) {
            cell->removeEventFilter(this);
            delete cell;
        }
    rows_.clear();
}

void OrderWindow::rebuildIfChanged()
{
    if (builtCount_ != recordCount()) {
        floating_->hide();
        buildRows();
    } else if (shownGeneration_ != ListGeneration()) {
        floating_->hide();
        showData();
    }
}

void OrderWindow::showData()
{
    if (builtCount_ != recordCount()) {
        // Records were added or deleted elsewhere: the rows are built anew.
        floating_->hide();
        buildRows();
        return;
    }
    const int count = recordCount();
    topOffset_ = std::clamp(topOffset_, -std::max(0, count - rowCount()), 0);
    for (int r = 0; r < rowCount(); ++r) {
        const int k = r - topOffset_;
        const QColor background = k % 2 == 0 ? QColor(255, 255, 240) : QColor(240, 240, 240);
        const Row &row = rows_[std::size_t(r)];
        row.number->setText(QString::number(k + 1) + QLatin1Char('.'));
        row.name->setText(rowText(k));
        row.number->setStyleSheet(cellStyle(background, true));
        row.name->setStyleSheet(cellStyle(background, !fixedRecord(k)));
        row.name->setEnabled(!fixedRecord(k));
    }
    shownGeneration_ = ListGeneration();
}

bool OrderWindow::isCarrying() const
{
    return floating_ && !floating_->isHidden();
}

QLabel *OrderWindow::numberCell(int row) const
{
    return row >= 0 && row < rowCount() ? rows_[std::size_t(row)].number : nullptr;
}

QLabel *OrderWindow::nameCell(int row) const
{
    return row >= 0 && row < rowCount() ? rows_[std::size_t(row)].name : nullptr;
}

void OrderWindow::clickRow(int row)
{
    if (builtCount_ != recordCount() || shownGeneration_ != ListGeneration()) {
        // The list changed behind the window: nothing is picked from a stale row.
        rebuildIfChanged();
        return;
    }
    if (row < 0 || row >= rowCount())
        return;
    const int k = row - topOffset_;
    if (fixedRecord(k))
        return;
    if (!isCarrying()) {
        pickedIndex_ = k;
        const QString text = QStringLiteral("  ") + rows_[std::size_t(row)].name->text() + QStringLiteral("  ");
        floating_->setFont(floatingFont());
        floating_->setText(text);
        const QFontMetrics metrics(floating_->font());
        floating_->resize(metrics.horizontalAdvance(text), Twips::toPixels(spec_.rowHeightTwips));
        floating_->raise();
        floating_->show();
        return;
    }
    moveBusy_ = true;
    dropIndex_ = k;
    dataMenu_->setEnabled(false);
    setCursor(Qt::WaitCursor);
    floating_->hide();
    move(pickedIndex_, dropIndex_);
    if (pickedIndex_ != dropIndex_) {
        shownGeneration_ = NextListGeneration();
        if (context().shell)
            context().shell->refreshOtherWindows(this);
    }
    showData();
    unsetCursor();
    moveBusy_ = false;
    dataMenu_->setEnabled(true);
}

void OrderWindow::cancelPick()
{
    floating_->hide();
}

void OrderWindow::follow(QLabel *cell, const QPoint &at, bool nameCellHit)
{
    if (!floating_)
        return;
    const int left = cell->x() + at.x() + Twips::toPixels(nameCellHit ? 120 : 30);
    const int top = cell->y() + at.y() - floating_->height() / 2;
    floating_->move(left, top);
}

bool OrderWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QVariant row = watched->property(RowProperty);
    if (row.isValid()) {
        if (event->type() == QEvent::MouseButtonPress) {
            clickRow(row.toInt());
            return true;
        }
        if (event->type() == QEvent::MouseMove)
            if (auto *cell = qobject_cast<QLabel *>(watched))
                follow(cell, static_cast<QMouseEvent *>(event)->position().toPoint(),
                       watched->property(NameProperty).toBool());
    }
    return DataWindow::eventFilter(watched, event);
}

void OrderWindow::mousePressEvent(QMouseEvent *event)
{
    cancelPick();
    DataWindow::mousePressEvent(event);
}

void OrderWindow::closeEvent(QCloseEvent *event)
{
    if (platform().help)
        platform().help->closeAll();
    if (!canClose()) {
        event->ignore();
        return;
    }
    floating_->hide();
    event->accept();
}

} // namespace kelvarino
