// A metafile of about 10,000 records drawn at the wallpaper's size by the
// program's metafile reader (checking every record, then drawing it), against
// a bare QPainter drawing the same shapes and texts into an image of the same
// size, in one run. Beside them, the calibration of the work bound
// (MetafileLimits::MaxWork): for each kind of work that is dear to draw for
// what it counts (tests/pictures/support_heavymetafiles), the heaviest file
// the bound admits (about a second at most) and the first one past it, each
// with the work it counts and its time as nanoseconds for each unit of work
// (ns_per_unit: about 2 at most); the heaviest flood fills over the whole
// picture, the first refused, the slowest of the tests' hostile files, and a
// plan of thin-pen ellipses that must be drawn.

#include "pictures/picturereader.h"
#include "platform/codepage1253.h"

#include "support_heavymetafiles.h"
#include "support_metafilewriter.h"
#include "guimain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <map>
#include <vector>

using namespace kelvarino;

namespace {

const QSize Wallpaper(1280, 720);

// One shape of the scene: its kind, box and colours.
struct Shape
{
    enum Kind { Box, Round, Triangle, Line, Text } kind;
    QRect box;
    QColor fill, line;
};

std::vector<Shape> scene()
{
    std::vector<Shape> shapes;
    for (int i = 0; i < 1400; ++i) {
        const QRect box((i * 37) % 1200, (i * 53) % 660, 20 + i % 60, 15 + i % 45);
        const QColor fill((i * 40) % 256, (i * 90) % 256, (i * 150) % 256);
        const QColor line((i * 70) % 128, 0, (i * 30) % 128);
        shapes.push_back({Shape::Kind(i % 5), box, fill, line});
    }
    return shapes;
}

const QString GreekText = QStringLiteral("Κοινόχρηστα");

// The scene as metafile records: for each shape a pen and a brush created,
// selected, used and deleted, as drawing programs write them.
QByteArray sceneMetafile(const std::vector<Shape> &shapes, int &records)
{
    MetafileWriter w;
    w.font(-14, 161, "Arial").select(0);
    for (const Shape &s : shapes) {
        w.pen(0, 2, s.line).select(1).brush(0, s.fill).select(2);
        switch (s.kind) {
        case Shape::Box: w.rectangle(s.box); break;
        case Shape::Round: w.ellipse(s.box); break;
        case Shape::Triangle:
            w.polygon({s.box.bottomLeft(), QPoint(s.box.center().x(), s.box.top()), s.box.bottomRight()});
            break;
        case Shape::Line: w.record(0x0214, {s.box.top(), s.box.left()}).record(0x0213, {s.box.bottom(), s.box.right()}); break;
        case Shape::Text: w.record(0x0209, MetafileWriter::colour(s.line)).textOut(s.box.topLeft(), Cp1253::encode(GreekText)); break;
        }
        w.remove(1).remove(2);
    }
    records = w.recordCount();
    return w.file(QRect(QPoint(), Wallpaper), 96);
}

void DrawMetafile(benchmark::State &state)
{
    int records = 0;
    const QByteArray file = sceneMetafile(scene(), records);
    qint64 nanoseconds = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        clock.start();
        const QImage image = PictureReader::readMetafile(file, Wallpaper);
        nanoseconds += clock.nsecsElapsed();
        if (image.isNull())
            state.SkipWithError("the metafile was not drawn");
        benchmark::DoNotOptimize(image.constBits());
    }
    const double work = HeavyMetafiles::workOf(file, Wallpaper);
    state.counters["records"] = records;
    state.counters["work"] = work;
    state.counters["ns_per_unit"] = double(nanoseconds) / (work * double(state.iterations()));
}

void readMetafile(benchmark::State &state, const QByteArray &file, QSize size, bool drawn)
{
    for (auto _ : state) {
        const QImage image = PictureReader::readMetafile(file, size);
        if (image.isNull() == drawn)
            state.SkipWithError(drawn ? "the metafile was not drawn" : "the metafile was drawn");
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Reads `file` at the bound's size, reporting its work and the time each unit of it takes.
void readAtTheBound(benchmark::State &state, const QByteArray &file, bool drawn)
{
    // The benchmark calls again for as many iterations as it needs: the work is counted once.
    static std::map<QByteArray, double> works;
    if (!works.count(file))
        works[file] = HeavyMetafiles::workOf(file);
    const double work = works[file];
    qint64 nanoseconds = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        clock.start();
        const QImage image = PictureReader::readMetafile(file, HeavyMetafiles::Size);
        nanoseconds += clock.nsecsElapsed();
        if (image.isNull() == drawn)
            state.SkipWithError(drawn ? "the metafile was not drawn" : "the metafile was drawn");
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["work"] = work;
    state.counters["ns_per_unit"] = double(nanoseconds) / (work * double(state.iterations()));
}

void registerDearKinds()
{
    for (const HeavyMetafiles::Kind &kind : HeavyMetafiles::dearKinds()) {
        for (const int extra : {0, 1}) {
            const std::string name = std::string("Kind/") + kind.name + (extra ? "/first refused" : "/heaviest admitted");
            benchmark::RegisterBenchmark(name.c_str(), [&kind, extra](benchmark::State &state) {
                static std::map<std::pair<const HeavyMetafiles::Kind *, int>, QByteArray> files;
                QByteArray &file = files[{&kind, extra}];
                if (file.isEmpty())
                    file = HeavyMetafiles::atTheBound(kind, extra);
                readAtTheBound(state, file, extra == 0);
            })->Unit(benchmark::kMillisecond)->MinTime(2);
        }
    }
}

void HeaviestAdmitted(benchmark::State &state)
{
    readAtTheBound(state, HeavyMetafiles::wholePictureFloodFills(), true);
}

void ThinPenPlan(benchmark::State &state)
{
    readAtTheBound(state, HeavyMetafiles::thinPenPlan(), true);
}

void FirstRefused(benchmark::State &state)
{
    readAtTheBound(state, HeavyMetafiles::wholePictureFloodFills(1), false);
}

void SlowestHostile(benchmark::State &state)
{
    readMetafile(state, HeavyMetafiles::wholeSixteenBitRange(), QSize(), true);
}

void BarePainter(benchmark::State &state)
{
    const std::vector<Shape> shapes = scene();
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    for (auto _ : state) {
        QImage image(Wallpaper, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setFont(font);
        for (const Shape &s : shapes) {
            painter.setPen(QPen(s.line, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.setBrush(s.fill);
            switch (s.kind) {
            case Shape::Box: painter.drawRect(QRectF(s.box.topLeft(), s.box.bottomRight() + QPointF(1, 1))); break;
            case Shape::Round: painter.drawEllipse(QRectF(s.box.topLeft(), s.box.bottomRight() + QPointF(1, 1))); break;
            case Shape::Triangle:
                painter.drawPolygon(QPolygonF({s.box.bottomLeft(), QPoint(s.box.center().x(), s.box.top()), s.box.bottomRight()}));
                break;
            case Shape::Line: painter.drawLine(s.box.topLeft(), s.box.bottomRight()); break;
            case Shape::Text:
                painter.setPen(s.line);
                painter.drawText(QPointF(s.box.left(), s.box.top() + 13), GreekText);
                break;
            }
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

BENCHMARK(DrawMetafile)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BarePainter)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(HeaviestAdmitted)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(FirstRefused)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(SlowestHostile)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(ThinPenPlan)->Unit(benchmark::kMillisecond)->MinTime(2);

int main(int argc, char **argv)
{
    registerDearKinds();
    return kelvarino::RunGuiBenchmarks(argc, argv);
}
