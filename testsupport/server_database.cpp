#include "testsupport/server_database.h"

#include <libpq-fe.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <stdexcept>

#include "jet/postgres/schema_script.h"
#include "jet/printer.h"
#include "schema/practice_database.h"

namespace zolk::testsupport {
namespace {

struct Conn {
    PGconn* c;
    explicit Conn(const std::string& url) : c(PQconnectdb(url.c_str())) {
        if (PQstatus(c) != CONNECTION_OK) {
            const std::string m = PQerrorMessage(c);
            PQfinish(c);
            throw std::runtime_error("cannot connect to " + url + ": " + m);
        }
        PQsetNoticeProcessor(c, [](void*, const char*) {}, nullptr);
    }
    ~Conn() { PQfinish(c); }
    std::unique_ptr<PGresult, void (*)(PGresult*)> exec(const std::string& sql) const {
        std::unique_ptr<PGresult, void (*)(PGresult*)> r(PQexec(c, sql.c_str()), PQclear);
        const auto s = PQresultStatus(r.get());
        if (s != PGRES_COMMAND_OK && s != PGRES_TUPLES_OK)
            throw std::runtime_error(std::string(PQerrorMessage(c)) + " in: " + sql);
        return r;
    }
};

std::string urlOf(const std::string& server, const std::string& db) { return "postgresql:///" + db + "?" + server; }

// What the tests' SQL takes from SQLite, for the values it builds texts of: a value's text as
// SQLite gives it (a Currency without trailing zeros, a whole Double with ".0"), IFNULL,
// group_concat, instr and printf's fixed decimals (%.Nf). Only in the tests' databases; the practice schema knows nothing of them.
constexpr const char* kSqliteTexts = R"(
CREATE FUNCTION sqlite_text(anyelement) RETURNS text LANGUAGE sql IMMUTABLE AS $$
  SELECT CASE
    WHEN pg_typeof($1) IN ('numeric'::regtype, 'currency'::regtype) THEN trim_scale($1::text::numeric)::text
    WHEN pg_typeof($1) IN ('double precision'::regtype, 'double'::regtype, 'real'::regtype)
         AND $1::text ~ '^-?[0-9]+$' THEN $1::text || '.0'
    ELSE $1::text END $$;
CREATE FUNCTION ifnull(anyelement, text) RETURNS text LANGUAGE sql IMMUTABLE AS
  'SELECT COALESCE(sqlite_text($1), $2)';
CREATE FUNCTION zolk_group_concat(text, text) RETURNS text LANGUAGE sql IMMUTABLE AS
  'SELECT CASE WHEN $1 IS NULL THEN $2 WHEN $2 IS NULL THEN $1 ELSE $1 || '','' || $2 END';
CREATE AGGREGATE group_concat(text) (SFUNC = zolk_group_concat, STYPE = text);
CREATE FUNCTION instr(text, text) RETURNS integer LANGUAGE sql IMMUTABLE AS 'SELECT strpos($1, $2)';
CREATE FUNCTION printf(text, VARIADIC numeric[]) RETURNS text LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
  done text := '';
  rest text := $1;
  m text[];
  i int := 1;
BEGIN
  LOOP
    m := regexp_match(rest, '^(.*?)%\.([0-9]+)f(.*)$');
    EXIT WHEN m IS NULL;
    done := done || m[1] || round($2[i], m[2]::int)::text;
    rest := m[3];
    i := i + 1;
  END LOOP;
  RETURN done || rest;
END $$;
)";

// The template of the demo (or empty) practice database, made once per server: the first test
// program to need it makes it under a lock, the others wait and copy it.
std::string templateFor(const std::string& server, bool demo) {
    const std::string name = demo ? "zolk_template_demo" : "zolk_template_empty";
    Conn admin(urlOf(server, "postgres"));
    admin.exec("SELECT pg_advisory_lock(2024)");
    try {
        if (PQntuples(admin.exec("SELECT 1 FROM pg_database WHERE datname = '" + name + "'").get()) == 0) {
            admin.exec("CREATE DATABASE " + name + "_new");
            schema::createPracticeDatabase(urlOf(server, name + "_new"), demo, false);
            Conn(urlOf(server, name + "_new")).exec(kSqliteTexts);
            admin.exec("ALTER DATABASE " + name + "_new RENAME TO " + name);
        }
    } catch (...) {
        admin.exec("SELECT pg_advisory_unlock(2024)");
        throw;
    }
    admin.exec("SELECT pg_advisory_unlock(2024)");
    return name;
}

// SQLite's text of a stored value, for tests that compare texts.
std::string sqliteText(const PGresult* r, int row, int col) {
    std::string v = PQgetvalue(r, row, col);
    const Oid type = PQftype(r, col);
    if (type == 1700 && v.find('.') != std::string::npos) {  // numeric: 12.5000 -> 12.5, 3.0000 -> 3
        while (v.back() == '0') v.pop_back();
        if (v.back() == '.') v.pop_back();
    } else if ((type == 700 || type == 701) && v.find_first_of(".eEn") == std::string::npos) {
        v += ".0";
    }
    return v;
}

}  // namespace

std::optional<std::string> testServer() {
    const char* s = std::getenv("ZOLK_TEST_POSTGRES");
    if (!s || !*s) return std::nullopt;
    return std::string(s);
}

ServerDatabase::ServerDatabase(const std::string& server, bool demo) : server_(server) {
    static std::atomic<int> counter{0};
    name_ = "zolk_test_" + std::to_string(getpid()) + "_" + std::to_string(counter++);
    const std::string from = templateFor(server, demo);
    Conn(urlOf(server, "postgres")).exec("CREATE DATABASE " + name_ + " TEMPLATE " + from + " STRATEGY FILE_COPY");
    url_ = urlOf(server, name_);
    learnNames();
}

void ServerDatabase::learnNames() const {
    Conn c(url_);
    const auto r = c.exec(
        "SELECT relname FROM pg_class WHERE relnamespace = to_regnamespace(current_schema()) AND relkind IN "
        "('r', 'v') UNION SELECT attname FROM pg_attribute a JOIN pg_class c ON c.oid = a.attrelid WHERE "
        "c.relnamespace = to_regnamespace(current_schema()) AND c.relkind = 'r' AND a.attnum > 0");
    for (int i = 0; i < PQntuples(r.get()); ++i) {
        std::string n = PQgetvalue(r.get(), i, 0), up = n;
        for (char& ch : up) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        names_[up] = n;
    }
}

ServerDatabase::~ServerDatabase() {
    try {
        Conn(urlOf(server_, "postgres")).exec("DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)");
    } catch (...) {
    }
}

namespace {

// Whether the name at [from, to) of `sql` is an operand of || or the value of IFNULL,
// group_concat or length: a value the test makes a text of, as SQLite writes it.
bool joined(const std::string& sql, std::size_t from, std::size_t to) {
    std::size_t after = to;
    while (after < sql.size() && sql[after] == ' ') ++after;
    if (sql.compare(after, 2, "||") == 0) return true;
    std::size_t before = from;
    while (before > 0 && sql[before - 1] == ' ') --before;
    if (before >= 2 && sql.compare(before - 2, 2, "||") == 0) return true;
    if (before == 0 || sql[before - 1] != '(') return false;
    std::string call;
    for (std::size_t k = before - 1; k > 0 && (std::isalpha(static_cast<unsigned char>(sql[k - 1])) || sql[k - 1] == '_'); --k)
        call.insert(call.begin(), static_cast<char>(std::tolower(static_cast<unsigned char>(sql[k - 1]))));
    return call == "ifnull" || call == "group_concat" || call == "length";
}

}  // namespace

std::string ServerDatabase::quoted(const std::string& sql) const {
    std::string out;
    for (std::size_t i = 0; i < sql.size();) {
        const char c = sql[i];
        if (c == '\'' || c == '"') {
            std::size_t j = sql.find(c, i + 1);
            while (j != std::string::npos && j + 1 < sql.size() && sql[j + 1] == c) j = sql.find(c, j + 2);
            j = j == std::string::npos ? sql.size() : j + 1;
            out.append(sql, i, j - i);
            i = j;
        } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            std::size_t j = i;
            while (j < sql.size() && (std::isalnum(static_cast<unsigned char>(sql[j])) || sql[j] == '_')) ++j;
            std::string word = sql.substr(i, j - i), up = word;
            for (char& ch : up) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
            const auto it = names_.find(up);
            if (it == names_.end()) {
                // SQLite's LIKE: ASCII letters in either case, whatever the column's collation.
                const bool like = up == "LIKE" && !out.empty() && out.back() == ' ';
                out += like ? "COLLATE \"C\" ILIKE" : word;
            } else if (joined(sql, i, j)) {
                out += "sqlite_text(";
                jet::quoteIdentifier(out, it->second);
                out += ')';
            } else {
                jet::quoteIdentifier(out, it->second);
            }
            i = j;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

// A table the test creates is written in the practice schema's declared types, as the engine
// writes the schema itself; its names are known from then on.
void ServerDatabase::run(const std::string& sql) const {
    std::string upper = sql.substr(0, 12);
    for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    if (upper == "CREATE TABLE") {
        Conn(url_).exec(jet::postgres::nativeScript(sql));
        learnNames();
        return;
    }
    Conn(url_).exec(quoted(sql));
}

std::vector<std::vector<std::pair<std::string, std::string>>> ServerDatabase::query(const std::string& sql) const {
    Conn c(url_);
    const auto r = c.exec(quoted(sql));
    std::vector<std::vector<std::pair<std::string, std::string>>> rows;
    for (int i = 0; i < PQntuples(r.get()); ++i) {
        auto& row = rows.emplace_back();
        for (int k = 0; k < PQnfields(r.get()); ++k)
            row.emplace_back(PQfname(r.get(), k), PQgetisnull(r.get(), i, k) ? "" : sqliteText(r.get(), i, k));
    }
    return rows;
}

std::vector<std::string> ServerDatabase::columnsDeclared(const std::string& table, const std::string& type) const {
    std::vector<std::string> names;
    Conn c(url_);
    const auto r = c.exec("SELECT column_name FROM information_schema.columns WHERE table_schema = current_schema() "
                          "AND table_name = '" + table + "' AND upper(domain_name) = upper('" + type +
                          "') ORDER BY ordinal_position");
    for (int i = 0; i < PQntuples(r.get()); ++i) names.emplace_back(PQgetvalue(r.get(), i, 0));
    return names;
}

std::vector<std::string> ServerDatabase::tables() const {
    std::vector<std::string> names;
    for (const auto& row :
         query("SELECT relname FROM pg_class WHERE relnamespace = to_regnamespace(current_schema()) AND relkind = 'r' "
               "ORDER BY relname"))
        names.push_back(row.front().second);
    return names;
}

}  // namespace zolk::testsupport
