#include "schema/practice_database.h"

#include <vector>

#include "jet/engine.h"
#include "platform/runtime_error.h"
#include "schema/embedded_scripts.h"
#include "schema/practice_file.h"

namespace zolk::schema {

namespace {

[[noreturn]] void refuse(const std::string& description) {
    throw platform::RuntimeError(platform::err::DbGeneralFailure, description, "ZOLK practice database", 0);
}

}  // namespace

std::string ddl() { return embedded::practiceSqlite; }

std::string demoData() { return embedded::demoData; }

void createPracticeDatabase(const std::string& url, bool demo, bool replace) {
    const ExistingDatabase existing = examineDatabase(url);
    switch (existing.holding) {
        case Holding::Nothing: break;
        case Holding::Practice:
            if (!replace) refuse("The database '" + existing.path + "' already holds a practice database.");
            break;
        case Holding::Unstamped:
        case Holding::OtherProgram:
            refuse("'" + existing.path + "' holds a database that fichas init did not make: it is never replaced.");
    }
    std::vector<std::string> scripts{ddl()};
    if (demo) scripts.push_back(demoData());
    jet::createDatabase(url, scripts, SchemaVersion, existing.exists, ApplicationId);
}

}  // namespace zolk::schema
