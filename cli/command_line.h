#pragma once
// The command line of fichas, described once: the parser reads it, --help prints it, and the
// manual page is written from it.
#include <CLI/CLI.hpp>

#include <memory>
#include <string>

namespace zolk::cli {

// What the command line says, filled in by parsing.
struct CommandLineValues {
    std::string database;
    bool demo = false;
    bool force = false;
    std::string script = "-";
    bool json = false;
    std::string statement;
    bool replaceForDemo = false;
    std::string progId;
    std::string condicao;
    std::string svgFile;
};

// The fichas command line bound to `values`. Every subcommand takes --database (before or after
// its name) and --help; the command itself takes --version.
std::unique_ptr<CLI::App> describeCommandLine(CommandLineValues& values);

// "fichas 2.0.36 (ZOLK_N_FichasClinicas 2.00.0036)": the package's version, then the library's own.
std::string versionText();

// What the help and the manual page say after the options.
extern const char* const EnvironmentHelp;
extern const char* const ExitStatusHelp;

}  // namespace zolk::cli
