#pragma once

#include "register/dateboxfit.h"
#include "shell/datawindow.h"

#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QMenu;
class QScrollBar;
class QToolButton;

namespace kelvarino {

struct ShareColumn;

// "Χιλιοστά συμμετοχής σε δαπάνη": the per-mille columns of one category,
// flat by flat, in one or two column slots side by side. Every box writes into
// the shared columns as it changes (also when the window itself writes it);
// closing checks the columns and sorts them by end date, the open one last.
// The box with the focus is taken as left before a scroll, a column command
// or the closing check; a box whose row goes, and every box once the window
// is being destroyed, is cut off from the window and writes nothing.
class PerMilleWindow : public DataWindow
{
public:
    static constexpr double RowHeight = 315;
    // The width of a column's boxes as laid out, twips; the window widens
    // them when its font needs more for an end date.
    static constexpr double BoxWidth = 1515;

    // The number boxes of a row, by slot.
    enum Field { PerMille, ResidentReduction, OwnerReduction };

    PerMilleWindow(AppContext &context, int category, QWidget *parent = nullptr);
    ~PerMilleWindow() override;

    // Without flats the window does not open: the user is told why.
    static bool mayOpen(AppContext &context);

    QList<QMenu *> menus() const override { return {dataMenu_}; }
    bool canClose() override;
    void showData() override;
    int helpTopic() const override { return 12015; }
    QString helpSection() const override { return QStringLiteral("permille"); }

    // The column operations, on the column shown in the slot.
    void addColumnCopy(int slot);
    void removeColumn(int slot);
    void clearColumn(int slot);
    void fillEqualShares(int slot);

    // For tests.
    int shownCategory() const { return ShownCategory; }
    int visibleRows() const { return VisibleRows; }
    int slotCount() const { return SlotCount; }
    int firstColumn() const { return FirstColumn; }
    QLineEdit *box(Field field, int slot, int row) const;
    QLineEdit *endDateBox(int slot) const { return slots_[std::size_t(slot)].endDate; }
    QLineEdit *commentBox(int slot) const { return slots_[std::size_t(slot)].comment; }
    QLabel *totalLabel(int slot) const { return slots_[std::size_t(slot)].total; }
    QLabel *flatLabel(int row) const;
    QScrollBar *horizontalBar() const { return horizontalBar_; }
    QScrollBar *verticalBar() const { return verticalBar_; }
    QToolButton *button(int slot, int which) const { return slots_[std::size_t(slot)].buttons[std::size_t(which)]; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Row
    {
        QLabel *runningNumber = nullptr;
        QLabel *flatName = nullptr;
        std::array<std::array<QLineEdit *, 3>, 2> boxes{}; // [slot][field]
    };
    struct Slot
    {
        QLineEdit *endDate = nullptr;
        QLineEdit *comment = nullptr;
        QLabel *total = nullptr;
        QLabel *perMilleCaption = nullptr;
        QLabel *residentReductionCaption = nullptr;
        QLabel *ownerReductionCaption = nullptr;
        std::array<QToolButton *, 4> buttons{}; // fill, clear, subtract, add
    };

    std::vector<ShareColumn> &columns() const;
    ShareColumn *columnOfSlot(int slot) const;
    float *cell(Field field, int slot, int row) const;
    void buildSlots();
    Row makeRow(int r);
    void buildGridRows();
    void arrangeColumns();
    void fitFrame();
    void showColumnTotal(int slot, int column);
    void showNumber(Field field, int slot, int row);
    // The boxes' rules.
    void numberChanged(Field field, int slot, int row);
    void numberLeft(Field field, int slot, int row);
    void endDateChanged(int slot);
    void endDateLeft(int slot);
    void commentChanged(int slot);
    // Whether the window stands for the data as they are; otherwise it
    // rebuilds, at once or (from a box's own handler) once the handler is done.
    bool inSync();
    bool inSyncLater();
    void markChanged();
    // The focused box's text into its cell, as if it had been left.
    void storeFocusedBox();
    void detach(QWidget *widget);

    int ShownCategory = 0;
    int VisibleRows = 0;
    int SlotCount = 1;
    // Twips: the width of every box of a column (end date, per-mille values, total).
    const double boxWidth_ = DateCellWidthTwips(BoxWidth);
    double slotLeft(int slot) const;
    int FirstShown = 0;
    int FirstColumn = 0;
    std::vector<Row> rows_;
    std::array<Slot, 2> slots_;
    QLabel *lTypeOfExpense = nullptr;
    QScrollBar *horizontalBar_ = nullptr;
    QScrollBar *verticalBar_ = nullptr;
    QMenu *dataMenu_ = nullptr;
    quint64 shownSignature_ = 0;
    bool closeApproved_ = false;
    bool arranging_ = false;
    bool rebuildQueued_ = false;
};

} // namespace kelvarino
