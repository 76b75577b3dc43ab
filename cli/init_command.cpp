#include <filesystem>
#include <ostream>
#include <system_error>

#include "cli/command.h"
#include "cli/database.h"
#include "components/provider/settings.h"
#include "platform/runtime_error.h"
#include "schema/practice_database.h"

namespace zolk::cli {

int initDatabase(bool demo, bool force, std::ostream& out, std::ostream& err) {
    namespace fs = std::filesystem;
    const std::string url = components::databaseUrl();
    bool replace = force;
    if (const auto path = sqliteFilePath(url)) {
        std::error_code ec;
        if (fs::exists(*path, ec)) {
            // An empty file holds no database: creating one there touches nothing.
            const bool empty = fs::is_regular_file(*path, ec) && fs::file_size(*path, ec) == 0 && !ec;
            if (!empty && !force) {
                err << "fichas: a database already exists at " << *path
                    << "; use --force to replace it\n";
                return ExitFailed;
            }
            replace = true;
        } else if (*path == components::defaultDatabasePath()) {
            const fs::path parent = fs::path(*path).parent_path();
            if (!parent.empty() && !fs::create_directories(parent, ec) && ec) {
                err << "fichas: cannot create the folder " << parent.string() << ": " << ec.message()
                    << "\n";
                return ExitFailed;
            }
        }
    }
    try {
        schema::createPracticeDatabase(url, demo, replace);
    } catch (const platform::RuntimeError& e) {
        err << "fichas: cannot create the database at " << url << ": " << e.description() << "\n";
        return ExitFailed;
    } catch (const std::exception& e) {
        err << "fichas: cannot create the database at " << url << ": " << e.what() << "\n";
        return ExitFailed;
    }
    out << "created the practice database at " << url << (demo ? " with the demo data" : "") << "\n";
    return ExitOk;
}

}  // namespace zolk::cli
