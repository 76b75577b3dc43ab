#pragma once
// The practice database: its tables (DDL), the demo data set and the function that creates it.
// The scripts are the files schema/sqlite/practice.sql and schema/demo_data.sql, compiled in.
#include <string>

namespace zolk::schema {

// Stamped into the database on creation (SQLite `PRAGMA user_version`); a database without it
// is not initialised.
inline constexpr int SchemaVersion = 1;

// Native SQLite script creating every table of the practice database.
std::string ddl();

// Native script filling a freshly created database with the demo practice (veterinarian 3,
// client 95 with animal 140, ...). Runs after ddl().
std::string demoData();

// Creates the practice database at `url` (`sqlite:PATH` or a bare path), with the demo data set
// when `demo` is true, and stamps SchemaVersion. An existing database is refused unless `replace`
// is true, in which case it is recreated. Errors are raised by the engine (jet/engine.h).
void createPracticeDatabase(const std::string& url, bool demo, bool replace);

}  // namespace zolk::schema
