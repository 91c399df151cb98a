#include "examplebuilding.h"

#include "core/codepage1253.h"
#include "core/datafile.h"
#include "core/printsettings.h"
#include "platform/localeservice.h"

#include <QDate>

#include <algorithm>
#include <cmath>

namespace kelvarino {
namespace {

enum Category { Equal = 0, CommonUse = 1, Heating = 2, Lift = 3, Upkeep = 4, Other = 5 };
enum Side : bool { ResidentSide = false, OwnerSide = true };

constexpr int FloorCount = 4;
constexpr int FlatsPerFloor = 3;
constexpr int FlatCount = FloorCount * FlatsPerFloor;

// Flat indexes by name, floor by floor: Α1 Α2 Α3 Β1 ... Δ3.
enum Flat { A1, A2, A3, B1, B2, B3, G1, G2, G3, D1, D2, D3 };

double Day(int year, int month, int day)
{
    return LocaleService::dayNumber(QDate(year, month, day));
}

double LastDayOfMonth(int year, int month)
{
    return Day(year, month, QDate(year, month, 1).daysInMonth());
}

// A text of the example; it must fit its field whole, in the code page.
template <std::size_t N>
FixedText<N> Text(const QString &text)
{
    Q_ASSERT_X(Cp1253::canEncode(text) && Cp1253::encode(text).size() <= qsizetype(N), "example text",
               qPrintable(text));
    return FixedText<N>(text);
}

template <std::size_t N>
FixedText<N> Text(const char *utf8)
{
    return Text<N>(QString::fromUtf8(utf8));
}

float Cents(double amount)
{
    return float(std::round(amount * 100.0) / 100.0);
}

// ---------------------------------------------------------------- register

void AddFlats(BuildingData &b)
{
    static const char *const floors[FloorCount][2] = {
        {"Α", "Α' όροφος"}, {"Β", "Β' όροφος"}, {"Γ", "Γ' όροφος"}, {"Δ", "Δ' όροφος"}};
    static const char *const positions[FlatsPerFloor] = {"πρόσοψη, 95 τ.μ.", "μεσαίο, 70 τ.μ.", "πίσω, 55 τ.μ."};
    for (const auto &floor : floors) {
        for (int p = 0; p < FlatsPerFloor; ++p) {
            FlatRecord flat;
            flat.ShortName = Text<5>(QString::fromUtf8(floor[0]) + QString::number(p + 1));
            flat.Description = Text<30>(QString::fromUtf8(floor[1]) + QStringLiteral(", ") + QString::fromUtf8(positions[p]));
            b.Flats.push_back(flat);
        }
    }
    // Debts handed over by the previous management.
    b.Flats[B2].OwnerInitialDebt = 120.00f;
    b.Flats[G3].ResidentInitialDebt = 35.50f;
}

struct PersonSeed
{
    const char *name;
    bool female;
    const char *street;
    const char *area;
    const char *phone;
    const char *mobile;
    const char *email;
};

// Persons by index; those living in the building have its address.
enum Person {
    Papadopoulos, Konstantinou, Alexiou, Dimitriou, Georgiou, Stamatopoulou, Vlachos, Ioannidou, Makris,
    Lampropoulou, Rafailidis, Christodoulou, Pappas, Antoniou, Karagiannis, Oikonomou, Tsakiris
};

void AddPersons(BuildingData &b)
{
    static const PersonSeed seeds[] = {
        {"Γεώργιος Παπαδόπουλος", false, "Αιόλου 12", "Αθήνα 10551", "210 3214471", "694 4102238", "g.papadopoulos@example.com"},
        {"Μαρία Κωνσταντίνου", true, "Λεβίδου 7", "Κηφισιά 14562", "210 8012245", "697 2231190", "m.konstantinou@example.com"},
        {"Νικόλαος Αλεξίου", false, "Αιόλου 12", "Αθήνα 10551", "", "698 5543012", "nalexiou@example.com"},
        {"Ελένη Δημητρίου", true, "Αιόλου 12", "Αθήνα 10551", "210 3219980", "693 7781254", "eleni.dimitriou@example.com"},
        {"Ιωάννης Γεωργίου", false, "Αιόλου 12", "Αθήνα 10551", "210 3230417", "", ""},
        {"Αικατερίνη Σταματοπούλου", true, "Ερμού 40", "Πάτρα 26221", "2610 274455", "697 4409821", "k.stamatopoulou@example.com"},
        {"Δημήτριος Βλάχος", false, "Αιόλου 12", "Αθήνα 10551", "210 3225561", "694 8830145", "dvlachos@example.com"},
        {"Σοφία Ιωαννίδου", true, "Βασ. Όλγας 112", "Θεσσαλονίκη 54643", "2310 851210", "699 1204576", "sofia.ioannidou@example.com"},
        {"Παναγιώτης Μακρής", false, "Αιόλου 12", "Αθήνα 10551", "", "695 3319087", "p.makris@example.com"},
        {"Αναστασία Λαμπροπούλου", true, "Αιόλου 12", "Αθήνα 10551", "", "697 6654320", "a.lampropoulou@example.com"},
        {"Κωνσταντίνος Ραφαηλίδης", false, "Αιόλου 12", "Αθήνα 10551", "210 3217702", "698 2200481", ""},
        {"Ευαγγελία Χριστοδούλου", true, "Αιόλου 12", "Αθήνα 10551", "210 3236618", "", "evachristo@example.com"},
        {"Αθανάσιος Παππάς", false, "Αιόλου 12", "Αθήνα 10551", "210 3248890", "694 9012367", "thpappas@example.com"},
        {"Χριστίνα Αντωνίου", true, "Αιόλου 12", "Αθήνα 10551", "", "690 4478123", "ch.antoniou@example.com"},
        {"Σπυρίδων Καραγιάννης", false, "Κορνάρου 3", "Ηράκλειο 71202", "2810 342201", "697 8871034", "s.karagiannis@example.com"},
        {"Βασιλική Οικονόμου", true, "Αιόλου 12", "Αθήνα 10551", "", "693 1145670", "v.oikonomou@example.com"},
        {"Μιχαήλ Τσακίρης", false, "Αιόλου 12", "Αθήνα 10551", "210 3251134", "694 3307789", "mtsakiris@example.com"},
    };
    for (const PersonSeed &s : seeds) {
        PersonRecord p;
        p.Name = Text<30>(s.name);
        p.Female = s.female ? 1 : 0;
        p.Salutation = Text<10>(s.female ? "Κυρία" : "Κύριο");
        p.Street = Text<50>(s.street);
        p.AreaPostcode = Text<30>(s.area);
        p.Phone = Text<15>(s.phone);
        p.Mobile = Text<15>(s.mobile);
        p.Email = Text<50>(s.email);
        b.Persons.push_back(p);
    }
}

void AddProfessionals(BuildingData &b)
{
    struct Seed
    {
        const char *name, *activity, *street, *area, *phone, *mobile, *email, *web, *notes;
    };
    static const Seed seeds[] = {
        {"Ανελκυστήρες Αττικής Ο.Ε.", "Ανελκυστήρες", "Πειραιώς 88", "Αθήνα 10435", "210 5226610", "697 0012345",
         "service@anelkystires.example.com", "https://anelkystires.example.com",
         "Σύμβαση συντήρησης με μηνιαία επίσκεψη. Βλάβες όλο το 24ωρο στο κινητό."},
        {"Θερμοτεχνική Λαμπρόπουλος", "Καυστήρας - θέρμανση", "Αχαρνών 215", "Αθήνα 10446", "210 8654420", "694 5566778",
         "info@thermotechniki.example.com", "https://thermotechniki.example.com",
         "Συντήρηση καυστήρα κάθε Οκτώβριο, πριν από την έναρξη της θέρμανσης."},
        {"Σταύρος Μπέλλος", "Ηλεκτρολόγος", "Σοφοκλέους 19", "Αθήνα 10552", "210 3247719", "698 1123456",
         "s.bellos@example.com", "", "Έχει κλειδί του λεβητοστασίου."},
        {"Ευτυχία Ζαχαρίου", "Καθαριότητα", "Μενάνδρου 31", "Αθήνα 10437", "", "693 9988776", "", "",
         "Καθαρισμός κλιμακοστασίου κάθε Τρίτη και Παρασκευή."},
    };
    for (const Seed &s : seeds) {
        ProfessionalRecord p;
        p.Name = Text<30>(s.name);
        p.Activity = Text<20>(s.activity);
        p.Street = Text<50>(s.street);
        p.AreaPostcode = Text<30>(s.area);
        p.Phone = Text<15>(s.phone);
        p.Mobile = Text<15>(s.mobile);
        p.Email = Text<128>(s.email);
        p.Web = Text<512>(s.web);
        p.Notes = Text<1024>(s.notes);
        b.Professionals.push_back(p);
    }
}

void AddOccupancy(BuildingData &b)
{
    b.Administrators = {
        {Papadopoulos, Day(2022, 1, 1), Day(2024, 12, 31)},
        {Dimitriou, Day(2025, 1, 1), NotSetDate},
    };
    const auto always = [](int person, int flat) { return OccupancyPeriod{qint16(person), qint16(flat), NotSetDate, NotSetDate}; };
    // Β1 changes hands on 1 June 2025; the new owner lets it from 1 July. A flat
    // with two periods gives each its start, as the owners' and residents'
    // windows ask before they close.
    b.Owners = {
        always(Papadopoulos, A1), always(Konstantinou, A2), always(Dimitriou, A3),
        {Georgiou, B1, Day(2018, 9, 1), Day(2025, 5, 31)}, {Stamatopoulou, B1, Day(2025, 6, 1), NotSetDate},
        always(Vlachos, B2), always(Ioannidou, B3), always(Ioannidou, G1), always(Rafailidis, G2),
        always(Christodoulou, G3), always(Pappas, D1), always(Karagiannis, D2), always(Tsakiris, D3),
    };
    b.Residents = {
        always(Papadopoulos, A1), always(Alexiou, A2), always(Dimitriou, A3),
        {Georgiou, B1, Day(2018, 9, 1), Day(2025, 5, 31)}, {Antoniou, B1, Day(2025, 7, 1), NotSetDate},
        always(Vlachos, B2), always(Makris, B3), {Lampropoulou, G1, Day(2024, 3, 1), NotSetDate},
        always(Rafailidis, G2), always(Christodoulou, G3), always(Pappas, D1), always(Oikonomou, D2),
        always(Tsakiris, D3),
    };
}

// ---------------------------------------------------------------- per-mille

ShareColumn Column(const float (&perMille)[FlatCount], double endDate, const char *comment)
{
    ShareColumn column = ShareColumn::zeros(FlatCount, endDate);
    column.PerMille.assign(std::begin(perMille), std::end(perMille));
    column.Comment = Text<50>(comment);
    return column;
}

void AddShareColumns(BuildingData &b)
{
    // By floor area (95, 70 and 55 square metres on every floor).
    static const float commonUse[FlatCount] = {107.95f, 79.55f, 62.50f, 107.95f, 79.55f, 62.50f,
                                               107.95f, 79.55f, 62.50f, 107.95f, 79.55f, 62.50f};
    static const float heatingUntil2024[FlatCount] = {110, 80, 60, 110, 80, 60, 110, 80, 60, 110, 80, 60};
    // Α3 left the central heating; the others share its part.
    static const float heatingFrom2024[FlatCount] = {117.01f, 85.11f, 0, 117.02f, 85.11f, 63.83f,
                                                     117.02f, 85.11f, 63.83f, 117.02f, 85.11f, 63.83f};
    // By area, weighted by floor.
    static const float lift[FlatCount] = {64.77f, 47.73f, 37.50f, 97.16f, 71.59f, 56.25f,
                                          129.55f, 95.45f, 75.00f, 140.34f, 103.41f, 81.25f};

    for (int c = 0; c < CategoryCount; ++c)
        b.ShareColumns[c] = {ShareColumn::zeros(FlatCount)};
    b.ShareColumns[CommonUse] = {Column(commonUse, NotSetDate, "Κατά το συμβόλαιο σύστασης")};
    b.ShareColumns[Heating] = {
        Column(heatingUntil2024, Day(2024, 6, 30), "Αρχικός πίνακας θέρμανσης"),
        Column(heatingFrom2024, NotSetDate, "Αυτόνομη θέρμανση στο Α3 από 1/7/2024"),
    };
    ShareColumn liftColumn = Column(lift, NotSetDate, "Κατά όροφο και εμβαδόν");
    // The first floor's residents hardly use the lift.
    for (int flat : {A1, A2, A3})
        liftColumn.ResidentReduction[flat] = 50.0f;
    b.ShareColumns[Lift] = {liftColumn};
}

// ---------------------------------------------------------------- expenses

void AddExpense(BuildingData &b, double date, int category, Side side, int flat, float amount,
                const char *description, bool unpaid = false)
{
    ExpenseRecord e;
    e.Date = date;
    e.Category = qint16(category);
    e.ChargedToOwner = side == OwnerSide ? True16 : False16;
    e.AllFlats = flat < 0 ? True16 : False16;
    e.Flat = qint16(flat);
    e.Amount = amount;
    e.Description = Text<100>(description);
    e.NotPaidYet = unpaid ? True16 : False16;
    b.Expenses.push_back(e);
}

void AddCommon(BuildingData &b, double date, int category, Side side, float amount, const char *description,
               bool unpaid = false)
{
    AddExpense(b, date, category, side, -1, amount, description, unpaid);
}

void AddMonthlyExpenses(BuildingData &b)
{
    static const float electricity[2][12] = {
        {64.80f, 61.25f, 55.40f, 48.90f, 44.15f, 46.70f, 52.35f, 50.80f, 47.60f, 53.10f, 59.45f, 66.20f},
        {68.35f, 63.90f, 57.05f, 50.40f, 45.85f, 49.30f, 55.70f, 52.95f, 49.15f, 54.60f, 61.80f, 69.40f}};
    // Heating oil deliveries of the cold months (0 where none).
    static const float heatingOil[2][12] = {
        {1850.00f, 1420.00f, 760.00f, 0, 0, 0, 0, 0, 0, 0, 1380.00f, 1925.00f},
        {1790.00f, 1515.00f, 690.00f, 0, 0, 0, 0, 0, 0, 0, 1310.00f, 1880.00f}};
    static const float water[2][4] = {{38.60f, 52.40f, 61.15f, 41.90f}, {40.25f, 55.80f, 63.70f, 44.35f}};

    for (int y = 0; y < 2; ++y) {
        const int year = 2024 + y;
        for (int month = 1; month <= 12; ++month) {
            const bool lastMonth = year == 2025 && month == 12; // its bills are still unpaid
            AddCommon(b, Day(year, month, 5), Lift, ResidentSide, y == 0 ? 75.00f : 80.00f,
                      "Μηνιαία συντήρηση ανελκυστήρα");
            AddCommon(b, Day(year, month, 12), CommonUse, ResidentSide, electricity[y][month - 1],
                      "Ηλεκτρικό ρεύμα κοινοχρήστων χώρων", lastMonth);
            if (heatingOil[y][month - 1] > 0)
                AddCommon(b, Day(year, month, 20), Heating, ResidentSide, heatingOil[y][month - 1],
                          "Πετρέλαιο θέρμανσης", lastMonth);
            if (month % 3 == 0)
                AddCommon(b, Day(year, month, 25), CommonUse, ResidentSide, water[y][month / 3 - 1],
                          "Ύδρευση κοινοχρήστων χώρων (τρίμηνο)", lastMonth);
            AddCommon(b, LastDayOfMonth(year, month), CommonUse, ResidentSide, y == 0 ? 120.00f : 130.00f,
                      "Καθαρισμός κλιμακοστασίου", lastMonth);
        }
        AddCommon(b, Day(year, 3, 15), CommonUse, OwnerSide, y == 0 ? 380.00f : 395.00f,
                  "Ασφάλεια πολυκατοικίας (ετήσια)");
        AddCommon(b, Day(year, 10, 15), Heating, ResidentSide, y == 0 ? 180.00f : 190.00f,
                  "Συντήρηση και καθαρισμός καυστήρα");
    }
    AddCommon(b, Day(2024, 9, 18), Lift, OwnerSide, 1240.00f, "Αντικατάσταση συρματόσχοινων ανελκυστήρα");
    AddCommon(b, Day(2025, 4, 8), Lift, OwnerSide, 150.00f, "Πιστοποίηση ανελκυστήρα");
    AddCommon(b, Day(2025, 6, 10), CommonUse, OwnerSide, 2150.00f, "Βάψιμο κλιμακοστασίου και εισόδου");
}

void AddIndividualCharges(BuildingData &b)
{
    AddExpense(b, Day(2024, 2, 14), Other, ResidentSide, B2, 45.00f, "Αντικατάσταση ακουστικού θυροτηλεφώνου");
    AddExpense(b, Day(2024, 5, 7), Other, ResidentSide, G1, 12.00f, "Κλειδιά εξώπορτας (2 τεμάχια)");
    AddExpense(b, Day(2024, 9, 30), Heating, OwnerSide, D2, 35.00f, "Αντικατάσταση διακόπτη καλοριφέρ");
    AddExpense(b, Day(2024, 11, 22), Other, OwnerSide, A1, 140.00f, "Επισκευή σωλήνα αποχέτευσης");
    AddExpense(b, Day(2025, 2, 3), Other, ResidentSide, B3, 25.00f, "Τηλεχειριστήριο γκαραζόπορτας");
    AddExpense(b, Day(2025, 6, 12), Other, OwnerSide, B1, 30.00f, "Βεβαίωση διαχειριστή για τη μεταβίβαση");
    AddExpense(b, Day(2025, 8, 19), Other, ResidentSide, G3, 40.00f, "Καθαρισμός αποθήκης");
    AddExpense(b, Day(2025, 11, 14), Other, OwnerSide, D3, 60.00f, "Επισκευή θυροτηλεφώνου", true);
    AddExpense(b, Day(2025, 12, 9), Other, ResidentSide, A2, 6.00f, "Κλειδί εξώπορτας (1 τεμάχιο)", true);
}

// ---------------------------------------------------------------- issues and payments

struct Quarter
{
    int year;
    int index; // 0 to 3
    double from() const { return Day(year, 3 * index + 1, 1); }
    double to() const { return LastDayOfMonth(year, 3 * index + 3); }
    double issued() const { return index == 3 ? Day(year + 1, 1, 8) : Day(year, 3 * index + 4, 8); }
    // "Γ' τρίμηνο 2024", or with the quarter before it "Β'+Γ' τρίμηνο 2024".
    QString name(bool withPrevious = false) const
    {
        static const char *const ordinals[4] = {"Α'", "Β'", "Γ'", "Δ'"};
        QString text = QString::fromUtf8(ordinals[index]);
        if (withPrevious && index > 0)
            text = QString::fromUtf8(ordinals[index - 1]) + QLatin1Char('+') + text;
        return text + QStringLiteral(" τρίμηνο %1").arg(year);
    }
};

constexpr int QuarterCount = 8;

Quarter QuarterNumber(int q)
{
    return {2024 + q / 4, q % 4};
}

void AddIssues(BuildingData &b)
{
    static const char *const announcements[QuarterCount] = {
        "Καλή χρονιά σε όλους. Παρακαλούμε να εξοφλήσετε τα κοινόχρηστα έως τις 25 του μήνα, "
        "στον διαχειριστή (Α1) ή με κατάθεση στον λογαριασμό της πολυκατοικίας.",
        "Από 1 Ιουλίου το διαμέρισμα Α3 έχει αυτόνομη θέρμανση και δεν συμμετέχει στα έξοδα θέρμανσης. "
        "Ο πίνακας χιλιοστών θέρμανσης διορθώθηκε ανάλογα.",
        "Τον Σεπτέμβριο αντικαταστάθηκαν τα συρματόσχοινα του ανελκυστήρα. Η δαπάνη βαρύνει τους ιδιοκτήτες.",
        "Από 1 Ιανουαρίου 2025 τη διαχείριση αναλαμβάνει η κ. Ελένη Δημητρίου (Α3). "
        "Ευχαριστούμε τον κ. Γεώργιο Παπαδόπουλο για τα χρόνια της διαχείρισής του.",
        "Παρακαλούμε να μην αφήνετε αντικείμενα στο κλιμακοστάσιο. Η πιστοποίηση του ανελκυστήρα έγινε τον Απρίλιο.",
        "Τον Ιούνιο βάφτηκαν το κλιμακοστάσιο και η είσοδος (δαπάνη ιδιοκτητών). "
        "Καλωσορίζουμε την κ. Αικατερίνη Σταματοπούλου, νέα ιδιοκτήτρια του Β1.",
        "Η συντήρηση του καυστήρα έγινε στις 15 Οκτωβρίου. Η θέρμανση λειτουργεί από 1 Νοεμβρίου, 6:00-9:00 και 17:00-22:00.",
        "Καλή χρονιά! Οι λογαριασμοί Δεκεμβρίου (ρεύμα, νερό, καθαρισμός, πετρέλαιο) θα εξοφληθούν "
        "μόλις συγκεντρωθούν τα κοινόχρηστα.",
    };
    for (int q = 0; q < QuarterCount; ++q) {
        const Quarter quarter = QuarterNumber(q);
        IssueRecord issue;
        issue.PeriodFrom = quarter.from();
        issue.PeriodTo = quarter.to();
        issue.IssueDate = quarter.issued();
        issue.Announcement = Text<1024>(announcements[q]);
        b.Issues.push_back(issue);
    }
    std::sort(b.Issues.begin(), b.Issues.end(),
              [](const IssueRecord &x, const IssueRecord &y) { return x.PeriodTo > y.PeriodTo; });
}

// The column of a category in force at a date: the first whose end date is
// not before it, else the open one.
const ShareColumn &ColumnAt(const BuildingData &b, int category, double date)
{
    const auto &columns = b.ShareColumns[category];
    for (const ShareColumn &column : columns) {
        if (IsDateSet(column.EndDate) && date <= column.EndDate)
            return column;
    }
    return columns.back();
}

// What each flat owes, one side at a time, for the items dated in a quarter:
// the common expenses shared by per-mille, the reductions of some flats
// carried by the others, and the flat's own charges. It sets the amounts the
// occupants pay; the program computes the statements on its own.
struct Dues
{
    double resident[FlatCount] = {};
    double owner[FlatCount] = {};
};

Dues QuarterDues(const BuildingData &b, const Quarter &quarter)
{
    Dues dues;
    for (const ExpenseRecord &e : b.Expenses) {
        if (e.Date < quarter.from() || e.Date > quarter.to())
            continue;
        double *side = e.ChargedToOwner ? dues.owner : dues.resident;
        if (!e.AllFlats) {
            side[e.Flat] += e.Amount;
            continue;
        }
        const ShareColumn &column = ColumnAt(b, e.Category, e.Date);
        const auto &reduction = e.ChargedToOwner ? column.OwnerReduction : column.ResidentReduction;
        double total = 0, unreduced = 0, discounts = 0;
        double share[FlatCount];
        for (int j = 0; j < FlatCount; ++j)
            total += column.PerMille[j];
        for (int j = 0; j < FlatCount; ++j) {
            share[j] = column.PerMille[j] * e.Amount / total;
            if (reduction[j] > 0) {
                discounts += share[j] * reduction[j] / 100;
                share[j] -= share[j] * reduction[j] / 100;
            } else {
                unreduced += column.PerMille[j];
            }
        }
        for (int j = 0; j < FlatCount; ++j) {
            if (reduction[j] <= 0)
                share[j] += discounts * column.PerMille[j] / unreduced;
            side[j] += share[j];
        }
    }
    return dues;
}

void AddPayment(BuildingData &b, double date, int flat, double owner, double resident, const QString &quarters)
{
    PaymentRecord p;
    p.Date = date;
    p.Flat = qint16(flat);
    p.OwnerAmount = Cents(owner);
    p.ResidentAmount = Cents(resident);
    if (p.ResidentAmount > 0)
        p.ResidentNote = Text<50>(QStringLiteral("Κοινόχρηστα ") + quarters);
    if (p.OwnerAmount > 0)
        p.OwnerNote = Text<50>(QStringLiteral("Δαπάνες ιδιοκτήτη ") + quarters);
    b.Payments.push_back(p);
}

// Every flat pays its quarter some days after the issue, with the usual
// exceptions: Γ1 pays its second quarter of 2024 together with the third, Δ2
// has paid only part of its dues since spring 2025, and the last quarter,
// issued in January 2026, is not yet paid by anyone.
void AddPayments(BuildingData &b)
{
    Dues carried; // dues left for a later payment
    for (int q = 0; q + 1 < QuarterCount; ++q) {
        const Quarter quarter = QuarterNumber(q);
        const Dues dues = QuarterDues(b, quarter);
        for (int j = 0; j < FlatCount; ++j) {
            const bool late = carried.resident[j] > 0 || carried.owner[j] > 0;
            double resident = dues.resident[j] + carried.resident[j];
            double owner = dues.owner[j] + carried.owner[j];
            carried.resident[j] = carried.owner[j] = 0;
            if (q == 0) { // the debts handed over are settled with the first quarter
                resident += b.Flats[j].ResidentInitialDebt;
                owner += b.Flats[j].OwnerInitialDebt;
            }
            if (j == G1 && q == 1) {
                carried.resident[j] = resident;
                carried.owner[j] = owner;
                continue;
            }
            if (j == D2 && q >= 5)
                resident *= 0.8;
            const double date = quarter.issued() + 7 + (5 * j) % 19;
            AddPayment(b, date, j, owner, resident, quarter.name(late));
        }
    }
    std::stable_sort(b.Payments.begin(), b.Payments.end(),
                     [](const PaymentRecord &x, const PaymentRecord &y) { return x.Date < y.Date; });
}

} // namespace

QString ExampleFileName()
{
    return QStringLiteral("Πολυκατοικία Παραδείγματος.s43");
}

QByteArray ExampleFileBytes()
{
    return WriteDataFile(MakeExampleBuilding(), FixedText<8>(), QString());
}

BuildingData MakeExampleBuilding()
{
    BuildingData b;
    b.BuildingId = Text<50>("Πολυκατοικία Οδού Αιόλου 12, Αθήνα");
    b.InitialCash = 1250.00f;
    b.Reserves = {0, 500.00f, 1500.00f, 300.00f, 0, 0};
    b.InitialNote = Text<512>("Ταμείο και αποθεματικά όπως παραδόθηκαν από την προηγούμενη διαχείριση στις 31/12/2023. "
                              "Οφειλές: Β2 (ιδιοκτήτης) 120,00 και Γ3 (ένοικος) 35,50.");
    AddFlats(b);
    AddPersons(b);
    AddProfessionals(b);
    AddOccupancy(b);
    AddShareColumns(b);
    AddMonthlyExpenses(b);
    AddIndividualCharges(b);
    std::stable_sort(b.Expenses.begin(), b.Expenses.end(),
                     [](const ExpenseRecord &x, const ExpenseRecord &y) { return x.Date < y.Date; });
    AddIssues(b);
    AddPayments(b);

    PrintSettingSlots printSettings{};
    SetDefaultPrintSettings(printSettings);
    ApplyPrintSettings(printSettings, b.PrintSettings);
    return b;
}

} // namespace kelvarino
