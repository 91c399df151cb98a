#include "accounts/permillewindow.h"

#include "accounts/recordlistwindow.h"
#include "accounts/sharecolumnrules.h"
#include "core/formatting.h"
#include "platform/localeservice.h"
#include "platform/twips.h"
#include "register/amountentry.h"
#include "register/datamenu.h"
#include "register/dateentry.h"
#include "register/gridkeynavigate.h"
#include "register/registerlook.h"
#include "register/textentry.h"
#include "register/windowopener.h"
#include "shell/childframe.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include <cmath>

namespace kelvarino {

namespace {

constexpr double RowTop = 1980;        // row 0
constexpr double HeaderTop = 1680;     // "α/α", "Διαμέρισμα", "Χιλιοστά"
constexpr double FirstSlotLeft = 4320;
constexpr double SlotGap = 75; // between the two columns shown
constexpr double ButtonSize = 480;

const char *FieldProperty = "shareField";
const char *SlotProperty = "shareSlot";
const char *ShareRowProperty = "shareRow";
const char *EndDateProperty = "shareEndDate";

enum Button { Fill, Clear, Subtract, Add };

QPixmap Canvas()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QIcon FillIcon()
{
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setPen(QPen(QColor(40, 70, 140), 1));
    p.setBrush(QColor(120, 170, 230));
    for (int i = 0; i < 4; ++i)
        p.drawRect(4 + i * 6, 8, 5, 18); // four equal bars
    return QIcon(pixmap);
}

QIcon ClearIcon()
{
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(16, 16);
    p.rotate(-35);
    p.setPen(QPen(QColor(90, 90, 90), 1.5));
    p.setBrush(QColor(240, 140, 160));
    p.drawRect(-11, -6, 14, 12); // an eraser
    p.setBrush(Qt::white);
    p.drawRect(3, -6, 8, 12);
    return QIcon(pixmap);
}

QIcon AddIcon()
{
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 140, 0));
    p.drawRect(13, 5, 6, 22);
    p.drawRect(5, 13, 22, 6);
    return QIcon(pixmap);
}

QLabel *ColouredLabel(QWidget *parent, const QString &text, const QColor &background, const QColor &textColour)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("QLabel { color: %1; background-color: %2; border: 1px solid black; }")
                             .arg(textColour.name(), background.name()));
    return label;
}

QString FlatRowText(const FlatRecord &flat)
{
    return QStringLiteral(" ") + flat.ShortName.text() + QStringLiteral(", ") + flat.Description.trimmed();
}

} // namespace

bool PerMilleWindow::mayOpen(AppContext &context)
{
    if (context.state.Building.FlatCount() > 0)
        return true;
    context.platform.messages->information(QStringLiteral("Χιλιοστά συμμετοχής σε δαπάνη"),
                                           QStringLiteral("Για να ορίσετε χιλιοστά θα πρέπει πρώτα να έχετε ορίσει "
                                                          "διαμερίσματα."));
    return false;
}

PerMilleWindow::PerMilleWindow(AppContext &context, int category, QWidget *parent)
    : DataWindow(context, parent), ShownCategory(std::clamp(category, 0, CategoryCount - 1))
{
    setWindowTitle(QStringLiteral("Χιλιοστά συμμετοχής σε δαπάνη"));
    ApplyWindowBackground(this, QColor(255, 255, 224));
    dataMenu_ = NewDataMenu(this, context.shell, false);
    AddCloseItem(dataMenu_, this);

    lTypeOfExpense = new QLabel(this);
    lTypeOfExpense->setStyleSheet(QStringLiteral("QLabel { color: red; font-weight: bold; }"));
    lTypeOfExpense->setGeometry(Twips::rect(120, 120, 4100, 360));
    horizontalBar_ = new QScrollBar(Qt::Horizontal, this);
    // Over both columns.
    horizontalBar_->setGeometry(Twips::rect(FirstSlotLeft, 120, slotLeft(1) + 3 * boxWidth_ - 30 - FirstSlotLeft, 195));
    horizontalBar_->hide();
    connect(horizontalBar_, &QScrollBar::valueChanged, this, [this](int value) {
        if (arranging_ || horizontalBar_->isHidden())
            return;
        storeFocusedBox();
        FirstColumn = value;
        showData();
    });
    const QColor darkRed(192, 0, 0);
    ColouredLabel(this, QStringLiteral("Ισχύει μέχρι:"), darkRed, Qt::white)
        ->setGeometry(Twips::rect(2640, 600, 1575, 315));
    ColouredLabel(this, QStringLiteral("Σημείωση:"), darkRed, Qt::white)
        ->setGeometry(Twips::rect(2640, 1080, 1575, 315));
    ColouredLabel(this, QStringLiteral("Σύνολο:"), darkRed, Qt::white)
        ->setGeometry(Twips::rect(2640, 1380, 1575, 315));
    MakeHeaderLabel(this, QStringLiteral("α/α"), QColor(0, 0, 255))->setGeometry(Twips::rect(480, HeaderTop, 495, 315));
    MakeHeaderLabel(this, QStringLiteral("Διαμέρισμα"), QColor(0, 0, 255))
        ->setGeometry(Twips::rect(960, HeaderTop, 3255, 315));
    verticalBar_ = new QScrollBar(Qt::Vertical, this);
    verticalBar_->hide();
    connect(verticalBar_, &QScrollBar::valueChanged, this, [this](int value) {
        if (arranging_ || verticalBar_->isHidden())
            return;
        storeFocusedBox();
        FirstShown = value;
        showData();
    });
    arranging_ = true;
    buildSlots();
    arranging_ = false;
    shownSignature_ = RegisterSignature(state().Building);
    buildGridRows();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        // Coming back from another window: it may have changed the flats.
        if (now && isAncestorOf(now) && !(old && isAncestorOf(old)))
            inSyncLater();
    });
}

PerMilleWindow::~PerMilleWindow()
{
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    // The boxes are deleted after this body; none of them may reach the
    // window's handlers on the way.
    for (Row &row : rows_)
        for (auto &slot : row.boxes)
            for (QLineEdit *b : slot)
                detach(b);
    for (Slot &slot : slots_)
        for (QLineEdit *b : {slot.endDate, slot.comment})
            detach(b);
}

void PerMilleWindow::detach(QWidget *widget)
{
    widget->removeEventFilter(this);
    widget->disconnect(this);
}

void PerMilleWindow::storeFocusedBox()
{
    // What the box still holds goes into the cell it shows, once, before the
    // cells move under it; its leaving afterwards writes the same again.
    QWidget *focused = QApplication::focusWidget();
    if (!focused || !isAncestorOf(focused))
        return;
    const QVariant endDate = focused->property(EndDateProperty);
    const QVariant field = focused->property(FieldProperty);
    if (endDate.isValid())
        endDateLeft(endDate.toInt());
    else if (field.isValid())
        numberLeft(Field(field.toInt()), focused->property(SlotProperty).toInt(), focused->property(ShareRowProperty).toInt());
}

double PerMilleWindow::slotLeft(int slot) const
{
    return FirstSlotLeft + slot * (3 * boxWidth_ + SlotGap);
}

void PerMilleWindow::buildSlots()
{
    const QColor orange(255, 128, 0);
    const QColor headerText = palette().color(QPalette::Window);
    for (int s = 0; s < 2; ++s) {
        Slot &slot = slots_[std::size_t(s)];
        const double left = slotLeft(s);
        slot.endDate = MakeCellEdit(this);
        slot.endDate->setGeometry(Twips::rect(left, 600, boxWidth_, 315));
        // The first redraw replaces these texts, which marks the work changed.
        slot.endDate->setText(QStringLiteral("31/12/2015"));
        slot.endDate->setProperty(EndDateProperty, s);
        slot.endDate->installEventFilter(this);
        connect(slot.endDate, &QLineEdit::textChanged, this, [this, s] { endDateChanged(s); });
        slot.comment = MakeCellEdit(this);
        slot.comment->setGeometry(Twips::rect(left, 1080, 3 * boxWidth_, 315));
        slot.comment->setText(QStringLiteral("Text1"));
        connect(slot.comment, &QLineEdit::textEdited, this,
                [this, s] { ApplyTypedTextRule(slots_[std::size_t(s)].comment, 50, TypedTextRule::AsTyped); });
        connect(slot.comment, &QLineEdit::textChanged, this, [this, s] { commentChanged(s); });
        slot.total = ColouredLabel(this, QString(), QColor(192, 0, 192), Qt::white);
        slot.total->setGeometry(Twips::rect(left, 1380, boxWidth_, 315));
        slot.perMilleCaption = ColouredLabel(this, QStringLiteral("Χιλιοστά"), orange, headerText);
        slot.perMilleCaption->setGeometry(Twips::rect(left, HeaderTop, boxWidth_, 315));
        slot.residentReductionCaption = ColouredLabel(this, QStringLiteral("% Έκπτωσης Ενοίκου"), orange, headerText);
        slot.residentReductionCaption->setGeometry(Twips::rect(left + boxWidth_, 1380, boxWidth_, 600));
        slot.ownerReductionCaption = ColouredLabel(this, QStringLiteral("% Έκπτωσης Ιδιοκτήτη"), orange, headerText);
        slot.ownerReductionCaption->setGeometry(Twips::rect(left + 2 * boxWidth_, 1380, boxWidth_, 600));
        const std::array<std::pair<QIcon, QString>, 4> buttons = {{
            {FillIcon(), QStringLiteral("click για αυτόματη συμπλήρωση χιλιοστών")},
            {ClearIcon(), QStringLiteral("Καθαρισμός των στηλών")},
            {DeleteIcon(), QStringLiteral("Διαγραφή της στήλης")},
            {AddIcon(), QStringLiteral("Πρόσθεση νέας στήλης")},
        }};
        for (int b = 0; b < 4; ++b) {
            QToolButton *button = MakeImageButton(this, buttons[std::size_t(b)].first, buttons[std::size_t(b)].second);
            button->setIconSize(QSize(24, 24));
            slot.buttons[std::size_t(b)] = button;
        }
        connect(slot.buttons[Fill], &QToolButton::clicked, this, [this, s] { fillEqualShares(s); });
        connect(slot.buttons[Clear], &QToolButton::clicked, this, [this, s] { clearColumn(s); });
        connect(slot.buttons[Subtract], &QToolButton::clicked, this, [this, s] { removeColumn(s); });
        connect(slot.buttons[Add], &QToolButton::clicked, this, [this, s] { addColumnCopy(s); });
        // The buttons spread over the two reduction headers.
        const int n = ShownCategory == 0 ? 4 : 3;
        const double spanLeft = left + boxWidth_;
        const double step = 2 * boxWidth_ / n;
        for (int i = 0; i < n; ++i) {
            const double centre = spanLeft + step / 2 + i * step;
            slot.buttons[std::size_t(i + 4 - n)]->setGeometry(
                Twips::rect(centre - ButtonSize / 2, 540 + 315 - ButtonSize, ButtonSize, ButtonSize));
        }
        if (ShownCategory != 0)
            slot.buttons[Fill]->hide();
    }
}

std::vector<ShareColumn> &PerMilleWindow::columns() const
{
    return state().Building.ShareColumns[std::size_t(ShownCategory)];
}

ShareColumn *PerMilleWindow::columnOfSlot(int slot) const
{
    const int k = slot + FirstColumn;
    std::vector<ShareColumn> &all = columns();
    return k >= 0 && k < int(all.size()) ? &all[std::size_t(k)] : nullptr;
}

float *PerMilleWindow::cell(Field field, int slot, int row) const
{
    ShareColumn *column = columnOfSlot(slot);
    const int flat = row + FirstShown;
    if (!column || flat < 0 || flat >= state().Building.FlatCount())
        return nullptr;
    std::vector<float> &values = field == PerMille            ? column->PerMille
                               : field == ResidentReduction ? column->ResidentReduction
                                                            : column->OwnerReduction;
    if (std::size_t(flat) >= values.size())
        values.resize(std::size_t(state().Building.FlatCount()), 0.0f);
    return &values[std::size_t(flat)];
}

QLineEdit *PerMilleWindow::box(Field field, int slot, int row) const
{
    if (row < 0 || row >= int(rows_.size()))
        return nullptr;
    return rows_[std::size_t(row)].boxes[std::size_t(slot)][std::size_t(field)];
}

QLabel *PerMilleWindow::flatLabel(int row) const
{
    return row >= 0 && row < int(rows_.size()) ? rows_[std::size_t(row)].flatName : nullptr;
}

PerMilleWindow::Row PerMilleWindow::makeRow(int r)
{
    Row row;
    const double top = RowTop + r * RowHeight;
    row.runningNumber = MakeRowNumberLabel(this);
    row.runningNumber->setStyleSheet(QStringLiteral("QLabel { color: black; background-color: white; border: 1px solid black; }"));
    row.runningNumber->setGeometry(Twips::rect(480, top, 495, RowHeight));
    row.flatName = new QLabel(this);
    row.flatName->setStyleSheet(QStringLiteral("QLabel { color: black; background-color: white; border: 1px solid black; }"));
    row.flatName->setGeometry(Twips::rect(960, top, 3255, RowHeight));
    for (int s = 0; s < 2; ++s) {
        for (int f = 0; f < 3; ++f) {
            QLineEdit *b = MakeCellEdit(this);
            b->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            b->setGeometry(Twips::rect(slotLeft(s) + f * boxWidth_, top, boxWidth_, RowHeight));
            b->setProperty(FieldProperty, f);
            b->setProperty(SlotProperty, s);
            b->setProperty(ShareRowProperty, r);
            b->installEventFilter(this);
            connect(b, &QLineEdit::textChanged, this, [this, f, s, r] { numberChanged(Field(f), s, r); });
            b->show(); // arrangeColumns hides slot 1 when it is not shown
            row.boxes[std::size_t(s)][std::size_t(f)] = b;
        }
    }
    row.runningNumber->show();
    row.flatName->show();
    return row;
}

void PerMilleWindow::buildGridRows()
{
    arranging_ = true;
    const int flats = state().Building.FlatCount();
    const double mainHeight = context().shell ? context().shell->clientHeightTwips() : 9000;
    const double base = ChildFrameTwips + HeaderTop + 2 * RowHeight + 120;
    const double full = base + (flats - 1) * RowHeight;
    const double limit = mainHeight > base ? mainHeight : base + 4 * RowHeight;
    VisibleRows = full <= limit ? flats : std::min(flats, int((limit - base) / RowHeight) + 1);
    VisibleRows = std::max(VisibleRows, 0);
    const double clientHeight = HeaderTop + 2 * RowHeight + 120 + (std::max(VisibleRows, 1) - 1) * RowHeight;
    verticalBar_->hide();
    verticalBar_->setGeometry(Twips::rect(180, RowTop, 180, std::max(VisibleRows, 1) * RowHeight));
    verticalBar_->setRange(0, std::max(0, flats - VisibleRows));
    verticalBar_->setPageStep(std::max(VisibleRows, 1));
    verticalBar_->setValue(0);
    if (VisibleRows < flats)
        verticalBar_->show();
    FirstShown = 0;
    FirstColumn = 0;
    SlotCount = columns().size() == 1 ? 1 : 2;
    // The rows that stay are kept. A box of a row that goes is cut off from
    // the window before it is deleted: its leaving, sent while it is being
    // destroyed, writes nothing and touches nothing.
    while (int(rows_.size()) > VisibleRows) {
        Row &row = rows_.back();
        delete row.runningNumber;
        delete row.flatName;
        for (auto &slot : row.boxes)
            for (QLineEdit *b : slot) {
                detach(b);
                delete b;
            }
        rows_.pop_back();
    }
    while (int(rows_.size()) < VisibleRows)
        rows_.push_back(makeRow(int(rows_.size())));
    setFixedHeight(Twips::toPixels(clientHeight));
    fitFrame();
    arranging_ = false;
    arrangeColumns();
    showData();
}

void PerMilleWindow::arrangeColumns()
{
    arranging_ = true;
    const bool two = SlotCount == 2;
    const Slot &second = slots_[1];
    for (QWidget *w : std::initializer_list<QWidget *>{second.comment, second.endDate, second.total, second.perMilleCaption,
                                                       second.buttons[Clear], second.buttons[Subtract],
                                                       second.buttons[Add], second.residentReductionCaption,
                                                       second.ownerReductionCaption})
        w->setVisible(two);
    second.buttons[Fill]->setVisible(two && ShownCategory == 0);
    for (Row &row : rows_)
        for (QLineEdit *b : row.boxes[1])
            b->setVisible(two);
    const int count = int(columns().size());
    horizontalBar_->hide();
    if (two && count >= 3) {
        horizontalBar_->setRange(0, count - 2);
        horizontalBar_->setPageStep(2);
        horizontalBar_->setValue(FirstColumn);
        horizontalBar_->show();
    }
    const double width = two ? slotLeft(1) + 3 * boxWidth_ + 180 : slotLeft(0) + 3 * boxWidth_ + 90;
    setFixedWidth(Twips::toPixels(width));
    fitFrame();
    arranging_ = false;
}

void PerMilleWindow::fitFrame()
{
    // The frame around the window follows its size: a second slot or a row
    // more is not hidden behind the frame's edge.
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget())) {
        frame->adjustSize();
        update();
    }
}

void PerMilleWindow::showData()
{
    if (!inSync())
        return;
    const BuildingData &b = state().Building;
    lTypeOfExpense->setText(b.CategoryLabel(ShownCategory));
    const bool any = !columns().empty();
    for (int r = 0; r < int(rows_.size()); ++r) {
        const int flat = r + FirstShown;
        Row &row = rows_[std::size_t(r)];
        row.runningNumber->setText(QString::number(flat + 1) + QLatin1Char('.'));
        row.flatName->setText(flat < b.FlatCount() ? FlatRowText(b.Flats[std::size_t(flat)]) : QString());
        for (int s = 0; s < SlotCount && any; ++s)
            for (int f = 0; f < 3; ++f)
                showNumber(Field(f), s, r);
    }
    for (int s = 0; s < SlotCount && any; ++s) {
        const ShareColumn *column = columnOfSlot(s);
        if (!column)
            continue;
        const double end = column->EndDate;
        const QString comment = column->Comment.trimmed();
        slots_[std::size_t(s)].endDate->setText(end == NotSetDate ? QString() : LocaleService::formatDate(end));
        slots_[std::size_t(s)].comment->setText(comment);
        showColumnTotal(s, s + FirstColumn);
    }
}

void PerMilleWindow::showColumnTotal(int slot, int column)
{
    const std::vector<ShareColumn> &all = columns();
    const float total = column >= 0 && column < int(all.size()) ? PerMilleTotal(all[std::size_t(column)]) : 0.0f;
    slots_[std::size_t(slot)].total->setText(FormatAmount(total, 2, true));
}

void PerMilleWindow::showNumber(Field field, int slot, int row)
{
    const float *stored = cell(field, slot, row);
    QLineEdit *b = box(field, slot, row);
    if (!b)
        return;
    const float value = stored ? *stored : 0.0f;
    // Per-mille shows zero as 0,00; a reduction of zero shows nothing.
    b->setText(field == PerMille ? FormatAmount(value, 2, true) : AmountDisplay(value));
}

void PerMilleWindow::markChanged()
{
    state().DataChanged = true;
    closeApproved_ = false;
}

bool PerMilleWindow::inSync()
{
    const quint64 now = RegisterSignature(state().Building);
    if (now == shownSignature_)
        return true;
    // Flats or labels changed in another window: the rows and columns are
    // built again before any box writes into a cell.
    shownSignature_ = now;
    buildGridRows();
    return false;
}

bool PerMilleWindow::inSyncLater()
{
    if (RegisterSignature(state().Building) == shownSignature_)
        return true;
    // A box's own handler: the rebuild waits until the handler has returned,
    // as it may remove the box's row.
    if (!rebuildQueued_) {
        rebuildQueued_ = true;
        QTimer::singleShot(0, this, [this] {
            rebuildQueued_ = false;
            inSync();
        });
    }
    return false;
}

// ---- The boxes ---------------------------------------------------------

void PerMilleWindow::numberChanged(Field field, int slot, int row)
{
    if (arranging_ || !inSyncLater())
        return;
    float *stored = cell(field, slot, row);
    QLineEdit *b = box(field, slot, row);
    if (!stored || !b)
        return;
    const double number = ParseTypedNumber(b->text());
    if (!std::isfinite(number)) {
        // Unreadable: the box shows the stored value again.
        showNumber(field, slot, row);
        if (field == PerMille)
            showColumnTotal(slot, slot + FirstColumn);
        return;
    }
    const double upper = field == PerMille ? 1000.0 : 100.0;
    const float value = float(std::clamp(number, 0.0, upper));
    if (!DiffersEnough(*stored, value))
        return;
    *stored = value;
    markChanged();
    if (field == PerMille)
        showColumnTotal(slot, slot + FirstColumn);
}

void PerMilleWindow::numberLeft(Field field, int slot, int row)
{
    if (!inSyncLater())
        return;
    numberChanged(field, slot, row);
    showNumber(field, slot, row);
}

void PerMilleWindow::endDateChanged(int slot)
{
    if (arranging_ || !inSyncLater())
        return;
    ShareColumn *column = columnOfSlot(slot);
    if (!column)
        return;
    const QString text = slots_[std::size_t(slot)].endDate->text().trimmed();
    if (text.isEmpty()) {
        column->EndDate = NotSetDate;
        markChanged();
        return;
    }
    const std::optional<double> day = LocaleService::parseDate(text);
    if (!day)
        return;
    if (*day >= NotSetDate)
        column->EndDate = *day;
    markChanged();
}

void PerMilleWindow::endDateLeft(int slot)
{
    if (!inSyncLater())
        return;
    ShareColumn *column = columnOfSlot(slot);
    QLineEdit *b = slots_[std::size_t(slot)].endDate;
    if (!column)
        return;
    const double day = ReadTypedDate(b->text());
    column->EndDate = day;
    b->setText(DateDisplay(day));
    markChanged();
}

void PerMilleWindow::commentChanged(int slot)
{
    if (arranging_ || !inSyncLater())
        return;
    if (ShareColumn *column = columnOfSlot(slot)) {
        column->Comment.set(TrimBlanks(slots_[std::size_t(slot)].comment->text()).left(50));
        markChanged();
    }
}

bool PerMilleWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QVariant endDate = watched->property(EndDateProperty);
    const QVariant field = watched->property(FieldProperty);
    if (event->type() == QEvent::FocusOut && (endDate.isValid() || field.isValid())) {
        if (LeavesBox(static_cast<QWidget *>(watched), static_cast<QFocusEvent *>(event))) {
            if (endDate.isValid())
                endDateLeft(endDate.toInt());
            else
                numberLeft(Field(field.toInt()), watched->property(SlotProperty).toInt(),
                           watched->property(ShareRowProperty).toInt());
        }
    } else if (event->type() == QEvent::KeyPress && field.isValid()) {
        const int f = field.toInt();
        const int s = watched->property(SlotProperty).toInt();
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (GridKeyNavigate([this, f, s](int r) { return box(Field(f), s, r); }, watched->property(ShareRowProperty).toInt(),
                            key, VisibleRows, verticalBar_->isVisible() ? verticalBar_ : nullptr))
            return true;
    }
    return DataWindow::eventFilter(watched, event);
}

// ---- Column operations -------------------------------------------------

void PerMilleWindow::addColumnCopy(int slot)
{
    if (!inSync())
        return;
    storeFocusedBox();
    if (!columnOfSlot(slot))
        return;
    InsertColumnCopy(columns(), slot + FirstColumn);
    markChanged();
    if (SlotCount == 1) {
        FirstColumn = 0;
        SlotCount = 2;
        arrangeColumns();
    } else {
        ++FirstColumn;
        arranging_ = true;
        horizontalBar_->setRange(0, int(columns().size()) - 2);
        horizontalBar_->setPageStep(2);
        horizontalBar_->setValue(FirstColumn);
        horizontalBar_->show();
        arranging_ = false;
    }
    showData();
}

void PerMilleWindow::removeColumn(int slot)
{
    if (!inSync())
        return;
    storeFocusedBox();
    if (!columnOfSlot(slot))
        return;
    const QString title = QStringLiteral("Αφαίρεση στήλης");
    if (columns().size() == 1) {
        platform().messages->exclamation(title, QStringLiteral("Δεν μπορείτε να διαγράψετε τη μοναδική στήλη "
                                                               "χιλιοστών που υπάρχει"));
        return;
    }
    if (platform().messages->show({title, QStringLiteral("Είστε σίγουροι ότι θέλετε να αφαιρεθεί η στήλη χιλιοστών;"),
                                   MessageIcon::Exclamation, MessageButtons::YesNo, MessageAnswer::Yes})
        != MessageAnswer::Yes)
        return;
    columns().erase(columns().begin() + slot + FirstColumn);
    markChanged();
    const int count = int(columns().size());
    if (count == 1) {
        SlotCount = 1;
        FirstColumn = 0;
        arrangeColumns();
    } else if (count == 2) {
        FirstColumn = 0;
        horizontalBar_->hide();
    } else {
        if (FirstColumn > 0)
            --FirstColumn;
        arranging_ = true;
        horizontalBar_->setRange(0, count - 2);
        horizontalBar_->setValue(FirstColumn);
        arranging_ = false;
    }
    showData();
}

void PerMilleWindow::clearColumn(int slot)
{
    if (!inSync())
        return;
    storeFocusedBox();
    if (!columnOfSlot(slot))
        return;
    if (platform().messages->show({QStringLiteral("Καθάρισμα στήλης χιλιοστών"),
                                   QStringLiteral("Είστε σίγουροι ότι θέλετε να καθαρίσετε τη στήλη με τα χιλιοστά και "
                                                  "τυχόν εκπτώσεις;"),
                                   MessageIcon::Exclamation, MessageButtons::YesNo, MessageAnswer::Yes})
        != MessageAnswer::Yes)
        return;
    ClearColumn(*columnOfSlot(slot));
    markChanged();
    showData();
}

void PerMilleWindow::fillEqualShares(int slot)
{
    if (ShownCategory != 0 || !inSync())
        return;
    storeFocusedBox();
    if (!columnOfSlot(slot))
        return;
    FillColumnEqually(*columnOfSlot(slot), state().Building.FlatCount());
    markChanged();
    showData();
}

// ---- Closing -----------------------------------------------------------

bool PerMilleWindow::canClose()
{
    if (inSync())
        storeFocusedBox();
    if (closeApproved_ || state().Building.FlatCount() == 0 || columns().empty())
        return true;
    if (!ShareColumnsMayClose(columns(), *platform().messages))
        return false;
    SortShareColumns(columns());
    // The redraw writes the sorted end dates into the boxes, which marks the
    // work changed; the approval given here still holds for the close.
    showData();
    closeApproved_ = true;
    return true;
}

void PerMilleWindow::closeEvent(QCloseEvent *event)
{
    CheckedClose(event, closeApproved_, [this] { return canClose(); }, context().shell);
}

} // namespace kelvarino
