#include "support_notificationbuilding.h"

#include "platform/messageservice.h"

namespace kelvarino::testing {

PeriodBuilding NotificationBuilding()
{
    PeriodBuilding b(3);
    for (int c = 0; c < CategoryCount; ++c)
        b.perMille(c, 0, {500, 500, 0});
    b.residentReduction(1, 0, {50, 0, 0});
    const double in = Day(2024, 2, 10);
    b.issue(Day(2024, 1, 1), Day(2024, 3, 31), Day(2024, 4, 5));
    b.data.Issues[0].Announcement.set(QStringLiteral("Καθαρισμός δεξαμενής"));
    b.data.BuildingId.set(QStringLiteral("Ερμού 12"));
    b.data.CategoryLabels[1].set(StoredLabel(QStringLiteral("ΚΑΘΑΡΙΟΤΗΤΑ")));
    const int cleaning = b.common(in, 1, 100);
    b.data.Expenses[std::size_t(cleaning)].Description.set(QStringLiteral("Καθαρισμός"));
    const int key = b.charge(in, 1, 10);
    b.data.Expenses[std::size_t(key)].Description.set(QStringLiteral("Κλειδί"));
    b.charge(in, 0, -5);
    b.charge(in, 2, 0, true);
    b.common(in, 3, 60, true);
    const int admin = b.person(QStringLiteral("Νικολάου Ελένη"), true);
    b.data.Administrators.push_back({qint16(admin), NotSetDate, NotSetDate});
    b.resident(1, b.person(QStringLiteral("Ιωάννου Κώστας")));
    return b;
}

PreparedIssue PrepareIssue(PeriodBuilding building)
{
    PreparedIssue prepared{std::move(building), {}};
    RecordingMessageService messages;
    const CommandOutcome outcome = PrepareNotifications(prepared.building.data, 0, messages, prepared.results);
    if (outcome != CommandOutcome::OpenReport)
        qFatal("the test building's issue did not open: %s", qPrintable(messages.shown.value(0).text));
    return prepared;
}

} // namespace kelvarino::testing
