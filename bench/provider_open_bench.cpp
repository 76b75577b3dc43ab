// What opening a connection costs: the provider's AbrirConexao (after the first, a kept session
// handed out again; the first looks at the file, which tells a practice database from anything
// else, then opens the session), beside each part of a first opening alone.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "components/provider/objetos_de_dados.h"
#include "components/provider/settings.h"
#include "jet/engine.h"
#include "schema/practice_database.h"
#include "schema/practice_file.h"

namespace {

using namespace zolk;

// A demo practice database in a folder of its own.
class DemoPractice {
public:
    DemoPractice() {
        folder_ = std::filesystem::temp_directory_path() / ("zolk_open_bench_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        url_ = (folder_ / "practice.db").string();
        schema::createPracticeDatabase(url_, true, false);
        components::setDatabaseOverride(url_);
    }
    ~DemoPractice() {
        components::setDatabaseOverride("");
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    const std::string& url() const { return url_; }

private:
    std::filesystem::path folder_;
    std::string url_;
};

void BM_AbrirConexao(benchmark::State& state) {
    DemoPractice practice;
    for (auto _ : state) {
        components::ObjetosDeDados provider;
        if (provider.AbrirConexao() != 0) state.SkipWithError("the provider did not open the demo database");
    }
}
BENCHMARK(BM_AbrirConexao);

void BM_ExamineDatabase(benchmark::State& state) {
    DemoPractice practice;
    for (auto _ : state) benchmark::DoNotOptimize(schema::examineDatabase(practice.url()).version);
}
BENCHMARK(BM_ExamineDatabase);

void BM_OpenSession(benchmark::State& state) {
    DemoPractice practice;
    for (auto _ : state) benchmark::DoNotOptimize(jet::openSession(practice.url()));
}
BENCHMARK(BM_OpenSession);

}  // namespace
