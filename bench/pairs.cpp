#include "bench/pairs.h"

namespace zolk::bench {

bool registerPair(const std::string& what, BenchmarkFunction ours, BenchmarkFunction raw,
                  const std::function<void(benchmark::internal::Benchmark*)>& configure) {
    for (const auto& [side, fn] : {std::pair{"ours", ours}, std::pair{"raw", raw}}) {
        benchmark::internal::Benchmark* b = benchmark::RegisterBenchmark(("Pair/" + what + "/" + side).c_str(), fn);
        if (configure) configure(b);
    }
    return true;
}

}  // namespace zolk::bench
