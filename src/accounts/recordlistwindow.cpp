#include "accounts/recordlistwindow.h"

#include "core/formatting.h"
#include "core/listfilters.h"
#include "core/recordmaintenance.h"
#include "platform/twips.h"
#include "register/datamenu.h"
#include "register/dateboxfit.h"
#include "register/grideditor.h"
#include "register/gridkeynavigate.h"
#include "register/listgeneration.h"
#include "register/registerlook.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace kelvarino {

namespace {

const char *RowProperty = "listRow";
const char *ButtonRowProperty = "listButtonRow";
const char *ButtonProperty = "listButton";
const char *EnterAddsProperty = "enterAdds";

quint64 Mix(quint64 seed, quint64 value)
{
    return seed ^ (value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2));
}

template <std::size_t N>
quint64 Mix(quint64 seed, const FixedText<N> &text)
{
    return Mix(seed, qHashBits(text.data(), N));
}

quint64 Mix(quint64 seed, const std::vector<OccupancyPeriod> &periods)
{
    seed = Mix(seed, periods.size());
    for (const OccupancyPeriod &p : periods)
        seed = Mix(seed, qHashMulti(0, p.Person, p.Flat, p.FromDate, p.ToDate));
    return seed;
}

QColor NumberColour() { return QColor(0, 0, 255); }

QFont FixedPitchFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

// A list cell: its colours with a thin black border (a thick one on the row
// number that has the keyboard focus); rewritten only when they change.
void PaintCell(QLabel *label, const QColor &text, const QColor &background)
{
    const QString style = QStringLiteral("QLabel { color: %1; background-color: %2; border: 1px solid black; }"
                                         " QLabel:focus { border: 2px solid %1; }")
                              .arg(text.name(), background.name());
    if (label->styleSheet() != style)
        label->setStyleSheet(style);
}

void Paint(QLabel *label, const QColor &text, const QColor &background)
{
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, text);
    colours.setColor(QPalette::Window, background);
    label->setPalette(colours);
}

} // namespace

quint64 FlatsSignature(const BuildingData &b)
{
    quint64 seed = Mix(ListGeneration(), b.Flats.size());
    for (const FlatRecord &flat : b.Flats)
        seed = Mix(Mix(seed, flat.ShortName), flat.Description);
    return seed;
}

quint64 RegisterSignature(const BuildingData &b)
{
    quint64 seed = Mix(FlatsSignature(b), b.Persons.size());
    for (const auto &label : b.CategoryLabels)
        seed = Mix(seed, label);
    return Mix(Mix(seed, b.Owners), b.Residents);
}

RecordListWindow::RecordListWindow(AppContext &context, std::vector<ListColumn> columns, ListTexts texts,
                                   ListGeometry geometry, QWidget *parent)
    : DataWindow(context, parent), columns_(std::move(columns)), texts_(std::move(texts)),
      geometry_(std::move(geometry)), entries_(new EntryBoxes(this))
{
    setWindowTitle(texts_.caption);
    fitNumberColumn();
    ApplyWindowBackground(this, QColor(255, 255, 255));
    frame_ = new QGroupBox(this);
    frame_->setGeometry(Twips::rect(geometry_.frameLeft, geometry_.frameTop, geometry_.frameWidth,
                                    geometry_.frameHeight));
    frame_->setAutoFillBackground(true);
    QPalette colours = frame_->palette();
    colours.setColor(QPalette::Window, QColor(255, 255, 224));
    frame_->setPalette(colours);
    frame_->setStyleSheet(QStringLiteral("QGroupBox { background-color: #ffffe0; border: 1px solid #808080;"
                                         " margin-top: 8px; font-weight: bold; }"
                                         " QGroupBox::title { subcontrol-origin: margin; left: 8px; }"));
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        // Coming back from another window: it may have changed the data.
        if (now && isAncestorOf(now) && !(old && isAncestorOf(old)))
            syncWithData();
    });
}

RecordListWindow::~RecordListWindow()
{
    // The member's frame record is gone by now: no box of the frame may store
    // into it while the boxes are being deleted.
    entries_->release();
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void RecordListWindow::buildMenus()
{
    dataMenu_ = NewDataMenu(this, context().shell, false);
    connect(dataMenu_->addAction(texts_.deleteAllCaption), &QAction::triggered, this, [this] { deleteAllListed(); });
    dataMenu_->addSeparator();
    AddCloseItem(dataMenu_, this);
    menus_ = {dataMenu_};
    if (!hasFilter())
        return;
    filterMenu_ = new QMenu(QStringLiteral("Φίλτρα"), this);
    connect(filterMenu_->addAction(QStringLiteral("Ορισμός φίλτρου")), &QAction::triggered, this,
            [this] { setFilters(); });
    connect(filterMenu_->addAction(QStringLiteral("Αφαίρεση όλων των φίλτρων")), &QAction::triggered, this,
            [this] { clearFilters(); });
    menus_.append(filterMenu_);
}

QToolButton *RecordListWindow::makeAcceptButton(const QString &toolTip)
{
    accept_ = MakeImageButton(frame_, CreateIcon(), toolTip);
    accept_->setIconSize(QSize(28, 28));
    connect(accept_, &QToolButton::clicked, this, [this] { addRecord(); });
    return accept_;
}

QLabel *RecordListWindow::addTotal(const QString &caption, double captionLeft, double captionWidth,
                                   double valueLeft, double valueWidth)
{
    captionLeft = shiftedLeft(captionLeft);
    valueLeft = shiftedLeft(valueLeft);
    auto *label = new QLabel(caption, this);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameShape(QFrame::Box);
    label->setAutoFillBackground(true);
    Paint(label, Qt::white, QColor(0, 128, 0));
    label->setGeometry(Twips::rect(captionLeft, 120, captionWidth, LineHeight));
    auto *value = new QLabel(this);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setFrameShape(QFrame::Box);
    value->setAutoFillBackground(true);
    value->setFont(FixedPitchFont());
    Paint(value, QColor(0, 128, 0), Qt::white);
    value->setGeometry(Twips::rect(valueLeft, 120, valueWidth, LineHeight));
    return value;
}

QLabel *RecordListWindow::addFrameCaption(const QString &text, double left, double top, double width,
                                          const QColor &background, const QColor &textColour)
{
    auto *label = new QLabel(text, frame_);
    label->setAutoFillBackground(true);
    Paint(label, textColour, background);
    label->setGeometry(Twips::rect(left, top, width, LineHeight));
    return label;
}

void RecordListWindow::placeInFrame(QWidget *box, double left, double top, double width, double height)
{
    box->setParent(frame_);
    box->setGeometry(Twips::rect(left, top, width, height));
    box->show();
}

void RecordListWindow::addOnEnter(QWidget *box)
{
    box->setProperty(EnterAddsProperty, true);
    box->installEventFilter(this);
}

void RecordListWindow::addRowButton(ListRowButton button)
{
    button.left = shiftedLeft(button.left);
    rowButtons_.push_back(std::move(button));
}

void RecordListWindow::fitNumberColumn()
{
    // The running number of a full list (32767) shows whole: its column
    // widens, and what stands to its right (the columns, the row buttons, the
    // totals, the frame's right edge, the scroll bar) moves along.
    const QFontMetrics metrics(font());
    const double widest = WidestNumberWidth(int(QString::number(MaxListCount).size()),
                                            [&metrics](const QString &text) { return metrics.horizontalAdvance(text); });
    // The cell's border and a pixel of air on each side, and a pixel for the
    // rounding of twips to pixels.
    const double needed = Twips::fromPixels(int(std::ceil(widest)) + 5, this);
    numberShift_ = std::max(0.0, needed - columns_.front().width);
    if (numberShift_ == 0)
        return;
    for (ListColumn &column : columns_)
        column.left = shiftedLeft(column.left);
    columns_.front().width = needed;
    geometry_.scrollLeft += numberShift_;
    geometry_.clientWidth += numberShift_;
    geometry_.frameWidth += numberShift_;
}

double RecordListWindow::shiftedLeft(double left) const
{
    return left > columns_.front().left ? left + numberShift_ : left;
}

void RecordListWindow::buildList()
{
    const double rowHeight = geometry_.rowHeight;
    const double firstRowTop = geometry_.headerTop + rowHeight;
    visibleRows_ = RowsFittingMainWindow(context(), firstRowTop, rowHeight, MinimumRows);

    buildMenus();
    for (const ListColumn &c : columns_)
        MakeHeaderLabel(this, c.header, c.headerColour)
            ->setGeometry(Twips::rect(c.left, geometry_.headerTop, c.width, rowHeight));
    rows_.reserve(std::size_t(visibleRows_));
    for (int r = 0; r < visibleRows_; ++r)
        rows_.push_back(makeRow(r));
    scroll_ = new QScrollBar(Qt::Vertical, this);
    scroll_->setGeometry(Twips::rect(geometry_.scrollLeft, firstRowTop, 180, visibleRows_ * rowHeight));
    scroll_->setSingleStep(1);
    scroll_->setPageStep(visibleRows_);
    scroll_->hide();
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int value) { onScroll(value); });
    setFixedSize(Twips::toPixels(geometry_.clientWidth),
                 Twips::toPixels((visibleRows_ + 1) * rowHeight + firstRowTop));

    FitDateBoxes(this);

    resetFilter();
    fillEntryLists(true);
    clearEntryFrame();
    noteSignatures();
    rebuildList();
}

RecordListWindow::Row RecordListWindow::makeRow(int row)
{
    Row r;
    const double rowHeight = geometry_.rowHeight;
    const double top = geometry_.headerTop + rowHeight * (row + 1);
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        const ListColumn &column = columns_[c];
        auto *label = new QLabel(this);
        label->setAlignment(c == 0 ? Qt::AlignCenter : column.alignment);
        label->setToolTip(texts_.rowToolTip);
        label->setCursor(Qt::PointingHandCursor);
        if (column.fixedPitch)
            label->setFont(FixedPitchFont());
        if (c > 0 && geometry_.cellIndent > 0)
            label->setIndent(geometry_.cellIndent);
        label->setGeometry(Twips::rect(column.left, top, column.width, rowHeight));
        label->setProperty(RowProperty, row);
        label->installEventFilter(this);
        // The row number is the row's place in the Tab order: Enter or the
        // space bar there opens the record as a click does.
        if (c == 0)
            label->setFocusPolicy(Qt::TabFocus);
        PaintCell(label, c == 0 ? NumberColour() : column.textColour, Qt::white);
        label->hide();
        r.cells.push_back(label);
    }
    for (std::size_t b = 0; b < rowButtons_.size(); ++b) {
        const ListRowButton &kind = rowButtons_[b];
        auto *button = new QPushButton(kind.caption, this);
        button->setToolTip(kind.toolTip);
        // In the Tab order after the row's number; Enter presses it as the space bar does.
        button->setFocusPolicy(Qt::TabFocus);
        button->setProperty(ButtonRowProperty, row);
        button->setProperty(ButtonProperty, int(b));
        button->installEventFilter(this);
        button->setGeometry(Twips::rect(kind.left, top, kind.width, rowHeight));
        connect(button, &QPushButton::clicked, this, [this, row, b] { rowButton(row, int(b)); });
        button->hide();
        r.buttons.push_back(button);
    }
    return r;
}

QLabel *RecordListWindow::cell(int row, int column) const
{
    if (row < 0 || row >= int(rows_.size()) || column < 0 || column >= int(columns_.size()))
        return nullptr;
    return rows_[std::size_t(row)].cells[std::size_t(column)];
}

QPushButton *RecordListWindow::rowButtonAt(int row, int button) const
{
    if (row < 0 || row >= int(rows_.size()) || button < 0 || button >= int(rowButtons_.size()))
        return nullptr;
    return rows_[std::size_t(row)].buttons[std::size_t(button)];
}

std::pair<QColor, QColor> RecordListWindow::cellColours(int, int column) const
{
    return {column == 0 ? NumberColour() : columns_[std::size_t(column)].textColour, Qt::white};
}

quint64 RecordListWindow::listSignature() const
{
    return Mix(RegisterSignature(state().Building), quint64(recordCount()));
}

void RecordListWindow::noteSignatures()
{
    flatsSignature_ = FlatsSignature(state().Building);
    listSignature_ = listSignature();
}

bool RecordListWindow::syncWithData()
{
    if (listSignature() == listSignature_)
        return true;
    // What the frame's box still holds is stored before its lists are filled anew.
    storeTypedText();
    const bool flatsChanged = FlatsSignature(state().Building) != flatsSignature_;
    fillEntryLists(flatsChanged);
    noteSignatures();
    const int wanted = firstShown_;
    rebuildList();
    keepPosition(wanted);
    return false;
}

void RecordListWindow::rebuildList()
{
    listed_ = listRecords();
    listSignature_ = listSignature();
    firstShown_ = 0;
    showData();
}

void RecordListWindow::keepPosition(int wanted)
{
    const int count = int(listed_.size());
    firstShown_ = count <= visibleRows_ ? 0 : std::clamp(wanted, 0, count - visibleRows_);
    showData();
}

void RecordListWindow::showData()
{
    if (rows_.empty())
        return;
    if (!redrawing_ && listSignature() != listSignature_) {
        syncWithData();
        return;
    }
    redrawing_ = true;
    const int count = int(listed_.size());
    const int shown = std::clamp(count - firstShown_, 0, visibleRows_);
    scroll_->hide();
    for (int r = 0; r < visibleRows_; ++r) {
        if (r < shown)
            showRow(r, firstShown_ + r);
        else
            hideRow(r);
    }
    if (count > visibleRows_) {
        scroll_->setRange(0, count - visibleRows_);
        scroll_->setValue(firstShown_);
        scroll_->show();
    }
    redrawing_ = false;
}

void RecordListWindow::showRow(int row, int position)
{
    const int index = listed_[std::size_t(position)];
    Row &r = rows_[std::size_t(row)];
    const int count = int(listed_.size());
    for (std::size_t c = 0; c < r.cells.size(); ++c) {
        QLabel *label = r.cells[c];
        label->setText(c == 0 ? QString::number(ListedNumber(count, position)) : cellText(index, int(c)));
        const auto [text, background] = cellColours(index, int(c));
        PaintCell(label, text, background);
        label->show();
    }
    for (std::size_t b = 0; b < r.buttons.size(); ++b) {
        r.buttons[b]->setEnabled(rowButtonEnabled(int(b)));
        r.buttons[b]->show();
    }
}

void RecordListWindow::hideRow(int row)
{
    Row &r = rows_[std::size_t(row)];
    for (QLabel *label : r.cells)
        label->hide();
    for (QPushButton *button : r.buttons)
        button->hide();
}

void RecordListWindow::onScroll(int value)
{
    if (redrawing_ || scroll_->isHidden())
        return;
    firstShown_ = value;
    showData();
}

void RecordListWindow::wheelEvent(QWheelEvent *event)
{
    if (!scroll_->isHidden())
        QApplication::sendEvent(scroll_, event);
    event->accept();
}

bool RecordListWindow::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        && watched->property(EnterAddsProperty).isValid()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat()) {
            // Only an Enter pressed and released in the box adds: the release
            // of the Enter that closed a message box of the add is not one.
            if (event->type() == QEvent::KeyPress) {
                enterPressedIn_ = watched;
                return false;
            }
            const bool pressedHere = enterPressedIn_ == watched;
            enterPressedIn_ = nullptr;
            if (pressedHere)
                addRecord();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && rowKey(watched, static_cast<QKeyEvent *>(event)))
        return true;
    const QVariant row = watched->property(RowProperty);
    if (row.isValid()) {
        if (event->type() == QEvent::MouseButtonRelease
            && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            openRow(row.toInt());
            return true;
        }
        if (event->type() == QEvent::Wheel) {
            wheelEvent(static_cast<QWheelEvent *>(event));
            return true;
        }
    }
    return DataWindow::eventFilter(watched, event);
}

bool RecordListWindow::rowKey(QObject *watched, const QKeyEvent *key)
{
    const QVariant numberRow = watched->property(RowProperty);
    const QVariant buttonRow = watched->property(ButtonRowProperty);
    if (!numberRow.isValid() && !buttonRow.isValid())
        return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier))
        return false;
    const int k = key->key();
    if (numberRow.isValid() && (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space)) {
        openRow(numberRow.toInt());
        return true;
    }
    if (buttonRow.isValid() && (k == Qt::Key_Return || k == Qt::Key_Enter)) {
        static_cast<QPushButton *>(watched)->click(); // the space bar presses it by itself
        return true;
    }
    // Up and Down move to the same place of the row above or below, and
    // scroll the list at its ends; Page Up and Page Down scroll a page.
    const int row = numberRow.isValid() ? numberRow.toInt() : buttonRow.toInt();
    const int button = numberRow.isValid() ? -1 : watched->property(ButtonProperty).toInt();
    const int shown = std::clamp(int(listed_.size()) - firstShown_, 0, visibleRows_);
    return GridKeyNavigate(
        [this, button](int r) -> QWidget * {
            return button < 0 ? static_cast<QWidget *>(cell(r, 0)) : rowButtonAt(r, button);
        },
        row, key->key(), shown, scroll_);
}

void RecordListWindow::markChanged()
{
    state().DataChanged = true;
}

// ---- Commands ----------------------------------------------------------

void RecordListWindow::addRecord()
{
    storeTypedText();
    // A flat chosen before the flats changed elsewhere is cleared here.
    syncWithData();
    if (!newRecordMayBeStored())
        return;
    if (!CanAddRecord(std::size_t(recordCount()))) {
        platform().messages->exclamation(texts_.fullTitle, texts_.fullText);
        return;
    }
    const int before = firstShown_;
    appendNewRecord();
    markChanged();
    clearEntryFrame();
    rebuildList();
    if (addKeepsPosition())
        keepPosition(before);
}

void RecordListWindow::openRow(int row)
{
    storeTypedText();
    if (!syncWithData())
        return;
    const int position = firstShown_ + row;
    if (row < 0 || row >= visibleRows_ || position >= int(listed_.size()))
        return;
    const int index = listed_[std::size_t(position)];
    QLabel *number = rows_[std::size_t(row)].cells.front();
    PaintCell(number, NumberColour(), QColor(255, 255, 0));
    const int answer = editRecord(index);
    PaintCell(number, NumberColour(), Qt::white);
    const int before = firstShown_;
    if (answer == -1) {
        const MessageAnswer sure = platform().messages->show({texts_.deleteOneTitle, texts_.deleteOneText,
                                                              MessageIcon::Exclamation, MessageButtons::YesNo,
                                                              MessageAnswer::Yes});
        if (sure != MessageAnswer::Yes)
            return;
        deleteRecords({index});
        markChanged();
        rebuildList();
        keepPosition(before > 0 && int(listed_.size()) > visibleRows_ ? before - 1 : 0);
    } else if (answer == 1) {
        rebuildList();
        keepPosition(before);
        markChanged();
    }
}

void RecordListWindow::rowButton(int row, int button)
{
    storeTypedText();
    if (!syncWithData() || !rowButtonAt(row, button) || !rowButtonEnabled(button))
        return;
    const int position = firstShown_ + row;
    if (position < int(listed_.size()))
        rowButtonClicked(button, listed_[std::size_t(position)]);
}

void RecordListWindow::deleteAllListed()
{
    storeTypedText();
    if (!syncWithData())
        return;
    const int count = int(listed_.size());
    if (count == 0) {
        platform().messages->information(texts_.deleteAllTitle, texts_.deleteAllNothing);
        return;
    }
    QString question = texts_.deleteAllQuestion;
    if (question.contains(QLatin1String("%1")))
        question = question.arg(count);
    const MessageAnswer sure = platform().messages->show(
        {texts_.deleteAllTitle, question, MessageIcon::Exclamation, MessageButtons::YesNo, MessageAnswer::Yes});
    if (sure != MessageAnswer::Yes)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    deleteRecords(listed_);
    QApplication::restoreOverrideCursor();
    markChanged();
    clearFilters();
}

void RecordListWindow::setFilters()
{
    storeTypedText();
    syncWithData();
    if (showFilterDialog())
        rebuildList();
}

void RecordListWindow::clearFilters()
{
    storeTypedText();
    resetFilter();
    rebuildList();
}

} // namespace kelvarino
