// Adding a clinical record: clsFichasClinicas::Adicionar beside raw SQLite running what it
// amounts to (BEGIN IMMEDIATE, the native INSERT the translator produced for it, the last rowid,
// COMMIT) on a demo practice database of its own, in write-ahead mode, with the same settings.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>

#include "classes/class_table.h"
#include "components/provider/settings.h"
#include "components/userdata/dados_do_usuario.h"
#include "fichas/fichas_clinicas.h"
#include "jet/sqlite/functions.h"
#include "schema/practice_database.h"

namespace {

using namespace zolk;
using platform::Variant;

// Two demo practices side by side: one for the class, one for raw SQLite.
class Practices {
public:
    Practices() {
        folder_ = std::filesystem::temp_directory_path() / ("zolk_adicionar_bench_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        ours_ = (folder_ / "ours.db").string();
        raw_ = (folder_ / "raw.db").string();
        schema::createPracticeDatabase(ours_, true, true);
        schema::createPracticeDatabase(raw_, true, true);
        classes::registerClasses();
        native_ = nativeInsert();
    }
    ~Practices() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    const std::string& ours() const { return ours_; }
    const std::string& raw() const { return raw_; }
    // The native text the engine ran for Adicionar's INSERT.
    const std::string& native() const { return native_; }

private:
    // Runs one Adicionar with the statement trace on and takes its INSERT's native text.
    std::string nativeInsert() {
        const std::string trace = (folder_ / "trace.jsonl").string();
        ::setenv("ZOLK_SQL_TRACE", trace.c_str(), 1);
        components::setDatabaseOverride(ours_);
        auto ficha = newRecord();
        const std::int16_t code = ficha->Adicionar();
        ::unsetenv("ZOLK_SQL_TRACE");
        if (code != 0) throw std::runtime_error("Adicionar failed: " + ficha->DescricaoDoErro());
        std::ifstream in(trace);
        for (std::string line; std::getline(in, line);) {
            const auto j = nlohmann::json::parse(line);
            if (j.value("sql", std::string()).rfind("INSERT INTO FichasClinicas", 0) == 0)
                return j.at("native").get<std::string>();
        }
        throw std::runtime_error("the trace holds no INSERT INTO FichasClinicas");
    }

public:
    static std::shared_ptr<fichas::clsFichasClinicas> newRecord() {
        auto user = std::make_shared<components::DadosDoUsuario>();
        user->Add(Variant("ana"), "NomeDeUsuario");
        user->Add(Variant(1.0), "CodigoDoUsuario");
        user->Add(Variant(true), "Administrador");
        auto ficha = std::make_shared<fichas::clsFichasClinicas>();
        ficha->DadosDoUsuario(user);
        ficha->TipoDeAtendimento(1);
        ficha->CodigoDoCliente(95);
        ficha->CodigoDoAnimal(140);
        ficha->CodigoDoVeterinario(3);
        ficha->QueixaPrincipal("Vômitos há dois dias");
        ficha->Diagnostico("Gastrite");
        return ficha;
    }

private:
    std::filesystem::path folder_;
    std::string ours_;
    std::string raw_;
    std::string native_;
};

const Practices& practices() {
    static const Practices p;
    return p;
}

void adicionarOurs(benchmark::State& state) {
    const Practices& p = practices();
    components::setDatabaseOverride(p.ours());
    auto ficha = Practices::newRecord();
    for (auto _ : state) {
        if (ficha->Adicionar() != 0) {
            state.SkipWithError(ficha->DescricaoDoErro().c_str());
            break;
        }
        benchmark::DoNotOptimize(ficha->NumeroGerado());
    }
    state.SetItemsProcessed(state.iterations());
}

void check(sqlite3* db, int rc, benchmark::State& state) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE) state.SkipWithError(sqlite3_errmsg(db));
}

void adicionarRaw(benchmark::State& state) {
    const Practices& p = practices();
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(p.raw().c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        state.SkipWithError("cannot open the raw database");
        sqlite3_close(db);
        return;
    }
    // The engine's connection settings, and its functions (the native text may call them).
    sqlite3_busy_timeout(db, 10000);
    sqlite3_exec(db, "PRAGMA foreign_keys=ON", nullptr, nullptr, nullptr);
    jet::sqlite::registerFunctions(db);
    const std::string& native = p.native();
    for (auto _ : state) {
        check(db, sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), state);
        sqlite3_stmt* st = nullptr;
        check(db, sqlite3_prepare_v2(db, native.c_str(), static_cast<int>(native.size()), &st, nullptr), state);
        check(db, sqlite3_step(st), state);
        sqlite3_finalize(st);
        benchmark::DoNotOptimize(sqlite3_last_insert_rowid(db));
        check(db, sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), state);
    }
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations());
}

[[maybe_unused]] const bool registered = [] {
    benchmark::RegisterBenchmark("Pair/Adicionar/ours", adicionarOurs)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Pair/Adicionar/raw", adicionarRaw)->Unit(benchmark::kMicrosecond);
    return true;
}();

}  // namespace
