// The printing component against bare QPainter floors, in one run:
// - a 200-page report printed to the built-in PDF printer (layout, the report's
//   paint code through the page surface, the print job) against a bare
//   QPainter drawing the same texts, boxes, fills and lines into a PDF;
// - one preview page redrawn at the format's limits (A3, magnification 0.50,
//   cells at their smallest) against a bare QPainter drawing the same items
//   into a picture of the preview's size.
// The bare runs replay what a recording surface kept of the same pages in
// device units (see barefloor.h).

#include "core/workstate.h"
#include "platform/platform.h"
#include "barefloor.h"
#include "printing/pagesurface.h"
#include "printing/previewwidgets.h"
#include "printing/printingcontext.h"
#include "printing/reportpreview.h"
#include "printing/textprimitives.h"
#include "guimain.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace kelvarino;
using namespace kelvarino::benchmarks;

namespace {

// A dense grid report: every page filled with boxed cells, a filled heading
// row, a text in each cell and a rule under each row; PageRows pages down.
class GridReport final : public PreviewReport
{
public:
    explicit GridReport(int pages) : pages_(pages) {}
    int slot() const override { return 8; }
    QString title() const override { return QStringLiteral("Πλέγμα"); }
    int helpTopic() const override { return 0; }
    ReportSizes bestBoxSizes(PageSurface &target) override
    {
        return {{float(target.textWidth(QStringLiteral("AAΜελισσοκαρπάκηςAA")))}, {355}};
    }
    QStringList widthNames() const override { return {QStringLiteral("Πλάτος")}; }
    QStringList heightNames() const override { return {QStringLiteral("Ύψος")}; }
    void defaultPrintParameters(PrintSetting &) override {}
    LayoutOutcome preparePrint(ReportLayout &layout) override
    {
        if (!layout.fitWidth(layout.settings.Widths[0] * 2, 0.5))
            return LayoutOutcome::failure(-1);
        return LayoutOutcome::pages(pages_, 1);
    }
    LayoutFailureText failureText(int) const override { return {}; }
    void printPage(const PageRequest &page) override
    {
        PageSurface &surface = page.surface;
        const double s = page.scale;
        const double w = page.settings.Widths[0] * s;
        const double h = page.settings.Heights[0] * s;
        const QRectF area = page.printable;
        const int across = int(area.width() / w);
        const int down = int(area.height() / h) - 1;
        surface.setFont(QStringLiteral("Arial Greek"), 8 * s, true);
        for (int c = 0; c < across; ++c)
            surface.fillBox(area.left() + c * w, area.top(), area.left() + (c + 1) * w, area.top() + h,
                            QColor(255, 232, 232));
        surface.setBold(false);
        for (int r = 0; r < down; ++r) {
            const double y = area.top() + r * h;
            for (int c = 0; c < across; ++c) {
                const double x = area.left() + c * w;
                surface.drawBox(x, y, x + w, y + h);
                draw1(surface, QStringLiteral("Μελισσοκαρπάκης %1.%2").arg(page.row).arg(r * across + c), x, y, x + w,
                      y + h, c == 0 ? AlignLeft : AlignRight, s);
            }
            surface.drawLine(area.left(), y + h, area.left() + across * w, y + h);
        }
    }

private:
    int pages_;
};

struct Setup
{
    Setup(int pages, bool smallest)
        : report(pages)
    {
        ResetToNewWork(state);
        state.ProgramPrinter = state.SystemPrinter = BuiltInPdfPrinterName();
        state.PrintingPossible = true;
        state.PreferredFont = QStringLiteral("Arial Greek");
        PrintSetting &slot = state.Building.PrintSettings[8];
        slot.PaperSize = smallest ? 8 : 9;
        slot.Magnification = smallest ? 0.5f : 1.0f;
        preview = std::make_unique<ReportPreview>(PrintingContext{state, doubles.platform(), &dialogs}, report);
        preview->resize(1280, 800);
        preview->load();
        if (smallest) {
            slot.Widths[0] = preview->defaultSizes().widths[0] / 3;
            slot.Heights[0] = 355.0f / 3;
            slot.Magnification = 0.5f;
            preview->layoutPreview();
        }
    }
    AppState state;
    TestPlatform doubles;
    ScriptedPrintingDialogs dialogs{state, doubles.platform()};
    GridReport report;
    std::unique_ptr<ReportPreview> preview;
};

constexpr int Pages = 200;

void PrintToPdf(benchmark::State &state)
{
    Setup setup(Pages, false);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("report.pdf"));
    for (auto _ : state) {
        setup.doubles.fileDialogs.saveAnswers = {file};
        setup.preview->layoutPreview();
        benchmark::DoNotOptimize(setup.preview->printPages(PrintChoice{true, 1, true}));
    }
    state.counters["pages"] = Pages;
}

void BarePdf(benchmark::State &state)
{
    Setup setup(Pages, false);
    RecordedPages pages;
    for (int row = 1; row <= Pages; ++row) {
        pages.emplace_back().setOnPaper(true);
        setup.preview->paintPage(pages.back(), 0, 0, row, 1, 1);
    }
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bare.pdf"));
    for (auto _ : state)
        if (!WriteBarePdf(pages, setup.state.Building.PrintSettings[8], file))
            state.SkipWithError("the bare PDF was not written");
    state.counters["pages"] = Pages;
}

void RedrawPreviewPage(benchmark::State &state)
{
    Setup setup(1, true);
    const QSize size = setup.preview->canvas()->size();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        ImageSurface surface(image, 96);
        setup.preview->paintView(surface);
    }
    RecordingSurface items;
    setup.preview->paintView(items);
    state.counters["texts"] = double(items.texts.size());
    state.counters["zoom"] = setup.preview->screenZoom();
}

void BarePreviewPage(benchmark::State &state)
{
    Setup setup(1, true);
    const QSize size = setup.preview->canvas()->size();
    RecordingSurface items;
    setup.preview->paintView(items);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        BareReplay(96.0 / 1440.0).draw(items, painter);
    }
    state.counters["texts"] = double(items.texts.size());
}

} // namespace

BENCHMARK(PrintToPdf)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BarePdf)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(RedrawPreviewPage)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BarePreviewPage)->Unit(benchmark::kMillisecond)->MinTime(2);

int main(int argc, char **argv)
{
    return kelvarino::RunGuiBenchmarks(argc, argv);
}
