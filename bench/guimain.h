#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

#include <functional>

namespace kelvarino {

// The main of a benchmark that needs the toolkit's widgets: an application on
// the offscreen platform (unless another one is asked for), `setUp` once it
// exists, then every benchmark of the program.
inline int RunGuiBenchmarks(int argc, char **argv, const std::function<void()> &setUp = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (setUp)
        setUp();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace kelvarino
