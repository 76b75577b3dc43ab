// Error numbers: what the engine refuses before running, and what the database refuses.
#include <gtest/gtest.h>

#include "jet/tests/jet_test_support.h"
#include "platform/text_compare.h"

namespace zolk::jet {
namespace {

namespace err = platform::err;
using testing::errorOf;

std::string countsOfPessoasAndItens(Session& s) {
    return testing::render(s.execute("SELECT (SELECT COUNT(*) FROM Pessoas), (SELECT COUNT(*) FROM Itens)").rows);
}

TEST(Errors, EachRefusalWithItsNumber) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    const struct {
        const char* jet;
        std::int32_t number;
        std::int32_t helpContext;
        const char* inDescription;
    } cases[] = {
        {"SELECT a FROM Nada", err::DbErrorsInCommand, 0, "Cannot find the table 'Nada'"},
        {"SELECT Codigo FROM Pessoas WHERE Nada = 1", err::DbErrorsInCommand, 0, "Unknown field 'Nada' (character 34)"},
        {"SELECT DLookup(Codigo) FROM Pessoas", err::DbErrorsInCommand, 0, "Undefined function 'DLookup'"},
        {"SELECT Codigo FROM Pessoas, Itens", err::DbErrorsInCommand, 0, "could refer to more than one table"},
        {"INSERT INTO Pessoas (Nada) VALUES (1)", err::DbErrorsInCommand, 0, "Unknown field 'Nada'"},
        {"SELECT Codigo FROM Pessoas WHERE ORDER BY Codigo;", err::DbErrorsInCommand, 0, "at character 34, found 'ORDER BY Codigo;'"},
        {"DELETE * FROM Itens; DELETE * FROM Pedidos", err::DbErrorsInCommand, 0, "Characters found after end of SQL statement."},
        {"SELECT Codigo FROM Pessoas WHERE Nascimento = #31/02/2024#", err::DbErrorsInCommand, 0, "#31/02/2024#"},
        {"SELECT Codigo FROM Pessoas WHERE Nome LIKE '%[ab%'", err::DbErrorsInCommand, 0, "'[' is not closed"},
        {"INSERT INTO Pessoas (Nome, Nascimento) VALUES ('x', 'amanhã')", err::DbCantConvertValue, 0, "Data type mismatch in criteria expression."},
        {"UPDATE Pessoas SET Saldo='muito' WHERE Codigo=1", err::DbCantConvertValue, 0, "Data type mismatch"},
        {"SELECT Codigo FROM Pessoas WHERE Nascimento = 'ontem'", err::DbCantConvertValue, 0, "Data type mismatch"},
        {"SELECT CLng(Nome) AS X FROM Pessoas", err::TypeMismatch, 0, ""},
        {"DELETE * FROM Pedidos WHERE Numero = 1", err::DbGeneralFailure, err::DbRelationshipHelpContext,
         "The record cannot be deleted or changed because table 'Itens' includes related records."},
        {"UPDATE Pedidos SET Numero = 99 WHERE Numero = 1", err::DbGeneralFailure, err::DbRelationshipHelpContext, "table 'Itens' includes related records"},
        {"INSERT INTO Itens (NumeroDoPedido, Quantidade) VALUES (77, 1)", err::DbGeneralFailure, 0,
         "You cannot add or change a record because a related record is required in table 'Pedidos'."},
        {"INSERT INTO Pessoas (Codigo, Nome) VALUES (1, 'x')", err::DbGeneralFailure, 0, "duplicate values"},
        {"INSERT INTO Itens (Quantidade) VALUES (1)", err::DbGeneralFailure, 0, "NOT NULL"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.jet);
        const auto e = errorOf(*s, c.jet);
        EXPECT_EQ(e.number, c.number) << e.description;
        EXPECT_EQ(e.helpContext, c.helpContext) << e.description;
        EXPECT_NE(e.description.find(c.inDescription), std::string::npos) << e.description;
    }
    // None of them changed anything.
    EXPECT_EQ(countsOfPessoasAndItens(*s), "L4|L2");
    EXPECT_EQ(testing::render(s->execute("SELECT COUNT(*) AS N FROM Pedidos").rows), "L4");
}

// A search text pasted inside LIKE '%...%' either stays one literal or is refused; it never
// runs a second statement.
TEST(Errors, SearchTextCannotRunASecondStatement) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    for (const char* typed : {"'; DROP TABLE Pessoas; --", "x'; DELETE * FROM Itens; SELECT '", "%' OR 1=1; DELETE * FROM Itens WHERE '1'='1", "[",
                              "\"; DROP TABLE Pessoas"}) {
        const std::string sql = std::string("SELECT Codigo FROM Pessoas WHERE Nome LIKE '%") + typed + "%'";
        const auto e = errorOf(*s, sql);
        EXPECT_TRUE(e.number == 0 || e.number == err::DbErrorsInCommand) << sql << "\n" << e.description;
    }
    EXPECT_EQ(countsOfPessoasAndItens(*s), "L4|L2");
}

TEST(Errors, TextCollationFoldsCaseAndKeepsAccents) {
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

}  // namespace
}  // namespace zolk::jet
