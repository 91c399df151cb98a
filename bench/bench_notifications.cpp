// Printing the notifications of every flat of an issue to the built-in PDF
// printer, against a bare QPainter run that draws the same texts and boxes
// into a PDF file. The building is at the format's limits: 300 flats, names
// and descriptions at their full lengths, the longest announcement, the
// receipts on, and enough expenses for several pages a flat.

#include "barefloor.h"
#include "core/issuecommands.h"
#include "core/printsettings.h"
#include "core/workstate.h"
#include "notifications/notificationswindow.h"
#include "printing/pagesurface.h"
#include "printing/reportpreview.h"
#include "guimain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

using namespace kelvarino;
using namespace kelvarino::benchmarks;

namespace {

constexpr int Flats = 300;
constexpr double PeriodFrom = 45292; // 1 January 2024
constexpr double PeriodTo = 45382;   // 31 March 2024

QString Filled(const QString &start, int length)
{
    return (start + QString(length, QChar(0x03A9))).left(length);
}

ExpenseRecord Expense(double date, int category, int flat, float amount, bool owner)
{
    ExpenseRecord e;
    e.Date = date;
    e.Category = qint16(category);
    e.Flat = qint16(flat);
    e.AllFlats = flat < 0 ? True16 : False16;
    e.ChargedToOwner = owner ? True16 : False16;
    e.Amount = amount;
    e.Description.set(Filled(QStringLiteral("Δαπάνη %1 ").arg(date), 100));
    return e;
}

// Per side 20 individual charges and per category 10 residents' and 4
// owners' common expenses: about 150 lines, three pages a flat.
BuildingData LargeBuilding()
{
    BuildingData b;
    for (int f = 0; f < Flats; ++f) {
        FlatRecord flat;
        flat.ShortName.set(QStringLiteral("Δ%1").arg(f, 4, 10, QLatin1Char('0')));
        b.Flats.push_back(flat);
        PersonRecord person;
        person.Name.set(Filled(QStringLiteral("Παπαδοπούλου Αικατερίνη %1 ").arg(f), 30));
        b.Persons.push_back(person);
        b.Owners.push_back({qint16(f), qint16(f), NotSetDate, NotSetDate});
        b.Residents.push_back({qint16(f), qint16(f), NotSetDate, NotSetDate});
    }
    b.Persons[0].Female = 1;
    b.Administrators.push_back({0, NotSetDate, NotSetDate});
    b.BuildingId.set(Filled(QStringLiteral("Πολυκατοικία Λεωφόρου Συγγρού "), 50));
    for (int c = 0; c < CategoryCount; ++c) {
        ShareColumn column = ShareColumn::zeros(Flats);
        for (int f = 0; f < Flats; ++f)
            column.PerMille[std::size_t(f)] = 1000.0f / Flats + float(f % 7) / 10.0f;
        column.ResidentReduction[3] = 50;
        b.ShareColumns[std::size_t(c)].push_back(column);
    }
    for (int i = 0; i < 20; ++i) {
        b.Expenses.push_back(Expense(PeriodFrom + i, 0, (i * 37) % Flats, 12.5f + float(i), false));
        b.Expenses.push_back(Expense(PeriodFrom + i, 0, (i * 53) % Flats, 40.0f + float(i), true));
    }
    for (int c = 0; c < CategoryCount; ++c)
        for (int i = 0; i < 14; ++i)
            b.Expenses.push_back(Expense(PeriodFrom + 5 * i + c, c, -1, 1234.56f + float(100 * i), i >= 10));
    IssueRecord issue;
    issue.PeriodFrom = PeriodFrom;
    issue.PeriodTo = PeriodTo;
    issue.IssueDate = PeriodTo + 5;
    issue.Announcement.set(Filled(QStringLiteral("Παρακαλούνται οι ένοικοι να εξοφλήσουν έως το τέλος του μήνα. "), 1024));
    b.Issues.push_back(issue);
    return b;
}

// The issue prepared and the window laid out on its first flat.
struct Issue
{
    Issue()
    {
        ResetToNewWork(state);
        PrintSettingSlots settings = state.Building.PrintSettings;
        state.Building = LargeBuilding();
        state.Building.PrintSettings = settings;
        state.Building.PrintSettings[SlotNotifications].ReceiptsOnPage = -1;
        state.ProgramPrinter = state.SystemPrinter = BuiltInPdfPrinterName();
        state.PrintingPossible = true;
        state.PreferredFont = QStringLiteral("Arial Greek");
        if (PrepareNotifications(state.Building, 0, doubles.messages, results) != CommandOutcome::OpenReport)
            qFatal("the benchmark's issue did not open");
        window = std::make_unique<NotificationsWindow>(PrintingContext{state, doubles.platform()},
                                                       NotificationSource{state.Building, results, 0});
        window->load();
    }

    AppState state;
    TestPlatform doubles;
    PeriodResults results;
    std::unique_ptr<NotificationsWindow> window;
};

Issue &TheIssue()
{
    static Issue issue;
    return issue;
}

void NotificationsToPdf(benchmark::State &state)
{
    Issue &issue = TheIssue();
    QTemporaryDir dir;
    int pages = 0;
    for (auto _ : state) {
        issue.doubles.printers.jobs.clear();
        issue.doubles.fileDialogs.saveAnswers = {dir.filePath(QStringLiteral("notifications.pdf"))};
        if (!issue.window->printAllFlats(PrintChoice{true, 1, true}))
            state.SkipWithError("the print job failed");
        pages = issue.doubles.printers.jobs.value(0).pages;
    }
    state.counters["pages"] = pages;
    state.counters["sheet pages"] = issue.window->window().pageRows();
}

// What the program draws, recorded page by page.
const RecordedPages &Recorded()
{
    static const RecordedPages pages = [] {
        Issue &issue = TheIssue();
        RecordedPages recorded;
        for (int flat = 0; flat < Flats; ++flat) {
            issue.window->showFlat(flat);
            for (int page = 1; page <= issue.window->window().pageRows(); ++page) {
                recorded.emplace_back().setOnPaper(true);
                issue.window->window().paintPage(recorded.back(), 0, 0, page, 1, 1);
            }
        }
        issue.window->showFlat(0);
        return recorded;
    }();
    return pages;
}

// The same texts, boxes, fills and lines straight into a PDF.
void BarePainterToPdf(benchmark::State &state)
{
    const RecordedPages &pages = Recorded();
    const PrintSetting &slot = TheIssue().window->window().settings();
    QTemporaryDir dir;
    for (auto _ : state)
        if (!WriteBarePdf(pages, slot, dir.filePath(QStringLiteral("bare.pdf"))))
            state.SkipWithError("the bare PDF was not written");
    std::size_t items = 0;
    for (const RecordingSurface &page : pages)
        items += std::size_t(page.texts.size() + page.shapes.size());
    state.counters["pages"] = double(pages.size());
    state.counters["items"] = double(items);
}

BENCHMARK(NotificationsToPdf)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BarePainterToPdf)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return kelvarino::RunGuiBenchmarks(argc, argv);
}
