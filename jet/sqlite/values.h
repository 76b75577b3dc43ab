#pragma once
// Stored SQLite values to Variants by Jet type, through the engine-neutral reader (jet/stored_value.h).
#include <sqlite3.h>

#include <optional>
#include <string_view>

#include "jet/ast.h"
#include "platform/variant.h"

namespace zolk::jet::sqlite {

// Column `col` of the current row, read as a value of Jet type `type`.
platform::Variant readColumn(sqlite3_stmt* stmt, int col, JetType type);
// A column's value (sqlite3_column_value), read as a value of Jet type `type`.
platform::Variant readValue(sqlite3_value* v, JetType type);
// Whether a value stored as `storage` (SQLITE_TEXT, ...) in a column of Jet type `type` is read
// as the stored text unchanged.
inline bool readsAsText(int storage, JetType type) {
    return storage == SQLITE_TEXT &&
           (type == JetType::Text || type == JetType::Memo || type == JetType::Unknown);
}

// A function argument read as the kind letter of the generator says (D, C, N, L, B, T, X).
platform::Variant toVariant(sqlite3_value* v, char kind);

}  // namespace zolk::jet::sqlite
