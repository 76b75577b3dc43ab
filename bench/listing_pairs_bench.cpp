// Listings and a wide result read into recordsets through the library, beside SQLite stepping
// the native text the translator produced (with the engine's functions registered, since the
// native text calls them) and reading every cell. Materialise10kx100 also reports the bytes each
// cell of the recordset holds (heap in use while it is held, divided by its cells).
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sqlite3.h>

#include <exception>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "ado/connection.h"
#include "ado/recordset.h"
#include "bench/generated_practice.h"
#include "bench/native_reader.h"
#include "bench/pairs.h"
#include "exames/solicitacao.h"
#include "fichas/ficha.h"
#include "jet/engine.h"

namespace {

using namespace zolk;
namespace fs = std::filesystem;

struct Clinical {
    std::int32_t client = 0, animal = 0;
};

Clinical recordOne(jet::Session& s) {
    const jet::RowSet r = s.execute("SELECT CodigoDoCliente, CodigoDoAnimal FROM FichasClinicas WHERE Numero = 1").rows;
    return {r.cells.at(0).asLong(), r.cells.at(1).asLong()};
}

// A table of 100 columns cycling through the declared types, 10,000 rows.
constexpr int kWideRows = 10000;
constexpr int kWideColumns = 100;

std::string wideDatabase() {
    const fs::path file = fs::path(bench::generatedPractice(bench::kSmallPractice)).parent_path() / "wide-10000x100.db";
    if (fs::exists(file)) return file.string();
    const fs::path partial = fs::path(file).concat(".partial");
    std::error_code ec;
    fs::remove(partial, ec);
    jet::createDatabase("sqlite:" + partial.string(), bench::wideTableStatements(kWideRows, kWideColumns), 1, false);
    fs::rename(partial, file);
    return file.string();
}

// ---- the pairs ----

// Runs `statement` through an ADO connection into a recordset, `expected` rows.
void ours(benchmark::State& state, const std::string& path, const std::string& statement, std::int32_t expected) {
    auto connection = ado::Connection::open("sqlite:" + path);
    std::int32_t rows = 0;
    for (auto _ : state) {
        auto rs = connection->Execute(statement);
        rows = rs->RecordCount();
        benchmark::DoNotOptimize(rows);
        // Dropping the rows is not part of reading them.
        state.PauseTiming();
        rs.reset();
        state.ResumeTiming();
    }
    if (rows != expected) state.SkipWithError(("ours gave " + std::to_string(rows) + " rows").c_str());
    state.counters["rows"] = rows;
}

void raw(benchmark::State& state, const std::string& path, const std::string& statement, std::int64_t expected) {
    const std::string native = jet::openSession("sqlite:" + path)->translate(statement).native;
    bench::NativeReader reader(path, true);
    std::int64_t rows = 0;
    for (auto _ : state) rows = reader.run(native);
    if (rows != expected) state.SkipWithError(("raw gave " + std::to_string(rows) + " rows").c_str());
    state.counters["rows"] = static_cast<double>(rows);
}

std::string fichasListing() { return fichas::listingStatement(50, 0, {}, {}, {}); }

std::string examesListing(const std::string& path) {
    const Clinical one = recordOne(*jet::openSession("sqlite:" + path));
    return exames::listingStatement({}, 1, 1, one.client, one.animal);
}

template <bool Ours>
void listingFichas(benchmark::State& state) {
    try {
        const int records = static_cast<int>(state.range(0));
        const std::string path = bench::generatedPractice(records);
        if constexpr (Ours) ours(state, path, fichasListing(), records);
        else raw(state, path, fichasListing(), records);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

template <bool Ours>
void listingExames(benchmark::State& state) {
    try {
        const int records = static_cast<int>(state.range(0));
        const std::string path = bench::generatedPracticeWithExams(records);
        if constexpr (Ours) ours(state, path, examesListing(path), records);
        else raw(state, path, examesListing(path), records);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

// Heap in use, small blocks and mapped ones.
double heapInUse() {
    const struct mallinfo2 m = mallinfo2();
    return static_cast<double>(m.uordblks) + static_cast<double>(m.hblkhd);
}

void materialiseOurs(benchmark::State& state) {
    try {
        const std::string path = wideDatabase();
        auto connection = ado::Connection::open("sqlite:" + path);
        double perCell = 0;
        std::int32_t rows = 0;
        for (auto _ : state) {
            state.PauseTiming();
            const double before = heapInUse();
            state.ResumeTiming();
            auto rs = connection->Execute("SELECT * FROM Wide");
            rows = rs->RecordCount();
            state.PauseTiming();
            perCell = (heapInUse() - before) / (double(kWideRows) * kWideColumns);
            rs.reset();
            state.ResumeTiming();
        }
        if (rows != kWideRows) state.SkipWithError("wrong row count");
        state.counters["bytes_per_cell"] = perCell;
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

void materialiseRaw(benchmark::State& state) {
    try {
        const std::string path = wideDatabase();
        raw(state, path, "SELECT * FROM Wide", kWideRows);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

void listingSizes(benchmark::internal::Benchmark* b, int records) {
    b->ArgName("records")->Arg(records)->Unit(benchmark::kMillisecond);
}

const bool registered =
    bench::registerPair("ListingFichas1k", listingFichas<true>, listingFichas<false>,
                        [](auto* b) { listingSizes(b, bench::kSmallPractice); }) &&
    bench::registerPair("ListingFichas100k", listingFichas<true>, listingFichas<false>,
                        [](auto* b) { listingSizes(b, bench::kMediumPractice); }) &&
    bench::registerPair("ListingExames1k", listingExames<true>, listingExames<false>,
                        [](auto* b) { listingSizes(b, bench::kSmallPractice); }) &&
    bench::registerPair("ListingExames100k", listingExames<true>, listingExames<false>,
                        [](auto* b) { listingSizes(b, bench::kMediumPractice); }) &&
    bench::registerPair("Materialise10kx100", materialiseOurs, materialiseRaw,
                        [](auto* b) { b->Unit(benchmark::kMillisecond); });

}  // namespace
