// Recordset costs: taking over a large engine result, sorting it, walking it, copying a page.
#include <benchmark/benchmark.h>

#include <string>

#include "ado/data_types.h"
#include "ado/recordset.h"
#include "jet/engine.h"

namespace {

using zolk::platform::Variant;

zolk::jet::RowSet makeRows(int rows, int columns) {
    zolk::jet::RowSet r;
    for (int c = 0; c < columns; ++c)
        r.columns.push_back({"Coluna" + std::to_string(c), c % 2 ? zolk::ado::adtype::Double
                                                                   : zolk::ado::adtype::VarWChar});
    r.cells.reserve(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns));
    for (int i = 0; i < rows; ++i)
        for (int c = 0; c < columns; ++c)
            r.cells.push_back(c % 2 ? Variant(static_cast<double>((i * 7919) % rows))
                                    : Variant("texto " + std::to_string((i * 104729) % rows)));
    return r;
}

// Materialising 10,000 x 100 cells: the engine's vectors are taken over, not copied.
void BM_FromRows(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        zolk::jet::RowSet rows = makeRows(10000, 100);
        state.ResumeTiming();
        auto rs = zolk::ado::Recordset::fromRows(std::move(rows), "SELECT");
        benchmark::DoNotOptimize(rs->RecordCount());
        state.PauseTiming();
        rs.reset();
        state.ResumeTiming();
    }
}
// The timed part is tiny beside building the input, so the iterations are fixed.
BENCHMARK(BM_FromRows)->Iterations(10)->Unit(benchmark::kMicrosecond);

void BM_SortTextThenNumber(benchmark::State& state) {
    auto rs = zolk::ado::Recordset::fromRows(makeRows(static_cast<int>(state.range(0)), 4), "SELECT");
    for (auto _ : state) {
        rs->Sort("Coluna0 ASC, Coluna1 DESC");
        rs->Sort("");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SortTextThenNumber)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_WalkByName(benchmark::State& state) {
    auto rs = zolk::ado::Recordset::fromRows(makeRows(10000, 20), "SELECT");
    for (auto _ : state) {
        double sum = 0;
        for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext()) sum += rs->value("coluna19").asDouble();
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_WalkByName)->Unit(benchmark::kMillisecond);

// One page of 20 fields copied by name into a fabricated recordset, as the library pages.
void BM_PageCopy(benchmark::State& state) {
    auto source = zolk::ado::Recordset::fromRows(makeRows(1000, 20), "SELECT");
    for (auto _ : state) {
        zolk::ado::Recordset page;
        for (std::int32_t i = 0; i < source->fieldCount(); ++i) {
            const auto& c = source->column(i);
            page.appendField(c.name, c.type, c.definedSize, c.attributes);
        }
        page.Open();
        source->AbsolutePage(5);
        for (int n = 0; n < 10 && !source->EOF_(); ++n) {
            page.AddNew();
            for (std::int32_t i = 0; i < source->fieldCount(); ++i)
                page.setValue(source->column(i).name, source->value(source->column(i).name));
            page.Update();
            source->MoveNext();
        }
        benchmark::DoNotOptimize(page.RecordCount());
    }
}
BENCHMARK(BM_PageCopy)->Unit(benchmark::kMicrosecond);

}  // namespace
