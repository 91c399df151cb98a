// The collective statement of an issue at the data file's limits (300 flats,
// 32767 expenses of the period over the six categories and both sides, one
// in ten an individual charge, ten per-mille columns per category): laying it
// out in its preview and printing every page to PDF, against a bare QPainter
// drawing the same texts, boxes, fills and lines (recorded from the same
// pages) into a PDF.

#include "barefloor.h"
#include "core/issuecommands.h"
#include "core/workstate.h"
#include "issues/collectivestatementreport.h"
#include "largebuilding.h"
#include "platform/localeservice.h"
#include "platform/platform.h"
#include "printing/pagesurface.h"
#include "printing/printingcontext.h"
#include "printing/reportpreview.h"
#include "guimain.h"

#include <QApplication>
#include <QDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace kelvarino;
using namespace kelvarino::benchmarks;

namespace {

constexpr int Expenses = 32767;

// The work, the statement's command run once, and the output file.
struct Statement
{
    Statement()
    {
        ResetToNewWork(state);
        state.Building = LargeBuilding(Expenses);
        state.ProgramPrinter = state.SystemPrinter = BuiltInPdfPrinterName();
        state.PrintingPossible = true;
        state.PreferredFont = QStringLiteral("Arial Greek");
        RecordingMessageService messages;
        if (PrepareCollectiveStatement(state.Building, 0, messages, results) != CommandOutcome::OpenReport)
            qFatal("the statement's command stopped");
    }
    PrintingContext context() { return PrintingContext{state, doubles.platform(), &dialogs}; }

    AppState state;
    TestPlatform doubles;
    ScriptedPrintingDialogs dialogs{state, doubles.platform()};
    PeriodResults results;
    const QString pdf = QDir::temp().filePath(QStringLiteral("bench_collective.pdf"));
};

Statement &TheStatement()
{
    static Statement statement;
    return statement;
}

// Every page as the statement draws it on paper, and the statement's print
// slot.
std::pair<RecordedPages, int> RecordPages()
{
    Statement &s = TheStatement();
    CollectiveStatementReport report(s.state, s.results, 0);
    ReportPreview preview(s.context(), report);
    preview.load();
    RecordedPages pages;
    for (int column = 1; column <= preview.pageColumns(); ++column)
        for (int row = 1; row <= preview.pageRows(); ++row) {
            pages.emplace_back().setOnPaper(true);
            preview.paintPage(pages.back(), 0, 0, row, column, 1);
        }
    return {std::move(pages), report.slot()};
}

void CollectiveStatementToPdf(benchmark::State &bench)
{
    Statement &s = TheStatement();
    int pages = 0;
    for (auto _ : bench) {
        CollectiveStatementReport report(s.state, s.results, 0);
        ReportPreview preview(s.context(), report);
        preview.load();
        s.doubles.fileDialogs.saveAnswers = {s.pdf};
        if (!preview.printPages(PrintChoice{true, 1, true}))
            bench.SkipWithError("the statement did not print");
        pages = preview.pageRows() * preview.pageColumns();
    }
    bench.counters["pages"] = pages;
    bench.counters["listRows"] = double(CountExpenseListRows(s.results.Workspace));
}

// The bare QPainter: the recorded texts, boxes, fills and lines drawn
// straight into a PDF.
void BareQPainterToPdf(benchmark::State &bench)
{
    const auto [pages, slot] = RecordPages();
    const PrintSetting &setting = TheStatement().state.Building.PrintSettings[std::size_t(slot)];
    const QString pdf = QDir::temp().filePath(QStringLiteral("bench_collective_bare.pdf"));
    for (auto _ : bench)
        if (!WriteBarePdf(pages, setting, pdf))
            bench.SkipWithError("the bare PDF was not written");
    bench.counters["pages"] = double(pages.size());
}

} // namespace

BENCHMARK(CollectiveStatementToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BareQPainterToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    return kelvarino::RunGuiBenchmarks(argc, argv, [] { kelvarino::LocaleService::installGreekLocale(); });
}
