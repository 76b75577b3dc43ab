// What the command line tells its user: the version, the help of every subcommand, the nearest
// word for a mistyped one, and the manual page.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/manual_page.h"
#include "cli/suggestions.h"
#include "cli/tests/cli_test_support.h"
#include "frame/registration.h"

namespace zolk::cli::testing {
namespace {

using CommandHelp = CliTest;

TEST_F(CommandHelp, VersionNamesThePackageAndLibraryVersionsAndTheyAgree) {
    const Outcome o = fichasRaw({"--version"});
    ASSERT_EQ(o.status, ExitOk) << o.err;
    std::smatch m;
    ASSERT_TRUE(std::regex_match(o.out, m, std::regex(R"(fichas (\d+)\.(\d+)\.(\d+) \(ZOLK_N_FichasClinicas (\d+)\.(\d+)\.(\d+)\)\n)")))
        << o.out;
    // The package's 2.0.36 is the library's own 2.00.0036.
    for (int part = 1; part <= 3; ++part) EXPECT_EQ(std::stoi(m[part]), std::stoi(m[part + 3])) << o.out;
    EXPECT_EQ(m[4].str() + "." + m[5].str() + "." + m[6].str(), frame::libraryIdentity().fileVersion);
}

TEST_F(CommandHelp, EverySubcommandHelpShowsItsOwnOptionsAndTheDatabase) {
    CommandLineValues values;
    const auto app = describeCommandLine(values);
    const Outcome top = fichasRaw({"--help"});
    ASSERT_EQ(top.status, ExitOk);
    for (const char* word : {"--version", "--database", "ZOLK_DATABASE", "Exit status"})
        EXPECT_TRUE(mentions(top.out, word)) << word << "\n" << top.out;

    for (const CLI::App* sub : app->get_subcommands({})) {
        EXPECT_TRUE(mentions(top.out, sub->get_name())) << sub->get_name();
        const Outcome help = fichasRaw({sub->get_name(), "--help"});
        EXPECT_EQ(help.status, ExitOk) << sub->get_name();
        EXPECT_TRUE(mentions(help.out, "--database URL")) << help.out;
        for (const CLI::Option* option : sub->get_options({}))
            EXPECT_TRUE(mentions(help.out, option->get_name(true))) << option->get_name(true) << "\n" << help.out;
        // Nothing ran: no database was made.
        EXPECT_FALSE(std::filesystem::exists(database_));
    }
}

TEST_F(CommandHelp, MistypedWordsAreRefusedWithTheNearestOne) {
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"inti"}, "unknown command inti; did you mean init?"},
        {{"init", "--forse"}, "unknown option --forse for init; did you mean --force?"},
        {{"sql", "--jsn"}, "unknown option --jsn for sql; did you mean --json?"},
        {{"--databse=x.db", "init"}, "unknown option --databse for init; did you mean --database?"},
        {{"run", "--data", "x.db"}, "unknown option --data for run; did you mean --database?"},
        {{"--verison"}, "unknown option --verison; did you mean --version?"},
        {{"frobnicate"}, "unknown command frobnicate\n"},
        {{"run", "a.json", "b.json"}, "unexpected argument b.json for run\n"},
    };
    for (const auto& c : cases) {
        const Outcome o = fichasRaw(c.args);
        EXPECT_EQ(o.status, ExitUnreadable) << c.message;
        EXPECT_TRUE(mentions(o.err, "fichas: " + c.message)) << o.err;
        EXPECT_EQ(o.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists("x.db"));
}

TEST(NearestWord, TakesTheClosestNearEnoughOrTheOnlyAbbreviatedOne) {
    const std::vector<std::string> commands{"init", "run", "sql", "demo", "members"};
    EXPECT_EQ(nearestWord("rnu", commands), "run");
    EXPECT_EQ(nearestWord("mem", commands), "members");
    EXPECT_EQ(nearestWord("xyz", commands), "");
    EXPECT_EQ(nearestWord(std::string(100000, 'i'), commands), "");
    // An abbreviation of two candidates names neither.
    EXPECT_EQ(nearestWord("--d", {"--demo", "--database"}), "");
    // Ties go to the first candidate.
    EXPECT_EQ(nearestWord("ab", {"ac", "ad"}), "ac");
}

TEST(ManualPage, DescribesEverySubcommandAndOptionOfTheCommandLine) {
    CommandLineValues values;
    const auto app = describeCommandLine(values);
    std::ostringstream page;
    writeManualPage(*app, page);
    const std::string text = page.str();
    EXPECT_EQ(text.rfind(".TH FICHAS 1 ", 0), 0u) << text;
    for (const char* section : {".SH NAME", ".SH SYNOPSIS", ".SH COMMANDS", ".SH OPTIONS", ".SH ENVIRONMENT",
                                ".SH \"EXIT STATUS\""})
        EXPECT_TRUE(mentions(text, std::string("\n") + section + "\n")) << section;
    for (const CLI::App* sub : app->get_subcommands({})) {
        const std::size_t at = text.find("\n.SS " + sub->get_name() + "\n");
        ASSERT_NE(at, std::string::npos) << sub->get_name();
        const std::string entry = text.substr(at, text.find("\n.SS ", at + 1) - at);
        EXPECT_TRUE(mentions(entry, "\\fB\\-\\-database\\fR \\fIURL\\fR")) << entry;
        for (const CLI::Option* option : sub->get_options({})) {
            std::string description;
            for (char c : option->get_description()) description += c == '-' ? std::string("\\-") : std::string(1, c);
            EXPECT_TRUE(mentions(entry, description)) << description << "\n" << entry;
        }
    }
    // A line starting with a dot would be read as a request.
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line[0] == '.') {
            EXPECT_TRUE(std::regex_match(line, std::regex(R"(\.(TH|SH|SS|TP|B|br)( .*)?)"))) << line;
        }
    }
}

}  // namespace
}  // namespace zolk::cli::testing
