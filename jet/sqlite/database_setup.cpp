// Looking at a database file and making a new one: the engine contract's file-level functions.
#include <fcntl.h>
#include <sqlite3.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "jet/engine.h"
#include "jet/sqlite/database_file.h"
#include "jet/sqlite/engine.h"
#include "jet/sqlite/errors.h"
#include "platform/runtime_error.h"

namespace zolk::jet {
namespace {

using platform::RuntimeError;
namespace err = platform::err;

[[noreturn]] void refuse(const std::string& description) {
    throw RuntimeError(err::DbGeneralFailure, description, sqlite::kErrorSource, 0);
}

// Closes the connection when it goes out of scope.
struct OpenDatabase {
    sqlite3* db;
    ~OpenDatabase() { sqlite3_close(db); }
};

void exec(sqlite3* db, const std::string& sql) {
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        sqlite::FailedStatement what;
        sqlite::raise(db, sqlite3_extended_errcode(db), what, nullptr);
    }
}

// Every row's first column of a query that reads the file.
std::vector<std::string> firstColumn(sqlite3* db, const std::string& path, const char* sql) {
    std::vector<std::string> values;
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
    if (rc == SQLITE_OK) {
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
            values.emplace_back(text ? text : "");
        }
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE)
        sqlite::raiseGeneral("The database '" + path + "' cannot be read.", rc, sqlite3_errmsg(db));
    return values;
}

void removeWithSideFiles(const std::string& path) {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        ::unlink(sqlite::sideFile(path, suffix).c_str());
}

// A new, empty file beside `path`, made here (so it may be removed here).
std::string freshFileBeside(const std::string& path) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = path + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return name;
        }
        if (errno != EEXIST)
            refuse("Could not create the database '" + path + "': " + std::strerror(errno) + ".");
    }
    refuse("Could not create the database '" + path + "': no free name for the new file beside it.");
}

// Builds the whole database in `file`; raises with the file removed when anything fails.
void build(const std::string& file, const std::vector<std::string>& scripts, int version,
           std::int32_t applicationId) {
    try {
        sqlite::FileCheck fresh;
        fresh.exists = fresh.empty = true;
        OpenDatabase open{sqlite::openFile(file, fresh)};
        exec(open.db, "PRAGMA journal_mode=WAL");
        exec(open.db, "BEGIN IMMEDIATE");
        for (const auto& script : scripts) exec(open.db, script);
        exec(open.db, "PRAGMA user_version=" + std::to_string(version));
        exec(open.db, "PRAGMA application_id=" + std::to_string(applicationId));
        exec(open.db, "COMMIT");
    } catch (...) {
        removeWithSideFiles(file);
        throw;
    }
}

// Before a database is replaced: SQLite finishes what its log holds when it opens it, and
// removes the log when the last connection closes. A log still there afterwards belongs to
// another connection, which must not find a different database under its feet.
void settle(const std::string& path, const sqlite::FileCheck& check) {
    if (check.readOnly) refuse("The database '" + path + "' is read-only: it is not replaced.");
    if (check.empty) return;
    {
        OpenDatabase open{sqlite::openFile(path, check)};
        firstColumn(open.db, path, "SELECT COUNT(*) FROM sqlite_schema");
    }
    for (const char* suffix : {"-wal", "-journal"})
        if (::access(sqlite::sideFile(path, suffix).c_str(), F_OK) == 0)
            refuse("The database '" + path + "' is in use by another program: close it and try again.");
}

// Moves the complete new database into place: over the settled old one, or where nothing is.
void install(const std::string& file, const std::string& path, bool replacing) {
    const int rc = replacing ? ::rename(file.c_str(), path.c_str())
                             : ::renameat2(AT_FDCWD, file.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE);
    if (rc == 0) return;
    int e = errno;
    // A file system without an exclusive rename: a hard link fails just as well on a taken name.
    if (!replacing && (e == EINVAL || e == ENOSYS)) {
        if (::link(file.c_str(), path.c_str()) == 0) {
            ::unlink(file.c_str());
            return;
        }
        e = errno;
    }
    removeWithSideFiles(file);
    if (e == EEXIST) refuse("The database '" + path + "' already exists.");
    refuse("Could not put the new database in place at '" + path + "': " + std::strerror(e) + ".");
}

}  // namespace

}  // namespace zolk::jet

namespace zolk::jet::sqlite {

DatabaseFile inspect(const std::string& url) {
    DatabaseFile file;
    file.path = sqlite::filePathOf(url);
    const sqlite::FileCheck check = sqlite::checkFile(file.path);
    file.exists = check.exists;
    file.empty = check.empty;
    if (!check.exists || check.empty) return file;
    // A file an application stamped is known by its header; opening it with SQLite only to read
    // the same stamps would cost a log made and removed again.
    if (check.applicationId != 0 && !check.pendingLog) {
        file.userVersion = check.userVersion;
        file.applicationId = check.applicationId;
        return file;
    }
    OpenDatabase open{sqlite::openFile(file.path, check)};
    file.userVersion = std::stoi(firstColumn(open.db, file.path, "PRAGMA user_version").at(0));
    file.applicationId = static_cast<std::int32_t>(
        std::stol(firstColumn(open.db, file.path, "PRAGMA application_id").at(0)));
    file.tables = firstColumn(open.db, file.path,
                              "SELECT name FROM sqlite_schema WHERE type = 'table' AND "
                              "name NOT LIKE 'sqlite^_%' ESCAPE '^' ORDER BY name");
    return file;
}

std::string identity(const std::string& url) { return identityOf(filePathOf(url)); }

void create(const std::string& url, const std::vector<std::string>& nativeScripts, int version, bool replace,
            std::int32_t applicationId) {
    const std::string path = sqlite::filePathOf(url);
    const std::string folder = std::filesystem::path(path).parent_path().string();
    struct stat st {};
    if (!folder.empty() && (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)))
        refuse("Could not create the database '" + path + "': the folder '" + folder + "' does not exist.");
    const sqlite::FileCheck existing = sqlite::checkFile(path);
    if (existing.exists && !replace) refuse("The database '" + path + "' already exists.");
    if (existing.exists) settle(path, existing);

    const std::string file = freshFileBeside(path);
    build(file, nativeScripts, version, applicationId);
    if (existing.exists && ::stat(path.c_str(), &st) == 0) ::chmod(file.c_str(), st.st_mode & 07777);
    install(file, path, existing.exists);
}

}  // namespace zolk::jet::sqlite
