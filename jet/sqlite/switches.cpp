#include "jet/sqlite/switches.h"

#include <sqlite3.h>

#include "platform/runtime_error.h"

namespace zolk::jet::sqlite {
namespace {

constexpr int kStepsPerCall = 1000;  // SQLite's virtual machine steps between progress calls

int sqliteCode(switches::Fault f) {
    switch (f) {
        case switches::Fault::Busy: return SQLITE_BUSY;
        case switches::Fault::IoError: return SQLITE_IOERR_WRITE;
        case switches::Fault::Constraint: return SQLITE_CONSTRAINT_CHECK;
        case switches::Fault::DiskFull: return SQLITE_FULL;
    }
    return SQLITE_IOERR;
}

}  // namespace

void failWhenDue(const FailedStatement& what, catalog::Catalog* cat) {
    if (const auto fault = switches::faultDue()) raise(nullptr, sqliteCode(*fault), what, cat);
}

WorkLimit::WorkLimit(sqlite3* db) : db_(db) {
    const std::uint64_t steps = switches::workLimit();
    if (steps == 0) {
        db_ = nullptr;
        return;
    }
    callsLeft_ = steps / kStepsPerCall + 1;
    sqlite3_progress_handler(
        db_, kStepsPerCall,
        [](void* p) -> int {
            auto* self = static_cast<WorkLimit*>(p);
            if (self->callsLeft_ > 0) --self->callsLeft_;
            if (self->callsLeft_ == 0) self->exceeded_ = true;
            return self->exceeded_ ? 1 : 0;
        },
        this);
}

WorkLimit::~WorkLimit() {
    if (db_) sqlite3_progress_handler(db_, 0, nullptr, nullptr);
}

}  // namespace zolk::jet::sqlite
