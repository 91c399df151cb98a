#pragma once

#include "accounts/recordlistwindow.h"
#include "core/issuecommands.h"
#include "shell/reportopeners.h"

namespace kelvarino {

class IssueFields;

// The issues of common expenses on the list window pattern: the frame "ΝΕΑ
// ΕΚΔΟΣΗ ΚΟΙΝΟΧΡΗΣΤΩΝ" for a new issue above the list of issues, latest
// period end first (the order they are kept in), one per row with its three
// print buttons. The list has no filter, and an add leaves it where it was
// scrolled. Creating, changing and deleting an issue computes nothing; only
// the print buttons do.
class IssuesWindow : public RecordListWindow
{
public:
    explicit IssuesWindow(AppContext &context, QWidget *parent = nullptr);
    ~IssuesWindow() override;

    // The row buttons, left to right.
    enum PrintButton { Collective, Itemized, Repository };

    // One list row: the number, the four texts and the print buttons.
    struct Row
    {
        QLabel *runningNumber;
        QLabel *issueDate;
        QLabel *dateFrom;
        QLabel *dateTo;
        QLabel *comment;
        QPushButton *collective;
        QPushButton *itemized;
        QPushButton *repository;
    };

    // The commands by the names of their clicks (`row` counts from the first shown).
    void addIssue() { addRecord(); }
    void editIssue(int row) { openRow(row); }
    void deleteAllIssues() { deleteAllListed(); }

    Row row(int r) const;
    int firstShownIssue() const { return firstShown(); }
    IssueFields &fields() const { return *fields_; }
    // What the last print command computed, which the report it opened read.
    const PeriodResults &results() const { return results_; }

protected:
    int recordCount() const override;
    std::vector<int> listRecords() override;
    QString cellText(int index, int column) const override;
    int editRecord(int index) override;
    void deleteRecords(const std::vector<int> &indexes) override;
    bool newRecordMayBeStored() override;
    void appendNewRecord() override;
    void clearEntryFrame() override;
    void fillEntryLists(bool) override {}
    bool rowButtonEnabled(int button) const override;
    void rowButtonClicked(int button, int index) override;
    bool addKeepsPosition() const override { return true; }
    quint64 listSignature() const override;
    void storeTypedText() override;

private:
    std::vector<IssueRecord> &issues() const { return state().Building.Issues; }
    void buildEntryFrame();
    using Prepare = CommandOutcome (*)(const BuildingData &, int, MessageService &, PeriodResults &);
    bool prepareReport(int issueIndex, Prepare prepare);
    // A report of another folder, opened through its bound opener.
    using IssueReportOpener = decltype(ReportOpeners::notifications);
    void openBoundReport(int issueIndex, Prepare prepare, const IssueReportOpener &open);

    IssueRecord newIssue_;
    IssueFields *fields_ = nullptr;
    PeriodResults results_;
};

} // namespace kelvarino
