// The SQLite session: a connection with a busy timeout, foreign keys on, and the Jet functions
// registered; statements are translated, run and materialised here.
#include <sqlite3.h>

#include <algorithm>
#include <string_view>
#include <utility>

#include "jet/engine.h"
#include "jet/schema_cache.h"
#include "jet/sqlite/database_file.h"
#include "jet/sqlite/engine.h"
#include "jet/sqlite/errors.h"
#include "jet/sqlite/functions.h"
#include "jet/sqlite/generator.h"
#include "jet/sqlite/switches.h"
#include "jet/sqlite/values.h"
#include "jet/row_builder.h"
#include "jet/translator.h"
#include "jet/limits.h"
#include "platform/runtime_error.h"
#include "platform/text_compare.h"

namespace zolk::jet {
namespace {

using platform::RuntimeError;
namespace err = platform::err;

struct Statement {
    sqlite3_stmt* s = nullptr;
    ~Statement() { sqlite3_finalize(s); }
};

void exec(sqlite3* db, const char* sql) {
    char* msg = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &msg);
    if (rc != SQLITE_OK) {
        sqlite3_free(msg);
        sqlite::FailedStatement what;
        sqlite::raise(db, sqlite3_extended_errcode(db), what, nullptr);
    }
}

class SqliteSession final : public Session, private catalog::TableSource {
public:
    SqliteSession(const std::string& url, std::shared_ptr<SchemaCache> cache)
        : path_(sqlite::filePathOf(url)), cache_(cache ? std::move(cache) : makeSchemaCache()) {
        const sqlite::FileCheck check = sqlite::checkFile(path_);
        if (!check.exists)
            throw RuntimeError(err::DbGeneralFailure, "Could not find file '" + path_ + "'.",
                               sqlite::kErrorSource, 0);
        // The journal mode is the database's own (write-ahead from createDatabase): opening
        // changes nothing in the file.
        db_ = sqlite::openFile(path_, check);
        try {
            exec(db_, "PRAGMA foreign_keys=ON");
            sqlite::registerFunctions(db_);
        } catch (...) {
            sqlite3_close(db_);
            db_ = nullptr;
            throw;
        }
        // A file opened read-only may become writable (or be written by others while this
        // connection trusts it as it stands): such a session is not kept for another user.
        if (!check.readOnly) identity_ = sqlite::identityOf(path_);
    }

    ~SqliteSession() override {
        sqlite3_finalize(stamps_);
        if (depth_ > 0) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
    }

    Translation translate(std::string_view jetSql) override { return prepared(jetSql)->translation; }

    ExecResult execute(std::string_view jetSql) override {
        const std::shared_ptr<const PreparedStatement> held = prepared(jetSql);
        last_.reset();  // the translation shown by the trace serves this run only
        const PreparedStatement& p = *held;
        sqlite::FailedStatement what{p.kind, p.table, p.assignedColumns, true};
        {
            SchemaCache::Use use(*cache_, *this);
            sqlite::failWhenDue(what, &use.catalog());
        }
        sqlite::WorkLimit limit(db_);
        Statement st;
        const char* tail = nullptr;
        const std::string& native = p.translation.native;
        int rc = sqlite3_prepare_v2(db_, native.c_str(), static_cast<int>(native.size()), &st.s, &tail);
        if (rc != SQLITE_OK) fail(rc, what);
        // The translator prints one statement; anything SQLite sees after it is refused.
        if (tail && *tail)
            throw RuntimeError(err::DbErrorsInCommand, "Characters found after end of SQL statement.",
                               sqlite::kErrorSource, 0);
        what.preparing = false;
        ExecResult result;
        if (p.kind == ast::StatementKind::Select) {
            result.returnsRows = true;
            materialise(st.s, p, result.rows, what);
            return result;
        }
        while ((rc = sqlite3_step(st.s)) == SQLITE_ROW) {
        }
        if (rc != SQLITE_DONE) fail(rc, what);
        result.rowsAffected = sqlite3_changes64(db_);
        return result;
    }

    void begin() override {
        sqlite::failWhenDue({}, nullptr);
        if (depth_ == 0) runControl("BEGIN IMMEDIATE");
        else runControl(("SAVEPOINT jet_" + std::to_string(depth_)).c_str());
        ++depth_;
    }

    void commit() override {
        noteAutomaticRollback();
        if (depth_ == 0) noTransaction();
        sqlite::failWhenDue({}, nullptr);
        if (depth_ == 1) runControl("COMMIT");
        else runControl(("RELEASE jet_" + std::to_string(depth_ - 1)).c_str());
        --depth_;
    }

    void rollback() override {
        noteAutomaticRollback();
        if (depth_ == 0) noTransaction();
        if (depth_ == 1) {
            runControl("ROLLBACK");
        } else {
            const std::string sp = "jet_" + std::to_string(depth_ - 1);
            runControl(("ROLLBACK TO " + sp).c_str());
            runControl(("RELEASE " + sp).c_str());
        }
        --depth_;
    }

    bool inTransaction() const override { return depth_ > 0 && !sqlite3_get_autocommit(db_); }
    std::string engineName() const override { return "SQLite"; }

    int reset() override {
        if (!sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        depth_ = 0;
        last_.reset();
        lastText_.clear();
        const Stamps stamps = readStamps();
        SchemaCache::Use use(*cache_, *this);
        use.observe(stamps.schema);
        return stamps.user;
    }

    const std::string& fileIdentity() const override { return identity_; }

private:
    std::string path_;
    sqlite3* db_ = nullptr;
    std::shared_ptr<SchemaCache> cache_;
    int depth_ = 0;
    std::string identity_;
    sqlite3_stmt* stamps_ = nullptr;
    // The statement translated last: Connection translates (for the trace) and then runs.
    std::shared_ptr<const PreparedStatement> last_;
    std::string lastText_;

    struct Stamps {
        int user = 0;             // the schema version `fichas init` stamps
        std::int64_t schema = 0;  // SQLite's count of schema changes
    };

    Stamps readStamps() {
        if (!stamps_ && sqlite3_prepare_v3(db_,
                                           "SELECT user_version, schema_version FROM pragma_user_version, "
                                           "pragma_schema_version",
                                           -1, SQLITE_PREPARE_PERSISTENT, &stamps_, nullptr) != SQLITE_OK)
            runControlFailed();
        Stamps stamps;
        const int rc = sqlite3_step(stamps_);
        if (rc == SQLITE_ROW) {
            stamps.user = sqlite3_column_int(stamps_, 0);
            stamps.schema = sqlite3_column_int64(stamps_, 1);
        }
        sqlite3_reset(stamps_);
        if (rc != SQLITE_ROW) runControlFailed();
        return stamps;
    }

    [[noreturn]] static void noTransaction() {
        throw RuntimeError(err::NoTransaction, "No transaction is active.", sqlite::kErrorSource, 0);
    }

    // SQLite ends a transaction by itself on some failures (I/O, a full disk).
    void noteAutomaticRollback() {
        if (depth_ > 0 && sqlite3_get_autocommit(db_)) depth_ = 0;
    }

    void runControl(const char* sql) {
        const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) runControlFailed();
    }

    [[noreturn]] void runControlFailed() {
        sqlite::FailedStatement what;
        sqlite::raise(db_, sqlite3_extended_errcode(db_), what, nullptr);
    }

    [[noreturn]] void fail(int rc, const sqlite::FailedStatement& what) {
        (void)rc;
        const int code = sqlite3_extended_errcode(db_);
        SchemaCache::Use use(*cache_, *this);
        sqlite::raise(db_, code, what, &use.catalog());
    }

    std::shared_ptr<const PreparedStatement> prepared(std::string_view jetSql) {
        if (last_ && jetSql == lastText_) return last_;
        SchemaCache::Use use(*cache_, *this);
        last_ = use.prepared(jetSql, sqlite::generator(), pivotValues(use), [this] { return readStamps().schema; });
        lastText_.assign(jetSql);
        return last_;
    }

    // Runs the query that lists a crosstab's pivot values. More values than a select may have
    // fields are not read: the crosstab is refused for them.
    ColumnQuery pivotValues(SchemaCache::Use& use) {
        return [this, &use](const std::string& native, JetType type) {
            sqlite::FailedStatement what{ast::StatementKind::Select, "", {}, true};
            sqlite::WorkLimit limit(db_);
            Statement st;
            if (sqlite3_prepare_v2(db_, native.c_str(), static_cast<int>(native.size()), &st.s,
                                   nullptr) != SQLITE_OK)
                sqlite::raise(db_, sqlite3_extended_errcode(db_), what, &use.catalog());
            what.preparing = false;
            std::vector<platform::Variant> values;
            int rc = SQLITE_DONE;
            while (values.size() <= limits::kFields && (rc = sqlite3_step(st.s)) == SQLITE_ROW)
                values.push_back(sqlite::readColumn(st.s, 0, type));
            if (values.size() <= limits::kFields && rc != SQLITE_DONE)
                sqlite::raise(db_, sqlite3_extended_errcode(db_), what, &use.catalog());
            return values;
        };
    }

    void materialise(sqlite3_stmt* st, const PreparedStatement& p, RowSet& rows,
                     const sqlite::FailedStatement& what) {
        RowBuilder builder(rows, p.columns);
        const std::size_t n = p.columns.size();
        std::vector<JetType> types;
        types.reserve(n);
        for (const auto& c : p.columns) types.push_back(c.type);
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            builder.beginRow();
            for (std::size_t c = 0; c < n; ++c) {
                sqlite3_value* v = sqlite3_column_value(st, static_cast<int>(c));
                if (sqlite::readsAsText(sqlite3_value_type(v), types[c]) && builder.sharesTexts(c)) {
                    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(v));
                    builder.addText(c, std::string_view(text ? text : "", text ? std::size_t(sqlite3_value_bytes(v)) : 0));
                } else {
                    builder.add(sqlite::readValue(v, types[c]));
                }
            }
        }
        if (rc != SQLITE_DONE) fail(rc, what);
        builder.finish();
    }

    // catalog::TableSource
    std::vector<std::string> tableNames() override {
        Statement st;
        std::vector<std::string> names;
        if (sqlite3_prepare_v2(db_,
                               "SELECT name FROM sqlite_schema WHERE type IN ('table', 'view') AND "
                               "name NOT LIKE 'sqlite^_%' ESCAPE '^'",
                               -1, &st.s, nullptr) != SQLITE_OK)
            return names;
        while (sqlite3_step(st.s) == SQLITE_ROW)
            names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st.s, 0)));
        return names;
    }

    // The primary key and the unique indexes whose columns can never be Null: an INTEGER
    // PRIMARY KEY is the row id; any other column must be declared NOT NULL.
    void uniqueKeys(catalog::Table& t, std::vector<std::pair<int, std::size_t>> primaryKey,
                    const std::string& declaredKeyType) {
        const auto neverNull = [&](const std::vector<std::string>& key) {
            for (const auto& name : key) {
                const catalog::Column* c = t.find(name);
                if (!c || !c->notNull) return false;
            }
            return !key.empty();
        };
        t.buildIndex();
        if (!primaryKey.empty()) {
            std::sort(primaryKey.begin(), primaryKey.end());
            std::vector<std::string> key;
            for (const auto& part : primaryKey) key.push_back(t.columns[part.second].name);
            if ((key.size() == 1 && platform::equalsNoCase(declaredKeyType, "INTEGER")) || neverNull(key))
                t.uniqueKeys.push_back(std::move(key));
        }
        Statement st;
        if (sqlite3_prepare_v2(db_,
                               "SELECT il.name, ii.name FROM pragma_index_list(?1) AS il, "
                               "pragma_index_info(il.name) AS ii WHERE il.\"unique\" AND NOT il.partial "
                               "ORDER BY il.seq, ii.seqno",
                               -1, &st.s, nullptr) != SQLITE_OK)
            return;
        sqlite3_bind_text(st.s, 1, t.name.c_str(), -1, SQLITE_TRANSIENT);
        std::string index;
        std::vector<std::string> key;
        bool usable = true;
        const auto close = [&] {
            if (!index.empty() && usable && neverNull(key)) t.uniqueKeys.push_back(key);
            key.clear();
            usable = true;
        };
        while (sqlite3_step(st.s) == SQLITE_ROW) {
            const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(st.s, 0));
            const auto* column = reinterpret_cast<const char*>(sqlite3_column_text(st.s, 1));
            if (!name) continue;
            if (index != name) {
                close();
                index = name;
            }
            if (column) key.emplace_back(column);
            else usable = false;  // an expression
        }
        close();
    }

    std::optional<catalog::Table> describe(const std::string& table) override {
        catalog::Table t;
        t.name = table;
        std::vector<std::pair<int, std::size_t>> primaryKey;  // position in the key, column
        std::string declaredKeyType;
        {
            Statement st;
            if (sqlite3_prepare_v2(db_, "SELECT name, type, \"notnull\", pk FROM pragma_table_info(?1)",
                                   -1, &st.s, nullptr) != SQLITE_OK)
                return std::nullopt;
            sqlite3_bind_text(st.s, 1, table.c_str(), -1, SQLITE_TRANSIENT);
            while (sqlite3_step(st.s) == SQLITE_ROW) {
                if (const int position = sqlite3_column_int(st.s, 3); position > 0)
                    primaryKey.emplace_back(position, t.columns.size());
                catalog::Column c;
                c.name = reinterpret_cast<const char*>(sqlite3_column_text(st.s, 0));
                const auto* decl = reinterpret_cast<const char*>(sqlite3_column_text(st.s, 1));
                const auto d = catalog::typeFromDeclared(decl ? decl : "");
                c.type = d.type;
                c.size = d.size;
                c.notNull = sqlite3_column_int(st.s, 2) != 0;
                c.primaryKey = sqlite3_column_int(st.s, 3) != 0;
                if (c.primaryKey) declaredKeyType = decl ? decl : "";
                t.columns.push_back(std::move(c));
            }
        }
        if (t.columns.empty()) return std::nullopt;
        uniqueKeys(t, primaryKey, declaredKeyType);
        {
            Statement st;
            if (sqlite3_prepare_v2(db_, "SELECT \"from\", \"table\", \"to\" FROM pragma_foreign_key_list(?1)",
                                   -1, &st.s, nullptr) == SQLITE_OK) {
                sqlite3_bind_text(st.s, 1, table.c_str(), -1, SQLITE_TRANSIENT);
                while (sqlite3_step(st.s) == SQLITE_ROW) {
                    catalog::ForeignKey fk;
                    fk.table = table;
                    fk.column = reinterpret_cast<const char*>(sqlite3_column_text(st.s, 0));
                    fk.parentTable = reinterpret_cast<const char*>(sqlite3_column_text(st.s, 1));
                    const auto* to = reinterpret_cast<const char*>(sqlite3_column_text(st.s, 2));
                    fk.parentColumn = to ? to : "";
                    t.foreignKeys.push_back(std::move(fk));
                }
            }
        }
        return t;
    }
};

}  // namespace

std::unique_ptr<Session> sqlite::open(const std::string& url, std::shared_ptr<SchemaCache> cache) {
    return std::make_unique<SqliteSession>(url, std::move(cache));
}

}  // namespace zolk::jet
