#include "jet/sqlite/native.h"

#include <sqlite3.h>

#include "jet/sqlite/errors.h"

namespace zolk::jet::sqlite {

std::int64_t stepNatively(const std::string& url, const std::string& nativeSql) {
    const std::string path = url.rfind("sqlite:", 0) == 0 ? url.substr(7) : url;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        raiseGeneral("Could not open '" + path + "'.", SQLITE_CANTOPEN, nullptr);
    }
    sqlite3_stmt* st = nullptr;
    std::int64_t cells = 0;
    std::size_t bytes = 0;
    if (sqlite3_prepare_v2(db, nativeSql.c_str(), -1, &st, nullptr) == SQLITE_OK) {
        const int n = sqlite3_column_count(st);
        while (sqlite3_step(st) == SQLITE_ROW) {
            for (int c = 0; c < n; ++c, ++cells) {
                switch (sqlite3_column_type(st, c)) {
                    case SQLITE_INTEGER: bytes += static_cast<std::size_t>(sqlite3_column_int64(st, c) & 1); break;
                    case SQLITE_FLOAT: bytes += sqlite3_column_double(st, c) > 0; break;
                    case SQLITE_TEXT:
                        sqlite3_column_text(st, c);
                        bytes += static_cast<std::size_t>(sqlite3_column_bytes(st, c));
                        break;
                    default: break;
                }
            }
        }
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    static volatile std::size_t sink = 0;  // the values read must not be optimised away
    sink = sink + bytes;
    return cells;
}

}  // namespace zolk::jet::sqlite
