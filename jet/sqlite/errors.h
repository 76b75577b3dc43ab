#pragma once
// SQLite result codes to the project's error numbers, in one place.
#include <string>

#include "jet/catalog.h"
#include "jet/engine_errors.h"

struct sqlite3;

namespace zolk::jet::sqlite {

inline constexpr const char* kErrorSource = "Jet engine (SQLite)";

using jet::FailedStatement;

// Raises the RuntimeError for result code `rc` (extended codes on) of connection `db`:
// a foreign key refusal of a DELETE or key UPDATE is -2147467259 with help context 5003000,
// of an INSERT or other UPDATE the same number with help context 0; a function's own error
// keeps its number; everything else is -2147467259 with SQLite's message after ours.
[[noreturn]] void raise(sqlite3* db, int rc, const FailedStatement& what, catalog::Catalog* cat);

// Raises -2147467259 with `text` and SQLite's message for `rc`.
[[noreturn]] void raiseGeneral(const std::string& text, int rc, const char* sqliteMessage);

}  // namespace zolk::jet::sqlite
