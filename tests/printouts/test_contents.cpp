// What the printouts show, without a window: the contact lists' order and
// cells, the per-mille table's periods and cells, the cash statement's cells
// and the receipt's lines.
#include "core/issuecommands.h"
#include "platform/localeservice.h"
#include "platform/messageservice.h"
#include "printouts/cashstatement.h"
#include "printouts/contactlist.h"
#include "printouts/paymentreceipt.h"
#include "printouts/permilletable.h"
#include "testprogram.h"

#include <QCollator>
#include <QRandomGenerator>
#include <QTest>

using namespace kelvarino;

namespace test_contents {

namespace {

double Day(int year, int month, int day)
{
    return LocaleService::dayNumber(QDate(year, month, day));
}

// Flats "Α1", "Α2", ..., every category with one open column of zeros.
BuildingData Flats(int count)
{
    BuildingData b;
    for (int i = 0; i < count; ++i) {
        FlatRecord flat;
        flat.ShortName.set(QStringLiteral("Α%1").arg(i + 1));
        b.Flats.push_back(flat);
    }
    for (auto &columns : b.ShareColumns)
        columns = {ShareColumn::zeros(count)};
    return b;
}

PersonRecord Person(const QString &name, const QString &salutation = {})
{
    PersonRecord p;
    p.Name.set(name);
    p.Salutation.set(salutation);
    return p;
}

// The order the list had before it was a sort: each place in turn takes the
// first of the smallest remaining names, the others moving on in their order.
std::vector<int> PlaceByPlace(const QStringList &keys)
{
    QCollator collator{QLocale(QLocale::Greek, QLocale::Greece)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<int> order;
    for (int i = 0; i < keys.size(); ++i)
        order.push_back(i);
    for (std::size_t j = 0; j + 1 < order.size(); ++j)
        for (std::size_t k = j + 1; k < order.size(); ++k)
            if (collator.compare(keys[order[j]], keys[order[k]]) > 0) {
                const int c = order[k];
                std::copy_backward(order.begin() + qsizetype(j), order.begin() + qsizetype(k),
                                   order.begin() + qsizetype(k) + 1);
                order[j] = c;
            }
    return order;
}

} // namespace

class TestContents : public QObject
{
    Q_OBJECT

private slots:
    void alphabeticalOrderIsStable()
    {
        BuildingData b;
        const QStringList names{QStringLiteral("Παπάς"),  QStringLiteral("αλέξης"), QStringLiteral("ΑΛΕΞΗΣ"),
                                QStringLiteral("Βήτα"),   QStringLiteral("Άλφα"),   QStringLiteral("αλεξης"),
                                QStringLiteral("Zeta"),   QStringLiteral("alpha"),  QStringLiteral("Αλέξης Β"),
                                QStringLiteral(""),       QStringLiteral("ωμέγα"),  QStringLiteral("Αλέξης")};
        for (const QString &name : names)
            b.Persons.push_back(Person(name));
        const std::vector<int> order = ContactDisplayOrder(b, ContactListKind::Persons, true);
        // Names that differ only in case keep their data order.
        const auto at = [&order](int entry) { return std::find(order.begin(), order.end(), entry) - order.begin(); };
        QVERIFY(at(1) < at(11));
        QVERIFY(at(2) < at(5));
        QCOMPARE(order.front(), 9); // the empty name first
        QCOMPARE(ContactDisplayOrder(b, ContactListKind::Persons, false), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8,
                                                                                            9, 10, 11}));

        // Exactly the place-by-place order, also on many names with repeats.
        QRandomGenerator random(43);
        const QStringList pool{QStringLiteral("Γιώργος"), QStringLiteral("γιώργος"), QStringLiteral("ΓΙΩΡΓΟΣ"),
                               QStringLiteral("Γιωργος"), QStringLiteral("Άννα"),    QStringLiteral("άννα"),
                               QStringLiteral("Ανna"),    QStringLiteral("Ζήσης"),   QStringLiteral("ζ")};
        b.Persons.clear();
        QStringList keys;
        for (int i = 0; i < 200; ++i) {
            b.Persons.push_back(Person(pool[random.bounded(int(pool.size()))]));
            keys << b.Persons.back().Name.text();
        }
        QCOMPARE(ContactDisplayOrder(b, ContactListKind::Persons, true), PlaceByPlace(keys));
    }

    void professionalsOfOneActivityKeepDataOrder()
    {
        BuildingData b;
        const QStringList rows[] = {{QStringLiteral("Υδραυλικός"), QStringLiteral("Ωρίων")},
                                    {QStringLiteral("Ηλεκτρολόγος"), QStringLiteral("Βασίλης")},
                                    {QStringLiteral("υδραυλικός"), QStringLiteral("Άλκης")}};
        for (const QStringList &row : rows) {
            ProfessionalRecord p;
            p.Activity.set(row[0]);
            p.Name.set(row[1]);
            b.Professionals.push_back(p);
        }
        QCOMPARE(ContactDisplayOrder(b, ContactListKind::Professionals, true), (std::vector<int>{1, 0, 2}));
        QCOMPARE(ContactCellTexts(b, ContactListKind::Professionals, 1),
                 (QStringList{QStringLiteral("Ηλεκτρολόγος"), QStringLiteral("Βασίλης"), QStringLiteral(", "), {}, {},
                              {}}));
    }

    void personCells()
    {
        BuildingData b;
        b.Persons.push_back(Person(QStringLiteral("Νίκος  "), QStringLiteral(" κ. ")));
        b.Persons.push_back(Person(QStringLiteral("Μαρία")));
        b.Persons[1].Street.set(QStringLiteral("Οδός 1"));
        b.Persons[1].Email.set(QStringLiteral(" m@x.gr"));
        QCOMPARE(ContactCellTexts(b, ContactListKind::Persons, 0),
                 (QStringList{QStringLiteral("Νίκος, κ."), QStringLiteral(", "), {}, {}, {}}));
        QCOMPARE(ContactCellTexts(b, ContactListKind::Persons, 1),
                 (QStringList{QStringLiteral("Μαρία"), QStringLiteral("Οδός 1, "), {}, {}, QStringLiteral("m@x.gr")}));
    }

    void cellHeightAndRowsPerPage()
    {
        const std::pair<float, float> heights[] = {{0, 235},   {89, 235},  {90, 90},  {235, 235},
                                                   {500, 500}, {501, 500}, {1e9f, 500}};
        for (auto [stored, opened] : heights)
            QCOMPARE(ContactCellHeight(stored), opened);
        QCOMPARE(ContactCellHeight(std::numeric_limits<float>::quiet_NaN()), 235.0f);
        QCOMPARE(ContactCellHeight(std::numeric_limits<float>::infinity()), 235.0f);
        QCOMPARE(ContactRowCapacity(240, 235), 44);
        QCOMPARE(ContactRowCapacity(240, 90), 122);
        QCOMPARE(ContactRowCapacity(240, 500), 19);
        QCOMPARE(ContactRowCapacity(11000, 500), 1);
        QCOMPARE(ContactPageCount(44, 44), 1);
        QCOMPARE(ContactPageCount(45, 44), 2);
        QCOMPARE(ContactPageCount(88, 44), 2);
    }

    void perMillePeriods()
    {
        BuildingData b = Flats(2);
        QCOMPARE(PerMilleTable::PeriodCaptions(BuildShareTimeline(b)), QStringList{QStringLiteral("Τρέχουσα")});
        const PerMilleTable::PeriodBox open = PerMilleTable::PeriodBoxOf(BuildShareTimeline(b), 0);
        QCOMPARE(open.from, QStringLiteral("Από την αρχή"));
        QCOMPARE(open.to, QStringLiteral("Έως σήμερα"));

        b.ShareColumns[1].insert(b.ShareColumns[1].begin(), ShareColumn::zeros(2, Day(2014, 12, 31)));
        b.ShareColumns[2].insert(b.ShareColumns[2].begin(), ShareColumn::zeros(2, Day(2015, 6, 30)));
        const ShareTimeline timeline = BuildShareTimeline(b);
        QCOMPARE(PerMilleTable::PeriodCaptions(timeline),
                 (QStringList{QStringLiteral("Τρέχουσα"), QStringLiteral("Από: 1/1/2015, Έως: 30/6/2015"),
                              QStringLiteral("Από την αρχή, Έως: 31/12/2014")}));
        const auto box = [&timeline](int period) {
            const PerMilleTable::PeriodBox texts = PerMilleTable::PeriodBoxOf(timeline, period);
            return QStringList{texts.from, texts.to};
        };
        QCOMPARE(box(0), (QStringList{QStringLiteral("Από: 1/7/2015"), QStringLiteral("Έως σήμερα")}));
        QCOMPARE(box(1), (QStringList{QStringLiteral("Από: 1/1/2015"), QStringLiteral("Έως: 30/6/2015")}));
        QCOMPARE(box(2), (QStringList{QStringLiteral("Από την αρχή"), QStringLiteral("Έως: 31/12/2014")}));
        // The oldest period shows each category's first column.
        QCOMPARE(PerMilleTable::ShownColumn(b, timeline, 2, 1), &b.ShareColumns[1][0]);
        QCOMPARE(PerMilleTable::ShownColumn(b, timeline, 0, 1), &b.ShareColumns[1][1]);

        // Two categories ending on one date give one period.
        b.ShareColumns[2][0].EndDate = Day(2014, 12, 31);
        QCOMPARE(PerMilleTable::PeriodCaptions(BuildShareTimeline(b)).size(), 2);
    }

    void perMilleCells()
    {
        QCOMPARE(PerMilleTable::PerMilleText(0), QStringLiteral("0,00"));
        QCOMPARE(PerMilleTable::PerMilleText(-0.001f), QStringLiteral("0,00"));
        QCOMPARE(PerMilleTable::PerMilleText(12.5f), QStringLiteral("12,50"));
        QCOMPARE(PerMilleTable::ReductionText(0), QString());
        QCOMPARE(PerMilleTable::ReductionText(-5), QString());
        QCOMPARE(PerMilleTable::ReductionText(7.25f), QStringLiteral("7,25"));
        ShareColumn column = ShareColumn::zeros(3);
        column.PerMille = {100.1f, 0, 899.9f};
        QCOMPARE(PerMilleTable::PerMilleTotal(column, 3), 1000.0f);
        QCOMPARE(PerMilleTable::PerMilleTotal(column, 2), 100.1f);
    }

    void cashStatementCells()
    {
        QCOMPARE(CashStatement::ColumnSubCount(1), 2);
        QCOMPARE(CashStatement::ColumnSubCount(0), 3);
        QCOMPARE(CashStatement::ColumnSubCount(5), 0);
        QCOMPARE(CashStatement::GroupOf(3).title2, QString());
        QCOMPARE(CashStatement::FlatText(0), QString());
        QCOMPARE(CashStatement::FlatText(-0.001f), QStringLiteral("0,00"));
        QCOMPARE(CashStatement::FlatText(-12.5f), QStringLiteral("-12,50"));
        QCOMPARE(CashStatement::TotalText(0), QStringLiteral("0,00"));
        FlatBalance balance;
        balance.OwnerCharges = 3;
        balance.Due = 4;
        QCOMPARE(CashStatement::FlatValue(balance, 1, 1), 3.0f);
        QCOMPARE(CashStatement::FlatValue(balance, 4, 2), 4.0f);
        QCOMPARE(CashStatement::FlatValue(balance, 1, 2), 0.0f); // no "both" for the individual charges
        PeriodBalances period;
        period.TotalOwnerPaid = 9;
        QCOMPARE(CashStatement::TotalValue(period, 3, 1), 9.0f);
        IssueRecord issue;
        issue.PeriodFrom = Day(2015, 1, 1);
        issue.PeriodTo = Day(2015, 3, 31);
        QCOMPARE(CashStatement::PeriodLine(issue),
                 QStringLiteral("ΔΙΑΧΕΙΡΙΣΤΙΚΗ ΠΕΡΙΟΔΟΣ ΤΑΜΕΙΟΥ ΑΠΟ: 1/1/2015 ΕΩΣ: 31/3/2015"));
    }

    void receiptLines()
    {
        BuildingData b = Flats(2);
        b.BuildingId.set(QStringLiteral("Οδός 5"));
        b.Persons.push_back(Person(QStringLiteral("Ένοικος Α")));
        b.Persons.push_back(Person(QStringLiteral("Ιδιοκτήτρια")));
        b.Residents.push_back({0, 0, Day(2015, 1, 1), NotSetDate});
        b.Owners.push_back({1, 1, NotSetDate, NotSetDate});
        b.Flats[0].ResidentInitialDebt = 100;
        b.Flats[1].ResidentInitialDebt = 50;
        const auto pay = [&b](double date, int flat, float owner, float resident) {
            PaymentRecord p;
            p.Date = date;
            p.Flat = qint16(flat);
            p.OwnerAmount = owner;
            p.ResidentAmount = resident;
            b.Payments.push_back(p);
        };
        pay(Day(2015, 2, 1), 0, 5, 30);
        pay(Day(2015, 2, 1), 0, 0, 20);
        pay(Day(2015, 2, 1), 1, 7, 0);
        b.Payments[0].ResidentNote.set(QStringLiteral(" Φεβρουάριος "));

        RecordingMessageService messages;
        const auto lines = [&](int payment, Side side) {
            PeriodResults results;
            if (PreparePaymentReceipt(b, payment, messages, results) != CommandOutcome::OpenReport)
                return QStringList();
            QStringList texts;
            for (const PaymentReceipt::Line &line : PaymentReceipt::Lines(b, results, payment, side))
                texts << line.text;
            return texts;
        };
        const QStringList first = lines(0, Side::Resident);
        QCOMPARE(first.size(), 12);
        QCOMPARE(first[0], QStringLiteral("ΑΠΟΔΕΙΞΗ ΠΛΗΡΩΜΗΣ ΕΝΟΙΚΟΥ"));
        QCOMPARE(first[1], QStringLiteral("ΔΙΑΜΕΡΙΣΜΑ: Α1"));
        QCOMPARE(first[2], QStringLiteral("ΕΝΟΙΚΟΣ: Ένοικος Α"));
        QCOMPARE(first[3], QStringLiteral("ΠΟΛΥΚΑΤΟΙΚΙΑ: Οδός 5"));
        QCOMPARE(first[5], QStringLiteral("ΗΜΕΡΟΜΗΝΙΑ: 1/2/2015"));
        QCOMPARE(first[6], QStringLiteral("ΠΡΟΗΓΟΥΜΕΝΟ ΥΠΟΛΟΙΠΟ: 100,00 €"));
        QCOMPARE(first[7], QStringLiteral("ΠΟΣΟ ΕΙΣΠΡΑΞΗΣ: 30,00 €"));
        // Both payments of the day count in the new balance.
        QCOMPARE(first[8], QStringLiteral("ΝΕΟ ΥΠΟΛΟΙΠΟ: 50,00 €"));
        QCOMPARE(first[9], QStringLiteral("ΣΗΜΕΙΩΣΗ: Φεβρουάριος"));
        QCOMPARE(first[10], QStringLiteral("Ο ΔΙΑΧΕΙΡΙΣΤΗΣ"));
        // The other payment of that flat and day shows the same balances.
        const QStringList second = lines(1, Side::Resident);
        QCOMPARE(second[6], first[6]);
        QCOMPARE(second[8], first[8]);
        QCOMPARE(second[7], QStringLiteral("ΠΟΣΟ ΕΙΣΠΡΑΞΗΣ: 20,00 €"));
        QCOMPARE(lines(0, Side::Owner)[0], QStringLiteral("ΑΠΟΔΕΙΞΗ ΠΛΗΡΩΜΗΣ ΙΔΙΟΚΤΗΤΗ"));
        QCOMPARE(lines(0, Side::Owner)[2], QStringLiteral("ΙΔΙΟΚΤΗΤΗΣ: "));
        // No resident that day; a zero amount still has its receipt.
        const QStringList third = lines(2, Side::Resident);
        QCOMPARE(third[2], QStringLiteral("ΕΝΟΙΚΟΣ: "));
        QCOMPARE(third[7], QStringLiteral("ΠΟΣΟ ΕΙΣΠΡΑΞΗΣ: 0,00 €"));
        QCOMPARE(lines(2, Side::Owner)[2], QStringLiteral("ΙΔΙΟΚΤΗΤΗΣ: Ιδιοκτήτρια"));
        QVERIFY(messages.shown.isEmpty());
    }
};

KV_TEST_GUILESS_MAIN(TestContents)

} // namespace test_contents
#include "test_contents.moc"
