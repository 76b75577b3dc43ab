#pragma once
// The display reporter of zolk_bench: shows every run as the reporter chosen by
// --benchmark_format would, and keeps the times of the paired benchmarks (pairs.h) to print,
// after the last run, one line per pair with both medians and their ratio.
#include <benchmark/benchmark.h>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace zolk::bench {

class PairReporter : public benchmark::BenchmarkReporter {
public:
    PairReporter();

    bool ReportContext(const Context& context) override;
    void ReportRuns(const std::vector<Run>& report) override;
    void Finalize() override;

    struct Side {
        double seconds = 0;     // median real time per iteration
        double cpuSeconds = 0;  // median CPU time per iteration of the main thread
        benchmark::TimeUnit unit = benchmark::kNanosecond;
        bool median = false;  // from the median of repetitions, not a single run
        bool failed = false;
        std::string error;
    };
    struct Pair {
        Side ours;
        Side raw;
        bool hasOurs = false;
        bool hasRaw = false;
    };

    // What was gathered, by pair name with its arguments ("Top20/1000000").
    const std::map<std::string, Pair>& pairs() const { return pairs_; }

    // The table printed at the end.
    std::string table() const;

private:
    // The library's own display reporter: one for the whole program, never ours to delete.
    benchmark::BenchmarkReporter* display_;
    std::map<std::string, Pair> pairs_;
    std::vector<std::string> order_;
    // Each side's times of single runs: ours real, raw real, ours CPU, raw CPU.
    std::map<std::string, std::array<std::vector<double>, 4>> samples_;  // real, cpu
};

}  // namespace zolk::bench
