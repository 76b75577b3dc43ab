#include "cli/command.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/register_library.h"
#include "components/provider/settings.h"

namespace zolk::cli {

int runCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err) {
    CLI::App app{"Clinical records of the practice, driven as a front end drives the library.",
                 "fichas"};
    app.fallthrough();
    app.require_subcommand(1);
    app.failure_message([](const CLI::App*, const CLI::Error& e) {
        return "fichas: " + std::string(e.what()) + "\nRun with --help for more information.\n";
    });

    std::string database;
    app.add_option("--database", database,
                   "database URL: sqlite:PATH or PATH (default: ZOLK_DATABASE, else the user's "
                   "data folder)");

    bool demo = false, force = false;
    CLI::App* init = app.add_subcommand("init", "create the practice database");
    init->add_flag("--demo", demo, "add the demo data set");
    init->add_flag("--force", force, "replace an existing database");

    std::string script = "-";
    CLI::App* run = app.add_subcommand("run", "run a script, one JSON line per step");
    run->add_option("script", script, "script file (JSON array or JSON Lines); - for standard input");

    bool json = false;
    std::string statement;
    CLI::App* sql = app.add_subcommand("sql", "run one statement through the provider");
    sql->add_flag("--json", json, "print the rows as JSON");
    sql->add_option("statement", statement, "the statement text")->required();

    std::string progId;
    CLI::App* members = app.add_subcommand("members", "print the dispatch interface of a class");
    members->add_option("progid", progId, "programmatic identifier")->required();

    try {
        // CLI11 reads its argument vector from the back.
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e, out, err);
        return status == 0 ? ExitOk : ExitUnreadable;
    }

    components::setDatabaseOverride(database);
    registerLibraryClasses();

    if (init->parsed()) return initDatabase(demo, force, out, err);
    if (run->parsed()) return runScript(script, in, out, err);
    if (sql->parsed()) return runStatement(statement, json, out, err);
    return listMembers(progId, out, err);
}

}  // namespace zolk::cli
