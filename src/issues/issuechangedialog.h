#pragma once

#include "accounts/recordchangedialog.h"
#include "core/buildingdata.h"
#include "shell/appcontext.h"

namespace kelvarino {

class IssueFields;

// "Έκδοση κοινοχρήστων": one issue changed in a copy and written back on "ΟΚ"
// once its date checks pass and any overlap with another issue is confirmed.
// The issues window asks about and does a deletion, and sorts after a change.
class IssueChangeDialog : public RecordChangeDialog
{
public:
    IssueChangeDialog(AppContext &context, int selectedIndex, QWidget *parent = nullptr);

    IssueFields &fields() const { return *fields_; }
    QLabel *numberLabel() const { return indexLabel(); }

protected:
    bool mayStore() override;
    void writeBack() override;

private:
    std::vector<IssueRecord> &issues() const { return state_.Building.Issues; }

    AppState &state_;
    int selectedIndex_;
    IssueRecord editedIssue_;
    IssueFields *fields_ = nullptr;
};

} // namespace kelvarino
