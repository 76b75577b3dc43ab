#include "jet/sqlite/values.h"

#include <sqlite3.h>

#include "jet/stored_value.h"

namespace zolk::jet::sqlite {
namespace {

StoredValue stored(sqlite3_value* v) {
    StoredValue s;
    switch (sqlite3_value_type(v)) {
        case SQLITE_NULL: break;
        case SQLITE_INTEGER:
            s.storage = Storage::Integer;
            s.integer = sqlite3_value_int64(v);
            break;
        case SQLITE_FLOAT:
            s.storage = Storage::Float;
            s.real = sqlite3_value_double(v);
            break;
        default: {
            s.storage = Storage::Text;
            const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
            s.text = p ? std::string_view(p, std::size_t(sqlite3_value_bytes(v))) : std::string_view();
        }
    }
    return s;
}

}  // namespace

platform::Variant readValue(sqlite3_value* v, JetType type) { return readStored(stored(v), type); }

platform::Variant readColumn(sqlite3_stmt* stmt, int col, JetType type) {
    return readValue(sqlite3_column_value(stmt, col), type);
}

platform::Variant toVariant(sqlite3_value* v, char kind) { return readArgument(stored(v), kind); }

}  // namespace zolk::jet::sqlite
