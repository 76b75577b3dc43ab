// Statements past the translator's limits: refused with -2147217900 naming the limit, on a
// thread with a small stack, however long or deep; and the library's own statements far below.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>

#include "jet/lexer.h"
#include "jet/limits.h"
#include "jet/parser.h"
#include "jet/rewrites.h"
#include "jet/tests/jet_test_support.h"
#include "jet/tests/small_stack.h"

namespace zolk::jet {
namespace {

namespace err = platform::err;

std::string repeat(const std::string& s, std::size_t n) {
    std::string out;
    for (std::size_t i = 0; i < n; ++i) out += s;
    return out;
}

// Pessoas and n tables more, joined (nested in parentheses or not) or listed with commas.
std::string joins(std::size_t n, bool nested, bool commas = false) {
    std::string s = "SELECT Pessoas.Codigo FROM " + repeat(nested ? "(" : "", n) + "Pessoas";
    for (std::size_t i = 0; i < n; ++i)
        s += (commas ? ", Itens AS i" : " INNER JOIN Itens AS i") + std::to_string(i) + (commas ? "" : nested ? " ON True)" : " ON True");
    return s;
}

// Each shape nests through a path of its own in the reader: ten thousand levels of it are
// refused clearly within a small stack, three of them run.
TEST(Limits, DeepShapesAreRefusedOnASmallStackAndShallowOnesRun) {
    const struct {
        const char* name;
        std::function<std::string(std::size_t)> text;
    } shapes[] = {
        {"comparisons", [](std::size_t n) { return "SELECT 1" + repeat(" < 1", n); }},
        {"calls", [](std::size_t n) { return "SELECT " + repeat("LEFT(", n) + "'abc'" + repeat(", 2)", n); }},
        {"parentheses", [](std::size_t n) { return "SELECT " + repeat("(", n) + "1" + repeat(")", n); }},
        {"minus", [](std::size_t n) { return "SELECT " + repeat("-", n) + "Codigo FROM Pessoas"; }},
        {"not", [](std::size_t n) { return "SELECT " + repeat("NOT ", n) + "True"; }},
        {"iif", [](std::size_t n) { return "SELECT " + repeat("IIF(Codigo > 1, 1, ", n) + "0" + repeat(")", n) + " FROM Pessoas"; }},
        {"switch", [](std::size_t n) { return "SELECT " + repeat("SWITCH(Codigo = 1, 'um', True, ", n) + "'outro'" + repeat(")", n) + " FROM Pessoas"; }},
        {"xor", [](std::size_t n) { return "SELECT True" + repeat(" XOR True", n); }},
        {"like", [](std::size_t n) { return "SELECT 'a'" + repeat(" LIKE 'a'", n); }},
        {"is_null", [](std::size_t n) { return "SELECT Nome" + repeat(" IS NULL", n) + " FROM Pessoas"; }},
        {"joins", [](std::size_t n) { return joins(n, false); }},
        {"nested_joins", [](std::size_t n) { return joins(n, true); }},
    };
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    std::size_t most = 0;
    for (const auto& shape : shapes) {
        SCOPED_TRACE(shape.name);
        testing::Raised raised;
        const std::size_t used = testing::runOnSmallStack([&] { raised = testing::errorOf(*s, shape.text(10000)); });
        EXPECT_EQ(raised.number, err::DbErrorsInCommand) << raised.description;
        EXPECT_EQ(raised.description.rfind("The statement is too complex: ", 0), 0u) << raised.description;
        EXPECT_LT(used, testing::kSmallStack / 2);
        most = std::max(most, used);
        testing::runOnSmallStack([&] { EXPECT_TRUE(s->execute(shape.text(3)).returnsRows); });
    }
    RecordProperty("most_stack_bytes", std::to_string(most));
}

TEST(Limits, LengthTermsFieldsAndTables) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    // The length counts characters: a text of two-byte characters at the limit runs.
    const std::size_t room = limits::kStatementCharacters - std::string("SELECT '' AS T").size();
    EXPECT_EQ(s->execute("SELECT '" + std::string(room, 'x') + "' AS T").rows.cells.at(0).asString().size(), room);
    EXPECT_EQ(testing::errorOf(*s, "SELECT '" + repeat("é", room) + "' AS T").number, 0);
    auto e = testing::errorOf(*s, "SELECT '" + std::string(room + 1, 'x') + "' AS T");
    EXPECT_EQ(e.number, err::DbErrorsInCommand);
    EXPECT_EQ(e.description, "The statement is too complex: the text is longer than 64000 characters.");

    auto inList = [](std::size_t n) {
        std::string sql = "SELECT Codigo FROM Pessoas WHERE Codigo IN (0";
        for (std::size_t i = 1; i < n; ++i) sql += "," + std::to_string(i % 7);
        return sql + ")";
    };
    // 2 terms per value: a list of 5,000 runs, one of 10,000 passes the limit.
    EXPECT_EQ(testing::render(s->execute(inList(5000)).rows), "L1;L2;L3;L4");
    e = testing::errorOf(*s, inList(10000));
    EXPECT_EQ(e.number, err::DbErrorsInCommand);
    EXPECT_EQ(e.description, "The statement is too complex: more than 20000 terms.");

    EXPECT_EQ(s->execute("SELECT " + repeat("Codigo, ", 254) + "Nome FROM Pessoas").rows.columns.size(), 255u);
    // Pessoas has 10 columns: 26 stars are 260 fields once expanded.
    EXPECT_EQ(s->execute("SELECT " + repeat("*, ", 24) + "* FROM Pessoas").rows.columns.size(), 250u);
    // Sort keys naming a large select list expression are written out once each.
    const std::string wide = "Len(Nome" + repeat(" & Nome", 200) + ")";
    EXPECT_EQ(testing::errorOf(*s, "SELECT " + wide + " AS W FROM Pessoas ORDER BY W, 1").description, "");
    const struct {
        std::string sql;
        const char* named;
    } refused[] = {
        {"SELECT " + repeat("Codigo, ", 255) + "Nome FROM Pessoas", "more than 255 fields in the select list"},
        {"SELECT " + repeat("*, ", 25) + "* FROM Pessoas", "more than 255 fields in the select list"},
        {"SELECT Codigo FROM Pessoas ORDER BY " + repeat("Codigo, ", 255) + "Nome", "more than 255 fields in ORDER BY"},
        {"SELECT Codigo FROM Pessoas GROUP BY " + repeat("Codigo, ", 255) + "Nome", "more than 255 fields in GROUP BY"},
        {joins(32, false), "more than 32 tables in FROM"},
        {joins(32, false, true), "more than 32 tables in FROM"},
        {"SELECT " + wide + " AS W FROM Pessoas ORDER BY " + repeat("W, ", 120) + "1", "terms once the sort keys are written out"},
    };
    for (const auto& r : refused) {
        e = testing::errorOf(*s, r.sql);
        EXPECT_EQ(e.number, err::DbErrorsInCommand) << r.named;
        EXPECT_NE(e.description.find(r.named), std::string::npos) << e.description;
    }
}

// Operators once written with copies of their operands are written once: the native text grows
// with the Jet text, not with a power of it, and gives Jet's answers.
TEST(Limits, OperatorsWriteEachOperandOnce) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    const std::string xors = "SELECT True" + repeat(" XOR True", 30) + " AS X";
    EXPECT_LT(s->translate(xors).native.size(), 2 * xors.size() + 200);
    EXPECT_EQ(testing::render(s->execute(xors).rows), "True");  // 31 trues: odd
    // Xor and Eqv are Null when either side is; Imp is false only from true to false, and
    // Null Imp True, False Imp Null are true. Lowest first: Imp, Eqv, Xor, Or, And.
    EXPECT_EQ(testing::render(s->execute(
                  "SELECT True XOR False, True XOR True, Null XOR True, True EQV True, False EQV True, Null EQV False, "
                  "True IMP False, False IMP False, Null IMP True, False IMP Null, True IMP Null, False IMP True EQV False, "
                  "True OR True XOR True, True XOR True AND False").rows),
              "True|False|Null|True|False|Null|False|True|True|True|Null|True|False|True");
    // A chain longer than the database takes arguments in one call: Null only when all are.
    EXPECT_EQ(testing::render(s->execute("SELECT Null" + repeat(" & Null", 300) + ", Null" + repeat(" & Null", 150) + " & 'a' & 1").rows),
              "Null|'a1'");
    const std::string nz = "SELECT " + repeat("Nz(", 20) + "Apelido" + repeat(", Nome)", 20) + " AS A FROM Pessoas ORDER BY Codigo";
    EXPECT_LT(s->translate(nz).native.size(), 3 * nz.size());
    EXPECT_EQ(testing::render(s->execute(nz).rows), "'JOÃO';'maria';'ana';'zé'");
    const std::string right = "SELECT " + repeat("Right(", 20) + "Nome" + repeat(", 3)", 20) + " AS R FROM Pessoas ORDER BY Codigo";
    EXPECT_LT(s->translate(right).native.size(), 3 * right.size());
    EXPECT_EQ(testing::render(s->execute(right).rows), "'lva';'ria';'ana';'Zé'");
    EXPECT_EQ(testing::render(s->execute("SELECT Right('abc', 0), Right('abc', -1), Right('ação', 3), Right(Null, 2), Right('abc', Null), Right('abc', 9)").rows),
              "''|''|'ção'|Null|Null|'abc'");
}

// The library's own statements, the longest listing included, sit far below every limit.
TEST(Limits, TheClassesStatementsAreFarBelowTheLimits) {
    std::size_t longest = 0, mostTerms = 0, statements = 0;
    int deepest = 0;
    for (const auto& file : std::filesystem::directory_iterator(ZOLK_SOURCE_DIR "/jet/tests/corpus")) {
        std::ifstream in(file.path());
        std::string line, statement;
        auto measure = [&] {
            while (!statement.empty() && (statement.back() == '\n' || statement.back() == ' ')) statement.pop_back();
            if (statement.empty()) return;
            ++statements;
            longest = std::max(longest, statement.size());
            mostTerms = std::max(mostTerms, tokenize(statement).size() - 1);
            try {
                ast::Statement st = parseStatement(statement);
                rewrite::forEachExpr(st, [&](ast::ExprPtr& e) { deepest = std::max(deepest, int(e->levels)); });
            } catch (const platform::RuntimeError&) {
                // the corpus's statements that the engine refuses on purpose
            }
            statement.clear();
        };
        while (std::getline(in, line)) {
            if (line.rfind("--", 0) == 0) measure();
            else statement += line + "\n";
        }
        measure();
    }
    EXPECT_GT(statements, 200u);
    EXPECT_GT(longest, 20000u);  // the exam listing
    EXPECT_LT(longest, limits::kStatementCharacters / 2);
    EXPECT_LT(mostTerms, limits::kTerms / 3);
    EXPECT_LT(deepest, limits::kNesting / 4);
    std::cout << "corpus: " << statements << " statements, longest " << longest << " characters, most " << mostTerms
              << " terms, deepest " << deepest << " levels\n";
}

}  // namespace
}  // namespace zolk::jet
