// Jet text in, typed rows out: Jet's meanings checked on the rows SQLite gives back.
#include <gtest/gtest.h>

#include "jet/tests/jet_test_support.h"

namespace zolk::jet {
namespace {

// Jet's meanings checked on the rows SQLite gives back, all on one sample database.
TEST(Results, JetMeanings) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    const struct {
        const char* jet;
        const char* rows;  // testing::render of the rows
    } cases[] = {
        // Text comparisons fold case, accented capitals included, and keep accents.
        {"SELECT Codigo FROM Pessoas WHERE Nome = 'JOÃO SILVA'", "L1"},
        {"SELECT Codigo FROM Pessoas WHERE Nome = 'joao silva'", ""},
        {"SELECT Codigo FROM Pessoas WHERE Nome LIKE '%joão%'", "L1"},
        {"SELECT Codigo FROM Pessoas WHERE Nome NOT LIKE '%a%' ORDER BY Codigo", "L4"},
        {"SELECT Nome FROM Pessoas ORDER BY Nome", "'ana';'João Silva';'Maria';'Zé'"},
        {"SELECT Codigo AS K FROM Pessoas ORDER BY K DESC", "L4;L3;L2;L1"},
        {"SELECT Codigo FROM Pessoas WHERE Apelido <> 'x' ORDER BY Codigo", "L1;L2;L4"},  // a comparison with Null is not true
        {"SELECT Codigo FROM Pessoas WHERE Apelido IN ('Maria', 'ZÉ') ORDER BY Codigo", "L2;L4"},
        {"SELECT COUNT(*) AS N FROM Pedidos WHERE Descricao Is Not Null GROUP BY Descricao ORDER BY COUNT(*) DESC", "L2;L1"},
        {"SELECT COUNT(*) FROM (SELECT Apelido AS A FROM Pessoas WHERE Codigo=4 UNION SELECT Nome AS A FROM Pessoas WHERE Codigo=4) AS u", "L1"},
        {"SELECT Apelido AS A FROM Pessoas WHERE Codigo=4 UNION ALL SELECT Nome AS A FROM Pessoas WHERE Codigo=4", "'zé';'Zé'"},
        {"SELECT Numero AS N FROM Pedidos UNION SELECT Codigo AS N FROM Pessoas ORDER BY N DESC", "L4;L3;L2;L1"},
        // & treats Null as an empty text and writes numbers and dates by the regional rules; + propagates Null.
        {"SELECT Apelido & Notas AS X FROM Pessoas WHERE Codigo IN (2, 3) ORDER BY Codigo", "'maria';Null"},
        {"SELECT Saldo & '/' & Peso & '/' & Nascimento & '/' & Codigo AS X FROM Pessoas WHERE Codigo = 1", "'12,5/70,25/15/05/1980/1'"},
        {"SELECT Nome + Apelido AS X FROM Pessoas WHERE Codigo IN (2, 3) ORDER BY Codigo", "'Mariamaria';Null"},
        {"SELECT SWITCH(Ativo=True, 'Sim', Ativo=False, 'Não'), SWITCH(Codigo=99,'x') FROM Pessoas ORDER BY Codigo",
         "'Sim'|Null;'Não'|Null;'Sim'|Null;'Não'|Null"},
        // IIF's branches of two kinds give a text, written by the regional rules; a Null condition takes the else.
        {"SELECT IIF(IsNull(Apelido), 0, Apelido) AS A FROM Pessoas ORDER BY Codigo", "'JOÃO';'maria';'0';'zé'"},
        {"SELECT IIF(IsNull(Nascimento), '', Nascimento) AS N, IIF(IsNull(Peso), '', Peso) AS P FROM Pessoas WHERE Codigo IN (1, 4) ORDER BY Codigo",
         "'15/05/1980'|'70,25';''|'0,1'"},
        {"SELECT IIF(Apelido = 'x', 1, 2) AS A FROM Pessoas WHERE Codigo = 3", "L2"},
        {"SELECT IIF(IsNull(Nascimento), #01/02/2000#, Nascimento) AS D FROM Pessoas WHERE Codigo IN (1, 2) ORDER BY Codigo",
         "D1980-05-15 00:00:00;D2000-01-02 00:00:00"},
        {"SELECT IsNull(Apelido) AS A, Codigo = 3 AS B FROM Pessoas WHERE Codigo = 3", "True|True"},
        {"SELECT Left(Nome, 2) AS L, Right(Nome, 2) AS R, Mid(Nome, 2, 3) AS M, Mid(Nome, 3) AS M2, Len(Nome) AS N, UCase(Apelido) AS U, "
         "CStr(Peso) AS S FROM Pessoas WHERE Codigo = 1", "'Jo'|'va'|'oão'|'ão Silva'|L10|'JOÃO'|'70,25'"},
        {"SELECT Trim('  a b  ') & '|' & LTrim('  c') & RTrim('d  ') AS T", "'a b|cd'"},
        {R"(SELECT IIf(Trim(Apelido)<>"", Apelido & " ", "") AS X FROM Pessoas ORDER BY Codigo)", "'JOÃO ';'maria ';'';'zé '"},
        {"SELECT CLng(2.5) AS A, CInt('3,5') AS B, Val('12.5abc') AS C, CStr(Saldo) AS D FROM Pessoas WHERE Codigo = 1", "L2|I4|F12.5|'12,5'"},
        // Every declared type comes back as its Variant subtype.
        {"SELECT Codigo, Nascimento, Ativo, Saldo, Peso, Filhos, Nivel, Notas FROM Pessoas WHERE Codigo=1",
         "L1|D1980-05-15 00:00:00|True|C12.5|F70.25|I2|I1|'nota'"},
        {"SELECT Nascimento, Saldo, Peso, Filhos, Notas FROM Pessoas WHERE Codigo=4", "Null|C0|F0.1|Null|Null"},
        {"SELECT Numero FROM Pedidos WHERE Data >= #05/15/2024# AND Data < #05/16/2024# ORDER BY Numero", "L1;L3"},
        {"SELECT COUNT(Apelido) AS N, COUNT(*) AS M FROM Pessoas", "L3|L4"},
        {"SELECT TOP 0 Codigo FROM Pessoas", ""},
        {"SELECT @@Identity", "L0"},
        {"SELECT * FROM Itens WHERE Codigo = 1", "L1|L1|C2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.jet);
        EXPECT_EQ(testing::render(s->execute(c.jet).rows), c.rows) << s->translate(c.jet).native;
    }
}

TEST(Results, UnnamedExpressionsAreNumberedFromExpr1000) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    const auto r = s->execute("SELECT Codigo, Nome & 'x', COUNT(*) FROM Pessoas GROUP BY Codigo, Nome");
    EXPECT_EQ(r.rows.columns.at(1).name + "," + r.rows.columns.at(2).name, "Expr1000,Expr1001");
}

TEST(Results, WritesStoreJetConventions) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    auto r = s->execute(
        "INSERT INTO Pessoas (Nome, Nascimento, Ativo, Saldo) VALUES ('Novo', '12/31/2024', True, 1234.50);");
    EXPECT_FALSE(r.returnsRows);
    EXPECT_EQ(r.rowsAffected, 1);
    EXPECT_EQ(testing::render(s->execute("SELECT @@Identity").rows), "L5");
    // Stored as ISO text, -1 and a plain number, whatever reads it.
    EXPECT_EQ(testing::render(s->execute("SELECT CStr(Nascimento) & '|' & CStr(Ativo) AS X FROM Pessoas WHERE Codigo = 5").rows),
              "'31/12/2024|True'");
    r = s->execute("UPDATE Pessoas SET Nascimento='10:30:00', Ativo=False WHERE Codigo=5 OR Codigo=4;");
    EXPECT_EQ(r.rowsAffected, 2);
    EXPECT_EQ(testing::render(s->execute("SELECT Nascimento, Ativo FROM Pessoas WHERE Codigo = 5").rows),
              "D1899-12-30 10:30:00|False");
    r = s->execute("DELETE * FROM Pessoas WHERE Codigo >= 4;");
    EXPECT_EQ(r.rowsAffected, 2);
    // The identity belongs to the last insert, not to later updates or deletions.
    EXPECT_EQ(testing::render(s->execute("SELECT @@Identity").rows), "L5");
}

TEST(Results, IdentityIsPerConnection) {
    testing::TempDatabase db;
    auto a = db.create(testing::sampleScripts());
    auto b = openSession(db.url());
    a->execute("INSERT INTO Itens (NumeroDoPedido, Quantidade) VALUES (1, 1)");
    EXPECT_EQ(testing::render(a->execute("SELECT @@Identity").rows), "L3");
    EXPECT_EQ(testing::render(b->execute("SELECT @@Identity").rows), "L0");
}

TEST(Results, DatesWrittenByOtherToolsWithoutTheirTimeStillMatch) {
    testing::TempDatabase db;
    auto scripts = testing::sampleScripts();
    scripts.push_back("UPDATE Pedidos SET Data = '2024-06-01' WHERE Numero = 2;"
                      "UPDATE Pessoas SET Nascimento = '10:30:00' WHERE Codigo = 2;");
    auto s = db.create(scripts);
    EXPECT_EQ(testing::render(s->execute("SELECT Numero FROM Pedidos WHERE Data = #06/01/2024#").rows), "L2");
    EXPECT_EQ(testing::render(s->execute("SELECT Numero FROM Pedidos WHERE Data BETWEEN #05/31/2024# AND #06/01/2024#").rows), "L2");
    EXPECT_EQ(testing::render(s->execute("SELECT Codigo FROM Pessoas WHERE Nascimento = #10:30#").rows), "L2");
    EXPECT_EQ(testing::render(s->execute("SELECT Data FROM Pedidos WHERE Numero = 2").rows), "D2024-06-01 00:00:00");
}

}  // namespace
}  // namespace zolk::jet
