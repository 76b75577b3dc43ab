#include "cli/new_database.h"

#include <filesystem>
#include <ostream>
#include <system_error>

#include "components/provider/settings.h"
#include "platform/runtime_error.h"
#include "schema/practice_file.h"

namespace zolk::cli {

namespace {

// The folder of a new database: there already, or made when it is the default location.
bool folderReady(const std::string& path, std::ostream& err) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(path).parent_path();
    std::error_code ec;
    if (folder.empty() || fs::is_directory(folder, ec)) return true;
    if (path == components::defaultDatabasePath()) {
        if (fs::create_directories(folder, ec) || fs::is_directory(folder, ec)) return true;
        err << "fichas: cannot create the folder " << folder.string() << ": " << ec.message() << "\n";
        return false;
    }
    err << "fichas: cannot create the database " << path << ": the folder " << folder.string()
        << (fs::exists(folder, ec) ? " is not a folder" : " does not exist") << "\n";
    return false;
}

}  // namespace

bool mayMakePracticeDatabase(const std::string& url, bool force, std::ostream& err) {
    schema::ExistingDatabase existing;
    try {
        existing = schema::examineDatabase(url);
    } catch (const platform::RuntimeError& e) {
        err << "fichas: cannot use the database " << url << ": " << e.description() << "\n";
        return false;
    }
    switch (existing.holding) {
        case schema::Holding::Nothing:
            return existing.exists || folderReady(existing.path, err);
        case schema::Holding::Practice:
            if (force) return true;
            err << "fichas: " << existing.path << " already holds a practice database (schema version "
                << existing.version << "); use --force to replace it\n";
            return false;
        case schema::Holding::Unstamped:
            // A server database is shared: with --force the practice's tables go beside the
            // other program's, which are never touched.
            if (existing.server) {
                if (force) return true;
                err << "fichas: " << existing.path
                    << " holds tables that fichas init did not make; use --force to create the practice's "
                       "tables beside them (theirs are never touched)\n";
                return false;
            }
            break;
        case schema::Holding::OtherProgram:
            break;
    }
    err << "fichas: " << existing.path
        << " holds a database that fichas init did not make; fichas never replaces it, not even with "
           "--force: move it away or choose another --database\n";
    return false;
}

}  // namespace zolk::cli
