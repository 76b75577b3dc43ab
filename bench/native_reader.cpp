#include "bench/native_reader.h"

#include <sqlite3.h>

#include <stdexcept>

#include "jet/sqlite/functions.h"

namespace zolk::bench {

NativeReader::NativeReader(const std::string& path, bool engineFunctions) {
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        const std::string why = sqlite3_errmsg(db_);
        sqlite3_close(db_);
        throw std::runtime_error("cannot open " + path + ": " + why);
    }
    if (engineFunctions) jet::sqlite::registerFunctions(db_);
}

NativeReader::~NativeReader() { sqlite3_close(db_); }

std::int64_t NativeReader::run(const std::string& sql) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db_));
    const int columns = sqlite3_column_count(st);
    std::int64_t rows = 0;
    std::size_t seen = 0;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        ++rows;
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(st, c)) {
                case SQLITE_INTEGER: seen += static_cast<std::size_t>(sqlite3_column_int64(st, c) & 1); break;
                case SQLITE_FLOAT: seen += sqlite3_column_double(st, c) > 0; break;
                case SQLITE_TEXT:
                    seen += sqlite3_column_text(st, c) != nullptr;
                    seen += static_cast<std::size_t>(sqlite3_column_bytes(st, c));
                    break;
                default: break;
            }
        }
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(db_));
    static volatile std::size_t sink = 0;  // what was read must not be optimised away
    sink = sink + seen;
    return rows;
}

}  // namespace zolk::bench
