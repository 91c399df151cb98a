// Printing two printouts at the data file's limits to PDF through their
// windows' own layout and paint code, against a bare QPainter drawing the
// same texts and boxes at the same places into a PDF:
// - the persons' contact list of 32767 persons in alphabetical order;
// - the per-mille table of 300 flats with 10 per-mille columns per category.

#include "barefloor.h"
#include "core/workstate.h"
#include "platform/platform.h"
#include "printing/pagesurface.h"
#include "printing/printingcontext.h"
#include "printing/reportpreview.h"
#include "printouts/contactlistpage.h"
#include "printouts/permilletablereport.h"
#include "guimain.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

using namespace kelvarino;
using namespace kelvarino::benchmarks;

namespace {

constexpr int Persons = 32767;
constexpr int Flats = 300;
constexpr int ColumnsPerCategory = 10;

QString Word(std::mt19937 &random, int length)
{
    static const QString letters = QStringLiteral("ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩαβγδεζηθικλμνξοπρστυφχψωάέήίόύώ");
    QString word;
    for (int i = 0; i < length; ++i)
        word += letters.at(int(random() % unsigned(letters.size())));
    return word;
}

struct Work
{
    Work()
    {
        ResetToNewWork(state);
        state.ProgramPrinter = state.SystemPrinter = BuiltInPdfPrinterName();
        state.PrintingPossible = true;
        state.PreferredFont = QStringLiteral("Arial Greek");
        std::mt19937 random(43);
        BuildingData &b = state.Building;
        b.BuildingId.set(QStringLiteral("Πολυκατοικία μετρήσεων"));
        for (int i = 0; i < Persons; ++i) {
            PersonRecord p;
            p.Name.set(Word(random, 8) + QLatin1Char(' ') + Word(random, 10));
            p.Street.set(Word(random, 12) + QStringLiteral(" 12"));
            p.AreaPostcode.set(Word(random, 8) + QStringLiteral(" 10551"));
            p.Phone.set(QStringLiteral("210 5226610"));
            p.Mobile.set(QStringLiteral("697 0012345"));
            p.Email.set(QStringLiteral("someone@example.com"));
            b.Persons.push_back(p);
        }
        for (int i = 0; i < Flats; ++i) {
            FlatRecord flat;
            flat.ShortName.set(QStringLiteral("Δ%1").arg(i + 1));
            flat.Description.set(Word(random, 6) + QStringLiteral(" όροφος"));
            b.Flats.push_back(flat);
        }
        for (auto &columns : b.ShareColumns) {
            columns.clear();
            for (int c = 0; c < ColumnsPerCategory; ++c) {
                ShareColumn column =
                    ShareColumn::zeros(Flats, c + 1 < ColumnsPerCategory ? 45000.0 + 30 * c : NotSetDate);
                for (int flat = 0; flat < Flats; ++flat) {
                    column.PerMille[std::size_t(flat)] = float(random() % 1000) / 100.0f;
                    column.ResidentReduction[std::size_t(flat)] = float(random() % 3) * 10.0f;
                }
                column.Comment.set(Word(random, 12));
                columns.push_back(column);
            }
        }
    }
    PrintingContext context() { return PrintingContext{state, doubles.platform(), &dialogs}; }

    AppState state;
    TestPlatform doubles;
    ScriptedPrintingDialogs dialogs{state, doubles.platform()};
    QTemporaryDir folder;
};

Work &TheWork()
{
    static Work work;
    return work;
}

// The paper of the contact list, as it prints.
PrintSetting ContactListSheet()
{
    PrintSetting sheet;
    sheet.PaperSize = 9;
    sheet.Portrait = False16;
    return sheet;
}

void DrawBare(const RecordedPages &pages, const PrintSetting &slot, const QString &path, benchmark::State &bench)
{
    if (!WriteBarePdf(pages, slot, path))
        bench.SkipWithError("the bare PDF was not written");
}

void ContactListProgram(benchmark::State &bench)
{
    Work &work = TheWork();
    for (auto _ : bench) {
        ContactListPage list(work.context(), ContactListKind::Persons);
        list.setAlphabetical(true);
        work.doubles.fileDialogs.saveAnswers = {work.folder.filePath(QStringLiteral("persons.pdf"))};
        if (!list.printList(1, true))
            bench.SkipWithError("the list was not printed");
        bench.counters["pages"] = list.pageRows();
    }
    bench.counters["KB"] = double(QFileInfo(work.folder.filePath(QStringLiteral("persons.pdf"))).size()) / 1024;
}

void ContactListBare(benchmark::State &bench)
{
    Work &work = TheWork();
    ContactListPage list(work.context(), ContactListKind::Persons);
    list.setAlphabetical(true);
    RecordedPages pages;
    for (int page = 1; page <= list.pageRows(); ++page) {
        pages.emplace_back().setOnPaper(true);
        list.drawListPage(pages.back(), 1, 0, 0, page);
    }
    const PrintSetting sheet = ContactListSheet();
    for (auto _ : bench)
        DrawBare(pages, sheet, work.folder.filePath(QStringLiteral("persons-bare.pdf")), bench);
    bench.counters["pages"] = double(pages.size());
    bench.counters["KB"] = double(QFileInfo(work.folder.filePath(QStringLiteral("persons-bare.pdf"))).size()) / 1024;
}

void PerMilleProgram(benchmark::State &bench)
{
    Work &work = TheWork();
    for (auto _ : bench) {
        PerMilleTableReport report(work.state);
        ReportPreview window(work.context(), report);
        window.load();
        work.doubles.fileDialogs.saveAnswers = {work.folder.filePath(QStringLiteral("permille.pdf"))};
        if (!window.printPages(PrintChoice{true, 1, true}))
            bench.SkipWithError("the table was not printed");
        bench.counters["pages"] = window.pageRows() * window.pageColumns();
    }
    bench.counters["KB"] = double(QFileInfo(work.folder.filePath(QStringLiteral("permille.pdf"))).size()) / 1024;
}

void PerMilleBare(benchmark::State &bench)
{
    Work &work = TheWork();
    PerMilleTableReport report(work.state);
    ReportPreview window(work.context(), report);
    window.load();
    RecordedPages pages;
    for (int column = 1; column <= window.pageColumns(); ++column)
        for (int row = 1; row <= window.pageRows(); ++row) {
            pages.emplace_back().setOnPaper(true);
            window.paintPage(pages.back(), 0, 0, row, column, 1);
        }
    for (auto _ : bench)
        DrawBare(pages, window.settings(), work.folder.filePath(QStringLiteral("permille-bare.pdf")), bench);
    bench.counters["pages"] = double(pages.size());
    bench.counters["KB"] = double(QFileInfo(work.folder.filePath(QStringLiteral("permille-bare.pdf"))).size()) / 1024;
}

} // namespace

BENCHMARK(ContactListProgram)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(ContactListBare)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(PerMilleProgram)->Unit(benchmark::kMillisecond)->Iterations(8);
BENCHMARK(PerMilleBare)->Unit(benchmark::kMillisecond)->Iterations(8);

int main(int argc, char **argv)
{
    return kelvarino::RunGuiBenchmarks(argc, argv);
}
