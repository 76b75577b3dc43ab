// Tokenizer and parser: literal forms, keyword case, statement shape and syntax errors.
#include <gtest/gtest.h>

#include "jet/lexer.h"
#include "jet/parser.h"
#include "platform/runtime_error.h"

namespace zolk::jet {
namespace {

TEST(Lexer, LiteralsNamesAndOperators) {
    const auto t = tokenize(
        "select [T.C], [T].[C], 'it''s', \"say \"\"hi\"\"\", #05/06/2024#, 12.5, 7, @@IDENTITY, a<>b & c<=d");
    ASSERT_GE(t.size(), 25u);
    EXPECT_EQ(t[0].kind, TokenKind::Keyword);
    EXPECT_EQ(t[0].keyword, Keyword::Select);
    EXPECT_EQ(t[1].kind, TokenKind::Bracketed);
    EXPECT_EQ(t[1].text, "T.C");
    EXPECT_EQ(t[3].text, "T");
    EXPECT_EQ(t[4].text, ".");
    EXPECT_EQ(t[5].text, "C");
    EXPECT_EQ(t[7].kind, TokenKind::String);
    EXPECT_EQ(t[7].text, "it's");
    EXPECT_EQ(t[9].text, "say \"hi\"");
    EXPECT_EQ(t[11].kind, TokenKind::Date);
    EXPECT_EQ(t[11].text, "05/06/2024");
    EXPECT_EQ(t[13].kind, TokenKind::Number);
    EXPECT_EQ(t[13].text, "12.5");
    EXPECT_EQ(t[17].kind, TokenKind::Identity);
    EXPECT_EQ(t[20].text, "<>");
    EXPECT_EQ(t[22].text, "&");
    EXPECT_EQ(t[24].text, "<=");
    EXPECT_EQ(t.back().kind, TokenKind::End);
}

TEST(Lexer, KeywordsInAnyCase) {
    for (const char* w : {"SELECT", "select", "SeLeCt"}) EXPECT_EQ(keywordOf(w), Keyword::Select);
    EXPECT_EQ(keywordOf("Is"), Keyword::Is);
    EXPECT_EQ(keywordOf("Numero"), Keyword::None);
}

TEST(Lexer, CharacterPositionCountsCodePoints) {
    EXPECT_EQ(characterPosition("ação x", 0), 1u);
    EXPECT_EQ(characterPosition("ação x", 7), 6u);  // "ação " is 7 bytes, 5 characters
}

struct Refusal {
    const char* sql;
    const char* inDescription;  // part of the description
};

class ParseRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(ParseRefusal, RaisesErrorsInCommand) {
    try {
        parseStatement(GetParam().sql);
        FAIL() << "accepted: " << GetParam().sql;
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::err::DbErrorsInCommand);
        EXPECT_NE(e.description().find(GetParam().inDescription), std::string::npos) << e.description();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ParseRefusal,
    ::testing::Values(
        // WHERE with nothing after it: the listings rely on this being refused.
        Refusal{"SELECT a FROM t WHERE ORDER BY a;", "character 23, found 'ORDER BY a;'"},
        Refusal{"SELECT a FROM t WHERE UNION SELECT a FROM t", "found 'UNION"},
        Refusal{"SELECT a FROM t WHERE ", "the end of the statement"},
        Refusal{"SELECT a FROM t WHERE  AND (x = 1)", "found 'AND (x = 1)'"},
        Refusal{"SELECT a FROM t; DROP TABLE t", "Characters found after end of SQL statement."},
        Refusal{"SELECT a FROM t;;", "Characters found after end of SQL statement."},
        Refusal{"SELECT a FROM t x y", "expected the end of the statement"},
        Refusal{"SELECT 'abc FROM t", "unterminated text literal"},
        Refusal{"SELECT [abc FROM t", "unterminated name"},
        Refusal{"SELECT #05/06/2024 FROM t", "unterminated date"},
        Refusal{"SELECT Foo(a) FROM t", "Undefined function 'Foo'"},
        Refusal{"SELECT IIF(a, b) FROM t", "Wrong number of arguments used with function 'IIF'"},
        Refusal{"SELECT SWITCH(a, b, c) FROM t", "Wrong number of arguments"},
        Refusal{"INSERT INTO t (a, b) VALUES (1)", "Number of query values and destination fields"},
        Refusal{"INSERT INTO t (a, b) VALUES (1, ,2)", "expected an expression"},
        Refusal{"UPDATE t SET a=1, WHERE b=2", "expected a column name"},
        Refusal{"DROP TABLE t", "expected SELECT, TRANSFORM, INSERT, UPDATE or DELETE"},
        Refusal{"SELECT a FROM t WHERE a = 1 \x01", "unexpected character"},
        Refusal{"SELECT a FROM t WHERE a LIKE '%x%'; DROP TABLE t; --", "Characters found after end"},
        Refusal{"SELECT a FROM t WHERE a LIKE '%x%'; DROP TABLE t;--'", "unterminated text literal"},
        Refusal{"SELECT @@Version", "unknown system variable"},
        Refusal{"", "expected SELECT"}));

TEST(Parser, TrailingSemicolonAndBlanksAllowed) {
    EXPECT_NO_THROW(parseStatement("  SELECT a FROM t;  \r\n"));
    EXPECT_NO_THROW(parseStatement("select a from t where b is null"));
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

TEST(Parser, ConcatChainsAreFlat) {
    auto st = parseStatement("SELECT a & ' - ' & b & ' - ' & c FROM t");
    const auto& c = *st.select->items[0].expr;
    ASSERT_EQ(c.kind, ast::ExprKind::Concat);
    EXPECT_EQ(c.args.size(), 5u);
}

TEST(Parser, FunctionsBecomeNodesOfTheirMeaning) {
    auto st = parseStatement(
        "SELECT IIF(IsNull(a), 0, a), SWITCH(b=1,'x',b=2,'y'), Format(c,'dd/mm/yyyy'), Trim(d), "
        "Month(e), Count(*), Left(f, 2), NOW, Date() FROM t");
    const auto& items = st.select->items;
    EXPECT_EQ(items[0].expr->kind, ast::ExprKind::Conditional);
    EXPECT_TRUE(items[0].expr->hasElse);
    EXPECT_EQ(items[0].expr->args[0]->kind, ast::ExprKind::NullTest);
    EXPECT_EQ(items[1].expr->kind, ast::ExprKind::Conditional);
    EXPECT_FALSE(items[1].expr->hasElse);
    EXPECT_EQ(items[2].expr->kind, ast::ExprKind::FormatText);
    EXPECT_EQ(items[3].expr->kind, ast::ExprKind::Trim);
    EXPECT_EQ(items[4].expr->kind, ast::ExprKind::DatePart);
    EXPECT_EQ(items[5].expr->kind, ast::ExprKind::Aggregate);
    EXPECT_TRUE(items[5].expr->args.empty());
    EXPECT_EQ(items[6].expr->kind, ast::ExprKind::Scalar);
    EXPECT_EQ(items[7].expr->kind, ast::ExprKind::Column);  // NOW is resolved by the binder
    EXPECT_EQ(items[8].expr->kind, ast::ExprKind::Today);
}

TEST(Parser, NestedJoinsAndCommaSources) {
    auto st = parseStatement(
        "SELECT x FROM Funcionarios, SubGrupos INNER JOIN (A INNER JOIN B ON A.k = B.k) ON "
        "SubGrupos.c = A.c LEFT OUTER JOIN C ON C.k = B.k");
    ASSERT_EQ(st.select->from.size(), 2u);
    const auto& j = *st.select->from[1];
    ASSERT_EQ(j.kind, ast::TableRef::Kind::Join);
    EXPECT_EQ(j.join, ast::JoinKind::Left);
    ASSERT_EQ(j.left->kind, ast::TableRef::Kind::Join);
    EXPECT_EQ(j.left->right->kind, ast::TableRef::Kind::Join);
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

TEST(Parser, DeepNestingIsRefusedNotCrashed) {
    std::string deep = "SELECT ";
    for (int i = 0; i < 5000; ++i) deep += "(";
    deep += "1";
    for (int i = 0; i < 5000; ++i) deep += ")";
    deep += " FROM t";
    try {
        parseStatement(deep);
        FAIL();
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::err::DbErrorsInCommand);
    }
}

}  // namespace
}  // namespace zolk::jet
