#include "jet/sqlite/database_file.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "jet/sqlite/errors.h"
#include "platform/runtime_error.h"

namespace zolk::jet::sqlite {
namespace {

using platform::RuntimeError;
namespace err = platform::err;

constexpr int kBusyTimeoutMs = 10000;
constexpr std::size_t kHeaderSize = 100;
constexpr char kMagic[] = "SQLite format 3";  // 16 bytes with its NUL

[[noreturn]] void refuse(const std::string& description) {
    throw RuntimeError(err::DbGeneralFailure, description, kErrorSource, 0);
}

std::uint32_t bigEndian32(const unsigned char* p) {
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

bool present(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

// A log or journal with content: SQLite finishes (or undoes) what it holds when it opens the
// database, so the main file alone may be shorter than its header says.
bool pendingLog(const std::string& path) {
    struct stat st {};
    for (const char* suffix : {"-wal", "-journal"})
        if (::stat(sideFile(path, suffix).c_str(), &st) == 0 && st.st_size > 0) return true;
    return false;
}

std::string folderOf(const std::string& path) {
    const std::string parent = std::filesystem::path(path).parent_path().string();
    return parent.empty() ? "." : parent;
}

// Reads up to the first 100 bytes; raises when the file cannot be read.
std::size_t readHeader(const std::string& path, unsigned char* header) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) refuse("The database '" + path + "' cannot be read: " + std::strerror(errno) + ".");
    std::size_t got = 0;
    while (got < kHeaderSize) {
        const ssize_t n = ::read(fd, header + got, kHeaderSize - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int e = errno;
            ::close(fd);
            refuse("The database '" + path + "' cannot be read: " + std::strerror(e) + ".");
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return got;
}

// "file:" URI of a path, every byte outside the unreserved set written as %XX, so that no file
// name is ever read as ":memory:", a URI or a parameter.
std::string uriOf(const std::string& path) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string uri = path.front() == '/' ? "file://" : "file:";
    for (const char ch : path) {
        const auto c = static_cast<unsigned char>(ch);
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
        if (plain) {
            uri += ch;
        } else {
            uri += '%';
            uri += hex[c >> 4];
            uri += hex[c & 0xF];
        }
    }
    return uri;
}

}  // namespace

std::string sideFile(const std::string& path, const char* suffix) { return path + suffix; }

std::string identityOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
    return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino) + ":" + std::to_string(st.st_mode & 07777);
}

std::string filePathOf(const std::string& url) {
    std::string_view u(url);
    if (u.rfind("sqlite:", 0) == 0) {
        u.remove_prefix(7);
        if (u.rfind("//", 0) == 0) u.remove_prefix(2);
    }
    if (u.empty()) refuse("No database file was given.");
    if (u == ":memory:")
        refuse("':memory:' is a database in memory only: nothing written there would be kept. Give the "
               "path of a database file.");
    return std::string(u);
}

FileCheck checkFile(const std::string& path) {
    FileCheck check;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return check;
        refuse("The database '" + path + "' cannot be reached: " + std::strerror(errno) + ".");
    }
    if (S_ISDIR(st.st_mode)) refuse("'" + path + "' is a folder, not a database file.");
    if (!S_ISREG(st.st_mode)) refuse("'" + path + "' is not a regular file, so it cannot be a database.");
    check.exists = true;
    if (st.st_size == 0) {
        check.empty = true;
        check.readOnly = ::access(path.c_str(), W_OK) != 0;
        return check;
    }

    unsigned char header[kHeaderSize] = {};
    const std::size_t got = readHeader(path, header);
    if (std::memcmp(header, kMagic, got < sizeof kMagic ? got : sizeof kMagic) != 0)
        refuse("'" + path + "' is not a SQLite database: it does not start with a SQLite header.");
    if (got < kHeaderSize)
        refuse("The database '" + path + "' is truncated: it holds " + std::to_string(got) +
               " bytes, less than its header.");

    std::uint32_t pageSize = (std::uint32_t(header[16]) << 8) | header[17];
    if (pageSize == 1) pageSize = 65536;
    const bool validPageSize = pageSize >= 512 && pageSize <= 65536 && (pageSize & (pageSize - 1)) == 0;
    const bool validVersions = (header[18] == 1 || header[18] == 2) && (header[19] == 1 || header[19] == 2);
    const bool validFractions = header[21] == 64 && header[22] == 32 && header[23] == 32;
    if (!validPageSize || !validVersions || !validFractions)
        refuse("The database '" + path + "' is damaged: its header does not hold valid values.");
    check.walMode = header[18] == 2;

    check.userVersion = static_cast<int>(bigEndian32(header + 60));
    check.applicationId = static_cast<std::int32_t>(bigEndian32(header + 68));
    check.pendingLog = pendingLog(path);
    if (!check.pendingLog) {
        const auto size = static_cast<std::uint64_t>(st.st_size);
        if (size % pageSize != 0)
            refuse("The database '" + path + "' is truncated or damaged: its " + std::to_string(size) +
                   " bytes are not a whole number of pages of " + std::to_string(pageSize) + " bytes.");
        // The page count in the header is current only when its change counter matches.
        const std::uint64_t pages = bigEndian32(header + 28);
        if (pages > 0 && bigEndian32(header + 24) == bigEndian32(header + 92) && pages * pageSize > size)
            refuse("The database '" + path + "' is truncated: its header counts " + std::to_string(pages) +
                   " pages of " + std::to_string(pageSize) + " bytes, the file holds " +
                   std::to_string(size / pageSize) + ".");
    }

    check.readOnly = ::access(path.c_str(), W_OK) != 0 ||
                     (check.walMode && !present(sideFile(path, "-wal")) &&
                      ::access(folderOf(path).c_str(), W_OK) != 0);
    return check;
}

sqlite3* openFile(const std::string& path, const FileCheck& check) {
    // SQLite would make a log and its index beside a write-ahead database even to read it, and a
    // read-only connection leaves them behind; with nothing pending, the file alone is the database.
    const bool asItStands = check.readOnly && check.walMode && !present(sideFile(path, "-wal"));
    const std::string uri = uriOf(path) + (asItStands ? "?immutable=1" : "");
    // A session is used by one thread at a time, so the connection needs no lock of its own
    // around every call (each column read would take and release it).
    const int flags =
        (check.readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX;
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(uri.c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        sqlite3_close(db);
        raiseGeneral("Could not open the database '" + path + "'.", rc, message.c_str());
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    return db;
}

}  // namespace zolk::jet::sqlite
