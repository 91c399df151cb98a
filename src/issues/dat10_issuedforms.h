#pragma once

#include "core/issuecommands.h"
#include "shell/datawindow.h"
#include "shell/reportopeners.h"

#include <vector>

class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace kelvarino {

class IssueFields;

// The issues of common expenses: an entry frame for a new issue above the
// list of issues, latest period end first, one per row with its three print
// buttons. A click on a row opens the change dialog. Creating, changing and
// deleting an issue computes nothing; only the print buttons do.
class dat10_IssuedForms : public DataWindow
{
public:
    explicit dat10_IssuedForms(AppContext &context, QWidget *parent = nullptr);

    QList<QMenu *> menus() const override { return {dataMenu_}; }
    int helpTopic() const override { return 12015; }
    void show_data() override;

    // One list row: the number, the four texts and the print buttons.
    struct Row
    {
        QLabel *aa;
        QLabel *issueDate;
        QLabel *dateFrom;
        QLabel *dateTo;
        QLabel *comment;
        QPushButton *collective;
        QPushButton *itemized;
        QPushButton *repository;
    };

    // The commands, as their clicks run them (`row` counts from the first shown).
    void accept_Click();
    void Edit_Issue(int row);
    void comPrintCollective_Click(int row);
    void comPrintItemized_Click(int row);
    void comPrintRepository_Click(int row);
    void mnuDeleteAll_Click();

    int visibleRows() const { return int(rows_.size()); }
    int firstShownIssue() const { return firstShownIssue_; }
    const Row &row(int r) const { return rows_.at(std::size_t(r)); }
    IssueFields &fields() const { return *fields_; }
    QToolButton *acceptButton() const { return accept_; }
    QScrollBar *scrollBar() const { return scroll_; }
    QAction *deleteAllAction() const { return deleteAll_; }
    // What the last print command computed, which the report it opened read.
    const PeriodResults &results() const { return results_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildEntryFrame();
    void buildHeaders();
    void Build_Grid_Rows();
    Row makeRow(int r);
    void Clear_New_Issue();
    void deleteIssue(int index);
    void changed();
    // The issue of a row, or -1 when the row shows none.
    int issueOfRow(int row) const;
    using Prepare = CommandOutcome (*)(const BuildingData &, int, MessageService &, PeriodResults &);
    bool prepareReport(int issueIndex, Prepare prepare);
    // A report of another folder, opened through its bound opener.
    using IssueReportOpener = decltype(ReportOpeners::notifications);
    void openBoundReport(int row, Prepare prepare, const IssueReportOpener &open);

    IssueRecord newIssue_;
    int firstShownIssue_ = 0;
    std::vector<Row> rows_;
    PeriodResults results_;
    QGroupBox *frame_ = nullptr;
    IssueFields *fields_ = nullptr;
    QToolButton *accept_ = nullptr;
    QScrollBar *scroll_ = nullptr;
    QMenu *dataMenu_ = nullptr;
    QAction *deleteAll_ = nullptr;
};

} // namespace kelvarino
