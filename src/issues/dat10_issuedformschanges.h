#pragma once

#include "core/buildingdata.h"
#include "shell/appcontext.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace kelvarino {

class IssueFields;

// The modal dialog that changes one issue or asks for its deletion. It edits
// a copy and writes it back on OK once the checks pass; it never deletes:
// the issues window does, after its own question.
class dat10_IssuedFormsChanges : public QDialog
{
public:
    // The answer the window reads once the dialog has closed.
    enum Result { DeleteRequested = -1, Cancelled = 0, Changed = 1 };

    dat10_IssuedFormsChanges(AppContext &context, int selectedIndex, QWidget *parent = nullptr);

    int changeResult() const { return changeResult_; }
    IssueFields &fields() const { return *fields_; }
    QLabel *numberLabel() const { return lNo_; }
    QPushButton *deleteButton() const { return deleteButton_; }
    QPushButton *okButton() const { return okButton_; }
    QPushButton *cancelButton() const { return cancelButton_; }

private:
    void Command1_Click(); // delete
    void Command2_Click(); // OK
    void Command3_Click(); // cancel
    bool mayWriteBack();

    AppContext &context_;
    int selectedIndex_;
    IssueRecord editedIssue_;
    int changeResult_ = Cancelled;
    IssueFields *fields_ = nullptr;
    QLabel *lNo_ = nullptr;
    QPushButton *deleteButton_ = nullptr;
    QPushButton *okButton_ = nullptr;
    QPushButton *cancelButton_ = nullptr;
};

} // namespace kelvarino
