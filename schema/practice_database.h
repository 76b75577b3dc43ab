#pragma once
// The practice database: its tables (DDL), the demo data set and the function that creates it.
// The scripts are the files schema/sqlite/practice.sql and schema/demo_data.sql, compiled in.
#include <cstdint>
#include <string>

namespace zolk::schema {

// Stamped into the database on creation (SQLite `PRAGMA user_version`); a database without it
// is not initialised.
inline constexpr int SchemaVersion = 1;

// Stamped beside the version (SQLite `PRAGMA application_id`, "ZOLK"): what tells a practice
// database from another program's SQLite file that happens to carry a version.
inline constexpr std::int32_t ApplicationId = 0x5A4F4C4B;

// Native SQLite script creating every table of the practice database.
std::string ddl();

// Native script filling a freshly created database with the demo practice (veterinarian 3,
// client 95 with animal 140, ...). Runs after ddl().
std::string demoData();

// Creates the practice database at `url` (`sqlite:PATH`, a bare path or `postgresql://...`), with the demo data set
// when `demo` is true, and stamps SchemaVersion and ApplicationId. The folder must exist. A file
// that holds nothing (0 bytes, or a database without tables or stamp) is taken over. An existing
// practice database is refused unless `replace` is true, in which case it is recreated. Anything
// else (a folder, another program's database, a damaged or unreadable file) is refused, whatever
// `replace` says, except a database on a server that holds other programs' tables: with `replace`
// the practice's tables are created beside them, which are never touched. Refusals and failures
// raise -2147467259 and leave the file as it was.
void createPracticeDatabase(const std::string& url, bool demo, bool replace);

}  // namespace zolk::schema
