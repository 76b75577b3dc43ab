#include "cli/command.h"

#include <CLI/CLI.hpp>
#include <stdlib.h>

#include <filesystem>
#include <ostream>

#include "cli/demo_tour.h"
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

    bool replaceForDemo = false;
    CLI::App* demoTour = app.add_subcommand(
        "demo", "guided tour: a consultation on a fresh demo database (a temporary file unless "
                "--database is given)");
    demoTour->add_flag("--force", replaceForDemo, "replace the database given with --database");

    std::string progId;
    CLI::App* members = app.add_subcommand("members", "print the dispatch interface of a class");
    members->add_option("progid", progId, "programmatic identifier")->required();

    std::string condicao, svgFile;
    CLI::App* analise = app.add_subcommand("analise", "the diagnoses of the clinical records, most frequent first");
    analise->add_option("--condicao", condicao,
                        "an extra condition on the clinical records, in Jet SQL (the leading AND may be left "
                        "out), e.g. \"FichasClinicas.CodigoDoVeterinario = 3\"");
    analise->add_option("--svg", svgFile, "also write the ranking as a bar chart to this SVG file");

    try {
        // CLI11 reads its argument vector from the back.
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e, out, err);
        return status == 0 ? ExitOk : ExitUnreadable;
    }

    components::setDatabaseOverride(database);
    classes::registerClasses();

    if (init->parsed()) return initDatabase(demo, force, out, err);
    if (run->parsed()) return runScript(script, in, out, err);
    if (sql->parsed()) return runStatement(statement, json, out, err);
    if (demoTour->parsed()) return runDemo(database, replaceForDemo, out, err);
    if (analise->parsed()) return runAnalysis(condicao, svgFile, out, err);
    return listMembers(progId, out, err);
}

}  // namespace zolk::cli
