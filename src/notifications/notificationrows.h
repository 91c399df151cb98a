#pragma once

#include <QtGlobal>

#include <vector>

namespace kelvarino {

struct IssueWorkspace;

// One row of a flat's notification sheet. The rows depend on the issue only:
// every flat of an issue has the same rows, and so the same pages.
struct NotificationRow
{
    qint16 IsBalanceRow = 0; // -1: the balance row that opens a side's section
    qint16 IsHeaderRow = 0;  // -1: the header of the individual charges or of a category
    qint16 IsResident = 0;   // -1: the resident's section; 0: the owner's
    qint16 Category = 0;     // 0..5, or -1 for the side's individual charges; 0 in a balance row
    qint16 Item = 0;         // an item row's position in its group's list of the workspace
    qint16 Page = 0;         // the page the row is drawn on, from 1
    friend bool operator==(const NotificationRow &, const NotificationRow &) = default;

    bool isItem() const { return IsBalanceRow == 0 && IsHeaderRow == 0; }
    bool isResident() const { return IsResident != 0; }
    // Balance and header rows take two lines, item rows one.
    int lines() const { return isItem() ? 1 : 2; }
};

using NotificationRows = std::vector<NotificationRow>;

// The rows of the issue's sheets: per side (the resident's first) its balance
// row, the header and items of its individual charges when there are any,
// then the header and items of every category 0..5 that has common expenses
// of the side. Pages are left 0.
NotificationRows BuildNotificationRows(const IssueWorkspace &workspace);

// The height of a page and of a line, in twips at magnification 1.
struct NotificationPageMetrics
{
    double printableHeight = 0; // the printable height of the paper
    double lineHeight = 270;    // the rows' line height
    double magnification = 1;
};

// The title band of a sheet's first page: eight lines of 270 twips and one
// cell margin, whatever the rows' line height.
inline constexpr double NotificationTitleHeight = 8 * 270 + 30;

// Distributes the rows over pages: a row goes on the current page when its
// lines are free there, else it starts the next one; a two-line row is never
// split. Answers the page count, or 0 when the rows cannot be paged (a page
// after the first holds fewer than two lines, or the sizes are not numbers):
// the rows' pages are then left as they were.
int PageNotificationRows(NotificationRows &rows, const NotificationPageMetrics &metrics);

} // namespace kelvarino
