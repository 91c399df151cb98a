#include "notificationrows.h"

#include "core/issueworkspace.h"

#include <cmath>

namespace kelvarino {

namespace {

void AppendSide(const IssueWorkspace &w, Side side, NotificationRows &rows)
{
    const qint16 resident = side == Side::Resident ? -1 : 0;
    rows.push_back({-1, 0, resident, 0, 0, 0});
    const auto group = [&](qint16 category, int count) {
        if (count <= 0)
            return;
        rows.push_back({0, -1, resident, category, 0, 0});
        for (int i = 0; i < count; ++i)
            rows.push_back({0, 0, resident, category, qint16(i), 0});
    };
    group(-1, side == Side::Resident ? w.ResidentChargeCount() : w.OwnerChargeCount());
    const bool commonExists = side == Side::Resident ? w.ResidentCommonExists : w.OwnerCommonExists;
    if (!commonExists)
        return;
    for (int c = 0; c < CategoryCount; ++c)
        group(qint16(c), w.CommonCount(side, c));
}

// The whole lines of the given height that a height holds; -1 for sizes that
// are not numbers (or so large that the count means nothing).
double LinesIn(double height, double line)
{
    const double lines = std::floor(height / line);
    return std::isfinite(lines) && std::fabs(lines) < 1e9 ? lines : -1;
}

} // namespace

NotificationRows BuildNotificationRows(const IssueWorkspace &workspace)
{
    NotificationRows rows;
    AppendSide(workspace, Side::Resident, rows);
    AppendSide(workspace, Side::Owner, rows);
    return rows;
}

int PageNotificationRows(NotificationRows &rows, const NotificationPageMetrics &metrics)
{
    const double m = metrics.magnification;
    const double line = metrics.lineHeight * m;
    if (!(line > 0) || !std::isfinite(metrics.printableHeight) || !std::isfinite(line))
        return 0;
    // A fresh page must hold any row, or the rows would never come to an end
    // (or would stack past the bottom).
    const double perPage = LinesIn(metrics.printableHeight, line);
    double n = std::floor((metrics.printableHeight - NotificationTitleHeight * m) / line);
    if (!std::isfinite(n))
        return 0;
    std::vector<qint16> pages;
    pages.reserve(rows.size());
    int page = 1;
    for (const NotificationRow &row : rows) {
        const int needed = row.lines();
        if (n < needed) {
            if (perPage < 2 || page >= 32767)
                return 0;
            ++page;
            n = perPage;
        }
        pages.push_back(qint16(page));
        n -= needed;
    }
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].Page = pages[i];
    return page;
}

} // namespace kelvarino
