#pragma once
// Side-by-side measurements: a benchmark named `Pair/<what>/ours` runs something through the
// library, its partner `Pair/<what>/raw` does the same work with SQLite's C API alone. Both
// take the same arguments; the program's reporter pairs them by name and prints the ratio of
// their median times at the end of the run.
#include <benchmark/benchmark.h>

#include <functional>
#include <string>

namespace zolk::bench {

using BenchmarkFunction = void (*)(benchmark::State&);

// Registers `ours` and `raw` as Pair/<what>/ours and Pair/<what>/raw, each set up by `configure`
// (arguments, unit, ...). Call it from a namespace-scope initialiser, as BENCHMARK does.
bool registerPair(const std::string& what, BenchmarkFunction ours, BenchmarkFunction raw,
                  const std::function<void(benchmark::internal::Benchmark*)>& configure = {});

}  // namespace zolk::bench
