// Error numbers: what the engine refuses before running, and what the database refuses.
#include <gtest/gtest.h>

#include "platform/text_compare.h"

#include "jet/like_pattern.h"
#include "jet/tests/jet_test_support.h"

namespace zolk::jet {
namespace {

namespace err = platform::err;
using testing::errorOf;

struct ErrorCase {
    const char* name;
    const char* jet;
    std::int32_t number;
    std::int32_t helpContext;
    const char* inDescription;
};

std::ostream& operator<<(std::ostream& os, const ErrorCase& c) { return os << c.name; }

class Refuses : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(Refuses, WithItsNumber) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    const auto e = errorOf(*s, GetParam().jet);
    EXPECT_EQ(e.number, GetParam().number) << e.description;
    EXPECT_EQ(e.helpContext, GetParam().helpContext) << e.description;
    EXPECT_NE(e.description.find(GetParam().inDescription), std::string::npos) << e.description;
}

const ErrorCase kErrors[] = {
    {"unknown_table", "SELECT a FROM Nada", err::DbErrorsInCommand, 0, "Cannot find the table 'Nada'"},
    {"unknown_column", "SELECT Pessoas.Nada FROM Pessoas", err::DbErrorsInCommand, 0, "Unknown field 'Pessoas.Nada'"},
    {"unknown_bare_column", "SELECT Codigo FROM Pessoas WHERE Nada = 1", err::DbErrorsInCommand, 0, "Unknown field 'Nada' (character 34)"},
    {"unknown_function", "SELECT DLookup(Codigo) FROM Pessoas", err::DbErrorsInCommand, 0, "Undefined function 'DLookup'"},
    {"ambiguous_column", "SELECT Codigo FROM Pessoas, Itens", err::DbErrorsInCommand, 0, "could refer to more than one table"},
    {"unknown_insert_column", "INSERT INTO Pessoas (Nada) VALUES (1)", err::DbErrorsInCommand, 0, "Unknown field 'Nada'"},
    {"syntax_names_position", "SELECT Codigo FROM Pessoas WHERE ORDER BY Codigo;", err::DbErrorsInCommand, 0, "at character 34, found 'ORDER BY Codigo;'"},
    {"two_statements", "DELETE * FROM Itens; DELETE * FROM Pedidos", err::DbErrorsInCommand, 0, "Characters found after end of SQL statement."},
    {"bad_date_literal", "SELECT Codigo FROM Pessoas WHERE Nascimento = #31/02/2024#", err::DbErrorsInCommand, 0, "#31/02/2024#"},
    {"text_into_a_date_column", "INSERT INTO Pessoas (Nome, Nascimento) VALUES ('x', 'amanhã')", err::DbCantConvertValue, 0, "Data type mismatch in criteria expression."},
    {"empty_text_into_a_date_column", "UPDATE Pessoas SET Nascimento='' WHERE Codigo=1", err::DbCantConvertValue, 0, "Data type mismatch"},
    {"text_into_a_number_column", "UPDATE Pessoas SET Saldo='muito' WHERE Codigo=1", err::DbCantConvertValue, 0, "Data type mismatch"},
    {"text_compared_with_a_date", "SELECT Codigo FROM Pessoas WHERE Nascimento = 'ontem'", err::DbCantConvertValue, 0, "Data type mismatch"},
    {"unclosed_like_set", "SELECT Codigo FROM Pessoas WHERE Nome LIKE '%[ab%'", err::DbErrorsInCommand, 0, "'[' is not closed"},
    {"conversion_error_in_a_function", "SELECT CLng(Nome) AS X FROM Pessoas", err::TypeMismatch, 0, ""},
    // Relationship refusals: the deletion or key change of a row others refer to ...
    {"delete_refused_by_related_rows", "DELETE * FROM Pedidos WHERE Numero = 1", err::DbGeneralFailure, err::DbRelationshipHelpContext,
     "The record cannot be deleted or changed because table 'Itens' includes related records."},
    {"key_update_refused_by_related_rows", "UPDATE Pedidos SET Numero = 99 WHERE Numero = 1", err::DbGeneralFailure, err::DbRelationshipHelpContext,
     "table 'Itens' includes related records"},
    // ... and a row that refers to a missing one.
    {"insert_without_its_related_row", "INSERT INTO Itens (NumeroDoPedido, Quantidade) VALUES (77, 1)", err::DbGeneralFailure, 0,
     "You cannot add or change a record because a related record is required in table 'Pedidos'."},
    {"update_to_a_missing_related_row", "UPDATE Itens SET NumeroDoPedido = 77 WHERE Codigo = 1", err::DbGeneralFailure, 0,
     "a related record is required in table 'Pedidos'"},
    {"duplicate_key", "INSERT INTO Pessoas (Codigo, Nome) VALUES (1, 'x')", err::DbGeneralFailure, 0, "duplicate values"},
    {"not_null_column", "INSERT INTO Itens (Quantidade) VALUES (1)", err::DbGeneralFailure, 0, "NOT NULL"},
};

INSTANTIATE_TEST_SUITE_P(Numbers, Refuses, ::testing::ValuesIn(kErrors),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Errors, RefusedStatementsChangeNothing) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    EXPECT_NE(errorOf(*s, "DELETE * FROM Pedidos WHERE Numero = 1").number, 0);
    EXPECT_NE(errorOf(*s, "DELETE * FROM Itens; DELETE * FROM Pedidos").number, 0);
    EXPECT_EQ(testing::render(s->execute("SELECT COUNT(*) AS N FROM Pedidos").rows), "L4");
    EXPECT_EQ(testing::render(s->execute("SELECT COUNT(*) AS N FROM Itens").rows), "L2");
}

// A search text pasted inside LIKE '%...%' either stays one literal or is refused; it never
// runs a second statement.
TEST(Errors, SearchTextCannotRunASecondStatement) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    const char* typed[] = {
        "'; DROP TABLE Pessoas; --",
        "x'; DELETE * FROM Itens; SELECT '",
        "%' OR 1=1; DELETE * FROM Itens WHERE '1'='1",
        "[",
        "\"; DROP TABLE Pessoas",
    };
    for (const char* t : typed) {
        const std::string sql = std::string("SELECT Codigo FROM Pessoas WHERE Nome LIKE '%") + t + "%'";
        try {
            const auto r = s->execute(sql);
            EXPECT_TRUE(r.returnsRows) << sql;
        } catch (const platform::RuntimeError& e) {
            EXPECT_EQ(e.number(), err::DbErrorsInCommand) << sql << "\n" << e.description();
        }
    }
    EXPECT_EQ(testing::render(s->execute("SELECT COUNT(*) AS N FROM Pessoas").rows), "L4");
    EXPECT_EQ(testing::render(s->execute("SELECT COUNT(*) AS N FROM Itens").rows), "L2");
}

// No input text may crash the engine: bytes of every kind, cut statements, odd nesting.
TEST(Errors, AnyTextIsRefusedOrRunNeverCrashes) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    const std::string base =
        "SELECT TOP 2 IIF(IsNull(P.Apelido), '', P.Apelido & ' ' & Format(P.Saldo,'#,##0.00')) AS A, "
        "SWITCH(P.Ativo=True,'S',P.Ativo=False,'N') FROM Pessoas AS P INNER JOIN (Pedidos INNER JOIN Itens "
        "ON Pedidos.Numero = Itens.NumeroDoPedido) ON P.Codigo = Pedidos.CodigoDaPessoa WHERE P.Nome LIKE "
        "'%a%' AND P.Nascimento < #05/06/2024# ORDER BY P.Codigo DESC;";
    std::uint32_t seed = 12345;
    auto rnd = [&] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
    int ran = 0, refused = 0;
    for (std::size_t cut = 0; cut <= base.size(); ++cut) {
        try {
            s->execute(base.substr(0, cut));
            ++ran;
        } catch (const platform::RuntimeError&) {
            ++refused;
        }
    }
    for (int i = 0; i < 400; ++i) {
        std::string t = base;
        for (int k = 0; k < 3; ++k) t[rnd() % t.size()] = static_cast<char>(rnd() % 256);
        try {
            s->execute(t);
            ++ran;
        } catch (const platform::RuntimeError&) {
            ++refused;
        }
    }
    EXPECT_GT(ran, 0);
    EXPECT_GT(refused, 0);
    EXPECT_EQ(testing::render(s->execute("SELECT COUNT(*) AS N FROM Pessoas").rows), "L4");
}

TEST(TextRules, CollationFoldsCaseAndKeepsAccents) {
    using platform::compareText;
    EXPECT_EQ(compareText("JOÃO", "joão"), 0);
    EXPECT_EQ(compareText("ÇÉ", "çé"), 0);
    EXPECT_NE(compareText("joao", "joão"), 0);
    EXPECT_LT(compareText("ana", "Bruno"), 0);
    EXPECT_LT(compareText("ab", "abc"), 0);
    EXPECT_GT(compareText("b", "A"), 0);
    EXPECT_LT(compareText("Ângela", "Bruno"), 0);  // accented capitals sort with their letter
    EXPECT_LT(compareText("ana", "Ângela"), 0);
    EXPECT_NE(compareText("a\xff", "a\xfe"), 0);  // invalid bytes stay distinct
}

TEST(TextRules, LikeUsesAnsiWildcards) {
    const auto likeMatch = [](std::string_view text, std::string_view pattern) {
        return LikePattern(pattern).matches(text);
    };
    EXPECT_TRUE(likeMatch("JOÃO DA SILVA", "%joão%"));
    EXPECT_TRUE(likeMatch("abc", "a_c"));
    EXPECT_FALSE(likeMatch("abc", "a_"));
    EXPECT_TRUE(likeMatch("b1", "[abc]1"));
    EXPECT_TRUE(likeMatch("m", "[a-z]"));
    EXPECT_FALSE(likeMatch("b", "[!abc]"));
    EXPECT_TRUE(likeMatch("d", "[!abc]"));
    EXPECT_FALSE(likeMatch("abc", "a*"));   // * is a literal
    EXPECT_TRUE(likeMatch("a*", "a*"));
    EXPECT_TRUE(likeMatch("50%", "50%"));
    EXPECT_TRUE(likeMatch("", "%"));
    EXPECT_TRUE(likeMatch("aXbXc", "%b%c"));
    EXPECT_FALSE(likeMatch("aXbXd", "%b%c"));
    EXPECT_THROW(likeMatch("abc", "a[bc"), platform::RuntimeError);
}

}  // namespace
}  // namespace zolk::jet
