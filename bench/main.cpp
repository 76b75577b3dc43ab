// zolk_bench's own main: Google Benchmark's, every option kept, with the pair reporter as the
// display (pairs.h) and five repetitions unless the command line or BENCHMARK_REPETITIONS says
// otherwise, so that the paired ratios compare medians.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "bench/pair_reporter.h"

int main(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    bool repetitionsGiven = std::getenv("BENCHMARK_REPETITIONS") != nullptr;
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]).rfind("--benchmark_repetitions", 0) == 0) repetitionsGiven = true;
    std::string repetitions = "--benchmark_repetitions=5";
    if (!repetitionsGiven && argc > 0) args.insert(args.begin() + 1, repetitions.data());
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);

    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    zolk::bench::PairReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
