#include "support_buildings.h"

#include "core/printsettings.h"

#include <QDate>
#include <QString>

namespace kelvarino::testing {
namespace {

double day(int year, int month, int dayOfMonth)
{
    // Days from 30 December 1899, as the data file counts them.
    return double(QDate(1899, 12, 30).daysTo(QDate(year, month, dayOfMonth)));
}

ExpenseRecord expense(double date, int category, int flat, float amount, const char *description,
                      bool allFlats, bool owner, bool unpaid)
{
    ExpenseRecord e;
    e.Date = date;
    e.Category = qint16(category);
    e.Flat = qint16(flat);
    e.Amount = amount;
    e.Description.set(QString::fromUtf8(description));
    e.AllFlats = allFlats ? True16 : False16;
    e.ChargedToOwner = owner ? True16 : False16;
    e.NotPaidYet = unpaid ? True16 : False16;
    return e;
}

} // namespace

BuildingData RichBuilding()
{
    BuildingData b;
    b.CategoryLabels[2].set(QStringLiteral("ΘΕΡΜΑΝΣΗ ΠΕΤΡΕΛΑΙΟ"));
    b.BuildingId.set(QStringLiteral("Πολυκατοικία Ερμού 12, Αθήνα"));
    b.InitialCash = 1234.5f;
    b.PreviousPeriodCharges = 77.25f;
    b.Reserves = {0.0f, 10.0f, 250.75f, 0.0f, -5.5f, 1.0f};
    // 0x81 has no character in the code page; it must survive every round trip.
    b.InitialNote.setBytes(QByteArray("\xD3\xE7\xEC\xE5\xDF\xF9\xF3\xE7 \x81 note"));

    const char *flats[][2] = {{"Α1", "Ισόγειο, 54 τμ"}, {"Β2", "Δεύτερος όροφος"}, {"Γ3", "Ρετιρέ με αποθήκη"}};
    for (int j = 0; j < 3; ++j) {
        FlatRecord f;
        f.ShortName.set(QString::fromUtf8(flats[j][0]));
        f.Description.set(QString::fromUtf8(flats[j][1]));
        f.OwnerInitialDebt = 10.0f * float(j + 1);
        f.ResidentInitialDebt = 2.5f * float(j);
        b.Flats.push_back(f);
    }

    const char *persons[] = {"Παπαδόπουλος Γιώργος", "Νικολάου Ελένη", "Ιωάννου Κώστας"};
    for (int p = 0; p < 3; ++p) {
        PersonRecord r;
        r.Name.set(QString::fromUtf8(persons[p]));
        r.Female = qint16(p == 1);
        r.Salutation.set(p == 1 ? QStringLiteral("Κυρία") : QStringLiteral("Κύριε"));
        r.Street.set(QStringLiteral("Ερμού 12"));
        r.AreaPostcode.set(QStringLiteral("Αθήνα 10563"));
        r.Phone.set(QStringLiteral("210123456") + QString::number(p));
        r.Mobile.set(QStringLiteral("69000000") + QString::number(p));
        r.Email.set(QStringLiteral("person%1@example.org").arg(p));
        b.Persons.push_back(r);
    }

    for (int k = 0; k < 2; ++k) {
        ProfessionalRecord r;
        r.Name.set(k == 0 ? QStringLiteral("Υδραυλικές Εργασίες ΟΕ") : QStringLiteral("Ασανσέρ Ελλάς"));
        r.Activity.set(k == 0 ? QStringLiteral("Υδραυλικός") : QStringLiteral("Ανελκυστήρες"));
        r.Street.set(QStringLiteral("Πατησίων 100"));
        r.AreaPostcode.set(QStringLiteral("Αθήνα 11257"));
        r.Phone.set(QStringLiteral("2108888888"));
        r.Mobile.set(QStringLiteral("6999999999"));
        r.Email.set(QStringLiteral("info@example.org"));
        r.Web.set(QStringLiteral("https://example.org/") + QString(400, QLatin1Char('w')));
        r.Notes.set(QStringLiteral("Σημειώσεις ") + QString(1100, QChar(0x03A9))); // cut at 1024
        b.Professionals.push_back(r);
    }

    b.Administrators = {{0, NotSetDate, day(2015, 6, 30)}, {2, day(2015, 7, 1), NotSetDate}};
    b.Owners = {{0, 0, NotSetDate, NotSetDate},
                {1, 1, NotSetDate, day(2015, 3, 31)},
                {2, 1, day(2015, 4, 1), NotSetDate},
                {2, 2, NotSetDate, NotSetDate}};
    b.Residents = {{1, 0, day(2014, 1, 1), NotSetDate}, {2, 2, NotSetDate, day(2016, 1, 31)}};

    b.Expenses = {
        expense(day(2015, 1, 31), 1, -1, 120.40f, "Καθαριότητα Ιανουαρίου", true, false, false),
        expense(day(2015, 2, 10), 2, -1, 800.0f, "Πετρέλαιο θέρμανσης", true, false, true),
        expense(day(2015, 2, 15), 0, 1, 35.0f, "Κοινή δαπάνη δηλωμένη σε διαμέρισμα", true, true, false),
        expense(day(2015, 3, 1), 4, 2, 60.0f, "Επισκευή θυροτηλεφώνου Γ3", false, true, true),
        expense(day(2015, 3, 20), 3, 0, 12.0f, "Χρέωση κλειδιού", false, false, false),
    };

    for (int k = 0; k < 3; ++k) {
        PaymentRecord p;
        p.Date = day(2015, 4, 5 + k);
        p.Flat = qint16(k);
        p.OwnerAmount = 20.0f + float(k);
        p.ResidentAmount = 30.5f * float(k);
        p.ResidentNote.set(QStringLiteral("Απόδειξη %1").arg(100 + k));
        p.OwnerNote.set(QStringLiteral("Τράπεζα"));
        b.Payments.push_back(p);
    }

    for (int c = 0; c < CategoryCount; ++c) {
        const int columns = c == 2 ? 3 : c == 1 ? 2 : 1;
        for (int k = 0; k < columns; ++k) {
            const bool open = k == columns - 1;
            ShareColumn column = ShareColumn::zeros(3, open ? NotSetDate : day(2014 + k, 12, 31));
            for (int j = 0; j < 3; ++j) {
                column.PerMille[j] = 300.0f + float(j * 50 + k + c);
                column.ResidentReduction[j] = j == 1 ? 25.0f : 0.0f;
                column.OwnerReduction[j] = c == 2 && j == 2 ? 12.5f : 0.0f;
            }
            column.Comment.set(QStringLiteral("Στήλη %1/%2").arg(c).arg(k));
            b.ShareColumns[c].push_back(column);
        }
    }

    for (int k = 0; k < 2; ++k) {
        IssueRecord issue;
        issue.PeriodFrom = day(2015, 1 + 3 * (1 - k), 1);
        issue.PeriodTo = day(2015, 3 + 3 * (1 - k), 28);
        issue.IssueDate = day(2015, 4 + 3 * (1 - k), 2);
        issue.Announcement.set(QStringLiteral("Παρακαλούνται οι ένοικοι να εξοφλήσουν έως το τέλος του μήνα."));
        b.Issues.push_back(issue);
    }

    SetDefaultPrintSettings(b.PrintSettings);
    b.PrintSettings[5].Widths = {900.0f, 1200.0f, 0.0f, 45.5f, 0.0f, 31.0f};
    b.PrintSettings[3].Heights[2] = 315.0f;
    b.PrintSettings[3].ReceiptsOnPage = True16;
    b.PrintSettings[12].Reserved44 = 7;
    b.PrintSettings[15].Magnification = 1.25f;
    return b;
}

std::vector<int> CountOffsets(const BuildingData &work)
{
    using namespace FileSizes;
    std::vector<int> offsets;
    int at = Header;
    const auto list = [&](std::size_t count, int recordBytes) {
        offsets.push_back(at);
        at += 2 + int(count) * recordBytes;
    };
    list(work.Flats.size(), Flat);
    list(work.Persons.size(), Person);
    list(work.Professionals.size(), Professional);
    list(work.Administrators.size(), Administrator);
    list(work.Owners.size(), Occupancy);
    list(work.Residents.size(), Occupancy);
    list(work.Expenses.size(), Expense);
    list(work.Payments.size(), Payment);
    int columns = 0;
    for (int c = 0; c < CategoryCount; ++c) {
        offsets.push_back(at + 2 * c);
        columns += work.ShareColumnCount(c);
    }
    at += 12 + (work.Flats.empty() ? 0 : columns * Column(work.FlatCount()));
    list(work.Issues.size(), Issue);
    return offsets;
}

QByteArray FormatOneFile(const BuildingData &work, const QByteArray &formatTwoFile)
{
    using namespace FileSizes;
    Q_ASSERT(work.Professionals.empty());
    const std::vector<int> counts = CountOffsets(work);
    QByteArray v1 = formatTwoFile.left(counts[2]); // up to the professionals count
    v1.replace(0, 20, "Quelbarinostrova_1.0");
    v1 += formatTwoFile.mid(counts[2] + 2, counts[6] + 2 - (counts[2] + 2)); // through the expense count
    for (int e = 0; e < work.ExpenseCount(); ++e)
        v1 += formatTwoFile.mid(counts[6] + 2 + e * Expense, ExpenseV1);
    v1 += formatTwoFile.mid(counts[7]);
    return v1;
}

} // namespace kelvarino::testing
