#include "schema/practice_database.h"

#include <string_view>
#include <vector>

#include "jet/engine.h"
#include "platform/date_time.h"
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

// The demo script's '{today+N}' and '{today-N}' as the ISO date N days after or before today.
std::string demoData() {
    const std::string_view script = embedded::demoData;
    const platform::DateTime today = platform::DateTime::today();
    std::string out;
    out.reserve(script.size());
    std::size_t at = 0;
    for (std::size_t open; (open = script.find("{today", at)) != std::string_view::npos;) {
        const std::size_t close = script.find('}', open);
        if (close == std::string_view::npos) break;
        out += script.substr(at, open - at);
        const int days = std::stoi(std::string(script.substr(open + 6, close - open - 6)));
        out += today.addDays(days).iso().substr(0, 10);
        at = close + 1;
    }
    out += script.substr(at);
    return out;
}

void createPracticeDatabase(const std::string& url, bool demo, bool replace) {
    const ExistingDatabase existing = examineDatabase(url);
    switch (existing.holding) {
        case Holding::Nothing: break;
        case Holding::Practice:
            if (!replace) refuse("The database '" + existing.path + "' already holds a practice database.");
            break;
        case Holding::Unstamped:
            // A server database holding other programs' tables takes the practice's beside them,
            // when asked to; a file is never shared.
            if (existing.server && replace) break;
            [[fallthrough]];
        case Holding::OtherProgram:
            refuse("'" + existing.path + "' holds a database that fichas init did not make: it is never replaced.");
    }
    std::vector<std::string> scripts{ddl()};
    if (demo) scripts.push_back(demoData());
    // Beside another program's tables nothing is replaced: a table of the same name is an error.
    const bool beside = existing.holding == Holding::Unstamped;
    jet::createDatabase(url, scripts, SchemaVersion, existing.exists && !beside, ApplicationId);
}

}  // namespace zolk::schema
