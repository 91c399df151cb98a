#pragma once

#include "core/buildingdata.h"

#include <QString>

#include <vector>

namespace kelvarino {

class Clock;
class MessageService;

// Whether an issue is being entered in the issues window or changed in its
// change dialog: the two word their messages differently.
enum class IssueEntry { New, Changed };

// The first problem with an issue's dates (issue date, period start, period
// end, then their order), as the message that names it; empty when none.
QString IssueDatesProblem(const IssueRecord &issue, IssueEntry entry);

// Whether the period shares a day with the period of some issue other than
// `except` (all bounds included).
bool OverlapsOtherIssue(const std::vector<IssueRecord> &issues, double from, double to, int except = -1);

// Asks whether to go on with a period that overlaps another issue's; true to go on.
bool ConfirmOverlap(MessageService &messages, IssueEntry entry);

// Keeps the issues by period end, latest first. An exchange sort in place:
// issues with equal ends are never swapped with each other directly, so their
// order after a sort follows from the swaps around them.
void SortIssues(std::vector<IssueRecord> &issues);

// A fresh new issue: issued today (a whole day, so that a period ending today
// covers it), no period, no announcement.
IssueRecord FreshIssue(const Clock &clock);

} // namespace kelvarino
