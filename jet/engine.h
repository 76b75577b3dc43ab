#pragma once
// The engine contract: a session takes Jet-dialect statement text and gives typed rows.
// One folder per engine implements it (jet/sqlite/, later jet/postgres/); the functions below
// find the engine of a URL in the registry (jet/engine_registry.h).
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/variant.h"

namespace zolk::jet {

// ADO DataTypeEnum numbers and FieldAttributeEnum bits that describe result columns.
namespace adotype {
inline constexpr int SmallInt = 2, Integer = 3, Double = 5, Currency = 6, Date = 7, Boolean = 11,
                     UnsignedTinyInt = 17, VarWChar = 202, LongVarWChar = 203;
}
namespace adattr {
inline constexpr int Updatable = 4, Fixed = 16, IsNullable = 32, MayBeNull = 64, Long = 128,
                     KeyColumn = 32768;
}

struct Column {
    std::string name;
    int type = adotype::VarWChar;
    int definedSize = 255;
    int attributes = adattr::IsNullable | adattr::MayBeNull;
};

// Rows materialised row-major: cell (r, c) is cells[r * columns.size() + c].
struct RowSet {
    std::vector<Column> columns;
    std::vector<platform::Variant> cells;
    std::size_t rowCount() const { return columns.empty() ? 0 : cells.size() / columns.size(); }
};

struct ExecResult {
    bool returnsRows = false;
    RowSet rows;                  // when returnsRows
    std::int64_t rowsAffected = 0;  // otherwise
};

// A statement translated for the engine: what the trace shows as "native".
struct Translation {
    std::string native;
    bool writes = false;  // INSERT, UPDATE, DELETE
};

class Session {
public:
    virtual ~Session() = default;
    // Parses and translates one statement; raises -2147217900 with the position and what was
    // found there when the text cannot be parsed or names an unknown table, column or function.
    virtual Translation translate(std::string_view jetSql) = 0;
    // Runs one statement (translating it first). Errors carry design.md's numbers.
    virtual ExecResult execute(std::string_view jetSql) = 0;
    virtual void begin() = 0;     // takes the write lock at once
    virtual void commit() = 0;
    virtual void rollback() = 0;
    virtual bool inTransaction() const = 0;
    virtual std::string engineName() const = 0;

    // Between two users of a kept session: ends a transaction the last one left open, forgets
    // what it ran, and reads the database's stamps again (emptying the shared translations when
    // its schema changed since they were made). Returns the schema version stamped in the
    // database (SQLite `PRAGMA user_version`).
    virtual int reset() = 0;
    // Which database file the session holds open (device and inode), read when it was opened;
    // empty when it may not be kept for another user (a file opened read-only).
    virtual const std::string& fileIdentity() const = 0;
};

// The catalog and the translations the sessions on one database share (jet/schema_cache.h).
class SchemaCache;
std::shared_ptr<SchemaCache> makeSchemaCache();

// Opens a session on a database URL (`sqlite:PATH` or a bare path; a URL of a scheme no engine
// of this build serves raises -2147467259). Raises -2147467259 naming
// the file and the reason when the database cannot be opened (missing, a folder, not a database,
// truncated or damaged); does not create a missing file and changes nothing in an existing one.
// A file this process may not write serves reads.
std::unique_ptr<Session> openSession(const std::string& url);
// The same, sharing `cache` with the other sessions on that database file.
std::unique_ptr<Session> openSession(const std::string& url, std::shared_ptr<SchemaCache> cache);

// Which file `url` names now (device and inode), read without opening it; empty when there is
// none there. Two readings differ when the file was replaced in between.
std::string fileIdentity(const std::string& url);

// What is at a database URL, read without changing anything in the file or beside it.
struct DatabaseFile {
    std::string path;
    bool exists = false;             // false: no file there (its folder may be missing as well)
    bool empty = false;              // a file of 0 bytes
    int userVersion = 0;             // SQLite `PRAGMA user_version`
    std::int32_t applicationId = 0;  // SQLite `PRAGMA application_id`
    std::vector<std::string> tables;  // listed only for a file without an application id
    // A database on a server, shared with whatever else its owner keeps there: the practice's
    // tables may be created beside other programs' tables (fichas init --force), never over them.
    bool server = false;
};

// Raises -2147467259 naming the file and the reason when the URL names no file (empty,
// ":memory:"), the path is a folder, or the file is unreadable, not a database, truncated or
// damaged.
DatabaseFile inspectDatabase(const std::string& url);

// The schema version stamped by createDatabase (SQLite `PRAGMA user_version`); 0 means a
// database that was never initialised; a missing or empty file also gives 0. A file that exists
// but cannot be read as a database raises -2147467259.
int databaseVersion(const std::string& url);

// Creates the database at `url` by running native scripts in one transaction and stamping
// `version` and `applicationId`, in write-ahead mode. The database is built beside the target
// and moved into place only when complete, so a failure leaves whatever was there untouched.
// Raises when the folder does not exist, when the path is a folder, and when a file exists
// and `replace` is false. With `replace`, an existing file must be a database that opens
// cleanly, is writable and is not in use by another connection.
void createDatabase(const std::string& url, const std::vector<std::string>& nativeScripts,
                    int version, bool replace, std::int32_t applicationId = 0);

}  // namespace zolk::jet
