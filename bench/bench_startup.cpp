// From process start to the main window shown with the example building open
// and the event loop idle, beside a minimal Qt program that shows an empty
// main window. Both programs write "idle" once their event loop is idle and
// then leave; the time is taken up to that line.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

namespace {

QProcessEnvironment environment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("DISPLAY")) && !env.contains(QStringLiteral("WAYLAND_DISPLAY")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("KELVARINO_REPORT_IDLE"), QStringLiteral("1"));
    return env;
}

void runToIdle(benchmark::State &state, const QString &program, const QStringList &arguments)
{
    const QProcessEnvironment env = environment();
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer clock;
        clock.start();
        process.start(program, arguments);
        QByteArray output;
        while (!output.contains("idle") && process.waitForReadyRead(30000))
            output += process.readAllStandardOutput();
        const double seconds = clock.nsecsElapsed() / 1e9;
        if (!output.contains("idle") || !process.waitForFinished(30000) || process.exitCode() != 0) {
            state.SkipWithError("the program did not reach its idle event loop");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

void MinimalQtWindow(benchmark::State &state)
{
    runToIdle(state, QStringLiteral(KV_MINIMAL_WINDOW), {});
}

void KelvarinoOnTheExampleBuilding(benchmark::State &state)
{
    const QString example = QStringLiteral(KV_PROGRAM_DIR "/Examples/Πολυκατοικία Παραδείγματος.s43");
    if (!QFile::exists(example)) {
        state.SkipWithError("the example building is missing beside the program");
        return;
    }
    runToIdle(state, QStringLiteral(KV_PROGRAM), {example});
}

} // namespace

BENCHMARK(MinimalQtWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(15);
BENCHMARK(KelvarinoOnTheExampleBuilding)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(15);
BENCHMARK(MinimalQtWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(15);
BENCHMARK(KelvarinoOnTheExampleBuilding)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(15);

BENCHMARK_MAIN();
