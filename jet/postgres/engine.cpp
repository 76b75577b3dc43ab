// The PostgreSQL engine's registry entry, and what it does to a database as a whole: look at it,
// and create the practice schema in it.
#include "jet/postgres/engine.h"

#include <libpq-fe.h>
#include <array>
#include <string_view>

#include "jet/engine_errors.h"
#include "jet/engine_registry.h"
#include "jet/postgres/connection.h"
#include "jet/printer.h"
#include "jet/postgres/schema_script.h"
#include "jet/postgres/table_source.h"
#include "platform/runtime_error.h"

namespace zolk::jet::postgres {
namespace {

constexpr std::array<std::string_view, 2> kSchemes = {"postgresql", "postgres"};

// The tables the scripts create, by the names they give them: what a replacement may drop. A
// server database may hold other programs' tables beside the practice's; those are never touched.
std::vector<std::string> tablesMadeBy(const std::vector<std::string>& scripts) {
    std::vector<std::string> names;
    for (const std::string& script : scripts) {
        const std::string native = nativeScript(script);
        for (std::size_t at = 0; (at = native.find("CREATE TABLE \"", at)) != std::string::npos;) {
            at += 14;
            const std::size_t end = native.find('"', at);
            if (end == std::string::npos) break;
            names.push_back(native.substr(at, end - at));
        }
    }
    return names;
}

// Every identity column continues after the highest number the scripts wrote into it.
constexpr const char* kContinueNumbers =
    "DO $$DECLARE r record; BEGIN FOR r IN SELECT c.relname, a.attname FROM pg_catalog.pg_attribute a "
    "JOIN pg_catalog.pg_class c ON c.oid = a.attrelid WHERE c.relnamespace = "
    "pg_catalog.to_regnamespace(pg_catalog.current_schema()) AND a.attidentity <> '' LOOP "
    "EXECUTE format('SELECT pg_catalog.setval(pg_catalog.pg_get_serial_sequence(%L, %L), "
    "COALESCE((SELECT max(%I) FROM %I), 0) + 1, false)', quote_ident(r.relname), r.attname, r.attname, "
    "r.relname); END LOOP; END$$";

void run(Connection& c, const std::string& sql, const char* what) {
    const Result r = c.exec(sql);
    if (!succeeded(r.get())) {
        std::string m = PQerrorMessage(c.raw());
        while (!m.empty() && (m.back() == '\n' || m.back() == ' ')) m.pop_back();
        raiseGeneral(what, kErrorSource, m);
    }
}

struct Stamp {
    bool present = false;
    int version = 0;
    std::int32_t applicationId = 0;
};

Stamp readStamp(Connection& c) {
    Stamp s;
    const Result exists = c.run("SELECT pg_catalog.to_regclass($1) IS NOT NULL", {kStampTable});
    if (!succeeded(exists.get()) || std::string_view(PQgetvalue(exists.get(), 0, 0)) != "t") return s;
    const Result r = c.run(std::string("SELECT version, application_id FROM ") + kStampTable);
    if (succeeded(r.get()) && PQntuples(r.get()) > 0) {
        s.present = true;
        s.version = std::atoi(PQgetvalue(r.get(), 0, 0));
        s.applicationId = static_cast<std::int32_t>(std::atol(PQgetvalue(r.get(), 0, 1)));
    }
    return s;
}

}  // namespace

// The URL itself: a server database has no file to be replaced under a kept session.
std::string identity(const std::string& url) { return url; }

DatabaseFile inspect(const std::string& url) {
    Connection c(url);
    DatabaseFile f;
    f.path = describeUrl(url);
    f.exists = true;
    f.server = true;
    const Stamp s = readStamp(c);
    f.userVersion = s.version;
    f.applicationId = s.applicationId;
    TableSource source(c);
    if (!s.present || s.applicationId == 0) f.tables = source.tableNames();
    f.empty = !s.present && f.tables.empty();
    return f;
}

void create(const std::string& url, const std::vector<std::string>& nativeScripts, int version, bool replace,
            std::int32_t applicationId) {
    Connection c(url);
    run(c, "BEGIN", "Could not start the creation of the database.");
    try {
        if (replace) {
            std::string drop = std::string("DROP TABLE IF EXISTS ") + kStampTable;
            for (const std::string& t : tablesMadeBy(nativeScripts)) {
                drop += ", ";
                quoteIdentifier(drop, t);
            }
            run(c, drop, "Could not remove the tables of the practice database being replaced.");
        }
        run(c, "CREATE EXTENSION IF NOT EXISTS zolk_jet",
            "The server lacks the zolk_jet extension, or this user may not create it: install the project's "
            "PostgreSQL extension on the server (cmake --install) and give this user CREATE on the database.");
        for (const std::string& script : nativeScripts)
            run(c, nativeScript(script), "Could not create the practice database.");
        run(c, kContinueNumbers, "Could not set the generated numbers of the practice database.");
        run(c,
            std::string("CREATE TABLE ") + kStampTable +
                " (version integer NOT NULL, application_id integer NOT NULL); INSERT INTO " + kStampTable +
                " VALUES (" + std::to_string(version) + ", " + std::to_string(applicationId) + ")",
            "Could not stamp the practice database.");
        run(c, "COMMIT", "Could not complete the creation of the database.");
    } catch (...) {
        c.exec("ROLLBACK");
        throw;
    }
}

const EngineEntry& entry() {
    static const EngineEntry e{"PostgreSQL", kSchemes, false, &open, &identity, &inspect, &create};
    return e;
}

}  // namespace zolk::jet::postgres
