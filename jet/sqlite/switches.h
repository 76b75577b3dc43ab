#pragma once
// The test switches (jet/test_switches.h) as the SQLite session applies them.
#include <cstdint>

#include "jet/catalog.h"
#include "jet/sqlite/errors.h"
#include "jet/test_switches.h"

struct sqlite3;

namespace zolk::jet::sqlite {

// Raises the armed fault when this action is the one it waits for: the error SQLite itself
// gives for it (SQLITE_BUSY, SQLITE_IOERR_WRITE, SQLITE_CONSTRAINT_CHECK, SQLITE_FULL).
void failWhenDue(const FailedStatement& what, catalog::Catalog* cat);

// For the life of one statement, stops it once it has taken more steps than the work limit.
class WorkLimit {
public:
    explicit WorkLimit(sqlite3* db);
    ~WorkLimit();
    WorkLimit(const WorkLimit&) = delete;
    WorkLimit& operator=(const WorkLimit&) = delete;
    bool exceeded() const { return exceeded_; }

private:
    sqlite3* db_;
    std::uint64_t callsLeft_ = 0;
    bool exceeded_ = false;
};

}  // namespace zolk::jet::sqlite
