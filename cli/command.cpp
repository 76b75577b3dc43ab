#include "cli/command.h"

#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <new>
#include <ostream>

#include "cli/command_line.h"
#include "cli/demo_tour.h"
#include "cli/new_database.h"
#include "cli/suggestions.h"
#include "classes/class_table.h"
#include "components/provider/session_pool.h"
#include "components/provider/settings.h"
#include "platform/runtime_error.h"

namespace zolk::cli {

namespace {

// The tour always starts from a fresh demo database; a practice's own database is replaced only
// when asked for, and nothing else ever is.
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
    } else if (!mayMakePracticeDatabase(url, replace, err)) {
        return ExitFailed;
    }
    components::setDatabaseOverride(url);
    const int status = runDemoTour(url, out, replace);
    return status == 0 ? ExitOk : ExitFailed;
}

// Whether --database was given, before or after the subcommand's name.
bool databaseGiven(const CLI::App& app) {
    if (app.get_option("--database")->count() > 0) return true;
    for (const CLI::App* sub : app.get_subcommands()) {
        const CLI::Option* option = sub->get_option_no_throw("--database");
        if (option && option->count() > 0) return true;
    }
    return false;
}

// The command itself; runCommand turns whatever it raises into a message and status 1.
int runUnguarded(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
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

    // An empty --database would otherwise mean "not given" and select the default database.
    if (v.database.empty() && databaseGiven(*app))
        return unreadable("--database needs a database URL (sqlite:PATH, PATH or postgresql://...); an empty one is refused");
    components::setDatabaseOverride(v.database);
    classes::registerClasses();

    if (app->got_subcommand("init")) return initDatabase(v.demo, v.force, out, err);
    if (app->got_subcommand("run")) return runScript(v.script, in, out, err);
    if (app->got_subcommand("sql")) return runStatement(v.statement, v.json, out, err);
    if (app->got_subcommand("demo")) return runDemo(v.database, v.replaceForDemo, out, err);
    if (app->got_subcommand("analise")) return runAnalysis(v.condicao, v.svgFile, out, err);
    return listMembers(v.progId, out, err);
}

}  // namespace

int runCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err) {
    // A command leaves the database as its process would at exit: the sessions it kept for its
    // operations closed, and with them the log beside the file.
    struct CloseKeptSessions {
        ~CloseKeptSessions() { components::closeIdleSessions(); }
    } closeKeptSessions;
    try {
        return runUnguarded(args, in, out, err);
    } catch (const platform::RuntimeError& e) {
        err << "fichas: " << e.description() << " (" << e.number() << ")\n";
    } catch (const std::bad_alloc&) {
        err << "fichas: out of memory\n";
    } catch (const std::exception& e) {
        err << "fichas: " << e.what() << "\n";
    } catch (...) {
        err << "fichas: the command stopped on an unexpected failure\n";
    }
    return ExitFailed;
}

}  // namespace zolk::cli
