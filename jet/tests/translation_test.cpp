// Jet text in, SQLite text out, for the translations that carry a platform rule of their own;
// the corpus and result tests run the rest.
#include <gtest/gtest.h>

#include "jet/tests/jet_test_support.h"

namespace zolk::jet {
namespace {

TEST(Translation, DistinctiveFormsAndTheyRun) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    const struct {
        const char* jet;
        const char* native;
    } cases[] = {
        {"select nome from PESSOAS where Nome = 'joão'", R"(SELECT "Pessoas"."Nome" AS "Nome" FROM "Pessoas" WHERE "Pessoas"."Nome" = 'joão' COLLATE JETTEXT)"},
        {"SELECT Codigo FROM Pessoas WHERE Nome LIKE '%a''; DROP TABLE Pessoas; --%' AND Apelido Is Not Null", R"(SELECT "Pessoas"."Codigo" AS "Codigo" FROM "Pessoas" WHERE ("Pessoas"."Nome" LIKE '%a''; DROP TABLE Pessoas; --%' AND "Pessoas"."Apelido" IS NOT NULL))"},
        {"SELECT Numero FROM Pedidos WHERE Data = #05/06/2024 10:00:00#", R"(SELECT "Pedidos"."Numero" AS "Numero" FROM "Pedidos" WHERE jet_date("Pedidos"."Data") = '2024-05-06 10:00:00')"},
        {"SELECT Numero FROM Pedidos WHERE Data < #15/05/2024#", R"(SELECT "Pedidos"."Numero" AS "Numero" FROM "Pedidos" WHERE jet_date("Pedidos"."Data") < '2024-05-15 00:00:00')"},
        {"SELECT Numero FROM Pedidos WHERE Data = '05/06/2024'", R"(SELECT "Pedidos"."Numero" AS "Numero" FROM "Pedidos" WHERE jet_date("Pedidos"."Data") = '2024-06-05 00:00:00')"},
        {"SELECT TOP 2 Codigo FROM Pessoas", R"(SELECT "Pessoas"."Codigo" AS "Codigo" FROM "Pessoas" LIMIT 2)"},
        {"SELECT TOP 2 Numero FROM Pedidos ORDER BY Valor DESC;", R"(SELECT "c0" AS "Numero" FROM (SELECT * FROM (SELECT "Pedidos"."Numero" AS "c0", "Pedidos"."Valor" AS "jet_k0" FROM "Pedidos" ORDER BY "jet_k0" DESC LIMIT 2) WHERE NOT (("jet_k0") IS (SELECT "jet_k0" FROM (SELECT "Pedidos"."Valor" AS "jet_k0" FROM "Pedidos") ORDER BY "jet_k0" DESC LIMIT 1 OFFSET 2 - 1)) UNION ALL SELECT * FROM (SELECT "Pedidos"."Numero" AS "c0", "Pedidos"."Valor" AS "jet_k0" FROM "Pedidos") WHERE ("jet_k0") IS (SELECT "jet_k0" FROM (SELECT "Pedidos"."Valor" AS "jet_k0" FROM "Pedidos") ORDER BY "jet_k0" DESC LIMIT 1 OFFSET 2 - 1)) AS "jet_top" ORDER BY "jet_k0" DESC)"},
        {"SELECT @@Identity", R"(SELECT last_insert_rowid() AS "Expr1000")"},
        {"SELECT IIF(IsNull(Apelido), '', Apelido) AS A FROM Pessoas WHERE Ativo", R"(SELECT CASE WHEN "Pessoas"."Apelido" IS NULL THEN '' ELSE "Pessoas"."Apelido" END AS "A" FROM "Pessoas" WHERE ("Pessoas"."Ativo") <> 0)"},
        {"SELECT SWITCH(Ativo=True, 'Sim', Ativo=False, 'Não') AS S FROM Pessoas", R"(SELECT CASE WHEN "Pessoas"."Ativo" = (-1) THEN 'Sim' WHEN "Pessoas"."Ativo" = 0 THEN 'Não' END AS "S" FROM "Pessoas")"},
        {"SELECT Nome & ' ' & Saldo AS X FROM Pessoas", R"(SELECT jet_concat("Pessoas"."Nome", ' ', jet_text("Pessoas"."Saldo", 'C')) AS "X" FROM "Pessoas")"},
        {"SELECT Codigo FROM Pessoas WHERE Codigo BETWEEN 3 AND 1", R"(SELECT "Pessoas"."Codigo" AS "Codigo" FROM "Pessoas" WHERE ("Pessoas"."Codigo" BETWEEN 1 AND 3))"},
        {"DELETE * FROM Itens WHERE Codigo=2;", R"(DELETE FROM "Itens" WHERE "Itens"."Codigo" = 2)"},
        {"INSERT INTO Pedidos (Data, Pago) VALUES('10:30:00', Null)", R"(INSERT INTO "Pedidos" ("Data", "Pago") VALUES ('1899-12-30 10:30:00', 0))"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.jet);
        const auto t = s->translate(c.jet);
        EXPECT_EQ(t.native, c.native);
        EXPECT_EQ(t.writes, c.jet[0] != 'S' && c.jet[0] != 's');
        EXPECT_NO_THROW(s->execute(c.jet));
    }
}

}  // namespace
}  // namespace zolk::jet
