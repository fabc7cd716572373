#pragma once
// Shared main for the benchmarks of windows: offscreen unless a platform is named, and the
// Fusion style, so figures do not depend on the desktop they run on.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStyleFactory>

#define SHRINK4_WINDOW_BENCHMARK_MAIN()                                                                                \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                            \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                                   \
        QApplication app(argc, argv);                                                                                  \
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));                                       \
        benchmark::Initialize(&argc, argv);                                                                            \
        if (benchmark::ReportUnrecognizedArguments(argc, argv))                                                        \
            return 1;                                                                                                  \
        benchmark::RunSpecifiedBenchmarks();                                                                           \
        benchmark::Shutdown();                                                                                         \
        return 0;                                                                                                      \
    }
