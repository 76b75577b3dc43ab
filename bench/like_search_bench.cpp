// A text search `LIKE '%...%'` over the 1,000,000 clinical records' complaints: through the
// engine (Jet's LIKE, letter case folded by Unicode rules) beside SQLite's own ASCII LIKE on
// the same native text.
#include <benchmark/benchmark.h>

#include <exception>
#include <memory>
#include <string>

#include "bench/generated_practice.h"
#include "bench/native_reader.h"
#include "bench/pairs.h"
#include "jet/engine.h"
#include "platform/variant.h"

namespace {

using namespace zolk;

const char* const kSearch = "SELECT Count(*) AS Quantas FROM FichasClinicas WHERE QueixaPrincipal LIKE '%DIARREIA%'";

void ours(benchmark::State& state) {
    try {
        auto session = jet::openSession(bench::generatedPracticeUrl(static_cast<int>(state.range(0))));
        double found = 0;
        for (auto _ : state) found = session->execute(kSearch).rows.cells.at(0).toDouble();
        state.counters["found"] = found;
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

void raw(benchmark::State& state) {
    try {
        const int records = static_cast<int>(state.range(0));
        const std::string native = jet::openSession(bench::generatedPracticeUrl(records))->translate(kSearch).native;
        bench::NativeReader reader(bench::generatedPractice(records), false);
        for (auto _ : state) benchmark::DoNotOptimize(reader.run(native));
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

const bool registered = bench::registerPair("LikeSearch", ours, raw, [](benchmark::internal::Benchmark* b) {
    b->ArgName("records")->Arg(bench::kLargePractice)->Unit(benchmark::kMillisecond);
});

}  // namespace
