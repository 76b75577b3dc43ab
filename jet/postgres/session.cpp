// The PostgreSQL session: one server connection; statements are translated, run by the extended
// protocol (one statement a call) and materialised here. BeginTrans takes a transaction-level
// advisory lock, so writers take turns as they do on SQLite and readers never wait.
#include <libpq-fe.h>

#include <charconv>
#include <cstdlib>
#include <string_view>
#include <utility>

#include "jet/engine.h"
#include "jet/limits.h"
#include "jet/postgres/connection.h"
#include "jet/postgres/engine.h"
#include "jet/postgres/errors.h"
#include "jet/postgres/generator.h"
#include "jet/postgres/table_source.h"
#include "jet/row_builder.h"
#include "jet/schema_cache.h"
#include "jet/stored_value.h"
#include "jet/translator.h"
#include "platform/runtime_error.h"

namespace zolk::jet {
namespace {

using platform::RuntimeError;
namespace err = platform::err;
using postgres::Connection;
using postgres::Result;
using postgres::succeeded;

// The advisory lock key of a writing transaction ("ZOLK").
constexpr const char* kWriterLock = "SELECT pg_catalog.pg_advisory_xact_lock(1515144267)";

// Built-in type numbers of the values read by their binary kind (pg_type.h).
constexpr Oid kBool = 16, kInt8 = 20, kInt2 = 21, kInt4 = 23, kFloat4 = 700, kFloat8 = 701, kNumeric = 1700;

bool wholeNumber(std::string_view s, std::int64_t& out) {
    if (s.empty() || s.size() > 19) return false;
    std::size_t i = s[0] == '-' ? 1 : 0;
    if (i == s.size()) return false;
    std::int64_t v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        v = v * 10 + (s[i] - '0');
    }
    out = s[0] == '-' ? -v : v;
    return true;
}

bool realNumber(std::string_view s, double& out) {
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), out);
    return error == std::errc() && end == s.data() + s.size();
}

// One cell as the engine-neutral reader takes it: integers and floats by the column's server
// type, or by the Jet type a domain's values have (a domain's type number is its own); anything
// else as its text (timestamps come in ISO form).
StoredValue stored(const PGresult* r, int row, int col, Oid oid, JetType type) {
    StoredValue v;
    if (PQgetisnull(r, row, col)) return v;
    const std::string_view s(PQgetvalue(r, row, col), static_cast<std::size_t>(PQgetlength(r, row, col)));
    switch (oid) {
        case kBool:
            v.storage = Storage::Integer;
            v.integer = s == "t" ? -1 : 0;
            return v;
        case kInt2:
        case kInt4:
        case kInt8: type = JetType::Long; break;
        case kFloat4:
        case kFloat8:
        case kNumeric: type = JetType::Double; break;
        default: break;
    }
    if (isInteger(type) && wholeNumber(s, v.integer)) {
        v.storage = Storage::Integer;
    } else if ((isNumeric(type) || oid == kNumeric || oid == kFloat8 || oid == kFloat4) && realNumber(s, v.real)) {
        v.storage = Storage::Float;
    } else {
        v.storage = Storage::Text;
        v.text = s;
    }
    return v;
}

class PostgresSession final : public Session {
public:
    PostgresSession(const std::string& url, std::shared_ptr<SchemaCache> cache)
        : url_(url), conn_(url), source_(conn_), cache_(cache ? std::move(cache) : makeSchemaCache()) {
        readStamps();  // refuses a database fichas init did not make ready
    }

    ~PostgresSession() override {
        if (depth_ > 0) conn_.exec("ROLLBACK");
    }

    Translation translate(std::string_view jetSql) override { return prepared(jetSql)->translation; }

    ExecResult execute(std::string_view jetSql) override {
        reconnectWhenLost();
        const std::shared_ptr<const PreparedStatement> held = prepared(jetSql);
        last_.reset();
        const PreparedStatement& p = *held;
        FailedStatement what{p.kind, p.table, p.assignedColumns, false};
        const Result r = conn_.run(p.translation.native);
        if (!succeeded(r.get())) fail(r.get(), what);
        ExecResult result;
        if (p.kind == ast::StatementKind::Select) {
            result.returnsRows = true;
            materialise(r.get(), p, result.rows);
            return result;
        }
        result.rowsAffected = std::atoll(PQcmdTuples(r.get()));
        return result;
    }

    void begin() override {
        if (depth_ == 0) {
            reconnectWhenLost();
            control(std::string("BEGIN; ") + kWriterLock);
        } else {
            control("SAVEPOINT jet_" + std::to_string(depth_));
        }
        ++depth_;
    }

    void commit() override {
        noteLostTransaction();
        if (depth_ == 0) noTransaction();
        if (depth_ == 1) control("COMMIT");
        else control("RELEASE SAVEPOINT jet_" + std::to_string(depth_ - 1));
        --depth_;
    }

    void rollback() override {
        noteLostTransaction();
        if (depth_ == 0) noTransaction();
        if (depth_ == 1) {
            control("ROLLBACK");
        } else {
            const std::string sp = "jet_" + std::to_string(depth_ - 1);
            control("ROLLBACK TO SAVEPOINT " + sp + "; RELEASE SAVEPOINT " + sp);
        }
        --depth_;
    }

    bool inTransaction() const override {
        return depth_ > 0 && PQtransactionStatus(conn_.raw()) != PQTRANS_IDLE;
    }
    std::string engineName() const override { return "PostgreSQL"; }

    int reset() override {
        if (PQtransactionStatus(conn_.raw()) != PQTRANS_IDLE) conn_.exec("ROLLBACK");
        depth_ = 0;
        last_.reset();
        lastText_.clear();
        reconnectWhenLost();
        const auto stamps = readStamps();
        SchemaCache::Use use(*cache_, source_);
        use.observe(stamps.second);
        return stamps.first;
    }

    const std::string& fileIdentity() const override { return url_; }

private:
    std::string url_;
    Connection conn_;
    postgres::TableSource source_;
    std::shared_ptr<SchemaCache> cache_;
    int depth_ = 0;
    std::shared_ptr<const PreparedStatement> last_;
    std::string lastText_;
    bool stamped_ = false;  // the stamp table was there when last looked for

    // The schema version fichas init stamped, and a stamp of the schema's shape (its tables and
    // columns) that changes when another connection changes it. Once the stamp table has been
    // seen, one round trip reads both; a database without it (or that lost it) takes two.
    std::pair<int, std::int64_t> readStamps() {
        static const std::string shape =
            "(SELECT count(*) * 1000003 + COALESCE(sum(a.attrelid::int8 + a.attnum), 0) FROM pg_catalog.pg_attribute a "
            "JOIN pg_catalog.pg_class c ON c.oid = a.attrelid WHERE c.relnamespace = "
            "pg_catalog.to_regnamespace(pg_catalog.current_schema()) AND c.relkind IN ('r', 'v', 'p') AND a.attnum > 0 "
            "AND NOT a.attisdropped)";
        if (stamped_ && PQtransactionStatus(conn_.raw()) == PQTRANS_IDLE) {
            const Result r = conn_.run("SELECT version, " + shape + " FROM " + postgres::kStampTable);
            if (succeeded(r.get()) && PQntuples(r.get()) > 0)
                return {std::atoi(PQgetvalue(r.get(), 0, 0)), std::atoll(PQgetvalue(r.get(), 0, 1))};
        }
        const Result r = conn_.run("SELECT pg_catalog.to_regclass($1) IS NOT NULL, " + shape, {postgres::kStampTable});
        if (!succeeded(r.get())) fail(r.get(), {});
        const std::int64_t stamp = std::atoll(PQgetvalue(r.get(), 0, 1));
        int version = 0;
        stamped_ = std::string_view(PQgetvalue(r.get(), 0, 0)) == "t";
        if (stamped_) {
            const Result v = conn_.run(std::string("SELECT version FROM ") + postgres::kStampTable);
            if (succeeded(v.get()) && PQntuples(v.get()) > 0) version = std::atoi(PQgetvalue(v.get(), 0, 0));
        }
        return {version, stamp};
    }

    [[noreturn]] static void noTransaction() {
        throw RuntimeError(err::NoTransaction, "No transaction is active.", postgres::kErrorSource, 0);
    }

    // A connection lost inside a transaction took the transaction with it.
    void noteLostTransaction() {
        if (depth_ > 0 && conn_.lost()) {
            depth_ = 0;
            raiseGeneral("The connection to the database server was lost; the transaction was rolled back.",
                         postgres::kErrorSource, "");
        }
    }

    void reconnectWhenLost() {
        if (conn_.lost() && depth_ == 0) conn_.reconnect();
    }

    void control(const std::string& sql) {
        const Result r = conn_.exec(sql);
        if (!succeeded(r.get())) fail(r.get(), {});
    }

    [[noreturn]] void fail(const PGresult* r, const FailedStatement& what) {
        SchemaCache::Use use(*cache_, source_);
        postgres::raise(conn_.raw(), r, what, &use.catalog());
    }

    std::shared_ptr<const PreparedStatement> prepared(std::string_view jetSql) {
        if (last_ && jetSql == lastText_) return last_;
        SchemaCache::Use use(*cache_, source_);
        last_ = use.prepared(jetSql, postgres::generator(), pivotValues(use), [this] { return readStamps().second; });
        lastText_.assign(jetSql);
        return last_;
    }

    // Runs the query that lists a crosstab's pivot values.
    ColumnQuery pivotValues(SchemaCache::Use& use) {
        return [this, &use](const std::string& native, JetType type) {
            const Result r = conn_.run(native);
            if (!succeeded(r.get())) postgres::raise(conn_.raw(), r.get(), {}, &use.catalog());
            std::vector<platform::Variant> values;
            const Oid oid = PQftype(r.get(), 0);
            for (int i = 0; i < PQntuples(r.get()) && values.size() <= limits::kFields; ++i)
                values.push_back(readStored(stored(r.get(), i, 0, oid, type), type));
            return values;
        };
    }

    void materialise(const PGresult* r, const PreparedStatement& p, RowSet& rows) {
        RowBuilder builder(rows, p.columns);
        const int n = static_cast<int>(p.columns.size());
        std::vector<Oid> oids;
        for (int c = 0; c < n; ++c) oids.push_back(PQftype(r, c));
        const int count = PQntuples(r);
        builder.expectRows(static_cast<std::size_t>(count));
        for (int row = 0; row < count; ++row) {
            builder.beginRow();
            for (int c = 0; c < n; ++c) {
                const JetType type = p.columns[static_cast<std::size_t>(c)].type;
                const StoredValue v = stored(r, row, c, oids[static_cast<std::size_t>(c)], type);
                const bool asText = v.storage == Storage::Text &&
                                    (type == JetType::Text || type == JetType::Memo || type == JetType::Unknown);
                if (asText && builder.sharesTexts(static_cast<std::size_t>(c))) builder.addText(static_cast<std::size_t>(c), v.text);
                else builder.add(readStored(v, type));
            }
        }
        builder.finish();
    }
};

}  // namespace

std::unique_ptr<Session> postgres::open(const std::string& url, std::shared_ptr<SchemaCache> cache) {
    return std::make_unique<PostgresSession>(url, std::move(cache));
}

}  // namespace zolk::jet
