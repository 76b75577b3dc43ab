// The README's "Jet dialect" examples, run as the reader would: each one through `fichas sql`
// on a new practice database, its printed row compared with the answer the README gives.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "cli/tests/cli_test_support.h"

namespace zolk::cli::testing {
namespace {

// The texts between backquotes in `text`.
std::vector<std::string> quoted(const std::string& text) {
    std::vector<std::string> out;
    const std::regex code("`([^`]*)`");
    for (std::sregex_iterator it(text.begin(), text.end(), code), end; it != end; ++it) out.push_back((*it)[1]);
    return out;
}

using JetDialect = CliTest;

// The rows of the table under "### Functions and operators": family | accepted | example | answer.
TEST_F(JetDialect, EveryReadmeExampleGivesItsAnswer) {
    createDatabase();
    std::ifstream in(std::string(ZOLK_SOURCE_DIR) + "/README.md");
    const std::regex row(R"(\| ([^|]+) \| .* \| (`[^`]*`) \| ([^|]*) \|)");
    bool inSection = false;
    int examples = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("## ", 0) == 0 || line.rfind("### ", 0) == 0) inSection = line == "### Functions and operators";
        std::smatch m;
        if (!inSection || !std::regex_match(line, m, row)) continue;
        ++examples;
        const std::string statement = quoted(m[2])[0];
        const Outcome o = fichas({"sql", statement});
        ASSERT_EQ(o.status, 0) << statement << "\n" << o.err;
        // Header, rule, the one row, "(1 row)"; the values of the row between " | ".
        std::istringstream printed(o.out);
        std::string header, rule, values, count;
        std::getline(printed, header), std::getline(printed, rule), std::getline(printed, values);
        std::getline(printed, count);
        EXPECT_EQ(count, "(1 row)") << o.out;
        std::vector<std::string> got;
        for (std::size_t at = 0;;) {
            const std::size_t next = values.find(" | ", at);
            std::string v = values.substr(at, next == std::string::npos ? std::string::npos : next - at);
            const std::size_t first = v.find_first_not_of(' '), last = v.find_last_not_of(' ');
            got.push_back(first == std::string::npos ? "" : v.substr(first, last - first + 1));
            if (next == std::string::npos) break;
            at = next + 3;
        }
        EXPECT_EQ(got, quoted(m[3])) << m[1] << ": " << statement;
    }
    EXPECT_GE(examples, 7) << "the README's table of functions and operators was not found";
}

}  // namespace
}  // namespace zolk::cli::testing
