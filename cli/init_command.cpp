#include <ostream>

#include "cli/command.h"
#include "cli/new_database.h"
#include "components/provider/session_pool.h"
#include "components/provider/settings.h"
#include "platform/runtime_error.h"
#include "schema/practice_database.h"

namespace zolk::cli {

int initDatabase(bool demo, bool force, std::ostream& out, std::ostream& err) {
    const std::string url = components::databaseUrl();
    if (!mayMakePracticeDatabase(url, force, err)) return ExitFailed;
    try {
        // This process's own kept sessions must not count as another program using the file.
        components::closeIdleSessions();
        schema::createPracticeDatabase(url, demo, force);
    } catch (const platform::RuntimeError& e) {
        err << "fichas: cannot create the database at " << url << ": " << e.description() << "\n";
        return ExitFailed;
    }
    out << "created the practice database at " << url << (demo ? " with the demo data" : "") << "\n";
    return ExitOk;
}

}  // namespace zolk::cli
