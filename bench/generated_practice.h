#pragma once
// A practice database with many clinical records for the benchmarks, generated through SQLite
// directly (in seconds) and kept between runs: the first benchmark that asks for a size builds
// it, later runs reuse the file. Not checked in.
//
// Where: $ZOLK_BENCH_DATA, else <temporary folder>/zolk_bench_data. A file is written under a
// temporary name and renamed when complete, so an interrupted generation is never reused.
#include <string>
#include <vector>

namespace zolk::bench {

// The sizes the benchmarks use.
inline constexpr int kSmallPractice = 1000;
inline constexpr int kMediumPractice = 100000;
inline constexpr int kLargePractice = 1000000;

// Path of a practice database holding `records` clinical records (at least 1, at most 10
// million), with one animal for every two records, one client for every two animals and
// twenty veterinarians; every record's client, animal and veterinarian exist, so the
// listings' inner joins keep every record. Numbers start at 1 in each table. The names
// include accented ones (João, Conceição) and the texts are Portuguese, as at a practice.
std::string generatedPractice(int records);

// A copy of the generated practice of `records` clinical records with as many exam requests,
// all on record 1 (its client, animal and veterinarian), from three laboratories.
std::string generatedPracticeWithExams(int records);

// The same, as an engine URL ("sqlite:PATH").
std::string generatedPracticeUrl(int records);

// The statements of a table `Wide` of `columns` columns cycling through the declared types
// (whole numbers, short and long texts, Doubles, dates, Currency, Yes/No) filled with `rows` rows.
std::vector<std::string> wideTableStatements(int rows, int columns);

}  // namespace zolk::bench
