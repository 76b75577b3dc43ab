#pragma once
// The Jet meanings SQLite lacks, registered on every connection: the JETTEXT collation
// (platform::compareText), like() with Jet's wildcards (jet/like_pattern.h), and the jet_*
// functions the printer emits. A function that
// fails reports "jet:NUMBER:description" so that errors.cpp can give the Jet number back.
struct sqlite3;

namespace zolk::jet::sqlite {

// Registers the collation, the functions and the aggregates (aggregates.h).
void registerFunctions(sqlite3* db);

}  // namespace zolk::jet::sqlite
