// A practice report written in Jet's dialect as saved queries write them: a crosstab over a
// derived table whose rows come from joins, a correlated count, EXISTS and IN subqueries, with
// some two hundred lines of grouped fields. Measured: its translation alone, and its execution
// on 10,000 animals (pivot values found, translated, run and materialised) beside SQLite's C
// API stepping the same native text on a connection of its own.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <unistd.h>

#include "bench/native_reader.h"
#include "bench/pairs.h"
#include "jet/engine.h"
#include "schema/practice_database.h"

namespace {

using namespace zolk;

constexpr int kAnimals = 10000;
constexpr int kClients = 1000;

std::string databasePath() {
    return (std::filesystem::temp_directory_path() /
            ("zolk_report_bench_" + std::to_string(::getpid()) + ".db"))
        .string();
}

void removeDatabase(const std::string& path) {
    std::error_code ec;
    for (const char* s : {"", "-wal", "-shm"}) std::filesystem::remove(path + s, ec);
}

void exec(sqlite3* db, const std::string& sql) {
    char* msg = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &msg) != SQLITE_OK) {
        const std::string error = msg ? msg : "sqlite3_exec failed";
        sqlite3_free(msg);
        throw std::runtime_error(error);
    }
}

// A practice of 1,000 clients in eight towns and 10,000 animals of five species (some without
// one), both sexes, four sizes and none, born over fourteen years.
void generate(const std::string& path) {
    removeDatabase(path);
    schema::createPracticeDatabase("sqlite:" + path, false, false);
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) throw std::runtime_error("cannot open " + path);
    exec(db, "BEGIN");
    exec(db, "INSERT INTO EspeciesDeAnimais (Codigo, Nome, Situacao) VALUES (1, 'Canina', 1), (2, 'Felina', 1), "
             "(3, 'Ave', 1), (4, 'Roedor', 1), (5, 'Réptil', 2)");
    exec(db, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(kClients) +
                 ") INSERT INTO Clientes (Codigo, NomeOuRazaoSocial, Cidade, Situacao) SELECT i, 'Cliente ' || i, "
                 "CASE i % 8 WHEN 0 THEN 'Campinas' WHEN 1 THEN 'Valinhos' WHEN 2 THEN 'Vinhedo' WHEN 3 THEN 'Sumaré' "
                 "WHEN 4 THEN 'Hortolândia' WHEN 5 THEN 'Paulínia' WHEN 6 THEN 'Indaiatuba' ELSE 'Jundiaí' END, "
                 "CASE WHEN i % 50 = 0 THEN 2 ELSE 1 END FROM n");
    exec(db, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(kAnimals) +
                 ") INSERT INTO Animais (Codigo, CodigoDoCliente, Nome, CodigoDaEspecie, Sexo, Porte, DataDeNascimento, "
                 "Pedigree, Obito) SELECT i, 1 + (i * 7919) % " + std::to_string(kClients) +
                 ", 'Animal ' || i, CASE WHEN i % 23 = 0 THEN NULL ELSE 1 + i % 5 END, CASE i % 2 WHEN 0 THEN 'M' ELSE 'F' END, "
                 "CASE i % 5 WHEN 0 THEN 'Pequeno' WHEN 1 THEN 'Médio' WHEN 2 THEN 'Grande' WHEN 3 THEN 'Gigante' END, "
                 "date('2010-01-01', '+' || ((i * 37) % 5100) || ' days') || ' 00:00:00', "
                 "CASE WHEN i % 3 = 0 THEN -1 ELSE 0 END, CASE WHEN i % 40 = 0 THEN -1 ELSE 0 END FROM n");
    exec(db, "COMMIT");
    sqlite3_close(db);
}

// The report: one line per field or clause, about two hundred in all. `pivotList` lists the
// sizes after PIVOT (the translation benchmark, which then runs no query of its own).
std::string reportQuery(bool pivotList) {
    std::string q = "TRANSFORM Count(*) AS Quantos\n";
    q += "SELECT r.Cidade,\n       r.Especie,\n       Count(*) AS Total,\n";
    q += "       Sum(IIF(r.Pedigree, 1, 0)) AS ComPedigree,\n";
    q += "       Avg(r.DoDono) AS AnimaisPorDono,\n       Max(r.DoDono) AS MaiorPlantel,\n";
    q += "       Min(r.Nascimento) AS MaisVelho,\n       Max(r.Nascimento) AS MaisNovo,\n";
    for (int m = 1; m <= 12; ++m) {
        const std::string mm = std::to_string(m);
        q += "       Sum(IIF(r.Mes = " + mm + ", 1, 0)) AS Nascidos" + mm + ",\n";
        q += "       Sum(IIF(r.Mes = " + mm + " AND r.Sexo = 'F', 1, 0)) AS Femeas" + mm + ",\n";
        q += "       Sum(IIF(r.Mes = " + mm + " AND r.Sexo = 'M', 1, 0)) AS Machos" + mm + ",\n";
        q += "       Sum(IIF(r.Mes = " + mm + " AND r.Pedigree, 1, 0)) AS PedigreeNoMes" + mm + ",\n";
        q += "       Avg(IIF(r.Mes = " + mm + ", r.DoDono, Null)) AS PlantelNoMes" + mm + ",\n";
    }
    for (int y = 2010; y <= 2023; ++y) {
        const std::string yy = std::to_string(y);
        q += "       Sum(IIF(r.Ano = " + yy + ", 1, 0)) AS Ano" + yy + ",\n";
        q += "       Sum(IIF(r.Ano = " + yy + " AND r.Pedigree, 1, 0)) AS PedigreeEm" + yy + ",\n";
        q += "       Max(IIF(r.Ano = " + yy + ", r.Nome, Null)) AS UltimoNomeDe" + yy + ",\n";
        q += "       Avg(IIF(r.Ano = " + yy + ", r.DoDono, Null)) AS PlantelMedio" + yy + ",\n";
        q += "       StDev(IIF(r.Ano = " + yy + ", r.DoDono, Null)) AS DesvioDoPlantel" + yy + ",\n";
        q += "       Min(IIF(r.Ano = " + yy + ", r.Nascimento, Null)) AS PrimeiroEm" + yy + ",\n";
        q += "       Count(IIF(r.Ano = " + yy + " AND r.Sexo = 'F', 1, Null)) AS FemeasEm" + yy + ",\n";
    }
    q += "       First(r.Nome) AS PrimeiroNome,\n       Last(r.Nome) AS UltimoNome\n";
    q += "FROM (SELECT A.Codigo,\n             A.Nome,\n             A.Sexo,\n             A.Porte,\n";
    q += "             A.Pedigree,\n             C.Cidade,\n";
    q += "             IIF(IsNull(E.Nome), '(sem espécie)', E.Nome) AS Especie,\n";
    q += "             A.DataDeNascimento AS Nascimento,\n";
    q += "             Year(A.DataDeNascimento) AS Ano,\n             Month(A.DataDeNascimento) AS Mes,\n";
    q += "             (SELECT Count(*) FROM Animais AS B WHERE B.CodigoDoCliente = A.CodigoDoCliente) AS DoDono\n";
    q += "      FROM (Animais AS A INNER JOIN Clientes AS C ON A.CodigoDoCliente = C.Codigo)\n";
    q += "           LEFT JOIN EspeciesDeAnimais AS E ON A.CodigoDaEspecie = E.Codigo\n";
    q += "      WHERE A.Obito = False\n";
    q += "        AND EXISTS (SELECT * FROM Clientes AS D WHERE D.Codigo = A.CodigoDoCliente AND D.Situacao = 1)\n";
    q += "        AND (A.CodigoDaEspecie IN (SELECT Codigo FROM EspeciesDeAnimais WHERE Situacao = 1)\n";
    q += "             OR A.CodigoDaEspecie Is Null)) AS r\n";
    q += "WHERE r.Porte Is Not Null\n";
    q += "GROUP BY r.Cidade, r.Especie\n";
    q += "ORDER BY r.Cidade, r.Especie\n";
    q += pivotList ? "PIVOT r.Porte IN ('Pequeno', 'Médio', 'Grande', 'Gigante');" : "PIVOT r.Porte;";
    return q;
}

int lines(const std::string& text) {
    int n = 1;
    for (char c : text) n += c == '\n';
    return n;
}

struct Practice {
    std::string path = databasePath();
    Practice() { generate(path); }
    ~Practice() { removeDatabase(path); }
};

void BM_ReportQueryTranslate(benchmark::State& state) {
    Practice practice;
    auto s = jet::openSession("sqlite:" + practice.path);
    const std::string sql = reportQuery(true);
    s->translate(sql);  // the catalog is read once per session
    for (auto _ : state) benchmark::DoNotOptimize(s->translate(sql));
    state.counters["jet_lines"] = lines(sql);
    state.counters["jet_chars"] = static_cast<double>(sql.size());
}
BENCHMARK(BM_ReportQueryTranslate)->Name("ReportQuery/translate")->Unit(benchmark::kMicrosecond);

void ours(benchmark::State& state) {
    try {
        Practice practice;
        auto s = jet::openSession("sqlite:" + practice.path);
        const std::string sql = reportQuery(false);
        std::size_t cells = 0;
        for (auto _ : state) cells = s->execute(sql).rows.cells.size();
        state.counters["cells"] = static_cast<double>(cells);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

// The native text the engine runs for the report, stepped by SQLite's C API on a read-only
// connection of its own that has the engine's functions, collation and aggregates.
void raw(benchmark::State& state) {
    try {
        Practice practice;
        const std::string native = jet::openSession("sqlite:" + practice.path)->translate(reportQuery(false)).native;
        bench::NativeReader reader(practice.path, true);
        std::int64_t rows = 0;
        for (auto _ : state) rows = reader.run(native);
        state.counters["rows"] = static_cast<double>(rows);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

const bool registered = bench::registerPair("ReportQuery", ours, raw, [](benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond);
});

}  // namespace
