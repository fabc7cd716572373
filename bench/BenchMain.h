#pragma once
// Shared main for the benchmark programs. A long-lived program keeps its heap warm; tell
// the allocator not to hand freed result buffers back to the system after every
// iteration, so the figures measure the work rather than page faults.

#include <benchmark/benchmark.h>

#include <malloc.h>

#define SHRINK4_BENCHMARK_MAIN()                                                                                       \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        mallopt(M_TRIM_THRESHOLD, 64 << 20);                                                                           \
        mallopt(M_MMAP_THRESHOLD, 64 << 20);                                                                           \
        benchmark::Initialize(&argc, argv);                                                                            \
        if (benchmark::ReportUnrecognizedArguments(argc, argv))                                                        \
            return 1;                                                                                                  \
        benchmark::RunSpecifiedBenchmarks();                                                                           \
        benchmark::Shutdown();                                                                                         \
        return 0;                                                                                                      \
    }
