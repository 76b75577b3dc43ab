// The README's "Jet dialect" examples, run as the reader would: each one through `fichas sql`
// on a new practice database, its printed row compared with the answer the README gives.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/tests/cli_test_support.h"

namespace zolk::cli::testing {
namespace {

struct Example {
    std::string family;
    std::string statement;
    std::vector<std::string> answers;
};

// The texts between backquotes in a table cell.
std::vector<std::string> quoted(const std::string& cell) {
    std::vector<std::string> out;
    std::size_t at = 0;
    while (true) {
        const std::size_t open = cell.find('`', at);
        if (open == std::string::npos) break;
        const std::size_t close = cell.find('`', open + 1);
        if (close == std::string::npos) break;
        out.push_back(cell.substr(open + 1, close - open - 1));
        at = close + 1;
    }
    return out;
}

std::vector<std::string> split(const std::string& line, const std::string& by) {
    std::vector<std::string> out;
    std::size_t at = 0;
    while (true) {
        const std::size_t next = line.find(by, at);
        out.push_back(line.substr(at, next == std::string::npos ? std::string::npos : next - at));
        if (next == std::string::npos) return out;
        at = next + by.size();
    }
}

std::string trimmed(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '|')) s.pop_back();
    while (!s.empty() && (s.front() == ' ' || s.front() == '|')) s.erase(s.begin());
    return s;
}

// The rows of the table under "### Functions and operators": family, accepted, example, answer.
std::vector<Example> readmeExamples() {
    std::ifstream in(std::string(ZOLK_SOURCE_DIR) + "/README.md");
    std::vector<Example> examples;
    bool inSection = false;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("### ", 0) == 0 || line.rfind("## ", 0) == 0)
            inSection = line == "### Functions and operators";
        if (!inSection || line.rfind("| ", 0) != 0 || line.rfind("| Family", 0) == 0) continue;
        const auto cells = split(line, " | ");
        if (cells.size() != 4) continue;
        const auto statement = quoted(cells[2]);
        if (statement.size() != 1) continue;
        examples.push_back({trimmed(cells[0]), statement[0], quoted(cells[3])});
    }
    return examples;
}

using JetDialect = CliTest;

TEST_F(JetDialect, EveryReadmeExampleGivesItsAnswer) {
    const auto examples = readmeExamples();
    ASSERT_GE(examples.size(), 7u) << "the README's table of functions and operators was not found";
    createDatabase();
    for (const auto& example : examples) {
        const Outcome o = fichas({"sql", example.statement});
        ASSERT_EQ(o.status, 0) << example.statement << "\n" << o.err;
        // Header, rule, the one row, "(1 row)".
        const auto lines = split(o.out, "\n");
        ASSERT_GE(lines.size(), 4u) << o.out;
        EXPECT_EQ(lines[3], "(1 row)") << o.out;
        std::vector<std::string> values;
        for (const auto& v : split(lines[2], " | ")) values.push_back(trimmed(v));
        EXPECT_EQ(values, example.answers) << example.family << ": " << example.statement;
    }
}

}  // namespace
}  // namespace zolk::cli::testing
