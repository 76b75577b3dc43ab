#pragma once
// The SQLite emitter: prints a bound Jet tree as SQLite text that relies on the functions and
// the collation of functions.h being registered on the connection.
#include "jet/dialect.h"

namespace zolk::jet::sqlite {

// Name of the collation that compares texts as Jet does (case folded, accents kept).
inline constexpr const char* kCollation = "JETTEXT";

const Generator& generator();

}  // namespace zolk::jet::sqlite
