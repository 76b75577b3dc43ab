#pragma once
// The Jet meanings SQLite lacks, registered on every connection: the JETTEXT collation
// (platform::compareText),
// like() with Jet's wildcards, and the jet_* functions the generator emits. A function that
// fails reports "jet:NUMBER:description" so that errors.cpp can give the Jet number back.
#include <string_view>

struct sqlite3;

namespace zolk::jet::sqlite {

// Registers the collation, the functions and the aggregates (aggregates.h).
void registerFunctions(sqlite3* db);

// Jet's LIKE (ANSI-92 wildcards: % _ [abc] [a-z] [!abc]), ignoring case. Raises
// -2147217900 on a pattern with an unclosed '['.
bool likeMatch(std::string_view text, std::string_view pattern);

}  // namespace zolk::jet::sqlite
