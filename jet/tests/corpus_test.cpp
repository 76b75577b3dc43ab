// The statement corpus: every statement form of the business classes, as the classes write it,
// run in order on a fresh demo practice database per file (jet/tests/corpus/*.sql).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "jet/tests/jet_test_support.h"
#include "schema/practice_database.h"

namespace zolk::jet {
namespace {

struct CorpusCase {
    std::string name;
    int line = 0;
    std::string expect;
    std::vector<std::string> columns;
    bool hasColumns = false;
    std::string statement;
};

std::string trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r");
    return b == std::string::npos ? "" : s.substr(b, s.find_last_not_of(" \t\r") - b + 1);
}

// "-- case:" opens a case; the "-- " lines right after it are its headers; the statement is
// the lines after them up to the next case, joined with "\n", trailing newlines removed.
std::vector<CorpusCase> readCorpus(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::vector<CorpusCase> cases;
    std::string line;
    int number = 0;
    bool inHeaders = false;
    while (std::getline(in, line)) {
        ++number;
        if (line.rfind("-- case:", 0) == 0) {
            cases.push_back({trim(line.substr(8)), number, "", {}, false, ""});
            inHeaders = true;
        } else if (!cases.empty() && inHeaders && line.rfind("-- ", 0) == 0) {
            CorpusCase& c = cases.back();
            if (line.rfind("-- expect:", 0) == 0) c.expect = trim(line.substr(10));
            if (line.rfind("-- columns:", 0) == 0) {
                c.hasColumns = true;
                std::stringstream list(line.substr(11));
                for (std::string col; std::getline(list, col, ',');) c.columns.push_back(trim(col));
            }
        } else if (!cases.empty()) {
            inHeaders = false;
            cases.back().statement += (cases.back().statement.empty() ? "" : "\n") + line;
        }
    }
    for (auto& c : cases)
        while (!c.statement.empty() && (c.statement.back() == '\n' || c.statement.back() == '\r')) c.statement.pop_back();
    return cases;
}

// Checks one case's outcome against its expect line ("rows N", "rows >= N", "changes N",
// "error NUMBER [HELPCONTEXT]"); returns what went wrong, or "".
std::string check(const CorpusCase& c, Session& s) {
    std::stringstream ex(c.expect);
    std::string kind, op;
    ex >> kind >> op;
    const bool atLeast = op == ">=";
    std::int64_t n = 0, help = -1;
    if (atLeast) ex >> n;
    else n = std::stoll(op);
    if (!(ex >> help)) help = -1;
    ExecResult r;
    try {
        r = s.execute(c.statement);
    } catch (const platform::RuntimeError& e) {
        const std::string raised = "raised " + std::to_string(e.number()) + " (" + std::to_string(e.helpContext()) + "): " + e.description();
        return kind == "error" && e.number() == n && (help < 0 || e.helpContext() == help) ? "" : raised;
    }
    if (kind == "changes") return !r.returnsRows && r.rowsAffected == n ? "" : "changed " + std::to_string(r.rowsAffected) + " rows";
    if (kind != "rows" || !r.returnsRows) return "ran, expected " + c.expect;
    const auto count = static_cast<std::int64_t>(r.rows.rowCount());
    if (atLeast ? count < n : count != n) return "returned " + std::to_string(count) + " rows";
    std::vector<std::string> names;
    for (const auto& col : r.rows.columns) names.push_back(col.name);
    if (c.hasColumns && names != c.columns) return "other columns, the first " + (names.empty() ? "none" : names[0]);
    return "";
}

std::vector<std::string> corpusFiles() {
    std::vector<std::string> files;
    const std::filesystem::path dir = std::filesystem::path(ZOLK_SOURCE_DIR) / "jet/tests/corpus";
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(dir, ec))
        if (e.path().extension() == ".sql") files.push_back(e.path().stem().string());
    std::sort(files.begin(), files.end());
    return files;
}

class Corpus : public ::testing::TestWithParam<std::string> {};

TEST_P(Corpus, EveryStatementBehavesAsExpected) {
    const auto file = std::filesystem::path(ZOLK_SOURCE_DIR) / "jet/tests/corpus" / (GetParam() + ".sql");
    const auto cases = readCorpus(file);
    ASSERT_FALSE(cases.empty()) << file;
    testing::TempDatabase db;
    schema::createPracticeDatabase(db.url(), true, false);
    auto s = openSession(db.url());
    for (const auto& c : cases) {
        const std::string problem = check(c, *s);
        EXPECT_EQ(problem, "") << GetParam() << ".sql:" << c.line << " case " << c.name
                               << " (expect: " << c.expect << ")\n"
                               << c.statement;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, Corpus, ::testing::ValuesIn(corpusFiles()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace zolk::jet
