// The listings of 1,000 clinical records and of 1,000 exam requests on a PostgreSQL server
// through the library, beside libpq running the native text the translator produced and reading
// every cell (the SQLite pairs ListingFichas1k and ListingExames1k run in the same program); and
// the round trips a listing and a product posting take. Needs a server: ZOLK_BENCH_POSTGRES, its
// connection parameters in URL query form ("host=/tmp/x&port=5432&user=zolk"); without it these
// benchmarks are skipped.
#include <benchmark/benchmark.h>
#include <libpq-fe.h>
#include <sqlite3.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "ado/connection.h"
#include "ado/recordset.h"
#include "bench/generated_practice.h"
#include "bench/pairs.h"
#include "bench/product_posting.h"
#include "classes/class_table.h"
#include "components/provider/settings.h"
#include "exames/solicitacao.h"
#include "fichas/ficha.h"
#include "jet/engine.h"
#include "jet/postgres/connection.h"
#include "schema/practice_database.h"

namespace {

using namespace zolk;

std::optional<std::string> server() {
    const char* s = std::getenv("ZOLK_BENCH_POSTGRES");
    if (!s || !*s) return std::nullopt;
    return std::string(s);
}

std::string urlOf(const std::string& db) { return "postgresql:///" + db + "?" + *server(); }

struct Conn {
    PGconn* c;
    explicit Conn(const std::string& url) : c(PQconnectdb(url.c_str())) {
        if (PQstatus(c) != CONNECTION_OK) throw std::runtime_error(PQerrorMessage(c));
        PQsetNoticeProcessor(c, [](void*, const char*) {}, nullptr);
    }
    ~Conn() { PQfinish(c); }
    PGresult* exec(const std::string& sql) const {
        PGresult* r = PQexec(c, sql.c_str());
        const auto s = PQresultStatus(r);
        if (s != PGRES_COMMAND_OK && s != PGRES_TUPLES_OK) {
            const std::string m = PQerrorMessage(c);
            PQclear(r);
            throw std::runtime_error(m);
        }
        return r;
    }
};

std::string literal(const char* text) {
    if (!text) return "NULL";
    std::string out = "'";
    for (const char* p = text; *p; ++p) out += *p == '\'' ? std::string("''") : std::string(1, *p);
    return out + "'";
}

// The generated practice with exam requests, copied row by row from its SQLite file into a
// practice database made on the server by fichas init's own code; kept between runs.
std::string serverPractice(int records) {
    const std::string name = "zolk_bench_" + std::to_string(records);
    Conn admin(urlOf("postgres"));
    PGresult* found = admin.exec("SELECT 1 FROM pg_database WHERE datname = '" + name + "'");
    const bool exists = PQntuples(found) > 0;
    PQclear(found);
    if (exists) return urlOf(name);
    PQclear(admin.exec("DROP DATABASE IF EXISTS " + name + "_new"));
    PQclear(admin.exec("CREATE DATABASE " + name + "_new"));
    schema::createPracticeDatabase(urlOf(name + "_new"), false, false);
    sqlite3* lite = nullptr;
    sqlite3_open_v2(bench::generatedPracticeWithExams(records).c_str(), &lite, SQLITE_OPEN_READONLY, nullptr);
    {
        Conn target(urlOf(name + "_new"));
        PQclear(target.exec("BEGIN"));
        sqlite3_stmt* tables = nullptr;
        sqlite3_prepare_v2(lite, "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%'", -1,
                           &tables, nullptr);
        while (sqlite3_step(tables) == SQLITE_ROW) {
            const std::string table = reinterpret_cast<const char*>(sqlite3_column_text(tables, 0));
            sqlite3_stmt* rows = nullptr;
            sqlite3_prepare_v2(lite, ("SELECT * FROM \"" + table + "\"").c_str(), -1, &rows, nullptr);
            std::string head = "INSERT INTO \"" + table + "\" (";
            for (int c = 0; c < sqlite3_column_count(rows); ++c)
                head += std::string(c ? ", " : "") + "\"" + sqlite3_column_name(rows, c) + "\"";
            head += ") VALUES ";
            std::string batch;
            int n = 0;
            const auto flush = [&] {
                if (!batch.empty()) PQclear(target.exec(head + batch));
                batch.clear();
                n = 0;
            };
            while (sqlite3_step(rows) == SQLITE_ROW) {
                batch += batch.empty() ? "(" : ", (";
                for (int c = 0; c < sqlite3_column_count(rows); ++c)
                    batch += (c ? ", " : "") + literal(reinterpret_cast<const char*>(sqlite3_column_text(rows, c)));
                batch += ')';
                if (++n == 500) flush();
            }
            flush();
            sqlite3_finalize(rows);
        }
        sqlite3_finalize(tables);
        PQclear(target.exec("COMMIT"));
    }
    sqlite3_close(lite);
    PQclear(admin.exec("ALTER DATABASE " + name + "_new RENAME TO " + name));
    return urlOf(name);
}

std::string fichasListing() { return fichas::listingStatement(50, 0, {}, {}, {}); }

std::string examesListing(jet::Session& s) {
    const jet::RowSet r = s.execute("SELECT CodigoDoCliente, CodigoDoAnimal FROM FichasClinicas WHERE Numero = 1").rows;
    return exames::listingStatement({}, 1, 1, r.cells.at(0).asLong(), r.cells.at(1).asLong());
}

template <bool Ours, bool Exams>
void listing(benchmark::State& state) {
    if (!server()) {
        state.SkipWithError("no PostgreSQL server (ZOLK_BENCH_POSTGRES)");
        return;
    }
    try {
        const std::string url = serverPractice(bench::kSmallPractice);
        const std::string statement = Exams ? examesListing(*jet::openSession(url)) : fichasListing();
        std::int64_t rows = 0;
        if constexpr (Ours) {
            auto connection = ado::Connection::open(url);
            const std::uint64_t before = jet::postgres::roundTrips();
            for (auto _ : state) {
                auto rs = connection->Execute(statement);
                rows = rs->RecordCount();
                state.PauseTiming();
                rs.reset();
                state.ResumeTiming();
            }
            state.counters["round_trips"] =
                static_cast<double>(jet::postgres::roundTrips() - before) / static_cast<double>(state.iterations());
        } else {
            const std::string native = jet::openSession(url)->translate(statement).native;
            Conn raw(url);
            for (auto _ : state) {
                PGresult* r = PQexecParams(raw.c, native.c_str(), 0, nullptr, nullptr, nullptr, nullptr, 0);
                rows = PQntuples(r);
                std::size_t bytes = 0;
                for (int i = 0; i < rows; ++i)
                    for (int c = 0; c < PQnfields(r); ++c) bytes += static_cast<std::size_t>(PQgetlength(r, i, c));
                benchmark::DoNotOptimize(bytes);
                PQclear(r);
            }
        }
        if (rows != bench::kSmallPractice) state.SkipWithError(("gave " + std::to_string(rows) + " rows").c_str());
        state.counters["rows"] = static_cast<double>(rows);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

// A product posting (the stock read, the balance, the history row, the reservation, the
// generated number) on a fresh demo practice on the server: its time and its round trips.
void posting(benchmark::State& state) {
    if (!server()) {
        state.SkipWithError("no PostgreSQL server (ZOLK_BENCH_POSTGRES)");
        return;
    }
    try {
        {
            Conn admin(urlOf("postgres"));
            PQclear(admin.exec("DROP DATABASE IF EXISTS zolk_bench_demo WITH (FORCE)"));
            PQclear(admin.exec("CREATE DATABASE zolk_bench_demo"));
        }
        const std::string url = urlOf("zolk_bench_demo");
        schema::createPracticeDatabase(url, true, false);
        classes::registerClasses();
        const std::string before = components::databaseUrl();
        components::setDatabaseOverride(url);
        auto o = bench::productPosting();
        o->Adicionar();  // the first opens the connection
        const std::uint64_t trips = jet::postgres::roundTrips();
        for (auto _ : state)
            if (o->Adicionar() != 0) state.SkipWithError(o->DescricaoDoErro().c_str());
        state.counters["round_trips"] =
            static_cast<double>(jet::postgres::roundTrips() - trips) / static_cast<double>(state.iterations());
        components::setDatabaseOverride(before);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

const bool registered =
    bench::registerPair("PgListingFichas1k", listing<true, false>, listing<false, false>,
                        [](auto* b) { b->Unit(benchmark::kMillisecond); }) &&
    bench::registerPair("PgListingExames1k", listing<true, true>, listing<false, true>,
                        [](auto* b) { b->Unit(benchmark::kMillisecond); });

}  // namespace

BENCHMARK(posting)->Name("PgPostingProduct")->UseRealTime()->Unit(benchmark::kMicrosecond);
