#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

// main() of a benchmark that builds windows: they are made and shown without
// a display.
inline int runWidgetBenchmarks(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
