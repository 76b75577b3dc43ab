#include "cli/command.h"

#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <ostream>

#include "cli/command_line.h"
#include "cli/demo_tour.h"
#include "cli/suggestions.h"
#include "classes/class_table.h"
#include "components/provider/settings.h"
#include "jet/engine.h"

namespace zolk::cli {

namespace {

// The tour always starts from a fresh demo database; a practice's own database is never
// replaced unless asked for.
int runDemo(const std::string& database, bool replace, std::ostream& out, std::ostream& err) {
    std::string url = database;
    if (url.empty()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "fichas-demo-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            err << "fichas: cannot create a temporary folder for the demo database\n";
            return ExitFailed;
        }
        // Kept after the tour, so what it wrote can be looked at.
        url = (std::filesystem::path(pattern) / "practice.db").string();
    } else if (!replace && jet::databaseVersion(url) != 0) {
        err << "fichas: " << url
            << " already holds a practice database; the tour needs a fresh one (use --force to "
               "replace it)\n";
        return ExitFailed;
    }
    components::setDatabaseOverride(url);
    const int status = runDemoTour(url, out);
    return status == 0 ? ExitOk : ExitFailed;
}

}  // namespace

int runCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err) {
    CommandLineValues v;
    const std::unique_ptr<CLI::App> app = describeCommandLine(v);
    const auto unreadable = [&](const std::string& message) {
        err << "fichas: " << message << "\nRun with --help for more information.\n";
        return ExitUnreadable;
    };
    try {
        // CLI11 reads its argument vector from the back.
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        app->parse(reversed);
    } catch (const CLI::Success& e) {
        return app->exit(e, out, err) == 0 ? ExitOk : ExitUnreadable;  // --help, --version
    } catch (const CLI::ParseError& e) {
        // A mistyped word is the likelier cause of whatever else went wrong.
        const std::string unknown = unknownWordsMessage(*app);
        return unreadable(unknown.empty() ? std::string(e.what()) : unknown);
    }
    if (const std::string unknown = unknownWordsMessage(*app); !unknown.empty()) return unreadable(unknown);

    components::setDatabaseOverride(v.database);
    classes::registerClasses();

    if (app->got_subcommand("init")) return initDatabase(v.demo, v.force, out, err);
    if (app->got_subcommand("run")) return runScript(v.script, in, out, err);
    if (app->got_subcommand("sql")) return runStatement(v.statement, v.json, out, err);
    if (app->got_subcommand("demo")) return runDemo(v.database, v.replaceForDemo, out, err);
    if (app->got_subcommand("analise")) return runAnalysis(v.condicao, v.svgFile, out, err);
    return listMembers(v.progId, out, err);
}

}  // namespace zolk::cli
