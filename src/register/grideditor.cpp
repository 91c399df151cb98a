#include "register/grideditor.h"

#include "core/codepage1253.h"
#include "core/fixedtext.h"
#include "core/formatting.h"
#include "core/recordmaintenance.h"
#include "platform/twips.h"
#include "register/amountentry.h"
#include "register/datamenu.h"
#include "register/dateentry.h"
#include "register/gridkeynavigate.h"
#include "register/listgeneration.h"
#include "register/registerlook.h"
#include "register/textentry.h"
#include "register/windowopener.h"
#include "shell/childframe.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QStringListModel>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace kelvarino {

namespace {

constexpr double DeleteWidth = 315;
constexpr double NumberWidth = 495;
constexpr double AcceptWidth = 315;
constexpr double ScrollWidth = 180;

const char *RowProperty = "gridRow";
const char *ColumnProperty = "gridColumn";
const char *HeaderProperty = "gridHeader";

} // namespace

GridColumn NameColumn(const QString &header, double widthTwips)
{
    GridColumn name;
    name.header = header;
    name.widthTwips = widthTwips;
    name.headerColour = QColor(255, 0, 0);
    name.textColour = QColor(255, 0, 0);
    name.bold = true;
    name.requiredName = true;
    return name;
}

GridEditor::GridEditor(AppContext &context, std::vector<GridColumn> columns, GridTexts texts,
                       GridGeometry geometry, QWidget *parent)
    : DataWindow(context, parent), columns_(std::move(columns)), texts_(std::move(texts)),
      geometry_(std::move(geometry))
{
    for (int c = 0; c < int(columns_.size()); ++c) {
        if (columns_[std::size_t(c)].requiredName && nameColumn_ < 0)
            nameColumn_ = c;
        QStringListModel *model = nullptr;
        if (columns_[std::size_t(c)].kind == GridColumn::Choice)
            model = new QStringListModel(columns_[std::size_t(c)].choices, this);
        choiceModels_.push_back(model);
    }
    setWindowTitle(texts_.caption);
    ApplyWindowBackground(this, QColor(255, 255, 224));
    buildMenu();
}

GridEditor::~GridEditor()
{
    // The members' data is gone by now: no box may reach the window while the
    // boxes are being deleted.
    listenToCells(false);
    for (const Row &r : rows_)
        for (QWidget *cell : r.cells)
            cell->disconnect(this);
}

void GridEditor::listenToCells(bool listen)
{
    if (listen == listening_)
        return;
    listening_ = listen;
    for (const Row &r : rows_)
        for (QWidget *cell : r.cells) {
            if (listen)
                cell->installEventFilter(this);
            else
                cell->removeEventFilter(this);
        }
}

QList<QMenu *> GridEditor::menus() const
{
    return menus_;
}

void GridEditor::addMenu(QMenu *menu)
{
    menus_.append(menu);
}

void GridEditor::buildMenu()
{
    dataMenu_ = NewDataMenu(this, context().shell, texts_.saveAsShortcut, [this] { commitFocusedCell(); });
    if (!texts_.importCaption.isEmpty())
        connect(dataMenu_->addAction(texts_.importCaption), &QAction::triggered, this, [this] { pasteNames(); });
    connect(dataMenu_->addAction(texts_.deleteAllCaption), &QAction::triggered, this, [this] {
        commitFocusedCell();
        if (!inSync())
            showData();
        deleteAll();
    });
    dataMenu_->addSeparator();
    if (!texts_.orderCaption.isEmpty()) {
        orderAction_ = dataMenu_->addAction(texts_.orderCaption);
        connect(orderAction_, &QAction::triggered, this, [this] {
            commitFocusedCell();
            if (recordCount() < 2) {
                platform().messages->exclamation(texts_.orderTitle, texts_.orderText);
                return;
            }
            if (closeWindow())
                openOrderWindow();
        });
        dataMenu_->addSeparator();
    }
    AddCloseItem(dataMenu_, this);
    menus_.append(dataMenu_);
}

bool GridEditor::closeWindow()
{
    return CloseDataWindow(this);
}

double GridEditor::rowTopTwips() const
{
    return geometry_.headerTopTwips + RowHeight;
}

int RowsFittingMainWindow(const AppContext &context, double firstRowTop, double rowHeight, int minimumRows)
{
    const double mainHeight = context.shell ? context.shell->clientHeightTwips() : 9000;
    const int rows = int(std::floor((mainHeight - ChildFrameTwips - firstRowTop - 2 * rowHeight) / rowHeight));
    return std::max(rows, minimumRows);
}

void GridEditor::fitRowsToMainWindow()
{
    rowCount_ = RowsFittingMainWindow(context(), rowTopTwips(), RowHeight, MinimumRows);
}

void GridEditor::buildGrid()
{
    fitRowsToMainWindow();
    holdUntouchedTemplate();
    layoutHeaders();
    rows_.reserve(std::size_t(rowCount_));
    for (int i = 0; i < rowCount_; ++i)
        rows_.push_back(makeRow(i));
    const double clientHeight = (rowCount_ + 1) * RowHeight + rowTopTwips();
    double width = geometry_.clientWidthTwips;
    if (width <= 0)
        width = acceptLeft_ + AcceptWidth + 90 + ScrollWidth - gridLeft_ + 240;
    setFixedSize(Twips::toPixels(width), Twips::toPixels(clientHeight));
    topOffset_ = 0;
    showData();
}

void GridEditor::layoutHeaders()
{
    double columnsWidth = 0;
    for (const GridColumn &c : columns_)
        columnsWidth += c.widthTwips;
    const double gridWidth = DeleteWidth + 60 + NumberWidth + columnsWidth + 60 + AcceptWidth + 90 + ScrollWidth;
    const double clientWidth = geometry_.clientWidthTwips > 0 ? geometry_.clientWidthTwips : gridWidth + 240;
    gridLeft_ = clientWidth / 2 - gridWidth / 2;
    const double headerTop = geometry_.headerTopTwips;
    const double numberLeft = gridLeft_ + DeleteWidth + 60;

    numberHeader_ = MakeHeaderLabel(this, QStringLiteral("α/α"), QColor(0, 0, 255));
    numberHeader_->setGeometry(Twips::rect(numberLeft, headerTop, NumberWidth, RowHeight));
    double left = numberLeft + NumberWidth;
    for (const GridColumn &c : columns_) {
        QLabel *header = MakeHeaderLabel(this, c.header, c.headerColour);
        header->setWordWrap(true);
        header->setToolTip(c.headerToolTip);
        if (!c.headerToolTip.isEmpty()) {
            header->setCursor(Qt::PointingHandCursor);
            header->setProperty(HeaderProperty, int(headers_.size()));
            header->installEventFilter(this);
        }
        const double top = headerTop + RowHeight - c.headerHeightTwips;
        header->setGeometry(Twips::rect(left, top, c.widthTwips, c.headerHeightTwips));
        headers_.push_back(header);
        left += c.widthTwips;
    }
    acceptLeft_ = left + 60;
    if (!texts_.gridTitle.isEmpty()) {
        title_ = MakeHeaderLabel(this, texts_.gridTitle, geometry_.titleColour, 12);
        const double width = geometry_.titleWidthTwips > 0 ? geometry_.titleWidthTwips : left - numberLeft;
        title_->setGeometry(Twips::rect(numberLeft, geometry_.titleTopTwips, width, geometry_.titleHeightTwips));
    }

    accept_ = MakeImageButton(this, CreateIcon(), texts_.acceptToolTip);
    connect(accept_, &QToolButton::clicked, this, [this] { createRecord(); });
    accept_->hide();

    scroll_ = new QScrollBar(Qt::Vertical, this);
    scroll_->setGeometry(Twips::rect(acceptLeft_ + AcceptWidth + 90, rowTopTwips(), ScrollWidth, RowHeight * rowCount_));
    scroll_->setMinimum(0);
    scroll_->setSingleStep(1);
    scroll_->setPageStep(20);
    scroll_->hide();
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int value) { onScroll(value); });
}

GridEditor::Row GridEditor::makeRow(int row)
{
    Row r;
    r.remove = MakeImageButton(this, DeleteIcon(), texts_.deleteToolTip);
    connect(r.remove, &QToolButton::clicked, this, [this, row] { deleteRow(row); });
    r.number = MakeRowNumberLabel(this);
    for (int c = 0; c < int(columns_.size()); ++c) {
        const GridColumn &column = columns_[std::size_t(c)];
        QWidget *cell = nullptr;
        if (column.kind == GridColumn::Choice) {
            auto *box = new QComboBox(this);
            // Every row shows the same entries: one list serves them all, and
            // the box never measures its entries (a list may hold thousands).
            box->setModel(choiceModels_[std::size_t(c)]);
            box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            if (auto *view = qobject_cast<QListView *>(box->view()))
                view->setUniformItemSizes(true);
            connect(box, &QComboBox::activated, this, [this, row, c](int index) { onChoice(row, c, index); });
            cell = box;
        } else {
            auto *box = MakeCellEdit(this, column.textColour, column.bold);
            if (column.kind == GridColumn::Amount) {
                box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                connect(box, &QLineEdit::textEdited, this, [this, row, c] { onAmountEdited(row, c); });
            } else if (column.kind == GridColumn::Date) {
                // A date is read when the box is left; typing only binds the box to its record.
                connect(box, &QLineEdit::textEdited, this, [this, row, c] { onDateEdited(row, c); });
            } else {
                connect(box, &QLineEdit::textEdited, this, [this, row, c] { onTextEdited(row, c); });
            }
            cell = box;
        }
        cell->setProperty(RowProperty, row);
        cell->setProperty(ColumnProperty, c);
        cell->installEventFilter(this);
        r.cells.push_back(cell);
    }
    if (!texts_.actionToolTip.isEmpty()) {
        r.action = MakeImageButton(this, ContactIcon(), texts_.actionToolTip);
        connect(r.action, &QToolButton::clicked, this, [this, row] {
            commitFocusedCell();
            if (!inSync()) {
                showData();
                return;
            }
            const int k = recordOf(row);
            if (k >= 0 && k < recordCount())
                rowAction(k);
        });
    }
    placeRow(r, row);
    return r;
}

void GridEditor::placeRow(Row &r, int row)
{
    const double top = rowTopTwips() + row * RowHeight;
    const double numberLeft = gridLeft_ + DeleteWidth + 60;
    r.remove->setGeometry(Twips::rect(gridLeft_, top, DeleteWidth, RowHeight));
    r.number->setGeometry(Twips::rect(numberLeft, top, NumberWidth, RowHeight));
    double left = numberLeft + NumberWidth;
    for (std::size_t c = 0; c < r.cells.size(); ++c) {
        r.cells[c]->setGeometry(Twips::rect(left, top, columns_[c].widthTwips, RowHeight));
        left += columns_[c].widthTwips;
    }
    if (r.action)
        r.action->setGeometry(Twips::rect(acceptLeft_, top, AcceptWidth, RowHeight));
}

void GridEditor::setRowVisible(const Row &r, bool visible)
{
    r.remove->setVisible(visible);
    r.number->setVisible(visible);
    for (QWidget *cell : r.cells)
        cell->setVisible(visible);
    if (r.action)
        r.action->setVisible(visible);
}

QLineEdit *GridEditor::textCell(int row, int column) const
{
    if (row < 0 || row >= int(rows_.size()) || column < 0 || column >= int(columns_.size()))
        return nullptr;
    return qobject_cast<QLineEdit *>(rows_[std::size_t(row)].cells[std::size_t(column)]);
}

QComboBox *GridEditor::choiceCell(int row, int column) const
{
    if (row < 0 || row >= int(rows_.size()) || column < 0 || column >= int(columns_.size()))
        return nullptr;
    return qobject_cast<QComboBox *>(rows_[std::size_t(row)].cells[std::size_t(column)]);
}

QLabel *GridEditor::rowNumber(int row) const
{
    return row >= 0 && row < int(rows_.size()) ? rows_[std::size_t(row)].number : nullptr;
}

QToolButton *GridEditor::deleteButton(int row) const
{
    return row >= 0 && row < int(rows_.size()) ? rows_[std::size_t(row)].remove : nullptr;
}

QToolButton *GridEditor::actionButton(int row) const
{
    return row >= 0 && row < int(rows_.size()) ? rows_[std::size_t(row)].action : nullptr;
}

QString GridEditor::amountText(float value) const
{
    return AmountDisplay(value);
}

void GridEditor::showCellValue(int row, int column, int k)
{
    QWidget *cell = rows_[std::size_t(row)].cells[std::size_t(column)];
    switch (columns_[std::size_t(column)].kind) {
    case GridColumn::Text:
        static_cast<QLineEdit *>(cell)->setText(cellText(k, column, false));
        break;
    case GridColumn::Amount:
        static_cast<QLineEdit *>(cell)->setText(amountText(cellAmount(k, column, false)));
        break;
    case GridColumn::Choice:
        static_cast<QComboBox *>(cell)->setCurrentIndex(cellChoice(k, column));
        break;
    case GridColumn::Date:
        static_cast<QLineEdit *>(cell)->setText(DateDisplay(cellDate(k, column, false)));
        break;
    }
}

void GridEditor::setChoiceItems(int column, const QStringList &items)
{
    if (QStringListModel *model = choiceModels_[std::size_t(column)])
        model->setStringList(items);
}

bool GridEditor::inSync() const
{
    return shownCount_ == recordCount() && shownGeneration_ == ListGeneration();
}

bool GridEditor::changedElsewhere() const
{
    return shownGeneration_ != ListGeneration();
}

void GridEditor::showData()
{
    if (rows_.empty())
        return;
    storeBoundBoxBeforeRedraw();
    redrawing_ = true;
    const int count = recordCount();
    // The list may have shrunk behind the window: never show past its end.
    const int maxScroll = std::max(0, count + 1 - rowCount_);
    topOffset_ = std::clamp(topOffset_, -maxScroll, 0);
    currentRow_ = std::clamp(currentRow_, 0, count);
    takeSnapshot(-topOffset_, std::min(count, rowCount_ - 1 - topOffset_));

    const int last = std::min(count + topOffset_, rowCount_);
    accept_->hide();
    scroll_->hide();
    for (int i = 0; i < rowCount_; ++i) {
        Row &r = rows_[std::size_t(i)];
        setRowVisible(r, i <= last);
        r.number->setStyleSheet(RowNumberStyle(false));
        if (i > last)
            continue;
        const int k = recordOf(i);
        r.number->setText(QString::number(k + 1));
        for (int c = 0; c < int(columns_.size()); ++c)
            showCellValue(i, c, k);
        if (i == last) {
            accept_->setGeometry(Twips::rect(acceptLeft_, rowTopTwips() + i * RowHeight, AcceptWidth, RowHeight));
            accept_->show();
            if (r.action)
                r.action->hide();
            focusNameCell(i);
        }
    }
    if (rowCount_ < count + 1) {
        scroll_->setMaximum(count + 1 - rowCount_);
        scroll_->setValue(-topOffset_);
        scroll_->show();
    }
    shownCount_ = count;
    shownGeneration_ = ListGeneration();
    editing_ = false;
    redrawing_ = false;
    // The row whose box holds the focus stays marked.
    if (QWidget *focus = QApplication::focusWidget(); focus && focus->parentWidget() == this) {
        const QVariant row = focus->property(RowProperty);
        if (row.isValid())
            markRowFocused(row.toInt());
    }
}

void GridEditor::focusNameCell(int row)
{
    if (row < 0 || row >= rowCount_)
        return;
    QWidget *cell = rows_[std::size_t(row)].cells.front();
    // A redraw asked for by another window must not pull the focus (and with
    // it the activation) away from that window.
    QWidget *focus = QApplication::focusWidget();
    if (cell->isVisible() && (!focus || isAncestorOf(focus)))
        cell->setFocus(Qt::OtherFocusReason);
}

void GridEditor::markRowFocused(int row)
{
    if (row >= 0 && row < rowCount_)
        rows_[std::size_t(row)].number->setStyleSheet(RowNumberStyle(true));
}

void GridEditor::markChanged()
{
    state().DataChanged = true;
    closeApproved_ = false;
}

void GridEditor::listChanged()
{
    shownGeneration_ = NextListGeneration();
    if (context().shell)
        context().shell->refreshOtherWindows(this);
}

void GridEditor::showEmptiedList()
{
    setTopOffset(0);
    listChanged();
    showData();
}

void GridEditor::onScroll(int value)
{
    if (redrawing_ || scroll_->isHidden())
        return;
    commitFocusedCell();
    topOffset_ = -value;
    showData();
    afterScroll();
}

// ---- Cells -------------------------------------------------------------

int GridEditor::editableRecord(int row)
{
    if (!inSync()) {
        // Another window changed the list: the rows are redrawn, and the edit
        // is not written into a record that may now stand elsewhere (nor is
        // the box's text, which this key has just changed).
        pending_ = {};
        showData();
        return -1;
    }
    const int k = recordOf(row);
    return k >= 0 && k <= recordCount() ? k : -1;
}


void GridEditor::onTextEdited(int row, int column)
{
    if (redrawing_)
        return;
    const int k = editableRecord(row);
    if (k < 0)
        return;
    const GridColumn &c = columns_[std::size_t(column)];
    const QString text = ApplyTypedTextRule(textCell(row, column), c.fieldWidth,
                                            c.removeSpaces ? TypedTextRule::RemoveSpaces
                                                           : TypedTextRule::TrimLeadingBlank);
    if (storeText(k, column, text) && k < recordCount())
        markChanged();
    bindBox(row, column, k);
}

void GridEditor::onAmountEdited(int row, int column)
{
    if (redrawing_)
        return;
    const int k = editableRecord(row);
    if (k < 0)
        return;
    // After a redraw the box's keys are no longer stored one by one: its
    // leaving stores what it holds.
    if (editing_) {
        QLineEdit *box = textCell(row, column);
        float value = 0;
        if (!ReadTypedAmount(box->text(), value))
            box->setText(amountText(cellAmount(k, column, false)));
        else if (DiffersEnough(cellAmount(k, column, false), value)) {
            storeAmount(k, column, value);
            if (k < recordCount())
                markChanged();
        }
    }
    bindBox(row, column, k);
}

void GridEditor::onDateEdited(int row, int column)
{
    if (redrawing_)
        return;
    const int k = editableRecord(row);
    if (k >= 0)
        bindBox(row, column, k);
}

void GridEditor::bindBox(int row, int column, int k)
{
    pending_ = {row, column, k, k == recordCount()};
    holdRecord(k);
}

bool GridEditor::takeBinding(int row, int column)
{
    if (pending_.row != row || pending_.column != column)
        return false;
    const Pending bound = pending_;
    pending_ = {};
    const int count = recordCount();
    if (recordOf(row) != bound.record || bound.record < 0)
        return false;
    // The new-record row is one place, whatever it holds; a record is known by its value.
    return bound.onTemplate ? bound.record == count : bound.record < count && isHeldRecord(bound.record);
}

void GridEditor::leaveBox(int row, int column)
{
    switch (columns_[std::size_t(column)].kind) {
    case GridColumn::Text:
        leaveText(row, column);
        break;
    case GridColumn::Amount:
        leaveAmount(row, column);
        break;
    case GridColumn::Date:
        leaveDate(row, column);
        break;
    case GridColumn::Choice:
        break;
    }
}

void GridEditor::storeBoundBoxBeforeRedraw()
{
    // A text is stored as it is typed; a date or an amount still in its box
    // goes into its record now, or never (its row shows another record).
    const int row = pending_.row;
    const int column = pending_.column;
    if (row < 0 || !takeBinding(row, column))
        return;
    const GridColumn::Kind kind = columns_[std::size_t(column)].kind;
    if (kind == GridColumn::Date || kind == GridColumn::Amount)
        leaveBox(row, column);
}

void GridEditor::onChoice(int row, int column, int index)
{
    if (redrawing_ || index < 0)
        return;
    const int k = editableRecord(row);
    if (k < 0)
        return;
    const int count = recordCount();
    if (storeChoice(k, column, index) && k < count)
        markChanged();
    // A box of the same record stays bound to it.
    if (pending_.record == k && pending_.row == row)
        holdRecord(k);
    if (k == count && columns_[std::size_t(column)].choiceCreates)
        createRecord();
}

void GridEditor::onFocusIn(int row, int column)
{
    const int k = recordOf(row);
    if (k < 0 || k > recordCount())
        return;
    currentRow_ = k;
    markRowFocused(row);
    if (columns_[std::size_t(column)].kind == GridColumn::Amount)
        editing_ = true;
    // A box entered while the rows are being written, or while they stand
    // for a list that has changed since, is bound once it is typed into.
    if (!redrawing_ && inSync())
        bindBox(row, column, k);
}

void GridEditor::onFocusOut(int row, int column)
{
    rows_[std::size_t(row)].number->setStyleSheet(RowNumberStyle(false));
    if (redrawing_) {
        editing_ = false;
        return;
    }
    if (!inSync()) {
        // The redraw stores the box's text while its row still shows its record.
        showData();
        return;
    }
    // A box stored already, or whose row now shows another record, writes nothing.
    if (takeBinding(row, column))
        leaveBox(row, column);
}

void GridEditor::commitFocusedCell()
{
    if (redrawing_)
        return;
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->parentWidget() != this)
        return;
    const QVariant row = focus->property(RowProperty);
    if (!row.isValid())
        return;
    const int column = focus->property(ColumnProperty).toInt();
    const GridColumn::Kind kind = columns_[std::size_t(column)].kind;
    if (kind != GridColumn::Date && kind != GridColumn::Amount)
        return;
    if (!inSync()) {
        showData();
        return;
    }
    if (!takeBinding(row.toInt(), column))
        return;
    // The box keeps the focus: its keys go on being stored as they are typed.
    const bool editing = editing_;
    leaveBox(row.toInt(), column);
    editing_ = editing;
}

void GridEditor::leaveDate(int row, int column)
{
    const int k = recordOf(row);
    const int count = recordCount();
    if (k < 0 || k > count)
        return;
    QLineEdit *box = textCell(row, column);
    const double day = ReadTypedDate(box->text());
    if (IsDateSet(day)) {
        if (storeDate(k, column, day) && k < count)
            markChanged();
        acceptIntoSnapshot(k, column);
        box->setText(DateDisplay(day));
        return;
    }
    // No date: the stored date is cleared; the snapshot keeps it, so Esc brings it back.
    const bool wasSet = IsDateSet(cellDate(k, column, false));
    storeDate(k, column, NotSetDate);
    if (wasSet && k < count)
        markChanged();
    box->clear();
}

void GridEditor::escapeDate(int row, int column)
{
    const int k = recordOf(row);
    if (k < 0 || k > recordCount())
        return;
    textCell(row, column)->setText(DateDisplay(cellDate(k, column, true)));
    if (restoreFromSnapshot(k, column) && k < recordCount())
        markChanged();
    bindBox(row, column, k);
}

bool GridEditor::leaveText(int row, int column)
{
    const int k = recordOf(row);
    if (k < 0 || k > recordCount())
        return true;
    if (column == nameColumn_ && k < recordCount() && cellText(k, column, false).isEmpty()) {
        platform().messages->error(QStringLiteral("Μηδενικό μήκος πεδίου"), texts_.emptyNameText);
        // The focus goes back once the focus change under way has ended.
        QPointer<QLineEdit> box = textCell(row, column);
        QTimer::singleShot(0, this, [box] {
            if (box && box->isVisible())
                box->setFocus(Qt::OtherFocusReason);
        });
        return false;
    }
    acceptIntoSnapshot(k, column);
    return true;
}

void GridEditor::leaveAmount(int row, int column)
{
    const int k = recordOf(row);
    if (k < 0 || k > recordCount())
        return;
    QLineEdit *box = textCell(row, column);
    float value = 0;
    if (ReadTypedAmount(box->text(), value)) {
        if (DiffersEnough(cellAmount(k, column, false), value)) {
            storeAmount(k, column, value);
            if (k < recordCount())
                markChanged();
        }
        acceptIntoSnapshot(k, column);
    }
    box->setText(amountText(cellAmount(k, column, false)));
    editing_ = false;
}

void GridEditor::escapeText(int row, int column)
{
    const int k = recordOf(row);
    if (k < 0 || k > recordCount())
        return;
    textCell(row, column)->setText(cellText(k, column, true));
    // Putting the snapshot back is a change of the work when the stored text differs.
    if (restoreFromSnapshot(k, column) && k < recordCount())
        markChanged();
    bindBox(row, column, k);
}

void GridEditor::escapeAmount(int row, int column)
{
    const int k = recordOf(row);
    if (k < 0 || k > recordCount())
        return;
    textCell(row, column)->setText(amountText(cellAmount(k, column, true)));
    onAmountEdited(row, column);
}

bool GridEditor::onKey(int row, int column, int key)
{
    const GridColumn::Kind kind = columns_[std::size_t(column)].kind;
    if (!inSync()) {
        showData();
        return true;
    }
    if (kind != GridColumn::Choice
        && GridKeyNavigate([this, column](int r) { return textCell(r, column); }, row, key, rowCount_, scroll_))
        return true;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (recordOf(row) == recordCount() && columns_[std::size_t(column)].enterCreates) {
            createRecord();
            return true;
        }
        return kind != GridColumn::Choice;
    }
    if (key == Qt::Key_Escape && kind != GridColumn::Choice) {
        if (kind == GridColumn::Text)
            escapeText(row, column);
        else if (kind == GridColumn::Date)
            escapeDate(row, column);
        else
            escapeAmount(row, column);
        return true;
    }
    return false;
}

bool GridEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (const QVariant header = watched->property(HeaderProperty); header.isValid()) {
        if (event->type() == QEvent::MouseButtonRelease)
            headerClicked(header.toInt());
        return DataWindow::eventFilter(watched, event);
    }
    const QVariant rowValue = watched->property(RowProperty);
    if (!rowValue.isValid())
        return DataWindow::eventFilter(watched, event);
    const int row = rowValue.toInt();
    const int column = watched->property(ColumnProperty).toInt();
    switch (event->type()) {
    case QEvent::FocusIn:
        onFocusIn(row, column);
        break;
    case QEvent::FocusOut: {
        // Leaving for a menu, another program or the window's own frame is not leaving the cell.
        if (LeavesBox(static_cast<QWidget *>(watched), static_cast<QFocusEvent *>(event)))
            onFocusOut(row, column);
        else
            rows_[std::size_t(row)].number->setStyleSheet(RowNumberStyle(false));
        break;
    }
    case QEvent::KeyPress:
        if (onKey(row, column, static_cast<QKeyEvent *>(event)->key()))
            return true;
        break;
    case QEvent::Wheel:
        // The wheel scrolls the records; it never turns a choice box.
        wheelEvent(static_cast<QWheelEvent *>(event));
        return true;
    default:
        break;
    }
    return DataWindow::eventFilter(watched, event);
}

void GridEditor::wheelEvent(QWheelEvent *event)
{
    if (!scroll_->isHidden())
        QApplication::sendEvent(scroll_, event);
    event->accept();
}

// ---- Records -----------------------------------------------------------

void GridEditor::offsetForNewRecordRow()
{
    const int count = recordCount();
    topOffset_ = rowCount_ - 1 >= count ? 0 : rowCount_ - count - 1;
}

bool GridEditor::templateReady() const
{
    return nameColumn_ < 0 || !cellText(recordCount(), nameColumn_, false).isEmpty();
}

bool GridEditor::canAddRecord() const
{
    return CanAddRecord(std::size_t(recordCount()));
}

bool GridEditor::createRecord()
{
    commitFocusedCell();
    if (!inSync())
        showData();
    const int count = recordCount();
    const int row = newRecordRow();
    // What the boxes of the new-record row show becomes the template.
    if (row >= 0 && row < rowCount_) {
        for (int c = 0; c < int(columns_.size()); ++c) {
            if (columns_[std::size_t(c)].kind == GridColumn::Amount)
                leaveAmount(row, c);
            else if (columns_[std::size_t(c)].kind == GridColumn::Text)
                acceptIntoSnapshot(count, c);
        }
    }
    if (!templateReady()) {
        platform().messages->exclamation(texts_.createTitle, texts_.createText);
        if (row >= 0 && row < rowCount_) {
            QWidget *cell = rows_[std::size_t(row)].cells[std::size_t(std::max(nameColumn_, 0))];
            if (cell->isVisible())
                cell->setFocus(Qt::OtherFocusReason);
        }
        return false;
    }
    if (!canAddRecord()) {
        platform().messages->exclamation(texts_.createTitle, texts_.capText);
        return false;
    }
    appendTemplate();
    holdUntouchedTemplate();
    markChanged();
    afterCreate();
    offsetForNewRecordRow();
    listChanged();
    showData();
    focusNameCell(newRecordRow());
    return true;
}

void GridEditor::correctOffsetAfterDelete(int clickedRow)
{
    const int count = recordCount();
    if (count > rowCount_ - 1) {
        if (topOffset_ < 0 && (clickedRow < 10 || count + topOffset_ < rowCount_ - 1))
            ++topOffset_;
    } else {
        topOffset_ = 0;
    }
}

bool GridEditor::confirmDelete(int k)
{
    const ChoiceRequest question = deleteQuestion(k);
    if (question.options.isEmpty())
        return true;
    setCursor(Qt::WaitCursor);
    const int answer = platform().choices->ask(question);
    unsetCursor();
    return answer == 0;
}

void GridEditor::deleteRow(int row)
{
    commitFocusedCell();
    if (!inSync()) {
        showData();
        return;
    }
    const int k = recordOf(row);
    const int count = recordCount();
    if (k < 0 || k > count)
        return;
    if (k == count) {
        clearTemplateRow();
        holdUntouchedTemplate();
        if (redrawsAfterEveryDelete()) {
            correctOffsetAfterDelete(row);
            showData();
            return;
        }
        showNewRecordRow();
        return;
    }
    if (!confirmDelete(k)) {
        if (redrawsAfterEveryDelete()) {
            correctOffsetAfterDelete(row);
            showData();
        }
        return;
    }
    setCursor(Qt::WaitCursor);
    deleteRecord(k);
    unsetCursor();
    correctOffsetAfterDelete(row);
    listChanged();
    showData();
}

// ---- Closing -----------------------------------------------------------

// The closing steps, in this order: the box being typed is stored; the
// question about a typed new-record row is put (its Cancel ends the close with
// nothing changed); blank names go back to the undo copy; the record is
// created when the answer was Yes; the member's own check runs last, on the
// list with the new record in it. The names are put back before the creation
// because the creation redraws the rows and so takes a new undo copy, which
// already holds the blank names.
bool GridEditor::canClose()
{
    commitFocusedCell();
    if (!inSync())
        showData();
    closeApproved_ = false;
    const NewRecordAnswer answer = askAboutNewRecord();
    if (answer == NewRecordAnswer::Cancel)
        return false;
    if (answer == NewRecordAnswer::Drop && templateTyped())
        letTypedRowGo();
    const bool repaired = repairBlankNames();
    // Created as Enter creates it; a refusal keeps the window open with the text.
    const bool created = answer != NewRecordAnswer::Create || createRecord();
    if (repaired)
        platform().messages->exclamation(texts_.closeTitle, texts_.closeText);
    if (repaired || !created || !closingCheck())
        return false;
    closeApproved_ = true;
    // The check may have sorted the list under the rows: they no longer show
    // what they did, and no box has anything left to store.
    pending_ = {};
    shownCount_ = -1;
    return true;
}

GridEditor::NewRecordAnswer GridEditor::askAboutNewRecord()
{
    if (!templateTyped())
        return NewRecordAnswer::Drop;
    const MessageRequest question{texts_.caption,
                                  QStringLiteral("Η νέα εγγραφή που πληκτρολογήσατε δεν έχει καταχωρηθεί. Θέλετε να "
                                                 "καταχωρηθεί πριν κλείσει το παράθυρο;"),
                                  MessageIcon::Exclamation, MessageButtons::YesNo, MessageAnswer::Yes,
                                  /*escapeCancels=*/true};
    // Only an explicit No lets the typed row go; Escape and the box's own
    // close box answer Cancel.
    switch (platform().messages->show(question)) {
    case MessageAnswer::Yes: return NewRecordAnswer::Create;
    case MessageAnswer::No: return NewRecordAnswer::Drop;
    default: return NewRecordAnswer::Cancel;
    }
}

void GridEditor::letTypedRowGo()
{
    resetTemplate();
    holdUntouchedTemplate();
    // Escape on the row no longer brings the typed text back either.
    const int count = recordCount();
    for (int c = 0; c < int(columns_.size()); ++c)
        acceptIntoSnapshot(count, c);
    showNewRecordRow();
}

void GridEditor::showNewRecordRow()
{
    const int row = newRecordRow();
    if (row < 0 || row >= rowCount_)
        return;
    for (int c = 0; c < int(columns_.size()); ++c)
        showCellValue(row, c, recordCount());
}

bool GridEditor::repairBlankNames()
{
    if (nameColumn_ < 0)
        return false;
    const int c = nameColumn_;
    bool repaired = false;
    const int count = recordCount();
    for (int k = 0; k < count; ++k) {
        if (!cellText(k, c, false).isEmpty())
            continue;
        // The name goes back to the snapshot's, else to the running number.
        bool changed = restoreFromSnapshot(k, c);
        if (cellText(k, c, false).isEmpty())
            changed = storeText(k, c, QString::number(k + 1)) || changed;
        if (changed && texts_.repairMarksChanged)
            markChanged();
        const int row = k + topOffset_;
        if (row >= 0 && row < rowCount_)
            textCell(row, c)->setText(cellText(k, c, false));
        repaired = true;
    }
    return repaired;
}

void GridEditor::closeEvent(QCloseEvent *event)
{
    CheckedClose(event, closeApproved_, [this] { return canClose(); }, context().shell);
    // The window is hidden next, and its focused box left: nothing of that
    // leaving may write into the list the close has just put in order.
    if (event->isAccepted())
        listenToCells(false);
}

void GridEditor::showEvent(QShowEvent *event)
{
    listenToCells(true);
    DataWindow::showEvent(event);
}

} // namespace kelvarino
