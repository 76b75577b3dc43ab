#pragma once
// The fichas command: `init`, `run`, `sql`, `members`, `demo`, `analise`, with `--database URL` on each.
#include <iosfwd>
#include <string>
#include <vector>

namespace zolk::cli {

// Exit statuses.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailed = 1;    // a step error, or the subcommand's work failed
inline constexpr int ExitUnreadable = 2;  // the command line or the script cannot be read

// Runs the command with `args` (without the program name). Results go to `out`, messages to
// `err`; `in` is the script of `run -`.
int runCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err);

// Inside a catch block: tells the error being handled on `err` ("fichas: ...", with its number
// when it has one) and gives ExitFailed.
int reportFailure(std::ostream& err);

// The subcommands, once the command line is read and the database override is set.
int initDatabase(bool demo, bool force, std::ostream& out, std::ostream& err);
int runScript(const std::string& file, std::istream& in, std::ostream& out, std::ostream& err);
int runStatement(const std::string& text, bool json, std::ostream& out, std::ostream& err);
int listMembers(const std::string& progId, std::ostream& out, std::ostream& err);
// `svgFile` "" writes no chart.
int runAnalysis(const std::string& condicao, const std::string& svgFile, std::ostream& out, std::ostream& err);

}  // namespace zolk::cli
