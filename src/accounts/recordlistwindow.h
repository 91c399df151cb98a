#pragma once

#include "accounts/entryboxes.h"
#include "shell/datawindow.h"

#include <QColor>

#include <vector>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace kelvarino {

// One column of a record list: its header and where its cells stand (twips).
struct ListColumn
{
    QString header;
    double left = 0;
    double width = 1000;
    QColor headerColour = QColor(0, 0, 255);
    QColor textColour = QColor(0, 0, 255); // the cells' text on white
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool fixedPitch = false;
};

// The texts in which the members of the pattern differ.
struct ListTexts
{
    QString caption;
    QString deleteOneTitle;
    QString deleteOneText;
    QString deleteAllCaption;  // the data menu's item
    QString deleteAllTitle;
    QString deleteAllNothing;  // nothing is listed
    QString deleteAllQuestion; // %1, where it stands, the listed count
    QString fullTitle;         // an add to a list at its limit
    QString fullText;
    QString rowToolTip;
    QString helpSection; // of the guide to the data windows (topic 12015), which F1 opens
};

// Where the parts stand in the window (twips).
struct ListGeometry
{
    double clientWidth = 14610;
    double headerTop = 2040; // the header row; the first list row is one row lower
    double frameLeft = 120, frameTop = 480, frameWidth = 13995, frameHeight = 1455;
    double scrollLeft = 14220;
    double rowHeight = 315; // of the header and of every list row
    int cellIndent = 0;     // pixels between a text cell's left border and its text
};

// A button that every listed row carries, acting on the row's record (twips).
struct ListRowButton
{
    QString caption;
    QString toolTip;
    double left = 0;
    double width = 0;
};

// The window pattern of the expenses, payments and issues: a frame at the
// top in which a new record is typed and then added, the records that pass
// the list's filter listed below it newest first in rows of label cells
// numbered from the bottom, each row with the member's buttons, a click on a
// row opening the record's change dialog, and the menus "Δεδομένα" (save,
// delete every listed record, close) and, for a list with a filter, "Φίλτρα"
// (set, remove).
//
// The rows are created once, fitted to the main window's height; scrolling
// only rewrites them. The list is rebuilt (filter, order, totals) after every
// add, change, deletion and filter change. A window that finds the data
// changed behind it (flats, persons, labels, occupancy or its own list changed
// in another window) rebuilds before it acts on a row, so no row opens or
// deletes a record it no longer stands for.
//
// A member gives the list (recordCount, listRecords), the cells, the frame's
// record (checks, append, clear), its change dialog and, when it has one, its
// filter and filter dialog.
class RecordListWindow : public DataWindow
{
public:
    static constexpr double LineHeight = 315; // of the totals and the frame's captions
    static constexpr int MinimumRows = 10;

    ~RecordListWindow() override;

    QList<QMenu *> menus() const override { return menus_; }
    // Redraws the rows; rebuilds the window first when the data changed behind it.
    void showData() override;
    int helpTopic() const override { return 12015; }
    QString helpSection() const override { return texts_.helpSection; }

    // The pattern's commands.
    void addRecord();
    void openRow(int row);
    void rowButton(int row, int button = 0);
    void deleteAllListed();
    void setFilters();
    void clearFilters();

    // For tests.
    int visibleRows() const { return visibleRows_; }
    int firstShown() const { return firstShown_; }
    const std::vector<int> &listed() const { return listed_; }
    QLabel *cell(int row, int column) const;
    QPushButton *rowButtonAt(int row, int button = 0) const;
    QScrollBar *scrollBar() const { return scroll_; }
    QToolButton *acceptButton() const { return accept_; }
    QMenu *dataMenu() const { return dataMenu_; }
    QMenu *filterMenu() const { return filterMenu_; } // null without a filter
    EntryBoxes &entries() { return *entries_; }

protected:
    RecordListWindow(AppContext &context, std::vector<ListColumn> columns, ListTexts texts, ListGeometry geometry,
                     QWidget *parent);

    // Creates the rows and menus and shows the list; the member calls it at
    // the end of its constructor, once its frame and row buttons are set.
    void buildList();
    // A button on every row (twips, moved along with the columns right of the running number).
    void addRowButton(ListRowButton button);
    QGroupBox *frame() const { return frame_; }
    // The image that adds the frame's record, placed by the member.
    QToolButton *makeAcceptButton(const QString &toolTip);
    // A total above the frame: its caption white on green, its value green
    // on white in a fixed-pitch font (twips, moved along with the columns
    // right of the running number); returns the value's label.
    QLabel *addTotal(const QString &caption, double captionLeft, double captionWidth, double valueLeft,
                     double valueWidth);
    // A caption inside the frame (twips).
    QLabel *addFrameCaption(const QString &text, double left, double top, double width, const QColor &background,
                            const QColor &textColour);
    // Places a box of the frame (twips).
    void placeInFrame(QWidget *box, double left, double top, double width, double height = 315);
    // Enter pressed and released in this box adds the frame's record (the box's rule runs first).
    void addOnEnter(QWidget *box);
    void markChanged();
    // Rebuilds the list from the data (FirstShown back to 0) and redraws.
    void rebuildList();

    // The list.
    virtual int recordCount() const = 0;
    // The indexes of the records that pass the filter, in display order; also
    // shows the totals.
    virtual std::vector<int> listRecords() = 0;
    virtual QString cellText(int index, int column) const = 0;
    // Colours of a cell that differ from the column's: text, background.
    virtual std::pair<QColor, QColor> cellColours(int index, int column) const;
    // The change dialog of a record: its answer (-1 delete, 1 changed, 0 nothing).
    virtual int editRecord(int index) = 0;
    virtual void deleteRecords(const std::vector<int> &indexes) = 0; // several at once, keeping the order
    // A list with a filter has the menu "Φίλτρα"; without one every record is listed.
    virtual bool hasFilter() const { return false; }
    virtual void resetFilter() {}
    virtual bool showFilterDialog() { return false; } // true when the filter was applied
    // The frame's record.
    virtual bool newRecordMayBeStored() = 0;
    virtual void appendNewRecord() = 0; // also notes its date for the next one
    virtual void clearEntryFrame() = 0;
    // The frame's lists from the data; `flatsChanged` clears a chosen flat.
    virtual void fillEntryLists(bool flatsChanged) = 0;
    virtual bool rowButtonEnabled(int /*button*/) const { return false; }
    virtual void rowButtonClicked(int /*button*/, int /*index*/) {}
    // After an add the list shows its top, unless the member keeps it where it was scrolled.
    virtual bool addKeepsPosition() const { return false; }
    // The text still pending in the frame's box with the focus goes into the
    // frame's record, as if the box had been left; every command, rebuild
    // and close runs it first, so nothing typed waits across them.
    virtual void storeTypedText() { entries_->leaveFocused(); }
    // What the list depends on besides the window's own changes.
    virtual quint64 listSignature() const;

    bool eventFilter(QObject *watched, QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    struct Row
    {
        std::vector<QLabel *> cells;
        std::vector<QPushButton *> buttons;
    };

    void buildMenus();
    void fitNumberColumn();
    // A design left edge (twips) moved by the running number's widening when
    // it stands right of the number.
    double shiftedLeft(double left) const;
    Row makeRow(int row);
    // The keys of a row's number and buttons; true when the key was theirs.
    bool rowKey(QObject *watched, const QKeyEvent *key);
    void showRow(int row, int position);
    void hideRow(int row);
    // True when the window was in step with the data; otherwise it rebuilds.
    bool syncWithData();
    void noteSignatures();
    void keepPosition(int wanted);
    void onScroll(int value);

    std::vector<ListColumn> columns_;
    ListTexts texts_;
    ListGeometry geometry_;
    std::vector<ListRowButton> rowButtons_;
    QGroupBox *frame_ = nullptr;
    QToolButton *accept_ = nullptr;
    std::vector<Row> rows_;
    QScrollBar *scroll_ = nullptr;
    QMenu *dataMenu_ = nullptr;
    QMenu *filterMenu_ = nullptr;
    QList<QMenu *> menus_;
    EntryBoxes *entries_ = nullptr;

    double numberShift_ = 0; // twips the running number's column was widened by
    int visibleRows_ = MinimumRows;
    int firstShown_ = 0;
    std::vector<int> listed_;
    quint64 flatsSignature_ = 0;
    quint64 listSignature_ = 0;
    bool redrawing_ = false;
    QObject *enterPressedIn_ = nullptr; // the box in which Enter went down
};

// The flats as the data stands (count, order and names), and the persons,
// labels and occupancy besides: a window compares them with what it showed.
quint64 FlatsSignature(const BuildingData &building);
quint64 RegisterSignature(const BuildingData &building);

} // namespace kelvarino
