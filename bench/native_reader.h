#pragma once
// The raw side of a pair: a connection made with SQLite's C API alone (with the engine's
// functions and collation registered when the native text calls them) that runs a native text
// and reads every cell of every row, as a program using SQLite directly would.
#include <cstdint>
#include <string>

struct sqlite3;

namespace zolk::bench {

class NativeReader {
public:
    // Opens the database file at `path` read-only; with `engineFunctions`, registers the
    // functions and the collation the engine's native texts call.
    NativeReader(const std::string& path, bool engineFunctions);
    ~NativeReader();
    NativeReader(const NativeReader&) = delete;
    NativeReader& operator=(const NativeReader&) = delete;

    // Prepares `sql`, steps it to the end reading every cell, finalizes it; returns the number
    // of rows. Throws std::runtime_error with SQLite's message when it fails.
    std::int64_t run(const std::string& sql);

private:
    sqlite3* db_ = nullptr;
};

}  // namespace zolk::bench
