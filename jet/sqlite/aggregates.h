#pragma once
// Jet's aggregates that SQLite lacks, registered on every connection: jet_first and jet_last
// (the first and last value of the group in the order its rows are read), jet_stdev and
// jet_var (sample deviation and variance), jet_stdevp and jet_varp (of the whole population).
// Each ignores Null values and gives Null when no value is left to work on. jet_one gives the
// value of a subquery's only row, Null without rows, and fails on a second row as Jet does.
struct sqlite3;

namespace zolk::jet::sqlite {

void registerAggregates(sqlite3* db);

}  // namespace zolk::jet::sqlite
