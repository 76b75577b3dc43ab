#pragma once
// The file behind a SQLite URL: which file it is, whether it holds together, and how to open it
// so that reading it changes nothing in it or beside it.
#include <cstdint>
#include <string>

struct sqlite3;

namespace zolk::jet::sqlite {

// The file of `sqlite:PATH`, `sqlite://PATH` or a bare PATH. Raises -2147467259 for an empty
// path and for ":memory:" (nothing would be kept).
std::string filePathOf(const std::string& url);

// What a look at the file itself says, before SQLite opens it.
struct FileCheck {
    bool exists = false;
    bool empty = false;      // 0 bytes: SQLite takes it as a new, empty database
    bool walMode = false;    // its header asks for a write-ahead log
    bool readOnly = false;   // this process may not write it (or may not make its log beside it)
    bool pendingLog = false; // a log or journal with content beside it: the file alone may be behind
    int userVersion = 0;     // the stamps in the file's own header (current unless pendingLog)
    std::int32_t applicationId = 0;
};

// Raises -2147467259 naming the file and the reason when the path is a folder, the file cannot
// be read, is not a SQLite database, or its header and size do not hold together (a truncated or
// damaged file). A missing file is not an error: `exists` is false.
FileCheck checkFile(const std::string& path);

// Opens a file checkFile found. A file this process may not write is opened read-only; one in
// write-ahead mode with no log beside it is then read as it stands, so that no -wal or -shm
// file appears. Raises -2147467259 naming the file when SQLite refuses it.
sqlite3* openFile(const std::string& path, const FileCheck& check);

// Device, inode and permission bits of the file at `path`: a file put in its place, or made
// writable or read-only since, reads differently. Empty when there is no file.
std::string identityOf(const std::string& path);

// `path` followed by "-wal", "-shm", "-journal": the files SQLite keeps beside a database.
std::string sideFile(const std::string& path, const char* suffix);

}  // namespace zolk::jet::sqlite
