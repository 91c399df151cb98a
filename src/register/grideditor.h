#pragma once

#include "register/listgeneration.h"
#include "shell/datawindow.h"

#include <QColor>
#include <QStringList>

#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollBar;
class QStringListModel;
class QToolButton;

namespace kelvarino {

struct ChoiceRequest;

// One column of a grid editor: its header and the kind of its cells.
struct GridColumn
{
    enum Kind { Text, Amount, Choice, Date };
    Kind kind = Text;
    QString header;
    double widthTwips = 1000;
    double headerHeightTwips = 315; // a taller header grows upwards from the rows
    QColor headerColour = QColor(0, 0, 255);
    QString headerToolTip;
    int fieldWidth = 0;        // characters of a text field
    bool removeSpaces = false; // short names lose every blank while typed
    QStringList choices;       // the entries of a choice cell (every row shares one list)
    bool requiredName = false; // the record's name: it may not be left empty, and a new record needs it
    bool enterCreates = true;  // Enter in the new-record row's cell creates the record
    bool choiceCreates = false; // choosing an entry in the new-record row creates the record at once
    QColor textColour = Qt::black;
    bool bold = false;
};

// The column of the record's name: red and bold, and never left empty.
GridColumn NameColumn(const QString &header, double widthTwips);

// The texts in which the members of the pattern differ.
struct GridTexts
{
    QString caption;
    QString gridTitle; // over the grid; empty for none
    QString emptyNameText;
    QString createTitle;
    QString createText;
    QString capText; // the list is full
    QString closeTitle;
    QString closeText;
    QString orderTitle;
    QString orderText;
    QString deleteToolTip;
    QString acceptToolTip;
    QString actionToolTip; // the extra image of each row, empty for none
    QString importCaption; // empty: the list has no paste of names
    QString deleteAllCaption;
    QString orderCaption; // empty: the window has no order command
    bool saveAsShortcut = false;
    bool repairMarksChanged = false; // a name put back by the closing check marks the work changed
    // Paste of names.
    QString pasteEmptyTitle;
    QString pasteTitle;
    QString pasteAppendOne;
    QString pasteAppendMany; // %1 the number of names
    QString pasteReplaceOne;
    QString pasteReplaceMany; // %1 the number of names
    QString pasteWarning;     // %1 the position
    QString pasteGo;
    QString pasteRefuse;
};

// Where the grid stands in the window (twips).
struct GridGeometry
{
    double clientWidthTwips = 0; // 0: the grid's width + 240
    double headerTopTwips = 120; // top of the row-number header; row 0 is one row lower
    double titleTopTwips = 0;    // the title over the grid, when it has one
    double titleHeightTwips = 300;
    double titleWidthTwips = 0; // 0: over every column
    QColor titleColour = QColor(192, 0, 192);
};

// The window pattern of the register lists: a column of rows of boxes, one row
// per record, followed by the new-record row in which the next record is typed
// and then created. Rows are created once; scrolling only rewrites them, so the
// cost of a redraw does not depend on the length of the list. Every typed change
// is stored into the shared list at once; a date is stored when its box is left,
// and a date still being typed is stored before any image, scroll, menu command
// or closing check acts. A column may be the record's name, which may not be
// left empty.
//
// Typed text has one owner: the box entered or typed into is bound to the
// record its row showed then (the record itself, compared as a value, not the
// row's position; the new-record row by its place). What the box still holds
// is stored once, by its leaving or by the command, redraw or close that comes
// first, and only while its row still shows that record; a redraw, a rebuild
// or the closing sort ends the binding, so the box writes nothing afterwards.
// A window that closes, and a window being deleted, take their boxes' events
// off first.
//
// Text typed on the new-record row and never created is not dropped in
// silence: the close asks whether to create it first, and lets it go only on
// an explicit No, which empties the row.
//
// Records are addressed by index k; k equal to the record count is the
// new-record row's template. The member (see TypedGridEditor) stores the data;
// this class owns the rows, keys, focus, messages and the closing check.
class GridEditor : public DataWindow
{
public:
    static constexpr double RowHeight = 315;
    static constexpr int MinimumRows = 20;

    ~GridEditor() override;

    QList<QMenu *> menus() const override;
    bool canClose() override;
    void showData() override;

    // The pattern's commands. createRecord is false when a check refused the
    // new record (its message was shown).
    bool createRecord();
    void deleteRow(int row);
    void pasteNames();

    // For tests and the other windows.
    int rowCount() const { return rowCount_; }
    int topOffset() const { return topOffset_; }
    int currentRecord() const { return currentRow_; }
    QLineEdit *textCell(int row, int column) const;
    QComboBox *choiceCell(int row, int column) const;
    QLineEdit *dateCell(int row, int column) const { return textCell(row, column); }
    QLabel *rowNumber(int row) const;
    QToolButton *deleteButton(int row) const;
    QToolButton *actionButton(int row) const;
    QToolButton *acceptButton() const { return accept_; }
    QScrollBar *scrollBar() const { return scroll_; }
    QMenu *dataMenu() const { return dataMenu_; }
    QAction *orderAction() const { return orderAction_; }

protected:
    GridEditor(AppContext &context, std::vector<GridColumn> columns, GridTexts texts, GridGeometry geometry,
               QWidget *parent);

    // Builds the rows; the member calls it at the end of its constructor, once
    // its data can be read.
    void buildGrid();

    // The record data, k from 0 to the record count (the template).
    virtual int recordCount() const = 0;
    virtual QString cellText(int k, int column, bool fromSnapshot) const = 0; // trimmed
    virtual bool storeText(int k, int column, const QString &text) = 0;      // true when it changed
    virtual float cellAmount(int k, int column, bool fromSnapshot) const = 0;
    virtual void storeAmount(int k, int column, float value) = 0;
    virtual int cellChoice(int k, int column) const = 0;
    virtual bool storeChoice(int k, int column, int value) = 0;
    virtual double cellDate(int k, int column, bool fromSnapshot) const = 0;
    virtual bool storeDate(int k, int column, double day) = 0; // true when it changed
    virtual void acceptIntoSnapshot(int k, int column) = 0;  // the snapshot takes the stored field
    virtual bool restoreFromSnapshot(int k, int column) = 0; // the field takes the snapshot's; true when it changed
    virtual void takeSnapshot(int first, int last) = 0;      // records first..last, last may be the template
    virtual void appendTemplate() = 0;                       // the template becomes the last record, then is cleared
    virtual void clearTemplateRow() = 0;                     // the delete image of the new-record row
    virtual void resetTemplate() = 0;                        // the new-record row as after a creation
    // The binding of a box to its record: the member keeps record k as it is
    // now, and later tells whether record k still is that record.
    virtual void holdRecord(int k) = 0;
    virtual bool isHeldRecord(int k) const = 0;
    // The new-record row as it is now counts as untouched (its sample values,
    // or empty); templateTyped is true when a shown field differs from it.
    virtual void holdUntouchedTemplate() = 0;
    virtual bool templateTyped() const = 0;

    // The member's own rules.
    // The question before deleting record k; without options nothing is asked.
    virtual ChoiceRequest deleteQuestion(int /*k*/) const { return {}; }
    // Whether record k is to be deleted; by default the answer 0 to deleteQuestion.
    virtual bool confirmDelete(int k);
    virtual void deleteRecord(int k) = 0;
    // Whether every click of a delete image ends as a deletion does, with the
    // view stepped back and the grid redrawn (its undo copy taken afresh), also
    // when the answer was No or the row was the new-record row.
    virtual bool redrawsAfterEveryDelete() const { return false; }
    virtual void moveRecord(int /*from*/, int /*to*/) {}
    // Whether the new-record row holds what a new record needs (by default its name).
    virtual bool templateReady() const;
    // Whether one more record fits in the list.
    virtual bool canAddRecord() const;
    virtual void afterCreate() {}
    virtual void afterScroll() {}
    virtual void rowAction(int /*k*/) {}
    virtual void headerClicked(int /*column*/) {}
    virtual void deleteAll() {}
    virtual void openOrderWindow() {}
    // The member's closing check, the last step of a close: after the focused
    // box was stored, blank names were put back (which refuses the close once)
    // and the new-record row was created or let go.
    virtual bool closingCheck() { return true; }

    // For the members.
    const GridTexts &texts() const { return texts_; }
    void setTopOffset(int offset) { topOffset_ = offset; }
    void markChanged();
    void listChanged(); // tells the other open windows that the list changed
    // After the whole list was deleted: the other open windows hear of it and
    // the grid shows the empty list from the top.
    void showEmptiedList();
    // Whether another window changed a list since this window's last redraw.
    bool changedElsewhere() const;
    // Stores the date being typed in the focused box, as leaving the box would.
    void commitFocusedCell();
    // The entries of a choice column, for every row at once.
    void setChoiceItems(int column, const QStringList &items);
    void showCellValue(int row, int column, int k);
    bool closeWindow();
    // The top of grid row 0 in twips.
    double rowTopTwips() const;
    // Whether the window was built from the list as it stands (another window may have changed it).
    bool inSync() const;
    void focusNameCell(int row);
    void markRowFocused(int row);
    void addMenu(QMenu *menu);
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    // The box whose text is still to be stored, and the record it is bound to.
    struct Pending
    {
        int row = -1;
        int column = -1;
        int record = -1;
        bool onTemplate = false;
    };

    struct Row
    {
        QToolButton *remove = nullptr;
        QLabel *number = nullptr;
        std::vector<QWidget *> cells;
        QToolButton *action = nullptr;
    };

    void buildMenu();
    void fitRowsToMainWindow();
    void layoutHeaders();
    Row makeRow(int row);
    void placeRow(Row &r, int row);
    void setRowVisible(const Row &r, bool visible);
    QString amountText(float value) const;
    void onTextEdited(int row, int column);
    void onAmountEdited(int row, int column);
    void onChoice(int row, int column, int index);
    void onFocusIn(int row, int column);
    void onFocusOut(int row, int column);
    void onDateEdited(int row, int column);
    void bindBox(int row, int column, int k);
    // Ends the binding of the box at (row, column); true when it was bound and
    // its row still shows the record it was bound to.
    bool takeBinding(int row, int column);
    // The bound box's text into its record, before the rows are written again.
    void storeBoundBoxBeforeRedraw();
    void leaveBox(int row, int column);
    // What the close does with a typed new-record row: create it, let it go
    // (also when nothing was typed), or stay open with it.
    enum class NewRecordAnswer { Create, Drop, Cancel };
    NewRecordAnswer askAboutNewRecord();
    // The typed new-record row let go: empty, as after a creation, so that
    // nothing is left to ask about.
    void letTypedRowGo();
    // The new-record row's boxes show the template again.
    void showNewRecordRow();
    // Blank names take the undo copy's, else their running number; true when
    // one was put back.
    bool repairBlankNames();
    // Cell events on or off: a closed or dying window hears nothing from its boxes.
    void listenToCells(bool listen);
    bool onKey(int row, int column, int key);
    void escapeText(int row, int column);
    void escapeAmount(int row, int column);
    void leaveAmount(int row, int column);
    bool leaveText(int row, int column);
    void leaveDate(int row, int column);
    void escapeDate(int row, int column);
    void onScroll(int value);
    void correctOffsetAfterDelete(int clickedRow);
    void offsetForNewRecordRow();
    int recordOf(int row) const { return row - topOffset_; }
    int editableRecord(int row);
    int newRecordRow() const { return recordCount() + topOffset_; }

    std::vector<GridColumn> columns_;
    int nameColumn_ = -1;
    std::vector<QStringListModel *> choiceModels_; // per column, null but for choice columns
    GridTexts texts_;
    GridGeometry geometry_;
    std::vector<Row> rows_;
    Pending pending_;
    bool listening_ = true;
    std::vector<QLabel *> headers_;
    QLabel *numberHeader_ = nullptr;
    QLabel *title_ = nullptr;
    QToolButton *accept_ = nullptr;
    QScrollBar *scroll_ = nullptr;
    QMenu *dataMenu_ = nullptr;
    QAction *orderAction_ = nullptr;
    QList<QMenu *> menus_;

    int rowCount_ = MinimumRows;
    int topOffset_ = 0;
    int currentRow_ = 0;
    int shownCount_ = -1; // the record count of the last redraw
    quint64 shownGeneration_ = ListGeneration(); // the window is built from the lists as they stand
    bool editing_ = false;
    bool redrawing_ = false;
    bool closeApproved_ = false;
    double gridLeft_ = 0;
    double acceptLeft_ = 0;
};

// The number of list rows of a data window that opens at the main window's
// top-left corner and grows down to its foot: the rows that fit below
// `firstRowTop` (twips, in the window) with two rows to spare, never fewer
// than `minimumRows`.
int RowsFittingMainWindow(const AppContext &context, double firstRowTop, double rowHeight, int minimumRows);

} // namespace kelvarino
