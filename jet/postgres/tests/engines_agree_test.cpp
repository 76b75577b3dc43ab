// PostgreSQL against SQLite: the statement corpus (every statement form of the business classes)
// runs in order on a fresh demo database of each engine, and every statement must give the same
// columns, types and values, the same count of rows changed, or the same error number. Runs when
// the tests have a server (ZOLK_TEST_POSTGRES).
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "jet/engine.h"
#include "platform/runtime_error.h"
#include "schema/practice_database.h"
#include "testsupport/corpus.h"
#include "testsupport/server_database.h"

namespace zolk::jet {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    ExecResult result;
    std::int32_t error = 0;
    std::string message;
};

Outcome run(Session& s, const std::string& sql) {
    Outcome o;
    try {
        o.result = s.execute(sql);
    } catch (const platform::RuntimeError& e) {
        o.error = e.number();
        o.message = e.description();
    }
    return o;
}

// Equal values; moments written by Now() on each engine may be a few seconds apart.
bool same(const platform::Variant& a, const platform::Variant& b) {
    if (a.type() != b.type()) return false;
    switch (a.type()) {
        case platform::VarType::Date: return std::fabs(a.asDate().serial() - b.asDate().serial()) < 5.0 / 86400;
        case platform::VarType::Double: return std::fabs(a.asDouble() - b.asDouble()) <= 1e-9 * std::fabs(a.asDouble());
        case platform::VarType::Null:
        case platform::VarType::Empty: return true;
        default: return a.toString() == b.toString();
    }
}

std::string show(const platform::Variant& v) {
    return std::to_string(static_cast<int>(v.type())) + ":" + (v.isNull() ? "Null" : v.toString());
}

class EnginesAgree : public ::testing::TestWithParam<std::string> {};

TEST_P(EnginesAgree, EveryStatementOfTheCorpus) {
    const auto server = testsupport::testServer();
    if (!server) GTEST_SKIP() << "no PostgreSQL server for the tests (ZOLK_TEST_POSTGRES)";
    const std::string file = GetParam();
    std::vector<std::string> cases;
    std::ifstream in(std::string(ZOLK_SOURCE_DIR) + "/jet/tests/corpus/" + file);
    for (std::string line; std::getline(in, line);)
        if (line.rfind("-- case: ", 0) == 0) cases.push_back(line.substr(9));
    ASSERT_FALSE(cases.empty());

    const fs::path folder = fs::temp_directory_path() / ("zolk-agree-" + std::to_string(::getpid()) + file);
    fs::create_directories(folder);
    const std::string sqliteUrl = (folder / "practice.db").string();
    schema::createPracticeDatabase(sqliteUrl, true, false);
    testsupport::ServerDatabase pg(*server, true);
    auto lite = openSession(sqliteUrl);
    auto post = openSession(pg.url());
    std::size_t ran = 0;  // statements both engines ran without an error
    for (const std::string& name : cases) {
        SCOPED_TRACE(file + ": " + name);
        const std::string sql = testsupport::corpus(file, name);
        const Outcome a = run(*lite, sql), b = run(*post, sql);
        ASSERT_EQ(a.error, b.error) << sql << "\nSQLite: " << a.message << "\nPostgreSQL: " << b.message;
        if (a.error) continue;
        ++ran;
        ASSERT_EQ(a.result.returnsRows, b.result.returnsRows);
        if (!a.result.returnsRows) {
            EXPECT_EQ(a.result.rowsAffected, b.result.rowsAffected) << sql;
            continue;
        }
        const RowSet& x = a.result.rows;
        const RowSet& y = b.result.rows;
        ASSERT_EQ(x.columns.size(), y.columns.size()) << sql;
        for (std::size_t c = 0; c < x.columns.size(); ++c) {
            EXPECT_EQ(x.columns[c].name, y.columns[c].name);
            EXPECT_EQ(x.columns[c].type, y.columns[c].type) << x.columns[c].name;
        }
        ASSERT_EQ(x.rowCount(), y.rowCount()) << sql;
        for (std::size_t i = 0; i < x.cells.size(); ++i)
            EXPECT_TRUE(same(x.cells[i], y.cells[i]))
                << sql << "\nrow " << i / x.columns.size() << " column " << x.columns[i % x.columns.size()].name
                << ": SQLite " << show(x.cells[i]) << ", PostgreSQL " << show(y.cells[i]);
    }
    EXPECT_GT(ran, cases.size() / 2) << "most of the corpus runs without an error";
    lite.reset();
    std::error_code ec;
    fs::remove_all(folder, ec);
}

INSTANTIATE_TEST_SUITE_P(Corpus, EnginesAgree,
                         ::testing::Values("consultas.sql", "exames.sql", "fichas.sql", "medicacoes.sql",
                                           "procedimentos.sql", "receitas.sql", "vacinacoes.sql"),
                         [](const auto& info) { return info.param.substr(0, info.param.find('.')); });

}  // namespace
}  // namespace zolk::jet
