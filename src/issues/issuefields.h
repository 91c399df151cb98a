#pragma once

#include "core/buildingdata.h"

#include <QObject>

class QLineEdit;
class QWidget;

namespace kelvarino {

// The four boxes of an issue (issue date, period start, period end,
// announcement) bound to the record they fill: the new issue of the issues
// window, or the copy that the change dialog edits. Leaving a date box reads
// its day (or empties it); leaving the announcement keeps its trimmed text.
class IssueFields : public QObject
{
public:
    IssueFields(QWidget *parent, IssueRecord &record);

    QLineEdit *issueDate() const { return issueDate_; }
    QLineEdit *dateFrom() const { return dateFrom_; }
    QLineEdit *dateTo() const { return dateTo_; }
    QLineEdit *comment() const { return comment_; }

    // The boxes show the record.
    void showRecord();
    // Takes every box as leaving it would: a command that accepts the issue
    // (the image, Enter, OK) takes what was typed even when the focus never
    // left its box.
    void takeTyped();

private:
    void leaveDate(QLineEdit *box, double &day);
    void leaveComment();

    IssueRecord &record_;
    QLineEdit *issueDate_;
    QLineEdit *dateFrom_;
    QLineEdit *dateTo_;
    QLineEdit *comment_;
};

} // namespace kelvarino
