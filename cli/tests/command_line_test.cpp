// What the command line tells its user about a mistyped word: the nearest one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/tests/cli_test_support.h"

namespace zolk::cli::testing {
namespace {

using CommandHelp = CliTest;

TEST_F(CommandHelp, MistypedWordsAreRefusedWithTheNearestOne) {
    const struct { std::vector<std::string> args; std::string message; } cases[] = {
        {{"inti"}, "unknown command inti; did you mean init?"},
        {{"init", "--forse"}, "unknown option --forse for init; did you mean --force?"},
        {{"--databse=x.db", "init"}, "unknown option --databse for init; did you mean --database?"},
        {{"run", "--data", "x.db"}, "unknown option --data for run; did you mean --database?"},
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

}  // namespace
}  // namespace zolk::cli::testing
