// The recent clinical records (the listing of Selecionar, TOP 20 newest first) through the
// engine, beside SQLite stepping the same listing's native text with LIMIT 20 on the key.
#include <benchmark/benchmark.h>

#include <exception>
#include <memory>
#include <string>

#include "bench/generated_practice.h"
#include "bench/native_reader.h"
#include "bench/pairs.h"
#include "fichas/ficha.h"
#include "jet/engine.h"

namespace {

using namespace zolk;

constexpr int kPage = 20;
constexpr std::int16_t kAllVisits = 0;
constexpr std::int16_t kRecent = 3;

void ours(benchmark::State& state) {
    try {
        auto session = jet::openSession(bench::generatedPracticeUrl(static_cast<int>(state.range(0))));
        const std::string listing = fichas::listingStatement(kPage, kRecent, {}, {}, {});
        std::size_t rows = 0;
        for (auto _ : state) rows = session->execute(listing).rows.rowCount();
        if (rows != kPage) state.SkipWithError(("the listing gave " + std::to_string(rows) + " rows").c_str());
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

// The same listing without TOP, translated by the engine, limited natively.
std::string nativeLimited(jet::Session& session) {
    std::string native = session.translate(fichas::listingStatement(kPage, kAllVisits, {}, {}, {})).native;
    while (!native.empty() && (native.back() == ';' || native.back() == ' ')) native.pop_back();
    return native + " LIMIT " + std::to_string(kPage);
}

void raw(benchmark::State& state) {
    try {
        const int records = static_cast<int>(state.range(0));
        const std::string native = nativeLimited(*jet::openSession(bench::generatedPracticeUrl(records)));
        bench::NativeReader reader(bench::generatedPractice(records), true);
        std::int64_t rows = 0;
        for (auto _ : state) rows = reader.run(native);
        if (rows != kPage) state.SkipWithError(("the listing gave " + std::to_string(rows) + " rows").c_str());
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

const bool registered = bench::registerPair("Top20", ours, raw, [](benchmark::internal::Benchmark* b) {
    b->ArgName("records")->Arg(bench::kSmallPractice)->Arg(bench::kLargePractice)->Unit(benchmark::kMillisecond);
});

}  // namespace
