#include "notifications/notificationtexts.h"

#include "support_notificationbuilding.h"
#include "testprogram.h"

#include <QtTest>

using namespace kelvarino;

Q_DECLARE_METATYPE(RowTexts)

namespace test_notificationtexts {

using namespace kelvarino::testing;

namespace {

const NotificationRow ResidentCharges{0, -1, -1, -1, 0, 0};
const NotificationRow OwnerCharges{0, -1, 0, -1, 0, 0};
const NotificationRow ResidentCategory1{0, -1, -1, 1, 0, 0};
const NotificationRow OthersCharge{0, 0, -1, -1, 0, 0}; // F2's key
const NotificationRow OwnCharge{0, 0, -1, -1, 1, 0};    // F1's -5,00
const NotificationRow CleaningItem{0, 0, -1, 1, 0, 0};

QString Row(const RowTexts &t)
{
    return QStringList{t.total, t.fromClosed, t.share, t.perMille, t.amount, t.description}.join(QLatin1Char('|'));
}

} // namespace

class TestNotificationTexts : public QObject
{
    Q_OBJECT
private:
    PreparedIssue issue = PrepareIssue(NotificationBuilding());

private slots:
    // Cells from right to left: total, from closed, share, per-mille, amount, description.
    void cells_data()
    {
        QTest::addColumn<int>("flat");
        QTest::addColumn<NotificationRow>("row");
        QTest::addColumn<bool>("isHeader");
        QTest::addColumn<QString>("cells");
        QTest::newRow("negative charges leave the header's total and share blank")
            << 0 << ResidentCharges << true << "||||5,00|  ΑΤΟΜΙΚΕΣ";
        QTest::newRow("a header's amount always written")
            << 0 << OwnerCharges << true << "||||0,00|  ΑΤΟΜΙΚΕΣ";
        QTest::newRow("reduced flat: negative from-closed written")
            << 0 << ResidentCategory1 << true << "25,00|-25,00|50,00||100,00|  ΚΑΘΑΡΙΟΤΗΤΑ";
        QTest::newRow("carrying flat") << 1 << ResidentCategory1 << true << "75,00|25,00|50,00||100,00|  ΚΑΘΑΡΙΟΤΗΤΑ";
        QTest::newRow("zero per-mille: header blank but its amount")
            << 2 << ResidentCategory1 << true << "||||100,00|  ΚΑΘΑΡΙΟΤΗΤΑ";
        QTest::newRow("another flat's charge: amount only, named flat")
            << 0 << OthersCharge << false << "||||10,00|  10/2/2024: F2, Κλειδί";
        QTest::newRow("the flat's own charge") << 1 << OthersCharge << false << "10,00||10,00||10,00|  10/2/2024: F2, Κλειδί";
        QTest::newRow("a negative own charge") << 0 << OwnCharge << false << "-5,00||-5,00||-5,00|  10/2/2024: F1, ";
        QTest::newRow("per-mille over the column total")
            << 0 << CleaningItem << false << "25,00|-25,00|50,00|500 / 1000|100,00|  10/2/2024: Καθαρισμός";
        QTest::newRow("zero per-mille empties per-mille, total, share")
            << 2 << CleaningItem << false << "||||100,00|  10/2/2024: Καθαρισμός";
    }

    void cells()
    {
        QFETCH(int, flat);
        QFETCH(NotificationRow, row);
        QFETCH(bool, isHeader);
        const NotificationTexts texts(issue.source(), flat);
        QTEST(Row(isHeader ? texts.header(row) : texts.item(row)), "cells");
    }

    void balancesAlwaysWritten()
    {
        const NotificationTexts texts(issue.source(), 1);
        const BalanceTexts resident = texts.sheetBalance(Side::Resident);
        QCOMPARE(resident.title, QStringLiteral("Χρεώσεις ΕΝΟΙΚΟΥ"));
        QCOMPARE(resident.previous, QStringLiteral("Προηγούμενο υπόλοιπο: 0,00"));
        QCOMPARE(resident.payments, QStringLiteral("Πληρωμές: 0,00"));
        QCOMPARE(resident.newCharges, QStringLiteral("Νέες χρεώσεις: 85,00"));
        QCOMPARE(resident.newBalance, QStringLiteral("ΝΕΟ ΥΠΟΛΟΙΠΟ: 85,00"));
        QCOMPARE(texts.sheetBalance(Side::Owner).title, QStringLiteral("Χρεώσεις ΙΔΙΟΚΤΗΤΗ"));
        QCOMPARE(texts.receiptBalance(Side::Resident).title, QStringLiteral("ΕΝΟΙΚΟΣ"));
        QCOMPARE(texts.receiptBalance(Side::Owner).title, QStringLiteral("ΙΔΙΟΚΤΗΤΗΣ"));
        QCOMPARE(texts.receiptBalance(Side::Owner).newBalance, QStringLiteral("ΝΕΟ ΥΠΟΛΟΙΠΟ: 30,00"));
    }

    void titleBand()
    {
        const TitleTexts t = NotificationTexts(issue.source(), 1).title();
        QCOMPARE(t.flat, QStringLiteral("ΔΙΑΜΕΡΙΣΜΑ: F2"));
        QCOMPARE(t.occupant, QStringLiteral("Ιωάννου Κώστας"));
        QCOMPARE(t.building, QStringLiteral("Ερμού 12"));
        QCOMPARE(t.period, QStringLiteral("ΑΠΟ: 1/1/2024 ΕΩΣ: 31/3/2024"));
        QCOMPARE(t.administratorCaption, QStringLiteral("ΔΙΑΧΕΙΡΙΣΤΡΙΑ: Νικολάου Ελένη"));
        QCOMPARE(t.issueDate, QStringLiteral("Ημερομηνία έκδοσης: 5/4/2024"));
        QCOMPARE(t.announcement, QStringLiteral("ΑΝΑΚΟΙΝΩΣΗ: Καθαρισμός δεξαμενής"));
        QCOMPARE(t.newCharges, QStringLiteral("Νέες χρεώσεις: 115,00"));
        QCOMPARE(t.newBalance, QStringLiteral("ΝΕΟ ΥΠΟΛΟΙΠΟ: 115,00"));
        QCOMPARE(t.previous, QStringLiteral("Προηγούμενο Υπόλοιπο: 0,00"));
        QCOMPARE(t.payments, QStringLiteral("Πληρωμές: 0,00"));
        QCOMPARE(t.flatBalance, QStringLiteral("ΥΠΟΛΟΙΠΟ ΔΙΑΜΕΡΙΣΜΑΤΟΣ: 115,00"));
    }

    void signatureFollowsTheAdministrator()
    {
        QCOMPARE(NotificationTexts(issue.source(), 0).signature(), QStringLiteral("Η ΥΠΟΓΡΑΦΟΥΣΑ ΔΙΑΧΕΙΡΙΣΤΡΙΑ"));
        PeriodBuilding none = NotificationBuilding();
        none.data.Administrators.clear();
        const PreparedIssue withoutAdministrator = PrepareIssue(none);
        QCOMPARE(NotificationTexts(withoutAdministrator.source(), 0).signature(),
                 QStringLiteral("Ο ΥΠΟΓΡΑΦΩΝ ΔΙΑΧΕΙΡΙΣΤΗΣ"));
    }
};

KV_TEST_GUILESS_MAIN(TestNotificationTexts)

} // namespace test_notificationtexts
#include "test_notificationtexts.moc"
