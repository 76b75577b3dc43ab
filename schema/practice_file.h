#pragma once
// What a database URL holds, as far as the practice is concerned: nothing yet, a practice database
// made by `fichas init` (of this schema version or another), or someone else's database.
#include <string>

namespace zolk::schema {

enum class Holding {
    Nothing,       // no file, a file of 0 bytes, or a SQLite database with no table and no stamp
    Practice,      // a practice database made by `fichas init`, of `version`
    Unstamped,     // a SQLite database with tables but no schema version: not made by `fichas init`
    OtherProgram,  // a SQLite database stamped by another program
};

struct ExistingDatabase {
    std::string path;
    bool exists = false;  // false: no file at `path` (its folder may be missing as well)
    Holding holding = Holding::Nothing;
    int version = 0;      // the schema version of a practice database
    bool server = false;  // a database on a server (jet::DatabaseFile::server)
};

// Looks at `url` without changing anything in the file or beside it. Raises -2147467259 naming
// the file and the reason when the URL names no file (empty, ":memory:"), the path is a folder, or
// the file is unreadable, not a SQLite database, truncated or damaged.
ExistingDatabase examineDatabase(const std::string& url);

}  // namespace zolk::schema
