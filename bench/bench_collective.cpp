// The collective statement of an issue at the data file's limits (300 flats,
// 32767 expenses of the period over the six categories and both sides, one
// in ten an individual charge, ten per-mille columns per category): laying it
// out in its preview and printing every page to PDF, against a bare QPainter
// drawing the same texts (recorded from the same pages) into a PDF, and, for
// comparison, the same texts with the pages' boxes, fills and lines.

#include "core/issuecommands.h"
#include "core/workstate.h"
#include "issues/prn01_analysisofcommonexpenses.h"
#include "largebuilding.h"
#include "platform/localeservice.h"
#include "platform/platform.h"
#include "printing/pagesurface.h"
#include "printing/printingcontext.h"
#include "printing/reportpreview.h"

#include <QApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

#include <memory>

using namespace kelvarino;
using namespace kelvarino::benchmarks;

namespace {

constexpr int Expenses = 32767;
constexpr double PdfResolution = 1200;

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

// Every text (and every box, fill and line) of every page, as the statement
// draws it on paper.
struct RecordedPages
{
    QList<QList<RecordingSurface::Text>> pages;
    QList<QList<RecordingSurface::Shape>> shapes;
    QSizeF paper; // twips
};

RecordedPages RecordPages()
{
    Statement &s = TheStatement();
    prn01_AnalysisOfCommonExpenses report(s.state, s.results, 0);
    ReportPreview preview(s.context(), report);
    preview.load();
    RecordedPages recorded;
    const PrintSetting &slot = s.state.Building.PrintSettings[report.slot()];
    const int o = OrientationIndex(slot);
    recorded.paper = QSizeF(preview.geometry().PaperWidth[o], preview.geometry().PaperHeight[o]);
    for (int column = 1; column <= preview.pageColumns(); ++column)
        for (int row = 1; row <= preview.pageRows(); ++row) {
            RecordingSurface page;
            page.setOnPaper(true);
            preview.paintPage(page, 0, 0, row, column, 1);
            recorded.pages.append(page.texts);
            recorded.shapes.append(page.shapes);
        }
    return recorded;
}

void DrawShapes(QPainter &painter, const QList<RecordingSurface::Shape> &shapes, double pixelsPerTwip)
{
    const QTransform scale = QTransform::fromScale(pixelsPerTwip, pixelsPerTwip);
    for (const RecordingSurface::Shape &s : shapes) {
        QPen pen(s.colour);
        pen.setWidthF(s.penWidth * pixelsPerTwip);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        switch (s.kind) {
        case RecordingSurface::Shape::Line:
            painter.drawLine(scale.map(s.line));
            break;
        case RecordingSurface::Shape::Box:
            painter.drawRect(scale.mapRect(s.rect));
            break;
        case RecordingSurface::Shape::Fill:
            painter.fillRect(scale.mapRect(s.rect), s.colour);
            break;
        }
    }
}

void CollectiveStatementToPdf(benchmark::State &bench)
{
    Statement &s = TheStatement();
    int pages = 0;
    for (auto _ : bench) {
        prn01_AnalysisOfCommonExpenses report(s.state, s.results, 0);
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

// The bare QPainter: the recorded texts (and, with shapes, the boxes, fills
// and lines) drawn straight into a PDF.
void BareQPainter(benchmark::State &bench, bool withShapes)
{
    const RecordedPages recorded = RecordPages();
    const QString pdf = QDir::temp().filePath(QStringLiteral("bench_collective_bare.pdf"));
    const double pixelsPerTwip = PdfResolution / 1440;
    for (auto _ : bench) {
        QPdfWriter writer(pdf);
        writer.setResolution(int(PdfResolution));
        writer.setPageSize(QPageSize(recorded.paper / 20, QPageSize::Point));
        writer.setPageMargins(QMarginsF());
        QPainter painter(&writer);
        SurfaceFont current;
        QFontMetricsF metrics(painter.font());
        for (qsizetype p = 0; p < recorded.pages.size(); ++p) {
            if (p > 0)
                writer.newPage();
            if (withShapes)
                DrawShapes(painter, recorded.shapes[p], pixelsPerTwip);
            for (const RecordingSurface::Text &t : recorded.pages[p]) {
                if (t.font != current) {
                    current = t.font;
                    QFont font(DrawingFamily(t.font.name));
                    font.setPointSizeF(t.font.points);
                    font.setBold(t.font.bold);
                    font.setItalic(t.font.italic);
                    painter.setFont(font);
                    metrics = QFontMetricsF(painter.font(), &writer);
                }
                painter.setPen(t.colour);
                painter.drawText(QPointF(t.x * pixelsPerTwip, t.y * pixelsPerTwip + metrics.ascent()), t.text);
            }
        }
    }
    bench.counters["pages"] = double(recorded.pages.size());
}

void BareQPainterToPdf(benchmark::State &bench)
{
    BareQPainter(bench, false);
}

void BareQPainterWithShapesToPdf(benchmark::State &bench)
{
    BareQPainter(bench, true);
}

} // namespace

BENCHMARK(CollectiveStatementToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BareQPainterToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BareQPainterWithShapesToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    LocaleService::installGreekLocale();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
