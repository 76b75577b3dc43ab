// The Jet engine: translation of the largest library statement, and materialisation of a wide
// result against stepping the same native query with the SQLite C API.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "bench/generated_practice.h"
#include "jet/engine.h"
#include "jet/sqlite/native.h"
#include "schema/practice_database.h"

namespace {

using namespace zolk;

std::string tempPath(const char* name) {
    return (std::filesystem::temp_directory_path() /
            ("zolk_jet_bench_" + std::to_string(::getpid()) + "_" + name + ".db"))
        .string();
}

void removeDb(const std::string& path) {
    std::error_code ec;
    for (const char* s : {"", "-wal", "-shm"}) std::filesystem::remove(path + s, ec);
}

// The exam request listing as the class writes it: every column of Exames, flags as SWITCH.
std::string examListing(jet::Session& s) {
    const auto cols = s.execute("SELECT * FROM Exames WHERE Numero = -1").rows.columns;
    std::string sql = "          SELECT ";
    sql += "   IIF(IsNull(Exames.Numero), 0, Exames.Numero) AS Numero, ";
    sql += "   FORMAT([Exames.DataDeEmissao],'DD/MM/YYYY') AS DataDeEmissao, ";
    sql += "   IIF(IsNull(Funcionarios.Nome), 0, Funcionarios.Nome) AS NomeDoVeterinario, ";
    sql += "   IIF(IsNull(Clientes.NomeOuRazaoSocial), '', Clientes.NomeOuRazaoSocial) AS NomeOuRazaoSocialDoCliente, ";
    sql += "   IIF(IsNull(Animais.Nome), '', Animais.Nome) AS NomeDoAnimal, ";
    sql += "   IIF(IsNull(Laboratorios.RazaoSocial), '', Laboratorios.RazaoSocial) AS RazaoSocialDoLaboratorio, ";
    for (const auto& c : cols) {
        if (c.type == jet::adotype::Boolean) {
            sql += "   Switch(Exames." + c.name + "=True, 'Sim', Exames." + c.name + "=False, 'Não') AS " + c.name + ", ";
        } else if (c.type == jet::adotype::Integer) {
            sql += "   IIF(IsNull(Exames." + c.name + "), 0, Exames." + c.name + ") AS " + c.name + "X, ";
        } else if (c.type == jet::adotype::Date) {
            sql += "   Format(Exames." + c.name + ",'DD/MM/YYYY HH:MM:SS') AS " + c.name + "X, ";
        } else {
            sql += "   IIF(IsNull(Exames." + c.name + "), '', Exames." + c.name + ") AS " + c.name + "X, ";
        }
    }
    sql += "   IIF(IsNull(Exames.UsuarioDaAlteracao), '', Exames.UsuarioDaAlteracao) AS UltimoUsuario ";
    sql += "FROM     Clientes INNER JOIN (Laboratorios INNER JOIN (Funcionarios INNER JOIN (Animais INNER JOIN "
           "Exames ON Animais.Codigo = Exames.CodigoDoAnimal) ON Funcionarios.Codigo = Exames.CodigoDoVeterinario) "
           "ON Laboratorios.Codigo = Exames.CodigoDoLaboratorio) ON (Clientes.Codigo = Exames.CodigoDoCliente) AND "
           "(Clientes.Codigo = Animais.CodigoDoCliente) WHERE  (Exames.NumeroDaFichaClinica < 812  OR "
           "Exames.NumeroDaFichaClinica IS Null)  AND (Exames.CodigoDoCliente = 95  AND Exames.CodigoDoAnimal = 140) "
           "ORDER BY    Exames.Numero DESC;";
    return sql;
}

void BM_TranslateExamListing(benchmark::State& state) {
    const std::string path = tempPath("practice");
    removeDb(path);
    schema::createPracticeDatabase("sqlite:" + path, true, false);
    auto s = jet::openSession("sqlite:" + path);
    const std::string sql = examListing(*s);
    s->translate(sql);  // the catalog is read once per session
    for (auto _ : state) benchmark::DoNotOptimize(s->translate(sql));
    state.counters["jet_chars"] = static_cast<double>(sql.size());
    s.reset();
    removeDb(path);
}
BENCHMARK(BM_TranslateExamListing)->Unit(benchmark::kMicrosecond);

constexpr int kRows = 10000;
constexpr int kColumns = 100;

// A table of 100 columns cycling through the declared types, filled with 10,000 rows.
std::string wideDatabase() {
    const std::string path = tempPath("wide");
    removeDb(path);
    jet::createDatabase("sqlite:" + path, bench::wideTableStatements(kRows, kColumns), 1, false);
    return path;
}

// Heap in use: small blocks and mapped ones.
double heapInUse() {
    const struct mallinfo2 m = mallinfo2();
    return static_cast<double>(m.uordblks) + static_cast<double>(m.hblkhd);
}

void BM_MaterialiseWide(benchmark::State& state) {
    const std::string path = wideDatabase();
    auto s = jet::openSession("sqlite:" + path);
    double bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const double before = heapInUse();
        state.ResumeTiming();
        auto r = s->execute("SELECT * FROM Wide");
        benchmark::DoNotOptimize(r.rows.cells.data());
        state.PauseTiming();
        // Everything the result holds: its cells and every block its texts live in.
        bytes = (heapInUse() - before) / static_cast<double>(r.rows.cells.size());
        r = {};
        state.ResumeTiming();
    }
    state.counters["bytes_per_cell"] = bytes;
    state.counters["cells"] = double(kRows) * kColumns;
    s.reset();
    removeDb(path);
}
BENCHMARK(BM_MaterialiseWide)->Unit(benchmark::kMillisecond);

void BM_StepWideNatively(benchmark::State& state) {
    const std::string path = wideDatabase();
    const std::string native = jet::openSession("sqlite:" + path)->translate("SELECT * FROM Wide").native;
    for (auto _ : state) benchmark::DoNotOptimize(jet::sqlite::stepNatively("sqlite:" + path, native));
    state.counters["cells"] = double(kRows) * kColumns;
    removeDb(path);
}
BENCHMARK(BM_StepWideNatively)->Unit(benchmark::kMillisecond);

}  // namespace
