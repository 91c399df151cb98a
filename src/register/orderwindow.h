#pragma once

#include "register/windowopener.h"
#include "shell/datawindow.h"

#include <QColor>
#include <QFont>

#include <vector>

class QAction;
class QLabel;
class QMenu;
class QScrollBar;

namespace kelvarino {

// How one order window differs from the others.
struct OrderSpec
{
    QString caption;
    double clientWidthTwips = 6090;
    QString nameHeader;
    double nameWidthTwips = 5175;
    double rowHeightTwips = 240;
    double cellPointSize = 8.25;
    bool fixedRows = false;   // the categories: always six rows, no scroll bar
    bool firstRowFixed = false; // row 0 can be neither picked nor dropped on
    int pageStep = 20;        // records per click in the scroll bar's track
    QString dataWindowCaption; // the menu item back to the data window; empty for none
};

// The pick-and-drop window that reorders one register: a click on a row picks
// its record, a floating red label with the row's text follows the pointer,
// and a click on another row moves the record there through the register's
// move operation. A click on the background cancels the pick. While a move
// runs the window refuses to close.
class OrderWindow : public DataWindow
{
public:
    ~OrderWindow() override;

    QList<QMenu *> menus() const override { return menus_; }
    bool canClose() override { return !moveBusy_; }
    void showData() override;
    int helpTopic() const override { return 8400; }

    // A click on the number or name cell of a row: picks, or drops the picked record.
    void clickRow(int row);
    // A click on the background: the pick is cancelled.
    void cancelPick();

    // For tests.
    int rowCount() const { return int(rows_.size()); }
    int topOffset() const { return topOffset_; }
    bool isCarrying() const;
    int pickedIndex() const { return pickedIndex_; }
    QLabel *numberCell(int row) const;
    QLabel *nameCell(int row) const;
    QLabel *floatingLabel() const { return floating_; }
    QScrollBar *scrollBar() const { return scroll_; }
    QMenu *dataMenu() const { return dataMenu_; }

protected:
    OrderWindow(AppContext &context, OrderSpec spec, QWidget *parent);

    // Builds the rows; the member calls it at the end of its constructor.
    void buildRows();

    virtual int recordCount() const = 0;
    virtual QString rowText(int k) const = 0;
    virtual void move(int from, int to) = 0;
    virtual void openDataWindow() {}
    virtual QFont floatingFont() const;

    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Row
    {
        QLabel *number = nullptr;
        QLabel *name = nullptr;
    };

    void buildMenu();
    void clearRows();
    void layoutRows();
    void follow(QLabel *cell, const QPoint &at, bool nameCell);
    bool fixedRecord(int k) const { return spec_.firstRowFixed && k == 0; }
    void rebuildIfChanged();

    OrderSpec spec_;
    std::vector<Row> rows_;
    QLabel *numberHeader_ = nullptr;
    QLabel *nameHeader_ = nullptr;
    QLabel *floating_ = nullptr;
    QScrollBar *scroll_ = nullptr;
    QMenu *dataMenu_ = nullptr;
    QList<QMenu *> menus_;
    int topOffset_ = 0;
    int pickedIndex_ = 0;
    int dropIndex_ = 0;
    bool moveBusy_ = false;
    int builtCount_ = -1;
    quint64 shownGeneration_ = 0;
};

// What an order window over one list of the building's records needs: the
// list, how a record reads in its row, the register's move operation and the
// data window that the data menu goes back to.
template <class R>
struct OrderedList
{
    std::vector<R> BuildingData::*list = nullptr;
    QString (*rowText)(const R &) = nullptr;
    void (*move)(AppState &, int, int) = nullptr;
    DataWindow *(*dataWindow)(AppContext &) = nullptr;
};

template <class R>
class ListOrderWindow : public OrderWindow
{
protected:
    ListOrderWindow(AppContext &context, OrderSpec spec, OrderedList<R> list, QWidget *parent)
        : OrderWindow(context, std::move(spec), parent), list_(list)
    {
    }

    int recordCount() const override { return int(records().size()); }
    QString rowText(int k) const override { return list_.rowText(records()[std::size_t(k)]); }
    void move(int from, int to) override { list_.move(state(), from, to); }
    void openDataWindow() override { OpenDataWindow(list_.dataWindow(context())); }

private:
    const std::vector<R> &records() const { return state().Building.*list_.list; }

    OrderedList<R> list_;
};

} // namespace kelvarino
