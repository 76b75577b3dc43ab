#include "jet/postgres/table_source.h"

#include <libpq-fe.h>
#include <map>

#include "jet/postgres/engine.h"
#include "platform/text_compare.h"

namespace zolk::jet::postgres {
namespace {

std::string text(const PGresult* r, int row, int col) { return PQgetvalue(r, row, col); }

// A server type by the declared name of the practice schema it stands for.
std::string declared(const std::string& domain, const std::string& type, int length) {
    if (!domain.empty()) return domain;  // yesno, currency, datetime, double, longtext, byte
    if (type == "character varying" || type == "character")
        return "VARCHAR(" + std::to_string(length > 0 ? length : 255) + ")";
    if (type == "text") return "LONGTEXT";
    if (type == "smallint") return "SMALLINT";
    if (type == "integer" || type == "bigint") return "INTEGER";
    if (type == "double precision" || type == "real") return "DOUBLE";
    if (type == "numeric") return "CURRENCY";
    if (type.starts_with("timestamp") || type == "date") return "DATETIME";
    if (type == "boolean") return "YESNO";
    return type;
}

}  // namespace

std::vector<std::string> TableSource::tableNames() {
    std::vector<std::string> names;
    const Result r = c_.run(
        "SELECT c.relname FROM pg_catalog.pg_class c WHERE c.relnamespace = "
        "pg_catalog.to_regnamespace(pg_catalog.current_schema()) AND c.relkind IN ('r', 'v', 'p') "
        "AND c.relname <> $1",
        {kStampTable});
    if (!succeeded(r.get())) return names;
    for (int i = 0; i < PQntuples(r.get()); ++i) names.push_back(text(r.get(), i, 0));
    return names;
}

std::optional<catalog::Table> TableSource::describe(const std::string& table) {
    // The table's own spelling is asked for by the catalog; the name is passed as a value.
    const Result cols = c_.run(
        "SELECT a.attname, CASE WHEN t.typtype = 'd' THEN t.typname ELSE '' END, "
        "pg_catalog.format_type(COALESCE(NULLIF(t.typbasetype, 0), a.atttypid), NULL), "
        "COALESCE(information_schema._pg_char_max_length(COALESCE(NULLIF(t.typbasetype, 0), a.atttypid), "
        "COALESCE(NULLIF(t.typtypmod, -1), a.atttypmod)), 0), "
        "a.attnotnull OR t.typnotnull, a.attidentity <> '', c.oid "
        "FROM pg_catalog.pg_class c JOIN pg_catalog.pg_attribute a ON a.attrelid = c.oid "
        "JOIN pg_catalog.pg_type t ON t.oid = a.atttypid "
        "WHERE c.relname = $1 AND c.relnamespace = pg_catalog.to_regnamespace(pg_catalog.current_schema()) "
        "AND a.attnum > 0 AND NOT a.attisdropped ORDER BY a.attnum",
        {table.c_str()});
    if (!succeeded(cols.get()) || PQntuples(cols.get()) == 0) return std::nullopt;
    catalog::Table t;
    t.name = table;
    const std::string oid = text(cols.get(), 0, 6);
    for (int i = 0; i < PQntuples(cols.get()); ++i) {
        catalog::Column c;
        c.name = text(cols.get(), i, 0);
        const auto d = catalog::typeFromDeclared(
            declared(text(cols.get(), i, 1), text(cols.get(), i, 2), std::atoi(PQgetvalue(cols.get(), i, 3))));
        c.type = d.type;
        c.size = d.size;
        c.notNull = text(cols.get(), i, 4) == "t";
        c.autoIncrement = text(cols.get(), i, 5) == "t";
        t.columns.push_back(std::move(c));
    }
    t.buildIndex();
    // Unique keys (the primary key first) on plain columns, without a partial predicate.
    const Result keys = c_.run(
        "SELECT i.indexrelid, i.indisprimary, a.attname FROM pg_catalog.pg_index i "
        "CROSS JOIN LATERAL unnest(i.indkey) WITH ORDINALITY AS k(attnum, n) "
        "JOIN pg_catalog.pg_attribute a ON a.attrelid = i.indrelid AND a.attnum = k.attnum "
        "WHERE i.indrelid = $1::oid AND i.indisunique AND i.indpred IS NULL AND i.indexprs IS NULL "
        "ORDER BY i.indisprimary DESC, i.indexrelid, k.n",
        {oid.c_str()});
    if (succeeded(keys.get())) {
        std::string index;
        std::vector<std::string> key;
        bool neverNull = true;
        const auto close = [&] {
            if (!index.empty() && neverNull && !key.empty()) t.uniqueKeys.push_back(key);
            key.clear();
            neverNull = true;
        };
        for (int i = 0; i < PQntuples(keys.get()); ++i) {
            const std::string id = text(keys.get(), i, 0);
            if (id != index) {
                close();
                index = id;
            }
            const std::string column = text(keys.get(), i, 2);
            if (text(keys.get(), i, 1) == "t")
                for (auto& c : t.columns)
                    if (c.name == column) c.primaryKey = true;
            const catalog::Column* c = t.find(column);
            if (!c || !c->notNull) neverNull = false;
            key.push_back(column);
        }
        close();
    }
    const Result fks = c_.run(
        "SELECT a.attname, pc.relname, pa.attname FROM pg_catalog.pg_constraint k "
        "CROSS JOIN LATERAL unnest(k.conkey, k.confkey) AS u(col, pcol) "
        "JOIN pg_catalog.pg_attribute a ON a.attrelid = k.conrelid AND a.attnum = u.col "
        "JOIN pg_catalog.pg_class pc ON pc.oid = k.confrelid "
        "JOIN pg_catalog.pg_attribute pa ON pa.attrelid = k.confrelid AND pa.attnum = u.pcol "
        "WHERE k.conrelid = $1::oid AND k.contype = 'f'",
        {oid.c_str()});
    if (succeeded(fks.get()))
        for (int i = 0; i < PQntuples(fks.get()); ++i)
            t.foreignKeys.push_back({table, text(fks.get(), i, 0), text(fks.get(), i, 1), text(fks.get(), i, 2)});
    return t;
}

}  // namespace zolk::jet::postgres
