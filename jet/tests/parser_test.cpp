// Tokenizer and parser: literal forms, keyword case, statement shape and syntax errors.
#include <gtest/gtest.h>

#include "jet/lexer.h"
#include "jet/parser.h"
#include "platform/runtime_error.h"

namespace zolk::jet {
namespace {

TEST(Parser, RefusalsNameWhatIsWrong) {
    const struct {
        const char* sql;
        const char* inDescription;
    } cases[] = {
        {"SELECT a FROM t WHERE ORDER BY a;", "character 23, found 'ORDER BY a;'"},  // the listings rely on this
        {"SELECT a FROM t WHERE ", "the end of the statement"},
        {"SELECT a FROM t; DROP TABLE t", "Characters found after end of SQL statement."},
        {"SELECT a FROM t x y", "expected the end of the statement"},
        {"SELECT 'abc FROM t", "unterminated text literal"},
        {"SELECT a FROM t WHERE a LIKE '%x%'; DROP TABLE t;--'", "unterminated text literal"},
        {"SELECT [abc FROM t", "unterminated name"},
        {"SELECT #05/06/2024 FROM t", "unterminated date"},
        {"SELECT IIF(a, b) FROM t", "Wrong number of arguments used with function 'IIF'"},
        {"INSERT INTO t (a, b) VALUES (1)", "Number of query values and destination fields"},
        {"INSERT INTO t (a, b) VALUES (1, ,2)", "expected an expression"},
        {"UPDATE t SET a=1, WHERE b=2", "expected a column name"},
        {"DROP TABLE t", "expected SELECT, TRANSFORM, INSERT, UPDATE or DELETE"},
        {"SELECT a FROM t WHERE a = 1 \x01", "unexpected character"},
        {"SELECT @@Version", "unknown system variable"},
        {"", "expected SELECT"},
    };
    for (const auto& c : cases) {
        try {
            parseStatement(c.sql);
            ADD_FAILURE() << "accepted: " << c.sql;
        } catch (const platform::RuntimeError& e) {
            EXPECT_EQ(e.number(), platform::err::DbErrorsInCommand);
            EXPECT_NE(e.description().find(c.inDescription), std::string::npos) << e.description();
        }
    }
    EXPECT_NO_THROW(parseStatement("  select a from t where b is null;  \r\n"));
}

TEST(Parser, PrecedenceFollowsVba) {
    // a OR b AND NOT c = d  ->  a OR (b AND (NOT (c = d)))
    auto st = parseStatement("SELECT x FROM t WHERE a OR b AND NOT c = d");
    const auto& w = *st.select->where;
    ASSERT_EQ(w.kind, ast::ExprKind::Or);
    const auto& andNode = *w.args[1];
    ASSERT_EQ(andNode.kind, ast::ExprKind::And);
    const auto& notNode = *andNode.args[1];
    ASSERT_EQ(notNode.kind, ast::ExprKind::Not);
    EXPECT_EQ(notNode.args[0]->kind, ast::ExprKind::Comparison);

    // 1 + 2 * 3 & 'x'  ->  (1 + (2 * 3)) & 'x'
    auto st2 = parseStatement("SELECT 1 + 2 * 3 & 'x' FROM t");
    const auto& c = *st2.select->items[0].expr;
    ASSERT_EQ(c.kind, ast::ExprKind::Concat);
    ASSERT_EQ(c.args[0]->kind, ast::ExprKind::Arithmetic);
    EXPECT_EQ(c.args[0]->op, int(ast::ArithOp::Add));
    EXPECT_EQ(c.args[0]->args[1]->op, int(ast::ArithOp::Multiply));
}

TEST(Parser, WritesAndTheirTargets) {
    auto ins = parseStatement("INSERT INTO t (a, [b], t.c) VALUES(1, 'x', Null);");
    EXPECT_EQ(ins.kind, ast::StatementKind::Insert);
    ASSERT_EQ(ins.assignments.size(), 3u);
    EXPECT_EQ(ins.assignments[1].columnName, "b");
    EXPECT_EQ(ins.assignments[2].columnName, "c");
    auto del = parseStatement("DELETE * FROM t WHERE a=1;");
    EXPECT_EQ(del.kind, ast::StatementKind::Delete);
    EXPECT_TRUE(del.where);
    auto upd = parseStatement("          UPDATE    Produtos  SET     SaldoEmEstoque = -2.00 WHERE     CodigoInterno = 5;");
    EXPECT_EQ(upd.kind, ast::StatementKind::Update);
    EXPECT_EQ(upd.assignments[0].value->number, -2.0);
}

}  // namespace
}  // namespace zolk::jet
