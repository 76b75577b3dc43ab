#include "cli/command_line.h"

#include "frame/registration.h"

#ifndef ZOLK_VERSION
#error "ZOLK_VERSION is defined by cli/CMakeLists.txt from the project's version"
#endif

namespace zolk::cli {

const char* const EnvironmentHelp =
    "ZOLK_DATABASE     the database URL when --database is not given\n"
    "ZOLK_SQL_TRACE    a file that receives one JSON line per statement the library sends\n"
    "XDG_DATA_HOME     the default database is $XDG_DATA_HOME/zolk/practice.db\n"
    "                  (~/.local/share/zolk/practice.db)";

const char* const ExitStatusHelp =
    "0  everything ran (whatever result codes the operations returned)\n"
    "1  a script step or the subcommand's work failed\n"
    "2  the command line or the script cannot be read";

std::string versionText() {
    const frame::LibraryIdentity& library = frame::libraryIdentity();
    return std::string("fichas ") + ZOLK_VERSION + " (" + std::string(library.name) + " " +
           std::string(library.fileVersion) + ")";
}

std::unique_ptr<CLI::App> describeCommandLine(CommandLineValues& v) {
    auto app = std::make_unique<CLI::App>(
        "Clinical records of the practice, driven as a front end drives the library.", "fichas");
    app->fallthrough();
    app->require_subcommand(1);
    // Unknown words are left for the caller, which suggests the nearest known one.
    app->allow_extras();
    app->set_version_flag("--version", versionText(), "print the version and exit");
    app->footer(std::string("Environment:\n") + EnvironmentHelp + "\n\nExit status:\n" + ExitStatusHelp);

    CLI::App* init = app->add_subcommand("init", "create the practice database");
    init->add_flag("--demo", v.demo, "add the demo data set");
    init->add_flag("--force", v.force, "replace an existing practice database");

    CLI::App* run = app->add_subcommand("run", "run a script, one JSON line per step");
    run->add_option("script", v.script, "script file (JSON array or JSON Lines); - for standard input");

    CLI::App* sql = app->add_subcommand("sql", "run one statement through the provider");
    sql->add_flag("--json", v.json, "print the rows as JSON");
    sql->add_option("statement", v.statement, "the statement text")->required();

    CLI::App* demo = app->add_subcommand(
        "demo", "guided tour: a consultation on a fresh demo database (a temporary file unless "
                "--database is given)");
    demo->add_flag("--force", v.replaceForDemo, "replace the database given with --database");

    CLI::App* members = app->add_subcommand("members", "print the dispatch interface of a class");
    members->add_option("progid", v.progId, "programmatic identifier")->required();

    CLI::App* analise = app->add_subcommand("analise", "the diagnoses of the clinical records, most frequent first");
    analise->add_option("--condicao", v.condicao,
                        "an extra condition on the clinical records, in Jet SQL (the leading AND may be left "
                        "out), e.g. \"FichasClinicas.CodigoDoVeterinario = 3\"")
        ->type_name("TEXT");
    analise->add_option("--svg", v.svgFile, "also write the ranking as a bar chart to this SVG file")
        ->type_name("FILE");

    const std::string databaseHelp =
        "database URL: sqlite:PATH, PATH or postgresql://... (default: ZOLK_DATABASE, else the user's data folder)";
    app->add_option("--database", v.database, databaseHelp)->type_name("URL");
    for (CLI::App* sub : app->get_subcommands({})) {
        sub->allow_extras();
        sub->add_option("--database", v.database, databaseHelp)->type_name("URL");
    }
    return app;
}

}  // namespace zolk::cli
