// Posting a product through clsProcedimentos::Adicionar (the stock read, the balance written,
// its history row, the reservation and its number, in one transaction) beside raw SQLite running
// the same five native statements in one transaction on the same database; and listing 1,000
// postings of one clinical record.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "ado/connection.h"
#include "components/provider/settings.h"
#include "classes/class_table.h"
#include "components/userdata/dados_do_usuario.h"
#include "bench/product_posting.h"
#include "procedimentos/procedimentos.h"
#include "schema/practice_database.h"

namespace {

using namespace zolk;
using platform::Currency;
using platform::Variant;

constexpr int kPostings = 1000;
constexpr double kFicha = 901;  // a record number no demo posting uses

// Points the provider at this file's practice while a benchmark runs, and back afterwards, so
// the other benchmarks of the program keep theirs.
class Selected {
public:
    explicit Selected(const std::string& url) : before_(components::databaseUrl()) { components::setDatabaseOverride(url); }
    ~Selected() { components::setDatabaseOverride(before_); }

private:
    std::string before_;
};

// A demo practice with 500 service and 500 product postings on record 901.
class Practice {
public:
    Practice() {
        folder_ = std::filesystem::temp_directory_path() / ("zolk_procedimentos_bench_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        url_ = (folder_ / "practice.db").string();
        schema::createPracticeDatabase(url_, true, true);
        classes::registerClasses();

        auto c = ado::Connection::open(url_);
        c->BeginTrans();
        for (int i = 0; i < kPostings / 2; ++i) {
            c->Execute("INSERT INTO ServicosEfetuados (DataDeLancamento, NumeroDaFichaClinica, CodigoDoFuncionario, "
                       "CodigoDoCliente, CodigoDoAnimal, NumeroDoTipoDeServico, CodigoDoServico, Observacao, Quantidade, "
                       "ValorUnitario, ValorTotal, ValorLiquido, FuncionarioComissionado, "
                       "PercentualDeComissaoDoFuncionario, ValorDaComissaoDoFuncionario, TipoDeLancamento, TipoDeVenda, "
                       "DataEHoraDaInclusao, UsuarioDaInclusao) VALUES('14/05/2024', 901, 3, 95, 140, 1, 3, 'Serviço " +
                       std::to_string(i) + "', 1, 30, 30, 30, True, 15, 4.5, '1', '1', '14/05/2024 10:00:00', 'ana');");
            c->Execute("INSERT INTO ProdutosReservados (DataDeLancamento, CodigoDoFuncionario, CodigoDoCliente, "
                       "CodigoInternoDoProduto, Observacao, Quantidade, ValorUnitario, ValorTotal, ValorLiquido, "
                       "FuncionarioComissionado, PercentualDeComissaoDoFuncionario, ValorDaComissaoDoFuncionario, "
                       "NumeroDaFichaClinica, TipoDeLancamento, TipoDeVenda, DataEHoraDaInclusao, UsuarioDaInclusao) "
                       "VALUES('14/05/2024', 3, 95, 5, 'Produto " + std::to_string(i) + "', 2, 41.5, 83, 83, True, 5, "
                       "4.15, 901, '2', '1', '14/05/2024 10:00:00', 'ana');");
        }
        c->CommitTrans();
        c->Close();
    }
    ~Practice() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    const std::string& url() const { return url_; }
    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
    std::string url_;
};

const Practice& practice() {
    static const Practice p;
    return p;
}

using bench::productPosting;

// With `elsewhere` the database stays open on another connection, as it does at a practice
// where other workstations have it open: closing the posting's connection then does not
// checkpoint the write-ahead log each time, as closing the last connection does.
void BM_ProcedimentosAdicionarProduto(benchmark::State& state) {
    const Selected selected(practice().url());
    sqlite3* elsewhere = nullptr;
    if (state.range(0) != 0) sqlite3_open(practice().url().c_str(), &elsewhere);
    auto o = productPosting();
    for (auto _ : state)
        if (o->Adicionar() != 0) state.SkipWithError(o->DescricaoDoErro().c_str());
    sqlite3_close(elsewhere);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ProcedimentosAdicionarProduto)->ArgName("openElsewhere")->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMicrosecond);

// The native texts SQLite ran for one product posting, read from the provider's trace: the
// stock read, the balance, the history row, the reservation and the generated number.
std::vector<std::string> nativePosting() {
    const Selected selected(practice().url());
    const std::string trace = (practice().folder() / "trace.jsonl").string();
    std::filesystem::remove(trace);
    setenv("ZOLK_SQL_TRACE", trace.c_str(), 1);
    auto o = productPosting();
    const bool posted = o->Adicionar() == 0;
    unsetenv("ZOLK_SQL_TRACE");
    std::vector<std::string> natives;
    std::ifstream in(trace);
    for (std::string line; posted && std::getline(in, line);) {
        const auto j = nlohmann::json::parse(line);
        if (j.at("op") == "Execute" && j.contains("native")) natives.push_back(j.at("native").get<std::string>());
    }
    if (!natives.empty()) natives.erase(natives.begin());  // the server clock
    return natives;
}

// With `reopen`, each transaction opens its own connection and closes it, as each operation of
// the library does through its provider: what is left of the difference is the library's own.
void BM_SqliteMesmosCincoComandos(benchmark::State& state) {
    const std::vector<std::string> natives = nativePosting();
    if (natives.size() != 5) {
        state.SkipWithError(("the posting ran " + std::to_string(natives.size()) + " statements, not five").c_str());
        return;
    }
    const bool reopen = state.range(0) != 0;
    sqlite3* db = nullptr;
    auto open = [&] {
        sqlite3_open(practice().url().c_str(), &db);
        sqlite3_busy_timeout(db, 10000);
    };
    auto run = [&](const std::string& sql) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) state.SkipWithError(sqlite3_errmsg(db));
        while (sqlite3_step(st) == SQLITE_ROW) benchmark::DoNotOptimize(sqlite3_column_value(st, 0));
        sqlite3_finalize(st);
    };
    if (!reopen) open();
    for (auto _ : state) {
        if (reopen) open();
        run("BEGIN IMMEDIATE");
        for (const std::string& sql : natives) run(sql);
        run("COMMIT");
        if (reopen) sqlite3_close(db);
    }
    if (!reopen) sqlite3_close(db);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SqliteMesmosCincoComandos)->ArgName("reopen")->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMicrosecond);

void BM_ProcedimentosSelecionar(benchmark::State& state) {
    const Selected selected(practice().url());
    auto o = std::make_shared<procedimentos::clsProcedimentos>();
    for (auto _ : state) {
        if (o->Selecionar(1, 50, Variant(), 1, kFicha) != 0) state.SkipWithError(o->DescricaoDoErro().c_str());
        if (o->ResultadoDaSelecaoEmRecordset()->RecordCount() != kPostings) state.SkipWithError("wrong row count");
    }
    state.counters["rows"] = kPostings;
    state.counters["columns"] = o->ResultadoDaSelecaoEmRecordset()->fieldCount();
}
BENCHMARK(BM_ProcedimentosSelecionar)->Unit(benchmark::kMillisecond);

}  // namespace
